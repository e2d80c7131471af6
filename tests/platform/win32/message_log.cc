#include "message_log.h"

namespace win32_test {

MessageLog& MessageLog::Instance() {
  static MessageLog log;
  return log;
}

void MessageLog::Add(const Logged& entry) {
  std::lock_guard<std::mutex> held(lock_);
  entries_.push_back(entry);
}

void MessageLog::Clear() {
  std::lock_guard<std::mutex> held(lock_);
  entries_.clear();
}

std::vector<Logged> MessageLog::Entries() {
  std::lock_guard<std::mutex> held(lock_);
  return entries_;
}

std::vector<UINT> MessageLog::MessagesOf(HWND hwnd) {
  std::vector<UINT> messages;
  for (const Logged& entry : Entries())
    if (entry.hwnd == hwnd) messages.push_back(entry.message);
  return messages;
}

namespace {

LRESULT CALLBACK LoggingProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  MessageLog::Instance().Add(Logged{hwnd, message, wparam, lparam, GetCurrentThreadId()});
  return DefWindowProcW(hwnd, message, wparam, lparam);
}

}  // namespace

const wchar_t* LoggedClass() {
  static const bool registered = [] {
    WNDCLASSEXW window_class{};
    window_class.cbSize = sizeof(window_class);
    window_class.lpfnWndProc = LoggingProc;
    window_class.lpszClassName = L"LoggedWindow";
    return RegisterClassExW(&window_class) != 0;
  }();
  (void)registered;
  return L"LoggedWindow";
}

HWND CreateLogged(DWORD style, HWND parent, int x, int y, int width, int height, DWORD ex_style) {
  return CreateWindowExW(ex_style, LoggedClass(), L"logged", style, x, y, width, height, parent,
                         nullptr, GetModuleHandleW(nullptr), nullptr);
}

}  // namespace win32_test
