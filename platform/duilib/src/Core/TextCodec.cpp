#include "Core/TextCodec.h"

#include <cstdint>

namespace DuiLib {

std::string Utf8FromWide(const wchar_t* text) {
  std::string out;
  if (text == nullptr) return out;
  for (; *text != L'\0'; ++text) {
    uint32_t cp = static_cast<uint32_t>(*text);
    if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = 0xFFFD;
    if (cp < 0x80) {
      out += static_cast<char>(cp);
    } else if (cp < 0x800) {
      out += static_cast<char>(0xC0 | (cp >> 6));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
      out += static_cast<char>(0xE0 | (cp >> 12));
      out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (cp >> 18));
      out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    }
  }
  return out;
}

std::wstring WideFromUtf8(const char* text, size_t length) {
  std::wstring out;
  const auto* p = reinterpret_cast<const unsigned char*>(text);
  const unsigned char* end = p + length;
  while (p < end) {
    unsigned char lead = *p++;
    if (lead < 0x80) {
      out += static_cast<wchar_t>(lead);
      continue;
    }
    int extra = lead >= 0xF0 && lead < 0xF5 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC2 ? 1 : -1;
    if (lead >= 0xF5) extra = -1;
    if (extra < 0 || end - p < extra) {
      out += L'\xFFFD';
      continue;
    }
    uint32_t cp = lead & (0x3F >> extra);
    bool valid = true;
    for (int i = 0; i < extra; ++i) {
      if ((p[i] & 0xC0) != 0x80) {
        valid = false;
        break;
      }
      cp = (cp << 6) | (p[i] & 0x3F);
    }
    static const uint32_t kMinimum[] = {0, 0x80, 0x800, 0x10000};
    if (!valid || cp < kMinimum[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
      out += L'\xFFFD';
      continue;
    }
    p += extra;
    out += static_cast<wchar_t>(cp);
  }
  return out;
}

std::wstring WideFromUtf8(const std::string& text) { return WideFromUtf8(text.data(), text.size()); }

}  // namespace DuiLib
