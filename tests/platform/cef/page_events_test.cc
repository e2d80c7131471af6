#include <gtest/gtest.h>

#include "cef/testing/page.h"
#include "engine_fixture.h"

namespace {

using Names = std::vector<std::string>;

class PageEvents : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    client_ = new RecordingClient();
    browser_ = OpenBrowser("http://game.example/", client_);
    ASSERT_TRUE(browser_);
    client_->Forget();
  }
  void TearDown() override {
    browser_ = NULL;
    EngineTest::TearDown();
  }

  CefRefPtr<RecordingClient> client_;
  CefRefPtr<CefBrowser> browser_;
};

TEST_F(PageEvents, TitleAddressAndFailuresReachTheClient) {
  cef::testing::ChangeTitle(browser_, L"\u6E38\u620F");
  cef::testing::ChangeAddress(browser_, "http://game.example/#2");
  cef::testing::ChangeAddress(browser_, "http://ad.example/", "ad");  // sub-frames change no address
  cef::testing::FailLoad(browser_, "http://down.example/", ERR_NAME_NOT_RESOLVED, "net::ERR_NAME_NOT_RESOLVED");
  EXPECT_EQ(client_->Names(), (Names{"OnTitleChange", "OnAddressChange", "OnLoadingStateChange", "OnLoadError",
                                     "OnLoadingStateChange"}));
  EXPECT_EQ(client_->Calls()[0].detail, "\xE6\xB8\xB8\xE6\x88\x8F");
  EXPECT_EQ(client_->Calls()[3].detail, "-105 http://down.example/");
  EXPECT_EQ(browser_->GetMainFrame()->GetURL(), "http://game.example/#2");
  EXPECT_TRUE(client_->AllOnUiThread());
}

TEST_F(PageEvents, PopupGetsTheClientsAnswerWithAllArguments) {
  cef::testing::PopupRequest request;
  request.target_url = "http://pay.example/";
  request.target_frame_name = "_blank";
  request.disposition = WOD_NEW_POPUP;
  client_->on_before_popup = [](CefWindowInfo& info, bool* no_javascript_access) {
    info.width = 640;
    *no_javascript_access = true;
  };
  cef::testing::PopupOutcome opened = cef::testing::RequestPopup(browser_, request);
  EXPECT_TRUE(opened.asked);
  EXPECT_FALSE(opened.suppressed);
  EXPECT_TRUE(opened.would_open);
  EXPECT_EQ(opened.window_info.width, 640);
  EXPECT_TRUE(opened.no_javascript_access);
  EXPECT_EQ(opened.client.get(), static_cast<CefClient*>(client_.get()));

  client_->suppress_popups = true;
  cef::testing::PopupOutcome suppressed = cef::testing::RequestPopup(browser_, request);
  EXPECT_TRUE(suppressed.suppressed);
  EXPECT_FALSE(suppressed.would_open);
  EXPECT_EQ(client_->Calls()[0].detail, "http://pay.example/");
}

TEST_F(PageEvents, ContextMenuModelIsReadAfterTheClientEditedIt) {
  client_->on_before_context_menu = [](CefRefPtr<CefMenuModel> model) {
    model->Remove(MENU_ID_PRINT);
    model->Remove(MENU_ID_VIEW_SOURCE);
    model->AddItem(MENU_ID_USER_FIRST, L"\u5237\u65B0");
  };
  cef::testing::ContextMenuOutcome with_extras = cef::testing::OpenContextMenu(browser_, true);
  ASSERT_TRUE(with_extras.shown);
  std::vector<int> ids;
  for (const cef::testing::MenuItem& item : with_extras.items)
    ids.push_back(item.command_id);
  EXPECT_EQ(ids, (std::vector<int>{MENU_ID_BACK, MENU_ID_FORWARD, -1, MENU_ID_USER_FIRST}));
  EXPECT_EQ(with_extras.items.back().label.ToWString(), L"\u5237\u65B0");
  EXPECT_EQ(with_extras.items[2].type, MENUITEMTYPE_SEPARATOR);

  EXPECT_EQ(cef::testing::PickContextMenuCommand(browser_, MENU_ID_BACK), std::optional<bool>(false));
  EXPECT_EQ(cef::testing::PickContextMenuCommand(browser_, MENU_ID_BACK), std::nullopt);  // already closed
  EXPECT_EQ(cef::testing::ActivityOf(browser_).engine_commands, std::vector<int>{MENU_ID_BACK});

  cef::testing::ContextMenuOutcome plain = cef::testing::OpenContextMenu(browser_, false);
  EXPECT_EQ(plain.items.size(), 3u);
  client_->handle_commands = true;
  EXPECT_EQ(cef::testing::PickContextMenuCommand(browser_, MENU_ID_USER_FIRST), std::optional<bool>(true));
  EXPECT_EQ(cef::testing::ActivityOf(browser_).engine_commands.size(), 1u);
  EXPECT_EQ(client_->Names(), (Names{"OnBeforeContextMenu", "OnContextMenuCommand", "OnContextMenuDismissed",
                                     "OnBeforeContextMenu", "OnContextMenuCommand", "OnContextMenuDismissed"}));
}

