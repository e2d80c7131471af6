// A program entered through the platform's main(): prints what WinMain was given, one item a
// line, UTF-8.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {
std::string Utf8(const std::wstring& text) {
  int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string out(size, '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, out.data(), size, nullptr, nullptr);
  out.resize(size - 1);
  return out;
}
}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR command_line, int show_command) {
  std::printf("instance=%d previous=%d show=%d\n", instance == GetModuleHandleW(nullptr),
              previous == nullptr, show_command);
  std::printf("args=%s\n", command_line);
  std::printf("line=%s\n", Utf8(GetCommandLineW()).c_str());
  return 3;
}
