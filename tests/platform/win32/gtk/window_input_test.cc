// Real X input on a hosted window becomes Win32 messages on the window's own thread.
#include <gdk/gdkkeysyms.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "gtk/window_host.h"
#include "gtk/window_input.h"
#include "gui_fixture.h"

using namespace gtk_test;
using win32::internal::gtk::GtkWindowOf;

namespace {

bool Viewable(HWND hwnd) {
  GtkWindow* window = GtkWindowOf(hwnd);
  GdkWindow* gdk = window ? gtk_widget_get_window(GTK_WIDGET(window)) : nullptr;
  return gdk && gdk_window_is_viewable(gdk);
}

bool SawOnOwnThread(TestWindow& window, UINT message, LPARAM* where = nullptr) {
  for (const Seen& seen : window.Log()) {
    if (seen.message != message) continue;
    if (where) *where = seen.lparam;
    return seen.thread == window.thread();
  }
  return false;
}

GtkWidget* CanvasOf(HWND hwnd) {
  GtkWidget* layout = gtk_bin_get_child(GTK_BIN(GtkWindowOf(hwnd)));
  GList* children = gtk_container_get_children(GTK_CONTAINER(layout));
  GtkWidget* canvas = GTK_WIDGET(children->data);
  g_list_free(children);
  return canvas;
}

// Queues a button event on the canvas as the display would deliver it. GUI thread.
void PutButton(HWND hwnd, GdkEventType type, guint32 time, double x, double y) {
  GdkWindow* window = gtk_widget_get_window(CanvasOf(hwnd));
  GdkEvent* event = gdk_event_new(type);
  event->button.window = GDK_WINDOW(g_object_ref(window));
  event->button.button = 1;
  event->button.time = time;
  event->button.x = x;
  event->button.y = y;
  gdk_event_set_device(event, gdk_seat_get_pointer(gdk_display_get_default_seat(gdk_display_get_default())));
  gdk_event_put(event);
  gdk_event_free(event);
}

std::vector<UINT> ButtonMessages(TestWindow& window) {
  std::vector<UINT> messages;
  for (const Seen& seen : window.Log())
    if (seen.message >= WM_LBUTTONDOWN && seen.message <= WM_LBUTTONDBLCLK) messages.push_back(seen.message);
  return messages;
}

}  // namespace

TEST(GtkWindowInput, ClickInTheClientAreaArrivesAsButtonDownAndUpOnTheOwningThread) {
  TestWindow window(L"click", WS_POPUP | WS_VISIBLE, RECT{200, 150, 600, 450});
  ASSERT_TRUE(EventuallyOnGui([&] { return Viewable(window.hwnd()); }));
  ASSERT_TRUE(RunCommand("xdotool mousemove --sync 250 180 click 1"));
  ASSERT_TRUE(EventuallyOnGui([&] { return window.Saw(WM_LBUTTONUP); }));
  LPARAM where = 0;
  EXPECT_TRUE(SawOnOwnThread(window, WM_LBUTTONDOWN, &where));
  EXPECT_EQ(50, GET_X_LPARAM(where));
  EXPECT_EQ(30, GET_Y_LPARAM(where));
  EXPECT_TRUE(SawOnOwnThread(window, WM_LBUTTONUP));
  EXPECT_TRUE(SawOnOwnThread(window, WM_NCHITTEST));
}

TEST(GtkWindowInput, PressOnTheCaptionAreaIsTheWindowManagersNotTheWindows) {
  TestWindow window(L"caption", WS_POPUP | WS_VISIBLE, RECT{200, 150, 600, 450});
  window.SetHitTest(HTCAPTION);
  ASSERT_TRUE(EventuallyOnGui([&] { return Viewable(window.hwnd()); }));
  ASSERT_TRUE(RunCommand("xdotool mousemove --sync 260 160 mousedown 1 mouseup 1"));
  ASSERT_TRUE(EventuallyOnGui([&] { return window.Saw(WM_NCHITTEST); }));
  // Once the GUI thread is past the press, a marker posted now comes after anything it posted.
  const UINT marker = WM_APP + 5;
  OnGui([] {});
  PostMessageW(window.hwnd(), marker, 0, 0);
  ASSERT_TRUE(EventuallyOnGui([&] { return window.Saw(marker); }));
  EXPECT_FALSE(window.Saw(WM_LBUTTONDOWN));
}

