// The desktop-wide services: the global hot key, the tray icon and the painted image.
#include <shellapi.h>
#include <gtest/gtest.h>

#include "gtk/hot_key_grabs.h"
#include "gtk/tray_icons.h"
#include "gtk/window_host.h"
#include "gui_fixture.h"
#include "win32/window_surface.h"

using namespace gtk_test;
using win32::internal::gtk::GtkWindowOf;

namespace {

constexpr UINT kTrayMessage = WM_APP + 20;

bool Viewable(HWND hwnd) {
  GtkWindow* window = GtkWindowOf(hwnd);
  GdkWindow* gdk = window ? gtk_widget_get_window(GTK_WIDGET(window)) : nullptr;
  return gdk && gdk_window_is_viewable(gdk);
}

}  // namespace

TEST(GtkDesktopServices, HotKeyIsGrabbedDesktopWideAndPostedToItsWindow) {
  TestWindow window(L"hot key", WS_POPUP, RECT{0, 0, 100, 100});
  BOOL registered = FALSE;
  window.Call([&] { registered = RegisterHotKey(window.hwnd(), 7, MOD_ALT, 'Q'); });
  ASSERT_TRUE(registered);
  // The window is hidden: only a grab on the whole desktop can catch the key.
  EventuallyOnGui([] { return true; });
  ASSERT_TRUE(RunCommand("xdotool key --clearmodifiers alt+q"));
  ASSERT_TRUE(EventuallyOnGui([&] { return window.Saw(WM_HOTKEY); }));
  for (const Seen& seen : window.Log()) {
    if (seen.message != WM_HOTKEY) continue;
    EXPECT_EQ(7u, seen.wparam);
    EXPECT_EQ(window.thread(), seen.thread);
    EXPECT_EQ(static_cast<UINT>(MOD_ALT), LOWORD(seen.lparam));
    EXPECT_EQ(static_cast<UINT>('Q'), HIWORD(seen.lparam));
  }
}

TEST(GtkDesktopServices, HotKeysTranslateToX11Keys) {
  using win32::internal::gtk::KeysymOf;
  using win32::internal::gtk::ModifierMaskOf;
  EXPECT_EQ(static_cast<unsigned long>(GDK_KEY_q), KeysymOf('Q'));
  EXPECT_EQ(static_cast<unsigned long>(GDK_KEY_5), KeysymOf('5'));
  EXPECT_EQ(static_cast<unsigned long>(GDK_KEY_F4), KeysymOf(VK_F4));
  EXPECT_EQ(0u, KeysymOf(0xE8));
  EXPECT_EQ(static_cast<unsigned>(GDK_MOD1_MASK | GDK_CONTROL_MASK),
            ModifierMaskOf(MOD_ALT | MOD_CONTROL | MOD_NOREPEAT));
}

TEST(GtkDesktopServices, TrayIconCarriesItsTipAndReportsClicksToItsWindow) {
  TestWindow window(L"tray owner", WS_POPUP, RECT{0, 0, 100, 100});
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof(data);
  data.hWnd = window.hwnd();
  data.uID = 3;
  data.uFlags = NIF_MESSAGE | NIF_TIP;
  data.uCallbackMessage = kTrayMessage;
  wcscpy(data.szTip, L"Vantellis 托盘");
  ASSERT_TRUE(Shell_NotifyIconW(NIM_ADD, &data));
  ASSERT_TRUE(EventuallyOnGui([&] {
    GtkStatusIcon* icon = win32::internal::gtk::StatusIconOf(window.hwnd(), 3);
    if (!icon) return false;
    G_GNUC_BEGIN_IGNORE_DEPRECATIONS
    gchar* tip = gtk_status_icon_get_tooltip_text(icon);
    G_GNUC_END_IGNORE_DEPRECATIONS
    bool right = g_strcmp0(tip, "Vantellis 托盘") == 0;
    g_free(tip);
    g_signal_emit_by_name(icon, "popup-menu", 3u, 0u);
    return right;
  }));
  ASSERT_TRUE(EventuallyOnGui([&] { return window.Saw(kTrayMessage); }));
  std::vector<LPARAM> events;
  for (const Seen& seen : window.Log())
    if (seen.message == kTrayMessage) {
      EXPECT_EQ(3u, seen.wparam);
      events.push_back(seen.lparam);
    }
  EXPECT_EQ((std::vector<LPARAM>{WM_RBUTTONDOWN, WM_RBUTTONUP}), events);

  ASSERT_TRUE(Shell_NotifyIconW(NIM_DELETE, &data));
  EXPECT_TRUE(EventuallyOnGui([&] { return !win32::internal::gtk::StatusIconOf(window.hwnd(), 3); }));
}

TEST(GtkDesktopServices, WindowShowsTheImageItsThreadPainted) {
  TestWindow window(L"painted", WS_POPUP | WS_VISIBLE, RECT{20, 20, 120, 80});
  ASSERT_TRUE(EventuallyOnGui([&] { return Viewable(window.hwnd()); }));
  window.Call([&] {
    cairo_surface_t* painted = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 100, 60);
    cairo_t* cr = cairo_create(painted);
    cairo_set_source_rgb(cr, 1, 0, 0);
    cairo_paint(cr);
    cairo_destroy(cr);
    Win32PresentWindowSurface(window.hwnd(), painted);
    cairo_surface_destroy(painted);
  });
  EXPECT_TRUE(EventuallyOnGui([&] {
    GdkWindow* gdk = gtk_widget_get_window(GTK_WIDGET(GtkWindowOf(window.hwnd())));
    GdkPixbuf* shot = gdk_pixbuf_get_from_window(gdk, 50, 30, 1, 1);
    if (!shot) return false;
    const guchar* pixel = gdk_pixbuf_read_pixels(shot);
    bool red = pixel[0] > 200 && pixel[1] < 50 && pixel[2] < 50;
    g_object_unref(shot);
    return red;
  }));
}
