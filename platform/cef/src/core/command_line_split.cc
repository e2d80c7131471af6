#include "src/core/command_line_split.h"

namespace cef_internal {

namespace {

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r'; }

size_t SkipBlanks(const std::u16string& line, size_t i) {
  while (i < line.size() && IsBlank(line[i]))
    ++i;
  return i;
}

// The program name: quotes delimit it and nothing is escaped.
size_t ReadProgram(const std::u16string& line, size_t i, std::u16string& out) {
  if (line[i] == u'"') {
    const size_t close = line.find(u'"', i + 1);
    const size_t end = close == std::u16string::npos ? line.size() : close;
    out.assign(line, i + 1, end - i - 1);
    return end == line.size() ? end : end + 1;
  }
  size_t end = i;
  while (end < line.size() && !IsBlank(line[end]))
    ++end;
  out.assign(line, i, end - i);
  return end;
}

size_t ReadArgument(const std::u16string& line, size_t i, std::u16string& out) {
  bool quoted = false;
  while (i < line.size() && (quoted || !IsBlank(line[i]))) {
    size_t backslashes = 0;
    while (i < line.size() && line[i] == u'\\') {
      ++backslashes;
      ++i;
    }
    if (i < line.size() && line[i] == u'"') {
      out.append(backslashes / 2, u'\\');
      if (backslashes % 2 == 1) {
        out.push_back(u'"');
      } else if (quoted && i + 1 < line.size() && line[i + 1] == u'"') {
        out.push_back(u'"');
        ++i;
      } else {
        quoted = !quoted;
      }
      ++i;
    } else {
      out.append(backslashes, u'\\');
      if (backslashes == 0 && i < line.size())
        out.push_back(line[i++]);
    }
  }
  return i;
}

}  // namespace

std::vector<std::u16string> SplitCommandLine(const std::u16string& line) {
  std::vector<std::u16string> args;
  size_t i = SkipBlanks(line, 0);
  if (i == line.size())
    return args;
  args.emplace_back();
  i = ReadProgram(line, i, args.back());
  for (i = SkipBlanks(line, i); i < line.size(); i = SkipBlanks(line, i)) {
    args.emplace_back();
    i = ReadArgument(line, i, args.back());
  }
  return args;
}

std::u16string QuoteArgument(const std::u16string& arg) {
  if (!arg.empty() && arg.find_first_of(u" \t\n\r\"") == std::u16string::npos)
    return arg;
  std::u16string out = u"\"";
  size_t backslashes = 0;
  for (char16_t c : arg) {
    if (c == u'\\') {
      ++backslashes;
      continue;
    }
    // Backslashes before a quote are doubled; the quote itself is escaped.
    out.append(c == u'"' ? backslashes * 2 + 1 : backslashes, u'\\');
    backslashes = 0;
    out.push_back(c);
  }
  out.append(backslashes * 2, u'\\');
  out.push_back(u'"');
  return out;
}

}  // namespace cef_internal
