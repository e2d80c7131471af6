// The road of a page request end to end: the game page calls the page
// function, the renderer sends the call to the browser process and the game
// window takes the address as its pay link.
#include <gtest/gtest.h>

#include "app/app_config.h"
#include "cef/testing/renderer_process.h"
#include "launcher_fixture.h"
#include "renderer/renderer_app.h"

namespace {

class PayLinkRoadTest : public LauncherTest {
 protected:
  void SetUp() override {
    // The launcher's entry hands the engine its browser-process object; the
    // in-process renderer runs the renderer's own, as the child process would.
    cef::testing::SetRendererExecutable("");
    cef::testing::SetInProcessRendererApp(new CRendererApp());
    LauncherTest::SetUp();
  }
  void TearDown() override {
    LauncherTest::TearDown();
    cef::testing::ResetRendererKnobs();
  }
};

TEST_F(PayLinkRoadTest, APageCallOfPayUrlAnswersReceiveOkAndBecomesTheGameWindowsPayLink) {
  const HWND main = HandOver();
  ASSERT_TRUE(main);
  CefRefPtr<CefBrowser> browser = BrowserOf(main);
  ASSERT_TRUE(browser);
  cef::testing::PageLoad game;
  game.url = kGameUrl;
  ASSERT_TRUE(cef::testing::LoadPage(browser, game));

  AppConfig* config = AppConfig::GetInstance();
  const DuiLib::CDuiString before = config->GetPayLink();
  const std::string address = "https://pay.vantellis.example/charge?server=3&u=\xe7\x8e\xa9\xe5\xae\xb6";
  cef::testing::PageCallResult result = cef::testing::CallPageFunction(
      browser, cef::testing::kMainFrame, "JsCallWindowsClient",
      {CefV8Value::CreateString("PayUrl"), CefV8Value::CreateString(address)});
  ASSERT_TRUE(result.value) << result.exception;
  EXPECT_EQ("ReceiveOk", result.value->GetStringValue().ToString());
  EXPECT_EQ(CefString(address).ToWString(), std::wstring(config->GetPayLink().GetData()));

  // One argument: undefined in the page, and the pay link stays.
  result = cef::testing::CallPageFunction(browser, cef::testing::kMainFrame, "JsCallWindowsClient",
                                          {CefV8Value::CreateString("PayUrl")});
  ASSERT_TRUE(result.value) << result.exception;
  EXPECT_TRUE(result.value->IsUndefined());
  EXPECT_EQ(CefString(address).ToWString(), std::wstring(config->GetPayLink().GetData()));
  config->SetPayLink(before.GetData());
}

}  // namespace
