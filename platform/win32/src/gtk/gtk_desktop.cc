#include "gtk/gtk_desktop.h"

#include <gtk/gtk.h>

#include <cstdlib>
#include <memory>

#include "gtk/gobject_ptr.h"
#include "gtk/gui_thread.h"
#include "gtk/hot_key_grabs.h"
#include "gtk/message_box_dialog.h"
#include "gtk/popup_menu.h"
#include "gtk/tray_icons.h"
#include "gtk/web_address.h"
#include "gtk/window_host.h"
#include "win32/gtk_host.h"

namespace win32::internal::gtk {

namespace {

constexpr uintptr_t kShellDone = 42;
constexpr uintptr_t kShellNoAssociation = 31;  // SE_ERR_NOASSOC

bool HasDisplay() {
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY"}) {
    const char* value = std::getenv(name);
    if (value && *value) return true;
  }
  return false;
}

}  // namespace

GtkDesktop& GtkDesktop::Instance() {
  static GtkDesktop* desktop = new GtkDesktop;
  return *desktop;
}

SIZE GtkDesktop::ScreenSize() {
  std::lock_guard<std::mutex> held(lock_);
  return screen_;
}

RECT GtkDesktop::WorkArea() {
  std::lock_guard<std::mutex> held(lock_);
  return work_area_;
}

POINT GtkDesktop::CursorPos() {
  std::lock_guard<std::mutex> held(lock_);
  return cursor_;
}

void GtkDesktop::SetCursorPos(POINT point) {
  {
    std::lock_guard<std::mutex> held(lock_);
    cursor_ = point;
  }
  PostToGui([point] {
    GdkDisplay* display = gdk_display_get_default();
    GdkSeat* seat = display ? gdk_display_get_default_seat(display) : nullptr;
    GdkDevice* pointer = seat ? gdk_seat_get_pointer(seat) : nullptr;
    if (pointer)
      gdk_device_warp(pointer, gdk_display_get_default_screen(display), point.x, point.y);
  });
}

bool GtkDesktop::IsKeyDown(int virtual_key) {
  std::lock_guard<std::mutex> held(lock_);
  return keys_down_.count(virtual_key) != 0;
}

int GtkDesktop::AskMessageBox(const MessageBoxRequest& request) {
  int answer = 0;
  RunOnGui([&] { answer = RunMessageBox(request); });
  return answer;
}

UINT_PTR GtkDesktop::ChooseMenuItem(const MenuRequest& request) {
  UINT_PTR chosen = 0;
  RunOnGui([&] { chosen = RunPopupMenu(request); });
  return chosen;
}

// Only web addresses leave the program, and never through a command line.
HINSTANCE GtkDesktop::OpenWithShell(const ShellRequest& request) {
  bool opened = false;
  if ((request.verb.empty() || request.verb == L"open") && IsWebAddress(request.file))
    opened = OpenWebAddress(request.file);
  return reinterpret_cast<HINSTANCE>(opened ? kShellDone : kShellNoAssociation);
}

void GtkDesktop::WindowChanged(HWND hwnd) {
  PostToGui([hwnd] {
    SyncWindow(hwnd);
    // A window takes its hot keys and tray icons with it.
    if (!IsWindow(hwnd)) {
      SyncHotKeys();
      SyncTrayIcons();
    }
  });
}

// The GUI thread would reach the posted change only after the window's first paint, which it
// runs itself; the window goes on the screen first, and its image follows. Other threads' windows
// are put on the screen by the posted change as soon as the GUI thread is free.
void GtkDesktop::WindowShown(HWND hwnd) {
  if (!OnGuiThread()) return;
  SyncWindow(hwnd);
  gdk_display_flush(gdk_display_get_default());
}

void GtkDesktop::HotKeysChanged() { PostToGui(SyncHotKeys); }

void GtkDesktop::TrayChanged() { PostToGui(SyncTrayIcons); }

void GtkDesktop::PresentSurface(HWND hwnd, cairo_surface_t* surface) {
  int width = cairo_image_surface_get_width(surface);
  int height = cairo_image_surface_get_height(surface);
  if (width <= 0 || height <= 0) return;
  std::shared_ptr<cairo_surface_t> copy(
      cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height), cairo_surface_destroy);
  {
    cairo_t* cr = cairo_create(copy.get());
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_surface(cr, surface, 0, 0);
    cairo_paint(cr);
    cairo_destroy(cr);
  }
  cairo_surface_flush(copy.get());
  PostToGui([hwnd, copy] {
    SetWindowImage(hwnd, SurfacePtr(cairo_surface_reference(copy.get())));
  });
}

void GtkDesktop::Adopted() {
  RefreshScreen();
  GdkScreen* screen = gdk_screen_get_default();
  auto refresh = +[](GdkScreen*, gpointer) { GtkDesktop::Instance().RefreshScreen(); };
  g_signal_connect(screen, "size-changed", G_CALLBACK(refresh), nullptr);
  g_signal_connect(screen, "monitors-changed", G_CALLBACK(refresh), nullptr);
  SyncHotKeys();
  SyncTrayIcons();
}

void GtkDesktop::NoteCursor(double x_root, double y_root) {
  std::lock_guard<std::mutex> held(lock_);
  cursor_ = POINT{static_cast<LONG>(x_root), static_cast<LONG>(y_root)};
}

void GtkDesktop::NoteKey(UINT virtual_key, bool down) {
  std::lock_guard<std::mutex> held(lock_);
  if (down)
    keys_down_.insert(static_cast<int>(virtual_key));
  else
    keys_down_.erase(static_cast<int>(virtual_key));
}

void GtkDesktop::RefreshScreen() {
  GdkDisplay* display = gdk_display_get_default();
  if (!display) return;
  GdkMonitor* monitor = gdk_display_get_primary_monitor(display);
  if (!monitor) monitor = gdk_display_get_monitor(display, 0);
  if (!monitor) return;
  GdkRectangle geometry, work;
  gdk_monitor_get_geometry(monitor, &geometry);
  gdk_monitor_get_workarea(monitor, &work);
  std::lock_guard<std::mutex> held(lock_);
  screen_ = SIZE{geometry.x + geometry.width, geometry.y + geometry.height};
  work_area_ = RECT{work.x, work.y, work.x + work.width, work.y + work.height};
}

}  // namespace win32::internal::gtk

namespace win32::internal {

Desktop* RealDesktop() { return gtk::HasDisplay() ? &gtk::GtkDesktop::Instance() : nullptr; }

}  // namespace win32::internal

using win32::internal::gtk::GtkDesktop;

bool Win32GtkAdoptThread() {
  if (&win32::internal::TheDesktop() != &GtkDesktop::Instance()) return false;
  if (!win32::internal::gtk::AdoptGuiThread()) return false;
  GtkDesktop::Instance().Adopted();
  return true;
}

bool Win32GtkIsGuiThread() { return win32::internal::gtk::OnGuiThread(); }

GtkWidget* Win32GtkContainerFor(HWND child) {
  if (!win32::internal::gtk::OnGuiThread()) return nullptr;
  return win32::internal::gtk::ContainerFor(child);
}
