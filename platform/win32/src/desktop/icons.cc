#include "desktop/icons.h"

#include <map>
#include <mutex>

using namespace win32::internal;

namespace {

struct LoadedIcon {
  IconOrigin origin;
  bool shared;
};

struct Icons {
  std::mutex lock;
  std::map<HICON, LoadedIcon> loaded;
  uintptr_t next = 0x30010;
};

Icons& TheIcons() {
  static Icons* icons = new Icons;
  return *icons;
}

IconOrigin OriginOf(LPCWSTR name) {
  if (IS_INTRESOURCE(name))
    return IconOrigin{true, static_cast<WORD>(reinterpret_cast<ULONG_PTR>(name)), L""};
  return IconOrigin{false, 0, name};
}

bool SameOrigin(const IconOrigin& a, const IconOrigin& b) {
  return a.numeric == b.numeric && a.id == b.id && lstrcmpiW(a.name.c_str(), b.name.c_str()) == 0;
}

HICON Load(HINSTANCE instance, LPCWSTR name, bool shared) {
  if (!instance || !name || !FindResourceW(instance, name, RT_GROUP_ICON)) {
    SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
    return nullptr;
  }
  IconOrigin origin = OriginOf(name);
  Icons& icons = TheIcons();
  std::lock_guard<std::mutex> held(icons.lock);
  if (shared) {
    for (auto& [handle, icon] : icons.loaded)
      if (icon.shared && SameOrigin(icon.origin, origin)) return handle;
  }
  HICON handle = reinterpret_cast<HICON>(icons.next);
  icons.next += 4;
  icons.loaded[handle] = LoadedIcon{origin, shared};
  return handle;
}

}  // namespace

namespace win32::internal {

bool IconOriginOf(HICON icon, IconOrigin* origin) {
  Icons& icons = TheIcons();
  std::lock_guard<std::mutex> held(icons.lock);
  auto found = icons.loaded.find(icon);
  if (found == icons.loaded.end()) return false;
  *origin = found->second.origin;
  return true;
}

}  // namespace win32::internal

// LoadIcon hands out shared icons, as Win32 does.
HICON WINAPI LoadIconW(HINSTANCE instance, LPCWSTR name) { return Load(instance, name, true); }

HANDLE WINAPI LoadImageW(HINSTANCE instance, LPCWSTR name, UINT type, int cx, int cy, UINT flags) {
  if (type != IMAGE_ICON) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  return Load(instance, name, (flags & LR_SHARED) != 0);
}

BOOL WINAPI DestroyIcon(HICON icon) {
  Icons& icons = TheIcons();
  std::lock_guard<std::mutex> held(icons.lock);
  auto found = icons.loaded.find(icon);
  if (found == icons.loaded.end()) return FALSE;
  if (!found->second.shared) icons.loaded.erase(found);
  return TRUE;
}
