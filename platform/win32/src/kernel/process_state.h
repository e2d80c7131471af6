// Process-wide facts that the program's entry sets and that tests may change.
#pragma once

#include <string>

namespace win32::internal {

void SetProcessCommandLine(const std::wstring& command_line);
// When set, GetTempPathW behaves as if no temporary folder could be determined.
void SetTempPathFails(bool fails);
// When set, CoInitialize answers E_FAIL.
void SetCoInitializeFails(bool fails);
bool CoInitializeFails();

}  // namespace win32::internal
