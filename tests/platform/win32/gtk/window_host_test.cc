// Top-level windows and child places on the GTK desktop.
#include <gtest/gtest.h>
// After gtest: X11 defines names gtest uses.
#include <gdk/gdkx.h>
#include <X11/Xutil.h>

#include "gtk/window_host.h"
#include "gui_fixture.h"
#include "win32/gtk_host.h"

using namespace gtk_test;
using win32::internal::gtk::GtkWindowOf;

namespace {

bool Viewable(HWND hwnd) {
  GtkWindow* window = GtkWindowOf(hwnd);
  GdkWindow* gdk = window ? gtk_widget_get_window(GTK_WIDGET(window)) : nullptr;
  return gdk && gdk_window_is_viewable(gdk);
}

bool SizeIs(HWND hwnd, int width, int height) {
  GtkWindow* window = GtkWindowOf(hwnd);
  GdkWindow* gdk = window ? gtk_widget_get_window(GTK_WIDGET(window)) : nullptr;
  return gdk && gdk_window_get_width(gdk) == width && gdk_window_get_height(gdk) == height;
}

// Whether the window manager has put the window in a frame of its own.
bool Framed(HWND hwnd) {
  GtkWindow* window = GtkWindowOf(hwnd);
  GdkWindow* gdk = window ? gtk_widget_get_window(GTK_WIDGET(window)) : nullptr;
  if (!gdk) return false;
  Display* x = GDK_WINDOW_XDISPLAY(gdk);
  ::Window root = 0, parent = 0, *children = nullptr;
  unsigned int count = 0;
  GdkDisplay* display = gdk_window_get_display(gdk);
  gdk_x11_display_error_trap_push(display);
  bool asked = XQueryTree(x, GDK_WINDOW_XID(gdk), &root, &parent, &children, &count);
  gdk_x11_display_error_trap_pop_ignored(display);
  if (asked && children) XFree(children);
  return asked && parent != root;
}

}  // namespace

TEST(GtkWindowHost, ShownWindowAppearsUndecoratedWithItsCaptionAndHidesAgain) {
  TestWindow window(L"登录 Quellix", WS_POPUP, RECT{40, 30, 440, 330});
  bool hosted_before_show = true;
  OnGui([&] { hosted_before_show = GtkWindowOf(window.hwnd()) != nullptr; });
  EXPECT_FALSE(hosted_before_show);

  ShowWindow(window.hwnd(), SW_SHOW);
  ASSERT_TRUE(EventuallyOnGui([&] { return Viewable(window.hwnd()); }));
  OnGui([&] {
    GtkWindow* gtk = GtkWindowOf(window.hwnd());
    EXPECT_STREQ("登录 Quellix", gtk_window_get_title(gtk));
    EXPECT_FALSE(gtk_window_get_decorated(gtk));
  });
  EXPECT_TRUE(EventuallyOnGui([&] { return SizeIs(window.hwnd(), 400, 300); }));
  EXPECT_TRUE(RunCommand("xdotool search --onlyvisible --name 'Quellix' >/dev/null"));

  HICON icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(101));
  SendMessageW(window.hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
  EXPECT_TRUE(EventuallyOnGui([&] { return gtk_window_get_icon(GtkWindowOf(window.hwnd())) != nullptr; }));

  SetWindowTextW(window.hwnd(), L"主窗口");
  EXPECT_TRUE(EventuallyOnGui([&] {
    return g_strcmp0(gtk_window_get_title(GtkWindowOf(window.hwnd())), "主窗口") == 0;
  }));

  ShowWindow(window.hwnd(), SW_HIDE);
  EXPECT_TRUE(EventuallyOnGui([&] { return !Viewable(window.hwnd()); }));
}

