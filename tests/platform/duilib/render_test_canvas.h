// A small ARGB image to paint into and read back, and PNG files made on the spot.
#pragma once

#include <windows.h>

#include <cairo.h>

#include <cstdint>
#include <functional>
#include <vector>

namespace render_test {

class Canvas {
 public:
  Canvas(int width, int height, uint32_t background = 0xFFFFFFFF);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  HDC hdc() const { return reinterpret_cast<HDC>(cr_); }
  RECT bounds() const { return RECT{0, 0, width_, height_}; }
  // 0xAARRGGBB, premultiplied as cairo keeps it (equal for opaque pixels).
  uint32_t Pixel(int x, int y) const;
  // Smallest rectangle holding every pixel that differs from the background; empty if none.
  RECT InkBounds() const;
  int CountPixels(const std::function<bool(uint32_t)>& match) const;

 private:
  int width_;
  int height_;
  uint32_t background_;
  cairo_surface_t* surface_;
  cairo_t* cr_;
};

// A PNG file of the given size whose pixels the painter draws.
std::vector<unsigned char> MakePng(int width, int height, const std::function<void(cairo_t*)>& painter,
                                   cairo_format_t format = CAIRO_FORMAT_ARGB32);

void FillRect(cairo_t* cr, double x, double y, double w, double h, uint32_t argb);

inline int Red(uint32_t p) { return (p >> 16) & 0xFF; }
inline int Green(uint32_t p) { return (p >> 8) & 0xFF; }
inline int Blue(uint32_t p) { return p & 0xFF; }

}  // namespace render_test
