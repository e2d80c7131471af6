// Each test runs in its own process (CTest runs them one by one), so each meets the
// settings singleton as the program does: not yet built.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "app/app_config.h"
#include "products/product.h"
#include "temp_folder.h"

namespace {

using DuiLib::CDuiString;

TEST(AppConfigTest, EveryCallReturnsTheOneInstance) {
  AppConfig* first = AppConfig::GetInstance();
  first->SetGameUrl(L"http://game.quellix.test/?client=1");
  AppConfig* second = AppConfig::GetInstance();
  EXPECT_EQ(first, second);
  EXPECT_STREQ(second->GetGameUrl().GetData(), L"http://game.quellix.test/?client=1");
}

TEST(AppConfigTest, FreshInstanceHoldsOnlyTheDefaultPayLink) {
  const AppConfig* config = AppConfig::GetInstance();
  EXPECT_EQ(config->GetLoginWnd(), (HWND)NULL);
  EXPECT_TRUE(config->GetGameUrl().IsEmpty());
  EXPECT_TRUE(config->GetOverrideLink().IsEmpty());
  EXPECT_TRUE(config->GetHomeLink().IsEmpty());
  EXPECT_TRUE(config->GetForumLink().IsEmpty());
  EXPECT_STREQ(config->GetPayLink().GetData(), kDefaultPayLink);
}

TEST(AppConfigTest, LinkOverridesOfTheBuildChangeNothing) {
  AppConfig* config = AppConfig::GetInstance();
  config->SetGameUrl(L"http://game.quellix.test/");
  config->SetPayLink(L"http://pay.quellix.test/");
  config->LoadLinkOverrides();
  EXPECT_STREQ(config->GetGameUrl().GetData(), L"http://game.quellix.test/");
  EXPECT_STREQ(config->GetPayLink().GetData(), L"http://pay.quellix.test/");
  EXPECT_TRUE(config->GetOverrideLink().IsEmpty());
  EXPECT_TRUE(config->GetHomeLink().IsEmpty());
  EXPECT_TRUE(config->GetForumLink().IsEmpty());
}

TEST(AppConfigTest, SettersReplaceAndGettersHandOutCopies) {
  AppConfig* config = AppConfig::GetInstance();
  config->SetGameUrl(L"http://first.quellix.test/");
  config->SetGameUrl(L"http://second.quellix.test/");
  CDuiString url = config->GetGameUrl();
  EXPECT_STREQ(url.GetData(), L"http://second.quellix.test/");
  url += L"changed";
  CDuiString pay = config->GetPayLink();
  pay = L"changed";
  EXPECT_STREQ(config->GetGameUrl().GetData(), L"http://second.quellix.test/");
  EXPECT_STREQ(config->GetPayLink().GetData(), kDefaultPayLink);

  const HWND window = reinterpret_cast<HWND>(0x1234);
  config->SetLoginWnd(window);
  EXPECT_EQ(config->GetLoginWnd(), window);
}

TEST(AppConfigTest, ClearCacheEmptiesTheCacheFolderOnly) {
  TempFolder root;
  root.Write("Quellix/a/b.dat", "x");
  root.Write("Quellix/c.dat", "x");
  root.Write("neighbour.dat", "x");
  const std::wstring cache = std::filesystem::path(root.Path() + "/Quellix").wstring();
  AppConfig::GetInstance()->SetCachePath(cache.c_str());

  ::testing::internal::CaptureStdout();
  AppConfig::GetInstance()->ClearCache();
  EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");
  EXPECT_TRUE(std::filesystem::is_empty(root.Path() + "/Quellix"));
  EXPECT_TRUE(std::filesystem::exists(root.Path() + "/neighbour.dat"));
}

TEST(AppConfigTest, ClearCacheOfAMissingFolderSaysSoOnce) {
  TempFolder root;
  const std::wstring cache = std::filesystem::path(root.Path() + "/Quellix").wstring();
  AppConfig::GetInstance()->SetCachePath(cache.c_str());
  ::testing::internal::CaptureStdout();
  AppConfig::GetInstance()->ClearCache();
  EXPECT_EQ(::testing::internal::GetCapturedStdout(), "Path is invalid.\n");
}

}  // namespace
