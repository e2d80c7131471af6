#include "Core/UIRender.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "Core/UIManager.h"
#include "UIRenderCairo.h"

namespace DuiLib {
namespace {

// A hostile header must not make us allocate gigabytes.
constexpr unsigned long kMaxImagePixels = 4096ul * 4096ul;
// A skin's images take a few megabytes; a hostile skin naming thousands of large ones must not
// take the machine's memory. Room for one image of the largest size.
constexpr size_t kMaxCachedBytes = kMaxImagePixels * 4;

struct CachedImage {
  CairoSurfacePtr surface;
  TImageInfo info;
  size_t bytes = 0;
};

struct ImageCache {
  std::mutex lock;
  std::map<std::wstring, std::unique_ptr<CachedImage>> images;
  size_t bytes = 0;
};

ImageCache& TheCache() {
  static ImageCache cache;
  return cache;
}

unsigned long ReadBigEndian32(const unsigned char* p) {
  return (static_cast<unsigned long>(p[0]) << 24) | (static_cast<unsigned long>(p[1]) << 16) |
         (static_cast<unsigned long>(p[2]) << 8) | p[3];
}

// The signature and the IHDR chunk, which PNG requires first, with a size we accept.
bool HasSanePngHeader(const std::vector<unsigned char>& data) {
  static const unsigned char kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (data.size() < 24) return false;
  if (!std::equal(kSignature, kSignature + 8, data.begin())) return false;
  if (!std::equal(data.begin() + 12, data.begin() + 16, "IHDR")) return false;
  unsigned long width = ReadBigEndian32(&data[16]);
  unsigned long height = ReadBigEndian32(&data[20]);
  return width > 0 && height > 0 && width <= kMaxImagePixels / height;
}

struct PngReader {
  const std::vector<unsigned char>& data;
  size_t offset;
};

cairo_status_t ReadPngBytes(void* closure, unsigned char* out, unsigned int length) {
  PngReader* reader = static_cast<PngReader*>(closure);
  if (length > reader->data.size() - reader->offset) return CAIRO_STATUS_READ_ERROR;
  std::copy_n(reader->data.begin() + reader->offset, length, out);
  reader->offset += length;
  return CAIRO_STATUS_SUCCESS;
}

bool HasTranslucentPixel(cairo_surface_t* surface) {
  if (cairo_image_surface_get_format(surface) != CAIRO_FORMAT_ARGB32) return false;
  cairo_surface_flush(surface);
  const unsigned char* data = cairo_image_surface_get_data(surface);
  int stride = cairo_image_surface_get_stride(surface);
  int width = cairo_image_surface_get_width(surface);
  int height = cairo_image_surface_get_height(surface);
  for (int y = 0; y < height; ++y) {
    const uint32_t* row = reinterpret_cast<const uint32_t*>(data + y * stride);
    for (int x = 0; x < width; ++x) {
      if ((row[x] >> 24) != 0xFF) return true;
    }
  }
  return false;
}

std::unique_ptr<CachedImage> DecodePng(const std::vector<unsigned char>& data) {
  if (!HasSanePngHeader(data)) return nullptr;
  PngReader reader{data, 0};
  CairoSurfacePtr surface(cairo_image_surface_create_from_png_stream(ReadPngBytes, &reader));
  if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS) return nullptr;
  auto image = std::make_unique<CachedImage>();
  image->info.surface = surface.get();
  image->info.nX = cairo_image_surface_get_width(surface.get());
  image->info.nY = cairo_image_surface_get_height(surface.get());
  image->info.bAlpha = HasTranslucentPixel(surface.get());
  image->bytes = static_cast<size_t>(cairo_image_surface_get_stride(surface.get())) *
                 static_cast<size_t>(image->info.nY);
  image->surface = std::move(surface);
  return image;
}

}  // namespace

const TImageInfo* CRenderEngine::GetImage(LPCTSTR file) {
  if (file == NULL || *file == L'\0') return NULL;
  ImageCache& cache = TheCache();
  {
    std::lock_guard<std::mutex> guard(cache.lock);
    auto found = cache.images.find(file);
    if (found != cache.images.end()) return &found->second->info;
  }
  // Read and decode unlocked: the resource reader takes locks of its own, and another
  // window's thread may want a different image meanwhile.
  std::vector<unsigned char> data;
  if (!CPaintManagerUI::LoadResourceData(file, data)) return NULL;
  std::unique_ptr<CachedImage> image = DecodePng(data);
  if (!image) return NULL;
  std::lock_guard<std::mutex> guard(cache.lock);
  auto found = cache.images.find(file);
  if (found != cache.images.end()) return &found->second->info;
  if (image->bytes > kMaxCachedBytes - cache.bytes) return NULL;
  cache.bytes += image->bytes;
  auto inserted = cache.images.emplace(file, std::move(image));
  return &inserted.first->second->info;
}

void CRenderEngine::ClearImageCache() {
  ImageCache& cache = TheCache();
  std::lock_guard<std::mutex> guard(cache.lock);
  cache.images.clear();
  cache.bytes = 0;
}

}  // namespace DuiLib
