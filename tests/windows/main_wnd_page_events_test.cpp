// What the game page can do to the game window: popups, titles, "app:" commands and bridge
// messages.
#include <gtest/gtest.h>

#include "app/app_config.h"
#include "launcher_fixture.h"
#include "products/product.h"
#include "win32/testing/desktop_records.h"

namespace {

class MainWindowPageTest : public LauncherTest {
 protected:
  void SetUp() override {
    LauncherTest::SetUp();
    m_main = HandOver();
    ASSERT_TRUE(m_main);
    m_browser = BrowserOf(m_main);
    ASSERT_TRUE(m_browser);
  }

  std::wstring TitleText() const { return Control(m_main, L"title")->text; }

  // True when the page went on loading |url|.
  bool Navigate(const wchar_t* url, cef_transition_type_t transition,
                const wchar_t* frame = L"") {
    cef::testing::PageLoad load;
    load.url = url;
    load.frame_name = frame;
    load.transition = transition;
    return cef::testing::LoadPage(m_browser, load);
  }

  bool SendJsCall(const std::vector<std::wstring>& arguments) {
    CefRefPtr<CefProcessMessage> message = CefProcessMessage::Create("jsCallMsg");
    for (size_t i = 0; i < arguments.size(); ++i)
      message->GetArgumentList()->SetString(i, arguments[i]);
    return cef::testing::SendToBrowser(m_browser, message);
  }

  HWND m_main = NULL;
  CefRefPtr<CefBrowser> m_browser;
};

TEST_F(MainWindowPageTest, TitleLabelFollowsThePageAndFallsBackToTheProductName) {
  EXPECT_EQ(TitleText(), L"Vantellis");
  cef::testing::ChangeTitle(m_browser, L"第三区 · 战场");
  EXPECT_EQ(TitleText(), L"第三区 · 战场");
  cef::testing::ChangeTitle(m_browser, L"");
  EXPECT_EQ(TitleText(), kProductName);
}

TEST_F(MainWindowPageTest, PopupsNeverBecomeWindowsAndOnlyWebAddressesReachTheShell) {
  const wchar_t* urls[] = {
      L"http://bbs.vantellis.example/thread/1",
      L"https://elsewhere.example.org/?ref=.vantellis.example",
      L"file:///etc/passwd", L"javascript:void(0)", L"calc.exe", L"app:pay||1", L"",
  };
  for (const wchar_t* url : urls) {
    cef::testing::PopupRequest request;
    request.target_url = url;
    const auto outcome = cef::testing::RequestPopup(m_browser, request);
    EXPECT_TRUE(outcome.suppressed && !outcome.would_open) << CefString(url);
  }
  const auto opens = win32::testing::ShellOpens();
  ASSERT_EQ(opens.size(), 2u);
  for (size_t i = 0; i < opens.size(); ++i) {
    EXPECT_EQ(opens[i].file, urls[i]);
    EXPECT_EQ(opens[i].verb, L"open");
  }
}

TEST_F(MainWindowPageTest, OnlyALinkClickToAnAppAddressWithACommandStopsTheLoad) {
  const struct {
    const wchar_t* url;
    cef_transition_type_t transition;
    bool command;
  } cases[] = {
      {L"app:c||x||y", TT_LINK, true},
      {L"app:c|x", TT_LINK, true},
      {L"app:  c  ||   ||x", TT_LINK, true},
      {L"app:", TT_LINK, false},
      {L"app:||||", TT_LINK, false},
      {L"app:  ||c", TT_LINK, false},
      {L"APP:c||x", TT_LINK, false},
      {L"http://s3.vantellis.example/app:c", TT_LINK, false},
      {L"app:c||x", TT_EXPLICIT, false},
      {L"app:c||x", TT_FORM_SUBMIT, false},
      {L"app:c||x", TT_RELOAD, false},
      {L"app:c||x", TT_AUTO_SUBFRAME, false},
      {L"app:c||x", static_cast<cef_transition_type_t>(TT_LINK | TT_FORWARD_BACK_FLAG), false},
      {L"app:c||x", static_cast<cef_transition_type_t>(TT_LINK | TT_SERVER_REDIRECT_FLAG), false},
  };
  int stops = 0;
  for (const auto& c : cases) {
    EXPECT_EQ(Navigate(c.url, c.transition), !c.command) << CefString(c.url) << c.transition;
    stops += c.command;
    EXPECT_EQ(cef::testing::ActivityOf(m_browser).stop_load, stops) << CefString(c.url);
  }
  EXPECT_FALSE(Navigate(L"app:c||x", TT_LINK, L"sub"));
  EXPECT_TRUE(IsVisible(m_main));
}

TEST_F(MainWindowPageTest, JsCallAnswersEveryRequestAndTakesOnlyAWellFormedPayLink) {
  AppConfig* config = AppConfig::GetInstance();
  const DuiLib::CDuiString before = config->GetPayLink();

  EXPECT_FALSE(SendJsCall({}));
  EXPECT_TRUE(SendJsCall({L"PayUrl"}));
  EXPECT_TRUE(SendJsCall({L"PayUrl", L"http://pay.example/a", L"extra"}));
  EXPECT_TRUE(SendJsCall({L"payurl", L"http://pay.example/b"}));
  EXPECT_TRUE(SendJsCall({L"Other", L"http://pay.example/c"}));
  EXPECT_EQ(config->GetPayLink(), before);

  const wchar_t payLink[] = L"https://pay.vantellis.example/充值?u=1&v= 2";
  EXPECT_TRUE(SendJsCall({L"PayUrl", payLink}));
  EXPECT_EQ(config->GetPayLink(), DuiLib::CDuiString(payLink));

  CefRefPtr<CefProcessMessage> other = CefProcessMessage::Create("clientMsg");
  other->GetArgumentList()->SetString(0, "PayUrl");
  other->GetArgumentList()->SetString(1, "http://pay.example/d");
  EXPECT_FALSE(cef::testing::SendToBrowser(m_browser, other));
  EXPECT_EQ(config->GetPayLink(), DuiLib::CDuiString(payLink));
  config->SetPayLink(before.GetData());
}

}  // namespace
