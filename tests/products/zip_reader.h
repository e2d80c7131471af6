// Reads a zip archive held in memory, for checking what the build packed.
#pragma once

#include <zip.h>

#include <string>
#include <vector>

struct ZipMember {
  std::string name;
  uint16_t compression;
  uint16_t encryption;
  std::string content;
};

// The archive's members in archive order; empty when the bytes are no zip archive.
inline std::vector<ZipMember> ReadZip(const void* data, size_t size) {
  std::vector<ZipMember> members;
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* source = zip_source_buffer_create(data, size, 0, &error);
  zip_t* archive = source ? zip_open_from_source(source, ZIP_RDONLY, &error) : nullptr;
  if (!archive) {
    if (source)
      zip_source_free(source);
    zip_error_fini(&error);
    return members;
  }
  for (zip_int64_t i = 0; i < zip_get_num_entries(archive, 0); ++i) {
    zip_stat_t stat;
    zip_stat_index(archive, i, 0, &stat);
    ZipMember member{stat.name, stat.comp_method, stat.encryption_method, std::string(stat.size, '\0')};
    if (zip_file_t* file = zip_fopen_index(archive, i, 0)) {
      zip_fread(file, &member.content[0], stat.size);
      zip_fclose(file);
    }
    members.push_back(member);
  }
  zip_discard(archive);
  zip_error_fini(&error);
  return members;
}

inline std::vector<ZipMember> ReadZipFile(const std::string& path) {
  std::string bytes;
  if (FILE* file = fopen(path.c_str(), "rb")) {
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, file)) > 0)
      bytes.append(buffer, n);
    fclose(file);
  }
  return ReadZip(bytes.data(), bytes.size());
}
