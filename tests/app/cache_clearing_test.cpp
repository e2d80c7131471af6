#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <string>

#include "app/cache_clearing.h"
#include "temp_folder.h"
#include "win32/testing/environment.h"

namespace fs = std::filesystem;

namespace {

const char kSystemFolderLine[] = "This is system file, can't delete!\n";
const char kNotEmptyLine[] =
    "Given path is not a directory, the directory is not empty, or the directory is either the "
    "current working directory or the root directory.\n";
const char kLeftAloneLine[] = "Cache folder is a link or belongs to another user; left alone.\n";

std::string HeldLine(const std::string& name) {
  return name + " had been opend by some application, can't delete.\n";
}

bool Exists(const std::string& path) {
  struct stat info;
  return lstat(path.c_str(), &info) == 0;
}

// A cache folder inside a scratch folder, with a neighbour outside it that must survive.
class CacheFolderTest : public ::testing::Test {
 protected:
  CacheFolderTest() : cache_(root_.Path() + "/Quellix") {
    fs::create_directory(cache_);
    outside_ = root_.Write("outside/keep.txt", "keep");
  }
  ~CacheFolderTest() override {
    win32::testing::Reset();
    // Give the scratch folder back to its owner so it can be removed.
    for (const auto& entry : fs::recursive_directory_iterator(root_.Path()))
      if (!entry.is_symlink())
        chmod(entry.path().c_str(), 0755);
  }

  std::string Cached(const std::string& name, const std::string& content = "x") {
    return root_.Write("Quellix/" + name, content);
  }
  void Folder(const std::string& name) { fs::create_directories(cache_ + "/" + name); }
  std::string Clear(const std::string& folder) {
    ::testing::internal::CaptureStdout();
    DeleteFolderContents((folder + "\\*").c_str());
    return ::testing::internal::GetCapturedStdout();
  }
  std::string Clear() { return Clear(cache_); }
  bool CacheIsEmpty() const { return fs::is_directory(cache_) && fs::is_empty(cache_); }

