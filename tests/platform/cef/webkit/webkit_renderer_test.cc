// The launcher's renderer inside WebKit's web process: the page function it
// binds answers synchronously and hands the call to the client, and the
// client's scripts reach the page.
#include "include/cef_process_message.h"
#include "webkit_fixture.h"

namespace {

const char kBridge[] =
    "<html><head><title>Bridge</title></head><body><script>"
    "document.title = String(JsCallWindowsClient('PayUrl', 'http://pay.example/', 3));"
    "</script></body></html>";

}  // namespace

TEST_F(WebKitEngineTest, PageFunctionAnswersReceiveOkAndItsCallReachesTheClient) {
  server_.Add("/bridge.html", kBridge);
  Open(server_.Url("/bridge.html"));
  ASSERT_TRUE(Eventually([this] { return Recorded(client_, "OnTitleChange", "ReceiveOk"); }));
  ASSERT_TRUE(Eventually([this] { return Recorded(client_, "OnProcessMessageReceived", "jsCallMsg"); }));
  // Arguments go as text; a number has none, as the engine's values answer.
  EXPECT_EQ((std::vector<std::string>{"PayUrl", "http://pay.example/", ""}), client_->MessageArguments());
}

TEST_F(WebKitEngineTest, PageFunctionWithTooFewArgumentsGivesUndefinedAndSendsNothing) {
  server_.Add("/one.html",
              "<html><body><script>document.title = typeof JsCallWindowsClient('PayUrl');</script></body></html>");
  Open(server_.Url("/one.html"));
  ASSERT_TRUE(Eventually([this] { return Recorded(client_, "OnTitleChange", "undefined"); }));
  EXPECT_FALSE(Recorded(client_, "OnProcessMessageReceived"));
}

TEST_F(WebKitEngineTest, EveryNewDocumentGetsThePageFunction) {
  server_.Add("/bridge.html", kBridge);
  server_.Add("/plain.html", "<html><head><title>Plain</title></head></html>");
  Open(server_.Url("/plain.html"));
  ASSERT_TRUE(Eventually([this] { return Recorded(client_, "OnLoadEnd", "/plain.html"); }));
  browser_->GetMainFrame()->LoadURL(server_.Url("/bridge.html"));
  EXPECT_TRUE(Eventually([this] { return Recorded(client_, "OnTitleChange", "ReceiveOk"); }));
}

TEST_F(WebKitEngineTest, ClientMessageRunsItsScriptInThePage) {
  server_.Add("/plain.html", "<html><head><title>Plain</title></head></html>");
  Open(server_.Url("/plain.html"));
  ASSERT_TRUE(Eventually([this] { return Recorded(client_, "OnLoadEnd", "/plain.html"); }));
  CefRefPtr<CefProcessMessage> message = CefProcessMessage::Create("clientMsg");
  message->GetArgumentList()->SetString(0, "document.title = 'from ' + 'client';");
  EXPECT_TRUE(browser_->SendProcessMessage(PID_RENDERER, message));
  EXPECT_TRUE(Eventually([this] { return Recorded(client_, "OnTitleChange", "from client"); }));
}
