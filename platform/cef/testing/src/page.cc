#include "cef/testing/page.h"

#include "src/browser/navigation.h"
#include "src/browser/renderer_channel.h"

namespace cef::testing {

using cef_internal::Browser;

namespace {

CefRefPtr<Browser> EngineBrowser(CefRefPtr<CefBrowser> browser) { return dynamic_cast<Browser*>(browser.get()); }

// Runs |action| with the engine's browser on the UI thread; false when
// |browser| is not the engine's or the engine is not running.
bool OnUi(CefRefPtr<CefBrowser> browser, const std::function<void(CefRefPtr<Browser>)>& action) {
  CefRefPtr<Browser> target = EngineBrowser(browser);
  return target && RunOnUiThread([&] { action(target); });
}

}  // namespace

bool LoadPage(CefRefPtr<CefBrowser> browser, const PageLoad& load) {
  bool completed = false;
  OnUi(browser, [&](CefRefPtr<Browser> target) {
    cef_internal::Load engine_load;
    engine_load.url = load.url;
    engine_load.transition = load.transition;
    engine_load.http_status = load.http_status;
    completed = cef_internal::RunLoad(target, target->FrameNamed(load.frame_name), engine_load);
  });
  return completed;
}

void FailLoad(CefRefPtr<CefBrowser> browser, const CefString& url, cef_errorcode_t error,
              const CefString& error_text, const CefString& frame_name) {
  OnUi(browser, [&](CefRefPtr<Browser> target) {
    cef_internal::FailLoad(target, target->FrameNamed(frame_name), url, error, error_text);
  });
}

void ChangeTitle(CefRefPtr<CefBrowser> browser, const CefString& title) {
  OnUi(browser, [&](CefRefPtr<Browser> target) { cef_internal::ChangeTitle(target, title); });
}

void ChangeAddress(CefRefPtr<CefBrowser> browser, const CefString& url, const CefString& frame_name) {
  OnUi(browser, [&](CefRefPtr<Browser> target) {
    cef_internal::ChangeAddress(target, target->FrameNamed(frame_name), url);
  });
}

PopupOutcome RequestPopup(CefRefPtr<CefBrowser> browser, const PopupRequest& request) {
  PopupOutcome outcome;
  OnUi(browser, [&](CefRefPtr<Browser> target) { outcome = cef_internal::AskPopup(target, request); });
  return outcome;
}

ContextMenuOutcome OpenContextMenu(CefRefPtr<CefBrowser> browser, bool with_print_and_source,
                                   const ContextMenuParams& params) {
  ContextMenuOutcome outcome;
  OnUi(browser, [&](CefRefPtr<Browser> target) {
    outcome = cef_internal::OpenContextMenu(target, with_print_and_source, params);
  });
  return outcome;
}

std::optional<bool> PickContextMenuCommand(CefRefPtr<CefBrowser> browser, int command_id, int event_flags) {
  std::optional<bool> answer;
  OnUi(browser, [&](CefRefPtr<Browser> target) {
    bool handled = false;
    if (cef_internal::PickContextMenuCommand(target, command_id, event_flags, &handled))
      answer = handled;
  });
  return answer;
}

bool DismissContextMenu(CefRefPtr<CefBrowser> browser) {
  bool dismissed = false;
  OnUi(browser, [&](CefRefPtr<Browser> target) { dismissed = cef_internal::DismissContextMenu(target); });
  return dismissed;
}

uint32 StartDownload(CefRefPtr<CefBrowser> browser, const DownloadStart& start) {
  uint32 id = 0;
  OnUi(browser, [&](CefRefPtr<Browser> target) { id = cef_internal::StartDownload(target, start); });
  return id;
}

std::optional<DownloadAnswer> DownloadContinued(uint32 id) {
  std::optional<DownloadAnswer> answer;
  RunOnUiThread([&] { answer = cef_internal::DownloadAnswer(id); });
  return answer;
}

std::optional<bool> UpdateDownload(uint32 id, const DownloadProgress& progress) {
  std::optional<bool> canceled;
  RunOnUiThread([&] {
    bool by_client = false;
    if (cef_internal::UpdateDownload(id, progress, &by_client))
      canceled = by_client;
  });
  return canceled;
}

bool AskProtocolExecution(CefRefPtr<CefBrowser> browser, const CefString& url, bool allow) {
  OnUi(browser, [&](CefRefPtr<Browser> target) { allow = cef_internal::AskProtocolExecution(target, url, allow); });
  return allow;
}

void EndRenderer(CefRefPtr<CefBrowser> browser, cef_termination_status_t status) {
  OnUi(browser, [&](CefRefPtr<Browser> target) { cef_internal::TerminateRenderer(target, status); });
}

bool SendToBrowser(CefRefPtr<CefBrowser> browser, CefRefPtr<CefProcessMessage> message) {
  bool handled = false;
  OnUi(browser, [&](CefRefPtr<Browser> target) {
    handled = cef_internal::DeliverToBrowser(target->GetIdentifier(), message);
  });
  return handled;
}

}  // namespace cef::testing
