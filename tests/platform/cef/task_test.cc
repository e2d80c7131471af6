#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>
#include <vector>

#include "cef/testing/engine.h"
#include "include/cef_app.h"
#include "include/wrapper/cef_closure_task.h"
#include "include/wrapper/cef_helpers.h"

namespace {

class Tracked : public virtual CefBase {
 public:
  Tracked(std::atomic<int>* deleted, std::atomic<bool>* deleted_on_ui)
      : deleted_(deleted), deleted_on_ui_(deleted_on_ui) {}
  ~Tracked() override {
    *deleted_on_ui_ = CefCurrentlyOn(TID_UI);
    ++*deleted_;
  }
  void Run(std::vector<int>* order, int value) {
    CEF_REQUIRE_UI_THREAD();
    order->push_back(value);
  }

 private:
  std::atomic<int>* deleted_;
  std::atomic<bool>* deleted_on_ui_;

  IMPLEMENT_REFCOUNTING(Tracked);
};

void Append(std::vector<int>* order, int value) { order->push_back(value); }
void AppendAndFlag(std::vector<int>* order, int value, std::atomic<bool>* done) {
  order->push_back(value);
  *done = true;
}
void Flag(std::atomic<bool>* flag) { *flag = true; }
void Nothing() {}
void WaitAt(std::promise<void>* gate) { gate->get_future().wait(); }

// Runs a nested message loop, as a message box would, until a later task ends it; says so
// once it has ended, for the test's state must outlive it.
void RunNestedLoop(std::atomic<bool>* inner_ran, std::promise<bool>* ended) {
  MSG msg;
  while (GetMessageW(&msg, NULL, 0, 0) > 0)
    DispatchMessageW(&msg);
  ended->set_value(*inner_ran);
}
void EndNestedLoop(std::atomic<bool>* inner_ran) {
  *inner_ran = true;
  PostQuitMessage(0);
}
// Ends the nested loop around it only after the engine's stop has reached the UI thread: the
// test thread answers the send while it waits in CefShutdown for the stop to be served.
void EndNestedLoopAfterTheStopCame(HWND test_window) {
  PostQuitMessage(0);
  SendMessageW(test_window, WM_NULL, 0, 0);
}
void Signal(std::promise<void>* started) { started->set_value(); }

class UiThread : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(CefInitialize(CefMainArgs(NULL), CefSettings(), NULL, NULL)); }
  void TearDown() override { CefShutdown(); }
};

TEST_F(UiThread, TasksRunThereInPostingOrder) {
  EXPECT_FALSE(CefCurrentlyOn(TID_UI));
  std::atomic<int> deleted{0};
  std::atomic<bool> deleted_on_ui{false};
  std::vector<int> order;
  std::promise<void> gate;
  // The UI thread waits at the gate until the test has dropped its own reference.
  CefPostTask(TID_UI, base::Bind(&WaitAt, &gate));
  {
    CefRefPtr<Tracked> tracked = new Tracked(&deleted, &deleted_on_ui);
    for (int i = 0; i < 5; ++i)
      EXPECT_TRUE(CefPostTask(TID_UI, base::Bind(&Tracked::Run, tracked.get(), &order, i)));
  }
  gate.set_value();
  EXPECT_TRUE(cef::testing::WaitForUiIdle());
  EXPECT_EQ(order, (std::vector<int>{0, 1, 2, 3, 4}));
  EXPECT_EQ(deleted, 1);
  EXPECT_TRUE(deleted_on_ui);  // the closures let go of it where they ran
}

TEST_F(UiThread, DelayedTasksRunAfterTheirDelayInDueOrder) {
  std::vector<int> order;
  std::atomic<bool> done{false};
  // Far apart, so that even a test thread held up between the two posts sees them fall due in
  // the opposite order of posting.
  CefPostDelayedTask(TID_UI, base::Bind(&AppendAndFlag, &order, 2, &done), 400);
  CefPostDelayedTask(TID_UI, base::Bind(&Append, &order, 1), 10);
  CefPostTask(TID_UI, base::Bind(&Append, &order, 0));
  while (!done)
    cef::testing::WaitForUiIdle();
  EXPECT_EQ(order, (std::vector<int>{0, 1, 2}));
}

