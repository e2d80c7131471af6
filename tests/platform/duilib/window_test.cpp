// Skinned windows: creation from the skin, message handling rules, sizing and hit-testing.
#include <gtest/gtest.h>

#include <memory>
#include <utility>

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
using duilib_test::TestWndOptions;
using duilib_test::WindowThread;

namespace {

const char kFrameSkin[] = R"(<Window size="800,572" sizebox="4,4,6,6" caption="0,0,0,27" mininfo="800,572">
  <VerticalLayout name="root" bkcolor="#FF303030">
    <HorizontalLayout name="header" height="27" inset="10,0,0,0">
      <Label name="title" width="300" text="Title" />
      <HorizontalLayout float="0,0,1,0" height="27">
        <Control name="spacer" />
        <Button name="menubtn" width="45" />
        <Button name="closebtn" width="39" />
      </HorizontalLayout>
    </HorizontalLayout>
    <VerticalLayout name="body" inset="3,0,3,3"><Wnd name="browserwnd" /></VerticalLayout>
  </VerticalLayout>
</Window>)";

class WindowTest : public ::testing::Test {
 protected:
  WindowTest() : skins_({{"window.xml", kFrameSkin}}) { win32::testing::Reset(); }

  std::unique_ptr<WindowThread> Open(TestWndOptions options = {}, DWORD style = WS_POPUP) {
    return std::make_unique<WindowThread>(
        [this, options, style] { return TestWnd::Open(recorder_, options, style); });
  }

  duilib_test::SkinFiles skins_;
  std::shared_ptr<Recorder> recorder_ = std::make_shared<Recorder>();
};

// Refuses its creation and deletes itself with its final message, as the launcher's windows do.
class RefusedWnd final : public CWindowWnd {
 public:
  explicit RefusedWnd(std::shared_ptr<Recorder> recorder) : recorder_(std::move(recorder)) {}

 protected:
  LPCTSTR GetWindowClassName() const override { return L"RefusedWnd"; }
  LRESULT HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) override {
    if (uMsg == WM_CREATE) return -1;
    return CWindowWnd::HandleMessage(uMsg, wParam, lParam);
  }
  void OnFinalMessage(HWND hWnd) override {
    recorder_->Add("final");
    delete this;
  }

 private:
  std::shared_ptr<Recorder> recorder_;
};

}  // namespace

// Under AddressSanitizer this also proves Create leaves the deleted object alone.
TEST(WindowCreationTest, ACreationRefusedAtWmCreateGivesNoWindowAndEndsTheObject) {
  win32::testing::Reset();
  auto recorder = std::make_shared<Recorder>();
  EXPECT_EQ(NULL, (new RefusedWnd(recorder))->Create(NULL, L"refused", WS_POPUP, 0));
  EXPECT_TRUE(recorder->Has("final"));
}

TEST_F(WindowTest, TheSkinBuildsTheWindowAndItsSizeWinsOverTheCreateSize) {
  auto thread = Open({}, WS_OVERLAPPEDWINDOW);
  ASSERT_NE(thread->hwnd(), nullptr);
  EXPECT_TRUE(recorder_->Has("init with skin"));
  auto info = win32::testing::Describe(thread->hwnd());
  ASSERT_TRUE(info.has_value());
  EXPECT_EQ(info->rect.right - info->rect.left, 800);
  EXPECT_EQ(info->rect.bottom - info->rect.top, 572);
  EXPECT_EQ(info->style & WS_CAPTION, 0u);  // the skin draws the frame

  auto body = duilib::testing::DescribeControl(thread->hwnd(), L"browserwnd");
  ASSERT_TRUE(body.has_value());
  EXPECT_EQ(body->rect.left, 3);
  EXPECT_EQ(body->rect.bottom, 569);
  EXPECT_FALSE(duilib::testing::DescribeControl(thread->hwnd(), L"nothing").has_value());
}

TEST_F(WindowTest, AWindowWithoutItsSkinStaysUpEmpty) {
  auto thread = Open({L"absent.xml"});
  ASSERT_NE(thread->hwnd(), nullptr);
  EXPECT_TRUE(recorder_->Has("init without skin"));
  EXPECT_TRUE(duilib::testing::Paint(thread->hwnd()));
  EXPECT_TRUE(::IsWindow(thread->hwnd()));
}

TEST_F(WindowTest, AnOnCloseThatLeavesTheFlagKeepsTheWindow) {
  TestWndOptions options;
  options.keep_open_on_close = true;
  auto thread = Open(options);
  HWND hwnd = thread->hwnd();
  thread->Run([hwnd] { ::SendMessageW(hwnd, WM_CLOSE, 7, 0); });
  EXPECT_TRUE(recorder_->Has("close 7"));
  EXPECT_TRUE(::IsWindow(hwnd));
  // Handled by OnClose, so HandleCustomMessage never saw it.
  EXPECT_FALSE(recorder_->Has("custom " + std::to_string(WM_CLOSE)));
}

TEST_F(WindowTest, TheDefaultOnCloseLetsTheWindowBeDestroyed) {
  auto thread = Open();
  HWND hwnd = thread->hwnd();
  thread->Run([hwnd] { ::SendMessageW(hwnd, WM_CLOSE, 0, 0); });
  EXPECT_TRUE(recorder_->Has("custom " + std::to_string(WM_CLOSE)));
  EXPECT_TRUE(win32::testing::WaitUntil([&] { return recorder_->Has("final"); }));
  EXPECT_FALSE(::IsWindow(hwnd));
}

