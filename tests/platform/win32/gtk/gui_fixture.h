// A GUI thread adopted by the GTK desktop for the whole test program, and top-level windows that
// live on threads of their own and log what reaches their procedures.
#pragma once

#include <gtk/gtk.h>
#include <windows.h>

#include <sys/types.h>

#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace gtk_test {

struct Seen {
  UINT message;
  WPARAM wparam;
  LPARAM lparam;
  DWORD thread;
};

// Runs fn on the GUI thread and waits.
void OnGui(const std::function<void()>& fn);

// Lets the GUI thread run what is pending, then asks the condition there; repeats a bounded
// number of times. True as soon as it holds.
bool EventuallyOnGui(const std::function<bool()>& condition);

// Runs a command line (xdotool); true when it ended with 0.
bool RunCommand(const std::string& command);

// A window manager (openbox) on the test's display for as long as it lives, for what only a
// window manager does: maximising, and forgetting the state of a window it stops managing.
class WindowManager {
 public:
  WindowManager();
  ~WindowManager();
  WindowManager(const WindowManager&) = delete;
  WindowManager& operator=(const WindowManager&) = delete;

  // False when none could be started, or it never announced itself or took a window.
  bool running() const { return running_; }

 private:
  pid_t pid_ = -1;
  bool running_ = false;
};

// A top-level window of the test class on the calling thread (the GUI thread, say), whose
// procedure is the default one.
HWND CreateTestWindow(const wchar_t* caption, DWORD ex_style, DWORD style, RECT rect, HWND owner);

class TestWindow;

// Returns once the window has handled everything the GUI thread posted to it so far.
void DrainPostedFromGui(TestWindow& window);

class TestWindow {
 public:
  TestWindow(const wchar_t* caption, DWORD style, RECT rect);
  ~TestWindow();
  TestWindow(const TestWindow&) = delete;
  TestWindow& operator=(const TestWindow&) = delete;

  HWND hwnd() const { return hwnd_; }
  DWORD thread() const { return thread_id_; }
  // Runs fn on the window's thread and waits.
  void Call(const std::function<void()>& fn);
  std::vector<Seen> Log();
  bool Saw(UINT message);
  // What the window answers to WM_NCHITTEST.
  void SetHitTest(LRESULT hit);

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);

  std::thread thread_;
  HWND hwnd_ = nullptr;
  DWORD thread_id_ = 0;
  std::mutex lock_;
  std::vector<Seen> log_;
  LRESULT hit_ = HTCLIENT;
};

}  // namespace gtk_test