TEST(GtkWindowInput, DoubleClickOnTheCaptionAreaIsANonClientDoubleClick) {
  TestWindow window(L"caption twice", WS_POPUP | WS_VISIBLE, RECT{200, 150, 600, 450});
  window.SetHitTest(HTCAPTION);
  ASSERT_TRUE(EventuallyOnGui([&] { return Viewable(window.hwnd()); }));
  // Synthesized: a real double press would be taken by the move the first press begins.
  OnGui([&] {
    GtkWidget* layout = gtk_bin_get_child(GTK_BIN(GtkWindowOf(window.hwnd())));
    GList* children = gtk_container_get_children(GTK_CONTAINER(layout));
    GtkWidget* canvas = GTK_WIDGET(children->data);
    g_list_free(children);
    GdkEvent* press = gdk_event_new(GDK_2BUTTON_PRESS);
    press->button.window = GDK_WINDOW(g_object_ref(gtk_widget_get_window(canvas)));
    press->button.button = 1;
    press->button.x = 30;
    press->button.y = 10;
    gboolean handled = FALSE;
    g_signal_emit_by_name(canvas, "button-press-event", press, &handled);
    gdk_event_free(press);
  });
  ASSERT_TRUE(EventuallyOnGui([&] { return window.Saw(WM_NCLBUTTONDBLCLK); }));
  for (const Seen& seen : window.Log())
    if (seen.message == WM_NCLBUTTONDBLCLK) {
      EXPECT_EQ(static_cast<WPARAM>(HTCAPTION), seen.wparam);
      EXPECT_EQ(230, GET_X_LPARAM(seen.lparam));
      EXPECT_EQ(160, GET_Y_LPARAM(seen.lparam));
    }
  EXPECT_FALSE(window.Saw(WM_LBUTTONDBLCLK));
}

TEST(GtkWindowInput, KeysArriveAsVirtualKeysAndAltMakesThemSystemKeys) {
  TestWindow window(L"keys", WS_POPUP | WS_VISIBLE, RECT{100, 100, 400, 300});
  ASSERT_TRUE(EventuallyOnGui([&] { return Viewable(window.hwnd()); }));
  OnGui([&] { gtk_window_present(GtkWindowOf(window.hwnd())); });
  ASSERT_TRUE(RunCommand("xdotool mousemove --sync 150 150 click 1"));
  ASSERT_TRUE(RunCommand("xdotool key --clearmodifiers a alt+q"));
  ASSERT_TRUE(EventuallyOnGui([&] { return window.Saw(WM_SYSKEYDOWN); }));
  bool a_down = false, q_system = false;
  for (const Seen& seen : window.Log()) {
    if (seen.message == WM_KEYDOWN && seen.wparam == 'A') a_down = true;
    if (seen.message == WM_SYSKEYDOWN && seen.wparam == 'Q') q_system = true;
  }
  EXPECT_TRUE(a_down);
  EXPECT_TRUE(q_system);
  EXPECT_TRUE(window.Saw(WM_CHAR));  // from TranslateMessage on the window's thread
}

TEST(GtkWindowInput, KeyValuesMapToVirtualKeys) {
  using win32::internal::gtk::VirtualKeyOf;
  struct Case { guint keyval; UINT vk; } cases[] = {
      {GDK_KEY_a, 'A'}, {GDK_KEY_Q, 'Q'}, {GDK_KEY_7, '7'}, {GDK_KEY_F1, 0x70}, {GDK_KEY_F12, 0x7B},
      {GDK_KEY_Return, VK_RETURN}, {GDK_KEY_Escape, VK_ESCAPE}, {GDK_KEY_Alt_L, VK_MENU},
      {GDK_KEY_Left, 0x25}, {GDK_KEY_Delete, 0x2E}, {GDK_KEY_comma, 0}, {GDK_KEY_eacute, 0}};
  for (const Case& c : cases) EXPECT_EQ(c.vk, VirtualKeyOf(c.keyval)) << c.keyval;
}

