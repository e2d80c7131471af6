// The Windows command-line grammar: splitting a command line into arguments
// and quoting an argument so that it splits back unchanged.
#pragma once

#include <string>
#include <vector>

namespace cef_internal {

// Splits like CommandLineToArgvW: the program (first item) ends at the next
// quote when it starts with one, else at white space, and backslashes in it
// are plain characters; in later arguments 2n backslashes before a quote give
// n backslashes and a quote that toggles quoting, 2n+1 give n and a literal
// quote, and "" inside quotes gives a literal quote. An empty or blank line
// gives an empty list.
std::vector<std::u16string> SplitCommandLine(const std::u16string& line);

// Wraps |arg| in quotes when it is empty or holds white space or quotes,
// escaping backslashes and quotes as SplitCommandLine expects.
std::u16string QuoteArgument(const std::u16string& arg);

}  // namespace cef_internal
