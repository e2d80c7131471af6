#include "win32/testing/scripted_user.h"

#include <shellapi.h>

#include "desktop/headless_desktop.h"
#include "user/model.h"

namespace win32::testing {

namespace {

LPARAM PointParam(int x, int y) { return MAKELPARAM(x, y); }

}  // namespace

bool MoveMouse(HWND hwnd, int x, int y) {
  POINT screen{x, y};
  if (!ClientToScreen(hwnd, &screen)) return false;
  internal::HeadlessDesktop::Instance().SetCursorPos(screen);
  return PostMessageW(hwnd, WM_MOUSEMOVE, 0, PointParam(x, y));
}

bool Click(HWND hwnd, int x, int y) {
  return MoveMouse(hwnd, x, y) && PostMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, PointParam(x, y)) &&
         PostMessageW(hwnd, WM_LBUTTONUP, 0, PointParam(x, y));
}

bool DoubleClick(HWND hwnd, int x, int y) {
  POINT screen{x, y};
  if (!ClientToScreen(hwnd, &screen)) return false;
  LRESULT hit = SendMessageW(hwnd, WM_NCHITTEST, 0, PointParam(screen.x, screen.y));
  if (hit != HTCLIENT) {
    LPARAM at = PointParam(screen.x, screen.y);
    return PostMessageW(hwnd, WM_NCLBUTTONDOWN, hit, at) && PostMessageW(hwnd, WM_NCLBUTTONUP, hit, at) &&
           PostMessageW(hwnd, WM_NCLBUTTONDBLCLK, hit, at) && PostMessageW(hwnd, WM_NCLBUTTONUP, hit, at);
  }
  UINT second = (GetClassLongW(hwnd, GCL_STYLE) & CS_DBLCLKS) ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN;
  return Click(hwnd, x, y) && PostMessageW(hwnd, second, MK_LBUTTON, PointParam(x, y)) &&
         PostMessageW(hwnd, WM_LBUTTONUP, 0, PointParam(x, y));
}

bool KeyPress(HWND hwnd, UINT virtual_key) {
  return PostMessageW(hwnd, WM_KEYDOWN, virtual_key, 1) &&
         PostMessageW(hwnd, WM_KEYUP, virtual_key, static_cast<LPARAM>(0xC0000001u));
}

bool SystemCommand(HWND hwnd, UINT command) {
  return PostMessageW(hwnd, WM_SYSCOMMAND, command, 0);
}

LRESULT HitTest(HWND hwnd, int x, int y) {
  POINT screen{x, y};
  if (!ClientToScreen(hwnd, &screen)) return HTNOWHERE;
  return SendMessageW(hwnd, WM_NCHITTEST, 0, PointParam(screen.x, screen.y));
}

bool PressHotKey(UINT modifiers, UINT virtual_key) {
  internal::Model& model = internal::TheModel();
  internal::HotKey pressed{};
  {
    std::lock_guard<std::mutex> held(model.lock);
    UINT combination = modifiers & ~MOD_NOREPEAT;
    auto& keys = model.hot_keys;
    auto found = std::find_if(keys.begin(), keys.end(), [&](const internal::HotKey& key) {
      return key.modifiers == combination && key.virtual_key == virtual_key;
    });
    if (found == keys.end()) return false;
    pressed = *found;
  }
  LPARAM keys = MAKELPARAM(pressed.modifiers, pressed.virtual_key);
  if (pressed.hwnd) return PostMessageW(pressed.hwnd, WM_HOTKEY, pressed.id, keys);
  return PostThreadMessageW(pressed.thread_id, WM_HOTKEY, pressed.id, keys);
}

bool ClickTrayIcon(HWND hwnd, UINT id, UINT mouse_message) {
  internal::Model& model = internal::TheModel();
  UINT callback = 0;
  {
    std::lock_guard<std::mutex> held(model.lock);
    auto& icons = model.tray_icons;
    auto found = std::find_if(icons.begin(), icons.end(), [&](const internal::TrayIcon& icon) {
      return icon.hwnd == hwnd && icon.id == id;
    });
    if (found == icons.end() || !found->callback_message) return false;
    callback = found->callback_message;
  }
  return PostMessageW(hwnd, callback, id, mouse_message);
}

void SetKeyDown(int virtual_key, bool down) {
  internal::HeadlessDesktop::Instance().SetKeyDown(virtual_key, down);
}

}  // namespace win32::testing
