#include "cef/testing/browsers.h"

#include "src/browser/browser_registry.h"

namespace cef::testing {

using cef_internal::Browser;
using cef_internal::BrowserRegistry;

namespace {

Browser* EngineBrowser(CefRefPtr<CefBrowser> browser) { return dynamic_cast<Browser*>(browser.get()); }

CefRefPtr<CefBrowser> WaitFor(const std::function<bool(Browser&)>& match) {
  CefRefPtr<Browser> found;
  BrowserRegistry::Get().WaitUntil(
      [&](const std::vector<CefRefPtr<Browser>>& browsers) {
        for (const CefRefPtr<Browser>& browser : browsers) {
          if (match(*browser)) {
            found = browser;
            return true;
          }
        }
        return false;
      },
      kWaitMs);
  if (!found)
    return NULL;
  WaitForUiIdle();
  return found.get();
}

}  // namespace

std::vector<CefRefPtr<CefBrowser>> Browsers() {
  std::vector<CefRefPtr<CefBrowser>> browsers;
  for (const CefRefPtr<Browser>& browser : BrowserRegistry::Get().All())
    browsers.push_back(browser.get());
  return browsers;
}

CefRefPtr<CefBrowser> WaitForBrowser() {
  return WaitFor([](Browser&) { return true; });
}

CefRefPtr<CefBrowser> WaitForBrowserOfParent(HWND parent) {
  return WaitFor([parent](Browser& browser) { return browser.window_info().parent_window == parent; });
}

CefRefPtr<CefBrowser> WaitForBrowserWithUrl(const CefString& url) {
  return WaitFor([url](Browser& browser) {
    CefRefPtr<cef_internal::Frame> frame = browser.MainFrame();
    return browser.requested_url() == url || (frame && frame->GetURL() == url);
  });
}

bool WaitForBrowserClosed(CefRefPtr<CefBrowser> browser) {
  Browser* target = EngineBrowser(browser);
  if (!target)
    return false;
  return BrowserRegistry::Get().WaitUntil(
      [target](const std::vector<CefRefPtr<Browser>>& browsers) {
        for (const CefRefPtr<Browser>& each : browsers) {
          if (each.get() == target)
            return false;
        }
        return true;
      },
      kWaitMs);
}

BrowserActivity ActivityOf(CefRefPtr<CefBrowser> browser) {
  Browser* target = EngineBrowser(browser);
  return target ? target->Activity() : BrowserActivity();
}

CefString RequestedUrl(CefRefPtr<CefBrowser> browser) {
  Browser* target = EngineBrowser(browser);
  return target ? target->requested_url() : CefString();
}

std::vector<CefString> FrameHistory(CefRefPtr<CefBrowser> browser, const CefString& frame_name) {
  Browser* target = EngineBrowser(browser);
  CefRefPtr<CefFrame> frame = target ? target->GetFrame(frame_name) : NULL;
  auto* engine_frame = dynamic_cast<cef_internal::Frame*>(frame.get());
  return engine_frame ? engine_frame->History() : std::vector<CefString>();
}

std::vector<CefString> HistoryEntries(CefRefPtr<CefBrowser> browser, int* current) {
  Browser* target = EngineBrowser(browser);
  Browser::History history = target ? target->GetHistory() : Browser::History();
  if (current)
    *current = history.current;
  return history.entries;
}

}  // namespace cef::testing
