// Pages in WebKitGTK as the client sees them: loads with their transition
// types, titles and addresses, stopping, going back, the error page, popups
// and addresses WebKit cannot load.
#include "webkit_fixture.h"

namespace {

std::string TypeOf(int transition) { return " " + std::to_string(transition); }

const char kFirst[] = "<html><head><title>First</title></head><body>"
                      "<a id='next' href='/second.html'>next</a></body></html>";
const char kSecond[] = "<html><head><title>Second</title></head><body>second</body></html>";

}  // namespace

TEST_F(WebKitEngineTest, FirstLoadIsExplicitAndReportsStartAddressTitleAndEnd) {
  server_.Add("/first.html", kFirst);
  Open(server_.Url("/first.html"));
  ASSERT_TRUE(Eventually([this] { return Recorded(client_, "OnLoadEnd", "/first.html 200"); }));
  EXPECT_TRUE(Eventually([this] { return Recorded(client_, "OnTitleChange", "First"); }));
  EXPECT_TRUE(Recorded(client_, "OnLoadStart", server_.Url("/first.html") + TypeOf(TT_EXPLICIT)));
  EXPECT_TRUE(Recorded(client_, "OnAddressChange", server_.Url("/first.html")));
  EXPECT_TRUE(client_->AllOnUiThread());
  EXPECT_EQ(server_.Url("/first.html"), browser_->GetMainFrame()->GetURL().ToString());
}

TEST_F(WebKitEngineTest, LinkLoadsAsLinkAndGoBackAsForwardBack) {
  server_.Add("/first.html", kFirst);
  server_.Add("/second.html", kSecond);
  Open(server_.Url("/first.html"));
  ASSERT_TRUE(Eventually([this] { return Recorded(client_, "OnLoadEnd", "/first.html"); }));

  browser_->GetMainFrame()->ExecuteJavaScript("document.getElementById('next').click();", "", 0);
  ASSERT_TRUE(Eventually([this] { return Recorded(client_, "OnLoadEnd", "/second.html"); }));
  EXPECT_TRUE(Recorded(client_, "OnLoadStart", "/second.html" + TypeOf(TT_LINK)));
  EXPECT_TRUE(browser_->CanGoBack());

  client_->Forget();
  browser_->GoBack();
  ASSERT_TRUE(Eventually([this] { return Recorded(client_, "OnLoadEnd", "/first.html"); }));
  EXPECT_TRUE(Recorded(client_, "OnLoadStart", "/first.html" + TypeOf(TT_EXPLICIT | TT_FORWARD_BACK_FLAG)));
  EXPECT_TRUE(browser_->CanGoForward());
}

TEST_F(WebKitEngineTest, ReloadLoadsAsReload) {
  server_.Add("/first.html", kFirst);
  Open(server_.Url("/first.html"));
  ASSERT_TRUE(Eventually([this] { return Recorded(client_, "OnLoadEnd", "/first.html"); }));
  client_->Forget();
  browser_->Reload();
  ASSERT_TRUE(Eventually([this] { return Recorded(client_, "OnLoadEnd", "/first.html"); }));
  EXPECT_TRUE(Recorded(client_, "OnLoadStart", "/first.html" + TypeOf(TT_RELOAD)));
}

TEST_F(WebKitEngineTest, StopDuringLoadStartKeepsThePageAndEndsTheLoadAsAborted) {
  server_.Add("/first.html", kFirst);
  server_.Add("/second.html?client=1", kSecond);
  Open(server_.Url("/first.html"));
  ASSERT_TRUE(Eventually([this] { return Recorded(client_, "OnLoadEnd", "/first.html"); }));
  client_->on_load_start = [](CefRefPtr<CefBrowser> browser) {
    if (browser->GetMainFrame()->GetURL().ToString().find("client=1") != std::string::npos)
      browser->StopLoad();
  };
  client_->Forget();
  browser_->GetMainFrame()->LoadURL(server_.Url("/second.html?client=1"));
  ASSERT_TRUE(Eventually([this] { return Recorded(client_, "OnLoadError"); }));
  EXPECT_TRUE(Recorded(client_, "OnLoadError", std::to_string(ERR_ABORTED)));
  EXPECT_FALSE(Recorded(client_, "OnLoadEnd"));
  EXPECT_EQ(server_.Url("/first.html"), browser_->GetMainFrame()->GetURL().ToString());
}

TEST_F(WebKitEngineTest, StopOfALoadUnderWayIsAbortedAndShowsNoErrorPage) {
  server_.Add("/first.html", kFirst);
  server_.Add("/held", kSecond);
  Open(server_.Url("/first.html"));
  ASSERT_TRUE(Eventually([this] { return Recorded(client_, "OnLoadEnd", "/first.html"); }));
  browser_->GetMainFrame()->LoadURL(server_.Url("/held"));
  ASSERT_TRUE(Eventually([this] { return Recorded(client_, "OnLoadStart", "/held"); }));
  browser_->StopLoad();
  ASSERT_TRUE(Eventually([this] { return Recorded(client_, "OnLoadError"); }));
  server_.Release();
  EXPECT_TRUE(Recorded(client_, "OnLoadError", std::to_string(ERR_ABORTED) + " " + server_.Url("/held")));
  EXPECT_FALSE(Recorded(client_, "OnLoadEnd", "/held"));
}

