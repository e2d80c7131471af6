// Page commands: the text after "app:" split at runs of separators into trimmed pieces.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <cwctype>
#include <string>
#include <vector>

#include "include/internal/cef_string.h"
#include "windows/app_command.h"
#include "windows/split_string.h"

namespace {

std::wstring Wide(const std::string& utf8) { return CefString(utf8).ToWString(); }

void Require(bool condition) {
  if (!condition) std::abort();
}

// Every piece is non-empty, trimmed and free of separator characters.
void CheckPieces(const std::vector<std::wstring>& pieces, const std::wstring& separator) {
  for (const std::wstring& piece : pieces) {
    Require(!piece.empty());
    Require(!std::iswspace(piece.front()) && !std::iswspace(piece.back()));
    Require(separator.empty() || piece.find_first_of(separator) == std::wstring::npos);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  const std::wstring separator = Wide(input.ConsumeRandomLengthString(8));
  const std::wstring text = Wide(input.ConsumeRemainingBytesAsString());

  CheckPieces(SplitString(text, separator), separator);
  const std::vector<std::wstring> commandPieces = SplitString(text, L"||");
  CheckPieces(commandPieces, L"||");

  AppCommand command;
  const bool parsed = ParseAppCommand(L"app:" + text, &command);
  Require(parsed == !commandPieces.empty());
  if (parsed) {
    Require(command.name == commandPieces.front());
    Require(command.arguments.size() + 1 == commandPieces.size());
  }
  Require(!ParseAppCommand(L"APP:" + text, &command));
  return 0;
}
