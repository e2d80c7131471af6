// The paint manager's painting: the control tree into the window's own image surface.
#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <memory>

#include "Core/UIControl.h"
#include "Core/UIManager.h"
#include "win32/window_surface.h"

namespace DuiLib {

namespace {

struct ContextRelease {
  void operator()(cairo_t* cr) const { cairo_destroy(cr); }
};

void AddRoundedRect(cairo_t* cr, double width, double height, double rx, double ry) {
  cairo_new_sub_path(cr);
  cairo_save(cr);
  cairo_scale(cr, rx, ry);
  const double w = width / rx;
  const double h = height / ry;
  cairo_arc(cr, w - 1, 1, 1, -M_PI / 2, 0);
  cairo_arc(cr, w - 1, h - 1, 1, 0, M_PI / 2);
  cairo_arc(cr, 1, h - 1, 1, M_PI / 2, M_PI);
  cairo_arc(cr, 1, 1, 1, M_PI, 3 * M_PI / 2);
  cairo_restore(cr);
  cairo_close_path(cr);
}

// Like a window region of rounded corners: what lies outside them is not part of the window.
void CutRoundCorners(cairo_t* cr, int width, int height, SIZE corner) {
  // The corner size is the ellipse's full width and height, as for a round-rect region.
  const double rx = std::min(corner.cx / 2.0, width / 2.0);
  const double ry = std::min(corner.cy / 2.0, height / 2.0);
  if (rx <= 0 || ry <= 0) return;
  cairo_save(cr);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  cairo_rectangle(cr, 0, 0, width, height);
  AddRoundedRect(cr, width, height, rx, ry);
  cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
  cairo_fill(cr);
  cairo_restore(cr);
}

}  // namespace

void CPaintManagerUI::SurfaceRelease::operator()(cairo_surface_t* surface) const {
  cairo_surface_destroy(surface);
}

void CPaintManagerUI::Paint() {
  PAINTSTRUCT ps = {};
  ::BeginPaint(m_hWndPaint, &ps);
  UpdateLayout();
  const SIZE client = GetClientSize();
  if (client.cx <= 0 || client.cy <= 0) {
    ::EndPaint(m_hWndPaint, &ps);
    return;
  }
  if (!m_surface || cairo_image_surface_get_width(m_surface.get()) != client.cx ||
      cairo_image_surface_get_height(m_surface.get()) != client.cy) {
    m_surface.reset(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, client.cx, client.cy));
  }
  RECT rcPaint = {0, 0, client.cx, client.cy};
  std::unique_ptr<cairo_t, ContextRelease> cr(cairo_create(m_surface.get()));
  if (cairo_status(cr.get()) == CAIRO_STATUS_SUCCESS) {
    // A background that is not transparent starts black, as an unpainted window does.
    cairo_set_operator(cr.get(), CAIRO_OPERATOR_SOURCE);
    cairo_set_source_rgba(cr.get(), 0, 0, 0, m_bAlphaBackground ? 0 : 1);
    cairo_paint(cr.get());
    cairo_set_operator(cr.get(), CAIRO_OPERATOR_OVER);
    if (m_pRoot != NULL) m_pRoot->DoPaint(reinterpret_cast<HDC>(cr.get()), rcPaint);
    if (!::IsZoomed(m_hWndPaint)) CutRoundCorners(cr.get(), client.cx, client.cy, m_szRoundCorner);
    if (m_nOpacity < 255) {
      cairo_set_operator(cr.get(), CAIRO_OPERATOR_DEST_IN);
      cairo_paint_with_alpha(cr.get(), m_nOpacity / 255.0);
    }
  }
  cairo_surface_flush(m_surface.get());
  Win32PresentWindowSurface(m_hWndPaint, m_surface.get());
  ::EndPaint(m_hWndPaint, &ps);
}

}  // namespace DuiLib
