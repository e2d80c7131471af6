// Dispatch of notifications through message maps and their base chain.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "UIlib.h"

using namespace DuiLib;

namespace {

std::vector<std::string> g_calls;

class BaseWnd : public WindowImplBase {
 public:
  LPCTSTR GetWindowClassName() const override { return _T("MapBaseWnd"); }
  CDuiString GetSkinFile() override { return _T("none.xml"); }
  void OnClick(TNotifyUI& msg) override { g_calls.push_back("base click"); }
  virtual void OnReturn(TNotifyUI& msg) { g_calls.push_back("base return"); }
  void OnOkClick(TNotifyUI& msg) { g_calls.push_back("ok click"); }

  DUI_DECLARE_MESSAGE_MAP()
};

DUI_BEGIN_MESSAGE_MAP(BaseWnd)
DUI_ON_CLICK_CTRNAME(_T("ok"), BaseWnd::OnOkClick)
DUI_ON_MSGTYPE(DUI_MSGTYPE_CLICK, BaseWnd::OnClick)
DUI_ON_MSGTYPE(DUI_MSGTYPE_RETURN, BaseWnd::OnReturn)
DUI_END_MESSAGE_MAP()

// Overrides a handler without a map of its own.
class DerivedWnd : public BaseWnd {
 public:
  void OnReturn(TNotifyUI& msg) override { g_calls.push_back("derived return"); }
};

// A map without a "click" entry: clicks go on to the base map.
class PlainWnd : public WindowImplBase {
 public:
  LPCTSTR GetWindowClassName() const override { return _T("MapPlainWnd"); }
  CDuiString GetSkinFile() override { return _T("none.xml"); }
  void OnClick(TNotifyUI& msg) override { g_calls.push_back("plain click"); }
  void OnTimer(TNotifyUI& msg) { g_calls.push_back("plain timer"); }

  DUI_DECLARE_MESSAGE_MAP()
};

DUI_BEGIN_MESSAGE_MAP(PlainWnd)
DUI_ON_MSGTYPE_CTRNAME(DUI_MSGTYPE_TIMER, _T("clock"), PlainWnd::OnTimer)
DUI_END_MESSAGE_MAP()

class MessageMapTest : public ::testing::Test {
 protected:
  void SetUp() override { g_calls.clear(); }

  void Send(WindowImplBase& window, LPCTSTR type, LPCTSTR sender) {
    CControlUI control;
    control.SetName(sender);
    TNotifyUI msg;
    msg.sType = type;
    msg.pSender = &control;
    msg.dwTimestamp = 0;
    msg.ptMouse = POINT{0, 0};
    msg.wParam = 0;
    msg.lParam = 0;
    window.Notify(msg);
  }
};

}  // namespace

TEST_F(MessageMapTest, EntriesMatchByTypeAndOptionalControlNameInOrder) {
  BaseWnd window;
  Send(window, DUI_MSGTYPE_CLICK, _T("ok"));
  Send(window, DUI_MSGTYPE_CLICK, _T("other"));
  Send(window, DUI_MSGTYPE_RETURN, _T("any"));
  Send(window, _T("itemselect"), _T("ok"));
  EXPECT_EQ(g_calls, (std::vector<std::string>{"ok click", "base click", "base return"}));
}

TEST_F(MessageMapTest, HandlersAreCalledThroughTheVirtualTable) {
  DerivedWnd window;
  Send(window, DUI_MSGTYPE_RETURN, _T("edit"));
  Send(window, DUI_MSGTYPE_CLICK, _T("other"));
  EXPECT_EQ(g_calls, (std::vector<std::string>{"derived return", "base click"}));
}

TEST_F(MessageMapTest, UnmatchedNotificationsGoToTheLibrarysBaseMap) {
  PlainWnd window;
  Send(window, DUI_MSGTYPE_TIMER, _T("clock"));
  Send(window, DUI_MSGTYPE_TIMER, _T("other"));
  // The library's map routes "click" to OnClick, which the window overrides.
  Send(window, DUI_MSGTYPE_CLICK, _T("closebtn"));
  Send(window, DUI_MSGTYPE_RETURN, _T("x"));
  EXPECT_EQ(g_calls, (std::vector<std::string>{"plain timer", "plain click"}));
}
