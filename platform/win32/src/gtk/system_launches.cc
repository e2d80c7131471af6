#include "gtk/system_launches.h"

#include <gio/gio.h>

#include <cstring>

#include "gtk/gobject_ptr.h"
#include "win32/system_handler.h"

namespace win32::internal::gtk {

namespace {

constexpr size_t kLongestUri = 8192;

// Worker thread. Finding the handler reads the desktop's application files and starting it may
// wait on the session bus; neither may hold up the GUI thread.
void LaunchDefaultHandler(const std::string& uri) {
  GError* raw = nullptr;
  g_app_info_launch_default_for_uri(uri.c_str(), nullptr, &raw);
  ErrorPtr error(raw);
}

bool IsPlainUri(const char* uri) {
  const size_t length = strnlen(uri, kLongestUri + 1);
  if (length == 0 || length > kLongestUri) return false;
  for (size_t i = 0; i < length; ++i)
    if (static_cast<unsigned char>(uri[i]) <= 0x20 || uri[i] == 0x7F) return false;
  return true;
}

}  // namespace

LaunchQueue& SystemLaunches() {
  // Never destroyed: its worker may be inside a handler that never returns when the process exits.
  static LaunchQueue* const launches = new LaunchQueue(LaunchDefaultHandler);
  return *launches;
}

}  // namespace win32::internal::gtk

bool Win32OpenWithSystemHandler(const char* uri) {
  namespace gtk = win32::internal::gtk;
  return uri && gtk::IsPlainUri(uri) && gtk::SystemLaunches().Submit(uri);
}
