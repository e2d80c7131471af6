// Cache folders a player's machine may hold: huge, linked, foreign, or too deep for the paths.
#include <gtest/gtest.h>

#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "app/app_config.h"

namespace fs = std::filesystem;

namespace {

// A scratch folder holding the cache folder and, beside it, files the clearing must not touch.
class CacheFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/quellix-cache-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    root_ = pattern;
    cache_ = root_ / "Quellix";
    outside_ = root_ / "outside";
    fs::create_directories(outside_);
    std::ofstream(outside_ / "keep.txt") << "keep";
  }
  void TearDown() override {
    std::error_code ignored;
    fs::remove_all(root_, ignored);
  }

  void Clear() {
    AppConfig::GetInstance()->SetCachePath(cache_.wstring().c_str());
    ::testing::internal::CaptureStdout();
    AppConfig::GetInstance()->ClearCache();
    ::testing::internal::GetCapturedStdout();
  }
  bool OutsideIntact() const { return fs::exists(outside_ / "keep.txt"); }

  fs::path root_;
  fs::path cache_;
  fs::path outside_;
};

size_t CountEntries(const fs::path& folder) {
  size_t count = 0;
  for (auto it = fs::recursive_directory_iterator(folder); it != fs::recursive_directory_iterator();
       ++it)
    ++count;
  return count;
}

}  // namespace

// Speed on a hundred thousand entries is the benchmark's measure; making that many here left the
// test waiting minutes on a busy disk.
TEST_F(CacheFolderTest, TenThousandEntriesInManyFoldersAreAllRemovedAndTheFolderKept) {
  for (int folder = 0; folder < 10; ++folder) {
    const fs::path sub = cache_ / ("f" + std::to_string(folder));
    fs::create_directories(sub);
    for (int file = 0; file < 999; ++file) std::ofstream(sub / std::to_string(file));
  }
  ASSERT_EQ(CountEntries(cache_), 10000u);
  Clear();
  EXPECT_TRUE(fs::is_directory(cache_));
  EXPECT_EQ(CountEntries(cache_), 0u);
  EXPECT_TRUE(OutsideIntact());
}

TEST_F(CacheFolderTest, CacheFolderThatIsALinkLeavesItsTargetUntouched) {
  fs::create_directory_symlink(outside_, cache_);
  Clear();
  EXPECT_TRUE(fs::is_symlink(cache_));
  EXPECT_TRUE(OutsideIntact());
}

TEST_F(CacheFolderTest, CacheFolderOfAnotherUserIsLeftWhole) {
  if (geteuid() != 0) GTEST_SKIP() << "needs root to hand the folder to another user";
  fs::create_directories(cache_);
  std::ofstream(cache_ / "theirs.txt") << "theirs";
  ASSERT_EQ(chown(cache_.c_str(), 65534, 65534), 0);
  Clear();
  EXPECT_TRUE(fs::exists(cache_ / "theirs.txt"));
  EXPECT_TRUE(OutsideIntact());
}

TEST_F(CacheFolderTest, PathsLongerThan259CharactersAreSkippedAndShorterOnesRemoved) {
  fs::path deep = cache_;
  while (deep.string().size() <= 300) deep /= std::string(40, 'd');
  fs::create_directories(deep);
  std::ofstream(deep / "deep.txt") << "deep";
  std::ofstream(cache_ / "short.txt") << "short";
  Clear();
  EXPECT_FALSE(fs::exists(cache_ / "short.txt"));
  EXPECT_TRUE(fs::exists(deep / "deep.txt"));
  EXPECT_TRUE(OutsideIntact());
}
