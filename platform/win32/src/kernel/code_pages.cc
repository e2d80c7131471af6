// Code-page conversion. CP_UTF8 is converted here; CP_ACP, CP_OEMCP and CP_THREAD_ACP mean the
// locale's code set (nl_langinfo(CODESET)), converted with iconv one character at a time so
// that an unrepresentable character becomes the default character.
#include <windows.h>

#include <iconv.h>
#include <langinfo.h>

#include <cerrno>
#include <cstring>
#include <optional>
#include <string>

namespace {

constexpr wchar_t kReplacement = 0xFFFD;

bool IsUtf8Name(const char* codeset) {
  return strcasecmp(codeset, "UTF-8") == 0 || strcasecmp(codeset, "UTF8") == 0;
}

std::wstring DecodeUtf8(const unsigned char* in, size_t size) {
  std::wstring out;
  size_t i = 0;
  while (i < size) {
    unsigned char lead = in[i];
    int extra = lead < 0x80 ? 0 : (lead & 0xE0) == 0xC0 ? 1 : (lead & 0xF0) == 0xE0 ? 2
                : (lead & 0xF8) == 0xF0 ? 3 : -1;
    if (extra < 0) {
      out.push_back(kReplacement);
      ++i;
      continue;
    }
    char32_t code = extra == 0 ? lead : lead & (0x3F >> extra);
    bool valid = i + extra < size;
    for (int k = 1; valid && k <= extra; ++k) {
      if ((in[i + k] & 0xC0) != 0x80)
        valid = false;
      else
        code = (code << 6) | (in[i + k] & 0x3F);
    }
    static const char32_t kMinimum[] = {0, 0x80, 0x800, 0x10000};
    if (!valid || code < kMinimum[extra] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
      out.push_back(kReplacement);
      ++i;
      continue;
    }
    out.push_back(static_cast<wchar_t>(code));
    i += extra + 1;
  }
  return out;
}

std::string EncodeUtf8(const wchar_t* in, size_t size) {
  std::string out;
  for (size_t i = 0; i < size; ++i) {
    char32_t code = static_cast<char32_t>(in[i]);
    if (code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) code = kReplacement;
    if (code < 0x80) {
      out.push_back(static_cast<char>(code));
    } else if (code < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (code >> 6)));
      out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else if (code < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | (code >> 12)));
      out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | (code >> 18)));
      out.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    }
  }
  return out;
}

class Iconv {
 public:
  Iconv(const char* to, const char* from) : handle_(iconv_open(to, from)) {}
  ~Iconv() {
    if (ok()) iconv_close(handle_);
  }
  Iconv(const Iconv&) = delete;
  Iconv& operator=(const Iconv&) = delete;
  bool ok() const { return handle_ != reinterpret_cast<iconv_t>(-1); }
  // Converts the whole input; false when some of it could not be converted.
  bool Convert(const char* in, size_t in_size, std::string* out) {
    iconv(handle_, nullptr, nullptr, nullptr, nullptr);
    char buffer[64];
    char* source = const_cast<char*>(in);
    while (in_size > 0) {
      char* target = buffer;
      size_t room = sizeof(buffer);
      size_t done = iconv(handle_, &source, &in_size, &target, &room);
      out->append(buffer, target - buffer);
      if (done == static_cast<size_t>(-1) && errno != E2BIG) return false;
    }
    char* target = buffer;
    size_t room = sizeof(buffer);
    iconv(handle_, nullptr, nullptr, &target, &room);
    out->append(buffer, target - buffer);
    return true;
  }

 private:
  iconv_t handle_;
};

