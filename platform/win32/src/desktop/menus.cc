// Popup menus: the items are kept until DestroyMenu; tracking asks the desktop's user.
#include "desktop/desktop.h"

#include <map>
#include <mutex>

using namespace win32::internal;

namespace {

struct Menus {
  std::mutex lock;
  std::map<HMENU, std::vector<MenuItem>> items;
  uintptr_t next = 0x20010;
};

Menus& TheMenus() {
  static Menus* menus = new Menus;
  return *menus;
}

}  // namespace

HMENU WINAPI CreatePopupMenu() {
  Menus& menus = TheMenus();
  std::lock_guard<std::mutex> held(menus.lock);
  HMENU menu = reinterpret_cast<HMENU>(menus.next);
  menus.next += 4;
  menus.items[menu];
  return menu;
}

BOOL WINAPI AppendMenuW(HMENU menu, UINT flags, UINT_PTR id, LPCWSTR text) {
  Menus& menus = TheMenus();
  std::lock_guard<std::mutex> held(menus.lock);
  auto found = menus.items.find(menu);
  if (found == menus.items.end()) {
    SetLastError(ERROR_INVALID_MENU_HANDLE);
    return FALSE;
  }
  bool has_text = !(flags & MF_SEPARATOR) && text;
  found->second.push_back(MenuItem{flags, id, has_text ? text : L""});
  return TRUE;
}

BOOL WINAPI DestroyMenu(HMENU menu) {
  Menus& menus = TheMenus();
  std::lock_guard<std::mutex> held(menus.lock);
  if (!menus.items.erase(menu)) {
    SetLastError(ERROR_INVALID_MENU_HANDLE);
    return FALSE;
  }
  return TRUE;
}

// Modal on the caller's thread. Without TPM_RETURNCMD the choice arrives as a posted WM_COMMAND.
BOOL WINAPI TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int reserved, HWND window,
                           const RECT* rect) {
  MenuRequest request{{}, flags, x, y, window};
  {
    Menus& menus = TheMenus();
    std::lock_guard<std::mutex> held(menus.lock);
    auto found = menus.items.find(menu);
    if (found == menus.items.end()) {
      SetLastError(ERROR_INVALID_MENU_HANDLE);
      return FALSE;
    }
    request.items = found->second;
  }
  if (!IsWindow(window)) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  UINT_PTR chosen = TheDesktop().ChooseMenuItem(request);
  bool selectable = false;
  for (const MenuItem& item : request.items)
    if (chosen && item.id == chosen && !(item.flags & (MF_SEPARATOR | MF_GRAYED | MF_DISABLED | MF_POPUP)))
      selectable = true;
  if (flags & TPM_RETURNCMD) return selectable ? static_cast<BOOL>(chosen) : 0;
  if (!selectable) return TRUE;
  if (!(flags & TPM_NONOTIFY)) PostMessageW(window, WM_COMMAND, MAKEWPARAM(chosen, 0), 0);
  return TRUE;
}
