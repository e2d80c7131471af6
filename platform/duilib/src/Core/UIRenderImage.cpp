#include "Core/UIRender.h"

#include <algorithm>
#include <cstdint>

#include "UIRenderCairo.h"
#include "UIRenderImageDescription.h"

namespace DuiLib {
namespace {

void PaintSource(cairo_t* cr, cairo_pattern_t* pattern, const RECT& dest, int fade) {
  CairoSavedState saved(cr);
  cairo_rectangle(cr, dest.left, dest.top, dest.right - dest.left, dest.bottom - dest.top);
  cairo_clip(cr);
  cairo_set_source(cr, pattern);
  if (fade >= 255) {
    cairo_paint(cr);
  } else {
    cairo_paint_with_alpha(cr, fade / 255.0);
  }
}

// The one pixel value every pixel of the source rectangle holds, if they all hold the same.
bool FindFlatPixel(cairo_surface_t* image, const RECT& source, uint32_t& pixel) {
  const cairo_format_t format = cairo_image_surface_get_format(image);
  if (format != CAIRO_FORMAT_ARGB32 && format != CAIRO_FORMAT_RGB24) return false;
  // An RGB24 image leaves its pixels' top byte undefined.
  const uint32_t mask = format == CAIRO_FORMAT_RGB24 ? 0x00FFFFFF : 0xFFFFFFFF;
  const unsigned char* data = cairo_image_surface_get_data(image);
  const int stride = cairo_image_surface_get_stride(image);
  const uint32_t first =
      reinterpret_cast<const uint32_t*>(data + source.top * stride)[source.left] & mask;
  for (LONG y = source.top; y < source.bottom; ++y) {
    const uint32_t* row = reinterpret_cast<const uint32_t*>(data + y * stride);
    for (LONG x = source.left; x < source.right; ++x) {
      if ((row[x] & mask) != first) return false;
    }
  }
  pixel = first;
  return true;
}

// A flat piece, the centre of most nine-sliced backgrounds, looks the same scaled or not, with
// any filter: painting its one pixel repeated spares the filter a look at every destination
// pixel, which for a window-sized centre is most of a first paint. The source is only searched
// when the piece is enlarged, so the search never costs more than the painting it saves.
bool PaintFlatPiece(cairo_t* cr, cairo_surface_t* image, const ImagePiece& piece, int fade) {
  const long long sourceArea = 1LL * (piece.source.right - piece.source.left) *
                               (piece.source.bottom - piece.source.top);
  const long long destArea =
      1LL * (piece.dest.right - piece.dest.left) * (piece.dest.bottom - piece.dest.top);
  uint32_t pixel = 0;
  if (sourceArea > destArea || !FindFlatPixel(image, piece.source, pixel)) return false;
  CairoSurfacePtr dot(cairo_image_surface_create(cairo_image_surface_get_format(image), 1, 1));
  if (cairo_surface_status(dot.get()) != CAIRO_STATUS_SUCCESS) return false;
  cairo_surface_flush(dot.get());
  *reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(dot.get())) = pixel;
  cairo_surface_mark_dirty(dot.get());
  CairoPatternPtr pattern(cairo_pattern_create_for_surface(dot.get()));
  cairo_pattern_set_extend(pattern.get(), CAIRO_EXTEND_REPEAT);
  PaintSource(cr, pattern.get(), piece.dest, fade);
  return true;
}

// Paints one piece: a view of its source rectangle, scaled onto its destination, or repeated
// at its own size along a tiled axis. Padding the view's edges keeps the neighbouring pixels
// of the image out of a stretched piece's border.
void PaintPiece(cairo_t* cr, cairo_surface_t* image, const ImagePiece& piece, int fade) {
  if (PaintFlatPiece(cr, image, piece, fade)) return;
  const double srcWidth = piece.source.right - piece.source.left;
  const double srcHeight = piece.source.bottom - piece.source.top;
  const double dstWidth = piece.dest.right - piece.dest.left;
  const double dstHeight = piece.dest.bottom - piece.dest.top;
  CairoSurfacePtr view(cairo_surface_create_for_rectangle(image, piece.source.left, piece.source.top,
                                                          srcWidth, srcHeight));
  CairoPatternPtr pattern(cairo_pattern_create_for_surface(view.get()));
  cairo_pattern_set_extend(pattern.get(), piece.tileX || piece.tileY ? CAIRO_EXTEND_REPEAT
                                                                       : CAIRO_EXTEND_PAD);
  cairo_matrix_t matrix;
  cairo_matrix_init_scale(&matrix, piece.tileX ? 1.0 : srcWidth / dstWidth,
                          piece.tileY ? 1.0 : srcHeight / dstHeight);
  cairo_matrix_translate(&matrix, -piece.dest.left, -piece.dest.top);
  cairo_pattern_set_matrix(pattern.get(), &matrix);
  PaintSource(cr, pattern.get(), piece.dest, fade);
}

}  // namespace

bool CRenderEngine::DrawImageString(HDC hDC, CPaintManagerUI* pManager, const RECT& rcItem,
                                    const RECT& rcPaint, LPCTSTR pStrImage, LPCTSTR pStrModify) {
  ImageDrawSpec spec;
  if (!ParseImageDescription(pStrImage, spec) || !ParseImageDescription(pStrModify, spec)) {
    return false;
  }
  const TImageInfo* image = GetImage(spec.file.c_str());
  if (image == NULL) return false;
  std::vector<ImagePiece> pieces = LayOutImagePieces(spec, image->nX, image->nY, rcItem);
  if (pieces.empty()) return false;
  if (hDC == NULL || spec.fade == 0) return true;

  const RECT visible = {std::max(rcItem.left, rcPaint.left), std::max(rcItem.top, rcPaint.top),
                        std::min(rcItem.right, rcPaint.right),
                        std::min(rcItem.bottom, rcPaint.bottom)};
  if (visible.right <= visible.left || visible.bottom <= visible.top) return true;
  cairo_t* cr = CairoFromHDC(hDC);
  CairoSavedState saved(cr);
  cairo_rectangle(cr, visible.left, visible.top, visible.right - visible.left,
                  visible.bottom - visible.top);
  cairo_clip(cr);
  for (const ImagePiece& piece : pieces) PaintPiece(cr, image->surface, piece, spec.fade);
  return true;
}

}  // namespace DuiLib
