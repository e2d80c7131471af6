// Looking at the desktop's windows from a test thread, and reaching into a window's thread.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace win32::testing {

struct WindowInfo {
  HWND hwnd = nullptr;
  std::wstring class_name;
  std::wstring caption;
  RECT rect{};             // screen coordinates
  RECT client_rect{};      // as GetClientRect reports it
  DWORD style = 0;
  DWORD ex_style = 0;
  bool visible_flag = false;  // its own WS_VISIBLE
  bool visible = false;       // IsWindowVisible: its own flag and every parent's
  bool minimized = false;
  bool maximized = false;
  HWND parent = nullptr;
  HWND owner = nullptr;
  DWORD thread_id = 0;
  int icon_resource_id = 0;  // numeric resource id of the big (else small) icon; 0 if none
};

// Every live window, oldest first.
std::vector<WindowInfo> Windows();
std::optional<WindowInfo> Describe(HWND hwnd);
// Live windows of a class (compared without regard to case), oldest first.
std::vector<WindowInfo> WindowsOfClass(const std::wstring& class_name);
// The oldest live window with that class, or null.
HWND FindWindowByClass(const std::wstring& class_name);
// The oldest live window with exactly that caption, or null.
HWND FindWindowByCaption(const std::wstring& caption);

// Polls predicate until it holds or the timeout passes; returns its last value.
bool WaitUntil(const std::function<bool()>& predicate,
               std::chrono::milliseconds timeout = std::chrono::seconds(10));

// Runs fn on the thread that owns the window and waits for it. False when the window is gone
// (or its thread ended) before fn could run.
bool RunOnWindowThread(HWND hwnd, const std::function<void()>& fn);

}  // namespace win32::testing
