// The events a window acts on reach it through ICefBrowserHandler with the engine's own
// arguments, and its answers go back to the engine.
#include "browser_fixture.h"

#include "include/cef_process_message.h"

using ::testing::_;
using ::testing::DoAll;
using ::testing::Invoke;
using ::testing::Return;
using ::testing::StrictMock;

namespace {

const cef_transition_type_t kLinkRedirect =
    static_cast<cef_transition_type_t>(TT_LINK | TT_CLIENT_REDIRECT_FLAG | TT_CHAIN_END_FLAG);

// A skinned window whose browser control, unlike the browser window's, may be taken out of
// its tree while the window lives on.
class BareBrowserWnd : public DuiLib::WindowImplBase {
 public:
  explicit BareBrowserWnd(ICefBrowserHandler* events) : events_(events) {}
  LPCTSTR GetWindowClassName() const override { return L"BrowserTestBare"; }
  DuiLib::CDuiString GetSkinFile() override { return L"browser.xml"; }
  DuiLib::CControlUI* CreateControl(LPCTSTR pstrClass) override { return new CCefBrowserUI; }
  void InitWindow() override {
    static_cast<CCefBrowserUI*>(m_PaintManager.FindControl(L"cefbrowser"))->CreateBrowser(events_);
  }
  void OnFinalMessage(HWND hWnd) override {
    WindowImplBase::OnFinalMessage(hWnd);
    delete this;
  }

 private:
  ICefBrowserHandler* events_;
};

}  // namespace

class BrowserEventsTest : public BrowserFixture {};

TEST_F(BrowserEventsTest, LoadAddressAndTitleEventsReachTheWindowUnchanged) {
  Opened opened = OpenBrowserWindow(&events_);
  ASSERT_TRUE(opened.browser.get());
  const CefString url("http://www.vantellis.example/game?client=1");
  {
    ::testing::InSequence in_order;
    EXPECT_CALL(events_, OnLoadStart(IsBrowser(opened.browser), IsMainFrame(), kLinkRedirect));
    EXPECT_CALL(events_, OnAddressChange(IsBrowser(opened.browser), IsMainFrame(), url));
    EXPECT_CALL(events_, OnLoadEnd(IsBrowser(opened.browser), IsMainFrame(), 404));
    EXPECT_CALL(events_, OnTitleChange(IsBrowser(opened.browser), CefString("游戏")));
  }
  cef::testing::PageLoad load;
  load.url = url;
  load.transition = kLinkRedirect;
  load.http_status = 404;
  EXPECT_TRUE(cef::testing::LoadPage(opened.browser, load));
  cef::testing::ChangeTitle(opened.browser, "游戏");
}

TEST_F(BrowserEventsTest, PopupRequestCarriesItsArgumentsAndTheWindowDecides) {
  Opened opened = OpenBrowserWindow(&events_);
  cef::testing::PopupRequest request;
  request.target_url = "http://pay.example/";
  request.target_frame_name = "_blank";
  request.disposition = WOD_NEW_POPUP;
  request.user_gesture = false;

  EXPECT_CALL(events_, OnBeforePopup(IsBrowser(opened.browser), IsMainFrame(),
                                     CefString("http://pay.example/"), CefString("_blank"),
                                     WOD_NEW_POPUP, false, _, _, _, _, _))
      .WillOnce(Return(true));
  cef::testing::PopupOutcome suppressed = cef::testing::RequestPopup(opened.browser, request);
  EXPECT_TRUE(suppressed.suppressed);
  EXPECT_FALSE(suppressed.would_open);

  // The window's changes to the out-parameters reach the engine.
  EXPECT_CALL(events_, OnBeforePopup(_, _, _, _, _, _, _, _, _, _, _))
      .WillOnce(Invoke([](CefRefPtr<CefBrowser>, CefRefPtr<CefFrame>, const CefString&,
                          const CefString&, CefLifeSpanHandler::WindowOpenDisposition, bool,
                          const CefPopupFeatures&, CefWindowInfo& info, CefRefPtr<CefClient>&,
                          CefBrowserSettings&, bool* no_javascript_access) {
        info.width = 321;
        *no_javascript_access = true;
        return false;
      }));
  cef::testing::PopupOutcome opens = cef::testing::RequestPopup(opened.browser, request);
  EXPECT_FALSE(opens.suppressed);
  EXPECT_TRUE(opens.would_open);
  EXPECT_EQ(321, opens.window_info.width);
  EXPECT_TRUE(opens.no_javascript_access);
}

