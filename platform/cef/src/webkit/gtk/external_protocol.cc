#include "src/webkit/gtk/external_protocol.h"

#include <gio/gio.h>

#include <algorithm>
#include <cctype>

#include "src/browser/page_events.h"

namespace cef_internal {

bool IsLoadableScheme(const std::string& url) {
  const size_t colon = url.find(':');
  if (colon == std::string::npos)
    return false;
  std::string scheme = url.substr(0, colon);
  std::transform(scheme.begin(), scheme.end(), scheme.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  static const char* const kLoadable[] = {"http", "https", "file", "about", "data", "blob"};
  return std::any_of(std::begin(kLoadable), std::end(kLoadable),
                     [&scheme](const char* loadable) { return scheme == loadable; });
}

void HandToSystem(CefRefPtr<Browser> browser, const std::string& url) {
  if (!AskProtocolExecution(browser, url, false))
    return;
  g_app_info_launch_default_for_uri_async(url.c_str(), nullptr, nullptr, nullptr, nullptr);
}

}  // namespace cef_internal
