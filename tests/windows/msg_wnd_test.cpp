// The skinned message box: its labels and the close code of each button.
#include <gtest/gtest.h>

#include <atomic>

#include "launcher_fixture.h"
#include "win32/testing/scripted_user.h"
#include "win32/testing/window_view.h"
#include "windows/msg_wnd.h"

namespace {

using win32::testing::WaitUntil;

// Notes the code the box closes with, then closes as the box would.
class RecordingMsgWnd : public CMsgWnd {
 public:
  explicit RecordingMsgWnd(std::atomic<int>* closeCode) : m_closeCode(closeCode) {}

  LRESULT OnClose(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled) override {
    *m_closeCode = static_cast<int>(wParam);
    return CMsgWnd::OnClose(uMsg, wParam, lParam, bHandled);
  }

 private:
  std::atomic<int>* m_closeCode;
};

class MsgWndTest : public LauncherTest {
 protected:
  // Opens a box owned by the login window, on its thread.
  HWND OpenBox(const wchar_t* title, const wchar_t* text) {
    HWND box = NULL;
    win32::testing::RunOnWindowThread(LoginWnd(), [&] {
      RecordingMsgWnd* wnd = new RecordingMsgWnd(&m_closeCode);
      wnd->Create(LoginWnd(), L"", WS_POPUP | WS_VISIBLE, 0);
      wnd->SetTitle(title);
      wnd->SetMsg(text);
      box = wnd->GetHWND();
    });
    return box;
  }

  std::atomic<int> m_closeCode{-1};
};

TEST_F(MsgWndTest, ShowsItsSkinWithTitleAndText) {
  const HWND box = OpenBox(L"注意", L"下载完成");
  ASSERT_TRUE(box);
  const auto info = win32::testing::Describe(box);
  EXPECT_EQ(info->class_name, L"MsgWnd");
  EXPECT_EQ(info->rect.right - info->rect.left, 400);
  EXPECT_EQ(info->rect.bottom - info->rect.top, 195);
  EXPECT_EQ(Control(box, L"MessageTitle")->text, L"注意");
  EXPECT_EQ(Control(box, L"MessageText")->text, L"下载完成");
  EXPECT_EQ(Control(box, L"confirm_btn")->text, L"确定");
}

TEST_F(MsgWndTest, EmptyTitleOrTextKeepsTheSkinsText) {
  const HWND box = OpenBox(L"", L"");
  ASSERT_TRUE(box);
  EXPECT_EQ(Control(box, L"MessageTitle")->text, L"提示");
  EXPECT_EQ(Control(box, L"MessageText")->text, L"");
}

TEST_F(MsgWndTest, EachButtonClosesWithItsCode) {
  const struct {
    const wchar_t* button;
    int code;
  } cases[] = {{L"confirm_btn", 1}, {L"cancel_btn", 0}, {L"closebtn", 0}};
  for (const auto& c : cases) {
    m_closeCode = -1;
    const HWND box = OpenBox(L"", L"");
    ClickControl(box, c.button);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box); }));
    EXPECT_EQ(m_closeCode, c.code) << CefString(c.button);
  }
}

TEST_F(MsgWndTest, ConfirmButtonIsKnownWhateverItsLetterCase) {
  const HWND box = OpenBox(L"", L"");
  const RECT rc = Control(box, L"confirm_btn")->rect;
  duilib::testing::WithPaintManager(box, [](DuiLib::CPaintManagerUI& manager) {
    manager.FindControl(L"confirm_btn")->SetName(L"Confirm_BTN");
  });
  ASSERT_TRUE(win32::testing::Click(box, (rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2));
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box); }));
  EXPECT_EQ(m_closeCode, 1);
}

TEST_F(MsgWndTest, ClicksOnOtherControlsLeaveTheBoxOpen) {
  const HWND box = OpenBox(L"", L"text");
  ClickControl(box, L"MessageText");
  ClickControl(box, L"MessageTitle");
  EXPECT_TRUE(IsVisible(box));
  EXPECT_EQ(m_closeCode, -1);
}

}  // namespace
