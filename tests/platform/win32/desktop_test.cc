// What goes through the desktop: message boxes, menus, hot keys, the tray, the shell, the
// screen and the scripted user's input.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <shellapi.h>

#include "message_log.h"
#include "resource_table.h"
#include "ui_thread.h"
#include "win32/testing/desktop_records.h"
#include "win32/testing/environment.h"
#include "win32/testing/scripted_user.h"
#include "win32/testing/window_view.h"

using ::testing::ElementsAre;
using win32_test::CreateLogged;
using win32_test::Logged;
using win32_test::MessageLog;
using namespace win32::testing;

namespace {

class Desktop : public ::testing::Test {
 protected:
  void SetUp() override {
    Reset();
    MessageLog::Instance().Clear();
    hwnd_ = CreateLogged(WS_POPUP | WS_VISIBLE, nullptr, 100, 50, 400, 300);
    Pump();
    MessageLog::Instance().Clear();
  }
  void TearDown() override { DestroyWindow(hwnd_); }
  // Dispatches what is pending and returns the window's log of it.
  std::vector<Logged> Pump() {
    MessageLog::Instance().Clear();
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    return MessageLog::Instance().Entries();
  }
  HWND hwnd_ = nullptr;
};

TEST_F(Desktop, MessageBoxesAreRecordedAndAnsweredByTheScriptedUser) {
  EXPECT_EQ(MessageBoxW(hwnd_, L"Leave?", L"Title", MB_YESNO), 0) << "no answer: not shown";
  SetMessageBoxAnswer([](const MessageBoxRecord& box) {
    return box.type == MB_YESNO ? IDYES : IDOK;
  });
  EXPECT_EQ(MessageBoxW(hwnd_, L"Leave?", L"Title", MB_YESNO), IDYES);
  EXPECT_EQ(MessageBoxW(nullptr, L"Done", L"T", MB_OK | MB_ICONINFORMATION), IDOK);
  EXPECT_EQ(MessageBoxW(reinterpret_cast<HWND>(0x5555), L"x", L"y", MB_OK), 0);
  std::vector<MessageBoxRecord> boxes = MessageBoxes();
  ASSERT_EQ(boxes.size(), 3u) << "a box with a bogus owner is never shown";
  EXPECT_EQ(boxes[1].owner, hwnd_);
  EXPECT_EQ(boxes[1].text, L"Leave?");
  EXPECT_EQ(boxes[1].caption, L"Title");
  EXPECT_EQ(boxes[2].type, static_cast<UINT>(MB_OK | MB_ICONINFORMATION));
}

TEST_F(Desktop, ChosenMenuItemArrivesAsPostedCommandOrAsTheReturnValue) {
  HMENU menu = CreatePopupMenu();
  AppendMenuW(menu, MF_STRING, 11, L"Reload");
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(menu, MF_STRING | MF_GRAYED, 12, L"Off");
  SetMenuChooser([](const MenuRecord& record) { return record.items[0].id; });

  EXPECT_TRUE(TrackPopupMenu(menu, TPM_LEFTALIGN, 30, 40, 0, hwnd_, nullptr));
  std::vector<Logged> log = Pump();
  ASSERT_EQ(log.size(), 1u);
  EXPECT_EQ(log[0].message, static_cast<UINT>(WM_COMMAND));
  EXPECT_EQ(LOWORD(log[0].wparam), 11);

  EXPECT_EQ(TrackPopupMenu(menu, TPM_RETURNCMD, 0, 0, 0, hwnd_, nullptr), 11);
  EXPECT_TRUE(Pump().empty()) << "TPM_RETURNCMD posts nothing";

  SetMenuChooser([](const MenuRecord&) -> UINT_PTR { return 12; });
  EXPECT_EQ(TrackPopupMenu(menu, TPM_RETURNCMD, 0, 0, 0, hwnd_, nullptr), 0) << "grayed";
  SetMenuChooser([](const MenuRecord&) -> UINT_PTR { return 0; });
  EXPECT_TRUE(TrackPopupMenu(menu, 0, 0, 0, 0, hwnd_, nullptr));
  EXPECT_TRUE(Pump().empty()) << "no choice, no command";

  std::vector<MenuRecord> menus = Menus();
  ASSERT_EQ(menus.size(), 4u);
  EXPECT_EQ(menus[0].owner, hwnd_);
  EXPECT_EQ(menus[0].x, 30);
  EXPECT_EQ(menus[0].y, 40);
  ASSERT_EQ(menus[0].items.size(), 3u);
  EXPECT_EQ(menus[0].items[0].text, L"Reload");
  EXPECT_EQ(menus[0].items[1].flags, static_cast<UINT>(MF_SEPARATOR));
  EXPECT_TRUE(DestroyMenu(menu));
  EXPECT_FALSE(TrackPopupMenu(menu, 0, 0, 0, 0, hwnd_, nullptr));
  EXPECT_FALSE(AppendMenuW(menu, MF_STRING, 1, L"x"));
}

TEST_F(Desktop, HotKeysAreDesktopWideAndPressingPostsWmHotKey) {
  ASSERT_TRUE(RegisterHotKey(hwnd_, 5, MOD_ALT | MOD_NOREPEAT, 'Q'));
  HWND other = CreateLogged(WS_POPUP);
  EXPECT_FALSE(RegisterHotKey(other, 6, MOD_ALT, 'Q'));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_HOTKEY_ALREADY_REGISTERED));
  EXPECT_TRUE(RegisterHotKey(other, 6, MOD_ALT | MOD_CONTROL, 'Q'));

  EXPECT_TRUE(PressHotKey(MOD_ALT, 'Q'));
  EXPECT_FALSE(PressHotKey(MOD_SHIFT, 'Q'));
  std::vector<Logged> log = Pump();
  ASSERT_EQ(log.size(), 1u);
  EXPECT_EQ(log[0].hwnd, hwnd_);
  EXPECT_EQ(log[0].message, static_cast<UINT>(WM_HOTKEY));
  EXPECT_EQ(log[0].wparam, 5u);
  EXPECT_EQ(log[0].lparam, MAKELPARAM(MOD_ALT, 'Q'));

  EXPECT_EQ(HotKeys().size(), 2u);
  EXPECT_TRUE(UnregisterHotKey(hwnd_, 5));
  EXPECT_FALSE(UnregisterHotKey(hwnd_, 5));
  EXPECT_FALSE(PressHotKey(MOD_ALT, 'Q'));
  DestroyWindow(other);
}

