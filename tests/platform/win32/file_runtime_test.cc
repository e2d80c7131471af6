// The runtime's folder listing, remove() and _rmdir() on a real temporary tree.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <direct.h>
#include <io.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "win32/testing/environment.h"

namespace fs = std::filesystem;

namespace {

class FileRuntime : public ::testing::Test {
 protected:
  void SetUp() override {
    win32::testing::Reset();
    char pattern[] = "/tmp/quellix_runtime_XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    root_ = pattern;
  }
  void TearDown() override {
    // Make everything writable again so the tree can go.
    for (auto& entry : fs::recursive_directory_iterator(root_, fs::directory_options::none)) {
      if (!entry.is_symlink()) chmod(entry.path().c_str(), 0700);
    }
    chmod(root_.c_str(), 0700);
    fs::remove_all(root_);
    win32::testing::Reset();
  }
  std::string Path(const std::string& relative) const { return root_ + "/" + relative; }
  void File(const std::string& relative) { std::ofstream(Path(relative)) << "data"; }
  void Folder(const std::string& relative) { fs::create_directory(Path(relative)); }

  // Name -> attribute word of every entry in the listing, in listing order.
  std::vector<std::pair<std::string, unsigned>> List(const std::string& pattern) {
    std::vector<std::pair<std::string, unsigned>> entries;
    _finddata_t data;
    intptr_t handle = _findfirst(pattern.c_str(), &data);
    if (handle == -1) return entries;
    do entries.emplace_back(data.name, data.attrib);
    while (_findnext(handle, &data) == 0);
    EXPECT_EQ(_findclose(handle), 0);
    return entries;
  }
  std::string root_;
};

TEST_F(FileRuntime, ListingStartsWithDotEntriesAndGivesDosAttributes) {
  File("plain");
  File(".hidden");
  File("readonly");
  chmod(Path("readonly").c_str(), 0400);
  File("system");
  win32::testing::MarkSystem(Path("system"));
  Folder("folder");
  Folder(".hiddenfolder");
  Folder("sysfolder");
  win32::testing::MarkSystem(Path("sysfolder"));
  Folder("archived");
  win32::testing::MarkFolderArchive(Path("archived"));
  Folder("rofolder");
  chmod(Path("rofolder").c_str(), 0500);
  symlink("/etc", Path("link").c_str());

  auto entries = List(root_ + "\\*");
  ASSERT_GE(entries.size(), 2u);
  EXPECT_EQ(entries[0].first, ".");
  EXPECT_EQ(entries[1].first, "..");
  std::map<std::string, unsigned> attributes(entries.begin() + 2, entries.end());
  std::map<std::string, unsigned> expected = {
      {"plain", 0x20},     {".hidden", 0x22},      {"readonly", 0x21},  {"system", 0x24},
      {"folder", 0x10},    {".hiddenfolder", 0x12}, {"sysfolder", 0x14}, {"archived", 0x30},
      {"rofolder", 0x11},  {"link", 0x420},
  };
  EXPECT_EQ(attributes, expected);
  EXPECT_EQ(entries.size(), expected.size() + 2);
}

TEST_F(FileRuntime, ListingFailsForMissingFoldersAndRefusesLinkedOnes) {
  _finddata_t data;
  errno = 0;
  EXPECT_EQ(_findfirst(Path("missing/*").c_str(), &data), -1);
  EXPECT_EQ(errno, ENOENT);
  File("file");
  EXPECT_EQ(_findfirst(Path("file/*").c_str(), &data), -1);
  EXPECT_EQ(errno, ENOENT);
  Folder("real");
  File("real/inside");
  symlink(Path("real").c_str(), Path("alias").c_str());
  EXPECT_EQ(_findfirst(Path("alias\\*").c_str(), &data), -1);
  EXPECT_EQ(errno, EACCES) << "a linked folder is never listed";
  Folder("foreign");
  if (geteuid() == 0 && chown(Path("foreign").c_str(), 65534, 65534) == 0) {
    EXPECT_EQ(_findfirst(Path("foreign/*").c_str(), &data), -1);
    EXPECT_EQ(errno, EACCES) << "a folder of another user is not listed";
  }
  EXPECT_EQ(_findnext(12345, &data), -1);
  EXPECT_EQ(_findclose(12345), -1);
  EXPECT_EQ(_findfirst(nullptr, &data), -1);
}

TEST_F(FileRuntime, RemoveHasWindowsResults) {
  File("plain");
  File("readonly");
  chmod(Path("readonly").c_str(), 0400);
  File("busy");
  win32::testing::MarkHeldOpen(Path("busy"));
  Folder("folder");
  Folder("target");
  File("target/keep");
  symlink(Path("target").c_str(), Path("link").c_str());

  struct Case {
    std::string path;
    int result;
    int error;
  } cases[] = {
      {root_ + "\\plain", 0, 0},
      {Path("readonly"), -1, EACCES},
      {Path("busy"), -1, EACCES},
      {Path("folder"), -1, EACCES},
      {Path("missing"), -1, ENOENT},
      {Path("link"), 0, 0},
  };
  for (const Case& each : cases) {
    errno = 0;
    EXPECT_EQ(remove(each.path.c_str()), each.result) << each.path;
    if (each.result) {
      EXPECT_EQ(errno, each.error) << each.path;
    }
  }
  EXPECT_TRUE(fs::exists(Path("target/keep"))) << "removing a link never touches its target";
  EXPECT_TRUE(fs::exists(Path("readonly")));
}

TEST_F(FileRuntime, RmdirRemovesOnlyEmptyWritableFolders) {
  Folder("empty");
  Folder("full");
  File("full/x");
  Folder("readonly");
  chmod(Path("readonly").c_str(), 0500);
  File("file");
  struct Case {
    std::string path;
    int result;
    int error;
  } cases[] = {
      {root_ + "\\empty", 0, 0},
      {Path("full"), -1, ENOTEMPTY},
      {Path("readonly"), -1, EACCES},
      {Path("missing"), -1, ENOENT},
      {Path("file"), -1, ENOTDIR},
  };
  for (const Case& each : cases) {
    errno = 0;
    EXPECT_EQ(_rmdir(each.path.c_str()), each.result) << each.path;
    if (each.result) {
      EXPECT_EQ(errno, each.error) << each.path;
    }
  }
  EXPECT_EQ(_mkdir(Path("made\\").c_str()), 0);
  EXPECT_TRUE(fs::is_directory(Path("made")));
}

}  // namespace
