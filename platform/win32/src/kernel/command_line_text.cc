#include "kernel/command_line_text.h"

namespace win32::internal {

namespace {

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

void AppendQuoted(const std::wstring& argument, std::wstring* out) {
  if (!argument.empty() && argument.find_first_of(L" \t\n\v\"") == std::wstring::npos) {
    *out += argument;
    return;
  }
  out->push_back(L'"');
  size_t backslashes = 0;
  for (wchar_t c : argument) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    if (c == L'"')
      out->append(backslashes * 2 + 1, L'\\');
    else
      out->append(backslashes, L'\\');
    backslashes = 0;
    out->push_back(c);
  }
  out->append(backslashes * 2, L'\\');
  out->push_back(L'"');
}

// Length of the program-name part at the start of the line.
size_t ProgramLength(const std::wstring& line) {
  if (!line.empty() && line[0] == L'"') {
    size_t close = line.find(L'"', 1);
    return close == std::wstring::npos ? line.size() : close + 1;
  }
  size_t i = 0;
  while (i < line.size() && !IsBlank(line[i])) ++i;
  return i;
}

}  // namespace

std::wstring QuoteCommandLine(const std::vector<std::wstring>& arguments) {
  std::wstring line;
  for (size_t i = 0; i < arguments.size(); ++i) {
    if (i) line.push_back(L' ');
    // The program name has no escapes: only surrounding quotes.
    if (i == 0 && arguments[0].find_first_of(L" \t") != std::wstring::npos &&
        arguments[0].find(L'"') == std::wstring::npos)
      line += L"\"" + arguments[0] + L"\"";
    else if (i == 0 && !arguments[0].empty() && arguments[0].find(L'"') == std::wstring::npos)
      line += arguments[0];
    else
      AppendQuoted(arguments[i], &line);
  }
  return line;
}

std::vector<std::wstring> SplitCommandLine(const std::wstring& line) {
  std::vector<std::wstring> arguments;
  size_t program = ProgramLength(line);
  std::wstring name = line.substr(0, program);
  if (!name.empty() && name[0] == L'"') {
    name.erase(0, 1);
    if (!name.empty() && name.back() == L'"') name.pop_back();
  }
  arguments.push_back(name);
  size_t i = program;
  for (;;) {
    while (i < line.size() && IsBlank(line[i])) ++i;
    if (i >= line.size()) break;
    std::wstring argument;
    bool quoted = false;
    while (i < line.size() && (quoted || !IsBlank(line[i]))) {
      if (line[i] == L'\\') {
        size_t count = 0;
        while (i < line.size() && line[i] == L'\\') ++count, ++i;
        if (i < line.size() && line[i] == L'"') {
          argument.append(count / 2, L'\\');
          if (count % 2) {
            argument.push_back(L'"');
            ++i;
          }
        } else {
          argument.append(count, L'\\');
        }
      } else if (line[i] == L'"') {
        if (quoted && i + 1 < line.size() && line[i + 1] == L'"') {
          argument.push_back(L'"');
          i += 2;
        } else {
          quoted = !quoted;
          ++i;
        }
      } else {
        argument.push_back(line[i++]);
      }
    }
    arguments.push_back(argument);
  }
  return arguments;
}

std::wstring ArgumentsAfterProgram(const std::wstring& line) {
  size_t i = ProgramLength(line);
  while (i < line.size() && IsBlank(line[i])) ++i;
  return line.substr(i);
}

}  // namespace win32::internal
