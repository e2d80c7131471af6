#pragma once

#include <string>
#include <vector>

// Splits a page command such as L"cmd||arg1||arg2" into its trimmed pieces.
// Every character of `separator` is a delimiter, so runs of them never give
// empty pieces. A piece that is blank after trimming ends the list: it and
// everything after it are dropped.
std::vector<std::wstring> SplitString(std::wstring text, std::wstring separator);
