// The messages a window gets, and their order, as it is created, shown, sized and moved; and
// the state that results.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "message_log.h"
#include "win32/testing/environment.h"
#include "win32/testing/window_view.h"

using ::testing::ElementsAre;
using win32_test::CreateLogged;
using win32_test::Logged;
using win32_test::MessageLog;

namespace {

class WindowMessages : public ::testing::Test {
 protected:
  void SetUp() override {
    win32::testing::Reset();
    MessageLog::Instance().Clear();
  }
  void TearDown() override {
    for (HWND hwnd : created_) DestroyWindow(hwnd);
  }
  HWND Make(DWORD style, HWND parent = nullptr, int x = 10, int y = 20, int w = 300, int h = 200) {
    HWND hwnd = CreateLogged(style, parent, x, y, w, h);
    created_.push_back(hwnd);
    return hwnd;
  }
  std::vector<UINT> Log(HWND hwnd) { return MessageLog::Instance().MessagesOf(hwnd); }
  // The log of one window from now on.
  std::vector<UINT> LogOf(HWND hwnd, const std::function<void()>& act) {
    MessageLog::Instance().Clear();
    act();
    return Log(hwnd);
  }
  Logged Last(HWND hwnd, UINT message) {
    Logged found{};
    for (const Logged& entry : MessageLog::Instance().Entries())
      if (entry.hwnd == hwnd && entry.message == message) found = entry;
    return found;
  }
  static RECT WindowRect(HWND hwnd) {
    RECT rect{};
    GetWindowRect(hwnd, &rect);
    return rect;
  }
  std::vector<HWND> created_;
};

void ExpectRect(const RECT& rect, LONG left, LONG top, LONG right, LONG bottom) {
  EXPECT_EQ(rect.left, left);
  EXPECT_EQ(rect.top, top);
  EXPECT_EQ(rect.right, right);
  EXPECT_EQ(rect.bottom, bottom);
}

TEST_F(WindowMessages, CreationSendsMinMaxNcCreateCalcCreateSizeMove) {
  HWND hwnd = Make(WS_POPUP);
  ASSERT_TRUE(hwnd);
  EXPECT_THAT(Log(hwnd), ElementsAre(WM_GETMINMAXINFO, WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE,
                                     WM_SIZE, WM_MOVE));
  EXPECT_EQ(Last(hwnd, WM_SIZE).lparam, MAKELPARAM(300, 200));
  EXPECT_EQ(Last(hwnd, WM_MOVE).lparam, MAKELPARAM(10, 20));
  EXPECT_FALSE(IsWindowVisible(hwnd));
}

TEST_F(WindowMessages, VisibleStyleShowsTheNewWindowAfterCreation) {
  HWND hwnd = Make(WS_POPUP | WS_VISIBLE);
  EXPECT_THAT(Log(hwnd), ElementsAre(WM_GETMINMAXINFO, WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE,
                                     WM_SIZE, WM_MOVE, WM_SHOWWINDOW, WM_WINDOWPOSCHANGING,
                                     WM_NCACTIVATE, WM_ACTIVATE, WM_SETFOCUS,
                                     WM_WINDOWPOSCHANGED));
  EXPECT_TRUE(IsWindowVisible(hwnd));
  EXPECT_EQ(GetActiveWindow(), hwnd);
}

TEST_F(WindowMessages, DefaultPositionCascadesAndDefaultSizeIsThreeQuartersOfTheScreen) {
  HWND hwnd = Make(WS_OVERLAPPEDWINDOW, nullptr, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                   CW_USEDEFAULT);
  RECT rect = WindowRect(hwnd);
  EXPECT_EQ(rect.right - rect.left, 1440);
  EXPECT_EQ(rect.bottom - rect.top, 810);
  EXPECT_GE(rect.left, 240);
  EXPECT_GE(rect.top, 135);
  EXPECT_LT(rect.left, 1920 / 2);
}

struct Refusal {
  UINT message;
  LRESULT answer;
};

LRESULT CALLBACK RefusingProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  MessageLog::Instance().Add(Logged{hwnd, message, wparam, lparam});
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lparam);
    auto* refusal = static_cast<Refusal*>(create->lpCreateParams);
    if (refusal->message == WM_NCCREATE) return refusal->answer;
  }
  if (message == WM_CREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lparam);
    auto* refusal = static_cast<Refusal*>(create->lpCreateParams);
    if (refusal->message == WM_CREATE) return refusal->answer;
  }
  return DefWindowProcW(hwnd, message, wparam, lparam);
}

