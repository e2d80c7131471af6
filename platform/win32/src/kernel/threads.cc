// Thread identity, time and the calling thread's last error.
#include <windows.h>

#include <unistd.h>

#include <chrono>
#include <thread>

#include "user/model.h"

namespace {
thread_local DWORD t_last_error = 0;
}

DWORD WINAPI GetLastError() { return t_last_error; }

void WINAPI SetLastError(DWORD error) { t_last_error = error; }

DWORD WINAPI GetCurrentThreadId() { return win32::internal::CurrentThreadIdValue(); }

DWORD WINAPI GetCurrentProcessId() { return static_cast<DWORD>(getpid()); }

DWORD WINAPI GetTickCount() {
  auto since_boot = std::chrono::steady_clock::now().time_since_epoch();
  return static_cast<DWORD>(
      std::chrono::duration_cast<std::chrono::milliseconds>(since_boot).count());
}

void WINAPI Sleep(DWORD milliseconds) {
  if (milliseconds == 0)
    std::this_thread::yield();
  else
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}
