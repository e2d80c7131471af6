#include "gtk/window_host.h"

#include <algorithm>
#include <deque>
#include <map>
#include <memory>
#include <string>

#include "gtk/text.h"
#include "gtk/unpainted_background.h"
#include "gtk/window_icon.h"
#include "gtk/window_input.h"
#include "user/focus.h"
#include "user/model.h"

namespace win32::internal::gtk {

namespace {

// What the GTK side needs of a window, read under the model's lock.
struct Snapshot {
  bool exists = false;
  bool child = false;
  bool visible = false;
  DWORD style = 0;
  DWORD ex_style = 0;
  RECT rect{};
  RECT inset{};
  HWND root = nullptr;   // a child's top-level window
  POINT offset{};        // a child's place in its root window
  HWND owner = nullptr;
  std::wstring text;
  HICON icon = nullptr;
};

Snapshot Take(HWND hwnd) {
  Snapshot s;
  Model& model = TheModel();
  std::lock_guard<std::mutex> held(model.lock);
  Window* window = FindWindowLocked(model, hwnd);
  if (!window || window->destroying) return s;
  s.exists = true;
  s.child = (window->style & WS_CHILD) != 0;
  s.visible = IsVisibleLocked(model, window);
  s.style = window->style;
  s.ex_style = window->ex_style;
  s.rect = window->rect;
  s.inset = window->client_inset;
  s.owner = window->owner;
  s.text = window->text;
  s.icon = window->icon_big ? window->icon_big : window->icon_small;
  if (!s.child) return s;
  POINT at{window->rect.left, window->rect.top};
  for (Window* up = FindWindowLocked(model, window->parent); up;
       up = FindWindowLocked(model, up->parent)) {
    at.x += up->client_inset.left;
    at.y += up->client_inset.top;
    if (!(up->style & WS_CHILD)) {
      s.root = up->handle;
      break;
    }
    at.x += up->rect.left;
    at.y += up->rect.top;
  }
  s.offset = at;
  return s;
}

LONG Width(const RECT& r) { return r.right - r.left; }
LONG Height(const RECT& r) { return r.bottom - r.top; }
bool Same(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
bool SamePlace(const RECT& a, const RECT& b) { return a.left == b.left && a.top == b.top; }
bool SameSize(const RECT& a, const RECT& b) {
  return Width(a) == Width(b) && Height(a) == Height(b);
}

// A window-manager state (maximised, minimised) as the model last asked for it. Until the window
// manager reports what was asked, what it reports is the echo of an older request.
struct AskedState {
  bool on = false;
  bool awaited = false;
};

struct Host {
  HWND hwnd = nullptr;
  GtkWidget* window = nullptr;
  GtkWidget* layout = nullptr;
  GtkWidget* canvas = nullptr;
  SurfacePtr image;
  RECT applied{};
  bool geometry_applied = false;
  std::deque<RECT> requested;  // asked of GTK and not yet reported back, oldest first
  RECT reported{};             // the last rectangle GTK reported while the window was its own
  bool shown = false;
  AskedState iconified;
  AskedState maximized;
  bool titled = false;
  std::wstring title;
  HICON icon = nullptr;
  HWND owner = nullptr;
};

struct Place {
  HWND root = nullptr;
  GtkWidget* container = nullptr;  // weak: cleared when GTK destroys it
};

std::map<HWND, std::unique_ptr<Host>>& Hosts() {
  static auto* hosts = new std::map<HWND, std::unique_ptr<Host>>;
  return *hosts;
}

std::map<HWND, Place>& Places() {
  static auto* places = new std::map<HWND, Place>;
  return *places;
}

Host* FindHost(HWND hwnd) {
  auto found = Hosts().find(hwnd);
  return found == Hosts().end() ? nullptr : found->second.get();
}

gboolean OnDraw(GtkWidget*, cairo_t* cr, gpointer data) {
  Host* host = FindHost(static_cast<HWND>(data));
  cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
  if (host && host->image)
    cairo_set_source_surface(cr, host->image.get(), 0, 0);
  else
    cairo_set_source_rgb(cr, 0, 0, 0);
  cairo_paint(cr);
  return TRUE;
}

GdkWindowState StateOf(const Host& host) {
  GdkWindow* gdk = gtk_widget_get_window(host.window);
  return gdk ? gdk_window_get_state(gdk) : GdkWindowState(0);
}

// GUI thread. Moves and sizes made by the window manager or the user's drag reach the model; the
// window manager's placement of a maximised or minimised window, or one it has not yet put in the
// state the model asked for, is not the window's own rectangle.
gboolean OnConfigure(GtkWidget*, GdkEventConfigure* event, gpointer data) {
  HWND hwnd = static_cast<HWND>(data);
  Host* host = FindHost(hwnd);
  if (!host || !host->shown || host->iconified.on || host->maximized.on ||
      host->iconified.awaited || host->maximized.awaited)
    return FALSE;
  if (StateOf(*host) & (GDK_WINDOW_STATE_WITHDRAWN | GDK_WINDOW_STATE_ICONIFIED |
                        GDK_WINDOW_STATE_MAXIMIZED | GDK_WINDOW_STATE_FULLSCREEN))
    return FALSE;
  RECT now{event->x, event->y, event->x + event->width, event->y + event->height};
  RECT before = host->reported;
  host->reported = now;
  // The report of a rectangle the model asked for, or of one a later request has overtaken.
  const auto& requested = host->requested;
  auto asked = std::find_if(requested.begin(), requested.end(),
                            [&](const RECT& r) { return Same(r, now); });
  if (asked != requested.end()) {
    host->requested.erase(requested.begin(), asked + 1);
    return FALSE;
  }
  // GDK gives a report the place the window has when the report is read, and GTK moves a window
  // at once but resizes it later: an older size at a newer place is a step of the requests.
  bool asked_place = std::any_of(requested.begin(), requested.end(),
                                 [&](const RECT& r) { return SamePlace(r, now); });
  bool known_size = SameSize(before, now) ||
                    std::any_of(requested.begin(), requested.end(),
                                [&](const RECT& r) { return SameSize(r, now); });
  if (asked_place && known_size) return FALSE;
  if (Same(now, host->applied)) return FALSE;
  host->requested.clear();
  host->applied = now;
  SetWindowPos(hwnd, nullptr, now.left, now.top, Width(now), Height(now),
               SWP_NOZORDER | SWP_NOACTIVATE);
  return FALSE;
}

// True when the window manager changed the state on its own (the player did), rather than
// reporting the state the model asked for or an older one.
bool ChangedByWindowManager(AskedState& state, bool now) {
  if (state.awaited) {
    if (now == state.on) state.awaited = false;
    return false;
  }
  if (now == state.on) return false;
  state.on = now;
  return true;
}

// GUI thread. Minimising, maximising and restoring done by the window manager reach the window as
// the system commands that would have done them. A window it does not manage (hidden, withdrawn)
// has no such state: the window manager forgets it, and that is no command.
gboolean OnWindowState(GtkWidget*, GdkEventWindowState* event, gpointer data) {
  HWND hwnd = static_cast<HWND>(data);
  Host* host = FindHost(hwnd);
  if (!host || !host->shown || (event->new_window_state & GDK_WINDOW_STATE_WITHDRAWN))
    return FALSE;
  if (event->changed_mask & GDK_WINDOW_STATE_ICONIFIED) {
    bool iconified = (event->new_window_state & GDK_WINDOW_STATE_ICONIFIED) != 0;
    if (ChangedByWindowManager(host->iconified, iconified))
      PostMessageW(hwnd, WM_SYSCOMMAND, iconified ? SC_MINIMIZE : SC_RESTORE, 0);
  }
  if ((event->changed_mask & GDK_WINDOW_STATE_MAXIMIZED) && !host->iconified.on) {
    bool maximized = (event->new_window_state & GDK_WINDOW_STATE_MAXIMIZED) != 0;
    if (ChangedByWindowManager(host->maximized, maximized))
      PostMessageW(hwnd, WM_SYSCOMMAND, maximized ? SC_MAXIMIZE : SC_RESTORE, 0);
  }
  return FALSE;
}

// Owned windows are above their owner on Windows. A window manager raising the owner, as it does
// when it maps or activates it, leaves them below it, even when they are its transients.
void RaiseOwnedAbove(HWND owner) {
  for (auto& [owned, host] : Hosts()) {
    if (host->owner != owner || !host->shown || host->iconified.on || !host->window) continue;
    if (GdkWindow* gdk = gtk_widget_get_window(host->window)) gdk_window_raise(gdk);
  }
}

// GUI thread.
gboolean OnMapped(GtkWidget*, GdkEvent*, gpointer data) {
  RaiseOwnedAbove(static_cast<HWND>(data));
  return FALSE;
}

// GUI thread. The window manager's activation, and its taking it away, are the model's.
gboolean OnFocusChange(GtkWidget*, GdkEventFocus* event, gpointer data) {
  HWND hwnd = static_cast<HWND>(data);
  Host* host = FindHost(hwnd);
  if (!host || !host->shown) return FALSE;
  if (event->in) {
    ActivateFromDesktop(hwnd);
    RaiseOwnedAbove(hwnd);
  } else if (GetActiveWindow() == hwnd) {
    ActivateFromDesktop(nullptr);
  }
  return FALSE;
}

void ApplyGeometry(Host& host, const Snapshot& s) {
  if (host.geometry_applied && Same(host.applied, s.rect)) return;
  host.applied = s.rect;
  host.geometry_applied = true;
  constexpr size_t kRequestsKept = 8;
  if (host.requested.size() == kRequestsKept) host.requested.pop_front();
  host.requested.push_back(s.rect);
  int client_width = std::max<LONG>(1, Width(s.rect) - s.inset.left - s.inset.right);
  int client_height = std::max<LONG>(1, Height(s.rect) - s.inset.top - s.inset.bottom);
  gtk_fixed_move(GTK_FIXED(host.layout), host.canvas, s.inset.left, s.inset.top);
  gtk_widget_set_size_request(host.canvas, client_width, client_height);
  gtk_window_move(GTK_WINDOW(host.window), s.rect.left, s.rect.top);
  gtk_window_resize(GTK_WINDOW(host.window), std::max<LONG>(1, Width(s.rect)),
                    std::max<LONG>(1, Height(s.rect)));
}

void FollowOwner(Host& host);

void ApplyLooks(Host& host, const Snapshot& s) {
  GtkWindow* window = GTK_WINDOW(host.window);
  if (!host.titled || s.text != host.title) {
    host.title = s.text;
    host.titled = true;
    gtk_window_set_title(window, Utf8(s.text).c_str());
  }
  if (s.icon != host.icon) {
    host.icon = s.icon;
    GObjectPtr<GdkPixbuf> pixbuf = IconPixbuf(s.icon);
    gtk_window_set_icon(window, pixbuf.get());
  }
  gtk_window_set_skip_taskbar_hint(window, (s.ex_style & WS_EX_TOOLWINDOW) != 0);
  gtk_window_set_keep_above(window, (s.ex_style & WS_EX_TOPMOST) != 0);
  host.owner = s.owner;
  FollowOwner(host);
}

// An owned window stays above its owner, whose GTK window may come after it.
void FollowOwner(Host& host) {
  GtkWindow* owner = GtkWindowOf(host.owner);
  if (host.window && gtk_window_get_transient_for(GTK_WINDOW(host.window)) != owner)
    gtk_window_set_transient_for(GTK_WINDOW(host.window), owner);
}

Host& MakeHost(HWND hwnd, const Snapshot& s) {
  auto& slot = Hosts()[hwnd];
  if (!slot) {
    slot = std::make_unique<Host>();
    slot->hwnd = hwnd;
  }
  Host& host = *slot;
  if (host.window) return host;
  host.window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
  GtkWindow* window = GTK_WINDOW(host.window);
  gtk_window_set_decorated(window, FALSE);
  gtk_widget_set_app_paintable(host.window, TRUE);
  GdkScreen* screen = gtk_widget_get_screen(host.window);
  if (gdk_screen_is_composited(screen))
    if (GdkVisual* visual = gdk_screen_get_rgba_visual(screen))
      gtk_widget_set_visual(host.window, visual);
  FillUnpaintedBlack(host.window);
  host.layout = gtk_fixed_new();
  gtk_container_add(GTK_CONTAINER(host.window), host.layout);
  host.canvas = gtk_drawing_area_new();
  gtk_fixed_put(GTK_FIXED(host.layout), host.canvas, s.inset.left, s.inset.top);
  g_signal_connect(host.canvas, "draw", G_CALLBACK(OnDraw), hwnd);
  g_signal_connect(host.window, "configure-event", G_CALLBACK(OnConfigure), hwnd);
  g_signal_connect(host.window, "window-state-event", G_CALLBACK(OnWindowState), hwnd);
  g_signal_connect(host.window, "map-event", G_CALLBACK(OnMapped), hwnd);
  g_signal_connect(host.window, "focus-in-event", G_CALLBACK(OnFocusChange), hwnd);
  g_signal_connect(host.window, "focus-out-event", G_CALLBACK(OnFocusChange), hwnd);
  ConnectInput(hwnd, host.window, host.canvas);
  gtk_widget_show(host.layout);
  gtk_widget_show(host.canvas);
  ApplyGeometry(host, s);
  ApplyLooks(host, s);
  return host;
}

// Asks GTK for the state. An unmapped window takes it at once (and into the hints it is mapped
// with); a mapped one waits for the window manager.
void Ask(Host& host, AskedState& state, GdkWindowState bit, bool on, void (*set)(GtkWindow*),
         void (*unset)(GtkWindow*)) {
  state.on = on;
  (on ? set : unset)(GTK_WINDOW(host.window));
  state.awaited = ((StateOf(host) & bit) != 0) != on;
}

void AskMaximized(Host& host, bool on) {
  Ask(host, host.maximized, GDK_WINDOW_STATE_MAXIMIZED, on, gtk_window_maximize,
      gtk_window_unmaximize);
}

void AskIconified(Host& host, bool on) {
  Ask(host, host.iconified, GDK_WINDOW_STATE_ICONIFIED, on, gtk_window_iconify,
      gtk_window_deiconify);
}

void ApplyState(Host& host, const Snapshot& s) {
  GtkWindow* window = GTK_WINDOW(host.window);
  bool maximize = (s.style & WS_MAXIMIZE) != 0;
  bool iconify = (s.style & WS_MINIMIZE) != 0;
  if (!s.visible) {
    if (host.shown) {
      host.shown = false;
      // GTK keeps the place a window was first shown at, not one it was moved to since; it is
      // asked for again before the next show. A maximised window's place is the window manager's.
      if (!maximize) host.geometry_applied = false;
      gtk_widget_hide(host.window);
    }
    return;
  }
  if (!host.shown) {
    // GTK maps a window again in the state it had when it was hidden, which the window manager
    // may have changed since; the model's state is the one to map it in.
    AskMaximized(host, maximize);
    AskIconified(host, iconify);
    host.shown = true;
    gtk_widget_show(host.window);
    if (!iconify) gtk_window_present(window);
    return;
  }
  if (maximize != host.maximized.on) AskMaximized(host, maximize);
  if (iconify != host.iconified.on) {
    AskIconified(host, iconify);
    if (!iconify) gtk_window_present(window);
  }
}

void DropHost(HWND hwnd) {
  auto found = Hosts().find(hwnd);
  if (found == Hosts().end()) return;
  if (found->second->window) gtk_widget_destroy(found->second->window);
  Hosts().erase(found);
}

void SyncPlace(HWND hwnd, const Snapshot& s) {
  auto found = Places().find(hwnd);
  if (found == Places().end()) return;
  Place& place = found->second;
  if (!s.exists || !place.container || s.root != place.root) {
    if (GtkWidget* container = place.container) {
      g_object_remove_weak_pointer(G_OBJECT(container),
                                   reinterpret_cast<gpointer*>(&place.container));
      gtk_widget_destroy(container);
    }
    Places().erase(found);
    return;
  }
  Host* host = FindHost(place.root);
  if (!host || !host->layout) return;
  gtk_fixed_move(GTK_FIXED(host->layout), place.container, s.offset.x, s.offset.y);
  gtk_widget_set_size_request(place.container, std::max<LONG>(1, Width(s.rect)),
                              std::max<LONG>(1, Height(s.rect)));
  gtk_widget_set_visible(place.container, s.visible);
}

// Children follow their ancestors' moves and visibility, of which they hear nothing themselves.
void SyncPlaces() {
  std::vector<HWND> children;
  for (auto& [child, place] : Places()) children.push_back(child);
  for (HWND child : children) SyncPlace(child, Take(child));
}

}  // namespace

void SyncWindow(HWND hwnd) {
  Snapshot s = Take(hwnd);
  if (!s.exists) {
    DropHost(hwnd);
  } else if (!s.child) {
    Host* host = FindHost(hwnd);
    if (s.visible || (host && host->window)) {
      Host& made = MakeHost(hwnd, s);
      ApplyLooks(made, s);
      for (auto& [owned, other] : Hosts())
        if (other->owner == hwnd) FollowOwner(*other);
      // A minimised window keeps the rectangle it had; the window manager shows its icon.
      if (!(s.style & WS_MINIMIZE)) ApplyGeometry(made, s);
      ApplyState(made, s);
    }
  }
  SyncPlaces();
}

void SetWindowImage(HWND hwnd, SurfacePtr image) {
  // An image arriving after its window is gone, or painted by a child, has nowhere to go.
  Snapshot s = Take(hwnd);
  if (!s.exists || s.child) return;
  auto& slot = Hosts()[hwnd];
  if (!slot) {
    slot = std::make_unique<Host>();
    slot->hwnd = hwnd;
  }
  slot->image = std::move(image);
  if (slot->canvas) gtk_widget_queue_draw(slot->canvas);
}

GtkWidget* ContainerFor(HWND child) {
  Snapshot s = Take(child);
  if (!s.exists || !s.child || !s.root) return nullptr;
  auto found = Places().find(child);
  if (found != Places().end() && found->second.container) return found->second.container;
  Snapshot root = Take(s.root);
  Host& host = MakeHost(s.root, root);
  Place& place = Places()[child];
  place.root = s.root;
  place.container = gtk_event_box_new();
  gtk_event_box_set_visible_window(GTK_EVENT_BOX(place.container), FALSE);
  g_object_add_weak_pointer(G_OBJECT(place.container),
                            reinterpret_cast<gpointer*>(&place.container));
  gtk_fixed_put(GTK_FIXED(host.layout), place.container, s.offset.x, s.offset.y);
  SyncPlace(child, s);
  return place.container;
}

GtkWindow* GtkWindowOf(HWND hwnd) {
  Host* host = hwnd ? FindHost(hwnd) : nullptr;
  return host && host->window ? GTK_WINDOW(host->window) : nullptr;
}

HWND WindowOfGtk(GtkWindow* window) {
  for (auto& [hwnd, host] : Hosts())
    if (host->window == GTK_WIDGET(window)) return hwnd;
  return nullptr;
}

}  // namespace win32::internal::gtk