TEST(GtkWindowInput, SizeBoxHitCodesBecomeWindowManagerEdges) {
  using win32::internal::gtk::ResizeEdgeOf;
  struct Case { LRESULT hit; GdkWindowEdge edge; } cases[] = {
      {HTLEFT, GDK_WINDOW_EDGE_WEST},          {HTRIGHT, GDK_WINDOW_EDGE_EAST},
      {HTTOP, GDK_WINDOW_EDGE_NORTH},          {HTBOTTOM, GDK_WINDOW_EDGE_SOUTH},
      {HTTOPLEFT, GDK_WINDOW_EDGE_NORTH_WEST}, {HTTOPRIGHT, GDK_WINDOW_EDGE_NORTH_EAST},
      {HTBOTTOMLEFT, GDK_WINDOW_EDGE_SOUTH_WEST}, {HTBOTTOMRIGHT, GDK_WINDOW_EDGE_SOUTH_EAST}};
  for (const Case& c : cases) {
    GdkWindowEdge edge;
    ASSERT_TRUE(ResizeEdgeOf(c.hit, &edge)) << c.hit;
    EXPECT_EQ(c.edge, edge) << c.hit;
  }
  GdkWindowEdge unused;
  for (LRESULT other : {LRESULT{HTCLIENT}, LRESULT{HTCAPTION}, LRESULT{HTNOWHERE}, LRESULT{HTCLOSE}, LRESULT{HTERROR}, LRESULT{999}})
    EXPECT_FALSE(ResizeEdgeOf(other, &unused)) << other;
}

// GDK reports a double click as press, release, press, double press, release; Win32 as down, up,
// double click, up.
TEST(GtkWindowInput, DoubleClickInTheClientAreaIsOneDoubleClickMessageForAClassThatAsksForIt) {
  TestWindow window(L"client twice", WS_POPUP | WS_VISIBLE, RECT{200, 150, 600, 450});
  ASSERT_TRUE(EventuallyOnGui([&] { return Viewable(window.hwnd()); }));
  OnGui([&] {
    PutButton(window.hwnd(), GDK_BUTTON_PRESS, 1000, 40, 50);
    PutButton(window.hwnd(), GDK_BUTTON_RELEASE, 1050, 40, 50);
    PutButton(window.hwnd(), GDK_BUTTON_PRESS, 1150, 40, 50);
    PutButton(window.hwnd(), GDK_2BUTTON_PRESS, 1150, 40, 50);
    PutButton(window.hwnd(), GDK_BUTTON_RELEASE, 1200, 40, 50);
  });
  ASSERT_TRUE(EventuallyOnGui([&] { return ButtonMessages(window).size() >= 4; }));
  DrainPostedFromGui(window);
  EXPECT_EQ((std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}),
            ButtonMessages(window));
}

TEST(GtkWindowInput, DoubleClickOnTheCaptionMaximisesAndRestoresTheWindow) {
  TestWindow window(L"caption toggles", WS_POPUP | WS_VISIBLE | WS_MAXIMIZEBOX,
                    RECT{200, 150, 600, 450});
  window.SetHitTest(HTCAPTION);
  ASSERT_TRUE(EventuallyOnGui([&] { return Viewable(window.hwnd()); }));
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  auto double_click = [&](guint32 time) {
    OnGui([&] {
      PutButton(window.hwnd(), GDK_BUTTON_PRESS, time, 30, 10);
      PutButton(window.hwnd(), GDK_2BUTTON_PRESS, time, 30, 10);
    });
  };
  // ShowWindow sets the state before the rectangle, so both are awaited.
  auto width = [&] {
    RECT rect{};
    GetWindowRect(window.hwnd(), &rect);
    return rect.right - rect.left;
  };
  double_click(1000);
  ASSERT_TRUE(EventuallyOnGui([&] {
    return IsZoomed(window.hwnd()) && width() == work.right - work.left;
  }));
  // At once, while the display may still be taking the maximised size.
  double_click(5000);
  ASSERT_TRUE(EventuallyOnGui([&] { return !IsZoomed(window.hwnd()) && width() == 400; }));
  ASSERT_TRUE(EventuallyOnGui([&] {
    GdkWindow* gdk = gtk_widget_get_window(GTK_WIDGET(GtkWindowOf(window.hwnd())));
    return gdk_window_get_width(gdk) == 400 && gdk_window_get_height(gdk) == 300;
  }));
  DrainPostedFromGui(window);
  // Reports of the maximised size that were still on their way never sized the window again.
  std::vector<Seen> log = window.Log();
  auto restore = std::find_if(log.rbegin(), log.rend(), [](const Seen& seen) {
    return seen.message == WM_SYSCOMMAND && (seen.wparam & 0xFFF0) == SC_RESTORE;
  });
  ASSERT_NE(log.rend(), restore);
  for (auto later = log.rbegin(); later != restore; ++later) {
    if (later->message == WM_SIZE) {
      EXPECT_EQ(400, LOWORD(later->lparam));
    }
  }
  EXPECT_EQ(400, width());
  EXPECT_FALSE(window.Saw(WM_LBUTTONDOWN));
}