// The client answers a failed load with its own page, given as text.
TEST_F(WebKitEngineTest, UnreachableAddressFailsAndTheClientsTextPageShowsInstead) {
  const std::string unreachable = "http://127.0.0.1:" + std::to_string(UnusedPort()) + "/";
  client_->on_load_error = [](CefRefPtr<CefBrowser> browser, const std::string& url) {
    browser->GetMainFrame()->LoadString("<html><head><title>Cannot open &lt;page&gt;</title></head></html>", url);
  };
  Open(unreachable);
  ASSERT_TRUE(Eventually([this] { return Recorded(client_, "OnLoadError"); }));
  EXPECT_TRUE(Recorded(client_, "OnLoadError", std::to_string(ERR_CONNECTION_REFUSED) + " " + unreachable));
  EXPECT_TRUE(Eventually([this] { return Recorded(client_, "OnTitleChange", "Cannot open <page>"); }));
  EXPECT_TRUE(Eventually([&] { return Recorded(client_, "OnLoadEnd", unreachable + " 200"); }));
}

TEST_F(WebKitEngineTest, PopupIsAskedOfTheClientAndSuppressedByItsAnswer) {
  server_.Add("/first.html", kFirst);
  client_->suppress_popups = true;
  Open(server_.Url("/first.html"));
  ASSERT_TRUE(Eventually([this] { return Recorded(client_, "OnLoadEnd", "/first.html"); }));
  browser_->GetMainFrame()->ExecuteJavaScript(
      "for (var i = 0; i < 200; ++i) window.open('/popup-' + i + '.html');", "", 0);
  ASSERT_TRUE(Eventually([this] { return Recorded(client_, "OnBeforePopup", "/popup-199.html"); }));
  EXPECT_TRUE(Recorded(client_, "OnBeforePopup", server_.Url("/popup-0.html")));
  EXPECT_EQ(server_.Url("/first.html"), browser_->GetMainFrame()->GetURL().ToString());
}

// "app:" and "spotify:" never load: the client sees the load start (and may
// stop it), is asked whether the system should open the address, and the
// page stays.
TEST_F(WebKitEngineTest, AddressesWebKitCannotLoadStartAndAreOfferedToTheSystem) {
  server_.Add("/first.html", kFirst);
  Open(server_.Url("/first.html"));
  ASSERT_TRUE(Eventually([this] { return Recorded(client_, "OnLoadEnd", "/first.html"); }));
  client_->Forget();
  browser_->GetMainFrame()->ExecuteJavaScript(
      "var a = document.getElementById('next'); a.href = 'app:Pay?x=1'; a.click();", "", 0);
  ASSERT_TRUE(Eventually([this] { return Recorded(client_, "OnLoadError"); }));
  EXPECT_TRUE(Recorded(client_, "OnLoadStart", "app:Pay?x=1" + TypeOf(TT_LINK)));
  EXPECT_TRUE(Recorded(client_, "OnProtocolExecution", "app:Pay?x=1"));
  EXPECT_TRUE(Recorded(client_, "OnLoadError", std::to_string(ERR_ABORTED)));
  EXPECT_EQ(server_.Url("/first.html"), browser_->GetMainFrame()->GetURL().ToString());
}

// Popups the client lets open get windows of their own, but a page cannot
// open them without bound.
TEST_F(WebKitEngineTest, AllowedPopupsOpenUpToTheBound) {
  server_.Add("/first.html", kFirst);
  Open(server_.Url("/first.html"));
  ASSERT_TRUE(Eventually([this] { return Recorded(client_, "OnLoadEnd", "/first.html"); }));
  browser_->GetMainFrame()->ExecuteJavaScript(
      "var opened = 0;"
      "for (var i = 0; i < 100; ++i) if (window.open('about:blank', 'popup' + i)) ++opened;"
      "document.title = 'opened:' + opened;",
      "", 0);
  ASSERT_TRUE(Eventually([this] { return Recorded(client_, "OnTitleChange", "opened:"); }));
  EXPECT_TRUE(Recorded(client_, "OnTitleChange", "opened:16"));
}

// WebKit tells the view only of main-frame loads; an inline frame's new
// document still reaches the client, in its own frame.
TEST_F(WebKitEngineTest, InlineFrameDocumentStartsAndEndsInItsOwnFrame) {
  server_.Add("/outer.html", "<html><body><iframe src='/inner.html?client=1'></iframe></body></html>");
  server_.Add("/inner.html?client=1", kSecond);
  Open(server_.Url("/outer.html"));
  ASSERT_TRUE(Eventually([this] { return Recorded(client_, "OnLoadEnd", "/inner.html?client=1 200"); }));
  EXPECT_TRUE(Recorded(client_, "OnLoadStart", "/inner.html?client=1" + TypeOf(TT_AUTO_SUBFRAME)));
  EXPECT_EQ(server_.Url("/outer.html"), browser_->GetMainFrame()->GetURL().ToString());
  EXPECT_EQ(2u, browser_->GetFrameCount());
}
