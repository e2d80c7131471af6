// Where OutputDebugString lines go: a sink the tests read, and stderr when the environment
// asks for it (QUELLIX_DEBUG_OUTPUT=1).
#pragma once

#include <string>
#include <vector>

namespace win32::internal {

std::vector<std::wstring> DebugOutputLines();
void ClearDebugOutput();
// Records a line (and echoes its UTF-8 form when asked to).
void WriteDebugOutput(const std::wstring& text, const std::string& utf8);

}  // namespace win32::internal
