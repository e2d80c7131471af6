#include "Core/UIRender.h"

#include "UIRenderCairo.h"

namespace DuiLib {

void CRenderEngine::DrawColor(HDC hDC, const RECT& rc, DWORD argb) {
  if (hDC == NULL || (argb >> 24) == 0) return;
  if (rc.right <= rc.left || rc.bottom <= rc.top) return;
  cairo_t* cr = CairoFromHDC(hDC);
  CairoSavedState saved(cr);
  SetSourceArgb(cr, argb);
  cairo_rectangle(cr, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top);
  cairo_fill(cr);
}

void CRenderEngine::DrawRect(HDC hDC, const RECT& rc, int nSize, DWORD argbPen) {
  if (hDC == NULL || nSize <= 0) return;
  if (rc.right <= rc.left || rc.bottom <= rc.top) return;
  // Pens carry no alpha in skins that write "#RRGGBB"; such a border is meant opaque.
  if ((argbPen >> 24) == 0) argbPen |= 0xFF000000;
  cairo_t* cr = CairoFromHDC(hDC);
  CairoSavedState saved(cr);
  SetSourceArgb(cr, argbPen);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  cairo_rectangle(cr, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top);
  const long long innerWidth = 0LL + rc.right - rc.left - 2LL * nSize;
  const long long innerHeight = 0LL + rc.bottom - rc.top - 2LL * nSize;
  if (innerWidth > 0 && innerHeight > 0) {
    cairo_rectangle(cr, rc.left + nSize, rc.top + nSize, innerWidth, innerHeight);
  }
  cairo_fill(cr);
}

}  // namespace DuiLib
