#include <string>
#include <vector>

#include "cef/testing/page.h"
#include "include/cef_render_process_handler.h"
#include "renderer/renderer_app.h"
#include "renderer_host_fixture.h"
#include "src/renderer/renderer_connection.h"

namespace {

using cef::testing::CallPageFunction;
using cef::testing::CallPageFunctionRepeatedly;
using cef::testing::kMainFrame;
using cef::testing::PageCallResult;

const char kFunction[] = "JsCallWindowsClient";

class InProcessRendererTest : public RendererHostTest {
 protected:
  void SetUp() override { StartEngine("", new CRendererApp()); }
};

TEST_F(InProcessRendererTest, APageCallAnswersReceiveOkItsMessageReachesTheClientOnTheUiThreadAndShutdownReleasesTheRenderer) {
  CefRefPtr<CefBrowser> browser = OpenBrowser("http://main.example/");
  ASSERT_TRUE(browser);
  EXPECT_EQ(0, cef::testing::RendererProcessId());

  PageCallResult result =
      CallPageFunction(browser, kMainFrame, kFunction, Strings({"PayUrl", "http://pay.example/"}));
  ASSERT_TRUE(result.value) << result.exception;
  EXPECT_EQ("ReceiveOk", result.value->GetStringValue().ToString());

  result = CallPageFunction(browser, kMainFrame, kFunction, Strings({"PayUrl"}));
  ASSERT_TRUE(result.value) << result.exception;
  EXPECT_TRUE(result.value->IsUndefined());

  result = CallPageFunction(browser, kMainFrame, kFunction,
                            {CefV8Value::CreateString("Count"), CefV8Value::CreateInt(3),
                             CefV8Value::CreateString("")});
  ASSERT_TRUE(result.value) << result.exception;

  std::vector<ReceivedMessage> received = client_->Received();
  ASSERT_EQ(2u, received.size());
  EXPECT_EQ(browser->GetIdentifier(), received[0].browser_id);
  EXPECT_EQ("jsCallMsg", received[0].name);
  EXPECT_EQ((std::vector<std::string>{"PayUrl", "http://pay.example/"}), received[0].arguments);
  EXPECT_TRUE(received[0].on_ui_thread);
  EXPECT_TRUE(received[0].message->IsReadOnly());
  EXPECT_EQ((std::vector<std::string>{"Count", "", ""}), received[1].arguments);

  CefShutdown();
  EXPECT_EQ(0, cef::testing::WaitForRendererEnd());
}

TEST_F(InProcessRendererTest, InlineFramesAndNewDocumentsFollowTheBrowserProcessesLoads) {
  CefRefPtr<CefBrowser> browser = OpenBrowser("http://main.example/");
  ASSERT_TRUE(browser);
  cef::testing::PageLoad ad;
  ad.url = "http://ad.example/";
  ad.frame_name = "ad";
  ASSERT_TRUE(cef::testing::LoadPage(browser, ad));

  PageCallResult result = CallPageFunction(browser, "ad", kFunction, Strings({"a", "b"}));
  ASSERT_TRUE(result.value) << result.exception;
  EXPECT_EQ("ReceiveOk", result.value->GetStringValue().ToString());
  ASSERT_EQ(1u, client_->Received().size());
  EXPECT_EQ(browser->GetIdentifier(), client_->Received()[0].browser_id);

  cef::testing::PageLoad next;
  next.url = "http://next.example/";
  ASSERT_TRUE(cef::testing::LoadPage(browser, next));
  result = CallPageFunction(browser, "ad", kFunction, Strings({"a", "b"}));
  EXPECT_FALSE(result.value);
  EXPECT_NE(std::string::npos, result.exception.find("no document"));
  result = CallPageFunction(browser, kMainFrame, kFunction, Strings({"a", "b"}));
  EXPECT_TRUE(result.value) << result.exception;

  browser->GetHost()->CloseBrowser(true);
  ASSERT_TRUE(cef::testing::WaitForBrowserClosed(browser));
  result = CallPageFunction(browser, kMainFrame, kFunction, Strings({"a", "b"}));
  EXPECT_FALSE(result.value);
  EXPECT_EQ(2u, client_->Received().size());
}

TEST_F(InProcessRendererTest, ABurstOfTenThousandCallsAnswersEveryCallAndDeliversEveryMessage) {
  CefRefPtr<CefBrowser> browser = OpenBrowser("http://main.example/");
  ASSERT_TRUE(browser);
  const std::vector<PageCallResult> results = CallPageFunctionRepeatedly(
      browser, kMainFrame, kFunction, Strings({"PayUrl", "http://pay.example/"}), 10000);
  ASSERT_EQ(10000u, results.size());
  for (const PageCallResult& result : results) {
    ASSERT_TRUE(result.value) << result.exception;
    ASSERT_EQ("ReceiveOk", result.value->GetStringValue().ToString());
  }
  EXPECT_EQ(10000u, client_->Received().size());
  EXPECT_TRUE(cef::testing::RunOnUiThread([] {}));
}

TEST_F(InProcessRendererTest, MegabyteAndThousandsOfArgumentsArriveWhole) {
  CefRefPtr<CefBrowser> browser = OpenBrowser("http://main.example/");
  ASSERT_TRUE(browser);
  const std::string megabyte(1 << 20, 'm');
  const std::vector<PageCallResult> results = CallPageFunctionRepeatedly(
      browser, kMainFrame, kFunction, Strings({"Big", megabyte}), 8);
  for (const PageCallResult& result : results)
    ASSERT_TRUE(result.value) << result.exception;

  std::vector<std::string> many(5000, "x");
  many[0] = "Many";
  PageCallResult result = CallPageFunction(browser, kMainFrame, kFunction, Strings(many));
  ASSERT_TRUE(result.value) << result.exception;

  std::vector<ReceivedMessage> received = client_->Received();
  ASSERT_EQ(9u, received.size());
  for (size_t i = 0; i < 8; ++i)
    ASSERT_EQ(megabyte.size(), received[i].arguments.at(1).size()) << i;
  EXPECT_EQ(many, received[8].arguments);

}

TEST_F(InProcessRendererTest, ACallTooLargeToCarryThrowsAndTheNextCallGoesThrough) {
  CefRefPtr<CefBrowser> browser = OpenBrowser("http://main.example/");
  ASSERT_TRUE(browser);
  // One megabyte-long text (two as UTF-16) given 33 times: more than a record carries.
  CefV8ValueList huge(33, CefV8Value::CreateString(std::string(1 << 20, 'h')));
  huge[0] = CefV8Value::CreateString("Huge");
  PageCallResult result = CallPageFunction(browser, kMainFrame, kFunction, huge);
  EXPECT_FALSE(result.value);
  EXPECT_NE(std::string::npos, result.exception.find("RangeError")) << result.exception;
  result = CallPageFunction(browser, kMainFrame, kFunction, Strings({"After", "x"}));
  EXPECT_TRUE(result.value) << result.exception;
  ASSERT_EQ(1u, client_->Received().size());
  EXPECT_EQ("After", client_->Received()[0].arguments.at(0));
}

TEST_F(InProcessRendererTest, ACutConnectionFailsLaterCallsAndTheBrowserProcessGoesOn) {
  CefRefPtr<CefBrowser> browser = OpenBrowser("http://main.example/");
  ASSERT_TRUE(browser);
  cef::testing::BreakRendererConnection();
  EXPECT_EQ(cef_internal::kRendererConnectionLostExitCode, cef::testing::WaitForRendererEnd());

  PageCallResult result = CallPageFunction(browser, kMainFrame, kFunction, Strings({"a", "b"}));
  EXPECT_FALSE(result.value);
  EXPECT_NE(std::string::npos, result.exception.find("cannot be reached"));
  EXPECT_TRUE(browser->SendProcessMessage(PID_RENDERER, CefProcessMessage::Create("clientMsg")));
  EXPECT_TRUE(cef::testing::RunOnUiThread([] {}));
  EXPECT_EQ(1u, cef::testing::Browsers().size());
  EXPECT_TRUE(client_->Received().empty());
}

// Sends every message it receives back to the browser process.
class EchoApp : public CefApp, public CefRenderProcessHandler {
 public:
  CefRefPtr<CefRenderProcessHandler> GetRenderProcessHandler() override { return this; }
  bool OnProcessMessageReceived(CefRefPtr<CefBrowser> browser, CefProcessId source_process,
                                CefRefPtr<CefProcessMessage> message) override {
    return source_process == PID_BROWSER &&
           browser->SendProcessMessage(PID_BROWSER, message->Copy());
  }