TEST_F(Desktop, TrayIconsAreAddedModifiedClickedAndDeleted) {
  HICON icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(win32_test::kAppIconId));
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof(data);
  data.hWnd = hwnd_;
  data.uID = 1;
  data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data.uCallbackMessage = WM_USER + 25;
  data.hIcon = icon;
  wcscpy(data.szTip, L"Game");
  ASSERT_TRUE(Shell_NotifyIconW(NIM_ADD, &data));
  EXPECT_FALSE(Shell_NotifyIconW(NIM_ADD, &data)) << "already there";
  data.uFlags = NIF_TIP;
  wcscpy(data.szTip, L"Game 2");
  EXPECT_TRUE(Shell_NotifyIconW(NIM_MODIFY, &data));

  std::vector<TrayIconRecord> icons = TrayIcons();
  ASSERT_EQ(icons.size(), 1u);
  EXPECT_EQ(icons[0].tip, L"Game 2");
  EXPECT_EQ(icons[0].callback_message, static_cast<UINT>(WM_USER + 25));
  EXPECT_EQ(icons[0].icon_resource_id, win32_test::kAppIconId);

  EXPECT_TRUE(ClickTrayIcon(hwnd_, 1, WM_LBUTTONUP));
  std::vector<Logged> log = Pump();
  ASSERT_EQ(log.size(), 1u);
  EXPECT_EQ(log[0].message, static_cast<UINT>(WM_USER + 25));
  EXPECT_EQ(log[0].wparam, 1u);
  EXPECT_EQ(log[0].lparam, WM_LBUTTONUP);

  EXPECT_TRUE(Shell_NotifyIconW(NIM_DELETE, &data));
  EXPECT_FALSE(Shell_NotifyIconW(NIM_DELETE, &data));
  EXPECT_FALSE(ClickTrayIcon(hwnd_, 1, WM_LBUTTONUP));
}

TEST_F(Desktop, ShellOpensAreRecordedAndSucceed) {
  HINSTANCE result = ShellExecuteW(nullptr, L"open", L"http://a.example/", nullptr, nullptr, SW_SHOW);
  EXPECT_GT(reinterpret_cast<intptr_t>(result), 32);
  std::vector<ShellOpenRecord> opens = ShellOpens();
  ASSERT_EQ(opens.size(), 1u);
  EXPECT_EQ(opens[0].window, nullptr);
  EXPECT_EQ(opens[0].verb, L"open");
  EXPECT_EQ(opens[0].file, L"http://a.example/");
  EXPECT_EQ(opens[0].parameters, L"");
  EXPECT_EQ(opens[0].show_command, SW_SHOW);
}

