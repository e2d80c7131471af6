#include <map>

#include "src/browser/client_handlers.h"
#include "src/browser/page_events.h"

namespace cef_internal {

namespace {

struct OpenMenu {
  CefRefPtr<MenuModel> model;
  CefRefPtr<ContextMenuParams> params;
};

// Keyed by browser identifier. UI thread only.
std::map<int, OpenMenu>& OpenMenus() {
  static auto* menus = new std::map<int, OpenMenu>;
  return *menus;
}

CefRefPtr<MenuModel> DefaultModel(bool with_print_and_source) {
  CefRefPtr<MenuModel> model = new MenuModel();
  model->AddItem(MENU_ID_BACK, "&Back");
  model->AddItem(MENU_ID_FORWARD, "&Forward");
  if (with_print_and_source) {
    model->AddSeparator();
    model->AddItem(MENU_ID_PRINT, "&Print...");
    model->AddItem(MENU_ID_VIEW_SOURCE, "View s&ource");
  }
  model->SetEnabled(MENU_ID_BACK, false);
  model->SetEnabled(MENU_ID_FORWARD, false);
  return model;
}

class RunContextMenuCallback : public CefRunContextMenuCallback {
 public:
  void Continue(int command_id, cef_event_flags_t event_flags) override {}
  void Cancel() override {}

 private:
  IMPLEMENT_REFCOUNTING(RunContextMenuCallback);
};

}  // namespace

ContextMenuOutcome OpenContextMenu(CefRefPtr<Browser> browser, bool with_print_and_source,
                                   const ContextMenuParams::Values& params) {
  ContextMenuOutcome outcome;
  CefRefPtr<MenuModel> model = DefaultModel(with_print_and_source);
  model->SetEnabled(MENU_ID_BACK, browser->CanGoBack());
  model->SetEnabled(MENU_ID_FORWARD, browser->CanGoForward());
  CefRefPtr<ContextMenuParams> menu_params = new ContextMenuParams(params);
  CefRefPtr<CefFrame> frame = browser->MainFrame().get();
  bool run_by_client = false;
  if (CefRefPtr<CefContextMenuHandler> handler = HandlerOf(browser, &CefClient::GetContextMenuHandler)) {
    outcome.asked = true;
    handler->OnBeforeContextMenu(browser.get(), frame, menu_params.get(), model.get());
    if (model->GetCount() > 0)
      run_by_client = handler->RunContextMenu(browser.get(), frame, menu_params.get(), model.get(),
                                              new RunContextMenuCallback());
  }
  outcome.items = model->items();
  outcome.shown = model->GetCount() > 0 && !run_by_client;
  if (outcome.shown)
    OpenMenus()[browser->GetIdentifier()] = OpenMenu{model, menu_params};
  return outcome;
}

bool PickContextMenuCommand(CefRefPtr<Browser> browser, int command_id, int event_flags, bool* handled) {
  auto found = OpenMenus().find(browser->GetIdentifier());
  if (found == OpenMenus().end())
    return false;
  const OpenMenu menu = found->second;
  OpenMenus().erase(found);
  CefRefPtr<CefFrame> frame = browser->MainFrame().get();
  CefRefPtr<CefContextMenuHandler> handler = HandlerOf(browser, &CefClient::GetContextMenuHandler);
  bool taken = false;
  if (handler)
    taken = handler->OnContextMenuCommand(browser.get(), frame, menu.params.get(), command_id,
                                          static_cast<cef_event_flags_t>(event_flags));
  if (!taken)
    browser->RecordEngineCommand(command_id);
  if (handler)
    handler->OnContextMenuDismissed(browser.get(), frame);
  if (handled)
    *handled = taken;
  return true;
}

bool DismissContextMenu(CefRefPtr<Browser> browser) {
  auto found = OpenMenus().find(browser->GetIdentifier());
  if (found == OpenMenus().end())
    return false;
  OpenMenus().erase(found);
  if (CefRefPtr<CefContextMenuHandler> handler = HandlerOf(browser, &CefClient::GetContextMenuHandler))
    handler->OnContextMenuDismissed(browser.get(), browser->MainFrame().get());
  return true;
}

}  // namespace cef_internal
