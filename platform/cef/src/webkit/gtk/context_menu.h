// The page's context menu: the engine's default model (with Print and View
// Source), shaped by the client, shown as WebKit's menu. UI thread.
#pragma once

#include <webkit2/webkit2.h>

#include <string>

#include "src/browser/browser.h"

namespace cef_internal {

// Replaces the items of |menu| with the client's model. False when nothing
// is left to show or the client ran the menu itself.
bool PrepareContextMenu(CefRefPtr<Browser> browser, WebKitWebView* view, WebKitContextMenu* menu, GdkEvent* event,
                        WebKitHitTestResult* hit);
// The menu closed; an item chosen from it is handled first.
void ContextMenuDismissed(CefRefPtr<Browser> browser);

// "&Reload" as GTK writes mnemonics ("_Reload"); "&&" is a plain "&".
std::string MenuLabel(const std::string& label);

}  // namespace cef_internal
