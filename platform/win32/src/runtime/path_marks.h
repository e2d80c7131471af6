// Paths that tests mark with what this file system cannot express: the system attribute, the
// archive attribute on a folder, and "held open by another program".
#pragma once

#include <string>

namespace win32::internal {

enum class PathMark { kSystem, kFolderArchive, kHeldOpen };

// '\' becomes '/', repeated separators collapse, a trailing separator goes.
std::string NormalizePath(const std::string& path);

void MarkPath(const std::string& path, PathMark mark);
bool IsPathMarked(const std::string& path, PathMark mark);
void ClearPathMarks();

}  // namespace win32::internal
