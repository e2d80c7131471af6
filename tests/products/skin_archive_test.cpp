#include <gtest/gtest.h>

#include <sys/stat.h>

#include "skinzip/skin_archive.h"
#include "temp_folder.h"
#include "zip_reader.h"

namespace {

bool Exists(const std::string& path) {
  struct stat info;
  return stat(path.c_str(), &info) == 0;
}

TEST(SkinArchiveTest, MembersComeInListOrderDeflatedWithFolderEntries) {
  TempFolder skin;
  skin.Write("main.xml", "<Window/>");
  skin.Write("empty.txt", "");
  skin.Write("imgs/a.png", std::string(500, 'a'));
  skin.Write("unlisted.xml", "left out");
  const std::string list = skin.Write("members.txt",
                                      "# comment\n"
                                      "main.xml\n"
                                      "\n"
                                      "imgs/\n"
                                      "  imgs/a.png  \n"
                                      "empty.txt\n");
  std::vector<std::string> members;
  std::string error;
  ASSERT_TRUE(ReadMemberList(list, members, error)) << error;
  const std::string zip = skin.Path() + "/out.zip";
  ASSERT_TRUE(BuildSkinArchive(zip, skin.Path(), members, error)) << error;

  const std::vector<ZipMember> read = ReadZipFile(zip);
  ASSERT_EQ(read.size(), 4u);
  const char* const names[] = {"main.xml", "imgs/", "imgs/a.png", "empty.txt"};
  for (size_t i = 0; i < read.size(); ++i) {
    EXPECT_EQ(read[i].name, names[i]);
    EXPECT_EQ(read[i].encryption, ZIP_EM_NONE);
  }
  EXPECT_EQ(read[0].compression, ZIP_CM_DEFLATE);
  EXPECT_EQ(read[2].compression, ZIP_CM_DEFLATE);
  EXPECT_EQ(read[3].compression, ZIP_CM_DEFLATE) << "even an empty file";
  EXPECT_EQ(read[2].content, std::string(500, 'a'));
  EXPECT_FALSE(Exists(zip + ".tmp"));
}

TEST(SkinArchiveTest, MissingMemberFailsAndLeavesNoArchive) {
  TempFolder skin;
  skin.Write("main.xml", "<Window/>");
  std::string error;
  const std::string zip = skin.Path() + "/out.zip";
  EXPECT_FALSE(BuildSkinArchive(zip, skin.Path(), {"main.xml", "login.xml"}, error));
  EXPECT_NE(error.find("login.xml is missing"), std::string::npos) << error;
  EXPECT_FALSE(Exists(zip));
  EXPECT_FALSE(Exists(zip + ".tmp"));
}

TEST(SkinArchiveTest, MemberNamesMayNotLeaveTheSkinFolder) {
  TempFolder skin;
  for (const char* name : {"../secret", "/etc/passwd", "imgs/../../x", "a//b", "imgs\\a.png", "./a"}) {
    const std::string list = skin.Write("members.txt", std::string(name) + "\n");
    std::vector<std::string> members;
    std::string error;
    EXPECT_FALSE(ReadMemberList(list, members, error)) << name;
    EXPECT_NE(error.find("bad member name"), std::string::npos) << error;
  }
}

}  // namespace
