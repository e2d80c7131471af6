// Mouse and keyboard input turned into button states and notifications.
#include <gtest/gtest.h>

#include <atomic>
#include <memory>

#include "UIlib.h"
#include "duilib/testing/window_inspection.h"
#include "test_resources.h"
#include "test_window.h"
#include "test_window_thread.h"
#include "win32/testing/environment.h"
#include "win32/testing/scripted_user.h"
#include "win32/testing/window_view.h"

using namespace DuiLib;
using duilib_test::Recorder;
using duilib_test::TestWnd;
using duilib_test::WindowThread;

namespace {

// Buttons at x 0-49 ("one") and 50-99 ("two"), a label at 100-199.
const char kButtonsSkin[] = R"(<Window size="200,40">
  <HorizontalLayout name="root">
    <Button name="one" width="50" />
    <Button name="two" width="50" />
    <Label name="label" text="text" />
  </HorizontalLayout>
</Window>)";

class InputTest : public ::testing::Test {
 protected:
  InputTest()
      : skins_({{"window.xml", kButtonsSkin}}),
        thread_([this] { return TestWnd::Open(recorder_); }) {
    win32::testing::Reset();
  }

  void Send(UINT message, WPARAM wParam, int x, int y) {
    HWND hwnd = thread_.hwnd();
    thread_.Run([=] { ::SendMessageW(hwnd, message, wParam, MAKELPARAM(x, y)); });
  }

  UINT State(const wchar_t* name) {
    UINT state = 0;
    duilib::testing::WithPaintManager(thread_.hwnd(), [&](CPaintManagerUI& manager) {
      state = static_cast<CButtonUI*>(manager.FindControl(name))->GetButtonState();
    });
    return state;
  }

  int Count(const std::string& event) {
    int count = 0;
    for (const std::string& e : recorder_->Events()) count += e == event;
    return count;
  }

  duilib_test::SkinFiles skins_;
  std::shared_ptr<Recorder> recorder_ = std::make_shared<Recorder>();
  WindowThread thread_;
};

}  // namespace

TEST_F(InputTest, ButtonsTurnHotAndPushedAndClickOnlyWhenReleasedInside) {
  Send(WM_MOUSEMOVE, 0, 10, 10);
  EXPECT_EQ(State(L"one"), static_cast<UINT>(UISTATE_HOT));
  Send(WM_MOUSEMOVE, 0, 60, 10);
  EXPECT_EQ(State(L"one"), 0u);
  EXPECT_EQ(State(L"two"), static_cast<UINT>(UISTATE_HOT));

  Send(WM_LBUTTONDOWN, MK_LBUTTON, 60, 10);
  EXPECT_TRUE((State(L"two") & UISTATE_PUSHED) != 0);
  // Dragged out, the button stays captured but no longer pushed; released there, no click.
  Send(WM_MOUSEMOVE, MK_LBUTTON, 150, 10);
  EXPECT_FALSE((State(L"two") & UISTATE_PUSHED) != 0);
  Send(WM_LBUTTONUP, 0, 150, 10);
  EXPECT_EQ(Count("notify click two"), 0);
  EXPECT_EQ(State(L"two") & (UISTATE_PUSHED | UISTATE_CAPTURED), 0u);

  Send(WM_LBUTTONDOWN, MK_LBUTTON, 60, 10);
  Send(WM_LBUTTONUP, 0, 61, 11);
  EXPECT_EQ(Count("notify click two"), 1);
  EXPECT_EQ(Count("notify click one"), 0);
}

TEST_F(InputTest, APlayersClickReachesTheWindowsNotify) {
  ASSERT_TRUE(win32::testing::Click(thread_.hwnd(), 20, 20));
  EXPECT_TRUE(win32::testing::WaitUntil([&] { return Count("notify click one") == 1; }));
  // A click on a label is no click.
  ASSERT_TRUE(win32::testing::Click(thread_.hwnd(), 150, 20));
  ASSERT_TRUE(win32::testing::Click(thread_.hwnd(), 70, 20));
  EXPECT_TRUE(win32::testing::WaitUntil([&] { return Count("notify click two") == 1; }));
  for (const std::string& event : recorder_->Events()) EXPECT_NE(event, "notify click label");
}

