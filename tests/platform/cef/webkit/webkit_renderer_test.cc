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

// JavaScriptCore ends a string's text at a NUL or a lone surrogate; what it
// gives arrives unchanged, however long and however many.
TEST_F(WebKitEngineTest, PageFunctionCarriesThePageTextWhole) {
  server_.Add("/text.html",
              "<html><head><meta charset='utf-8'></head><body><script>"
              "var values = ['Text', '\\u4e2d\\u6587', '\\ud83d\\ude00!', 'x\\ud800y', 'x\\udc00y', '',"
              "              'a\\u0000b', 'end\\ud83d', 'h'.repeat(1 << 20)];"
              "for (var i = 0; i < 3000; ++i) values.push('n' + i);"
              "document.title = 'text ' + JsCallWindowsClient.apply(null, values);"
              "</script></body></html>");
  Open(server_.Url("/text.html"));
  ASSERT_TRUE(Eventually([this] { return Recorded(client_, "OnTitleChange", "text ReceiveOk"); }));
  ASSERT_TRUE(Eventually([this] { return Recorded(client_, "OnProcessMessageReceived", "jsCallMsg"); }));
  const std::vector<std::string> arguments = client_->MessageArguments();
  ASSERT_EQ(9u + 3000u, arguments.size());
  EXPECT_EQ((std::vector<std::string>{"Text", "\xe4\xb8\xad\xe6\x96\x87", "\xf0\x9f\x98\x80!", "x", "x", "", "a",
                                      "end"}),
            std::vector<std::string>(arguments.begin(), arguments.begin() + 8));
  EXPECT_EQ(std::string(1 << 20, 'h'), arguments[8]);
  EXPECT_EQ("n0", arguments[9]);
  EXPECT_EQ("n2999", arguments.back());
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
