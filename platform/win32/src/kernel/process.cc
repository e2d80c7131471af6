// The process's command line, module and temporary folder.
#include "kernel/process_state.h"

#include <windows.h>

#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <mutex>
#include <vector>

namespace win32::internal {

namespace {

std::mutex& Lock() {
  static std::mutex* lock = new std::mutex;
  return *lock;
}

// Every command line ever set stays alive: GetCommandLineW's pointer must not dangle.
std::vector<std::wstring*>& CommandLines() {
  static auto* lines = new std::vector<std::wstring*>{new std::wstring};
  return *lines;
}

std::atomic<bool> g_temp_path_fails{false};
std::atomic<bool> g_co_initialize_fails{false};

}  // namespace

void SetProcessCommandLine(const std::wstring& command_line) {
  std::lock_guard<std::mutex> held(Lock());
  CommandLines().push_back(new std::wstring(command_line));
}

void SetTempPathFails(bool fails) { g_temp_path_fails = fails; }
void SetCoInitializeFails(bool fails) { g_co_initialize_fails = fails; }
bool CoInitializeFails() { return g_co_initialize_fails; }

}  // namespace win32::internal

using namespace win32::internal;

LPWSTR WINAPI GetCommandLineW() {
  std::lock_guard<std::mutex> held(Lock());
  return CommandLines().back()->data();
}

HMODULE WINAPI GetModuleHandleW(LPCWSTR module_name) {
  if (module_name) {
    SetLastError(ERROR_FILE_NOT_FOUND);
    return nullptr;
  }
  static HINSTANCE__ instance{};
  return &instance;
}

DWORD WINAPI GetModuleFileNameW(HMODULE module, LPWSTR filename, DWORD size) {
  if (!filename || size == 0) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return 0;
  }
  char path[4096];
  ssize_t length = readlink("/proc/self/exe", path, sizeof(path) - 1);
  if (length <= 0) {
    SetLastError(ERROR_FILE_NOT_FOUND);
    return 0;
  }
  path[length] = 0;
  std::wstring wide;
  int needed = MultiByteToWideChar(CP_ACP, 0, path, -1, nullptr, 0);
  wide.resize(needed);
  MultiByteToWideChar(CP_ACP, 0, path, -1, wide.data(), needed);
  wide.resize(needed - 1);
  // Like Win32: a truncated, terminated name and ERROR_INSUFFICIENT_BUFFER.
  if (wide.size() >= size) {
    std::wmemcpy(filename, wide.data(), size - 1);
    filename[size - 1] = 0;
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return size;
  }
  std::wmemcpy(filename, wide.data(), wide.size() + 1);
  return static_cast<DWORD>(wide.size());
}

DWORD WINAPI GetTempPathW(DWORD buffer_length, LPWSTR buffer) {
  if (g_temp_path_fails) {
    SetLastError(ERROR_PATH_NOT_FOUND);
    return 0;
  }
  const char* folder = std::getenv("TMPDIR");
  if (!folder || !*folder) folder = "/tmp";
  int needed = MultiByteToWideChar(CP_ACP, 0, folder, -1, nullptr, 0);
  if (needed <= 0) return 0;
  std::wstring path(needed, L'\0');
  MultiByteToWideChar(CP_ACP, 0, folder, -1, path.data(), needed);
  path.resize(needed - 1);
  if (path.back() != L'/') path.push_back(L'/');
  if (!buffer || path.size() + 1 > buffer_length) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return 0;
  }
  std::wmemcpy(buffer, path.c_str(), path.size() + 1);
  return static_cast<DWORD>(path.size());
}
