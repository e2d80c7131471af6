// The process entry: what the Windows runtime does before WinMain.
#include <windows.h>

#include <clocale>
#include <string>
#include <vector>

#include "desktop/desktop.h"
#include "kernel/command_line_text.h"
#include "kernel/process_state.h"

namespace {

std::wstring Widen(const char* text) {
  int size = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
  if (size <= 0) return std::wstring();
  std::wstring wide(size, L'\0');
  MultiByteToWideChar(CP_ACP, 0, text, -1, wide.data(), size);
  wide.resize(size - 1);
  return wide;
}

std::string Narrow(const std::wstring& text) {
  int size = WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
  if (size <= 0) return std::string();
  std::string narrow(size, '\0');
  WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, narrow.data(), size, nullptr, nullptr);
  narrow.resize(size - 1);
  return narrow;
}

}  // namespace

int main(int argc, char** argv) {
  std::setlocale(LC_ALL, "");
  win32::internal::PreferRealDesktop();
  std::vector<std::wstring> arguments;
  for (int i = 0; i < argc; ++i) arguments.push_back(Widen(argv[i]));
  std::wstring command_line = win32::internal::QuoteCommandLine(arguments);
  win32::internal::SetProcessCommandLine(command_line);
  static std::string narrow_arguments =
      Narrow(win32::internal::ArgumentsAfterProgram(command_line));
  return WinMain(GetModuleHandleW(nullptr), nullptr, narrow_arguments.data(), SW_SHOWDEFAULT);
}
