#include <shellapi.h>

#include <cstdlib>
#include <cstring>

#include "kernel/command_line_text.h"

LPWSTR* WINAPI CommandLineToArgvW(LPCWSTR command_line, int* count) {
  if (!count) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  std::vector<std::wstring> arguments;
  if (command_line && *command_line) {
    arguments = win32::internal::SplitCommandLine(command_line);
  } else {
    wchar_t program[MAX_PATH];
    arguments.push_back(GetModuleFileNameW(nullptr, program, MAX_PATH) ? program : L"");
  }
  size_t bytes = (arguments.size() + 1) * sizeof(LPWSTR);
  for (const std::wstring& argument : arguments) bytes += (argument.size() + 1) * sizeof(wchar_t);
  auto* block = static_cast<LPWSTR*>(std::malloc(bytes));
  if (!block) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  auto* text = reinterpret_cast<wchar_t*>(block + arguments.size() + 1);
  for (size_t i = 0; i < arguments.size(); ++i) {
    block[i] = text;
    std::wmemcpy(text, arguments[i].c_str(), arguments[i].size() + 1);
    text += arguments[i].size() + 1;
  }
  block[arguments.size()] = nullptr;
  *count = static_cast<int>(arguments.size());
  return block;
}

HLOCAL WINAPI LocalFree(HLOCAL memory) {
  std::free(memory);
  return nullptr;
}
