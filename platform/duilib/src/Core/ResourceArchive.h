// A zip archive read in place from a block of memory that stays its owner's.
#pragma once

#include <zip.h>

#include <memory>
#include <string>
#include <vector>

namespace DuiLib {

class ResourceArchive {
 public:
  // NULL when the block is not a readable zip archive. The password, if any, becomes the
  // archive's default password for encrypted members.
  static std::unique_ptr<ResourceArchive> Open(const void* data, size_t size,
                                               const std::string& password);

  // A member by name (letter case ignored, '/' separated); false if absent, encrypted with
  // another password, damaged or unreasonably large. Not thread-safe.
  bool Read(const std::string& name, std::vector<unsigned char>& out);

 private:
  struct ArchiveClose {
    void operator()(zip_t* archive) const { zip_discard(archive); }
  };
  struct FileClose {
    void operator()(zip_file_t* file) const { zip_fclose(file); }
  };

  explicit ResourceArchive(zip_t* archive) : m_archive(archive) {}

  std::unique_ptr<zip_t, ArchiveClose> m_archive;
};

}  // namespace DuiLib