TEST_F(WindowMessages, RefusedCreationDestroysTheWindowAndReturnsNull) {
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof(window_class);
  window_class.lpfnWndProc = RefusingProc;
  window_class.lpszClassName = L"Refusing";
  RegisterClassExW(&window_class);

  Refusal at_nc_create{WM_NCCREATE, FALSE};
  EXPECT_EQ(CreateWindowExW(0, L"refusing", L"", WS_POPUP, 0, 0, 5, 5, nullptr, nullptr, nullptr,
                            &at_nc_create),
            nullptr);
  HWND first = MessageLog::Instance().Entries().front().hwnd;
  EXPECT_THAT(Log(first), ElementsAre(WM_GETMINMAXINFO, WM_NCCREATE, WM_NCDESTROY));
  EXPECT_FALSE(IsWindow(first));

  MessageLog::Instance().Clear();
  Refusal at_create{WM_CREATE, -1};
  EXPECT_EQ(CreateWindowExW(0, L"Refusing", L"", WS_POPUP | WS_VISIBLE, 0, 0, 5, 5, nullptr,
                            nullptr, nullptr, &at_create),
            nullptr);
  HWND second = MessageLog::Instance().Entries().front().hwnd;
  EXPECT_THAT(Log(second), ElementsAre(WM_GETMINMAXINFO, WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE,
                                       WM_DESTROY, WM_NCDESTROY));
  EXPECT_NE(first, second) << "handles are never reused";
  UnregisterClassW(L"Refusing", nullptr);
}

TEST_F(WindowMessages, ClassesAreUniqueAndCreationNeedsARegisteredClass) {
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof(window_class);
  window_class.lpfnWndProc = DefWindowProcW;
  window_class.lpszClassName = L"Twice";
  EXPECT_NE(RegisterClassExW(&window_class), 0);
  window_class.lpszClassName = L"TWICE";
  EXPECT_EQ(RegisterClassExW(&window_class), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CLASS_ALREADY_EXISTS));
  EXPECT_TRUE(UnregisterClassW(L"twice", nullptr));
  EXPECT_EQ(CreateWindowExW(0, L"Twice", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr,
                            nullptr),
            nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CANNOT_FIND_WND_CLASS));
}

TEST_F(WindowMessages, ShowAndHideSendShowWindowAndPositionChangesAndReturnPreviousVisibility) {
  HWND hwnd = Make(WS_POPUP);
  std::vector<UINT> shown = LogOf(hwnd, [&] { EXPECT_FALSE(ShowWindow(hwnd, SW_SHOW)); });
  EXPECT_THAT(shown, ElementsAre(WM_SHOWWINDOW, WM_WINDOWPOSCHANGING, WM_NCACTIVATE, WM_ACTIVATE,
                                 WM_SETFOCUS, WM_WINDOWPOSCHANGED));
  EXPECT_EQ(Last(hwnd, WM_SHOWWINDOW).wparam, static_cast<WPARAM>(TRUE));
  EXPECT_THAT(LogOf(hwnd, [&] { EXPECT_TRUE(ShowWindow(hwnd, SW_SHOW)); }), ElementsAre());
  std::vector<UINT> hidden = LogOf(hwnd, [&] { EXPECT_TRUE(ShowWindow(hwnd, SW_HIDE)); });
  EXPECT_THAT(hidden, ElementsAre(WM_SHOWWINDOW, WM_WINDOWPOSCHANGING, WM_NCACTIVATE, WM_ACTIVATE,
                                  WM_KILLFOCUS, WM_WINDOWPOSCHANGED));
  EXPECT_EQ(Last(hwnd, WM_SHOWWINDOW).wparam, static_cast<WPARAM>(FALSE));
  EXPECT_FALSE(IsWindowVisible(hwnd));
}

