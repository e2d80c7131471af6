// Version information of the running program, read from its VS_VERSION_INFO resource. The
// block is kept as the resource holds it (UTF-16 keys and texts); texts are handed out as WCHAR
// strings from a process-wide pool, since this platform's WCHAR is not UTF-16.
#include <winver.h>

#include <limits.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <cwctype>
#include <mutex>
#include <set>
#include <string>
#include <vector>

namespace {

uint16_t U16(const unsigned char* block, size_t at) { return block[at] | block[at + 1] << 8; }
size_t Align4(size_t at) { return (at + 3) & ~size_t(3); }

// One node of a version block: its key and value, and where its children lie. Every offset is
// from the start of the block.
struct Node {
  size_t end;
  uint16_t value_length;
  uint16_t type;  // 1: text, counted in UTF-16 units; 0: binary, counted in bytes
  std::wstring key;
  size_t value_at;
  size_t children_at;
};

// Decodes UTF-16 units, pairing surrogates; a lone surrogate becomes U+FFFD.
std::wstring FromUtf16(const unsigned char* block, size_t at, size_t units) {
  std::wstring text;
  for (size_t i = 0; i < units; ++i) {
    const uint32_t unit = U16(block, at + 2 * i);
    if (unit >= 0xD800 && unit < 0xDC00 && i + 1 < units) {
      const uint32_t low = U16(block, at + 2 * (i + 1));
      if (low >= 0xDC00 && low < 0xE000) {
        text.push_back(static_cast<wchar_t>(0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00)));
        ++i;
        continue;
      }
    }
    text.push_back(unit >= 0xD800 && unit < 0xE000 ? L'\xFFFD' : static_cast<wchar_t>(unit));
  }
  return text;
}

// Reads the node at |at|, which must lie within [at, limit); false when it does not.
bool ReadNode(const unsigned char* block, size_t at, size_t limit, Node& node) {
  if (at + 6 > limit) return false;
  const size_t length = U16(block, at);
  if (length < 6 || length > limit - at) return false;
  node.end = at + length;
  node.value_length = U16(block, at + 2);
  node.type = U16(block, at + 4);
  size_t p = at + 6;
  for (; p + 2 <= node.end && U16(block, p) != 0; p += 2) {
  }
  if (p + 2 > node.end) return false;
  node.key = FromUtf16(block, at + 6, (p - at - 6) / 2);
  node.value_at = Align4(p + 2);
  const size_t value_bytes = node.type == 1 ? size_t(node.value_length) * 2 : node.value_length;
  if (value_bytes == 0 && node.value_at > node.end) node.value_at = node.end;
  if (node.value_at > node.end || value_bytes > node.end - node.value_at) return false;
  node.children_at = Align4(node.value_at + value_bytes);
  return true;
}

bool SameKey(const std::wstring& a, const std::wstring& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::towlower(a[i]) != std::towlower(b[i])) return false;
  return true;
}

// Keeps each text handed out alive and in place for the rest of the process.
const wchar_t* PooledText(std::wstring text) {
  static std::mutex lock;
  static std::set<std::wstring> pool;
  std::lock_guard<std::mutex> held(lock);
  return pool.insert(std::move(text)).first->c_str();
}

std::string Utf8(LPCWSTR text) {
  const int needed = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  std::string out(needed > 0 ? needed : 1, '\0');
  if (needed > 0) WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), needed, nullptr, nullptr);
  out.resize(std::strlen(out.c_str()));
  return out;
}

bool SameFile(const std::string& a, const std::string& b) {
  struct stat sa, sb;
  return stat(a.c_str(), &sa) == 0 && stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev &&
         sa.st_ino == sb.st_ino;
}

