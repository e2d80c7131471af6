// Limits painting to a rectangle for the life of the object.
#pragma once

#include <windows.h>

#include <cairo.h>

namespace DuiLib {

class PaintClip {
 public:
  PaintClip(HDC hDC, const RECT& rc) : m_cr(reinterpret_cast<cairo_t*>(hDC)) {
    if (m_cr == nullptr) return;
    cairo_save(m_cr);
    cairo_rectangle(m_cr, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top);
    cairo_clip(m_cr);
  }
  ~PaintClip() {
    if (m_cr != nullptr) cairo_restore(m_cr);
  }
  PaintClip(const PaintClip&) = delete;
  PaintClip& operator=(const PaintClip&) = delete;

 private:
  cairo_t* m_cr;
};

}  // namespace DuiLib
