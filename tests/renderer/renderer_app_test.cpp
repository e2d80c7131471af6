#include "renderer/renderer_app.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cef/testing/renderer.h"
#include "win32/testing/environment.h"

namespace {

using cef::testing::kMainFrame;

const char kFunction[] = "JsCallWindowsClient";

class RendererAppTest : public ::testing::Test {
 protected:
  RendererAppTest() {
    browser_ = session_.CreateBrowser();
    session_.LoadDocument(browser_, "http://game.example/micro/");
  }

  CefRefPtr<CefProcessMessage> ClientMsg(const std::vector<std::string>& scripts,
                                         const std::string& name = "clientMsg") {
    CefRefPtr<CefProcessMessage> message = CefProcessMessage::Create(name);
    for (size_t i = 0; i < scripts.size(); ++i)
      message->GetArgumentList()->SetString(static_cast<int>(i), scripts[i]);
    return message;
  }

  CefRefPtr<CefV8Value> PageFunction(const std::string& frame = kMainFrame) {
    return session_.GetGlobal(browser_, frame, kFunction);
  }

  cef::testing::RendererSession session_{new CRendererApp};
  int browser_ = 0;
};

TEST_F(RendererAppTest, EveryContextGetsThePageFunctionWithoutAttributes) {
  CefRefPtr<CefV8Value> function = PageFunction();
  ASSERT_TRUE(function);
  EXPECT_TRUE(function->IsFunction());
  EXPECT_EQ(kFunction, function->GetFunctionName().ToString());

  session_.RunOnRenderThread([&] {
    CefRefPtr<CefV8Value> window =
        session_.GetBrowser(browser_)->GetMainFrame()->GetV8Context()->GetGlobal();
    std::vector<CefString> keys;
    window->GetKeys(keys);
    ASSERT_EQ(1u, keys.size());
    EXPECT_EQ(kFunction, keys[0].ToString());
    EXPECT_TRUE(window->DeleteValue(kFunction));
    EXPECT_FALSE(window->HasValue(kFunction));
  });
}

TEST_F(RendererAppTest, EachNewContextWritesTheBindingDebugLine) {
  win32::testing::Reset();
  ASSERT_TRUE(session_.LoadInlineFrame(browser_, "pay", "http://pay.example/"));
  session_.Reload(browser_);
  session_.LoadDocument(browser_, "http://game.example/play");
  session_.CallGlobalFunction(browser_, kMainFrame, kFunction, {});

  const std::wstring line = L"ClientAppRenderer::OnContextCreated, create window binding\r\n";
  EXPECT_EQ(std::vector<std::wstring>(4, line), win32::testing::DebugOutputLines());
}

TEST_F(RendererAppTest, InlineFramesAndNewDocumentsAreBoundAnewWithTheOneHandler) {
  ASSERT_TRUE(session_.LoadInlineFrame(browser_, "pay", "http://pay.example/"));
  CefRefPtr<CefV8Value> main_function = PageFunction();
  CefRefPtr<CefV8Value> frame_function = PageFunction("pay");
  ASSERT_TRUE(main_function);
  ASSERT_TRUE(frame_function);
  EXPECT_FALSE(main_function->IsSame(frame_function));
  EXPECT_EQ(main_function->GetFunctionHandler().get(),
            frame_function->GetFunctionHandler().get());

  session_.Reload(browser_);
  CefRefPtr<CefV8Value> reloaded = PageFunction();
  ASSERT_TRUE(reloaded);
  EXPECT_FALSE(reloaded->IsSame(main_function));
  EXPECT_TRUE(PageFunction("pay"));

  session_.LoadDocument(browser_, "http://game.example/play");
  EXPECT_TRUE(PageFunction());
}

TEST_F(RendererAppTest, APageThatOverwritesTheFunctionKeepsItsValueUntilItsNextContext) {
  EXPECT_TRUE(session_.AssignGlobal(browser_, kMainFrame, kFunction,
                                    CefV8Value::CreateString("mine")));
  CefRefPtr<CefV8Value> value = PageFunction();
  ASSERT_TRUE(value);
  EXPECT_EQ("mine", value->GetStringValue().ToString());
  cef::testing::PageCallResult call =
      session_.CallGlobalFunction(browser_, kMainFrame, kFunction, {});
  EXPECT_EQ("TypeError: JsCallWindowsClient is not a function", call.exception);

  ASSERT_TRUE(session_.LoadInlineFrame(browser_, "pay", "http://pay.example/"));
  EXPECT_EQ("mine", PageFunction()->GetStringValue().ToString());

  session_.Reload(browser_);
  EXPECT_TRUE(PageFunction()->IsFunction());
}

TEST_F(RendererAppTest, ClientMsgRunsOnlyItsFirstScriptInTheMainFrameAtTheFramesAddress) {
  ASSERT_TRUE(session_.LoadInlineFrame(browser_, "pay", "http://pay.example/"));
  EXPECT_TRUE(session_.DeliverProcessMessage(browser_,
                                             ClientMsg({"first()", "second()"})));

  std::vector<cef::testing::ScriptRun> scripts = session_.ScriptsRun(browser_, kMainFrame);
  ASSERT_EQ(1u, scripts.size());
  EXPECT_EQ("first()", scripts[0].code);
  EXPECT_EQ("http://game.example/micro/", scripts[0].url);
  EXPECT_EQ(0, scripts[0].start_line);
  EXPECT_TRUE(session_.ScriptsRun(browser_, "pay").empty());
  EXPECT_TRUE(session_.MessagesToBrowser().empty());
}

TEST_F(RendererAppTest, ClientMsgIsMatchedWholeAndCaseSensitively) {
  const struct {
    const char* name;
    std::vector<std::string> scripts;
    bool handled;
    size_t scripts_run;
  } cases[] = {
      {"clientMsg", {"go()"}, true, 1},
      {"clientMsg", {}, true, 0},
      {"clientmsg", {"go()"}, false, 0},
      {"CLIENTMSG", {"go()"}, false, 0},
      {"clientMsg ", {"go()"}, false, 0},
      {" clientMsg", {"go()"}, false, 0},
      {"jsCallMsg", {"go()"}, false, 0},
      {"", {"go()"}, false, 0},
  };
  for (const auto& c : cases) {
    const size_t before = session_.ScriptsRun(browser_, kMainFrame).size();
    EXPECT_EQ(c.handled, session_.DeliverProcessMessage(browser_, ClientMsg(c.scripts, c.name)))
        << "'" << c.name << "'";
    EXPECT_EQ(before + c.scripts_run, session_.ScriptsRun(browser_, kMainFrame).size())
        << "'" << c.name << "'";
  }
}

TEST_F(RendererAppTest, ClientMsgIsActedOnWhicheverProcessSentIt) {
  EXPECT_TRUE(session_.DeliverProcessMessage(browser_, ClientMsg({"a()"}), PID_RENDERER));
  EXPECT_EQ(1u, session_.ScriptsRun(browser_, kMainFrame).size());
}

TEST(RendererAppRefCountTest, CountsItsOwnReferencesAndFreesOnTheLast) {
  CRendererApp* app = new CRendererApp;
  app->AddRef();
  EXPECT_TRUE(app->HasOneRef());
  app->AddRef();
  EXPECT_FALSE(app->HasOneRef());
  EXPECT_FALSE(app->Release());
  EXPECT_TRUE(app->HasOneRef());

  CefRefPtr<CefRenderProcessHandler> handler = app->GetRenderProcessHandler();
  EXPECT_EQ(static_cast<CefRenderProcessHandler*>(app), handler.get());
  EXPECT_FALSE(app->HasOneRef());
  handler = nullptr;
  EXPECT_TRUE(app->Release());
}

TEST(RendererAppRefCountTest, ThePageFunctionKeepsTheHandlerAliveAfterTheAppIsGone) {
  CefRefPtr<CefV8Value> function;
  {
    cef::testing::RendererSession session(new CRendererApp);
    const int browser = session.CreateBrowser();
    session.LoadDocument(browser, "http://game.example/");
    function = session.GetGlobal(browser, kMainFrame, kFunction);
  }
  ASSERT_TRUE(function);
  CefV8Handler* handler = function->GetFunctionHandler().get();
  ASSERT_NE(nullptr, handler);
  EXPECT_TRUE(handler->HasOneRef());
}

}  // namespace