TEST(GtkWindowHost, MaximisedWindowCoversTheWorkAreaAndRestoresToItsPlace) {
  TestWindow window(L"max", WS_POPUP | WS_MAXIMIZEBOX, RECT{100, 100, 500, 400});
  ShowWindow(window.hwnd(), SW_SHOW);
  ASSERT_TRUE(EventuallyOnGui([&] { return Viewable(window.hwnd()); }));
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  EXPECT_EQ(1280, work.right - work.left);  // the virtual screen's, read from GTK

  ShowWindow(window.hwnd(), SW_MAXIMIZE);
  RECT rect{};
  GetWindowRect(window.hwnd(), &rect);
  EXPECT_EQ(work.right - work.left, rect.right - rect.left);
  EXPECT_TRUE(EventuallyOnGui([&] {
    return SizeIs(window.hwnd(), work.right - work.left, work.bottom - work.top);
  }));

  ShowWindow(window.hwnd(), SW_RESTORE);
  EXPECT_TRUE(EventuallyOnGui([&] { return SizeIs(window.hwnd(), 400, 300); }));
}

TEST(GtkWindowHost, MoveAndSizeMadeOnTheDisplayReachTheWindow) {
  TestWindow window(L"moved", WS_POPUP | WS_VISIBLE, RECT{10, 10, 210, 110});
  ASSERT_TRUE(EventuallyOnGui([&] { return Viewable(window.hwnd()); }));
  OnGui([&] {
    gtk_window_move(GtkWindowOf(window.hwnd()), 300, 200);
    gtk_window_resize(GtkWindowOf(window.hwnd()), 250, 120);
  });
  RECT rect{};
  EXPECT_TRUE(EventuallyOnGui([&] {
    GetWindowRect(window.hwnd(), &rect);
    return rect.left == 300 && rect.top == 200 && rect.right == 550 && rect.bottom == 320;
  })) << rect.left << "," << rect.top << " " << rect.right << "," << rect.bottom;
  EXPECT_TRUE(window.Saw(WM_SIZE));
}

TEST(GtkWindowHost, WindowManagersCloseReachesTheWindowAndTheGtkWindowGoesWithIt) {
  TestWindow window(L"closing", WS_POPUP | WS_VISIBLE, RECT{0, 0, 200, 100});
  ASSERT_TRUE(EventuallyOnGui([&] { return Viewable(window.hwnd()); }));
  OnGui([&] { gtk_window_close(GtkWindowOf(window.hwnd())); });
  EXPECT_TRUE(EventuallyOnGui([&] { return !IsWindow(window.hwnd()); }));
  EXPECT_TRUE(window.Saw(WM_CLOSE));
  EXPECT_TRUE(EventuallyOnGui([&] { return GtkWindowOf(window.hwnd()) == nullptr; }));
}

TEST(GtkWindowHost, ChildContainerFollowsTheChildsRectangleAndVisibility) {
  TestWindow window(L"parent", WS_POPUP | WS_VISIBLE, RECT{10, 10, 610, 410});
  HWND child = nullptr;
  window.Call([&] {
    child = CreateWindowExW(0, L"GtkDesktopTestWindow", L"", WS_CHILD | WS_VISIBLE, 20, 30, 200, 100,
                            window.hwnd(), nullptr, GetModuleHandleW(nullptr), nullptr);
  });
  ASSERT_TRUE(child);
  GtkWidget* container = nullptr;
  OnGui([&] {
    container = Win32GtkContainerFor(child);
    EXPECT_EQ(nullptr, Win32GtkContainerFor(window.hwnd()));
    EXPECT_EQ(container, Win32GtkContainerFor(child));
  });
  ASSERT_TRUE(container);

  auto placed = [&](int x, int y, int width, int height) {
    int at_x = -1, at_y = -1, w = 0, h = 0;
    gtk_container_child_get(GTK_CONTAINER(gtk_widget_get_parent(container)), container, "x", &at_x,
                            "y", &at_y, nullptr);
    gtk_widget_get_size_request(container, &w, &h);
    return at_x == x && at_y == y && w == width && h == height;
  };
  EXPECT_TRUE(EventuallyOnGui([&] { return placed(20, 30, 200, 100) && gtk_widget_get_visible(container); }));

  window.Call([&] { MoveWindow(child, 50, 60, 300, 150, TRUE); });
  EXPECT_TRUE(EventuallyOnGui([&] { return placed(50, 60, 300, 150); }));

  window.Call([&] { ShowWindow(child, SW_HIDE); });
  EXPECT_TRUE(EventuallyOnGui([&] { return !gtk_widget_get_visible(container); }));

  g_object_add_weak_pointer(G_OBJECT(container), reinterpret_cast<gpointer*>(&container));
  window.Call([&] { DestroyWindow(child); });
  EXPECT_TRUE(EventuallyOnGui([&] { return container == nullptr; }));
}

