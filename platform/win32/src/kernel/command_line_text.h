// Windows command-line text: quoting arguments so that the shell's parser gives them back.
#pragma once

#include <string>
#include <vector>

namespace win32::internal {

// Joins arguments with Windows quoting rules (the inverse of CommandLineToArgvW).
std::wstring QuoteCommandLine(const std::vector<std::wstring>& arguments);

// Splits like CommandLineToArgvW: the program name ends at the next quote or blank; later
// arguments follow the backslash-and-quote rules.
std::vector<std::wstring> SplitCommandLine(const std::wstring& command_line);

// What WinMain receives: the text after the program name, leading blanks skipped.
std::wstring ArgumentsAfterProgram(const std::wstring& command_line);

}  // namespace win32::internal
