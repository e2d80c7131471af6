#include "split_string.h"

#include <cwctype>

namespace {

std::wstring Trim(const std::wstring& piece) {
  size_t first = 0;
  size_t last = piece.size();
  while (first < last && std::iswspace(piece[first])) ++first;
  while (last > first && std::iswspace(piece[last - 1])) --last;
  return piece.substr(first, last - first);
}

}  // namespace

std::vector<std::wstring> SplitString(std::wstring text, std::wstring separator) {
  std::vector<std::wstring> tokens;
  size_t position = 0;
  while (position < text.size()) {
    const size_t start = text.find_first_not_of(separator, position);
    if (start == std::wstring::npos) break;
    size_t end = text.find_first_of(separator, start);
    if (end == std::wstring::npos) end = text.size();
    const std::wstring token = Trim(text.substr(start, end - start));
    if (token.empty()) break;
    tokens.push_back(token);
    position = end + 1;
  }
  return tokens;
}
