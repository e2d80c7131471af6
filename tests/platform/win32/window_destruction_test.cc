// DestroyWindow: owned windows first, WM_DESTROY top-down, WM_NCDESTROY bottom-up, windows of
// other threads destroyed on their own thread, and nothing of the window left afterwards.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <shellapi.h>

#include <utility>

#include "message_log.h"
#include "ui_thread.h"
#include "win32/testing/desktop_records.h"
#include "win32/testing/environment.h"

using ::testing::ElementsAre;
using win32_test::CreateLogged;
using win32_test::Logged;
using win32_test::MessageLog;
using win32_test::UiThread;

namespace {

using Step = std::pair<HWND, UINT>;

class WindowDestruction : public ::testing::Test {
 protected:
  void SetUp() override {
    win32::testing::Reset();
    MessageLog::Instance().Clear();
  }
  static std::vector<Step> DestroySteps() {
    std::vector<Step> steps;
    for (const Logged& entry : MessageLog::Instance().Entries())
      if (entry.message == WM_DESTROY || entry.message == WM_NCDESTROY)
        steps.emplace_back(entry.hwnd, entry.message);
    return steps;
  }
};

TEST_F(WindowDestruction, OwnedWindowsGoFirstThenDestroyTopDownAndNcDestroyBottomUp) {
  HWND top = CreateLogged(WS_POPUP | WS_VISIBLE);
  HWND child = CreateLogged(WS_CHILD | WS_VISIBLE, top);
  HWND grandchild = CreateLogged(WS_CHILD, child);
  HWND owned = CreateLogged(WS_POPUP | WS_VISIBLE, top);
  HWND owned_child = CreateLogged(WS_CHILD, owned);
  MessageLog::Instance().Clear();

  ASSERT_TRUE(DestroyWindow(top));
  EXPECT_THAT(DestroySteps(),
              ElementsAre(Step{owned, WM_DESTROY}, Step{owned_child, WM_DESTROY},
                          Step{owned_child, WM_NCDESTROY}, Step{owned, WM_NCDESTROY},
                          Step{top, WM_DESTROY}, Step{child, WM_DESTROY},
                          Step{grandchild, WM_DESTROY}, Step{grandchild, WM_NCDESTROY},
                          Step{child, WM_NCDESTROY}, Step{top, WM_NCDESTROY}));
  std::vector<UINT> top_log = MessageLog::Instance().MessagesOf(top);
  EXPECT_THAT(std::vector<UINT>(top_log.begin(), top_log.begin() + 2),
              ElementsAre(WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED))
      << "a visible window is hidden before anything is destroyed";
  for (HWND hwnd : {top, child, grandchild, owned, owned_child}) EXPECT_FALSE(IsWindow(hwnd));
}

TEST_F(WindowDestruction, ChildrenOfAnotherThreadAreDestroyedOnTheirOwnThread) {
  HWND top = CreateLogged(WS_POPUP);
  UiThread ui;
  HWND foreign_child = nullptr;
  HWND foreign_owned = nullptr;
  ui.Run([&] {
    foreign_child = CreateLogged(WS_CHILD, top);
    foreign_owned = CreateLogged(WS_POPUP, top);
  });
  MessageLog::Instance().Clear();
  ASSERT_TRUE(DestroyWindow(top));
  EXPECT_THAT(DestroySteps(),
              ElementsAre(Step{foreign_owned, WM_DESTROY}, Step{foreign_owned, WM_NCDESTROY},
                          Step{top, WM_DESTROY}, Step{foreign_child, WM_DESTROY},
                          Step{foreign_child, WM_NCDESTROY}, Step{top, WM_NCDESTROY}));
  for (const Logged& entry : MessageLog::Instance().Entries()) {
    DWORD expected = entry.hwnd == top ? GetCurrentThreadId() : ui.thread_id();
    EXPECT_EQ(entry.thread_id, expected) << "message " << entry.message;
  }
  EXPECT_FALSE(IsWindow(foreign_child));
  EXPECT_FALSE(IsWindow(foreign_owned));
}

TEST_F(WindowDestruction, AnotherThreadsWindowCannotBeDestroyedHere) {
  UiThread ui;
  HWND theirs = nullptr;
  ui.Run([&] { theirs = CreateLogged(WS_POPUP); });
  SetLastError(0);
  EXPECT_FALSE(DestroyWindow(theirs));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
  EXPECT_TRUE(IsWindow(theirs));
  EXPECT_FALSE(DestroyWindow(reinterpret_cast<HWND>(0x77777)));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE));
}

TEST_F(WindowDestruction, NothingOfTheWindowSurvivesIt) {
  HWND hwnd = CreateLogged(WS_POPUP);
  ASSERT_TRUE(RegisterHotKey(hwnd, 1, MOD_ALT, 'Q'));
  NOTIFYICONDATAW icon{};
  icon.cbSize = sizeof(icon);
  icon.hWnd = hwnd;
  icon.uID = 3;
  icon.uFlags = NIF_MESSAGE;
  icon.uCallbackMessage = WM_USER + 1;
  ASSERT_TRUE(Shell_NotifyIconW(NIM_ADD, &icon));
  ASSERT_TRUE(SetTimer(hwnd, 9, 1, nullptr));
  PostMessageW(hwnd, WM_USER, 0, 0);
  SetCapture(hwnd);
  SetFocus(hwnd);

  DestroyWindow(hwnd);
  EXPECT_TRUE(win32::testing::HotKeys().empty());
  EXPECT_TRUE(win32::testing::TrayIcons().empty());
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(GetFocus(), nullptr);
  MSG msg;
  EXPECT_EQ(MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT),
            static_cast<DWORD>(WAIT_TIMEOUT))
      << "neither the posted message nor the timer outlives the window";
  EXPECT_FALSE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_TRUE(RegisterHotKey(nullptr, 2, MOD_ALT, 'Q')) << "the combination is free again";
  UnregisterHotKey(nullptr, 2);
}

TEST_F(WindowDestruction, CloseDestroysThroughTheDefaultProcedure) {
  HWND hwnd = CreateLogged(WS_POPUP | WS_VISIBLE);
  HWND owned = CreateLogged(WS_POPUP | WS_VISIBLE, hwnd);
  SendMessageW(hwnd, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(hwnd));
  EXPECT_FALSE(IsWindow(owned));
}

}  // namespace
