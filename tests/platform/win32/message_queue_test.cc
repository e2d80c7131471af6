// Posting, sending across threads, quitting, painting and timers.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "message_log.h"
#include "ui_thread.h"
#include "win32/testing/environment.h"

using ::testing::ElementsAre;
using win32_test::CreateLogged;
using win32_test::MessageLog;
using win32_test::UiThread;

namespace {

class MessageQueue : public ::testing::Test {
 protected:
  void SetUp() override {
    win32::testing::Reset();
    MessageLog::Instance().Clear();
  }
  // Takes and dispatches every pending message.
  std::vector<UINT> Drain() {
    std::vector<UINT> taken;
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      taken.push_back(msg.message);
      DispatchMessageW(&msg);
    }
    return taken;
  }
};

TEST_F(MessageQueue, PostedMessagesComeOutInOrderThenQuit) {
  HWND hwnd = CreateLogged(WS_POPUP);
  PostMessageW(hwnd, WM_USER + 1, 0, 0);
  PostQuitMessage(7);
  PostThreadMessageW(GetCurrentThreadId(), WM_USER + 2, 0, 0);
  PostMessageW(hwnd, WM_USER + 3, 0, 0);

  MSG msg;
  std::vector<UINT> order;
  BOOL result;
  while ((result = GetMessageW(&msg, nullptr, 0, 0)) != 0) order.push_back(msg.message);
  EXPECT_THAT(order, ElementsAre(WM_USER + 1, WM_USER + 2, WM_USER + 3));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
  EXPECT_EQ(msg.wParam, 7u);
  EXPECT_FALSE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) << "quit is delivered once";
  DestroyWindow(hwnd);
}

TEST_F(MessageQueue, PeekWithoutRemoveLeavesTheMessageAndFiltersApply) {
  HWND first = CreateLogged(WS_POPUP);
  HWND second = CreateLogged(WS_POPUP);
  PostMessageW(first, WM_USER + 1, 0, 0);
  PostMessageW(second, WM_USER + 2, 0, 0);
  MSG msg;
  ASSERT_TRUE(PeekMessageW(&msg, second, 0, 0, PM_NOREMOVE));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER + 2));
  EXPECT_FALSE(PeekMessageW(&msg, nullptr, WM_USER + 5, WM_USER + 9, PM_REMOVE));
  EXPECT_THAT(Drain(), ElementsAre(WM_USER + 1, WM_USER + 2));
  DestroyWindow(first);
  DestroyWindow(second);
}

TEST_F(MessageQueue, PostingToBadTargetsFails) {
  EXPECT_FALSE(PostMessageW(reinterpret_cast<HWND>(0x1234), WM_USER, 0, 0));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE));
  EXPECT_FALSE(PostThreadMessageW(0xFFFFFF, WM_USER, 0, 0));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_THREAD_ID));
  EXPECT_EQ(SendMessageW(reinterpret_cast<HWND>(0x1234), WM_USER, 0, 0), 0);
}

LRESULT CALLBACK AnswerProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_USER) return static_cast<LRESULT>(wparam * 2);
  if (message == WM_USER + 1) return static_cast<LRESULT>(GetCurrentThreadId());
  return DefWindowProcW(hwnd, message, wparam, lparam);
}

HWND CreateAnswering() {
  static bool registered = [] {
    WNDCLASSEXW window_class{};
    window_class.cbSize = sizeof(window_class);
    window_class.lpfnWndProc = AnswerProc;
    window_class.lpszClassName = L"Answering";
    return RegisterClassExW(&window_class) != 0;
  }();
  (void)registered;
  return CreateWindowExW(0, L"Answering", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                         nullptr);
}

TEST_F(MessageQueue, CrossThreadSendRunsOnTheOwnerAndReturnsItsResult) {
  UiThread ui;
  HWND hwnd = nullptr;
  ui.Run([&] { hwnd = CreateAnswering(); });
  EXPECT_EQ(SendMessageW(hwnd, WM_USER, 21, 0), 42);
  EXPECT_EQ(static_cast<DWORD>(SendMessageW(hwnd, WM_USER + 1, 0, 0)), ui.thread_id());
  ui.Run([&] { DestroyWindow(hwnd); });
}

TEST_F(MessageQueue, SameThreadSendCallsTheProcedureAtOnce) {
  HWND hwnd = CreateAnswering();
  EXPECT_EQ(SendMessageW(hwnd, WM_USER, 5, 0), 10);
  EXPECT_EQ(static_cast<DWORD>(SendMessageW(hwnd, WM_USER + 1, 0, 0)), GetCurrentThreadId());
  DestroyWindow(hwnd);
}

// The sender's own window is served while it waits, so two threads may send to each other.
std::atomic<HWND> g_partner{nullptr};

LRESULT CALLBACK PingProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_USER + 10) return SendMessageW(g_partner, WM_USER + 11, wparam + 1, 0) + 100;
  if (message == WM_USER + 11) return static_cast<LRESULT>(wparam * 10);
  return DefWindowProcW(hwnd, message, wparam, lparam);
}