TEST_F(Desktop, ScreenAndWorkAreaAreTheDesktopsAndSettable) {
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1920);
  EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 1080);
  RECT work{};
  ASSERT_TRUE(SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0));
  EXPECT_EQ(work.bottom, 1040);
  SetScreen(SIZE{1280, 720}, RECT{0, 0, 1280, 680});
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  ASSERT_TRUE(GetMonitorInfoW(MonitorFromWindow(hwnd_, MONITOR_DEFAULTTONEAREST), &info));
  EXPECT_EQ(info.rcMonitor.right, 1280);
  EXPECT_EQ(info.rcWork.bottom, 680);
  EXPECT_EQ(MonitorFromWindow(nullptr, MONITOR_DEFAULTTONULL), nullptr);
}

TEST_F(Desktop, ScriptedInputArrivesAsPostedMessagesInClientCoordinates) {
  ASSERT_TRUE(Click(hwnd_, 7, 8));
  std::vector<Logged> log = Pump();
  ASSERT_EQ(log.size(), 3u);
  EXPECT_EQ(log[0].message, static_cast<UINT>(WM_MOUSEMOVE));
  EXPECT_EQ(log[1].message, static_cast<UINT>(WM_LBUTTONDOWN));
  EXPECT_EQ(log[1].wparam, static_cast<WPARAM>(MK_LBUTTON));
  EXPECT_EQ(log[2].message, static_cast<UINT>(WM_LBUTTONUP));
  EXPECT_EQ(log[2].lparam, MAKELPARAM(7, 8));
  POINT cursor{};
  GetCursorPos(&cursor);
  EXPECT_EQ(cursor.x, 107);
  EXPECT_EQ(cursor.y, 58);

  KeyPress(hwnd_, VK_RETURN);
  SystemCommand(hwnd_, SC_MINIMIZE);
  std::vector<UINT> messages;
  for (const Logged& entry : Pump())
    if (entry.message == WM_KEYDOWN || entry.message == WM_KEYUP || entry.message == WM_SYSCOMMAND)
      messages.push_back(entry.message);
  EXPECT_THAT(messages, ElementsAre(WM_KEYDOWN, WM_KEYUP, WM_SYSCOMMAND));
  EXPECT_TRUE(IsIconic(hwnd_));
  EXPECT_EQ(HitTest(hwnd_, 1, 1), HTCLIENT);
  SetKeyDown(VK_SHIFT, true);
  EXPECT_LT(GetKeyState(VK_SHIFT), 0);
  EXPECT_EQ(GetKeyState(VK_CONTROL), 0);
}

// A logged window whose top 30 pixels are its caption, as a skin's caption area is.
LRESULT CALLBACK CaptionStripProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  MessageLog::Instance().Add(Logged{hwnd, message, wparam, lparam, GetCurrentThreadId()});
  if (message == WM_NCHITTEST) {
    RECT rect{};
    GetWindowRect(hwnd, &rect);
    return GET_Y_LPARAM(lparam) < rect.top + 30 ? HTCAPTION : HTCLIENT;
  }
  return DefWindowProcW(hwnd, message, wparam, lparam);
}

HWND CreateCaptionStrip(DWORD style, bool double_clicks) {
  const wchar_t* name = double_clicks ? L"CaptionStripDoubleClicks" : L"CaptionStrip";
  WNDCLASSEXW window_class{};
  if (!GetClassInfoExW(nullptr, name, &window_class)) {
    window_class.cbSize = sizeof(window_class);
    window_class.style = double_clicks ? CS_DBLCLKS : 0;
    window_class.lpfnWndProc = CaptionStripProc;
    window_class.lpszClassName = name;
    RegisterClassExW(&window_class);
  }
  return CreateWindowExW(0, name, L"strip", style, 100, 50, 400, 300, nullptr, nullptr, nullptr,
                         nullptr);
}

std::vector<UINT> MouseMessages(const std::vector<Logged>& log) {
  std::vector<UINT> messages;
  for (const Logged& entry : log)
    if ((entry.message >= WM_NCLBUTTONDOWN && entry.message <= WM_NCLBUTTONDBLCLK) ||
        (entry.message >= WM_LBUTTONDOWN && entry.message <= WM_LBUTTONDBLCLK))
      messages.push_back(entry.message);
  return messages;
}

std::vector<WPARAM> SystemCommands(const std::vector<Logged>& log) {
  std::vector<WPARAM> commands;
  for (const Logged& entry : log)
    if (entry.message == WM_SYSCOMMAND) commands.push_back(entry.wparam & 0xFFF0);
  return commands;
}

