// Addresses WebKit cannot load, handed to the system when the client allows it.
#pragma once

#include <string>

#include "src/browser/browser.h"

namespace cef_internal {

// http, https, file, about, data and blob addresses; the scheme's case does not matter.
bool IsLoadableScheme(const std::string& url);

// UI thread. OnProtocolExecution; when the client allows it, the system's
// handler for the scheme opens |url| off this thread, unless too many
// addresses were handed to the system lately.
void HandToSystem(CefRefPtr<Browser> browser, const std::string& url);

}  // namespace cef_internal
