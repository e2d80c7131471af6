// Skins and archives made on the spot for the UI library's tests.
#pragma once

#include <initializer_list>
#include <utility>
#include <string>
#include <vector>

namespace duilib_test {

struct ZipMember {
  std::string name;
  std::string data;
  bool encrypted = false;  // AES-256 with the archive password
};

// A zip archive in memory; members are stored uncompressed unless deflate is asked for.
std::vector<unsigned char> MakeZip(const std::vector<ZipMember>& members,
                                   const std::string& password = "", bool deflate = false);

// A fresh folder under the system's temporary folder, removed with the object.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  const std::string& path() const { return path_; }
  void Write(const std::string& name, const std::string& data) const;

 private:
  std::string path_;
};

// Skin files served from a temporary folder (resource type UILIB_FILE).
class SkinFiles {
 public:
  explicit SkinFiles(std::initializer_list<std::pair<std::string, std::string>> files);

 private:
  TempFolder folder_;
};

}  // namespace duilib_test