namespace {

bool GdkMaximized(HWND hwnd) {
  GtkWindow* window = GtkWindowOf(hwnd);
  GdkWindow* gdk = window ? gtk_widget_get_window(GTK_WIDGET(window)) : nullptr;
  return gdk && (gdk_window_get_state(gdk) & GDK_WINDOW_STATE_MAXIMIZED);
}

std::string Describe(HWND hwnd) {
  std::string text;
  OnGui([&] {
    GtkWindow* window = GtkWindowOf(hwnd);
    GdkWindow* gdk = window ? gtk_widget_get_window(GTK_WIDGET(window)) : nullptr;
    if (!gdk) return;
    text = " viewable " + std::to_string(gdk_window_is_viewable(gdk)) + " state " +
           std::to_string(gdk_window_get_state(gdk)) + " size " +
           std::to_string(gdk_window_get_width(gdk)) + "x" + std::to_string(gdk_window_get_height(gdk));
  });
  RECT rect{};
  GetWindowRect(hwnd, &rect);
  return text + " model " + std::to_string(rect.right - rect.left) + "x" +
         std::to_string(rect.bottom - rect.top) + " zoomed " + std::to_string(IsZoomed(hwnd));
}


}  // namespace

// Mapping, unmapping and focus change the GTK window's state before the window manager has
// maximised it; none of that is the player restoring the window, which must come back maximised.
TEST(GtkWindowHost, MaximisedWindowHiddenAndShownUnderAWindowManagerComesBackMaximised) {
  WindowManager manager;
  ASSERT_TRUE(manager.running());
  TestWindow window(L"game", WS_POPUP | WS_MAXIMIZEBOX, RECT{100, 100, 900, 672});
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  const int work_width = work.right - work.left, work_height = work.bottom - work.top;
  for (int round = 0; round < 2; ++round) {
    ShowWindow(window.hwnd(), round == 0 ? SW_SHOWMAXIMIZED : SW_SHOW);
    ASSERT_TRUE(EventuallyOnGui([&] {
      return Viewable(window.hwnd()) && GdkMaximized(window.hwnd()) &&
             SizeIs(window.hwnd(), work_width, work_height);
    })) << "round " << round << Describe(window.hwnd());

    ShowWindow(window.hwnd(), SW_HIDE);
    // Mapped again before the window manager has let go of it, it would stay unmanaged.
    ASSERT_TRUE(EventuallyOnGui([&] { return !Viewable(window.hwnd()) && !Framed(window.hwnd()); }));
    DrainPostedFromGui(window);
    EXPECT_FALSE(IsWindowVisible(window.hwnd())) << "round " << round;
    EXPECT_TRUE(IsZoomed(window.hwnd())) << "round " << round;
  }
  for (const Seen& seen : window.Log()) {
    EXPECT_NE(static_cast<UINT>(WM_SYSCOMMAND), seen.message) << "wparam " << seen.wparam;
    if (seen.message == WM_SIZE) {
      EXPECT_EQ(static_cast<WPARAM>(SIZE_MAXIMIZED), seen.wparam);
    }
  }
}

TEST(GtkWindowHost, OwnedWindowShownBeforeItsOwnerStaysAboveItOnceTheOwnerIsShown) {
  TestWindow owner(L"owner", WS_POPUP, RECT{100, 100, 700, 500});
  HWND owned = nullptr;
  owner.Call([&] {
    owned = CreateWindowExW(WS_EX_TOOLWINDOW, L"GtkDesktopTestWindow", L"owned", WS_POPUP | WS_VISIBLE,
                            150, 150, 300, 200, owner.hwnd(), nullptr, GetModuleHandleW(nullptr),
                            nullptr);
  });
  ASSERT_TRUE(owned);
  ASSERT_TRUE(EventuallyOnGui([&] { return Viewable(owned); }));
  ShowWindow(owner.hwnd(), SW_SHOW);
  EXPECT_TRUE(EventuallyOnGui([&] {
    return Viewable(owner.hwnd()) &&
           gtk_window_get_transient_for(GtkWindowOf(owned)) == GtkWindowOf(owner.hwnd());
  }));
  owner.Call([&] { DestroyWindow(owned); });
}

