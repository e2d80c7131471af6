// Pages that push the launcher hard: huge titles, floods of requests, a renderer that dies.
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "app/app_config.h"
#include "cef/testing/page.h"
#include "include/cef_process_message.h"
#include "launcher_fixture.h"

namespace {

CefRefPtr<CefProcessMessage> PayRequest(const std::string& link) {
  CefRefPtr<CefProcessMessage> message = CefProcessMessage::Create("jsCallMsg");
  message->GetArgumentList()->SetString(0, "PayUrl");
  message->GetArgumentList()->SetString(1, link);
  return message;
}

class HostilePageTest : public LauncherTest {
 protected:
  void SetUp() override {
    LauncherTest::SetUp();
    game_ = HandOver();
    ASSERT_NE(game_, nullptr);
    page_ = BrowserOf(game_);
    ASSERT_TRUE(page_);
  }

  HWND game_ = NULL;
  CefRefPtr<CefBrowser> page_;
};

}  // namespace

TEST_F(HostilePageTest, MegabytePageTitleIsShownWholeInTheTitleLabel) {
  const std::string title(1 << 20, 'T');
  cef::testing::ChangeTitle(page_, title);
  Settle(game_);
  const auto label = Control(game_, L"title");
  ASSERT_TRUE(label);
  EXPECT_EQ(label->text.size(), title.size());
  EXPECT_TRUE(IsVisible(game_));
}

TEST_F(HostilePageTest, TenThousandRequestsInABurstAreAllAnsweredAndTheLastPayLinkHolds) {
  int answered = 0;
  for (int i = 0; i < 10000; ++i)
    answered += cef::testing::SendToBrowser(page_, PayRequest("http://pay.example/" +
                                                              std::to_string(i)));
  EXPECT_EQ(answered, 10000);
  EXPECT_EQ(std::wstring(AppConfig::GetInstance()->GetPayLink().GetData()),
            L"http://pay.example/9999");
  EXPECT_TRUE(IsVisible(game_));
}

TEST_F(HostilePageTest, RendererDyingDuringABurstOfRequestsLeavesTheGameWindowServingItsPage) {
  std::atomic<int> answered{0};
  std::thread burst([&] {
    for (int i = 0; i < 1000; ++i)
      answered += cef::testing::SendToBrowser(page_, PayRequest("http://pay.example/burst"));
  });
  cef::testing::EndRenderer(page_, TS_PROCESS_CRASHED);
  burst.join();
  EXPECT_EQ(answered, 1000);

  cef::testing::EndRenderer(page_, TS_ABNORMAL_TERMINATION);
  cef::testing::PageLoad reload;
  reload.url = kGameUrl;
  reload.transition = TT_RELOAD;
  EXPECT_TRUE(cef::testing::LoadPage(page_, reload));
  cef::testing::ChangeTitle(page_, "after the crash");
  Settle(game_);
  const auto label = Control(game_, L"title");
  ASSERT_TRUE(label);
  EXPECT_EQ(label->text, L"after the crash");
  EXPECT_TRUE(IsVisible(game_));
}
