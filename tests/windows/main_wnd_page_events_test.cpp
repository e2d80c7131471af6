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

TEST_F(MainWindowPageTest, PopupsOpenInTheDefaultBrowserAndNeverAsWindows) {
  const wchar_t* urls[] = {
      L"http://bbs.vantellis.example/thread/1",
      L"https://elsewhere.example.org/?ref=.vantellis.example",
      L"https://elsewhere.example.org/",
  };
  for (const wchar_t* url : urls) {
    cef::testing::PopupRequest request;
    request.target_url = url;
    const auto outcome = cef::testing::RequestPopup(m_browser, request);
    EXPECT_TRUE(outcome.suppressed);
    EXPECT_FALSE(outcome.would_open);
  }
  const auto opens = win32::testing::ShellOpens();
  ASSERT_EQ(opens.size(), 3u);
  for (size_t i = 0; i < opens.size(); ++i) {
    EXPECT_EQ(opens[i].file, urls[i]);
    EXPECT_EQ(opens[i].verb, L"open");
    EXPECT_EQ(opens[i].window, nullptr);
  }
}

TEST_F(MainWindowPageTest, PopupsToAnythingButWebAddressesAreDropped) {
  for (const wchar_t* url : {L"file:///etc/passwd", L"javascript:void(0)", L"calc.exe",
                             L"\\\\host\\share\\x.exe", L"app:pay||1", L""}) {
    cef::testing::PopupRequest request;
    request.target_url = url;
    EXPECT_TRUE(cef::testing::RequestPopup(m_browser, request).suppressed);
  }
  EXPECT_TRUE(win32::testing::ShellOpens().empty());
  EXPECT_TRUE(IsWindow(m_main));
}

TEST_F(MainWindowPageTest, LinkToAnAppAddressIsAPageCommandAndStopsTheLoad) {
  const struct {
    const wchar_t* url;
    bool command;
  } cases[] = {
      {L"app:c||x||y", true},
      {L"app:c|x", true},
      {L"app:  c  ||   ||x", true},
      {L"app:c||||||x", true},
      {L"app:", false},
      {L"app:||||", false},
      {L"app:  ||c", false},
      {L"APP:c||x", false},
      {L"http://s3.vantellis.example/app:c", false},
  };
  int stops = 0;
  for (const auto& c : cases) {
    EXPECT_EQ(Navigate(c.url, TT_LINK), !c.command) << CefString(c.url);
    if (c.command) ++stops;
    EXPECT_EQ(cef::testing::ActivityOf(m_browser).stop_load, stops) << CefString(c.url);
  }
  EXPECT_TRUE(Navigate(L"app:c||x", TT_LINK, L"sub") == false);
  EXPECT_TRUE(IsWindow(m_main));
  EXPECT_TRUE(win32::testing::ShellOpens().empty());
}

TEST_F(MainWindowPageTest, OnlyAPlainLinkClickCarriesAPageCommand) {
  const cef_transition_type_t others[] = {
      TT_EXPLICIT,
      TT_AUTO_SUBFRAME,
      TT_MANUAL_SUBFRAME,
      TT_FORM_SUBMIT,
      TT_RELOAD,
      static_cast<cef_transition_type_t>(TT_LINK | TT_FORWARD_BACK_FLAG),
      static_cast<cef_transition_type_t>(TT_LINK | TT_SERVER_REDIRECT_FLAG),
      static_cast<cef_transition_type_t>(TT_LINK | TT_CLIENT_REDIRECT_FLAG),
  };
  for (cef_transition_type_t transition : others) {
    EXPECT_TRUE(Navigate(L"app:c||x", transition)) << transition;
  }
  EXPECT_EQ(cef::testing::ActivityOf(m_browser).stop_load, 0);
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
