// A window class whose procedure records every message it gets, for comparing sequences.
#pragma once

#include <windows.h>

#include <mutex>
#include <string>
#include <vector>

namespace win32_test {

struct Logged {
  HWND hwnd;
  UINT message;
  WPARAM wparam;
  LPARAM lparam;
  DWORD thread_id = 0;  // the thread the procedure ran on
};

// Records messages of windows of the "LoggedWindow" class; thread-safe.
class MessageLog {
 public:
  static MessageLog& Instance();
  void Add(const Logged& entry);
  void Clear();
  std::vector<Logged> Entries();
  // Message numbers received by one window, in order.
  std::vector<UINT> MessagesOf(HWND hwnd);

 private:
  std::mutex lock_;
  std::vector<Logged> entries_;
};

// Registers the class once; its procedure logs, then passes everything to DefWindowProcW.
const wchar_t* LoggedClass();

// Creates a logged window with the given styles on the calling thread.
HWND CreateLogged(DWORD style, HWND parent = nullptr, int x = 10, int y = 20, int width = 300,
                  int height = 200, DWORD ex_style = 0);

}  // namespace win32_test
