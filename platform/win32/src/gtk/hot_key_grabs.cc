#include "gtk/hot_key_grabs.h"

#include <X11/Xlib.h>
#include <X11/keysym.h>
#include <gdk/gdkx.h>

#include <set>
#include <utility>
#include <vector>

#include "user/model.h"

namespace win32::internal::gtk {

namespace {

// A grab must hold whether or not Num Lock and Caps Lock are on.
const unsigned kLockVariants[] = {0, LockMask, Mod2Mask, LockMask | Mod2Mask};
constexpr unsigned kModifierBits = ShiftMask | ControlMask | Mod1Mask | Mod4Mask;

using Grab = std::pair<unsigned, unsigned>;  // keycode, modifier mask

std::set<Grab>& Held() {
  static auto* held = new std::set<Grab>;
  return *held;
}

Display* XDisplay() {
  GdkDisplay* display = gdk_display_get_default();
  return display && GDK_IS_X11_DISPLAY(display) ? GDK_DISPLAY_XDISPLAY(display) : nullptr;
}

bool PostHotKey(unsigned keycode, unsigned state) {
  Display* display = XDisplay();
  Model& model = TheModel();
  std::vector<HotKey> keys;
  {
    std::lock_guard<std::mutex> held(model.lock);
    keys = model.hot_keys;
  }
  for (const HotKey& key : keys) {
    unsigned long keysym = KeysymOf(key.virtual_key);
    if (!keysym || XKeysymToKeycode(display, keysym) != keycode ||
        ModifierMaskOf(key.modifiers) != (state & kModifierBits))
      continue;
    LPARAM keys_param = MAKELPARAM(key.modifiers, key.virtual_key);
    if (key.hwnd)
      PostMessageW(key.hwnd, WM_HOTKEY, static_cast<WPARAM>(key.id), keys_param);
    else
      PostThreadMessageW(key.thread_id, WM_HOTKEY, static_cast<WPARAM>(key.id), keys_param);
    return true;
  }
  return false;
}

GdkFilterReturn OnRootEvent(GdkXEvent* native, GdkEvent*, gpointer) {
  auto* event = static_cast<XEvent*>(native);
  if (event->type != KeyPress) return GDK_FILTER_CONTINUE;
  return PostHotKey(event->xkey.keycode, event->xkey.state) ? GDK_FILTER_REMOVE
                                                            : GDK_FILTER_CONTINUE;
}

}  // namespace

unsigned long KeysymOf(UINT vk) {
  if (vk >= 'A' && vk <= 'Z') return XK_a + (vk - 'A');
  if (vk >= '0' && vk <= '9') return XK_0 + (vk - '0');
  if (vk >= 0x70 && vk <= 0x87) return XK_F1 + (vk - 0x70);
  switch (vk) {
    case VK_SPACE: return XK_space;
    case VK_RETURN: return XK_Return;
    case VK_ESCAPE: return XK_Escape;
    case VK_TAB: return XK_Tab;
    default: return 0;
  }
}

unsigned ModifierMaskOf(UINT modifiers) {
  unsigned mask = 0;
  if (modifiers & MOD_ALT) mask |= Mod1Mask;
  if (modifiers & MOD_CONTROL) mask |= ControlMask;
  if (modifiers & MOD_SHIFT) mask |= ShiftMask;
  if (modifiers & MOD_WIN) mask |= Mod4Mask;
  return mask;
}

void SyncHotKeys() {
  Display* display = XDisplay();
  if (!display) return;
  static bool filtering = false;
  if (!filtering) {
    filtering = true;
    gdk_window_add_filter(gdk_get_default_root_window(), OnRootEvent, nullptr);
  }
  std::set<Grab> wanted;
  {
    Model& model = TheModel();
    std::lock_guard<std::mutex> held(model.lock);
    for (const HotKey& key : model.hot_keys)
      if (unsigned long keysym = KeysymOf(key.virtual_key))
        if (KeyCode code = XKeysymToKeycode(display, keysym))
          wanted.insert(Grab{code, ModifierMaskOf(key.modifiers)});
  }
  ::Window root = GDK_ROOT_WINDOW();
  GdkDisplay* gdk_display = gdk_display_get_default();
  // Another program may hold a combination already; that key then stays unheld here.
  gdk_x11_display_error_trap_push(gdk_display);
  for (const Grab& grab : Held())
    if (!wanted.count(grab))
      for (unsigned lock : kLockVariants) XUngrabKey(display, grab.first, grab.second | lock, root);
  for (const Grab& grab : wanted)
    if (!Held().count(grab))
      for (unsigned lock : kLockVariants)
        XGrabKey(display, grab.first, grab.second | lock, root, False, GrabModeAsync, GrabModeAsync);
  gdk_x11_display_error_trap_pop_ignored(gdk_display);
  Held() = std::move(wanted);
}

}  // namespace win32::internal::gtk
