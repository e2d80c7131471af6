#include "launcher_fixture.h"

#include <stdlib.h>

#include <filesystem>

#include "cef/testing/engine.h"
#include "win32/testing/desktop_records.h"
#include "win32/testing/environment.h"
#include "win32/testing/scripted_user.h"
#include "win32/testing/window_view.h"
#include "windows/main_wnd.h"

const wchar_t kGameUrl[] = L"http://s3.vantellis.example/game/index?server=3&client=1";

namespace {

const wchar_t kLoginClass[] = L"Quellix_LoginWnd";
const wchar_t kMainClass[] = L"Quellix_MainWnd";
const wchar_t kBrowserClass[] = L"Quellix_BrowserWnd";

}  // namespace

void LauncherTest::SetUp() {
  win32::testing::Reset();
  cef::testing::ResetKnobs();
  // The test drives every page load itself.
  cef::testing::HoldLoads(true);
  win32::testing::SetCommandLine(L"windows_tests.exe");
  AnswerMessageBoxes(IDNO);
  ChooseMenuItems(0);
  g_bMainWndVisible = true;

  char pattern[] = "/tmp/quellix-windows-XXXXXX";
  ASSERT_NE(mkdtemp(pattern), nullptr);
  m_tempDir = pattern;
  m_cacheDir = m_tempDir + "/Quellix";
  setenv("TMPDIR", m_tempDir.c_str(), 1);

  m_mainThread = std::thread([this] {
    char commandLine[] = "";
    m_exitCode = WinMain(GetModuleHandleW(NULL), NULL, commandLine, SW_SHOWNORMAL);
  });
  ASSERT_TRUE(win32::testing::WaitUntil([this] { return IsVisible(LoginWnd()); }));
  ASSERT_TRUE(win32::testing::WaitUntil([this] { return BrowserWndOf(LoginWnd()) != NULL; }));
}

void LauncherTest::TearDown() {
  if (!m_programEnded && m_mainThread.joinable()) CloseProgram();
  if (!m_tempDir.empty()) std::filesystem::remove_all(m_tempDir);
}

void LauncherTest::CloseGameWindows() {
  AnswerMessageBoxes(IDYES);
  for (HWND hwnd = MainWnd(); hwnd; hwnd = MainWnd()) {
    PostMessageW(hwnd, WM_CLOSE, 0, 0);
    ASSERT_TRUE(win32::testing::WaitUntil([hwnd] { return !IsWindow(hwnd); }));
  }
}

int LauncherTest::CloseProgram() {
  CloseGameWindows();
  AnswerMessageBoxes(IDYES);
  PostMessageW(LoginWnd(), WM_CLOSE, 0, 0);
  m_mainThread.join();
  m_programEnded = true;
  return m_exitCode;
}

HWND LauncherTest::LoginWnd() const { return win32::testing::FindWindowByClass(kLoginClass); }

HWND LauncherTest::MainWnd() const {
  const auto windows = win32::testing::WindowsOfClass(kMainClass);
  return windows.empty() ? NULL : windows.back().hwnd;
}

int LauncherTest::MainWndCount() const {
  return static_cast<int>(win32::testing::WindowsOfClass(kMainClass).size());
}

HWND LauncherTest::BrowserWndOf(HWND owner) {
  for (const auto& window : win32::testing::WindowsOfClass(kBrowserClass)) {
    if (window.owner == owner) return window.hwnd;
  }
  return NULL;
}

CefRefPtr<CefBrowser> LauncherTest::BrowserOf(HWND owner) {
  return cef::testing::WaitForBrowserOfParent(BrowserWndOf(owner));
}

HWND LauncherTest::HandOver(const wchar_t* url, const wchar_t* frame) {
  const int before = MainWndCount();
  cef::testing::PageLoad load;
  load.url = url;
  load.frame_name = frame;
  load.transition = TT_LINK;
  cef::testing::LoadPage(BrowserOf(LoginWnd()), load);
  EXPECT_TRUE(win32::testing::WaitUntil([&] {
    const HWND hwnd = MainWnd();
    const auto info = win32::testing::Describe(hwnd);
    return MainWndCount() == before + 1 && info && info->visible && info->maximized;
  }));
  return MainWnd();
}

void LauncherTest::AnswerMessageBoxes(int answer) {
  win32::testing::SetMessageBoxAnswer([answer](const win32::testing::MessageBoxRecord&) {
    return answer;
  });
}

void LauncherTest::ChooseMenuItems(UINT_PTR id) {
  win32::testing::SetMenuChooser([id](const win32::testing::MenuRecord&) { return id; });
}

std::optional<duilib::testing::ControlInfo> LauncherTest::Control(HWND hwnd, const wchar_t* name) {
  return duilib::testing::DescribeControl(hwnd, name);
}

void LauncherTest::ClickControl(HWND hwnd, const wchar_t* name) {
  const auto control = Control(hwnd, name);
  ASSERT_TRUE(control) << "no control " << std::string(name, name + wcslen(name));
  const RECT& rc = control->rect;
  ASSERT_TRUE(win32::testing::Click(hwnd, (rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2));
  Settle(hwnd);
}

void LauncherTest::Settle(HWND hwnd) {
  win32::testing::RunOnWindowThread(hwnd, [hwnd] {
    MSG msg;
    while (PeekMessageW(&msg, hwnd, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  });
}

bool LauncherTest::IsVisible(HWND hwnd) {
  const auto info = win32::testing::Describe(hwnd);
  return info && info->visible;
}
