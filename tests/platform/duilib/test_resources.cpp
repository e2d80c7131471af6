#include "test_resources.h"

#include <zip.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "UIlib.h"

namespace duilib_test {

std::vector<unsigned char> MakeZip(const std::vector<ZipMember>& members,
                                   const std::string& password, bool deflate) {
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* target = zip_source_buffer_create(nullptr, 0, 0, &error);
  zip_source_keep(target);
  zip_t* archive = zip_open_from_source(target, ZIP_TRUNCATE, &error);
  for (const ZipMember& member : members) {
    zip_source_t* data = zip_source_buffer(archive, member.data.data(), member.data.size(), 0);
    zip_int64_t index = zip_file_add(archive, member.name.c_str(), data, ZIP_FL_ENC_UTF_8);
    zip_set_file_compression(archive, index, deflate ? ZIP_CM_DEFLATE : ZIP_CM_STORE, 0);
    if (member.encrypted) {
      zip_file_set_encryption(archive, index, ZIP_EM_AES_256, password.c_str());
    }
  }
  zip_close(archive);
  std::vector<unsigned char> bytes;
  zip_source_open(target);
  zip_source_seek(target, 0, SEEK_END);
  zip_int64_t size = zip_source_tell(target);
  zip_source_seek(target, 0, SEEK_SET);
  bytes.resize(static_cast<size_t>(size));
  zip_source_read(target, bytes.data(), bytes.size());
  zip_source_close(target);
  zip_source_free(target);
  zip_error_fini(&error);
  return bytes;
}

TempFolder::TempFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "duilib-test-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("no temporary folder");
  path_ = pattern;
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

void TempFolder::Write(const std::string& name, const std::string& data) const {
  std::filesystem::path file = std::filesystem::path(path_) / name;
  std::filesystem::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary) << data;
}

SkinFiles::SkinFiles(std::initializer_list<std::pair<std::string, std::string>> files) {
  for (const auto& [name, data] : files) folder_.Write(name, data);
  DuiLib::CPaintManagerUI::SetResourceType(UILIB_FILE);
  std::wstring path(folder_.path().begin(), folder_.path().end());
  DuiLib::CPaintManagerUI::SetResourcePath(path.c_str());
}

}  // namespace duilib_test