TEST(GtkWindowHost, FocusMovedOnTheDisplayMovesActivationAndFocusOnTheWindowsThreads) {
  TestWindow first(L"first", WS_POPUP, RECT{50, 50, 350, 250});
  TestWindow second(L"second", WS_POPUP, RECT{400, 50, 700, 250});
  ShowWindow(first.hwnd(), SW_SHOW);
  ShowWindow(second.hwnd(), SW_SHOW);
  ASSERT_EQ(second.hwnd(), GetActiveWindow());
  ASSERT_TRUE(EventuallyOnGui([&] { return Viewable(first.hwnd()) && Viewable(second.hwnd()); }));

  OnGui([&] { gtk_window_present(GtkWindowOf(first.hwnd())); });
  ASSERT_TRUE(EventuallyOnGui([&] {
    return GetActiveWindow() == first.hwnd() && GetFocus() == first.hwnd();
  }));
  EXPECT_EQ(first.hwnd(), GetForegroundWindow());
  auto last_activate = [](TestWindow& window) {
    Seen found{};
    for (const Seen& seen : window.Log())
      if (seen.message == WM_ACTIVATE) found = seen;
    return found;
  };
  DrainPostedFromGui(second);
  EXPECT_EQ(WA_ACTIVE, LOWORD(last_activate(first).wparam));
  EXPECT_EQ(first.thread(), last_activate(first).thread);
  EXPECT_EQ(WA_INACTIVE, LOWORD(last_activate(second).wparam));
  EXPECT_TRUE(second.Saw(WM_KILLFOCUS));
  EXPECT_TRUE(first.Saw(WM_SETFOCUS));
}

namespace {

// The window's place among the screen's top-level X windows (its frame's, under a window
// manager), bottom first; -1 when it has none.
int StackingIndex(HWND hwnd) {
  GtkWindow* window = GtkWindowOf(hwnd);
  GdkWindow* gdk = window ? gtk_widget_get_window(GTK_WIDGET(window)) : nullptr;
  if (!gdk) return -1;
  Display* x = GDK_WINDOW_XDISPLAY(gdk);
  ::Window root = DefaultRootWindow(x), parent = 0, *children = nullptr, frame = GDK_WINDOW_XID(gdk);
  unsigned int count = 0;
  int index = -1;
  // The window manager may destroy a frame between two questions.
  GdkDisplay* display = gdk_window_get_display(gdk);
  gdk_x11_display_error_trap_push(display);
  bool found = true;
  for (::Window up = frame; found && up != root; up = parent) {
    frame = up;
    found = XQueryTree(x, up, &root, &parent, &children, &count);
    if (found && children) XFree(children);
  }
  if (found && XQueryTree(x, root, &root, &parent, &children, &count)) {
    for (unsigned int i = 0; i < count; ++i)
      if (children[i] == frame) index = static_cast<int>(i);
    if (children) XFree(children);
  }
  gdk_x11_display_error_trap_pop_ignored(display);
  return index;
}

bool StackedAbove(HWND upper, HWND lower) {
  int upper_index = StackingIndex(upper), lower_index = StackingIndex(lower);
  return upper_index >= 0 && lower_index >= 0 && upper_index > lower_index;
}

}  // namespace

