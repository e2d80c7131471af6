#include "UIRenderImageDecode.h"

#include <algorithm>
#include <cstdint>

namespace DuiLib {
namespace {

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

}  // namespace

std::unique_ptr<DecodedImage> DecodePng(const std::vector<unsigned char>& data) {
  if (!HasSanePngHeader(data)) return nullptr;
  PngReader reader{data, 0};
  CairoSurfacePtr surface(cairo_image_surface_create_from_png_stream(ReadPngBytes, &reader));
  if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS) return nullptr;
  auto image = std::make_unique<DecodedImage>();
  image->info.surface = surface.get();
  image->info.nX = cairo_image_surface_get_width(surface.get());
  image->info.nY = cairo_image_surface_get_height(surface.get());
  image->info.bAlpha = HasTranslucentPixel(surface.get());
  image->bytes = static_cast<size_t>(cairo_image_surface_get_stride(surface.get())) *
                 static_cast<size_t>(image->info.nY);
  image->surface = std::move(surface);
  return image;
}

}  // namespace DuiLib