TEST_F(Desktop, DoubleClickOnTheCaptionMaximisesAndRestoresOnlyAWindowWithAMaximiseBox) {
  HWND hwnd = CreateCaptionStrip(WS_POPUP | WS_VISIBLE | WS_MAXIMIZEBOX, false);
  Pump();
  ASSERT_TRUE(DoubleClick(hwnd, 40, 10));
  std::vector<Logged> log = Pump();
  EXPECT_THAT(MouseMessages(log),
              ElementsAre(WM_NCLBUTTONDOWN, WM_NCLBUTTONUP, WM_NCLBUTTONDBLCLK, WM_NCLBUTTONUP))
      << "a non-client double click needs no CS_DBLCLKS";
  EXPECT_THAT(SystemCommands(log), ElementsAre(SC_MAXIMIZE));
  EXPECT_TRUE(IsZoomed(hwnd));

  ASSERT_TRUE(DoubleClick(hwnd, 40, 10));
  EXPECT_THAT(SystemCommands(Pump()), ElementsAre(SC_RESTORE));
  EXPECT_FALSE(IsZoomed(hwnd));
  RECT rect{};
  GetWindowRect(hwnd, &rect);
  EXPECT_EQ(rect.left, 100);
  EXPECT_EQ(rect.right, 500);

  ASSERT_TRUE(DoubleClick(hwnd, 40, 100));
  EXPECT_TRUE(SystemCommands(Pump()).empty()) << "the client area is no caption";
  DestroyWindow(hwnd);

  HWND fixed = CreateCaptionStrip(WS_POPUP | WS_VISIBLE, false);
  Pump();
  ASSERT_TRUE(DoubleClick(fixed, 40, 10));
  EXPECT_TRUE(SystemCommands(Pump()).empty());
  EXPECT_FALSE(IsZoomed(fixed));
  DestroyWindow(fixed);
}

TEST_F(Desktop, DoubleClickInTheClientAreaIsOneOnlyWhereTheClassAsksForIt) {
  struct Case {
    bool double_clicks;
    UINT second;
  } cases[] = {{true, WM_LBUTTONDBLCLK}, {false, WM_LBUTTONDOWN}};
  for (const Case& each : cases) {
    HWND hwnd = CreateCaptionStrip(WS_POPUP | WS_VISIBLE, each.double_clicks);
    Pump();
    ASSERT_TRUE(DoubleClick(hwnd, 40, 100));
    EXPECT_THAT(MouseMessages(Pump()),
                ElementsAre(WM_LBUTTONDOWN, WM_LBUTTONUP, each.second, WM_LBUTTONUP))
        << "CS_DBLCLKS " << each.double_clicks;
    EXPECT_EQ(GetClassLongW(hwnd, GCL_STYLE), each.double_clicks ? DWORD{CS_DBLCLKS} : DWORD{0});
    DestroyWindow(hwnd);
  }
}

TEST_F(Desktop, SnapshotsDescribeWindowsAcrossThreads) {
  SetWindowTextW(hwnd_, L"Snap");
  HICON icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(win32_test::kAppIconId));
  SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
  win32_test::UiThread ui;
  HWND popup = nullptr;
  ui.Run([&] { popup = CreateLogged(WS_POPUP | WS_VISIBLE, hwnd_, 1, 2, 30, 40); });

  std::optional<WindowInfo> mine = Describe(hwnd_);
  ASSERT_TRUE(mine);
  EXPECT_EQ(mine->caption, L"Snap");
  EXPECT_EQ(mine->class_name, L"LoggedWindow");
  EXPECT_EQ(mine->icon_resource_id, win32_test::kAppIconId);
  EXPECT_EQ(mine->rect.left, 100);
  EXPECT_TRUE(mine->visible);
  EXPECT_EQ(FindWindowByCaption(L"Snap"), hwnd_);

  std::optional<WindowInfo> theirs = Describe(popup);
  ASSERT_TRUE(theirs);
  EXPECT_EQ(theirs->owner, hwnd_);
  EXPECT_EQ(theirs->thread_id, ui.thread_id());
  EXPECT_EQ(theirs->client_rect.right, 30);

  // Win32 calls on another thread's window go to that thread.
  ShowWindow(popup, SW_SHOWMAXIMIZED);
  EXPECT_TRUE(Describe(popup)->maximized);
  bool ran_there = false;
  EXPECT_TRUE(RunOnWindowThread(popup, [&] { ran_there = GetCurrentThreadId() == ui.thread_id(); }));
  EXPECT_TRUE(ran_there);
  ui.Run([&] { DestroyWindow(popup); });
  EXPECT_FALSE(RunOnWindowThread(popup, [] {}));
  EXPECT_FALSE(Describe(popup));
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(popup); }));
}

}  // namespace
