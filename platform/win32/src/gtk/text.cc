#include "gtk/text.h"

#include <glib.h>

#include "gtk/gobject_ptr.h"

namespace win32::internal::gtk {

// Invalid code points give an empty text rather than a partial one.
std::string Utf8(const std::wstring& text) {
  static_assert(sizeof(wchar_t) == sizeof(gunichar), "wide text is UTF-32");
  GCharPtr utf8(g_ucs4_to_utf8(reinterpret_cast<const gunichar*>(text.data()),
                               static_cast<glong>(text.size()), nullptr, nullptr, nullptr));
  return utf8 ? std::string(utf8.get()) : std::string();
}

std::wstring Wide(const char* utf8) {
  if (!utf8) return std::wstring();
  glong count = 0;
  gunichar* wide = g_utf8_to_ucs4(utf8, -1, nullptr, &count, nullptr);
  if (!wide) return std::wstring();
  std::wstring text(reinterpret_cast<const wchar_t*>(wide), static_cast<size_t>(count));
  g_free(wide);
  return text;
}

}  // namespace win32::internal::gtk
