#include "src/core/command_line_quote.h"

namespace cef_internal {

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
