// Generic continuation callbacks.
#pragma once

#include "include/cef_base.h"

class CefCallback : public virtual CefBase {
 public:
  virtual void Continue() = 0;
  virtual void Cancel() = 0;
};

class CefCompletionCallback : public virtual CefBase {
 public:
  // Called on the UI thread once the operation has finished.
  virtual void OnComplete() = 0;
};