TEST_F(WindowMessages, MaximiseFillsTheWorkAreaAndRestoreReturnsToTheNormalRect) {
  win32::testing::SetScreen(SIZE{1600, 900}, RECT{0, 0, 1600, 860});
  HWND hwnd = Make(WS_POPUP | WS_VISIBLE);
  std::vector<UINT> maximised = LogOf(hwnd, [&] { ShowWindow(hwnd, SW_SHOWMAXIMIZED); });
  EXPECT_THAT(maximised, ElementsAre(WM_GETMINMAXINFO, WM_WINDOWPOSCHANGING, WM_NCCALCSIZE,
                                     WM_WINDOWPOSCHANGED, WM_MOVE, WM_SIZE));
  EXPECT_EQ(Last(hwnd, WM_SIZE).wparam, static_cast<WPARAM>(SIZE_MAXIMIZED));
  EXPECT_EQ(Last(hwnd, WM_SIZE).lparam, MAKELPARAM(1600, 860));
  EXPECT_TRUE(IsZoomed(hwnd));
  ExpectRect(WindowRect(hwnd), 0, 0, 1600, 860);

  std::vector<UINT> restored = LogOf(hwnd, [&] { ShowWindow(hwnd, SW_RESTORE); });
  EXPECT_THAT(restored, ElementsAre(WM_WINDOWPOSCHANGING, WM_NCCALCSIZE, WM_WINDOWPOSCHANGED,
                                    WM_MOVE, WM_SIZE));
  EXPECT_EQ(Last(hwnd, WM_SIZE).wparam, static_cast<WPARAM>(SIZE_RESTORED));
  EXPECT_FALSE(IsZoomed(hwnd));
  ExpectRect(WindowRect(hwnd), 10, 20, 310, 220);
}

TEST_F(WindowMessages, MinimiseAndRestoreKeepTheMaximisedState) {
  HWND hwnd = Make(WS_POPUP);
  ShowWindow(hwnd, SW_SHOWMAXIMIZED);
  std::vector<UINT> minimised = LogOf(hwnd, [&] { EXPECT_TRUE(ShowWindow(hwnd, SW_MINIMIZE)); });
  EXPECT_THAT(minimised, ElementsAre(WM_WINDOWPOSCHANGING, WM_NCCALCSIZE, WM_WINDOWPOSCHANGED, WM_SIZE));
  EXPECT_EQ(Last(hwnd, WM_SIZE).wparam, static_cast<WPARAM>(SIZE_MINIMIZED));
  EXPECT_TRUE(IsIconic(hwnd));
  EXPECT_FALSE(IsZoomed(hwnd));
  EXPECT_TRUE(IsWindowVisible(hwnd)) << "a minimised window is still visible";

  ShowWindow(hwnd, SW_RESTORE);
  EXPECT_FALSE(IsIconic(hwnd));
  EXPECT_TRUE(IsZoomed(hwnd)) << "restoring a window minimised from maximised maximises it";
  ShowWindow(hwnd, SW_RESTORE);
  ExpectRect(WindowRect(hwnd), 10, 20, 310, 220);
}

LRESULT CALLBACK LimitedProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_GETMINMAXINFO) {
    auto* info = reinterpret_cast<MINMAXINFO*>(lparam);
    info->ptMaxPosition = POINT{100, 50};
    info->ptMaxSize = POINT{800, 600};
    return 0;
  }
  return DefWindowProcW(hwnd, message, wparam, lparam);
}

