#include <gtest/gtest.h>

#include <atomic>

#include "cef/testing/page.h"
#include "engine_fixture.h"
#include "include/cef_cookie.h"
#include "include/cef_request_context.h"
#include "src/browser/menu_model.h"
#include "src/browser/renderer_channel.h"

namespace {

TEST(MenuModel, IndexAndCommandOperationsAgree) {
  CefRefPtr<CefMenuModel> model = new cef_internal::MenuModel();
  model->AddItem(1, "one");
  model->AddSeparator();
  model->AddCheckItem(3, "three");
  EXPECT_TRUE(model->InsertItemAt(0, 0, "zero"));
  EXPECT_FALSE(model->InsertItemAt(9, 9, "far"));
  EXPECT_EQ(model->GetCount(), 4);
  EXPECT_EQ(model->GetIndexOf(3), 3);
  EXPECT_EQ(model->GetIndexOf(-1), -1);  // separators have no command
  EXPECT_EQ(model->GetCommandIdAt(7), -1);
  EXPECT_EQ(model->GetLabel(1), "one");
  EXPECT_EQ(model->GetTypeAt(2), MENUITEMTYPE_SEPARATOR);

  EXPECT_TRUE(model->SetVisible(1, false));
  EXPECT_FALSE(model->IsVisible(1));
  EXPECT_FALSE(model->IsVisible(42));
  EXPECT_TRUE(model->SetChecked(3, true));
  EXPECT_FALSE(model->SetChecked(1, true));  // only check and radio items check
  EXPECT_TRUE(model->Remove(1));
  EXPECT_FALSE(model->Remove(1));
  EXPECT_TRUE(model->RemoveAt(0));
  EXPECT_EQ(model->GetCommandIdAt(1), 3);
  EXPECT_TRUE(model->IsChecked(3));
}

TEST(WindowInfo, SetAsChildFillsAVisibleChildOfTheRect) {
  CefWindowInfo info;
  HWND parent = reinterpret_cast<HWND>(0x10);
  info.SetAsChild(parent, RECT{5, 6, 105, 56});
  EXPECT_EQ(info.parent_window, parent);
  EXPECT_EQ(info.x, 5);
  EXPECT_EQ(info.y, 6);
  EXPECT_EQ(info.width, 100);
  EXPECT_EQ(info.height, 50);
  EXPECT_TRUE(info.style & WS_CHILD);
  EXPECT_TRUE(info.style & WS_VISIBLE);
  CefWindowInfo copy = info;
  CefString(&info.window_name) = "changed";
  EXPECT_TRUE(CefString(&copy.window_name).empty());
}

class RecordingChannel : public cef_internal::RendererChannel {
 public:
  void Deliver(int browser_id, CefRefPtr<CefProcessMessage> message) override {
    delivered.push_back(message->GetName().ToString() + "@" + std::to_string(browser_id));
  }
  std::vector<std::string> delivered;
};

class EngineObjects : public EngineTest {};

TEST_F(EngineObjects, ConnectedRendererChannelGetsWhatBrowsersSend) {
  auto channel = std::make_shared<RecordingChannel>();
  cef_internal::ConnectRendererChannel(channel);
  CefRefPtr<RecordingClient> client = new RecordingClient();
  CefRefPtr<CefBrowser> browser = OpenBrowser("http://a.example/", client);
  ASSERT_TRUE(browser);
  browser->SendProcessMessage(PID_RENDERER, CefProcessMessage::Create("invoke"));
  cef_internal::ConnectRendererChannel(nullptr);
  browser->SendProcessMessage(PID_RENDERER, CefProcessMessage::Create("after"));
  EXPECT_EQ(channel->delivered, std::vector<std::string>{"invoke@" + std::to_string(browser->GetIdentifier())});
  EXPECT_EQ(cef::testing::ActivityOf(browser).renderer_messages.size(), 2u);
}

TEST_F(EngineObjects, BrowsersWithoutARequestContextUseTheGlobalOne) {
  CefRefPtr<RecordingClient> client = new RecordingClient();
  CefRefPtr<CefBrowser> browser = OpenBrowser("http://a.example/", client);
  ASSERT_TRUE(browser);
  CefRefPtr<CefRequestContext> context = browser->GetHost()->GetRequestContext();
  ASSERT_TRUE(context);
  EXPECT_TRUE(context->IsGlobal());
  EXPECT_TRUE(context->IsSame(CefRequestContext::GetGlobalContext()));
  EXPECT_EQ(browser->GetHost()->GetClient().get(), static_cast<CefClient*>(client.get()));
}

class Completion : public CefCompletionCallback {
 public:
  void OnComplete() override { on_ui = CefCurrentlyOn(TID_UI); }
  std::atomic<bool> on_ui{false};

 private:
  IMPLEMENT_REFCOUNTING(Completion);
};

TEST_F(EngineObjects, CookieManagersAreRecordedAndCompleteOnTheUiThread) {
  const size_t before = cef::testing::CookieManagerCalls().size();
  CefRefPtr<Completion> completion = new Completion();
  EXPECT_TRUE(CefCookieManager::CreateManager("CefCookie", false, completion.get()));
  EXPECT_TRUE(CefCookieManager::CreateManager("", true, NULL));
  cef::testing::WaitForUiIdle();
  EXPECT_TRUE(completion->on_ui);
  const auto calls = cef::testing::CookieManagerCalls();
  ASSERT_EQ(calls.size(), before + 2);
  EXPECT_EQ(calls[before].path, "CefCookie");
  EXPECT_FALSE(calls[before].persist_session_cookies);
  EXPECT_TRUE(calls[before + 1].persist_session_cookies);
}

}  // namespace