std::optional<std::wstring> DecodeLocale(const char* in, size_t size) {
  const char* codeset = nl_langinfo(CODESET);
  if (IsUtf8Name(codeset)) return DecodeUtf8(reinterpret_cast<const unsigned char*>(in), size);
  Iconv converter("WCHAR_T", codeset);
  if (!converter.ok()) return std::nullopt;
  std::wstring out;
  // Byte by byte where the whole fails, so that one bad byte costs one character.
  size_t i = 0;
  while (i < size) {
    bool converted = false;
    for (size_t length = 1; length <= 4 && i + length <= size; ++length) {
      std::string bytes;
      if (converter.Convert(in + i, length, &bytes) && bytes.size() >= sizeof(wchar_t)) {
        out.append(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / sizeof(wchar_t));
        i += length;
        converted = true;
        break;
      }
    }
    if (!converted) {
      out.push_back(kReplacement);
      ++i;
    }
  }
  return out;
}

std::optional<std::string> EncodeLocale(const wchar_t* in, size_t size, const std::string& fallback,
                                        bool* used_default) {
  const char* codeset = nl_langinfo(CODESET);
  if (IsUtf8Name(codeset)) return EncodeUtf8(in, size);
  Iconv converter(codeset, "WCHAR_T");
  if (!converter.ok()) return std::nullopt;
  std::string out;
  for (size_t i = 0; i < size; ++i) {
    std::string bytes;
    if (converter.Convert(reinterpret_cast<const char*>(in + i), sizeof(wchar_t), &bytes) &&
        !bytes.empty()) {
      out += bytes;
    } else {
      out += fallback;
      *used_default = true;
    }
  }
  return out;
}

bool IsLocaleCodePage(UINT code_page) {
  return code_page == CP_ACP || code_page == CP_OEMCP || code_page == CP_THREAD_ACP;
}

template <typename Char>
int Deliver(const std::basic_string<Char>& result, Char* out, int out_count) {
  if (out_count == 0) return static_cast<int>(result.size());
  if (static_cast<size_t>(out_count) < result.size()) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return 0;
  }
  std::memcpy(out, result.data(), result.size() * sizeof(Char));
  return static_cast<int>(result.size());
}

}  // namespace

int WINAPI MultiByteToWideChar(UINT code_page, DWORD flags, LPCSTR multi_byte, int multi_byte_count,
                               LPWSTR wide, int wide_count) {
  if (!multi_byte || multi_byte_count == 0 || multi_byte_count < -1 || wide_count < 0 ||
      (wide_count > 0 && !wide)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  size_t size = multi_byte_count == -1 ? std::strlen(multi_byte) + 1 : multi_byte_count;
  std::optional<std::wstring> result;
  if (code_page == CP_UTF8)
    result = DecodeUtf8(reinterpret_cast<const unsigned char*>(multi_byte), size);
  else if (IsLocaleCodePage(code_page))
    result = DecodeLocale(multi_byte, size);
  if (!result) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  return Deliver(*result, wide, wide_count);
}

int WINAPI WideCharToMultiByte(UINT code_page, DWORD flags, LPCWSTR wide, int wide_count,
                               LPSTR multi_byte, int multi_byte_count, LPCSTR default_char,
                               LPBOOL used_default_char) {
  if (!wide || wide_count == 0 || wide_count < -1 || multi_byte_count < 0 ||
      (multi_byte_count > 0 && !multi_byte)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  size_t size = wide_count == -1 ? std::wcslen(wide) + 1 : wide_count;
  std::optional<std::string> result;
  if (code_page == CP_UTF8) {
    // As in Win32, UTF-8 has no default character.
    if (default_char || used_default_char) {
      SetLastError(ERROR_INVALID_PARAMETER);
      return 0;
    }
    result = EncodeUtf8(wide, size);
  } else if (IsLocaleCodePage(code_page)) {
    bool used = false;
    std::string fallback = default_char && *default_char ? std::string(1, *default_char) : "?";
    result = EncodeLocale(wide, size, fallback, &used);
    if (used_default_char) *used_default_char = used;
  }
  if (!result) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  return Deliver(*result, multi_byte, multi_byte_count);
}
