#include "kernel/debug_output.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>

namespace win32::internal {

namespace {

std::mutex& Lock() {
  static std::mutex* lock = new std::mutex;
  return *lock;
}

std::vector<std::wstring>& Lines() {
  static auto* lines = new std::vector<std::wstring>;
  return *lines;
}

bool EchoToStderr() {
  const char* value = std::getenv("QUELLIX_DEBUG_OUTPUT");
  return value && std::strcmp(value, "1") == 0;
}

}  // namespace

std::vector<std::wstring> DebugOutputLines() {
  std::lock_guard<std::mutex> held(Lock());
  return Lines();
}

void ClearDebugOutput() {
  std::lock_guard<std::mutex> held(Lock());
  Lines().clear();
}

void WriteDebugOutput(const std::wstring& text, const std::string& utf8) {
  {
    std::lock_guard<std::mutex> held(Lock());
    Lines().push_back(text);
  }
  if (EchoToStderr()) std::fprintf(stderr, "%s", utf8.c_str());
}

}  // namespace win32::internal

namespace {

std::string ToUtf8(const std::wstring& text) {
  int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string out(size > 0 ? size : 1, '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, out.data(), size, nullptr, nullptr);
  out.resize(out.size() - 1);
  return out;
}

}  // namespace

void WINAPI OutputDebugStringW(LPCWSTR text) {
  std::wstring wide = text ? text : L"";
  win32::internal::WriteDebugOutput(wide, ToUtf8(wide));
}

void WINAPI OutputDebugStringA(LPCSTR text) {
  std::string narrow = text ? text : "";
  int size = MultiByteToWideChar(CP_ACP, 0, narrow.c_str(), -1, nullptr, 0);
  std::wstring wide(size > 0 ? size : 1, L'\0');
  MultiByteToWideChar(CP_ACP, 0, narrow.c_str(), -1, wide.data(), size);
  wide.resize(wide.size() - 1);
  win32::internal::WriteDebugOutput(wide, ToUtf8(wide));
}