// The program's version resource when |filename| names the program; otherwise null, with the
// last error set.
const unsigned char* ProgramVersionBlock(LPCWSTR filename, DWORD& size) {
  if (!filename) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  const std::string name = Utf8(filename);
  char program[PATH_MAX];
  const ssize_t program_length = readlink("/proc/self/exe", program, sizeof(program) - 1);
  if (program_length <= 0) {
    SetLastError(ERROR_FILE_NOT_FOUND);
    return nullptr;
  }
  program[program_length] = 0;
  std::vector<std::string> candidates;
  if (name.find('/') != std::string::npos || name.find('\\') != std::string::npos) {
    candidates.push_back(name);
  } else if (!name.empty()) {
    const std::string folder(program, std::strrchr(program, '/') - program);
    candidates.push_back(folder + "/" + name);
    candidates.push_back(name);
  }
  bool exists = false;
  for (const std::string& candidate : candidates) {
    struct stat info;
    if (stat(candidate.c_str(), &info) != 0) continue;
    exists = true;
    if (!SameFile(candidate, program)) continue;
    const HRSRC resource = FindResourceW(nullptr, MAKEINTRESOURCEW(1), RT_VERSION);
    const HGLOBAL data = resource ? LoadResource(nullptr, resource) : nullptr;
    size = resource ? SizeofResource(nullptr, resource) : 0;
    const auto* block = static_cast<const unsigned char*>(LockResource(data));
    Node root;
    if (!block || size < 6 || !ReadNode(block, 0, size, root)) {
      SetLastError(ERROR_RESOURCE_TYPE_NOT_FOUND);
      return nullptr;
    }
    size = static_cast<DWORD>(root.end);
    return block;
  }
  SetLastError(exists ? ERROR_RESOURCE_TYPE_NOT_FOUND : ERROR_FILE_NOT_FOUND);
  return nullptr;
}

}  // namespace

DWORD WINAPI GetFileVersionInfoSizeW(LPCWSTR filename, LPDWORD handle) {
  if (handle) *handle = 0;
  DWORD size = 0;
  return ProgramVersionBlock(filename, size) ? size : 0;
}

BOOL WINAPI GetFileVersionInfoW(LPCWSTR filename, DWORD, DWORD length, LPVOID data) {
  DWORD size = 0;
  const unsigned char* block = ProgramVersionBlock(filename, size);
  if (!block) return FALSE;
  if (!data || length < size) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return FALSE;
  }
  std::memcpy(data, block, size);
  return TRUE;
}

BOOL WINAPI VerQueryValueW(LPCVOID block_pointer, LPCWSTR sub_block, LPVOID* buffer, PUINT length) {
  if (!block_pointer || !sub_block || !buffer || !length) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  const auto* block = static_cast<const unsigned char*>(block_pointer);
  Node node;
  if (!ReadNode(block, 0, U16(block, 0), node)) {
    SetLastError(ERROR_RESOURCE_DATA_NOT_FOUND);
    return FALSE;
  }
  for (const wchar_t* p = sub_block; *p;) {
    if (*p == L'\\') {
      ++p;
      continue;
    }
    const wchar_t* end = p;
    while (*end && *end != L'\\') ++end;
    const std::wstring key(p, end);
    p = end;
    bool found = false;
    Node child;
    for (size_t at = node.children_at; at < node.end; at = Align4(child.end)) {
      if (!ReadNode(block, at, node.end, child)) break;
      if (SameKey(child.key, key)) {
        found = true;
        break;
      }
    }
    if (!found) {
      SetLastError(ERROR_RESOURCE_TYPE_NOT_FOUND);
      return FALSE;
    }
    node = child;
  }
  if (node.type == 1) {
    std::wstring text = FromUtf16(block, node.value_at, node.value_length);
    text.resize(std::wcslen(text.c_str()));
    *length = static_cast<UINT>(text.size() + (node.value_length ? 1 : 0));
    *buffer = const_cast<wchar_t*>(PooledText(std::move(text)));
  } else {
    *length = node.value_length;
    *buffer = const_cast<unsigned char*>(block + node.value_at);
  }
  return TRUE;
}
