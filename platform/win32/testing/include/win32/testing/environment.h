// The process and machine around the program: command line, failures to provoke, the screen,
// debug output, and marks on files that the file system cannot express.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace win32::testing {

void SetCommandLine(const std::wstring& command_line);
void SetTempPathFails(bool fails);
void SetCoInitializeFails(bool fails);
// Screen size and work area (default 1920x1080 with work area 0,0,1920,1040).
void SetScreen(SIZE screen, RECT work_area);

// Lines written with OutputDebugString, oldest first.
std::vector<std::wstring> DebugOutputLines();

// Marks for the runtime's folder listing and deletion ('\' or '/' separators).
void MarkSystem(const std::string& path);          // attribute 0x04
void MarkFolderArchive(const std::string& path);   // attribute 0x20 on a folder
void MarkHeldOpen(const std::string& path);        // remove/_rmdir fail with EACCES

// Between tests: clears records, answers, marks, switches, debug output and the screen.
// Destroys no window.
void Reset();

}  // namespace win32::testing