TEST_F(WindowMessages, MaximisedPlacementComesFromTheWorkAreaOrTheWindowsMinMaxInfo) {
  win32::testing::SetScreen(SIZE{1600, 900}, RECT{0, 40, 1600, 900});  // task bar on top
  HWND hwnd = Make(WS_POPUP);
  ShowWindow(hwnd, SW_SHOWMAXIMIZED);
  ExpectRect(WindowRect(hwnd), 0, 40, 1600, 900);

  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof(window_class);
  window_class.lpfnWndProc = LimitedProc;
  window_class.lpszClassName = L"Limited";
  RegisterClassExW(&window_class);
  HWND limited = CreateWindowExW(0, L"Limited", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                 nullptr, nullptr);
  ShowWindow(limited, SW_MAXIMIZE);
  ExpectRect(WindowRect(limited), 100, 50, 900, 650);
  DestroyWindow(limited);
  UnregisterClassW(L"Limited", nullptr);
}

TEST_F(WindowMessages, ShowCommandsActivateOrNot) {
  HWND active = Make(WS_POPUP | WS_VISIBLE);
  struct Case {
    int command;
    bool activates;
  } cases[] = {{SW_SHOWNOACTIVATE, false}, {SW_SHOWNA, false}, {SW_SHOWMINNOACTIVE, false},
               {SW_SHOW, true},            {SW_SHOWNORMAL, true}, {SW_SHOWMAXIMIZED, true}};
  for (const Case& each : cases) {
    HWND hwnd = Make(WS_POPUP);
    SetActiveWindow(active);
    ShowWindow(hwnd, each.command);
    EXPECT_EQ(GetActiveWindow() == hwnd, each.activates) << "command " << each.command;
    EXPECT_TRUE(IsWindowVisible(hwnd)) << "command " << each.command;
  }
}

TEST_F(WindowMessages, ActivationMovesWithItsMessagesAndTheFocusFollows) {
  HWND first = Make(WS_POPUP | WS_VISIBLE);
  HWND second = Make(WS_POPUP | WS_VISIBLE, nullptr, 400, 20);
  ASSERT_EQ(GetActiveWindow(), second);
  ASSERT_EQ(GetFocus(), second);

  MessageLog::Instance().Clear();
  EXPECT_EQ(SetActiveWindow(first), second);
  EXPECT_THAT(Log(second), ElementsAre(WM_NCACTIVATE, WM_ACTIVATE, WM_KILLFOCUS));
  EXPECT_EQ(LOWORD(Last(second, WM_ACTIVATE).wparam), WA_INACTIVE);
  EXPECT_EQ(Last(second, WM_ACTIVATE).lparam, reinterpret_cast<LPARAM>(first));
  EXPECT_THAT(Log(first), ElementsAre(WM_NCACTIVATE, WM_ACTIVATE, WM_SETFOCUS));
  EXPECT_EQ(LOWORD(Last(first, WM_ACTIVATE).wparam), WA_ACTIVE);
  EXPECT_EQ(Last(first, WM_ACTIVATE).lparam, reinterpret_cast<LPARAM>(second));
  EXPECT_EQ(GetFocus(), first);
  EXPECT_EQ(GetForegroundWindow(), first);
  EXPECT_THAT(LogOf(first, [&] { SetActiveWindow(first); }), ElementsAre()) << "already active";

  EXPECT_THAT(LogOf(first, [&] { ShowWindow(first, SW_HIDE); }),
              ElementsAre(WM_SHOWWINDOW, WM_WINDOWPOSCHANGING, WM_NCACTIVATE, WM_ACTIVATE,
                          WM_KILLFOCUS, WM_WINDOWPOSCHANGED));
  EXPECT_EQ(GetActiveWindow(), nullptr);
  EXPECT_EQ(GetFocus(), nullptr);
  EXPECT_THAT(LogOf(second, [&] { ShowWindow(first, SW_SHOWNOACTIVATE); }), ElementsAre());
  EXPECT_EQ(GetActiveWindow(), nullptr) << "shown without activation";
}

