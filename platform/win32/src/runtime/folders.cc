// _rmdir, _mkdir and remove() with Windows results. remove() is reached through the linker's
// --wrap option, so every caller in the program gets these semantics.
#include <direct.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "runtime/path_marks.h"

using namespace win32::internal;

namespace {

bool OwnerMayWrite(const struct stat& info) { return (info.st_mode & S_IWUSR) != 0; }

}  // namespace

int _rmdir(const char* path) {
  if (!path || !*path) {
    errno = ENOENT;
    return -1;
  }
  std::string normalized = NormalizePath(path);
  struct stat info;
  if (lstat(normalized.c_str(), &info) != 0) {
    errno = ENOENT;
    return -1;
  }
  if (!S_ISDIR(info.st_mode)) {
    errno = ENOTDIR;
    return -1;
  }
  if (!OwnerMayWrite(info) || IsPathMarked(normalized, PathMark::kHeldOpen)) {
    errno = EACCES;
    return -1;
  }
  if (rmdir(normalized.c_str()) == 0) return 0;
  if (errno == EEXIST) errno = ENOTEMPTY;
  if (errno == EPERM) errno = EACCES;
  return -1;
}

int _mkdir(const char* path) {
  if (!path || !*path) {
    errno = ENOENT;
    return -1;
  }
  return mkdir(NormalizePath(path).c_str(), 0777);
}

extern "C" int __wrap_remove(const char* path) {
  if (!path || !*path) {
    errno = ENOENT;
    return -1;
  }
  std::string normalized = NormalizePath(path);
  struct stat info;
  if (lstat(normalized.c_str(), &info) != 0) {
    errno = ENOENT;
    return -1;
  }
  bool link = S_ISLNK(info.st_mode);
  if (!link && (S_ISDIR(info.st_mode) || !OwnerMayWrite(info))) {
    errno = EACCES;
    return -1;
  }
  if (IsPathMarked(normalized, PathMark::kHeldOpen)) {
    errno = EACCES;
    return -1;
  }
  if (unlink(normalized.c_str()) == 0) return 0;
  if (errno == EPERM) errno = EACCES;
  return -1;
}
