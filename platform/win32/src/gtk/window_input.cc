#include "gtk/window_input.h"

#include <gdk/gdkkeysyms.h>

#include <iterator>

#include "gtk/gtk_desktop.h"

namespace win32::internal::gtk {

namespace {

constexpr WPARAM kMkShift = 0x0004;
constexpr WPARAM kMkControl = 0x0008;
constexpr int kWheelDelta = 120;

struct KeyName {
  guint keyval;
  UINT vk;
};

const KeyName kKeys[] = {
    {GDK_KEY_BackSpace, VK_BACK},  {GDK_KEY_Tab, VK_TAB},          {GDK_KEY_ISO_Left_Tab, VK_TAB},
    {GDK_KEY_Return, VK_RETURN},   {GDK_KEY_KP_Enter, VK_RETURN},  {GDK_KEY_Escape, VK_ESCAPE},
    {GDK_KEY_space, VK_SPACE},     {GDK_KEY_Shift_L, VK_SHIFT},    {GDK_KEY_Shift_R, VK_SHIFT},
    {GDK_KEY_Control_L, VK_CONTROL}, {GDK_KEY_Control_R, VK_CONTROL}, {GDK_KEY_Alt_L, VK_MENU},
    {GDK_KEY_Alt_R, VK_MENU},      {GDK_KEY_Page_Up, 0x21},        {GDK_KEY_Page_Down, 0x22},
    {GDK_KEY_End, 0x23},           {GDK_KEY_Home, 0x24},           {GDK_KEY_Left, 0x25},
    {GDK_KEY_Up, 0x26},            {GDK_KEY_Right, 0x27},          {GDK_KEY_Down, 0x28},
    {GDK_KEY_Insert, 0x2D},        {GDK_KEY_Delete, 0x2E},
};

HWND WindowOf(gpointer data) { return static_cast<HWND>(data); }

WPARAM KeysOf(guint state) {
  WPARAM keys = 0;
  if (state & GDK_BUTTON1_MASK) keys |= MK_LBUTTON;
  if (state & GDK_BUTTON3_MASK) keys |= MK_RBUTTON;
  if (state & GDK_SHIFT_MASK) keys |= kMkShift;
  if (state & GDK_CONTROL_MASK) keys |= kMkControl;
  return keys;
}

WPARAM ButtonKey(guint button) {
  return button == 1 ? MK_LBUTTON : button == 3 ? MK_RBUTTON : 0;
}

LPARAM PointParam(double x, double y) {
  return MAKELPARAM(static_cast<WORD>(static_cast<short>(x)), static_cast<WORD>(static_cast<short>(y)));
}

bool WantsDoubleClicks(HWND hwnd) { return (GetClassLongW(hwnd, GCL_STYLE) & CS_DBLCLKS) != 0; }

// GDK follows the second press of a double click with a double press at once; Win32 reports the
// pair as one double click, so the double press stands for it.
bool DoublePressFollows() {
  GdkEvent* next = gdk_event_peek();
  if (!next) return false;
  bool doubled = next->type == GDK_2BUTTON_PRESS;
  gdk_event_free(next);
  return doubled;
}

LRESULT HitTest(HWND hwnd, GdkEventButton* event, POINT* screen) {
  *screen = POINT{static_cast<LONG>(event->x), static_cast<LONG>(event->y)};
  ClientToScreen(hwnd, screen);
  return SendMessageW(hwnd, WM_NCHITTEST, 0, MAKELPARAM(screen->x, screen->y));
}

// A press on the caption or the size box is the window manager's to handle, as Win32's default
// processing of the non-client press would.
bool HandToWindowManager(HWND hwnd, GtkWidget* widget, GdkEventButton* event) {
  POINT screen;
  LRESULT hit = HitTest(hwnd, event, &screen);
  GtkWindow* top = GTK_WINDOW(gtk_widget_get_toplevel(widget));
  GdkWindowEdge edge;
  if (hit == HTCAPTION) {
    gtk_window_begin_move_drag(top, static_cast<gint>(event->button), static_cast<gint>(event->x_root),
                               static_cast<gint>(event->y_root), event->time);
    return true;
  }
  if (ResizeEdgeOf(hit, &edge)) {
    gtk_window_begin_resize_drag(top, edge, static_cast<gint>(event->button),
                                 static_cast<gint>(event->x_root), static_cast<gint>(event->y_root),
                                 event->time);
    return true;
  }
  return false;
}

// GUI thread.
gboolean OnPress(GtkWidget* widget, GdkEventButton* event, gpointer data) {
  HWND hwnd = WindowOf(data);
  GtkDesktop::Instance().NoteCursor(event->x_root, event->y_root);
  WPARAM button = ButtonKey(event->button);
  if (!button) return FALSE;
  UINT message;
  if (event->type == GDK_2BUTTON_PRESS) {
    POINT screen;
    if (button == MK_LBUTTON && HitTest(hwnd, event, &screen) == HTCAPTION) {
      PostMessageW(hwnd, WM_NCLBUTTONDBLCLK, HTCAPTION, MAKELPARAM(screen.x, screen.y));
      return TRUE;
    }
    if (WantsDoubleClicks(hwnd))
      message = button == MK_LBUTTON ? WM_LBUTTONDBLCLK : WM_RBUTTONDBLCLK;
    else
      message = button == MK_LBUTTON ? WM_LBUTTONDOWN : WM_RBUTTONDOWN;
  } else if (event->type == GDK_BUTTON_PRESS) {
    if (DoublePressFollows()) return TRUE;
    if (button == MK_LBUTTON && HandToWindowManager(hwnd, widget, event)) return TRUE;
    message = button == MK_LBUTTON ? WM_LBUTTONDOWN : WM_RBUTTONDOWN;
  } else {
    return TRUE;
  }
  gtk_widget_grab_focus(widget);
  PostMessageW(hwnd, message, KeysOf(event->state) | button, PointParam(event->x, event->y));
  return TRUE;
}

gboolean OnRelease(GtkWidget*, GdkEventButton* event, gpointer data) {
  GtkDesktop::Instance().NoteCursor(event->x_root, event->y_root);
  WPARAM button = ButtonKey(event->button);
  if (!button) return FALSE;
  PostMessageW(WindowOf(data), button == MK_LBUTTON ? WM_LBUTTONUP : WM_RBUTTONUP,
               KeysOf(event->state) & ~button, PointParam(event->x, event->y));
  return TRUE;
}

gboolean OnMotion(GtkWidget*, GdkEventMotion* event, gpointer data) {
  GtkDesktop::Instance().NoteCursor(event->x_root, event->y_root);
  PostMessageW(WindowOf(data), WM_MOUSEMOVE, KeysOf(event->state), PointParam(event->x, event->y));
  return TRUE;
}

gboolean OnLeave(GtkWidget*, GdkEventCrossing* event, gpointer data) {
  if (event->mode == GDK_CROSSING_NORMAL) PostMessageW(WindowOf(data), WM_MOUSELEAVE, 0, 0);
  return FALSE;
}

gboolean OnScroll(GtkWidget*, GdkEventScroll* event, gpointer data) {
  int delta = 0;
  if (event->direction == GDK_SCROLL_UP) delta = kWheelDelta;
  if (event->direction == GDK_SCROLL_DOWN) delta = -kWheelDelta;
  if (event->direction == GDK_SCROLL_SMOOTH) delta = static_cast<int>(-event->delta_y * kWheelDelta);
  if (!delta) return FALSE;
  PostMessageW(WindowOf(data), WM_MOUSEWHEEL,
               MAKEWPARAM(static_cast<WORD>(KeysOf(event->state)), static_cast<WORD>(static_cast<short>(delta))),
               PointParam(event->x_root, event->y_root));
  return TRUE;
}

// Keys belong to the window unless a child's widget (a web view) has the focus.
gboolean OnKey(GtkWidget* window, GdkEventKey* event, gpointer data) {
  GtkWidget* focus = gtk_window_get_focus(GTK_WINDOW(window));
  if (focus && !GTK_IS_DRAWING_AREA(focus)) return FALSE;
  bool down = event->type == GDK_KEY_PRESS;
  bool alt = (event->state & GDK_MOD1_MASK) != 0;
  UINT vk = VirtualKeyOf(event->keyval);
  HWND hwnd = WindowOf(data);
  if (vk) {
    GtkDesktop::Instance().NoteKey(vk, down);
    bool system = alt || vk == VK_MENU;
    UINT message = down ? (system ? WM_SYSKEYDOWN : WM_KEYDOWN) : (system ? WM_SYSKEYUP : WM_KEYUP);
    LPARAM flags = 1 | (static_cast<LPARAM>(event->hardware_keycode & 0xFF) << 16);
    if (alt) flags |= 1 << 29;
    if (!down) flags |= (1 << 30) | (1u << 31);
    PostMessageW(hwnd, message, vk, flags);
    return TRUE;
  }
  // Characters without a virtual key here (punctuation, other scripts) come as they are.
  gunichar character = gdk_keyval_to_unicode(event->keyval);
  if (down && character >= 0x20 && !alt && !(event->state & GDK_CONTROL_MASK)) {
    PostMessageW(hwnd, WM_CHAR, character, 1);
    return TRUE;
  }
  return FALSE;
}

gboolean OnDelete(GtkWidget*, GdkEvent*, gpointer data) {
  PostMessageW(WindowOf(data), WM_SYSCOMMAND, SC_CLOSE, 0);
  return TRUE;
}

}  // namespace

UINT VirtualKeyOf(guint keyval) {
  if (keyval >= GDK_KEY_a && keyval <= GDK_KEY_z) return 'A' + (keyval - GDK_KEY_a);
  if (keyval >= GDK_KEY_A && keyval <= GDK_KEY_Z) return 'A' + (keyval - GDK_KEY_A);
  if (keyval >= GDK_KEY_0 && keyval <= GDK_KEY_9) return '0' + (keyval - GDK_KEY_0);
  if (keyval >= GDK_KEY_F1 && keyval <= GDK_KEY_F24) return 0x70 + (keyval - GDK_KEY_F1);
  for (const KeyName& key : kKeys)
    if (key.keyval == keyval) return key.vk;
  return 0;
}

bool ResizeEdgeOf(LRESULT hit, GdkWindowEdge* edge) {
  switch (hit) {
    case HTLEFT: *edge = GDK_WINDOW_EDGE_WEST; return true;
    case HTRIGHT: *edge = GDK_WINDOW_EDGE_EAST; return true;
    case HTTOP: *edge = GDK_WINDOW_EDGE_NORTH; return true;
    case HTBOTTOM: *edge = GDK_WINDOW_EDGE_SOUTH; return true;
    case HTTOPLEFT: *edge = GDK_WINDOW_EDGE_NORTH_WEST; return true;
    case HTTOPRIGHT: *edge = GDK_WINDOW_EDGE_NORTH_EAST; return true;
    case HTBOTTOMLEFT: *edge = GDK_WINDOW_EDGE_SOUTH_WEST; return true;
    case HTBOTTOMRIGHT: *edge = GDK_WINDOW_EDGE_SOUTH_EAST; return true;
    default: return false;
  }
}

void ConnectInput(HWND hwnd, GtkWidget* window, GtkWidget* canvas) {
  gtk_widget_add_events(canvas, GDK_BUTTON_PRESS_MASK | GDK_BUTTON_RELEASE_MASK |
                                    GDK_POINTER_MOTION_MASK | GDK_LEAVE_NOTIFY_MASK |
                                    GDK_SCROLL_MASK | GDK_SMOOTH_SCROLL_MASK);
  gtk_widget_set_can_focus(canvas, TRUE);
  g_signal_connect(canvas, "button-press-event", G_CALLBACK(OnPress), hwnd);
  g_signal_connect(canvas, "button-release-event", G_CALLBACK(OnRelease), hwnd);
  g_signal_connect(canvas, "motion-notify-event", G_CALLBACK(OnMotion), hwnd);
  g_signal_connect(canvas, "leave-notify-event", G_CALLBACK(OnLeave), hwnd);
  g_signal_connect(canvas, "scroll-event", G_CALLBACK(OnScroll), hwnd);
  g_signal_connect(window, "key-press-event", G_CALLBACK(OnKey), hwnd);
  g_signal_connect(window, "key-release-event", G_CALLBACK(OnKey), hwnd);
  g_signal_connect(window, "delete-event", G_CALLBACK(OnDelete), hwnd);
}

}  // namespace win32::internal::gtk
