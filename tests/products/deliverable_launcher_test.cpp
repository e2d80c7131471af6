// The deliverable's own values where the player meets them: captions, the exit question, the
// start page, the pay link before the page sends one, the skin's sizes and texts, and what
// start-up does to the cache folder. The program runs over the headless desktop and the
// scripted engine with the product's values and skin archive.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <thread>

#include "app/app_config.h"
#include "cef/testing/engine.h"
#include "deliverable.h"
#include "launcher_fixture.h"
#include "temp_folder.h"
#include "win32/testing/desktop_records.h"
#include "win32/testing/environment.h"
#include "win32/testing/window_view.h"

namespace {

using win32::testing::Describe;
using win32::testing::WaitUntil;

typedef LauncherTest DeliverableLauncherTest;

std::wstring ToolTip(HWND hwnd, const wchar_t* name) {
  std::wstring tip = L"<no control>";
  duilib::testing::WithPaintManager(hwnd, [&](DuiLib::CPaintManagerUI& manager) {
    if (DuiLib::CControlUI* control = manager.FindControl(name)) tip = control->GetToolTip().GetData();
  });
  return tip;
}

TEST_F(DeliverableLauncherTest, LoginWindowShowsTheStartPageInItsOwnCaptionSizeAndArea) {
  const HWND login = LoginWnd();
  const auto info = Describe(login);
  EXPECT_EQ(info->caption, kDeliverable.loginCaption);
  EXPECT_EQ(info->rect.right - info->rect.left, kDeliverable.loginWidth);
  EXPECT_EQ(info->rect.bottom - info->rect.top, kDeliverable.loginHeight);
  EXPECT_EQ(info->icon_resource_id, 101);
  std::wstring label;
  duilib::testing::WithPaintManager(login, [&](DuiLib::CPaintManagerUI& manager) {
    auto* area = dynamic_cast<DuiLib::CContainerUI*>(manager.FindControl(L"browserwnd"));
    if (area && area->GetCount() == 1) label = area->GetItemAt(0)->GetText().GetData();
  });
  EXPECT_EQ(label, kDeliverable.loadingText);

  const HWND browserWnd = BrowserWndOf(login);
  EXPECT_EQ(Describe(browserWnd)->caption, kDeliverable.productName);
  EXPECT_EQ(Describe(browserWnd)->icon_resource_id, 101);
  CefRefPtr<CefBrowser> browser = BrowserOf(login);
  ASSERT_TRUE(browser);
  EXPECT_EQ(cef::testing::RequestedUrl(browser), CefString(kDeliverable.startPage));

  cef::testing::PageLoad load;
  load.url = kDeliverable.startPage;
  EXPECT_TRUE(cef::testing::LoadPage(browser, load));
  ASSERT_TRUE(WaitUntil([&] { return IsVisible(browserWnd); }));
  const RECT placed = Describe(browserWnd)->rect;
  EXPECT_EQ(placed.right - placed.left, kDeliverable.browserAreaWidth);
  EXPECT_EQ(placed.bottom - placed.top, kDeliverable.browserAreaHeight);
  // The area lies inside the login picture.
  const RECT area = Control(login, L"browserwnd")->rect;
  EXPECT_GE(area.left, 0);
  EXPECT_LE(area.right, kDeliverable.loginWidth);
  EXPECT_LE(area.bottom, kDeliverable.loginHeight);
  // So do the login window's two buttons.
  for (const wchar_t* button : {L"frame_minbtn", L"frame_closebtn"}) {
    const RECT rc = Control(login, button)->rect;
    EXPECT_TRUE(rc.left >= 0 && rc.right <= kDeliverable.loginWidth && rc.right - rc.left == 30) << button;
  }
}

TEST_F(DeliverableLauncherTest, GameWindowNamesTheProductInCaptionsTrayAndEmptyTitles) {
  const HWND login = LoginWnd();
  const HWND main = HandOver();
  ASSERT_TRUE(main);
  EXPECT_EQ(Describe(main)->caption, kDeliverable.productName);
  EXPECT_EQ(Describe(BrowserWndOf(main))->caption, kDeliverable.productName);
  EXPECT_EQ(Describe(BrowserWndOf(login))->caption, kDeliverable.productName);
  const auto icons = win32::testing::TrayIcons();
  ASSERT_EQ(icons.size(), 1u);
  EXPECT_EQ(icons[0].tip, kDeliverable.productName);
  EXPECT_EQ(icons[0].icon_resource_id, 101);
  EXPECT_EQ(Describe(main)->icon_resource_id, 101);

  EXPECT_EQ(Control(main, L"title")->text, kDeliverable.productName);
  CefRefPtr<CefBrowser> game = BrowserOf(main);
  cef::testing::ChangeTitle(game, L"第三區");
  EXPECT_EQ(Control(main, L"title")->text, L"第三區");
  cef::testing::ChangeTitle(game, L"");
  EXPECT_EQ(Control(main, L"title")->text, kDeliverable.productName);

  EXPECT_EQ(Control(main, L"menubtn")->text, kDeliverable.settingsText);
  EXPECT_EQ(ToolTip(main, L"menubtn"), kDeliverable.settingsText);
  EXPECT_EQ(ToolTip(main, L"hidebtn"), kDeliverable.hideTip);
  EXPECT_EQ(ToolTip(main, L"restorebtn"), kDeliverable.restoreTip);
  EXPECT_EQ(ToolTip(main, L"closebtn"), kDeliverable.closeTip);
}

TEST_F(DeliverableLauncherTest, BothWindowsAskTheProductsExitQuestion) {
  const HWND login = LoginWnd();
  ClickControl(login, L"frame_closebtn");
  const HWND main = HandOver();
  ASSERT_TRUE(main);
  ClickControl(main, L"closebtn");
  EXPECT_TRUE(IsWindow(main));

  const auto boxes = win32::testing::MessageBoxes();
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].owner, login);
  EXPECT_EQ(boxes[1].owner, main);
  for (const auto& box : boxes) {
    EXPECT_EQ(box.text, kDeliverable.exitQuestion);
    EXPECT_EQ(box.caption, kDeliverable.productName);
    EXPECT_EQ(box.type, static_cast<UINT>(MB_YESNO));
  }
}

