#include "lone_window_fixture.h"

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "UIlib.h"
#include "cef/testing/browsers.h"
#include "cef/testing/engine.h"
#include "cef/testing/page.h"
#include "include/cef_app.h"
#include "products/product.h"
#include "win32/testing/environment.h"
#include "win32/testing/window_view.h"
#include "windows/login_wnd.h"

namespace fs = std::filesystem;

const char kHandOverUrl[] = "http://s3.vantellis.example/game/index?server=3&client=1";

namespace {

const wchar_t kBrowserClass[] = L"Quellix_BrowserWnd";
const wchar_t kMainClass[] = L"Quellix_MainWnd";

std::string ReadText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Cuts the element whose name attribute is |name|: up to its "/>" when it closes itself,
// else through the closing tag of its kind.
std::string WithoutElement(const std::string& text, const std::string& name) {
  const size_t attribute = text.find("name=\"" + name + "\"");
  if (attribute == std::string::npos) return text;
  const size_t open = text.rfind('<', attribute);
  const size_t tagEnd = text.find('>', attribute);
  size_t end = tagEnd + 1;
  if (text[tagEnd - 1] != '/') {
    const std::string tag = text.substr(open + 1, text.find(' ', open) - open - 1);
    end = text.find("</" + tag + ">", tagEnd) + tag.size() + 3;
  }
  return text.substr(0, open) + text.substr(end);
}

}  // namespace

std::vector<unsigned char> ProductSkinArchive() {
  std::ifstream in(QUELLIX_SKIN_ARCHIVE, std::ios::binary);
  return std::vector<unsigned char>(std::istreambuf_iterator<char>(in),
                                    std::istreambuf_iterator<char>());
}

void LoneWindowTest::SetUp() {
  win32::testing::Reset();
  cef::testing::ResetKnobs();
  cef::testing::HoldLoads(true);
  char pattern[] = "/tmp/quellix-hardening-XXXXXX";
  ASSERT_NE(mkdtemp(pattern), nullptr);
  folder_ = pattern;
  CefSettings settings;
  settings.no_sandbox = true;
  settings.multi_threaded_message_loop = true;
  ASSERT_TRUE(CefInitialize(CefMainArgs(), settings, NULL, NULL));
}

void LoneWindowTest::TearDown() {
  cef::testing::RunOnUiThread([] {
    for (const auto& window : win32::testing::WindowsOfClass(kMainClass))
      DestroyWindow(window.hwnd);
  });
  // Destroying the login window ends the stand-in main thread's loop, so a test that
  // destroyed it leaves nothing to run there.
  if (HWND login = win32::testing::FindWindowByClass(L"Quellix_LoginWnd"))
    main_.Run([login] { DestroyWindow(login); });
  for (const CefRefPtr<CefBrowser>& browser : cef::testing::Browsers())
    EXPECT_TRUE(cef::testing::WaitForBrowserClosed(browser));
  CefShutdown();
  DuiLib::CPaintManagerUI::SetResourceZip(static_cast<LPVOID>(NULL), 0, NULL);
  fs::remove_all(folder_);
}

void LoneWindowTest::UseSkinFilesWithout(const std::string& file, const std::string& name) {
  for (const char* skin : {"res.xml", "login.xml", "main.xml", "msg.xml", "browser.xml"}) {
    std::string text = ReadText(fs::path(QUELLIX_SKIN_DIR) / skin);
    if (file == skin) {
      const std::string cut = WithoutElement(text, name);
      ASSERT_NE(cut, text) << "no element named " << name << " in " << file;
      text = cut;
    }
    std::ofstream(fs::path(folder_) / skin, std::ios::binary) << text;
  }
  DuiLib::CPaintManagerUI::SetResourceType(UILIB_FILE);
  DuiLib::CPaintManagerUI::SetResourcePath((fs::path(folder_).wstring() + L"/").c_str());
  DuiLib::CResourceManager::GetInstance()->LoadResource(_T("res.xml"), NULL);
}

void LoneWindowTest::UseSkinArchive(const std::vector<unsigned char>& archive) {
  archive_ = archive;
  DuiLib::CPaintManagerUI::SetResourceType(UILIB_ZIPRESOURCE);
  DuiLib::CPaintManagerUI::SetResourceZip(archive_.data(),
                                          static_cast<unsigned int>(archive_.size()),
                                          _T("QWPMZNXRTVBLE"));
  DuiLib::CResourceManager::GetInstance()->LoadResource(_T("res.xml"), NULL);
}

HWND LoneWindowTest::OpenLoginWindow() {
  HWND hwnd = NULL;
  main_.Run([&] {
    CLoginWnd* login = new CLoginWnd();
    hwnd = login->Create(NULL, kLoginCaption, WS_POPUP, 0, 0, 0, 1622, 901, NULL);
    login->CenterWindow();
    login->ShowWindow(true, true);
  });
  return hwnd;
}

CefRefPtr<CefBrowser> LoneWindowTest::BrowserOf(HWND owner) {
  HWND host = NULL;
  win32::testing::WaitUntil([&] {
    for (const auto& window : win32::testing::WindowsOfClass(kBrowserClass)) {
      if (window.owner == owner) host = window.hwnd;
    }
    return host != NULL;
  });
  return host ? cef::testing::WaitForBrowserOfParent(host) : NULL;
}

HWND LoneWindowTest::HandOver(CefRefPtr<CefBrowser> login) {
  cef::testing::PageLoad load;
  load.url = kHandOverUrl;
  load.transition = TT_LINK;
  cef::testing::LoadPage(login, load);
  HWND game = NULL;
  win32::testing::WaitUntil([&] {
    const auto windows = win32::testing::WindowsOfClass(kMainClass);
    game = windows.empty() ? NULL : windows.back().hwnd;
    const auto info = win32::testing::Describe(game);
    return info && info->visible;
  });
  return game;
}
