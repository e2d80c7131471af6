// Every paint manager with a window, so that a message loop can find the one a message is for.
#pragma once

#include <windows.h>

#include <vector>

namespace DuiLib {

class CPaintManagerUI;

namespace ManagerRegistry {

void Add(CPaintManagerUI* pManager);
void Remove(CPaintManagerUI* pManager);
// The manager of hWnd, or NULL.
CPaintManagerUI* ForWindow(HWND hWnd);
// The managers whose window is hWnd or one of hWnd's ancestors (nearest first).
std::vector<CPaintManagerUI*> ForWindowAndAncestors(HWND hWnd);

}  // namespace ManagerRegistry

}  // namespace DuiLib