// On Windows an owned window stays above its owner. The game window's page is such a window,
// made before the game window is first shown; the window manager raises the game window when it
// maps it again, and the page must come back above it.
TEST(GtkWindowHost, OwnedWindowHiddenAndShownWithItsOwnerComesBackAboveIt) {
  WindowManager manager;
  ASSERT_TRUE(manager.running());
  TestWindow owner(L"game", WS_POPUP | WS_MAXIMIZEBOX, RECT{100, 100, 900, 672});
  HWND owned = nullptr;
  owner.Call([&] {
    owned = CreateWindowExW(WS_EX_TOOLWINDOW, L"GtkDesktopTestWindow", L"page",
                            WS_POPUP | WS_VISIBLE, 10, 40, 600, 400, owner.hwnd(), nullptr,
                            GetModuleHandleW(nullptr), nullptr);
  });
  ASSERT_TRUE(owned);
  // Openbox names itself before it manages windows, and on a loaded machine may not get to them.
  if (!EventuallyOnGui([&] { return Framed(owned); }))
    GTEST_SKIP() << "the window manager did not take the window";
  ShowWindow(owner.hwnd(), SW_SHOWMAXIMIZED);
  for (int round = 0; round < 4; ++round) {
    ASSERT_TRUE(EventuallyOnGui([&] {
      return Viewable(owner.hwnd()) && Viewable(owned) && StackedAbove(owned, owner.hwnd());
    })) << "round " << round;
    // The player clicks in the page before the boss key hides both and shows both again.
    ASSERT_TRUE(RunCommand("xdotool mousemove 300 240 click 1"));
    owner.Call([&] {
      ShowWindow(owner.hwnd(), SW_HIDE);
      SetWindowPos(owned, nullptr, 10, 40, 600, 400, SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
    });
    ASSERT_TRUE(EventuallyOnGui([&] { return !Viewable(owner.hwnd()) && !Viewable(owned); }));
    owner.Call([&] {
      ShowWindow(owner.hwnd(), SW_SHOW);
      SetWindowPos(owned, nullptr, 10, 40, 600, 400, SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    });
  }
  owner.Call([&] { DestroyWindow(owned); });
}

namespace {

// What the X server shows of a window, asked on GTK's own connection after everything GTK has
// asked of it: no event of GTK nor message of the window's queue is handled meanwhile. GUI thread.
struct OnScreen {
  bool viewable = false;
  bool black = false;
};

OnScreen WhatTheServerShows(HWND hwnd) {
  OnScreen seen;
  GtkWindow* window = GtkWindowOf(hwnd);
  GdkWindow* gdk = window ? gtk_widget_get_window(GTK_WIDGET(window)) : nullptr;
  if (!gdk) return seen;
  GdkDisplay* display = gdk_window_get_display(gdk);
  Display* x = GDK_WINDOW_XDISPLAY(gdk);
  gdk_x11_display_error_trap_push(display);
  XWindowAttributes attributes{};
  if (XGetWindowAttributes(x, GDK_WINDOW_XID(gdk), &attributes))
    seen.viewable = attributes.map_state == IsViewable;
  if (seen.viewable) {
    XImage* image = XGetImage(x, GDK_WINDOW_XID(gdk), 0, 0, attributes.width, attributes.height,
                              AllPlanes, ZPixmap);
    seen.black = image != nullptr;
    for (int y = 0; image && seen.black && y < attributes.height; ++y)
      for (int at = 0; seen.black && at < attributes.width; ++at)
        seen.black = (XGetPixel(image, at, y) & 0xffffff) == 0;
    if (image) XDestroyImage(image);
  }
  gdk_x11_display_error_trap_pop_ignored(display);
  return seen;
}

// A white X window of no window manager's, for what lies under a window shown over it. GUI thread.
class WhiteUnder {
 public:
  explicit WhiteUnder(RECT rect) : x_(GDK_DISPLAY_XDISPLAY(gdk_display_get_default())) {
    XSetWindowAttributes attributes{};
    attributes.override_redirect = True;
    attributes.background_pixel = WhitePixel(x_, DefaultScreen(x_));
    window_ = XCreateWindow(x_, DefaultRootWindow(x_), rect.left, rect.top, rect.right - rect.left,
                            rect.bottom - rect.top, 0, CopyFromParent, InputOutput, CopyFromParent,
                            CWOverrideRedirect | CWBackPixel, &attributes);
    XMapWindow(x_, window_);
    XSync(x_, False);
  }
  ~WhiteUnder() {
    XDestroyWindow(x_, window_);
    XSync(x_, False);
  }
  WhiteUnder(const WhiteUnder&) = delete;
  WhiteUnder& operator=(const WhiteUnder&) = delete;

 private:
  Display* x_;
  ::Window window_;
};

}  // namespace

// The game window lives on the GUI thread, which paints it after showing it: ShowWindow must have
// put it on the screen, plain black, before that first paint; so must showing it again.
TEST(GtkWindowHost, WindowShownOnTheGuiThreadIsOnTheScreenInBlackBeforeItsFirstPaint) {
  HWND hwnd = nullptr;
  OnScreen first, again;
  bool paint_pending = false;
  OnGui([&] {
    WhiteUnder under(RECT{40, 30, 400, 300});
    hwnd = CreateTestWindow(L"first frame", 0, WS_POPUP, RECT{60, 50, 360, 250}, nullptr);
    ShowWindow(hwnd, SW_SHOW);
    first = WhatTheServerShows(hwnd);
    paint_pending = GetUpdateRect(hwnd, nullptr, FALSE) != FALSE;
  });
  ASSERT_TRUE(hwnd);
  EXPECT_TRUE(paint_pending);
  EXPECT_TRUE(first.viewable);
  EXPECT_TRUE(first.black);

  OnGui([&] { ShowWindow(hwnd, SW_HIDE); });
  EXPECT_TRUE(EventuallyOnGui([&] { return !Viewable(hwnd); }));
  OnGui([&] {
    ShowWindow(hwnd, SW_SHOW);
    again = WhatTheServerShows(hwnd);
  });
  EXPECT_TRUE(again.viewable);
  OnGui([&] { DestroyWindow(hwnd); });
  EXPECT_TRUE(EventuallyOnGui([&] { return GtkWindowOf(hwnd) == nullptr; }));
}

// The hand-over's order: the page, an owned window, is made shown before the game window is
// shown maximised, both on the GUI thread.
TEST(GtkWindowHost, WindowAndItsPageShownOnTheGuiThreadComeUpMaximisedWithThePageAbove) {
  WindowManager manager;
  ASSERT_TRUE(manager.running());
  HWND owner = nullptr, owned = nullptr;
  OnGui([&] {
    owner = CreateTestWindow(L"game", 0, WS_POPUP | WS_MAXIMIZEBOX, RECT{100, 100, 900, 672}, nullptr);
    owned = CreateTestWindow(L"page", WS_EX_TOOLWINDOW, WS_POPUP | WS_VISIBLE,
                             RECT{0, 0, 600, 400}, owner);
  });
  ASSERT_TRUE(owner && owned);
  auto destroy = [&] {
    DestroyWindow(owned);
    DestroyWindow(owner);
  };
  // On a loaded machine the window manager may not get to the window.
  if (!EventuallyOnGui([&] { return Framed(owned); })) {
    OnGui(destroy);
    GTEST_SKIP() << "the window manager did not take the window";
  }
  // As the game window places its page once it is shown.
  OnGui([&] {
    ShowWindow(owner, SW_SHOWMAXIMIZED);
    SetWindowPos(owned, nullptr, 10, 40, 600, 400, SWP_NOZORDER | SWP_NOACTIVATE);
  });
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  EXPECT_TRUE(EventuallyOnGui([&] {
    return Viewable(owner) && Viewable(owned) && GdkMaximized(owner) &&
           SizeIs(owner, work.right - work.left, work.bottom - work.top) &&
           StackedAbove(owned, owner);
  })) << Describe(owner);

  // The boss key: both hidden, then the game window shown and its page shown again in its place.
  OnGui([&] {
    ShowWindow(owner, SW_HIDE);
    SetWindowPos(owned, nullptr, 10, 40, 600, 400, SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
  });
  // Mapped again before the window manager has let go of them, they would stay unmanaged.
  ASSERT_TRUE(EventuallyOnGui([&] {
    return !Viewable(owner) && !Viewable(owned) && !Framed(owner) && !Framed(owned);
  }));
  OnGui([&] {
    ShowWindow(owner, SW_SHOW);
    SetWindowPos(owned, nullptr, 10, 40, 600, 400, SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  });
  EXPECT_TRUE(EventuallyOnGui([&] {
    int x = -1, y = -1;
    if (GdkWindow* gdk = gtk_widget_get_window(GTK_WIDGET(GtkWindowOf(owned))))
      gdk_window_get_origin(gdk, &x, &y);
    return Viewable(owner) && Viewable(owned) && x == 10 && y == 40 && StackedAbove(owned, owner);
  }));
  OnGui(destroy);
}

