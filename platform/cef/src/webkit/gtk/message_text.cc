#include "src/webkit/gtk/message_text.h"

#include <glib.h>

#include <cstring>

namespace cef_internal {

namespace {

void FreeUnits(char16* units) { delete[] units; }

bool IsLead(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsTrail(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

}  // namespace

CefString Utf16OfUtf8(const char* text, size_t length) {
  CefString result;
  length = text ? strnlen(text, length) : 0;
  if (length == 0)
    return result;
  if (!g_utf8_validate_len(text, length, nullptr)) {
    result.FromString(text, length);
    return result;
  }
  auto* units = new char16[length + 1];
  const size_t count = WellFormedUtf8ToUtf16(text, length, units);
  units[count] = 0;
  result.Attach(new cef_string_t{units, count, &FreeUnits}, true);
  return result;
}

size_t WellFormedUtf8ToUtf16(const char* text, size_t length, char16_t* units) {
  size_t count = 0;
  for (const char* at = text; at < text + length; at = g_utf8_next_char(at)) {
    if (static_cast<unsigned char>(*at) < 0x80) {
      units[count++] = static_cast<char16_t>(*at);
      continue;
    }
    const gunichar c = g_utf8_get_char(at);
    if (c < 0x10000) {
      units[count++] = static_cast<char16_t>(c);
    } else {
      units[count++] = static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
      units[count++] = static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
    }
  }
  return count;
}

void AppendUtf8(const CefString& text, std::string* out) {
  const char16_t* units = text.c_str();
  const size_t length = text.length();
  for (size_t i = 0; i < length && units[i]; ++i) {
    if (units[i] < 0x80) {
      out->push_back(static_cast<char>(units[i]));
      continue;
    }
    gunichar c = units[i];
    if (IsLead(units[i]) && i + 1 < length && IsTrail(units[i + 1]))
      c = 0x10000 + ((c - 0xD800) << 10) + (units[++i] - 0xDC00);
    else if (IsLead(units[i]) || IsTrail(units[i]))
      c = 0xFFFD;
    char bytes[6];
    out->append(bytes, static_cast<size_t>(g_unichar_to_utf8(c, bytes)));
  }
}

}  // namespace cef_internal