TEST_F(WindowMessages, SetWindowPosReportsOnlyWhatChanged) {
  HWND hwnd = Make(WS_POPUP);
  EXPECT_THAT(LogOf(hwnd, [&] { SetWindowPos(hwnd, nullptr, 50, 60, 0, 0, SWP_NOSIZE | SWP_NOZORDER); }),
              ElementsAre(WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED, WM_MOVE));
  ExpectRect(WindowRect(hwnd), 50, 60, 350, 260);
  EXPECT_THAT(LogOf(hwnd, [&] { SetWindowPos(hwnd, nullptr, 0, 0, 100, 80, SWP_NOMOVE | SWP_NOZORDER); }),
              ElementsAre(WM_WINDOWPOSCHANGING, WM_NCCALCSIZE, WM_WINDOWPOSCHANGED, WM_SIZE));
  EXPECT_EQ(Last(hwnd, WM_SIZE).lparam, MAKELPARAM(100, 80));
  ExpectRect(WindowRect(hwnd), 50, 60, 150, 140);
  EXPECT_THAT(LogOf(hwnd, [&] {
                SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_FRAMECHANGED);
              }),
              ElementsAre(WM_WINDOWPOSCHANGING, WM_NCCALCSIZE, WM_WINDOWPOSCHANGED));
  EXPECT_THAT(LogOf(hwnd, [&] {
                SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                             SWP_NOMOVE | SWP_NOSIZE | SWP_NOSENDCHANGING);
              }),
              ElementsAre(WM_WINDOWPOSCHANGED));
}

TEST_F(WindowMessages, SetWindowPosShowsHidesAndKeepsActivationAndTopmostAsAsked) {
  HWND other = Make(WS_POPUP | WS_VISIBLE);
  HWND hwnd = Make(WS_POPUP);
  std::vector<UINT> log = LogOf(hwnd, [&] {
    SetWindowPos(hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW | SWP_NOACTIVATE);
  });
  EXPECT_THAT(log, ElementsAre(WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED))
      << "SetWindowPos never sends WM_SHOWWINDOW";
  EXPECT_TRUE(IsWindowVisible(hwnd));
  EXPECT_EQ(GetActiveWindow(), other);
  EXPECT_TRUE(GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST);
  SetWindowPos(hwnd, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  EXPECT_FALSE(GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_EQ(GetActiveWindow(), hwnd);
  SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_HIDEWINDOW);
  EXPECT_FALSE(IsWindowVisible(hwnd));
  EXPECT_NE(GetActiveWindow(), hwnd);
}

LRESULT CALLBACK AdjustingProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_WINDOWPOSCHANGING) {
    auto* pos = reinterpret_cast<WINDOWPOS*>(lparam);
    pos->cx = std::min(pos->cx, 400);  // a size limit, as a skinned window keeps one
  }
  if (message == WM_NCCALCSIZE && wparam) {
    auto* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(lparam);
    params->rgrc[0].top += 30;  // a caption strip outside the client area
    return 0;
  }
  return DefWindowProcW(hwnd, message, wparam, lparam);
}

TEST_F(WindowMessages, ProceduresMayAdjustThePositionAndTheClientArea) {
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof(window_class);
  window_class.lpfnWndProc = AdjustingProc;
  window_class.lpszClassName = L"Adjusting";
  RegisterClassExW(&window_class);
  HWND hwnd = CreateWindowExW(0, L"Adjusting", L"", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr,
                              nullptr, nullptr);
  SetWindowPos(hwnd, nullptr, 0, 0, 900, 300, SWP_NOMOVE | SWP_NOZORDER);
  ExpectRect(WindowRect(hwnd), 0, 0, 400, 300);
  RECT client{};
  GetClientRect(hwnd, &client);
  ExpectRect(client, 0, 0, 400, 270);
  POINT origin{0, 0};
  ClientToScreen(hwnd, &origin);
  EXPECT_EQ(origin.y, 30);
  DestroyWindow(hwnd);
  UnregisterClassW(L"Adjusting", nullptr);
}

