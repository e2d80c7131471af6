// The messages a window gets, and their order, as it is created, shown, sized and destroyed.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "message_log.h"
#include "win32/testing/environment.h"

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using win32_test::CreateLogged;
using win32_test::MessageLog;

namespace {

class WindowMessages : public ::testing::Test {
 protected:
  void SetUp() override {
    win32::testing::Reset();
    MessageLog::Instance().Clear();
  }
  std::vector<UINT> Log(HWND hwnd) { return MessageLog::Instance().MessagesOf(hwnd); }
  void Forget() { MessageLog::Instance().Clear(); }
};

TEST_F(WindowMessages, CreationSendsMinMaxNcCreateCalcCreateSizeMove) {
  HWND hwnd = CreateLogged(WS_POPUP);
  ASSERT_TRUE(hwnd);
  EXPECT_THAT(Log(hwnd), ElementsAre(WM_GETMINMAXINFO, WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE,
                                     WM_SIZE, WM_MOVE));
  DestroyWindow(hwnd);
}

TEST_F(WindowMessages, VisibleStyleShowsTheNewWindow) {
  HWND hwnd = CreateLogged(WS_POPUP | WS_VISIBLE);
  std::vector<UINT> log = Log(hwnd);
  ASSERT_GE(log.size(), 9u);
  EXPECT_THAT(std::vector<UINT>(log.begin() + 6, log.begin() + 9),
              ElementsAre(WM_SHOWWINDOW, WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED));
  EXPECT_TRUE(IsWindowVisible(hwnd));
  DestroyWindow(hwnd);
}

}  // namespace
