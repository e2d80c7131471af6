#include "window_thread.h"

#include <future>

#include "UIlib.h"

namespace {

const UINT kRunMessage = WM_APP + 1;

}  // namespace

WindowThread::WindowThread() {
  std::promise<DWORD> started;
  std::future<DWORD> id = started.get_future();
  thread_ = std::thread([this, &started] {
    MSG msg;
    PeekMessageW(&msg, NULL, 0, 0, PM_NOREMOVE);  // makes the queue
    started.set_value(GetCurrentThreadId());
    Loop();
  });
  thread_id_ = id.get();
}

WindowThread::~WindowThread() {
  PostThreadMessageW(thread_id_, WM_QUIT, 0, 0);
  thread_.join();
}

void WindowThread::Run(const std::function<void()>& fn) {
  std::promise<void> done;
  std::function<void()> task = [&] {
    fn();
    done.set_value();
  };
  PostThreadMessageW(thread_id_, kRunMessage, 0, reinterpret_cast<LPARAM>(&task));
  done.get_future().wait();
}

void WindowThread::Loop() {
  MSG msg;
  while (GetMessageW(&msg, NULL, 0, 0) > 0) {
    if (msg.hwnd == NULL && msg.message == kRunMessage) {
      (*reinterpret_cast<std::function<void()>*>(msg.lParam))();
      continue;
    }
    if (!DuiLib::CPaintManagerUI::TranslateMessage(&msg)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
}