TEST_F(WindowMessages, ChildrenLiveInParentClientCoordinatesAndShareTheirVisibility) {
  HWND parent = Make(WS_POPUP, nullptr, 100, 200, 400, 300);
  HWND child = Make(WS_CHILD | WS_VISIBLE, parent, 5, 6, 50, 40);
  EXPECT_EQ(GetParent(child), parent);
  ExpectRect(WindowRect(child), 105, 206, 155, 246);
  POINT point{1, 1};
  ClientToScreen(child, &point);
  EXPECT_EQ(point.x, 106);
  EXPECT_EQ(point.y, 207);
  ScreenToClient(parent, &point);
  EXPECT_EQ(point.x, 6);
  EXPECT_EQ(point.y, 7);
  EXPECT_FALSE(IsWindowVisible(child)) << "its parent is hidden";
  ShowWindow(parent, SW_SHOWNA);
  EXPECT_TRUE(IsWindowVisible(child));
  HWND owned = Make(WS_POPUP | WS_VISIBLE, child);
  EXPECT_EQ(GetWindow(owned, GW_OWNER), parent) << "the owner is the child's top-level window";
  ShowWindow(parent, SW_HIDE);
  EXPECT_TRUE(IsWindowVisible(owned)) << "owners do not count for visibility";
  EXPECT_EQ(GetAncestor(child, GA_ROOT), parent);
}

TEST_F(WindowMessages, OwnedPopupsHideWithAMinimisedOwnerAndReturnOnRestore) {
  HWND owner = Make(WS_POPUP | WS_VISIBLE);
  HWND popup = Make(WS_POPUP | WS_VISIBLE, owner);
  HWND hidden_popup = Make(WS_POPUP, owner);
  ShowWindow(owner, SW_MINIMIZE);
  EXPECT_FALSE(IsWindowVisible(popup));
  EXPECT_EQ(Last(popup, WM_SHOWWINDOW).lparam, SW_PARENTCLOSING);
  ShowWindow(owner, SW_RESTORE);
  EXPECT_TRUE(IsWindowVisible(popup));
  EXPECT_EQ(Last(popup, WM_SHOWWINDOW).lparam, SW_PARENTOPENING);
  EXPECT_FALSE(IsWindowVisible(hidden_popup)) << "only popups hidden by the minimise return";
}

LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  auto previous = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (message == WM_USER + 7) return 77;
  return CallWindowProcW(previous, hwnd, message, wparam, lparam);
}

TEST_F(WindowMessages, SubclassingThroughTheProcedureSlotReroutesMessages) {
  HWND hwnd = Make(WS_POPUP);
  auto original = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SubclassProc)));
  ASSERT_NE(original, nullptr);
  SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(original));
  EXPECT_EQ(SendMessageW(hwnd, WM_USER + 7, 0, 0), 77);
  MessageLog::Instance().Clear();
  SendMessageW(hwnd, WM_USER + 8, 0, 0);
  EXPECT_THAT(Log(hwnd), ElementsAre(WM_USER + 8)) << "other messages reach the original";
  EXPECT_EQ(GetWindowLongPtrW(hwnd, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(SubclassProc));
}

TEST_F(WindowMessages, DefaultProcessingOfSystemCommandsAndClose) {
  HWND hwnd = Make(WS_POPUP | WS_VISIBLE);
  SendMessageW(hwnd, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  EXPECT_TRUE(IsIconic(hwnd));
  SendMessageW(hwnd, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  EXPECT_TRUE(IsZoomed(hwnd));
  SendMessageW(hwnd, WM_SYSCOMMAND, SC_RESTORE, 0);
  EXPECT_FALSE(IsZoomed(hwnd));
  EXPECT_EQ(SendMessageW(hwnd, WM_NCHITTEST, 0, 0), HTCLIENT);
  SendMessageW(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"caption"));
  wchar_t text[16];
  EXPECT_EQ(GetWindowTextW(hwnd, text, 16), 7);
  EXPECT_STREQ(text, L"caption");
  EXPECT_EQ(GetWindowTextW(hwnd, text, 4), 3) << "truncated to the buffer";

  std::vector<UINT> closing = LogOf(hwnd, [&] { SendMessageW(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0); });
  EXPECT_THAT(std::vector<UINT>(closing.begin(), closing.begin() + 2),
              ElementsAre(WM_SYSCOMMAND, WM_CLOSE));
  EXPECT_FALSE(IsWindow(hwnd));
}

}  // namespace