  TempFolder root_;
  std::string cache_;
  std::string outside_;
};

TEST_F(CacheFolderTest, NestedFilesAndFoldersGoAndTheFolderStays) {
  Cached("index");
  Cached("a/b/c/deep.bin");
  Cached("a/b/sibling");
  Cached(".hidden");
  Cached("a/.cache/entry");  // a hidden folder, attribute 18
  Cached("...");
  Cached("..x");
  Folder("empty");
  EXPECT_EQ(Clear(), "");
  EXPECT_TRUE(CacheIsEmpty());
  EXPECT_TRUE(Exists(outside_));
}

TEST_F(CacheFolderTest, SystemFolderIsEmptiedKeptAndReported) {
  Cached("sys/inner/file");
  win32::testing::MarkSystem(cache_ + "/sys");
  Cached("system.dat");
  win32::testing::MarkSystem(cache_ + "/system.dat");
  EXPECT_EQ(Clear(), kSystemFolderLine);
  EXPECT_TRUE(fs::is_directory(cache_ + "/sys"));
  EXPECT_TRUE(fs::is_empty(cache_ + "/sys"));
  EXPECT_FALSE(Exists(cache_ + "/system.dat")) << "system files go like any other";
}

TEST_F(CacheFolderTest, FolderWithFurtherAttributeBitsIsNotEnteredAndIsReported) {
  Cached("readonly/inside");  // attribute 17
  chmod((cache_ + "/readonly").c_str(), 0555);
  Cached("archived/inside");  // attribute 48
  win32::testing::MarkFolderArchive(cache_ + "/archived");
  EXPECT_EQ(Clear(), HeldLine("archived") + HeldLine("readonly"));
  EXPECT_TRUE(Exists(cache_ + "/readonly/inside"));
  EXPECT_TRUE(Exists(cache_ + "/archived/inside"));
}

TEST_F(CacheFolderTest, ReadOnlyFileStaysAndIsNamed) {
  const std::string file = Cached("locked.dat");
  chmod(file.c_str(), 0444);
  Cached("other.dat");
  EXPECT_EQ(Clear(), HeldLine("locked.dat"));
  EXPECT_TRUE(Exists(file));
  EXPECT_FALSE(Exists(cache_ + "/other.dat"));
}

TEST_F(CacheFolderTest, FileHeldOpenStaysAndSoDoesItsFolder) {
  const std::string held = Cached("sub/held.log");
  Cached("sub/free.log");
  win32::testing::MarkHeldOpen(held);
  EXPECT_EQ(Clear(), HeldLine("held.log") + kNotEmptyLine);
  EXPECT_TRUE(Exists(held));
  EXPECT_FALSE(Exists(cache_ + "/sub/free.log"));
}

TEST_F(CacheFolderTest, MissingFolderIsReportedOnceAndNothingChanges) {
  EXPECT_EQ(Clear(cache_ + "/absent"), "Path is invalid.\n");
  EXPECT_TRUE(Exists(outside_));
}

TEST_F(CacheFolderTest, LinksInsideAreRemovedAsEntriesAndTheirTargetsKept) {
  const std::string outsideFolder = root_.Path() + "/outside";
  fs::create_directory_symlink(outsideFolder, cache_ + "/folder-link");
  fs::create_symlink(outside_, cache_ + "/file-link");
  fs::create_symlink(root_.Path() + "/nowhere", cache_ + "/dangling");
  Folder("sub");
  fs::create_directory_symlink(root_.Path(), cache_ + "/sub/up");
  EXPECT_EQ(Clear(), "");
  EXPECT_TRUE(CacheIsEmpty());
  EXPECT_TRUE(Exists(outside_));
  EXPECT_TRUE(fs::is_directory(outsideFolder));
}

TEST_F(CacheFolderTest, CacheFolderThatIsALinkIsLeftAlone) {
  const std::string link = root_.Path() + "/LinkedCache";
  fs::create_directory_symlink(root_.Path() + "/outside", link);
  EXPECT_EQ(Clear(link), kLeftAloneLine);
  EXPECT_TRUE(Exists(outside_));
  EXPECT_TRUE(Exists(link));
}

TEST_F(CacheFolderTest, CacheFolderOfAnotherUserIsLeftAlone) {
  Cached("theirs.dat");
  if (chown(cache_.c_str(), 65534, 65534) != 0)
    GTEST_SKIP() << "changing the owner needs root";
  EXPECT_EQ(Clear(), kLeftAloneLine);
  EXPECT_TRUE(Exists(cache_ + "/theirs.dat"));
}

TEST_F(CacheFolderTest, PathsTooLongForTheBuffersAreSkippedAndNamed) {
  // 260-byte buffers hold 259 characters; a sub-folder's pattern needs its name and "\*".
  const std::string prefix = cache_ + "\\";
  const size_t longest = MAX_PATH - 1 - prefix.size();
  const std::string fits(longest, 'a');              // file path of 259: deleted
  const std::string tooLong(longest + 1, 'b');       // file path of 260: skipped
  const std::string folderTooLong(longest - 1, 'c'); // folder pattern of 260: not entered
  const std::string folderFits(longest - 2, 'd');    // folder pattern of 259: emptied, removed
  Cached(fits);
  Cached(tooLong);
  Cached(folderTooLong + "/inner");
  Cached(folderFits + "/i");
  EXPECT_EQ(Clear(), prefix + tooLong + ": path too long, left alone.\n" +
                         prefix + folderTooLong + ": path too long, left alone.\n");
  EXPECT_FALSE(Exists(cache_ + "/" + fits));
  EXPECT_TRUE(Exists(cache_ + "/" + tooLong));
  EXPECT_TRUE(Exists(cache_ + "/" + folderTooLong + "/inner"));
  EXPECT_FALSE(Exists(cache_ + "/" + folderFits));
}

TEST(CacheClearingRulesTest, OnlyPlainHiddenAndSystemFoldersAreFolders) {
  const struct {
    unsigned attrib;
    bool folder;
  } cases[] = {
      {0x10, true}, {0x12, true}, {0x14, true},
      {0x11, false}, {0x30, false}, {0x16, false}, {0x410, false},
      {0x00, false}, {0x20, false}, {0x02, false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(IsDirectoryAttrib(c.attrib), c.folder) << std::hex << c.attrib;
}

TEST(CacheClearingRulesTest, DotEntriesAreExactlyTheTwoDotNames) {
  EXPECT_TRUE(IsDotEntry("."));
  EXPECT_TRUE(IsDotEntry(".."));
  for (const char* name : {"...", ".a", "a.", "", "..a", ". "})
    EXPECT_FALSE(IsDotEntry(name)) << '"' << name << '"';
}

TEST(CacheClearingRulesTest, ChildPatternReplacesTheStarAndNeverOverruns) {
  char buffer[MAX_PATH];
  ASSERT_TRUE(MakeChildPattern(buffer, "C:\\cache\\*", "sub"));
  EXPECT_STREQ(buffer, "C:\\cache\\sub\\*");

  const std::string folder = "d\\";
  const std::string fits(MAX_PATH - 1 - folder.size() - 2, 'f');
  ASSERT_TRUE(MakeChildPattern(buffer, (folder + "*").c_str(), fits.c_str()));
  EXPECT_EQ(strlen(buffer), size_t(MAX_PATH - 1));

  char guarded[MAX_PATH + 1];
  guarded[MAX_PATH] = 'G';
  EXPECT_FALSE(MakeChildPattern(reinterpret_cast<char(&)[MAX_PATH]>(guarded), (folder + "*").c_str(),
                                (fits + "x").c_str()));
  EXPECT_STREQ(guarded, "");
  EXPECT_EQ(guarded[MAX_PATH], 'G');
}

TEST(CacheClearingRulesTest, ErrorReportsFollowTheErrorCode) {
  const struct {
    int error;
    const char* name;
    std::string line;
  } cases[] = {
      {ENOENT, nullptr, "Path is invalid.\n"},
      {ENOENT, "a.dat", "Path is invalid.\n"},
      {EACCES, "a.dat", HeldLine("a.dat")},
      {EACCES, nullptr, kLeftAloneLine},
      {ENOTEMPTY, "sub", kNotEmptyLine},
      {EIO, "a.dat", ""},
      {EINVAL, nullptr, ""},
  };
  for (const auto& c : cases) {
    ::testing::internal::CaptureStdout();
    errno = c.error;
    ReportDeleteError(c.name);
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), c.line) << c.error;
  }
}

}  // namespace
