#include "src/webkit/gtk/context_menu.h"

#include "include/wrapper/cef_closure_task.h"
#include "src/browser/page_events.h"

namespace cef_internal {

namespace {

struct Choice {
  CefRefPtr<Browser> browser;
  int command_id;
};

// What the engine does with a command the client left to it.
void CarryOut(CefRefPtr<Browser> browser, int command_id) {
  switch (command_id) {
    case MENU_ID_BACK: browser->GoBack(); break;
    case MENU_ID_FORWARD: browser->GoForward(); break;
    case MENU_ID_RELOAD: browser->Reload(); break;
    case MENU_ID_RELOAD_NOCACHE: browser->ReloadIgnoreCache(); break;
    case MENU_ID_STOPLOAD: browser->StopLoad(); break;
    default: break;
  }
}

void Chosen(GSimpleAction* action, GVariant* parameter, Choice* choice) {
  bool handled = false;
  if (PickContextMenuCommand(choice->browser, choice->command_id, EVENTFLAG_NONE, &handled) && !handled)
    CarryOut(choice->browser, choice->command_id);
}

void FreeChoice(gpointer data, GClosure*) { delete static_cast<Choice*>(data); }

ContextMenuParams::Values ParamsOf(CefRefPtr<Browser> browser, GdkEvent* event, WebKitHitTestResult* hit) {
  ContextMenuParams::Values values;
  gdouble x = 0, y = 0;
  if (event && gdk_event_get_coords(event, &x, &y)) {
    values.x = static_cast<int>(x);
    values.y = static_cast<int>(y);
  }
  if (CefRefPtr<Frame> frame = browser->MainFrame())
    values.page_url = values.frame_url = frame->GetURL();
  if (webkit_hit_test_result_context_is_link(hit)) {
    values.type_flags |= CM_TYPEFLAG_LINK;
    values.link_url = webkit_hit_test_result_get_link_uri(hit);
  }
  if (webkit_hit_test_result_context_is_image(hit)) {
    values.type_flags |= CM_TYPEFLAG_MEDIA;
    values.source_url = webkit_hit_test_result_get_image_uri(hit);
  }
  if (webkit_hit_test_result_context_is_selection(hit))
    values.type_flags |= CM_TYPEFLAG_SELECTION;
  if (webkit_hit_test_result_context_is_editable(hit)) {
    values.type_flags |= CM_TYPEFLAG_EDITABLE;
    values.editable = true;
  }
  return values;
}

WebKitContextMenuItem* ItemFor(CefRefPtr<Browser> browser, const MenuModel::Item& item) {
  const std::string name = "cef-command-" + std::to_string(item.command_id);
  GSimpleAction* action = g_simple_action_new(name.c_str(), nullptr);
  g_simple_action_set_enabled(action, item.enabled);
  g_signal_connect_data(action, "activate", G_CALLBACK(&Chosen), new Choice{browser, item.command_id},
                        &FreeChoice, GConnectFlags(0));
  WebKitContextMenuItem* menu_item =
      webkit_context_menu_item_new_from_gaction(G_ACTION(action), MenuLabel(item.label.ToString()).c_str(), nullptr);
  g_object_unref(action);  // the menu item holds it
  return menu_item;
}

}  // namespace

std::string MenuLabel(const std::string& label) {
  std::string text;
  for (size_t i = 0; i < label.size(); ++i) {
    const char c = label[i];
    if (c == '&' && i + 1 < label.size() && label[i + 1] == '&') {
      text += '&';
      ++i;
    } else if (c == '&') {
      text += '_';
    } else if (c == '_') {
      text += "__";
    } else {
      text += c;
    }
  }
  return text;
}

bool PrepareContextMenu(CefRefPtr<Browser> browser, WebKitWebView* view, WebKitContextMenu* menu, GdkEvent* event,
                        WebKitHitTestResult* hit) {
  const ContextMenuOutcome outcome = OpenContextMenu(browser, true, ParamsOf(browser, event, hit));
  if (!outcome.shown)
    return false;
  webkit_context_menu_remove_all(menu);
  for (const MenuModel::Item& item : outcome.items) {
    if (!item.visible || item.type == MENUITEMTYPE_SUBMENU)
      continue;
    if (item.type == MENUITEMTYPE_SEPARATOR)
      webkit_context_menu_append(menu, webkit_context_menu_item_new_separator());
    else
      webkit_context_menu_append(menu, ItemFor(browser, item));
  }
  return webkit_context_menu_get_n_items(menu) > 0;
}

// GTK closes a menu before it activates the chosen item, so the client
// hears of the dismissal once the choice, if any, has been made.
void ContextMenuDismissed(CefRefPtr<Browser> browser) {
  CefPostTask(TID_UI, base::Closure(std::function<void()>([browser] { DismissContextMenu(browser); })));
}

}  // namespace cef_internal
