// Quoting an argument for a Windows command line so that CommandLineToArgvW
// splits it back unchanged.
#pragma once

#include <string>

namespace cef_internal {

// Wraps |arg| in quotes when it is empty or holds white space or quotes,
// escaping backslashes and quotes as CommandLineToArgvW expects.
std::u16string QuoteArgument(const std::u16string& arg);

}  // namespace cef_internal