TEST_F(PageEvents, EmptiedContextMenuIsNotShown) {
  client_->on_before_context_menu = [](CefRefPtr<CefMenuModel> model) { model->Clear(); };
  EXPECT_FALSE(cef::testing::OpenContextMenu(browser_, true).shown);
  EXPECT_FALSE(cef::testing::DismissContextMenu(browser_));
}

TEST_F(PageEvents, DownloadRecordsContinueAndReportsCompletion) {
  client_->on_before_download = [](CefRefPtr<CefBeforeDownloadCallback> callback) { callback->Continue("", true); };
  CefRefPtr<CefDownloadItem> kept_item;
  client_->on_download_updated = [&](CefRefPtr<CefDownloadItem> item, CefRefPtr<CefDownloadItemCallback>) {
    kept_item = item;
  };
  const uint32 id = cef::testing::StartDownload(browser_, {"http://game.example/a.zip", "a.zip", "", 100});
  ASSERT_NE(id, 0u);
  std::optional<cef::testing::DownloadAnswer> answer = cef::testing::DownloadContinued(id);
  ASSERT_TRUE(answer);
  EXPECT_EQ(answer->download_path, "");
  EXPECT_TRUE(answer->show_dialog);

  cef::testing::DownloadProgress progress;
  progress.received_bytes = 50;
  EXPECT_EQ(cef::testing::UpdateDownload(id, progress), std::optional<bool>(false));
  progress.received_bytes = 100;
  progress.complete = true;
  progress.full_path = "C:\\Users\\me\\a.zip";
  EXPECT_EQ(cef::testing::UpdateDownload(id, progress), std::optional<bool>(false));
  EXPECT_EQ(cef::testing::UpdateDownload(id, progress), std::nullopt);  // finished downloads are gone
  EXPECT_EQ(client_->Names(), (Names{"OnBeforeDownload", "OnDownloadUpdated", "OnDownloadUpdated"}));
  EXPECT_EQ(client_->Calls()[2].detail, "complete C:\\Users\\me\\a.zip");
  ASSERT_TRUE(kept_item);
  EXPECT_FALSE(kept_item->IsValid());  // valid only during the callback
}

TEST_F(PageEvents, ProtocolRendererAndMessagesReachTheClient) {
  EXPECT_FALSE(cef::testing::AskProtocolExecution(browser_, "spotify:track:1"));
  EXPECT_TRUE(cef::testing::AskProtocolExecution(browser_, "mailto:x", true));  // left as it came
  client_->allow_protocols = true;
  EXPECT_TRUE(cef::testing::AskProtocolExecution(browser_, "spotify:track:1"));

  cef::testing::EndRenderer(browser_, TS_PROCESS_CRASHED);
  CefRefPtr<CefProcessMessage> message = CefProcessMessage::Create("clientMsg");
  EXPECT_FALSE(cef::testing::SendToBrowser(browser_, message));
  client_->handle_messages = true;
  EXPECT_TRUE(cef::testing::SendToBrowser(browser_, message));
  const std::vector<RecordingClient::Call> calls = client_->Calls();
  EXPECT_EQ(calls[3].name, "OnRenderProcessTerminated");
  EXPECT_EQ(calls[3].detail, std::to_string(TS_PROCESS_CRASHED));
  EXPECT_EQ(calls[4].detail, "clientMsg ro");
  EXPECT_TRUE(client_->AllOnUiThread());
}

TEST_F(PageEvents, EventsForAClosedOrForeignBrowserAreIgnored) {
  DestroyWindow(parent_);
  ASSERT_TRUE(cef::testing::WaitForBrowserClosed(browser_));
  client_->Forget();
  EXPECT_FALSE(cef::testing::LoadPage(browser_, {"http://x.example/", "", TT_LINK, 200}));
  cef::testing::ChangeTitle(browser_, "t");
  EXPECT_FALSE(cef::testing::SendToBrowser(browser_, CefProcessMessage::Create("m")));
  EXPECT_TRUE(client_->Calls().empty());
  EXPECT_FALSE(cef::testing::LoadPage(NULL, {"http://x.example/", "", TT_LINK, 200}));
}

}  // namespace
