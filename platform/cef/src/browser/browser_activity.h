// What a client did to one browser, as the engine recorded it.
#pragma once

#include <vector>

#include "include/cef_process_message.h"

namespace cef_internal {

struct BrowserActivity {
  struct LoadedUrl {
    CefString frame;  // empty: the main frame
    CefString url;
  };
  struct LoadedString {
    CefString frame;
    CefString text;
    CefString url;
  };
  struct Script {
    CefString frame;
    CefString code;
    CefString url;
    int line;
  };

  int stop_load = 0;
  int go_back = 0;
  int go_forward = 0;
  int reload = 0;
  int reload_ignore_cache = 0;
  std::vector<LoadedUrl> load_urls;
  std::vector<LoadedString> load_strings;
  std::vector<Script> scripts;
  // Copies of what was sent to the renderer, in order.
  std::vector<CefRefPtr<CefProcessMessage>> renderer_messages;
  // The force flag of each CefBrowserHost::CloseBrowser call.
  std::vector<bool> close_requests;
  // Context-menu commands the client left to the engine.
  std::vector<int> engine_commands;
  bool closed = false;
};

}  // namespace cef_internal
