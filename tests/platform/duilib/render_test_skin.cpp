#include "render_test_skin.h"

#include <stdlib.h>

#include <filesystem>
#include <fstream>

namespace render_test {
namespace {

// A folder of its own for the test program's images, removed when the program ends.
class ImageFolder {
 public:
  ImageFolder() {
    char pattern[] = "/tmp/quellix_render_XXXXXX";
    path_ = mkdtemp(pattern);
  }
  ~ImageFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

const std::filesystem::path& Folder() {
  static ImageFolder folder;
  return folder.path();
}

}  // namespace

void PutResource(const std::wstring& name, const std::vector<unsigned char>& bytes) {
  std::filesystem::path file = Folder() / std::filesystem::path(name);
  std::filesystem::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  DuiLib::CPaintManagerUI::SetResourceType(UILIB_FILE);
  DuiLib::CPaintManagerUI::SetResourcePath((Folder().wstring() + L"/").c_str());
}

void AddFont(DuiLib::CPaintManagerUI& manager, int id, const wchar_t* name, int size, bool bold,
             bool underline, bool italic) {
  manager.AddFont(id, name, size, bold, underline, italic);
}

}  // namespace render_test
