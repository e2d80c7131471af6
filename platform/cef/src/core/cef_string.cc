#include "include/internal/cef_string.h"

#include <cstring>
#include <utility>

#include "src/core/utf.h"

namespace {

void FreeChars(char16* str) { delete[] str; }

cef_string_t* NewEmptyStruct() { return new cef_string_t{NULL, 0, NULL}; }

template <typename Char>
size_t LengthOf(const Char* s) {
  size_t n = 0;
  while (s[n])
    ++n;
  return n;
}

}  // namespace

void cef_string_clear(cef_string_t* str) {
  if (!str)
    return;
  if (str->dtor && str->str)
    str->dtor(str->str);
  str->str = NULL;
  str->length = 0;
  str->dtor = NULL;
}

int cef_string_set(const char16* src, size_t src_len, cef_string_t* output, int copy) {
  if (!output)
    return 0;
  if (output->str == src && output->length == src_len && src)
    return 1;
  if (!copy) {
    cef_string_clear(output);
    output->str = const_cast<char16*>(src);
    output->length = src_len;
    return 1;
  }
  char16* chars = NULL;
  if (src && src_len) {
    chars = new char16[src_len + 1];
    std::memcpy(chars, src, src_len * sizeof(char16));
    chars[src_len] = 0;
  }
  cef_string_clear(output);
  output->str = chars;
  output->length = chars ? src_len : 0;
  output->dtor = chars ? FreeChars : NULL;
  return 1;
}

int cef_string_utf8_to_utf16(const char* src, size_t src_len, cef_string_t* output) {
  const std::u16string converted = cef_internal::Utf8ToUtf16(src, src ? src_len : 0);
  return cef_string_set(converted.data(), converted.size(), output, true);
}

int cef_string_wide_to_utf16(const wchar_t* src, size_t src_len, cef_string_t* output) {
  const std::u16string converted = cef_internal::WideToUtf16(src, src ? src_len : 0);
  return cef_string_set(converted.data(), converted.size(), output, true);
}

int cef_string_utf16_cmp(const cef_string_t* a, const cef_string_t* b) {
  const size_t la = a ? a->length : 0;
  const size_t lb = b ? b->length : 0;
  const size_t n = la < lb ? la : lb;
  for (size_t i = 0; i < n; ++i) {
    if (a->str[i] != b->str[i])
      return a->str[i] < b->str[i] ? -1 : 1;
  }
  return la == lb ? 0 : (la < lb ? -1 : 1);
}

CefString::CefString(const CefString& str) : CefString() {
  FromString(str.c_str(), str.length(), true);
}

CefString::CefString(CefString&& str) noexcept : string_(str.string_), owner_(str.owner_) {
  str.string_ = NULL;
  str.owner_ = false;
}

CefString::CefString(const std::string& src) : CefString() { FromString(src); }
CefString::CefString(const char* src) : CefString() { FromString(src, src ? std::strlen(src) : 0); }
CefString::CefString(const std::wstring& src) : CefString() { FromWString(src); }
CefString::CefString(const wchar_t* src) : CefString() {
  if (src)
    FromWString(src);
}
CefString::CefString(const std::u16string& src) : CefString() { FromString16(src); }
CefString::CefString(const char16* src) : CefString() {
  if (src)
    FromString(src, LengthOf(src), true);
}
CefString::CefString(const char16* src, size_t length, bool copy) : CefString() {
  FromString(src, length, copy);
}
CefString::CefString(const cef_string_t* str) : string_(const_cast<cef_string_t*>(str)), owner_(false) {}

CefString::~CefString() {
  // An attached structure keeps its characters; only an owned one is freed.
  if (owner_) {
    cef_string_clear(string_);
    delete string_;
  }
}

CefString& CefString::operator=(const CefString& str) {
  if (this != &str)
    FromString(str.c_str(), str.length(), true);
  return *this;
}

CefString& CefString::operator=(CefString&& str) noexcept {
  if (this == &str)
    return *this;
  if ((!owner_ && string_) || !str.owner_) {
    // Attached strings copy: the characters live in someone's structure.
    FromString(str.c_str(), str.length(), true);
    return *this;
  }
  Attach(str.string_, str.owner_);
  str.string_ = NULL;
  str.owner_ = false;
  return *this;
}

CefString& CefString::operator=(const char* str) {
  FromString(str, str ? std::strlen(str) : 0);
  return *this;
}

CefString& CefString::operator=(const wchar_t* str) {
  FromWString(str ? std::wstring(str) : std::wstring());
  return *this;
}

CefString& CefString::operator=(const char16* str) {
  FromString(str, str ? LengthOf(str) : 0, true);
  return *this;
}

const char16* CefString::c_str() const {
  static const char16 kEmpty[1] = {0};
  return (string_ && string_->str) ? string_->str : kEmpty;
}

int CefString::compare(const CefString& str) const { return cef_string_utf16_cmp(string_, str.string_); }

void CefString::clear() { cef_string_clear(string_); }

void CefString::swap(CefString& str) {
  std::swap(string_, str.string_);
  std::swap(owner_, str.owner_);
}

cef_string_t* CefString::GetWritableStruct() { return Writable(); }

void CefString::Attach(cef_string_t* str, bool owner) {
  if (owner_) {
    cef_string_clear(string_);
    delete string_;
  }
  string_ = str;
  owner_ = owner;
}

void CefString::Detach(cef_string_t* str) {
  if (!str)
    return;
  *str = string_ ? *string_ : cef_string_t{NULL, 0, NULL};
  if (owner_)
    delete string_;
  string_ = NULL;
  owner_ = false;
}

std::string CefString::ToString() const { return cef_internal::Utf16ToUtf8(c_str(), length()); }
std::wstring CefString::ToWString() const { return cef_internal::Utf16ToWide(c_str(), length()); }
std::u16string CefString::ToString16() const { return std::u16string(c_str(), length()); }

bool CefString::FromString(const std::string& str) { return FromString(str.data(), str.size()); }

bool CefString::FromString(const char* data, size_t length) {
  return cef_string_utf8_to_utf16(data, length, Writable()) != 0;
}

bool CefString::FromWString(const std::wstring& str) {
  return cef_string_wide_to_utf16(str.data(), str.size(), Writable()) != 0;
}

bool CefString::FromString16(const std::u16string& str) { return FromString(str.data(), str.size(), true); }

bool CefString::FromString(const char16* data, size_t length, bool copy) {
  if (!data)
    length = 0;
  return cef_string_set(data, length, Writable(), copy) != 0;
}

cef_string_t* CefString::Writable() {
  if (!string_) {
    string_ = NewEmptyStruct();
    owner_ = true;
  }
  return string_;
}
