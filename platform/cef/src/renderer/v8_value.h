// The scripted engine's JavaScript values. Objects keep their properties in
// definition order; functions are objects that call a CefV8Handler.
#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "include/cef_v8.h"

namespace cef_internal {

class V8ValueImpl : public CefV8Value {
 public:
  enum class Type { kUndefined, kNull, kBool, kNumber, kString, kObject, kFunction };

  // Beyond these a call throws a RangeError, as an engine with a bounded
  // stack does, instead of exhausting the render thread.
  static const size_t kMaxArguments = 65535;
  static const int kMaxCallDepth = 512;

  explicit V8ValueImpl(Type type);
  V8ValueImpl(Type type, bool boolean, double number, const CefString& text);
  V8ValueImpl(const CefString& function_name, CefRefPtr<CefV8Handler> handler);

  Type type() const { return type_; }

  // What a page's assignment does: a read-only property keeps its value
  // (false), another takes the new value and keeps its attributes, a new
  // one has none.
  bool Assign(const CefString& key, CefRefPtr<CefV8Value> value);

  // Calls the function in |context| with |object| as receiver. Returns the
  // result (undefined when the handler gave none); on a throw returns NULL
  // and sets |exception|.
  CefRefPtr<CefV8Value> Call(CefRefPtr<CefV8Context> context, CefRefPtr<CefV8Value> object,
                             const CefV8ValueList& arguments, CefString& exception);

  // Drops every property; a released context empties its global object so
  // that values referring to each other are freed.
  void ClearProperties();

  // CefV8Value methods.
  bool IsValid() override { return true; }
  bool IsUndefined() override { return type_ == Type::kUndefined; }
  bool IsNull() override { return type_ == Type::kNull; }
  bool IsBool() override { return type_ == Type::kBool; }
  bool IsInt() override;
  bool IsUInt() override;
  bool IsDouble() override { return type_ == Type::kNumber; }
  bool IsString() override { return type_ == Type::kString; }
  bool IsObject() override { return type_ == Type::kObject || type_ == Type::kFunction; }
  bool IsFunction() override { return type_ == Type::kFunction; }
  bool IsSame(CefRefPtr<CefV8Value> that) override;
  bool GetBoolValue() override;
  int32 GetIntValue() override;
  uint32 GetUIntValue() override;
  double GetDoubleValue() override;
  CefString GetStringValue() override;
  bool HasValue(const CefString& key) override;
  bool DeleteValue(const CefString& key) override;
  CefRefPtr<CefV8Value> GetValue(const CefString& key) override;
  bool SetValue(const CefString& key, CefRefPtr<CefV8Value> value,
                PropertyAttribute attribute) override;
  bool GetKeys(std::vector<CefString>& keys) override;
  CefString GetFunctionName() override;
  CefRefPtr<CefV8Handler> GetFunctionHandler() override;
  CefRefPtr<CefV8Value> ExecuteFunction(CefRefPtr<CefV8Value> object,
                                        const CefV8ValueList& arguments) override;
  CefRefPtr<CefV8Value> ExecuteFunctionWithContext(CefRefPtr<CefV8Context> context,
                                                   CefRefPtr<CefV8Value> object,
                                                   const CefV8ValueList& arguments) override;

 private:
  struct Property {
    CefRefPtr<CefV8Value> value;
    int attributes = V8_PROPERTY_ATTRIBUTE_NONE;
    uint64_t order = 0;
  };

  Property* FindProperty(const CefString& key);

  const Type type_;
  const bool boolean_ = false;
  const double number_ = 0;
  const CefString text_;
  const CefRefPtr<CefV8Handler> handler_;
  std::map<std::u16string, Property> properties_;
  uint64_t next_order_ = 0;

  IMPLEMENT_REFCOUNTING(V8ValueImpl);
};

}  // namespace cef_internal
