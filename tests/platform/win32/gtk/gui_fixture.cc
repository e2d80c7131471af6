#include "gui_fixture.h"

#include <gtest/gtest.h>

#include <X11/Xatom.h>
#include <fcntl.h>
#include <gdk/gdkx.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <future>

#include "gtk/gui_thread.h"
#include "win32/gtk_host.h"

namespace gtk_test {

namespace {

constexpr UINT kCall = WM_APP + 1;
constexpr int kSettleRounds = 1000;
const wchar_t kClass[] = L"GtkDesktopTestWindow";

class GuiEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    setenv("QUELLIX_BACKEND", "real", 1);
    std::promise<std::pair<bool, DWORD>> adopted;
    auto result = adopted.get_future();
    thread_ = std::thread([&adopted] {
      bool ok = Win32GtkAdoptThread();
      adopted.set_value({ok, GetCurrentThreadId()});
      if (!ok) return;
      MSG msg;
      while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
      }
    });
    auto [ok, id] = result.get();
    thread_id_ = id;
    ASSERT_TRUE(ok) << "no GTK display to adopt";
  }
  void TearDown() override {
    PostThreadMessageW(thread_id_, WM_QUIT, 0, 0);
    thread_.join();
  }

 private:
  std::thread thread_;
  DWORD thread_id_ = 0;
};

::testing::Environment* const g_gui = ::testing::AddGlobalTestEnvironment(new GuiEnvironment);

// Runs GTK's pending events, unless the GUI thread serves this from inside the handler of one
// (waiting there for a window's answer), where running the next events would reorder them.
void PumpGtk() {
  if (GdkEvent* current = gtk_get_current_event()) {
    gdk_event_free(current);
    return;
  }
  while (gtk_events_pending()) gtk_main_iteration_do(FALSE);
}

void RegisterClassOnce() {
  static std::once_flag registered;
  std::call_once(registered, [] {
    WNDCLASSEXW info{};
    info.cbSize = sizeof(info);
    info.style = CS_DBLCLKS;
    info.lpfnWndProc = [](HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) -> LRESULT {
      return DefWindowProcW(hwnd, message, wparam, lparam);
    };
    info.hInstance = GetModuleHandleW(nullptr);
    info.lpszClassName = kClass;
    RegisterClassExW(&info);
  });
}

}  // namespace

void OnGui(const std::function<void()>& fn) {
  ASSERT_TRUE(win32::internal::gtk::RunOnGui(fn));
}

