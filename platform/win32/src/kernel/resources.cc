// Resources of the executable, looked up in the table its resource compiler generated.
// HRSRC points at the table entry; HGLOBAL is the entry's data itself, so nothing is copied.
#include <windows.h>
#include <win32/resources.h>

#include <cwctype>
#include <cwchar>

namespace {

// A resource type or name: numeric (MAKEINTRESOURCE or "#123") or a string.
struct Key {
  bool numeric;
  WORD id;
  LPCWSTR text;
};

Key KeyOf(LPCWSTR name) {
  if (IS_INTRESOURCE(name)) return Key{true, static_cast<WORD>(reinterpret_cast<ULONG_PTR>(name)), nullptr};
  if (name[0] == L'#' && name[1]) {
    unsigned long value = 0;
    const wchar_t* digit = name + 1;
    for (; *digit >= L'0' && *digit <= L'9' && value <= 0xFFFF; ++digit) value = value * 10 + (*digit - L'0');
    if (!*digit && value <= 0xFFFF) return Key{true, static_cast<WORD>(value), nullptr};
  }
  return Key{false, 0, name};
}

bool Matches(const Key& key, const wchar_t* text, uint16_t id) {
  if (key.numeric) return !text && id == key.id;
  return text && lstrcmpiW(text, key.text) == 0;
}

const QuellixResourceTable* Table() { return &quellix_resource_table; }

HRSRC Find(LPCWSTR type, LPCWSTR name, bool any_language, WORD language) {
  if (!type || !name) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  const QuellixResourceTable* table = Table();
  if (!table || !table->entries) {
    SetLastError(ERROR_RESOURCE_TYPE_NOT_FOUND);
    return nullptr;
  }
  Key type_key = KeyOf(type);
  Key name_key = KeyOf(name);
  bool type_seen = false;
  bool name_seen = false;
  const QuellixResourceEntry* fallback = nullptr;
  for (uint32_t i = 0; i < table->count; ++i) {
    const QuellixResourceEntry& entry = table->entries[i];
    if (!Matches(type_key, entry.type_name, entry.type_id)) continue;
    type_seen = true;
    if (!Matches(name_key, entry.name, entry.name_id)) continue;
    name_seen = true;
    if (any_language || entry.language == language)
      return reinterpret_cast<HRSRC>(const_cast<QuellixResourceEntry*>(&entry));
    if (language == LANG_NEUTRAL && !fallback) fallback = &entry;
  }
  if (fallback) return reinterpret_cast<HRSRC>(const_cast<QuellixResourceEntry*>(fallback));
  SetLastError(!type_seen   ? ERROR_RESOURCE_TYPE_NOT_FOUND
               : !name_seen ? ERROR_RESOURCE_NAME_NOT_FOUND
                            : ERROR_RESOURCE_LANG_NOT_FOUND);
  return nullptr;
}

const QuellixResourceEntry* EntryOf(HRSRC resource) {
  return reinterpret_cast<const QuellixResourceEntry*>(resource);
}

}  // namespace

HRSRC WINAPI FindResourceW(HMODULE module, LPCWSTR name, LPCWSTR type) {
  return Find(type, name, true, 0);
}

HRSRC WINAPI FindResourceExW(HMODULE module, LPCWSTR type, LPCWSTR name, WORD language) {
  return Find(type, name, false, language);
}

HGLOBAL WINAPI LoadResource(HMODULE module, HRSRC resource) {
  if (!resource) {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  return const_cast<unsigned char*>(EntryOf(resource)->data);
}

DWORD WINAPI SizeofResource(HMODULE module, HRSRC resource) {
  if (!resource) {
    SetLastError(ERROR_INVALID_HANDLE);
    return 0;
  }
  return EntryOf(resource)->size;
}

LPVOID WINAPI LockResource(HGLOBAL resource_data) { return resource_data; }

BOOL WINAPI FreeResource(HGLOBAL resource_data) { return FALSE; }
