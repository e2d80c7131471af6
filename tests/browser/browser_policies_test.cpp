// What the client settles itself: context menu, load-error page, downloads, protocols and the
// rest left to the engine.
#include "browser_fixture.h"

#include "browser/load_error_page.h"

namespace {

const int kRefreshCommand = MENU_ID_USER_FIRST;

std::vector<int> CommandIds(const std::vector<cef::testing::MenuItem>& items) {
  std::vector<int> ids;
  for (const cef::testing::MenuItem& item : items)
    ids.push_back(item.command_id);
  return ids;
}

}  // namespace

class BrowserPoliciesTest : public BrowserFixture {
 protected:
  void SetUp() override {
    BrowserFixture::SetUp();
    opened_ = OpenBrowserWindow(&events_);
    ASSERT_TRUE(opened_.browser.get());
  }

  Opened opened_;
};

TEST_F(BrowserPoliciesTest, ContextMenuLosesPrintAndSourceAndEndsWithRefresh) {
  // The separator that stood before Print stays: no other item is touched.
  cef::testing::ContextMenuOutcome full = cef::testing::OpenContextMenu(opened_.browser, true);
  EXPECT_EQ((std::vector<int>{MENU_ID_BACK, MENU_ID_FORWARD, -1, kRefreshCommand}),
            CommandIds(full.items));
  EXPECT_EQ(CefString(L"刷新(&R)"), full.items.back().label);
  EXPECT_TRUE(full.shown);
  cef::testing::DismissContextMenu(opened_.browser);

  cef::testing::ContextMenuOutcome without = cef::testing::OpenContextMenu(opened_.browser, false);
  EXPECT_EQ((std::vector<int>{MENU_ID_BACK, MENU_ID_FORWARD, kRefreshCommand}),
            CommandIds(without.items));
  cef::testing::DismissContextMenu(opened_.browser);
}

TEST_F(BrowserPoliciesTest, RefreshReloadsWithTheCacheAndOtherCommandsGoToTheEngine) {
  cef::testing::OpenContextMenu(opened_.browser, true);
  EXPECT_EQ(std::optional<bool>(true),
            cef::testing::PickContextMenuCommand(opened_.browser, kRefreshCommand));
  cef::testing::OpenContextMenu(opened_.browser, true);
  EXPECT_EQ(std::optional<bool>(false),
            cef::testing::PickContextMenuCommand(opened_.browser, MENU_ID_BACK));

  cef::testing::BrowserActivity activity = cef::testing::ActivityOf(opened_.browser);
  EXPECT_EQ(1, activity.reload);
  EXPECT_EQ(0, activity.reload_ignore_cache);
  EXPECT_EQ(std::vector<int>{MENU_ID_BACK}, activity.engine_commands);
}

TEST_F(BrowserPoliciesTest, FailedLoadShowsTheErrorPageInTheFailedFrameUnlessAborted) {
  const CefString url("http://unreachable.example/");
  cef::testing::FailLoad(opened_.browser, url, ERR_NAME_NOT_RESOLVED, "net::ERR_NAME_NOT_RESOLVED");
  cef::testing::FailLoad(opened_.browser, "http://sub.example/", ERR_CONNECTION_REFUSED, "refused",
                         "sub");
  cef::testing::FailLoad(opened_.browser, "http://aborted.example/", ERR_ABORTED, "aborted");

  std::vector<cef::testing::BrowserActivity::LoadedString> pages =
      cef::testing::ActivityOf(opened_.browser).load_strings;
  ASSERT_EQ(2u, pages.size());
  EXPECT_EQ(CefString(""), pages[0].frame);
  EXPECT_EQ(url, pages[0].url);
  EXPECT_EQ(CefString("<html><body><h2>Failed to load URL http://unreachable.example/ with error "
                      "net::ERR_NAME_NOT_RESOLVED (-105).</h2></body></html>"),
            pages[0].text);
  EXPECT_EQ(CefString("sub"), pages[1].frame);
  EXPECT_EQ(CefString(BuildLoadErrorPage("http://sub.example/", "refused", -102)), pages[1].text);
}