  IMPLEMENT_REFCOUNTING(EchoApp);
};

class EchoRendererTest : public RendererHostTest {
 protected:
  void SetUp() override { StartEngine("", new EchoApp()); }
};

TEST_F(EchoRendererTest, MessagesCrossBothWaysWithEveryKindOfArgument) {
  CefRefPtr<CefBrowser> browser = OpenBrowser("http://main.example/");
  ASSERT_TRUE(browser);
  CefRefPtr<CefProcessMessage> message = CefProcessMessage::Create("clientMsg");
  CefRefPtr<CefListValue> args = message->GetArgumentList();
  args->SetString(0, "run()");
  args->SetInt(1, 7);
  args->SetBool(2, true);
  args->SetDouble(3, 1.5);
  args->SetNull(4);
  CefRefPtr<CefListValue> inner = CefListValue::Create();
  inner->SetString(0, "inner");
  args->SetList(5, inner);
  ASSERT_TRUE(browser->SendProcessMessage(PID_RENDERER, message));
  ASSERT_TRUE(browser->SendProcessMessage(PID_RENDERER, CefProcessMessage::Create("empty")));

  // A page call is answered after every earlier record was handled.
  CallPageFunction(browser, kMainFrame, "missing", {});
  std::vector<ReceivedMessage> received = client_->Received();
  ASSERT_EQ(2u, received.size());
  EXPECT_EQ("clientMsg", received[0].name);
  EXPECT_TRUE(received[0].message->GetArgumentList()->IsEqual(args));
  EXPECT_EQ("empty", received[1].name);
  EXPECT_EQ(0u, received[1].message->GetArgumentList()->GetSize());
}

}  // namespace
