// Printing on platforms without a native print dialog. Called on the UI thread.
#pragma once

#include "include/cef_base.h"

class CefPrintHandler : public virtual CefBase {
 public:
  virtual void OnPrintReset() = 0;
};
