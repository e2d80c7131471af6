// The desktop on a GTK display. Calls from any thread reach GTK on the GUI thread; geometry,
// pointer and key state are kept here as the GUI thread last saw them.
#pragma once

#include <mutex>
#include <set>

#include "desktop/desktop.h"

namespace win32::internal::gtk {

class GtkDesktop : public Desktop {
 public:
  static GtkDesktop& Instance();

  SIZE ScreenSize() override;
  RECT WorkArea() override;
  POINT CursorPos() override;
  void SetCursorPos(POINT point) override;
  bool IsKeyDown(int virtual_key) override;
  int AskMessageBox(const MessageBoxRequest& request) override;
  UINT_PTR ChooseMenuItem(const MenuRequest& request) override;
  HINSTANCE OpenWithShell(const ShellRequest& request) override;
  void WindowChanged(HWND hwnd) override;
  void WindowShown(HWND hwnd) override;
  void PresentSurface(HWND hwnd, cairo_surface_t* surface) override;
  void HotKeysChanged() override;
  void TrayChanged() override;

  // GUI thread.
  void Adopted();
  void NoteCursor(double x_root, double y_root);
  void NoteKey(UINT virtual_key, bool down);
  void RefreshScreen();

 private:
  std::mutex lock_;
  SIZE screen_{1920, 1080};
  RECT work_area_{0, 0, 1920, 1040};
  POINT cursor_{0, 0};
  std::set<int> keys_down_;
};

}  // namespace win32::internal::gtk
