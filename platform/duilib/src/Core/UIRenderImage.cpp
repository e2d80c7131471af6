#include "Core/UIRender.h"

#include <algorithm>

#include "UIRenderCairo.h"
#include "UIRenderImageDescription.h"

namespace DuiLib {
namespace {

// Paints one piece: a view of its source rectangle, scaled onto its destination, or repeated
// at its own size along a tiled axis. Padding the view's edges keeps the neighbouring pixels
// of the image out of a stretched piece's border.
void PaintPiece(cairo_t* cr, cairo_surface_t* image, const ImagePiece& piece, int fade) {
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

  CairoSavedState saved(cr);
  cairo_rectangle(cr, piece.dest.left, piece.dest.top, dstWidth, dstHeight);
  cairo_clip(cr);
  cairo_set_source(cr, pattern.get());
  if (fade >= 255) {
    cairo_paint(cr);
  } else {
    cairo_paint_with_alpha(cr, fade / 255.0);
  }
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
