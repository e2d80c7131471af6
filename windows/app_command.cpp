#include "app_command.h"

#include "split_string.h"

bool ParseAppCommand(const std::wstring& url, AppCommand* command) {
  static const wchar_t kPrefix[] = L"app:";
  const size_t prefixLength = sizeof(kPrefix) / sizeof(kPrefix[0]) - 1;
  if (url.compare(0, prefixLength, kPrefix) != 0) return false;
  std::vector<std::wstring> tokens = SplitString(url.substr(prefixLength), L"||");
  if (tokens.empty()) return false;
  command->name = tokens.front();
  command->arguments.assign(tokens.begin() + 1, tokens.end());
  return true;
}
