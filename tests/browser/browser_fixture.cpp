#include "browser_fixture.h"

#include "cef/testing/browsers.h"
#include "duilib/testing/window_inspection.h"
#include "win32/testing/environment.h"
#include "win32/testing/window_view.h"

namespace {

const wchar_t kOwnerClass[] = L"BrowserTestOwner";
const wchar_t kStartUrl[] = L"http://www.vantellis.example/micro/";

}  // namespace

void BrowserFixture::SetUp() {
  win32::testing::Reset();
  cef::testing::ResetKnobs();
  cef::testing::HoldLoads(true);
}

void BrowserFixture::TearDown() {
  cef::testing::RunOnUiThread([this] {
    for (HWND hwnd : ui_thread_windows_) {
      if (IsWindow(hwnd))
        DestroyWindow(hwnd);
    }
  });
  main_.Run([this] {
    for (auto it = top_level_.rbegin(); it != top_level_.rend(); ++it) {
      if (IsWindow(*it))
        DestroyWindow(*it);
    }
  });
  for (const CefRefPtr<CefBrowser>& browser : cef::testing::Browsers())
    EXPECT_TRUE(cef::testing::WaitForBrowserClosed(browser));
  Settle();
}

HWND BrowserFixture::CreateOwner(DWORD style) {
  HWND hwnd = NULL;
  main_.Run([&] {
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = DefWindowProcW;
    wc.lpszClassName = kOwnerClass;
    RegisterClassExW(&wc);
    hwnd = CreateWindowExW(0, kOwnerClass, L"owner", style, 100, 50, 800, 600, NULL, NULL, NULL,
                           NULL);
  });
  top_level_.push_back(hwnd);
  return hwnd;
}

BrowserFixture::Opened BrowserFixture::OpenBrowserWindow(
    ICefBrowserHandler* events, HWND owner, bool can_maximize,
    const std::function<void(CBrowserWnd*)>& after_create) {
  Opened opened;
  main_.Run([&] {
    opened.wnd = new CBrowserWnd;
    opened.wnd->Setup(owner, kStartUrl, events, can_maximize);
    opened.hwnd = opened.wnd->Create(owner, L"Vantellis", WS_POPUP | WS_VISIBLE, WS_EX_TOOLWINDOW,
                                     CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT);
    if (after_create)
      after_create(opened.wnd);
  });
  top_level_.push_back(opened.hwnd);
  opened.browser = cef::testing::WaitForBrowserOfParent(opened.hwnd);
  // The control adopts the browser through a posted message, which the main thread may not
  // have reached yet on a busy machine: Settle's task is sent, and a sent task runs first.
  win32::testing::WaitUntil([&] {
    bool held = false;
    WithBrowserControl(opened.hwnd, [&](CCefBrowserUI* control) {
      held = control != NULL && control->GetBrowser().get() != NULL;
    });
    return held;
  });
  Settle();
  return opened;
}

BrowserFixture::Opened BrowserFixture::OpenBrowserWindowOnUiThread(ICefBrowserHandler* events) {
  Opened opened;
  cef::testing::RunOnUiThread([&] {
    opened.wnd = new CBrowserWnd;
    opened.wnd->Setup(NULL, kStartUrl, events, false);
    opened.hwnd = opened.wnd->Create(NULL, L"Vantellis", WS_POPUP | WS_VISIBLE, WS_EX_TOOLWINDOW,
                                     CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT);
  });
  ui_thread_windows_.push_back(opened.hwnd);
  opened.browser = cef::testing::WaitForBrowserOfParent(opened.hwnd);
  Settle();
  return opened;
}

bool BrowserFixture::WithBrowserControl(HWND hwnd, const std::function<void(CCefBrowserUI*)>& fn) {
  return duilib::testing::WithPaintManager(hwnd, [&](DuiLib::CPaintManagerUI& manager) {
    fn(static_cast<CCefBrowserUI*>(manager.FindControl(L"cefbrowser")));
  });
}

HWND BrowserFixture::BrowserWindowOf(CefRefPtr<CefBrowser> browser) {
  return browser->GetHost()->GetWindowHandle();
}

void BrowserFixture::Settle() {
  cef::testing::WaitForUiIdle();
  main_.Run([] {});
  cef::testing::WaitForUiIdle();
}