TEST_F(MessageQueue, ThreadsSendingToEachOtherDoNotDeadlock) {
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof(window_class);
  window_class.lpfnWndProc = PingProc;
  window_class.lpszClassName = L"Ping";
  RegisterClassExW(&window_class);
  HWND mine = CreateWindowExW(0, L"Ping", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  g_partner = mine;
  UiThread ui;
  HWND theirs = nullptr;
  ui.Run([&] {
    theirs = CreateWindowExW(0, L"Ping", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  });
  // Their procedure sends back to this thread, which is blocked in SendMessageW.
  EXPECT_EQ(SendMessageW(theirs, WM_USER + 10, 1, 0), 120);
  ui.Run([&] { DestroyWindow(theirs); });
  DestroyWindow(mine);
  UnregisterClassW(L"Ping", nullptr);
}

TEST_F(MessageQueue, SendToAWindowOfAnEndedThreadReturnsZeroAndTheWindowIsGone) {
  HWND orphan = nullptr;
  std::thread([&] { orphan = CreateAnswering(); }).join();
  EXPECT_FALSE(IsWindow(orphan));
  EXPECT_EQ(SendMessageW(orphan, WM_USER, 4, 0), 0);
}

TEST_F(MessageQueue, GetMessageServesIncomingSendsWhileItWaits) {
  HWND hwnd = CreateAnswering();
  LRESULT answer = -1;
  std::thread sender([&] {
    answer = SendMessageW(hwnd, WM_USER, 8, 0);
    PostMessageW(hwnd, WM_USER + 5, 0, 0);
  });
  MSG msg;
  ASSERT_TRUE(GetMessageW(&msg, nullptr, 0, 0));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER + 5)) << "the send itself is never retrieved";
  sender.join();
  EXPECT_EQ(answer, 16);
  DestroyWindow(hwnd);
}

TEST_F(MessageQueue, PaintComesAfterPostedMessagesAndStopsOnceValidated) {
  HWND hwnd = CreateLogged(WS_POPUP | WS_VISIBLE);
  Drain();
  MSG msg;
  EXPECT_FALSE(PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE));
  RECT area{1, 2, 30, 40};
  InvalidateRect(hwnd, &area, FALSE);
  PostMessageW(hwnd, WM_USER, 0, 0);
  ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER));
  ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_PAINT));
  RECT update{};
  ASSERT_TRUE(GetUpdateRect(hwnd, &update, FALSE));
  EXPECT_EQ(update.left, 1);
  EXPECT_EQ(update.bottom, 40);
  DispatchMessageW(&msg);  // the default procedure paints, which validates
  EXPECT_FALSE(PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE));
  DestroyWindow(hwnd);
}

TEST_F(MessageQueue, QuitComesBeforePaintSoAnUnpaintedWindowCannotHoldTheLoopOpen) {
  HWND hwnd = CreateLogged(WS_POPUP | WS_VISIBLE);
  InvalidateRect(hwnd, nullptr, FALSE);
  PostQuitMessage(0);
  MSG msg;
  EXPECT_EQ(GetMessageW(&msg, nullptr, 0, 0), FALSE);
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
  DestroyWindow(hwnd);
}

TEST_F(MessageQueue, AThreadsHotKeysEndWithIt) {
  std::thread([] { EXPECT_TRUE(RegisterHotKey(nullptr, 1, MOD_CONTROL, 'K')); }).join();
  EXPECT_TRUE(RegisterHotKey(nullptr, 1, MOD_CONTROL, 'K'));
  EXPECT_TRUE(UnregisterHotKey(nullptr, 1));
}

TEST_F(MessageQueue, HiddenWindowsGetNoPaint) {
  HWND hwnd = CreateLogged(WS_POPUP);
  InvalidateRect(hwnd, nullptr, FALSE);
  MSG msg;
  EXPECT_FALSE(PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE));
  ShowWindow(hwnd, SW_SHOWNA);
  ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_PAINT));
  DestroyWindow(hwnd);
}

TEST_F(MessageQueue, TimerMessagesWaitForPostedOnesAndStopWhenKilled) {
  HWND hwnd = CreateLogged(WS_POPUP);
  ASSERT_TRUE(SetTimer(hwnd, 5, 1, nullptr));
  PostMessageW(hwnd, WM_USER, 0, 0);
  MSG msg;
  ASSERT_TRUE(GetMessageW(&msg, nullptr, 0, 0));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER));
  ASSERT_TRUE(GetMessageW(&msg, nullptr, 0, 0));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_TIMER));
  EXPECT_EQ(msg.wParam, 5u);
  EXPECT_TRUE(KillTimer(hwnd, 5));
  EXPECT_FALSE(KillTimer(hwnd, 5));
  EXPECT_EQ(MsgWaitForMultipleObjects(0, nullptr, FALSE, 30, QS_ALLINPUT),
            static_cast<DWORD>(WAIT_TIMEOUT));
  DestroyWindow(hwnd);
}

}  // namespace
