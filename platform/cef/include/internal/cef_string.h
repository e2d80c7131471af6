// CefString: the engine's UTF-16 string. It either owns its characters or
// is attached to a cef_string_t that lives inside an engine structure
// (CefString(&settings.cache_path) = ... writes into the structure).
#pragma once

#include <cstddef>
#include <string>

typedef char16_t char16;

typedef struct _cef_string_utf16_t {
  char16* str;
  size_t length;
  void (*dtor)(char16* str);
} cef_string_utf16_t;

typedef cef_string_utf16_t cef_string_t;
typedef cef_string_t* cef_string_userfree_t;

// Frees the characters of |str| (if it owns them) and empties it.
void cef_string_clear(cef_string_t* str);
// Replaces |output| with a copy of |src| (copy != 0) or with a reference to it.
int cef_string_set(const char16* src, size_t src_len, cef_string_t* output, int copy);
// Conversions; invalid UTF-8 and lone surrogates become U+FFFD.
int cef_string_utf8_to_utf16(const char* src, size_t src_len, cef_string_t* output);
int cef_string_wide_to_utf16(const wchar_t* src, size_t src_len, cef_string_t* output);
int cef_string_utf16_cmp(const cef_string_t* a, const cef_string_t* b);

class CefString {
 public:
  CefString() : string_(NULL), owner_(false) {}
  CefString(const CefString& str);
  CefString(CefString&& str) noexcept;
  CefString(const std::string& src);
  CefString(const char* src);
  CefString(const std::wstring& src);
  CefString(const wchar_t* src);
  CefString(const std::u16string& src);
  CefString(const char16* src);
  CefString(const char16* src, size_t length, bool copy);
  // Attaches to an engine structure's string; writes go into it.
  explicit CefString(const cef_string_t* str);
  ~CefString();

  CefString& operator=(const CefString& str);
  CefString& operator=(CefString&& str) noexcept;
  CefString& operator=(const std::string& str) { FromString(str); return *this; }
  CefString& operator=(const char* str);
  CefString& operator=(const std::wstring& str) { FromWString(str); return *this; }
  CefString& operator=(const wchar_t* str);
  CefString& operator=(const std::u16string& str) { FromString16(str); return *this; }
  CefString& operator=(const char16* str);

  const char16* c_str() const;
  size_t length() const { return string_ ? string_->length : 0; }
  size_t size() const { return length(); }
  bool empty() const { return length() == 0; }
  int compare(const CefString& str) const;
  void clear();
  void swap(CefString& str);

  bool IsOwner() const { return owner_; }
  const cef_string_t* GetStruct() const { return string_; }
  cef_string_t* GetWritableStruct();
  // Attaches to |str|; when |owner| is true the characters are freed with it.
  void Attach(cef_string_t* str, bool owner);
  // Gives the struct's characters to |str| and detaches.
  void Detach(cef_string_t* str);

  std::string ToString() const;
  std::wstring ToWString() const;
  std::u16string ToString16() const;
  bool FromString(const std::string& str);
  bool FromString(const char* data, size_t length);
  bool FromWString(const std::wstring& str);
  bool FromString16(const std::u16string& str);
  bool FromString(const char16* data, size_t length, bool copy);
  bool FromASCII(const char* str) { return FromString(std::string(str ? str : "")); }

  operator std::string() const { return ToString(); }
  operator std::wstring() const { return ToWString(); }
  operator std::u16string() const { return ToString16(); }

 private:
  cef_string_t* Writable();

  cef_string_t* string_;
  bool owner_;
};

inline bool operator<(const CefString& a, const CefString& b) { return a.compare(b) < 0; }
inline bool operator<=(const CefString& a, const CefString& b) { return a.compare(b) <= 0; }
inline bool operator>(const CefString& a, const CefString& b) { return a.compare(b) > 0; }
inline bool operator>=(const CefString& a, const CefString& b) { return a.compare(b) >= 0; }
inline bool operator==(const CefString& a, const CefString& b) { return a.compare(b) == 0; }
inline bool operator!=(const CefString& a, const CefString& b) { return a.compare(b) != 0; }

// Comparisons with literals of every width, so "s == L\"x\"" is not ambiguous.
#define CEF_STRING_COMPARE_WITH(T)                                              \
  inline bool operator==(const CefString& a, T b) { return a == CefString(b); } \
  inline bool operator==(T a, const CefString& b) { return CefString(a) == b; } \
  inline bool operator!=(const CefString& a, T b) { return !(a == b); }         \
  inline bool operator!=(T a, const CefString& b) { return !(a == b); }
CEF_STRING_COMPARE_WITH(const char*)
CEF_STRING_COMPARE_WITH(const wchar_t*)
CEF_STRING_COMPARE_WITH(const char16*)
CEF_STRING_COMPARE_WITH(const std::string&)
CEF_STRING_COMPARE_WITH(const std::wstring&)
CEF_STRING_COMPARE_WITH(const std::u16string&)
#undef CEF_STRING_COMPARE_WITH

typedef void* cef_string_list_t;
