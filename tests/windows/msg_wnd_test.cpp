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

TEST_F(MsgWndTest, ShowsItsSkinWithTheGivenTitleAndTextOrKeepsTheSkinsText) {
  const HWND box = OpenBox(L"注意", L"下载完成");
  ASSERT_TRUE(box);
  const auto info = win32::testing::Describe(box);
  EXPECT_EQ(info->class_name, L"MsgWnd");
  EXPECT_EQ(info->rect.right - info->rect.left, 400);
  EXPECT_EQ(info->rect.bottom - info->rect.top, 195);
  EXPECT_EQ(Control(box, L"MessageTitle")->text, L"注意");
  EXPECT_EQ(Control(box, L"MessageText")->text, L"下载完成");

  const HWND plain = OpenBox(L"", L"");
  EXPECT_EQ(Control(plain, L"MessageTitle")->text, L"提示");
  EXPECT_EQ(Control(plain, L"MessageText")->text, L"");
}

TEST_F(MsgWndTest, ConfirmClosesWithOneWhateverItsLetterCaseAndTheOthersWithZero) {
  const struct {
    const wchar_t* button;
    const wchar_t* renamed;
    int code;
  } cases[] = {{L"confirm_btn", L"confirm_btn", 1}, {L"confirm_btn", L"Confirm_BTN", 1},
               {L"cancel_btn", L"cancel_btn", 0}, {L"closebtn", L"closebtn", 0}};
  for (const auto& c : cases) {
    m_closeCode = -1;
    const HWND box = OpenBox(L"", L"text");
    ClickControl(box, L"MessageText");
    EXPECT_TRUE(IsVisible(box));
    const RECT rc = Control(box, c.button)->rect;
    duilib::testing::WithPaintManager(box, [&](DuiLib::CPaintManagerUI& manager) {
      manager.FindControl(c.button)->SetName(c.renamed);
    });
    ASSERT_TRUE(win32::testing::Click(box, (rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2));
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box); }));
    EXPECT_EQ(m_closeCode, c.code) << CefString(c.renamed);
  }
}

}  // namespace
