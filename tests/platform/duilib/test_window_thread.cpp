#include "test_window_thread.h"

#include <future>

#include "UIlib.h"
#include "win32/testing/window_view.h"

namespace duilib_test {

WindowThread::WindowThread(const std::function<HWND()>& create) {
  std::promise<std::pair<HWND, DWORD>> started;
  std::future<std::pair<HWND, DWORD>> made = started.get_future();
  thread_ = std::thread([&started, create] {
    MSG msg;
    ::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);  // the thread's queue exists from here
    HWND hwnd = create();
    started.set_value({hwnd, ::GetCurrentThreadId()});
    DuiLib::CPaintManagerUI::MessageLoop();
  });
  std::pair<HWND, DWORD> result = made.get();
  hwnd_ = result.first;
  thread_id_ = result.second;
}

WindowThread::~WindowThread() {
  if (hwnd_ != nullptr && ::IsWindow(hwnd_)) {
    win32::testing::RunOnWindowThread(hwnd_, [this] { ::DestroyWindow(hwnd_); });
  }
  ::PostThreadMessageW(thread_id_, WM_QUIT, 0, 0);
  thread_.join();
}

void WindowThread::Run(const std::function<void()>& fn) const {
  win32::testing::RunOnWindowThread(hwnd_, fn);
}

}  // namespace duilib_test
