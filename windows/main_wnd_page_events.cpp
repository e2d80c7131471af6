// The game page's events: popups, title, "app:" commands and bridge messages.
#include "main_wnd.h"

#include "app/app_config.h"
#include "products/product.h"

#include "app_command.h"
#include "shell_link.h"

using namespace DuiLib;

namespace {

// Addresses containing this belong to the game site.
const wchar_t GAME_SITE_DOMAIN[] = L".vantellis.example";

}  // namespace

// No popup window is ever made: the address goes to the default web browser,
// or, for the game site, the override link when one is configured.
bool CMainWnd::OnBeforePopup(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                             const CefString& target_url, const CefString& target_frame_name,
                             CefLifeSpanHandler::WindowOpenDisposition target_disposition,
                             bool user_gesture, const CefPopupFeatures& popupFeatures,
                             CefWindowInfo& windowInfo, CefRefPtr<CefClient>& client,
                             CefBrowserSettings& settings, bool* no_javascript_access) {
  const std::wstring url = target_url.ToWString();
  const CDuiString overrideLink = AppConfig::GetInstance()->GetOverrideLink();
  if (url.find(GAME_SITE_DOMAIN) != std::wstring::npos && !overrideLink.IsEmpty()) {
    OpenWebAddress(overrideLink.GetData());
  } else {
    OpenWebAddress(url);
  }
  return true;
}

void CMainWnd::OnAddressChange(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                               const CefString& url) {}

void CMainWnd::OnTitleChange(CefRefPtr<CefBrowser> browser, const CefString& title) {
  CControlUI* label = m_PaintManager.FindControl(_T("title"));
  if (!label) return;
  const std::wstring text = title.ToWString();
  m_sTitle = text.empty() ? kProductName : text.c_str();
  label->SetText(m_sTitle);
}

// Only a plain link click (transition 0, no qualifier) can carry a page
// command; reloads, redirects, forms and history moves never do.
void CMainWnd::OnLoadStart(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                           CefLoadHandler::TransitionType transition_type) {
  if (transition_type != 0) return;
  AppCommand command;
  if (!ParseAppCommand(frame->GetURL().ToWString(), &command)) return;
  DispatchAppCommand(command.name, command.arguments);
  browser->StopLoad();
}

void CMainWnd::OnLoadEnd(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                         int httpStatusCode) {}

void CMainWnd::DispatchAppCommand(std::wstring command, std::vector<std::wstring> arguments) {}

// ("PayUrl", address) replaces the pay link for the rest of the process; every
// "jsCallMsg" with a request is answered as handled.
bool CMainWnd::OnProcessMessageReceived(CefRefPtr<CefBrowser> browser,
                                        CefProcessId source_process,
                                        CefRefPtr<CefProcessMessage> message) {
  if (!(message->GetName() == "jsCallMsg")) return false;
  CefRefPtr<CefListValue> arguments = message->GetArgumentList();
  const size_t count = arguments->GetSize();
  if (count == 0) return false;
  if (arguments->GetString(0) == "PayUrl" && count == 2) {
    AppConfig::GetInstance()->SetPayLink(arguments->GetString(1).ToWString().c_str());
  }
  return true;
}