bool EventuallyOnGui(const std::function<bool()>& condition) {
  for (int round = 0; round < kSettleRounds; ++round) {
    bool holds = false;
    OnGui([&] {
      PumpGtk();
      holds = condition();
    });
    if (holds) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return false;
}

void DrainPostedFromGui(TestWindow& window) {
  const UINT marker = WM_APP + 9;
  OnGui(PumpGtk);
  PostMessageW(window.hwnd(), marker, 0, 0);
  ASSERT_TRUE(EventuallyOnGui([&] { return window.Saw(marker); }));
}

HWND CreateTestWindow(const wchar_t* caption, DWORD ex_style, DWORD style, RECT rect, HWND owner) {
  RegisterClassOnce();
  return CreateWindowExW(ex_style, kClass, caption, style, rect.left, rect.top,
                         rect.right - rect.left, rect.bottom - rect.top, owner, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
}

bool RunCommand(const std::string& command) { return std::system(command.c_str()) == 0; }

namespace {

bool WindowManagerAnnounced() {
  GdkDisplay* display = gdk_display_get_default();
  if (!GDK_IS_X11_DISPLAY(display)) return false;
  Display* x = GDK_DISPLAY_XDISPLAY(display);
  Atom check = XInternAtom(x, "_NET_SUPPORTING_WM_CHECK", False);
  Atom type = None;
  int format = 0;
  unsigned long count = 0, left = 0;
  unsigned char* data = nullptr;
  gdk_x11_display_error_trap_push(display);
  int status = XGetWindowProperty(x, DefaultRootWindow(x), check, 0, 1, False, XA_WINDOW, &type,
                                  &format, &count, &left, &data);
  gdk_x11_display_error_trap_pop_ignored(display);
  bool announced = status == Success && type == XA_WINDOW && count == 1;
  if (data) XFree(data);
  return announced;
}

// Openbox announces itself before it takes over the mapping of windows, and never manages a
// window mapped in between: true once a probe window gets a frame, mapped again now and then.
bool ManagesNewWindows() {
  GtkWidget* probe = nullptr;
  int round = 0;
  bool framed = EventuallyOnGui([&] {
    if (!probe) {
      probe = gtk_window_new(GTK_WINDOW_TOPLEVEL);
      gtk_window_set_default_size(GTK_WINDOW(probe), 20, 20);
    }
    if (round++ % 50 == 0) {
      gtk_widget_hide(probe);
      gtk_widget_show(probe);
    }
    GdkWindow* gdk = gtk_widget_get_window(probe);
    if (!gdk || !gdk_window_is_viewable(gdk)) return false;
    Display* x = GDK_WINDOW_XDISPLAY(gdk);
    ::Window root = 0, parent = 0, *children = nullptr;
    unsigned int count = 0;
    gdk_x11_display_error_trap_push(gdk_window_get_display(gdk));
    bool asked = XQueryTree(x, GDK_WINDOW_XID(gdk), &root, &parent, &children, &count);
    gdk_x11_display_error_trap_pop_ignored(gdk_window_get_display(gdk));
    if (asked && children) XFree(children);
    return asked && parent != root;
  });
  OnGui([&] {
    if (probe) gtk_widget_destroy(probe);
  });
  return framed;
}

}  // namespace

WindowManager::WindowManager() {
  char program[] = "openbox";
  char quiet[] = "--sm-disable";
  char* argv[] = {program, quiet, nullptr};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  if (posix_spawnp(&pid_, program, &actions, nullptr, argv, environ) != 0) pid_ = -1;
  posix_spawn_file_actions_destroy(&actions);
  running_ = pid_ > 0 && EventuallyOnGui(WindowManagerAnnounced) && ManagesNewWindows();
}

WindowManager::~WindowManager() {
  if (pid_ <= 0) return;
  kill(pid_, SIGTERM);
  waitpid(pid_, nullptr, 0);
}

TestWindow::TestWindow(const wchar_t* caption, DWORD style, RECT rect) {
  RegisterClassOnce();
  std::promise<void> created;
  auto ready = created.get_future();
  thread_ = std::thread([this, caption, style, rect, &created] {
    hwnd_ = CreateWindowExW(0, kClass, caption, style, rect.left, rect.top, rect.right - rect.left,
                            rect.bottom - rect.top, nullptr, nullptr, GetModuleHandleW(nullptr), this);
    SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TestWindow::Proc));
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    thread_id_ = GetCurrentThreadId();
    created.set_value();
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    if (IsWindow(hwnd_)) DestroyWindow(hwnd_);
  });
  ready.wait();
}

TestWindow::~TestWindow() {
  PostThreadMessageW(thread_id_, WM_QUIT, 0, 0);
  thread_.join();
}

void TestWindow::Call(const std::function<void()>& fn) {
  SendMessageW(hwnd_, kCall, 0, reinterpret_cast<LPARAM>(&fn));
}

std::vector<Seen> TestWindow::Log() {
  std::lock_guard<std::mutex> held(lock_);
  return log_;
}

bool TestWindow::Saw(UINT message) {
  std::lock_guard<std::mutex> held(lock_);
  for (const Seen& seen : log_)
    if (seen.message == message) return true;
  return false;
}

void TestWindow::SetHitTest(LRESULT hit) {
  std::lock_guard<std::mutex> held(lock_);
  hit_ = hit;
}

LRESULT CALLBACK TestWindow::Proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* self = reinterpret_cast<TestWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (message == kCall) {
    (*reinterpret_cast<const std::function<void()>*>(lparam))();
    return 0;
  }
  if (self) {
    std::lock_guard<std::mutex> held(self->lock_);
    self->log_.push_back(Seen{message, wparam, lparam, GetCurrentThreadId()});
    if (message == WM_NCHITTEST) return self->hit_;
  }
  return DefWindowProcW(hwnd, message, wparam, lparam);
}

}  // namespace gtk_test