TEST_F(InputTest, ReturnNotifiesTheFocusedControlAndClicksAFocusedButton) {
  duilib::testing::WithPaintManager(thread_.hwnd(), [](CPaintManagerUI& manager) {
    manager.SetFocus(manager.FindControl(L"label"));
  });
  EXPECT_TRUE(recorder_->Has("notify setfocus label"));
  ASSERT_TRUE(win32::testing::KeyPress(thread_.hwnd(), VK_RETURN));
  EXPECT_TRUE(win32::testing::WaitUntil([&] { return recorder_->Has("notify return label"); }));

  duilib::testing::WithPaintManager(thread_.hwnd(), [](CPaintManagerUI& manager) {
    manager.SetFocus(manager.FindControl(L"one"));
  });
  EXPECT_TRUE(recorder_->Has("notify killfocus label"));
  ASSERT_TRUE(win32::testing::KeyPress(thread_.hwnd(), VK_SPACE));
  ASSERT_TRUE(win32::testing::KeyPress(thread_.hwnd(), VK_RETURN));
  EXPECT_TRUE(win32::testing::WaitUntil([&] { return Count("notify click one") == 2; }));
  EXPECT_FALSE(recorder_->Has("notify return one"));
}

TEST_F(InputTest, DisabledOrHiddenButtonsNeitherLightUpNorClick) {
  duilib::testing::WithPaintManager(thread_.hwnd(), [](CPaintManagerUI& manager) {
    manager.FindControl(L"one")->SetEnabled(false);
    manager.FindControl(L"two")->SetVisible(false);
  });
  Send(WM_MOUSEMOVE, 0, 10, 10);
  EXPECT_EQ(State(L"one"), 0u);
  Send(WM_LBUTTONDOWN, MK_LBUTTON, 10, 10);
  Send(WM_LBUTTONUP, 0, 10, 10);
  EXPECT_EQ(Count("notify click one"), 0);
  // The hidden button's place went to the label.
  auto label = duilib::testing::DescribeControl(thread_.hwnd(), L"label");
  ASSERT_TRUE(label.has_value());
  EXPECT_EQ(label->rect.left, 50);
}

TEST_F(InputTest, AsynchronousNotificationsArriveThroughTheWindowsQueue) {
  duilib::testing::WithPaintManager(thread_.hwnd(), [&](CPaintManagerUI& manager) {
    manager.SendNotify(manager.FindControl(L"label"), L"later", 0, 0, true);
    EXPECT_FALSE(recorder_->Has("notify later label"));
  });
  EXPECT_TRUE(win32::testing::WaitUntil([&] { return recorder_->Has("notify later label"); }));
}

namespace {

class ReturnFilter : public IMessageFilterUI {
 public:
  LRESULT MessageHandler(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled) override {
    if (uMsg == WM_KEYDOWN && wParam == VK_RETURN) {
      ++seen;
      bHandled = true;
    }
    return 0;
  }
  std::atomic<int> seen{0};
};

}  // namespace

TEST_F(InputTest, APreMessageFilterThatTakesAKeyKeepsItFromTheWindow) {
  ReturnFilter filter;
  duilib::testing::WithPaintManager(thread_.hwnd(), [&](CPaintManagerUI& manager) {
    manager.AddPreMessageFilter(&filter);
    manager.SetFocus(manager.FindControl(L"label"));
  });
  ASSERT_TRUE(win32::testing::KeyPress(thread_.hwnd(), VK_RETURN));
  EXPECT_TRUE(win32::testing::WaitUntil([&] { return filter.seen == 1; }));
  duilib::testing::WithPaintManager(thread_.hwnd(), [&](CPaintManagerUI& manager) {
    manager.RemovePreMessageFilter(&filter);
  });
  ASSERT_TRUE(win32::testing::KeyPress(thread_.hwnd(), VK_RETURN));
  EXPECT_TRUE(win32::testing::WaitUntil([&] { return recorder_->Has("notify return label"); }));
  // Messages come in order: the first Return had been taken by the filter.
  EXPECT_EQ(Count("notify return label"), 1);
  EXPECT_EQ(filter.seen, 1);
}

TEST_F(InputTest, AControlsTimerArrivesAsATimerNotification) {
  duilib::testing::WithPaintManager(thread_.hwnd(), [](CPaintManagerUI& manager) {
    EXPECT_TRUE(manager.SetTimer(manager.FindControl(L"label"), 5, 1));
  });
  EXPECT_TRUE(win32::testing::WaitUntil([&] { return recorder_->Has("notify timer label"); }));
  duilib::testing::WithPaintManager(thread_.hwnd(), [](CPaintManagerUI& manager) {
    EXPECT_TRUE(manager.KillTimer(manager.FindControl(L"label"), 5));
    EXPECT_FALSE(manager.KillTimer(manager.FindControl(L"label"), 5));
  });
}
