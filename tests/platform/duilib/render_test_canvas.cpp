#include "render_test_canvas.h"

#include <algorithm>
#include <memory>

namespace render_test {

Canvas::Canvas(int width, int height, uint32_t background)
    : width_(width),
      height_(height),
      background_(background),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)),
      cr_(cairo_create(surface_)) {
  cairo_save(cr_);
  cairo_set_operator(cr_, CAIRO_OPERATOR_SOURCE);
  FillRect(cr_, 0, 0, width, height, background);
  cairo_restore(cr_);
}

Canvas::~Canvas() {
  cairo_destroy(cr_);
  cairo_surface_destroy(surface_);
}

uint32_t Canvas::Pixel(int x, int y) const {
  cairo_surface_flush(surface_);
  const unsigned char* row =
      cairo_image_surface_get_data(surface_) + y * cairo_image_surface_get_stride(surface_);
  return reinterpret_cast<const uint32_t*>(row)[x];
}

RECT Canvas::InkBounds() const {
  RECT ink = {width_, height_, 0, 0};
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      if (Pixel(x, y) == background_) continue;
      ink.left = std::min<LONG>(ink.left, x);
      ink.top = std::min<LONG>(ink.top, y);
      ink.right = std::max<LONG>(ink.right, x + 1);
      ink.bottom = std::max<LONG>(ink.bottom, y + 1);
    }
  }
  if (ink.right <= ink.left) return RECT{0, 0, 0, 0};
  return ink;
}

int Canvas::CountPixels(const std::function<bool(uint32_t)>& match) const {
  int count = 0;
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) count += match(Pixel(x, y)) ? 1 : 0;
  }
  return count;
}

void FillRect(cairo_t* cr, double x, double y, double w, double h, uint32_t argb) {
  cairo_set_source_rgba(cr, Red(argb) / 255.0, Green(argb) / 255.0, Blue(argb) / 255.0,
                        (argb >> 24) / 255.0);
  cairo_rectangle(cr, x, y, w, h);
  cairo_fill(cr);
}

namespace {

cairo_status_t AppendBytes(void* closure, const unsigned char* data, unsigned int length) {
  auto* out = static_cast<std::vector<unsigned char>*>(closure);
  out->insert(out->end(), data, data + length);
  return CAIRO_STATUS_SUCCESS;
}

}  // namespace

std::vector<unsigned char> MakePng(int width, int height, const std::function<void(cairo_t*)>& painter,
                                   cairo_format_t format) {
  std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)> surface(
      cairo_image_surface_create(format, width, height), cairo_surface_destroy);
  {
    std::unique_ptr<cairo_t, decltype(&cairo_destroy)> cr(cairo_create(surface.get()),
                                                          cairo_destroy);
    cairo_set_operator(cr.get(), CAIRO_OPERATOR_SOURCE);
    painter(cr.get());
  }
  std::vector<unsigned char> png;
  cairo_surface_write_to_png_stream(surface.get(), AppendBytes, &png);
  return png;
}

}  // namespace render_test
