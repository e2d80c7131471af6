// _findfirst/_findnext/_findclose: a folder listing with the DOS attribute word. Entries are
// examined with lstat, so a symbolic link is reported as itself and never followed.
#include <io.h>

#include <dirent.h>
#include <fcntl.h>
#include <fnmatch.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "runtime/path_marks.h"

using namespace win32::internal;

namespace {

constexpr unsigned kReparsePoint = 0x400;

struct Listing {
  std::vector<_finddata_t> entries;
  size_t next = 0;
};

struct Listings {
  std::mutex lock;
  std::map<intptr_t, Listing> open;
  intptr_t next_handle = 1;
};

Listings& TheListings() {
  static Listings* listings = new Listings;
  return *listings;
}

unsigned AttributesOf(const std::string& path, const std::string& name, const struct stat& info) {
  if (S_ISLNK(info.st_mode)) return _A_ARCH | kReparsePoint;
  unsigned attributes;
  if (S_ISDIR(info.st_mode))
    attributes = _A_SUBDIR | (IsPathMarked(path, PathMark::kFolderArchive) ? _A_ARCH : 0);
  else
    attributes = _A_ARCH;
  bool dot_entry = name == "." || name == "..";
  if (!dot_entry && name[0] == '.') attributes |= _A_HIDDEN;
  if (!(info.st_mode & S_IWUSR)) attributes |= _A_RDONLY;
  if (!dot_entry && IsPathMarked(path, PathMark::kSystem)) attributes |= _A_SYSTEM;
  return attributes;
}

// |folder_fd| is the open listing's folder: entries are examined relative to it, which spares
// resolving the whole path again for every entry of a large folder.
bool Describe(int folder_fd, const std::string& folder, const std::string& name,
              _finddata_t* data) {
  struct stat info;
  if (fstatat(folder_fd, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0 ||
      name.size() >= sizeof(data->name))
    return false;
  std::string path = name == "." ? folder : name == ".." ? folder + "/.." : folder + "/" + name;
  *data = _finddata_t{};
  data->attrib = AttributesOf(path, name, info);
  data->time_create = info.st_ctime;
  data->time_access = info.st_atime;
  data->time_write = info.st_mtime;
  data->size = S_ISDIR(info.st_mode) ? 0 : static_cast<_fsize_t>(info.st_size);
  std::memcpy(data->name, name.c_str(), name.size() + 1);
  return true;
}

// Fails with errno set when the folder cannot be listed.
bool ReadFolder(const std::string& folder, const std::string& wildcard,
                std::vector<_finddata_t>* entries) {
  struct stat info;
  if (lstat(folder.c_str(), &info) != 0 || (!S_ISDIR(info.st_mode) && !S_ISLNK(info.st_mode))) {
    errno = ENOENT;
    return false;
  }
  if (S_ISLNK(info.st_mode) || info.st_uid != geteuid()) {
    errno = EACCES;
    return false;
  }
  DIR* dir = opendir(folder.c_str());
  if (!dir) {
    errno = EACCES;
    return false;
  }
  std::vector<std::string> names;
  while (struct dirent* entry = readdir(dir)) {
    std::string name = entry->d_name;
    if (name != "." && name != "..") names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  names.insert(names.begin(), {".", ".."});
  entries->reserve(names.size());
  for (const std::string& name : names) {
    if (fnmatch(wildcard.c_str(), name.c_str(), 0) != 0) continue;
    _finddata_t data;
    if (Describe(dirfd(dir), folder, name, &data)) entries->push_back(data);
  }
  closedir(dir);
  if (entries->empty()) {
    errno = ENOENT;
    return false;
  }
  return true;
}

}  // namespace

intptr_t _findfirst(const char* pattern, struct _finddata_t* data) {
  if (!pattern || !data || !*pattern) {
    errno = EINVAL;
    return -1;
  }
  std::string normalized = NormalizePath(pattern);
  size_t slash = normalized.rfind('/');
  std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : normalized.substr(0, slash);
  std::string wildcard = slash == std::string::npos ? normalized : normalized.substr(slash + 1);
  if (wildcard == "*.*") wildcard = "*";
  Listing listing;
  if (!ReadFolder(folder, wildcard, &listing.entries)) return -1;
  *data = listing.entries[0];
  listing.next = 1;
  Listings& listings = TheListings();
  std::lock_guard<std::mutex> held(listings.lock);
  intptr_t handle = listings.next_handle++;
  listings.open[handle] = std::move(listing);
  return handle;
}

int _findnext(intptr_t handle, struct _finddata_t* data) {
  Listings& listings = TheListings();
  std::lock_guard<std::mutex> held(listings.lock);
  auto found = listings.open.find(handle);
  if (found == listings.open.end() || !data) {
    errno = EINVAL;
    return -1;
  }
  Listing& listing = found->second;
  if (listing.next >= listing.entries.size()) {
    errno = ENOENT;
    return -1;
  }
  *data = listing.entries[listing.next++];
  return 0;
}

int _findclose(intptr_t handle) {
  Listings& listings = TheListings();
  std::lock_guard<std::mutex> held(listings.lock);
  if (!listings.open.erase(handle)) {
    errno = EINVAL;
    return -1;
  }
  return 0;
}
