#include "src/webkit/gtk/external_protocol.h"

#include <algorithm>
#include <cctype>

#include "src/browser/page_events.h"
#include "win32/system_handler.h"

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
  // A refusal (too many asked for lately) is not the page's to hear about, as with any other.
  Win32OpenWithSystemHandler(url.c_str());
}

}  // namespace cef_internal