TEST_F(DeliverableLauncherTest, PayLinkIsTheProductsOwnUntilThePageSendsOne) {
  AppConfig* config = AppConfig::GetInstance();
  EXPECT_EQ(config->GetPayLink(), DuiLib::CDuiString(kDeliverable.defaultPayLink));
  const HWND main = HandOver();
  ASSERT_TRUE(main);
  EXPECT_EQ(config->GetPayLink(), DuiLib::CDuiString(kDeliverable.defaultPayLink));

  CefRefPtr<CefProcessMessage> message = CefProcessMessage::Create("jsCallMsg");
  message->GetArgumentList()->SetString(0, "PayUrl");
  message->GetArgumentList()->SetString(1, "http://pay.example/charge");
  EXPECT_TRUE(cef::testing::SendToBrowser(BrowserOf(main), message));
  EXPECT_EQ(config->GetPayLink(), DuiLib::CDuiString(L"http://pay.example/charge"));
}

// Without the fixture: the cache folder must hold last run's files before the program starts.
TEST(DeliverableStartTest, CacheFolderIsEmptiedAtStartOnlyWhereTheProductSaysSo) {
  win32::testing::Reset();
  cef::testing::ResetKnobs();
  cef::testing::HoldLoads(true);
  win32::testing::SetCommandLine(L"deliverable_tests.exe");
  TempFolder temp;
  setenv("TMPDIR", temp.Path().c_str(), 1);
  const std::string oldFile = temp.Write("Quellix/old.dat", "from the last run");

  int exitCode = -1;
  std::thread program([&] {
    char commandLine[] = "";
    exitCode = WinMain(GetModuleHandleW(NULL), NULL, commandLine, SW_SHOWNORMAL);
  });
  HWND login = NULL;
  EXPECT_TRUE(WaitUntil([&] {
    login = win32::testing::FindWindowByClass(L"Quellix_LoginWnd");
    const auto info = Describe(login);
    return info && info->visible;
  }));
  EXPECT_EQ(std::filesystem::exists(oldFile), !kDeliverable.clearsCacheAtStart);

  win32::testing::SetMessageBoxAnswer([](const win32::testing::MessageBoxRecord&) { return IDYES; });
  if (login) PostMessageW(login, WM_CLOSE, 0, 0);
  program.join();
  EXPECT_EQ(exitCode, 0);
}

}  // namespace