TEST_F(UiThread, QueuedTasksStillRunAtShutdownAndLaterPostsAreRefused) {
  std::atomic<int> deleted{0};
  std::atomic<bool> deleted_on_ui{false};
  std::vector<int> order;
  std::promise<void> gate;
  CefPostTask(TID_UI, base::Bind(&WaitAt, &gate));
  CefRefPtr<Tracked> tracked = new Tracked(&deleted, &deleted_on_ui);
  for (int i = 0; i < 3; ++i)
    CefPostTask(TID_UI, base::Bind(&Tracked::Run, tracked.get(), &order, i));
  CefPostDelayedTask(TID_UI, base::Bind(&Tracked::Run, tracked.get(), &order, 99), 60000);
  tracked = NULL;
  gate.set_value();
  CefShutdown();
  EXPECT_EQ(order, (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(deleted, 1);
  EXPECT_TRUE(deleted_on_ui);
  EXPECT_FALSE(CefPostTask(TID_UI, base::Bind(&Nothing)));
  EXPECT_FALSE(CefCurrentlyOn(TID_UI));
}

TEST_F(UiThread, TasksAlsoRunInsideNestedMessageLoops) {
  std::atomic<bool> inner_ran{false};
  std::promise<bool> ended;
  std::vector<int> order;
  CefPostTask(TID_UI, base::Bind(&RunNestedLoop, &inner_ran, &ended));
  CefPostTask(TID_UI, base::Bind(&EndNestedLoop, &inner_ran));
  CefPostTask(TID_UI, base::Bind(&Append, &order, 1));
  EXPECT_TRUE(cef::testing::WaitForUiIdle());
  std::future<bool> loop_end = ended.get_future();
  ASSERT_EQ(std::future_status::ready, loop_end.wait_for(std::chrono::seconds(10)));
  EXPECT_TRUE(loop_end.get());
  EXPECT_EQ(order, std::vector<int>{1});
}

TEST_F(UiThread, ShutdownDuringANestedLoopWhoseQuitIsPostedEndsTheThread) {
  WNDCLASSEXW window_class = {};
  window_class.cbSize = sizeof(window_class);
  window_class.lpfnWndProc = DefWindowProcW;
  window_class.lpszClassName = L"UiThreadTestWindow";
  RegisterClassExW(&window_class);
  HWND test_window =
      CreateWindowExW(0, L"UiThreadTestWindow", L"", WS_POPUP, 0, 0, 0, 0, NULL, NULL, NULL, NULL);
  ASSERT_TRUE(test_window);
  std::atomic<bool> inner_ran{false};
  std::promise<bool> ended;
  std::promise<void> started;
  CefPostTask(TID_UI, base::Bind(&RunNestedLoop, &inner_ran, &ended));
  CefPostTask(TID_UI, base::Bind(&Signal, &started));
  ASSERT_EQ(std::future_status::ready, started.get_future().wait_for(std::chrono::seconds(10)));
  CefPostTask(TID_UI, base::Bind(&EndNestedLoopAfterTheStopCame, test_window));
  CefShutdown();
  EXPECT_FALSE(cef::testing::EngineRunning());
  std::future<bool> loop_end = ended.get_future();
  EXPECT_EQ(std::future_status::ready, loop_end.wait_for(std::chrono::seconds(0)));
  DestroyWindow(test_window);
}

TEST_F(UiThread, OnlyTheUiThreadIsServed) {
  EXPECT_FALSE(CefPostTask(TID_IO, base::Bind(&Nothing)));
  EXPECT_FALSE(CefPostTask(TID_UI, CefRefPtr<CefTask>()));
  bool on_ui = false;
  bool runner_says = false;
  cef::testing::RunOnUiThread([&] {
    on_ui = CefCurrentlyOn(TID_UI);
    runner_says = CefTaskRunner::GetForCurrentThread()->BelongsToThread(TID_UI);
  });
  EXPECT_TRUE(on_ui);
  EXPECT_TRUE(runner_says);
  EXPECT_FALSE(CefTaskRunner::GetForThread(TID_UI)->BelongsToCurrentThread());
}

TEST(UiThreadLifecycle, StartsAndStopsRepeatedly) {
  for (int round = 0; round < 3; ++round) {
    ASSERT_TRUE(CefInitialize(CefMainArgs(NULL), CefSettings(), NULL, NULL));
    std::atomic<bool> ran{false};
    CefPostTask(TID_UI, base::Bind(&Flag, &ran));
    CefShutdown();
    EXPECT_TRUE(ran);
  }
}

}  // namespace
