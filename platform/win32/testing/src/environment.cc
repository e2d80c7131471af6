#include "win32/testing/environment.h"

#include "desktop/headless_desktop.h"
#include "kernel/debug_output.h"
#include "kernel/process_state.h"
#include "runtime/path_marks.h"

namespace win32::testing {

void SetCommandLine(const std::wstring& command_line) {
  internal::SetProcessCommandLine(command_line);
}

void SetTempPathFails(bool fails) { internal::SetTempPathFails(fails); }

void SetCoInitializeFails(bool fails) { internal::SetCoInitializeFails(fails); }

void SetScreen(SIZE screen, RECT work_area) {
  internal::HeadlessDesktop::Instance().SetScreen(screen, work_area);
}

std::vector<std::wstring> DebugOutputLines() { return internal::DebugOutputLines(); }

void MarkSystem(const std::string& path) { internal::MarkPath(path, internal::PathMark::kSystem); }

void MarkFolderArchive(const std::string& path) {
  internal::MarkPath(path, internal::PathMark::kFolderArchive);
}

void MarkHeldOpen(const std::string& path) { internal::MarkPath(path, internal::PathMark::kHeldOpen); }

void Reset() {
  internal::HeadlessDesktop::Instance().Reset();
  internal::ClearDebugOutput();
  internal::ClearPathMarks();
  internal::SetTempPathFails(false);
  internal::SetCoInitializeFails(false);
}

}  // namespace win32::testing
