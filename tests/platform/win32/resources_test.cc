// Finding resources by type and name, zero-copy, and loading icons from them.
#include <gtest/gtest.h>

#include "resource_table.h"
#include "win32/testing/desktop_records.h"

namespace {

HMODULE Self() { return GetModuleHandleW(nullptr); }

TEST(Resources, FoundByStringOrNumberWithoutRegardToCase) {
  struct Case {
    LPCWSTR name;
    LPCWSTR type;
    bool found;
  } cases[] = {
      {L"IDR_ZIPRES", L"ZIPRES", true},
      {L"idr_zipres", L"zipres", true},
      {MAKEINTRESOURCEW(101), RT_GROUP_ICON, true},
      {L"#101", L"#14", true},
      {MAKEINTRESOURCEW(102), RT_GROUP_ICON, false},
      {L"IDR_ZIPRES", RT_RCDATA, false},
      {L"IDR_ZIP", L"ZIPRES", false},
  };
  for (const Case& each : cases)
    EXPECT_EQ(FindResourceW(Self(), each.name, each.type) != nullptr, each.found);
}

TEST(Resources, MissingTypeAndMissingNameAreToldApart) {
  EXPECT_EQ(FindResourceW(Self(), L"X", L"NOSUCHTYPE"), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_RESOURCE_TYPE_NOT_FOUND));
  EXPECT_EQ(FindResourceW(Self(), L"X", L"ZIPRES"), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_RESOURCE_NAME_NOT_FOUND));
  EXPECT_EQ(FindResourceW(Self(), nullptr, L"ZIPRES"), nullptr);
}

TEST(Resources, DataIsTheTablesOwnBytes) {
  HRSRC found = FindResourceW(nullptr, L"IDR_ZIPRES", L"ZIPRES");
  ASSERT_NE(found, nullptr);
  HGLOBAL loaded = LoadResource(nullptr, found);
  EXPECT_EQ(SizeofResource(nullptr, found), 7u);
  EXPECT_EQ(LockResource(loaded), static_cast<const void*>(win32_test::ZipResourceData()));
  EXPECT_EQ(LoadResource(nullptr, nullptr), nullptr);
  EXPECT_EQ(SizeofResource(nullptr, nullptr), 0u);
}

TEST(Resources, LanguageSpecificLookupPicksTheExactLanguage) {
  auto first_byte = [](HRSRC found) {
    return static_cast<const char*>(LockResource(LoadResource(nullptr, found)))[0];
  };
  WORD chinese = MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED);
  EXPECT_EQ(first_byte(FindResourceExW(nullptr, RT_RCDATA, L"TEXT", chinese)), 'z');
  EXPECT_EQ(first_byte(FindResourceExW(nullptr, RT_RCDATA, L"TEXT", 0)), 'n');
  EXPECT_EQ(FindResourceExW(nullptr, RT_RCDATA, L"TEXT", MAKELANGID(0x09, 1)), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_RESOURCE_LANG_NOT_FOUND));
}

TEST(Resources, IconsComeOnlyFromIconGroupsAndRememberTheirResource) {
  HICON icon = LoadIconW(Self(), MAKEINTRESOURCEW(win32_test::kAppIconId));
  ASSERT_NE(icon, nullptr);
  EXPECT_EQ(win32::testing::IconResourceId(icon), win32_test::kAppIconId);
  EXPECT_EQ(LoadIconW(Self(), MAKEINTRESOURCEW(win32_test::kAppIconId)), icon) << "shared";
  HANDLE image = LoadImageW(Self(), MAKEINTRESOURCEW(win32_test::kAppIconId), IMAGE_ICON, 16, 16, 0);
  ASSERT_NE(image, nullptr);
  EXPECT_NE(image, static_cast<HANDLE>(icon));
  EXPECT_TRUE(DestroyIcon(static_cast<HICON>(image)));
  EXPECT_EQ(win32::testing::IconResourceId(static_cast<HICON>(image)), 0);
  EXPECT_EQ(LoadIconW(Self(), MAKEINTRESOURCEW(7)), nullptr);
  EXPECT_EQ(LoadIconW(nullptr, MAKEINTRESOURCEW(win32_test::kAppIconId)), nullptr);
}

}  // namespace