TEST_F(BrowserEventsTest, ProcessMessagesOfAnyNameReachTheWindowWhichAnswers) {
  Opened opened = OpenBrowserWindow(&events_);
  CefRefPtr<CefProcessMessage> call = CefProcessMessage::Create("jsCallMsg");
  call->GetArgumentList()->SetString(0, "PayUrl");
  CefRefPtr<CefProcessMessage> other = CefProcessMessage::Create("anything");

  EXPECT_CALL(events_, OnProcessMessageReceived(IsBrowser(opened.browser), PID_RENDERER, _))
      .WillOnce(Invoke([](CefRefPtr<CefBrowser>, CefProcessId,
                          CefRefPtr<CefProcessMessage> message) {
        return message->GetName() == "jsCallMsg" &&
               message->GetArgumentList()->GetString(0) == "PayUrl";
      }))
      .WillOnce(Return(false));
  EXPECT_TRUE(cef::testing::SendToBrowser(opened.browser, call));
  EXPECT_FALSE(cef::testing::SendToBrowser(opened.browser, other));
}

TEST_F(BrowserEventsTest, AWindowThatOverridesNothingSuppressesPopupsAndHandlesNoMessage) {
  // No receiver given: the browser window receives its own browser's events; the bare
  // interface keeps every default.
  ICefBrowserHandler bare;
  for (ICefBrowserHandler* receiver : {static_cast<ICefBrowserHandler*>(NULL), &bare}) {
    Opened opened = OpenBrowserWindow(receiver);
    cef::testing::PopupRequest request;
    request.target_url = "http://elsewhere.example/";
    EXPECT_TRUE(cef::testing::RequestPopup(opened.browser, request).suppressed);
    EXPECT_FALSE(
        cef::testing::SendToBrowser(opened.browser, CefProcessMessage::Create("jsCallMsg")));
    cef::testing::PageLoad load;
    load.url = "http://www.vantellis.example/";
    EXPECT_TRUE(cef::testing::LoadPage(opened.browser, load));
    cef::testing::ChangeTitle(opened.browser, "title");
    main_.Run([&] { DestroyWindow(opened.hwnd); });
    EXPECT_TRUE(cef::testing::WaitForBrowserClosed(opened.browser));
  }
  EXPECT_TRUE(win32::testing::ShellOpens().empty());
}

TEST_F(BrowserEventsTest, EventsAfterTheControlIsGoneGetTheDefaultsAndTheBrowserStillCloses) {
  StrictMock<MockBrowserEvents> strict;
  HWND hwnd = NULL;
  main_.Run([&] {
    BareBrowserWnd* wnd = new BareBrowserWnd(&strict);
    hwnd = wnd->Create(NULL, L"bare", WS_POPUP | WS_VISIBLE, 0);
  });
  top_level_.push_back(hwnd);
  CefRefPtr<CefBrowser> browser = cef::testing::WaitForBrowserOfParent(hwnd);
  ASSERT_TRUE(browser.get());
  // The control goes while its browser lives on.
  ASSERT_TRUE(WithBrowserControl(hwnd, [](CCefBrowserUI* control) {
    static_cast<DuiLib::CContainerUI*>(control->GetParent())->Remove(control);
  }));

  cef::testing::PopupRequest request;
  request.target_url = "http://elsewhere.example/";
  EXPECT_TRUE(cef::testing::RequestPopup(browser, request).suppressed);
  EXPECT_FALSE(cef::testing::SendToBrowser(browser, CefProcessMessage::Create("x")));
  cef::testing::ChangeTitle(browser, "late");
  cef::testing::PageLoad load;
  load.url = "http://www.vantellis.example/late";
  EXPECT_TRUE(cef::testing::LoadPage(browser, load));

  main_.Run([&] { DestroyWindow(hwnd); });
  EXPECT_TRUE(cef::testing::WaitForBrowserClosed(browser));
}
