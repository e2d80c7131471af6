#pragma once

#include <windows.h>

#include "include/cef_v8.h"

// The native side of window.JsCallWindowsClient. A page call with at least
// two arguments answers "ReceiveOk" and sends every argument, as text, to the
// browser process in the message "jsCallMsg".
class CBrowserV8Handler : public CefV8Handler {
 public:
  CBrowserV8Handler();

  // CefV8Handler methods, called on the render thread.
  virtual bool Execute(const CefString& name, CefRefPtr<CefV8Value> object,
                       const CefV8ValueList& arguments, CefRefPtr<CefV8Value>& retval,
                       CefString& exception) override;

  // CefBase methods.
  virtual void AddRef() const override;
  virtual bool Release() const override;
  virtual bool HasOneRef() const override;

 protected:
  virtual ~CBrowserV8Handler();

 private:
  mutable volatile LONG m_refCount;
};
