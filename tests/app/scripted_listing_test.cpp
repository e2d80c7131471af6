// The clearing over a scripted runtime: listings come in any order the test chooses, and every
// deletion is recorded instead of done. This program supplies the runtime's listing and
// deletion functions itself.
#include <gtest/gtest.h>

#include <direct.h>
#include <io.h>

#include <cerrno>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "app/app_config.h"
#include "app/cache_clearing.h"

namespace {

struct Entry {
  const char* name;
  unsigned attrib;
};

std::map<std::string, std::vector<Entry>> g_listings;  // by pattern
std::map<intptr_t, std::pair<std::string, size_t>> g_open;
std::vector<std::string> g_removed;
std::vector<std::string> g_removedFolders;
std::vector<std::string> g_listed;

void Fill(const Entry& entry, _finddata_t* data) {
  *data = _finddata_t{};
  data->attrib = entry.attrib;
  strcpy(data->name, entry.name);
}

}  // namespace

intptr_t _findfirst(const char* pattern, struct _finddata_t* data) {
  g_listed.push_back(pattern);
  const auto listing = g_listings.find(pattern);
  if (listing == g_listings.end() || listing->second.empty()) {
    errno = ENOENT;
    return -1;
  }
  const intptr_t handle = static_cast<intptr_t>(g_open.size()) + 100;
  g_open[handle] = {pattern, 1};
  Fill(listing->second[0], data);
  return handle;
}

int _findnext(intptr_t handle, struct _finddata_t* data) {
  auto& cursor = g_open.at(handle);
  const std::vector<Entry>& entries = g_listings[cursor.first];
  if (cursor.second >= entries.size()) {
    errno = ENOENT;
    return -1;
  }
  Fill(entries[cursor.second++], data);
  return 0;
}

int _findclose(intptr_t handle) {
  return g_open.erase(handle) ? 0 : -1;
}

int _rmdir(const char* path) {
  g_removedFolders.push_back(path);
  return 0;
}

// Only the scripted cache is faked; the test framework's own files are really removed.
extern "C" int __real_remove(const char* path);
extern "C" int __wrap_remove(const char* path) {
  if (strncmp(path, "C:\\", 3) != 0)
    return __real_remove(path);
  g_removed.push_back(path);
  return 0;
}

namespace {

TEST(ScriptedListingTest, DotEntriesAreSkippedWhereverTheListingPutsThem) {
  g_listings["C:\\cache\\*"] = {
      {"first.dat", 0x20}, {".", 0x10}, {"sub", 0x10}, {"..", 0x10}, {"last.dat", 0x20}};
  g_listings["C:\\cache\\sub\\*"] = {{"..", 0x10}, {"inner.dat", 0x20}, {".", 0x10}};

  testing::internal::CaptureStdout();
  DeleteFolderContents("C:\\cache\\*");
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "");

  EXPECT_EQ(g_listed, (std::vector<std::string>{"C:\\cache\\*", "C:\\cache\\sub\\*"}));
  EXPECT_EQ(g_removed, (std::vector<std::string>{"C:\\cache\\first.dat", "C:\\cache\\sub\\inner.dat",
                                                 "C:\\cache\\last.dat"}));
  EXPECT_EQ(g_removedFolders, std::vector<std::string>{"C:\\cache\\sub"});
  EXPECT_TRUE(g_open.empty()) << "every listing is closed";
}

// Each test runs in its own process, so the settings start without a cache path.
TEST(ScriptedListingTest, CacheWithoutAPathIsNeverListed) {
  testing::internal::CaptureStdout();
  AppConfig::GetInstance()->ClearCache();
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "Cache folder is not set; nothing cleared.\n");
  EXPECT_TRUE(g_listed.empty());
}

TEST(ScriptedListingTest, CacheIsListedUnderItsOwnPath) {
  AppConfig::GetInstance()->SetCachePath(L"C:\\Temp\\Quellix");
  AppConfig::GetInstance()->ClearCache();
  EXPECT_EQ(g_listed, std::vector<std::string>{"C:\\Temp\\Quellix\\*"});
}

}  // namespace
