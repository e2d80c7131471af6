// What the window model asks of the desktop it runs on: the headless one, or one with real
// windows behind the same interface.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

typedef struct _cairo_surface cairo_surface_t;

namespace win32::internal {

struct MessageBoxRequest {
  HWND owner;
  std::wstring text;
  std::wstring caption;
  UINT type;
};

struct MenuItem {
  UINT flags;
  UINT_PTR id;
  std::wstring text;
};

struct MenuRequest {
  std::vector<MenuItem> items;
  UINT flags;
  int x;
  int y;
  HWND owner;
};

struct ShellRequest {
  HWND window;
  std::wstring verb;
  std::wstring file;
  std::wstring parameters;
  std::wstring directory;
  int show_command;
};

class Desktop {
 public:
  virtual ~Desktop() = default;
  virtual SIZE ScreenSize() = 0;
  virtual RECT WorkArea() = 0;
  virtual POINT CursorPos() = 0;
  virtual void SetCursorPos(POINT point) = 0;
  virtual bool IsKeyDown(int virtual_key) = 0;
  // Modal: called on the caller's thread. 0 when the box cannot be shown.
  virtual int AskMessageBox(const MessageBoxRequest& request) = 0;
  // Modal: called on the caller's thread. The chosen item's id, 0 for no choice.
  virtual UINT_PTR ChooseMenuItem(const MenuRequest& request) = 0;
  // Returns the shell's result (above 32 on success).
  virtual HINSTANCE OpenWithShell(const ShellRequest& request) = 0;
  // A window's place, state, text or icon changed, or it is gone. Any thread; the model's lock
  // may be held, so the desktop must not take it here.
  virtual void WindowChanged(HWND) {}
  // A top-level window became visible; called on the thread that showed it, without the model's
  // lock, after WindowChanged. A desktop that can puts the window on the screen before returning,
  // as Win32 does before the window's first WM_PAINT.
  virtual void WindowShown(HWND) {}
  // What the window's own thread painted for its client area; called on that thread.
  virtual void PresentSurface(HWND, cairo_surface_t*) {}
  // The hot key table or the notification area's icons changed. Any thread, the model's lock
  // may be held.
  virtual void HotKeysChanged() {}
  virtual void TrayChanged() {}
};

Desktop& TheDesktop();

// The desktop with real windows, or null when it is not built or no display is reachable.
Desktop* RealDesktop();

// Executables (not test programs) get the real desktop when no backend is asked for.
void PreferRealDesktop();

}  // namespace win32::internal