TEST_F(BrowserPoliciesTest, ACraftedFailedAddressCannotPutMarkupIntoTheErrorPage) {
  const CefString url("http://evil.example/<script>alert(1)</script>");
  cef::testing::FailLoad(opened_.browser, url, ERR_NAME_NOT_RESOLVED, "<b>text</b>");
  std::vector<cef::testing::BrowserActivity::LoadedString> pages =
      cef::testing::ActivityOf(opened_.browser).load_strings;
  ASSERT_EQ(1u, pages.size());
  EXPECT_EQ(url, pages[0].url);
  std::string page = pages[0].text.ToString();
  EXPECT_EQ(std::string::npos, page.find("<script>"));
  EXPECT_EQ(std::string::npos, page.find("<b>"));
  EXPECT_NE(std::string::npos, page.find("&lt;script&gt;alert(1)&lt;/script&gt;"));
}

TEST_F(BrowserPoliciesTest, EveryDownloadAsksWhereAndOnlyCompletionIsAnnounced) {
  win32::testing::SetMessageBoxAnswer([](const win32::testing::MessageBoxRecord&) { return IDCANCEL; });
  cef::testing::DownloadStart start;
  start.url = "http://www.vantellis.example/client.zip";
  start.suggested_name = "client.zip";
  uint32 id = cef::testing::StartDownload(opened_.browser, start);
  ASSERT_NE(0u, id);
  std::optional<cef::testing::DownloadAnswer> answer = cef::testing::DownloadContinued(id);
  ASSERT_TRUE(answer.has_value());
  EXPECT_TRUE(answer->download_path.empty());
  EXPECT_TRUE(answer->show_dialog);

  cef::testing::DownloadProgress progress;
  progress.received_bytes = 10;
  EXPECT_EQ(std::optional<bool>(false), cef::testing::UpdateDownload(id, progress));
  EXPECT_TRUE(win32::testing::MessageBoxes().empty());

  progress.complete = true;
  progress.full_path = L"/home/player/下载/client.zip";
  EXPECT_EQ(std::optional<bool>(false), cef::testing::UpdateDownload(id, progress));
  std::vector<win32::testing::MessageBoxRecord> boxes = win32::testing::MessageBoxes();
  ASSERT_EQ(1u, boxes.size());
  EXPECT_EQ(NULL, boxes[0].owner);
  EXPECT_EQ(L"/home/player/下载/client.zip", boxes[0].text);
  EXPECT_EQ(L"下载完成", boxes[0].caption);
  EXPECT_EQ(static_cast<UINT>(MB_OKCANCEL), boxes[0].type);
}

TEST_F(BrowserPoliciesTest, OnlySpotifyAddressesGoToTheOperatingSystem) {
  struct Case {
    const char* url;
    bool allow_in;
    bool allow_out;
  } cases[] = {
      {"spotify:track:1", false, true},  {"spotify:", false, true},
      {"Spotify:track:1", false, false}, {" spotify:track:1", false, false},
      {"mailto:a@b.example", false, false}, {"mailto:a@b.example", true, true},
      {"spotify", false, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.allow_out, cef::testing::AskProtocolExecution(opened_.browser, c.url, c.allow_in))
        << c.url << " allow=" << c.allow_in;
  }
}

TEST_F(BrowserPoliciesTest, AnEndedRendererIsNeitherReloadedNorReported) {
  cef::testing::EndRenderer(opened_.browser);
  cef::testing::BrowserActivity activity = cef::testing::ActivityOf(opened_.browser);
  EXPECT_EQ(0, activity.reload + activity.reload_ignore_cache);
  EXPECT_TRUE(activity.load_urls.empty());
  EXPECT_TRUE(win32::testing::MessageBoxes().empty());
}
