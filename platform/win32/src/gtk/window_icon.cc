#include "gtk/window_icon.h"

#include <cstring>

#include "desktop/icons.h"

namespace win32::internal::gtk {

namespace {

constexpr size_t kGroupHeader = 6;
constexpr size_t kGroupEntry = 14;
constexpr size_t kFileEntry = 16;
const unsigned char kPngSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

unsigned ReadWord(const unsigned char* at) { return at[0] | (at[1] << 8); }

void PutWord(std::vector<unsigned char>& out, unsigned value) {
  out.push_back(value & 0xFF);
  out.push_back((value >> 8) & 0xFF);
}

void PutDword(std::vector<unsigned char>& out, uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back((value >> shift) & 0xFF);
}

// A resource's bytes, or null when absent.
const unsigned char* ResourceBytes(LPCWSTR name, LPCWSTR type, size_t* size) {
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC found = FindResourceW(module, name, type);
  if (!found) return nullptr;
  HGLOBAL loaded = LoadResource(module, found);
  *size = SizeofResource(module, found);
  return loaded ? static_cast<const unsigned char*>(LockResource(loaded)) : nullptr;
}

}  // namespace

std::vector<unsigned char> SingleImageIcoFile(const unsigned char* group_entry,
                                              const void* image, size_t image_size) {
  std::vector<unsigned char> file;
  if (!group_entry || !image || image_size == 0 || image_size > 0x7FFFFFFF) return file;
  PutWord(file, 0);
  PutWord(file, 1);  // an icon
  PutWord(file, 1);  // one image
  file.insert(file.end(), group_entry, group_entry + 8);  // size, colours, planes, bit count
  PutDword(file, static_cast<uint32_t>(image_size));
  PutDword(file, static_cast<uint32_t>(kGroupHeader + kFileEntry));
  const auto* bytes = static_cast<const unsigned char*>(image);
  file.insert(file.end(), bytes, bytes + image_size);
  return file;
}

GObjectPtr<GdkPixbuf> IconPixbuf(HICON icon) {
  IconOrigin origin;
  if (!icon || !IconOriginOf(icon, &origin)) return nullptr;
  LPCWSTR name = origin.numeric ? MAKEINTRESOURCEW(origin.id) : origin.name.c_str();
  size_t group_size = 0;
  const unsigned char* group = ResourceBytes(name, RT_GROUP_ICON, &group_size);
  if (!group || group_size < kGroupHeader) return nullptr;
  size_t count = ReadWord(group + 4);
  if (group_size < kGroupHeader + count * kGroupEntry) return nullptr;
  const unsigned char* best = nullptr;
  unsigned best_width = 0;
  for (size_t i = 0; i < count; ++i) {
    const unsigned char* entry = group + kGroupHeader + i * kGroupEntry;
    unsigned width = entry[0] ? entry[0] : 256;
    if (width > best_width) {
      best = entry;
      best_width = width;
    }
  }
  if (!best) return nullptr;
  size_t image_size = 0;
  const unsigned char* image = ResourceBytes(MAKEINTRESOURCEW(ReadWord(best + 12)), RT_ICON, &image_size);
  // Images kept as PNG load as they are; the icon reader takes only bitmap images.
  std::vector<unsigned char> file;
  if (image && image_size > sizeof(kPngSignature) &&
      std::memcmp(image, kPngSignature, sizeof(kPngSignature)) == 0)
    file.assign(image, image + image_size);
  else
    file = SingleImageIcoFile(best, image, image_size);
  if (file.empty()) return nullptr;
  GObjectPtr<GdkPixbufLoader> loader(gdk_pixbuf_loader_new());
  bool written = gdk_pixbuf_loader_write(loader.get(), file.data(), file.size(), nullptr);
  bool closed = gdk_pixbuf_loader_close(loader.get(), nullptr);
  if (!written || !closed) return nullptr;
  GdkPixbuf* pixbuf = gdk_pixbuf_loader_get_pixbuf(loader.get());
  return GObjectPtr<GdkPixbuf>(pixbuf ? GDK_PIXBUF(g_object_ref(pixbuf)) : nullptr);
}

}  // namespace win32::internal::gtk
