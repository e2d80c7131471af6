// Keyboard events of a browser. Called on the UI thread.
#pragma once

#include "include/cef_base.h"
#include "include/cef_browser.h"

class CefKeyboardHandler : public virtual CefBase {
 public:
  // Before the page sees the event. Return true to consume it; set
  // |*is_keyboard_shortcut| to see it again in OnKeyEvent if the page ignores it.
  virtual bool OnPreKeyEvent(CefRefPtr<CefBrowser> browser, const CefKeyEvent& event, CefEventHandle os_event,
                             bool* is_keyboard_shortcut) {
    return false;
  }
  // After the page left the event unhandled. Return true when handled.
  virtual bool OnKeyEvent(CefRefPtr<CefBrowser> browser, const CefKeyEvent& event, CefEventHandle os_event) {
    return false;
  }
};
