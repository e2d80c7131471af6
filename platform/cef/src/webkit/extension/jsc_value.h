// A JavaScript value of WebKit's web process, as the renderer's
// application sees it. Web process main thread only.
#pragma once

#include <jsc/jsc.h>

#include "include/cef_v8.h"
#include "src/webkit/gtk/gobject_ptr.h"

namespace cef_internal {

class JscValue : public CefV8Value {
 public:
  // NULL for NULL.
  static CefRefPtr<CefV8Value> Wrap(JSCValue* value);
  // A new reference to |value| as a value of |context|: a JscValue's own
  // value, or a copy of any other (functions call their handler).
  static JSCValue* ToJsc(JSCContext* context, CefRefPtr<CefV8Value> value);

  JSCValue* value() const { return value_.get(); }

  bool IsValid() override { return true; }
  bool IsUndefined() override { return jsc_value_is_undefined(value()); }
  bool IsNull() override { return jsc_value_is_null(value()); }
  bool IsBool() override { return jsc_value_is_boolean(value()); }
  bool IsInt() override;
  bool IsUInt() override;
  bool IsDouble() override { return jsc_value_is_number(value()); }
  bool IsString() override { return jsc_value_is_string(value()); }
  bool IsObject() override { return jsc_value_is_object(value()); }
  bool IsFunction() override { return jsc_value_is_function(value()); }
  bool IsSame(CefRefPtr<CefV8Value> that) override;
  // Each answers false, 0 or "" for a value of another type.
  bool GetBoolValue() override;
  int32 GetIntValue() override;
  uint32 GetUIntValue() override;
  double GetDoubleValue() override;
  CefString GetStringValue() override;
  bool HasValue(const CefString& key) override;
  bool DeleteValue(const CefString& key) override;
  CefRefPtr<CefV8Value> GetValue(const CefString& key) override;
  bool SetValue(const CefString& key, CefRefPtr<CefV8Value> value, PropertyAttribute attribute) override;
  bool GetKeys(std::vector<CefString>& keys) override;
  CefString GetFunctionName() override;
  CefRefPtr<CefV8Handler> GetFunctionHandler() override { return nullptr; }
  CefRefPtr<CefV8Value> ExecuteFunction(CefRefPtr<CefV8Value> object, const CefV8ValueList& arguments) override;
  CefRefPtr<CefV8Value> ExecuteFunctionWithContext(CefRefPtr<CefV8Context> context, CefRefPtr<CefV8Value> object,
                                                   const CefV8ValueList& arguments) override;

 private:
  explicit JscValue(JSCValue* value) : value_(GObjectPtr<JSCValue>::Share(value)) {}

  const GObjectPtr<JSCValue> value_;

  IMPLEMENT_REFCOUNTING(JscValue);
};

}  // namespace cef_internal
