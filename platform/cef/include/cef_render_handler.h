// Windowless rendering. Called on the UI thread.
#pragma once

#include <vector>

#include "include/cef_base.h"
#include "include/cef_browser.h"

class CefRenderHandler : public virtual CefBase {
 public:
  typedef cef_paint_element_type_t PaintElementType;
  typedef std::vector<CefRect> RectList;

  virtual bool GetRootScreenRect(CefRefPtr<CefBrowser> browser, CefRect& rect) { return false; }
  virtual bool GetViewRect(CefRefPtr<CefBrowser> browser, CefRect& rect) = 0;
  virtual bool GetScreenPoint(CefRefPtr<CefBrowser> browser, int viewX, int viewY, int& screenX, int& screenY) {
    return false;
  }
  virtual bool GetScreenInfo(CefRefPtr<CefBrowser> browser, CefScreenInfo& screen_info) { return false; }
  virtual void OnPopupShow(CefRefPtr<CefBrowser> browser, bool show) {}
  virtual void OnPopupSize(CefRefPtr<CefBrowser> browser, const CefRect& rect) {}
  // |buffer| is width * height * 4 bytes, BGRA, upper-left origin.
  virtual void OnPaint(CefRefPtr<CefBrowser> browser, PaintElementType type, const RectList& dirtyRects,
                       const void* buffer, int width, int height) = 0;
  virtual void OnCursorChange(CefRefPtr<CefBrowser> browser, CefCursorHandle cursor, cef_cursor_type_t type) {}
};
