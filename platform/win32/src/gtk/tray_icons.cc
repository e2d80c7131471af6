#include "gtk/tray_icons.h"

#include <gtk/gtk.h>

#include <map>
#include <utility>

#include "gtk/gobject_ptr.h"
#include "gtk/gtk_desktop.h"
#include "gtk/text.h"
#include "gtk/window_icon.h"
#include "user/model.h"

// GtkStatusIcon is the one tray interface GTK 3 offers; it is deprecated, not gone.
G_GNUC_BEGIN_IGNORE_DEPRECATIONS

namespace win32::internal::gtk {

namespace {

using Key = std::pair<HWND, UINT>;

struct Shown {
  GObjectPtr<GtkStatusIcon> icon;
  HICON image = nullptr;
  std::wstring tip;
  UINT callback = 0;
};

std::map<Key, Shown>& ShownIcons() {
  static auto* shown = new std::map<Key, Shown>;
  return *shown;
}

// The window reads the pointer to place its menu.
void NotePointer() {
  GdkDisplay* display = gdk_display_get_default();
  GdkSeat* seat = display ? gdk_display_get_default_seat(display) : nullptr;
  GdkDevice* pointer = seat ? gdk_seat_get_pointer(seat) : nullptr;
  if (!pointer) return;
  gint x = 0, y = 0;
  gdk_device_get_position(pointer, nullptr, &x, &y);
  GtkDesktop::Instance().NoteCursor(x, y);
}

void Notify(GtkStatusIcon* icon, UINT down, UINT up) {
  for (auto& [key, shown] : ShownIcons()) {
    if (shown.icon.get() != icon || !shown.callback) continue;
    NotePointer();
    PostMessageW(key.first, shown.callback, key.second, down);
    PostMessageW(key.first, shown.callback, key.second, up);
    return;
  }
}

}  // namespace

void SyncTrayIcons() {
  std::map<Key, TrayIcon> wanted;
  {
    Model& model = TheModel();
    std::lock_guard<std::mutex> held(model.lock);
    for (const TrayIcon& icon : model.tray_icons) wanted[Key{icon.hwnd, icon.id}] = icon;
  }
  auto& shown_icons = ShownIcons();
  for (auto it = shown_icons.begin(); it != shown_icons.end();) {
    if (wanted.count(it->first)) {
      ++it;
      continue;
    }
    gtk_status_icon_set_visible(it->second.icon.get(), FALSE);
    it = shown_icons.erase(it);
  }
  for (auto& [key, icon] : wanted) {
    Shown& shown = shown_icons[key];
    if (!shown.icon) {
      shown.icon.reset(gtk_status_icon_new());
      g_signal_connect(shown.icon.get(), "activate", G_CALLBACK(+[](GtkStatusIcon* icon, gpointer) {
                         Notify(icon, WM_LBUTTONDOWN, WM_LBUTTONUP);
                       }),
                       nullptr);
      g_signal_connect(shown.icon.get(), "popup-menu",
                       G_CALLBACK(+[](GtkStatusIcon* icon, guint, guint, gpointer) {
                         Notify(icon, WM_RBUTTONDOWN, WM_RBUTTONUP);
                       }),
                       nullptr);
    }
    shown.callback = icon.callback_message;
    if (icon.icon != shown.image) {
      shown.image = icon.icon;
      GObjectPtr<GdkPixbuf> pixbuf = IconPixbuf(icon.icon);
      if (pixbuf) gtk_status_icon_set_from_pixbuf(shown.icon.get(), pixbuf.get());
    }
    if (icon.tip != shown.tip) {
      shown.tip = icon.tip;
      gtk_status_icon_set_tooltip_text(shown.icon.get(), Utf8(icon.tip).c_str());
    }
    gtk_status_icon_set_visible(shown.icon.get(), TRUE);
  }
}

GtkStatusIcon* StatusIconOf(HWND hwnd, UINT id) {
  auto found = ShownIcons().find(Key{hwnd, id});
  return found == ShownIcons().end() ? nullptr : found->second.icon.get();
}

}  // namespace win32::internal::gtk

G_GNUC_END_IGNORE_DEPRECATIONS
