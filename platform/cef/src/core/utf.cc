#include "src/core/utf.h"

namespace cef_internal {

namespace {

const char32_t kReplacement = 0xFFFD;

bool IsSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDFFF; }

void AppendUtf16(std::u16string& out, char32_t c) {
  if (c > 0x10FFFF || IsSurrogate(c))
    c = kReplacement;
  if (c >= 0x10000) {
    c -= 0x10000;
    out.push_back(static_cast<char16_t>(0xD800 + (c >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
  } else {
    out.push_back(static_cast<char16_t>(c));
  }
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (c >> 18)));
    out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

// Decodes one code point at |i|, advancing |i| past it (one byte on error).
char32_t DecodeUtf8(const unsigned char* s, size_t length, size_t& i) {
  const unsigned char lead = s[i++];
  if (lead < 0x80)
    return lead;
  int extra;
  char32_t c;
  char32_t minimum;
  if ((lead & 0xE0) == 0xC0) {
    extra = 1, c = lead & 0x1F, minimum = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    extra = 2, c = lead & 0x0F, minimum = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    extra = 3, c = lead & 0x07, minimum = 0x10000;
  } else {
    return kReplacement;
  }
  size_t j = i;
  for (int k = 0; k < extra; ++k, ++j) {
    if (j >= length || (s[j] & 0xC0) != 0x80)
      return kReplacement;
    c = (c << 6) | (s[j] & 0x3F);
  }
  if (c < minimum || c > 0x10FFFF || IsSurrogate(c))
    return kReplacement;
  i = j;
  return c;
}

// Decodes one code point of UTF-16 at |i|, advancing |i| past it.
char32_t DecodeUtf16(const char16_t* s, size_t length, size_t& i) {
  const char16_t unit = s[i++];
  if (unit >= 0xD800 && unit <= 0xDBFF && i < length && s[i] >= 0xDC00 && s[i] <= 0xDFFF)
    return 0x10000 + ((char32_t(unit) - 0xD800) << 10) + (s[i++] - 0xDC00);
  return IsSurrogate(unit) ? kReplacement : unit;
}

}  // namespace

std::u16string Utf8ToUtf16(const char* data, size_t length) {
  std::u16string out;
  out.reserve(length);
  const unsigned char* s = reinterpret_cast<const unsigned char*>(data);
  for (size_t i = 0; i < length;)
    AppendUtf16(out, DecodeUtf8(s, length, i));
  return out;
}

std::u16string WideToUtf16(const wchar_t* data, size_t length) {
  std::u16string out;
  out.reserve(length);
  for (size_t i = 0; i < length; ++i)
    AppendUtf16(out, static_cast<char32_t>(data[i]));
  return out;
}

std::string Utf16ToUtf8(const char16_t* data, size_t length) {
  std::string out;
  out.reserve(length);
  for (size_t i = 0; i < length;)
    AppendUtf8(out, DecodeUtf16(data, length, i));
  return out;
}

std::wstring Utf16ToWide(const char16_t* data, size_t length) {
  std::wstring out;
  out.reserve(length);
  for (size_t i = 0; i < length;)
    out.push_back(static_cast<wchar_t>(DecodeUtf16(data, length, i)));
  return out;
}

}  // namespace cef_internal
