#include "Core/ResourceArchive.h"

namespace DuiLib {

namespace {

// Skin members are a few megabytes at most; anything near this is a damaged header.
const zip_uint64_t kMaxMemberSize = 256u << 20;

}  // namespace

std::unique_ptr<ResourceArchive> ResourceArchive::Open(const void* data, size_t size,
                                                       const std::string& password) {
  if (data == nullptr && size != 0) return nullptr;
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* source = zip_source_buffer_create(data, size, 0, &error);
  if (source == nullptr) {
    zip_error_fini(&error);
    return nullptr;
  }
  zip_t* archive = zip_open_from_source(source, ZIP_RDONLY, &error);
  zip_error_fini(&error);
  if (archive == nullptr) {
    zip_source_free(source);
    return nullptr;
  }
  if (!password.empty()) zip_set_default_password(archive, password.c_str());
  return std::unique_ptr<ResourceArchive>(new ResourceArchive(archive));
}

bool ResourceArchive::Read(const std::string& name, std::vector<unsigned char>& out) {
  zip_int64_t index = zip_name_locate(m_archive.get(), name.c_str(), ZIP_FL_NOCASE);
  if (index < 0) return false;
  zip_stat_t stat;
  zip_stat_init(&stat);
  if (zip_stat_index(m_archive.get(), index, 0, &stat) != 0) return false;
  if ((stat.valid & ZIP_STAT_SIZE) == 0 || stat.size > kMaxMemberSize) return false;
  std::unique_ptr<zip_file_t, FileClose> file(zip_fopen_index(m_archive.get(), index, 0));
  if (!file) return false;
  std::vector<unsigned char> data(stat.size);
  zip_uint64_t filled = 0;
  while (filled < stat.size) {
    zip_int64_t got = zip_fread(file.get(), data.data() + filled, stat.size - filled);
    if (got <= 0) return false;
    filled += got;
  }
  // Reading past the end makes libzip check the member's checksum.
  unsigned char probe;
  if (zip_fread(file.get(), &probe, 1) != 0) return false;
  out.swap(data);
  return true;
}

}  // namespace DuiLib
