#include "ui_thread.h"

#include <condition_variable>
#include <mutex>

#include "message_log.h"
#include "win32/testing/window_view.h"

namespace win32_test {

UiThread::UiThread() {
  std::mutex lock;
  std::condition_variable ready;
  bool started = false;
  thread_ = std::thread([&, this] {
    HWND anchor = CreateLogged(WS_POPUP);
    {
      std::lock_guard<std::mutex> held(lock);
      anchor_ = anchor;
      thread_id_ = GetCurrentThreadId();
      started = true;
      // Under the lock: once the constructor sees |started| it returns and |ready| is gone.
      ready.notify_all();
    }
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
  });
  std::unique_lock<std::mutex> held(lock);
  ready.wait(held, [&] { return started; });
}

UiThread::~UiThread() {
  Run([] { PostQuitMessage(0); });
  thread_.join();
}

void UiThread::Run(const std::function<void()>& fn) { win32::testing::RunOnWindowThread(anchor_, fn); }

}  // namespace win32_test