TEST_F(WindowTest, CloseCarriesItsCodeInWParam) {
  TestWndOptions options;
  options.keep_open_on_close = true;
  auto thread = Open(options);
  HWND hwnd = thread->hwnd();
  thread->Run([hwnd] {
    DuiLib::CWindowWnd* window =
        reinterpret_cast<DuiLib::CWindowWnd*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    window->Close(IDCANCEL);
  });
  EXPECT_TRUE(win32::testing::WaitUntil([&] { return recorder_->Has("close 2"); }));
}

TEST_F(WindowTest, HandleCustomMessageSeesOnlyWhatTheHandlersLeft) {
  TestWndOptions options;
  options.swallow_size = true;
  auto thread = Open(options);
  HWND hwnd = thread->hwnd();
  thread->Run([hwnd] {
    ::SendMessageW(hwnd, WM_USER + 7, 0, 0);
    ::SendMessageW(hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(800, 572));
  });
  EXPECT_TRUE(recorder_->Has("custom " + std::to_string(WM_USER + 7)));
  EXPECT_FALSE(recorder_->Has("custom " + std::to_string(WM_SIZE)));
}

TEST_F(WindowTest, MinInfoIsTheSmallestTrackSizeAndTheWorkAreaTheMaximisedOne) {
  win32::testing::SetScreen(SIZE{1600, 900}, RECT{0, 0, 1600, 860});
  auto thread = Open();
  HWND hwnd = thread->hwnd();
  MINMAXINFO info = {};
  thread->Run([hwnd, &info] {
    ::SendMessageW(hwnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  });
  EXPECT_EQ(info.ptMinTrackSize.x, 800);
  EXPECT_EQ(info.ptMinTrackSize.y, 572);
  EXPECT_EQ(info.ptMaxSize.x, 1600);
  EXPECT_EQ(info.ptMaxSize.y, 860);
  EXPECT_EQ(info.ptMaxPosition.x, 0);
}

TEST_F(WindowTest, HitTestingGivesSizeBordersCaptionAndButtons) {
  auto thread = Open({}, WS_POPUP | WS_THICKFRAME);
  HWND hwnd = thread->hwnd();
  ::SetWindowPos(hwnd, NULL, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  struct Case {
    int x;
    int y;
    LRESULT expected;
  };
  const Case cases[] = {
      {2, 2, HTTOPLEFT},     {400, 2, HTTOP},       {797, 2, HTTOPRIGHT},
      {2, 300, HTLEFT},      {796, 300, HTRIGHT},   {2, 569, HTBOTTOMLEFT},
      {400, 569, HTBOTTOM},  {799, 571, HTBOTTOMRIGHT},
      {100, 10, HTCAPTION},  // title label
      {400, 10, HTCAPTION},  // empty part of the button row
      {730, 10, HTCLIENT},   // menu button
      {780, 10, HTCLIENT},   // close button
      {400, 300, HTCLIENT},  // body, below the caption
  };
  for (const Case& c : cases) {
    EXPECT_EQ(win32::testing::HitTest(hwnd, c.x, c.y), c.expected) << c.x << "," << c.y;
  }
  // Maximised, the borders no longer size the window.
  thread->Run([hwnd] { ::ShowWindow(hwnd, SW_MAXIMIZE); });
  EXPECT_EQ(win32::testing::HitTest(hwnd, 2, 2), HTCAPTION);
  EXPECT_EQ(win32::testing::HitTest(hwnd, 2, 300), HTCLIENT);
}

TEST_F(WindowTest, CenterWindowPlacesItInTheWorkArea) {
  win32::testing::SetScreen(SIZE{1920, 1080}, RECT{0, 0, 1920, 1040});
  auto thread = Open();
  HWND hwnd = thread->hwnd();
  thread->Run([hwnd] {
    reinterpret_cast<DuiLib::CWindowWnd*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA))->CenterWindow();
  });
  auto info = win32::testing::Describe(hwnd);
  ASSERT_TRUE(info.has_value());
  EXPECT_EQ(info->rect.left, 560);
  EXPECT_EQ(info->rect.top, 234);
}

TEST_F(WindowTest, ShowWindowShowsWithOrWithoutActivationAndHides) {
  auto thread = Open();
  HWND hwnd = thread->hwnd();
  auto window = [hwnd] {
    return reinterpret_cast<DuiLib::CWindowWnd*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  };
  thread->Run([&] { window()->ShowWindow(true, false); });
  EXPECT_TRUE(win32::testing::Describe(hwnd)->visible);
  EXPECT_NE(::GetForegroundWindow(), hwnd);
  thread->Run([&] { window()->ShowWindow(false); });
  EXPECT_FALSE(win32::testing::Describe(hwnd)->visible);
  thread->Run([&] { window()->ShowWindow(); });
  EXPECT_TRUE(win32::testing::Describe(hwnd)->visible);
}

TEST_F(WindowTest, TheFinalMessageComesAfterTheWindowIsGone) {
  auto thread = Open();
  HWND hwnd = thread->hwnd();
  thread->Run([&] {
    ::DestroyWindow(hwnd);
    // The object is gone with its window: only the record says it was told.
    EXPECT_TRUE(recorder_->Has("final"));
    EXPECT_EQ(::GetWindowLongPtrW(hwnd, GWLP_USERDATA), 0);
  });
  EXPECT_FALSE(::IsWindow(hwnd));
}
