// Drag and drop into a browser. Called on the UI thread.
#pragma once

#include "include/cef_base.h"
#include "include/cef_browser.h"

class CefDragData;

class CefDragHandler : public virtual CefBase {
 public:
  typedef cef_drag_operations_mask_t DragOperationsMask;

  // Return true to cancel the drag.
  virtual bool OnDragEnter(CefRefPtr<CefBrowser> browser, CefRefPtr<CefDragData> dragData,
                           DragOperationsMask mask) {
    return false;
  }
};
