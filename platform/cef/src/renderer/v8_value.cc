#include "src/renderer/v8_value.h"

#include <algorithm>
#include <cmath>

namespace cef_internal {

namespace {

// Depth of native calls on the render thread.
thread_local int call_depth = 0;

std::u16string KeyOf(const CefString& key) {
  return std::u16string(key.c_str(), key.length());
}

// The engine's ToUint32: integral part modulo 2^32; NaN and infinities are 0.
uint32 ToUint32(double number) {
  if (!std::isfinite(number))
    return 0;
  double wrapped = std::fmod(std::trunc(number), 4294967296.0);
  if (wrapped < 0)
    wrapped += 4294967296.0;
  return static_cast<uint32>(wrapped);
}

bool IsIntegral(double number) {
  return std::isfinite(number) && std::trunc(number) == number;
}

}  // namespace

V8ValueImpl::V8ValueImpl(Type type) : type_(type) {}

V8ValueImpl::V8ValueImpl(Type type, bool boolean, double number, const CefString& text)
    : type_(type), boolean_(boolean), number_(number), text_(text) {}

V8ValueImpl::V8ValueImpl(const CefString& function_name, CefRefPtr<CefV8Handler> handler)
    : type_(Type::kFunction), text_(function_name), handler_(handler) {}

bool V8ValueImpl::IsInt() {
  return type_ == Type::kNumber && IsIntegral(number_) && number_ >= -2147483648.0 &&
         number_ <= 2147483647.0;
}

bool V8ValueImpl::IsUInt() {
  return type_ == Type::kNumber && IsIntegral(number_) && number_ >= 0 &&
         number_ <= 4294967295.0;
}

bool V8ValueImpl::IsSame(CefRefPtr<CefV8Value> that) {
  if (!that)
    return false;
  V8ValueImpl* other = static_cast<V8ValueImpl*>(that.get());
  if (other == this)
    return true;
  if (other->type_ != type_)
    return false;
  switch (type_) {
    case Type::kUndefined:
    case Type::kNull:
      return true;
    case Type::kBool:
      return boolean_ == other->boolean_;
    case Type::kNumber:
      return number_ == other->number_;
    case Type::kString:
      return text_ == other->text_;
    case Type::kObject:
    case Type::kFunction:
      return false;
  }
  return false;
}

bool V8ValueImpl::GetBoolValue() {
  return type_ == Type::kBool && boolean_;
}

int32 V8ValueImpl::GetIntValue() {
  return type_ == Type::kNumber ? static_cast<int32>(ToUint32(number_)) : 0;
}

uint32 V8ValueImpl::GetUIntValue() {
  return type_ == Type::kNumber ? ToUint32(number_) : 0;
}

double V8ValueImpl::GetDoubleValue() {
  return type_ == Type::kNumber ? number_ : 0;
}

CefString V8ValueImpl::GetStringValue() {
  return type_ == Type::kString ? text_ : CefString();
}

V8ValueImpl::Property* V8ValueImpl::FindProperty(const CefString& key) {
  auto it = properties_.find(KeyOf(key));
  return it == properties_.end() ? nullptr : &it->second;
}

bool V8ValueImpl::HasValue(const CefString& key) {
  return IsObject() && FindProperty(key) != nullptr;
}

bool V8ValueImpl::DeleteValue(const CefString& key) {
  if (!IsObject())
    return false;
  auto it = properties_.find(KeyOf(key));
  if (it == properties_.end())
    return true;
  if (it->second.attributes & V8_PROPERTY_ATTRIBUTE_DONTDELETE)
    return false;
  properties_.erase(it);
  return true;
}

CefRefPtr<CefV8Value> V8ValueImpl::GetValue(const CefString& key) {
  if (!IsObject())
    return nullptr;
  Property* property = FindProperty(key);
  return property ? property->value : nullptr;
}

bool V8ValueImpl::SetValue(const CefString& key, CefRefPtr<CefV8Value> value,
                           PropertyAttribute attribute) {
  if (!IsObject() || !value)
    return false;
  Property& property = properties_[KeyOf(key)];
  if (!property.value)
    property.order = next_order_++;
  property.value = value;
  property.attributes = attribute;
  return true;
}

bool V8ValueImpl::Assign(const CefString& key, CefRefPtr<CefV8Value> value) {
  if (!IsObject() || !value)
    return false;
  Property* property = FindProperty(key);
  if (!property)
    return SetValue(key, value, V8_PROPERTY_ATTRIBUTE_NONE);
  if (property->attributes & V8_PROPERTY_ATTRIBUTE_READONLY)
    return false;
  property->value = value;
  return true;
}

bool V8ValueImpl::GetKeys(std::vector<CefString>& keys) {
  if (!IsObject())
    return false;
  std::vector<std::pair<uint64_t, const std::u16string*>> ordered;
  for (const auto& entry : properties_) {
    if (!(entry.second.attributes & V8_PROPERTY_ATTRIBUTE_DONTENUM))
      ordered.emplace_back(entry.second.order, &entry.first);
  }
  std::sort(ordered.begin(), ordered.end());
  for (const auto& entry : ordered)
    keys.push_back(CefString(*entry.second));
  return true;
}

void V8ValueImpl::ClearProperties() {
  // Swap first: releasing a value may run destructors that touch this object.
  std::map<std::u16string, Property> dropped;
  dropped.swap(properties_);
}

CefString V8ValueImpl::GetFunctionName() {
  return type_ == Type::kFunction ? text_ : CefString();
}

CefRefPtr<CefV8Handler> V8ValueImpl::GetFunctionHandler() {
  return handler_;
}

CefRefPtr<CefV8Value> V8ValueImpl::Call(CefRefPtr<CefV8Context> context,
                                        CefRefPtr<CefV8Value> object,
                                        const CefV8ValueList& arguments, CefString& exception) {
  if (type_ != Type::kFunction) {
    exception = "TypeError: not a function";
    return nullptr;
  }
  if (!context || !context->IsValid()) {
    exception = "Error: no valid context";
    return nullptr;
  }
  if (arguments.size() > kMaxArguments || call_depth >= kMaxCallDepth) {
    exception = "RangeError: Maximum call stack size exceeded";
    return nullptr;
  }

  CefV8ValueList args(arguments);
  for (CefRefPtr<CefV8Value>& arg : args) {
    if (!arg)
      arg = CreateUndefined();
  }
  CefRefPtr<CefV8Value> receiver = object ? object : context->GetGlobal();

  CefRefPtr<CefV8Value> retval;
  CefString thrown;
  context->Enter();
  ++call_depth;
  const bool handled = handler_->Execute(text_, receiver, args, retval, thrown);
  --call_depth;
  context->Exit();

  if (handled && !thrown.empty()) {
    exception = thrown;
    return nullptr;
  }
  if (!handled || !retval)
    return CreateUndefined();
  return retval;
}

CefRefPtr<CefV8Value> V8ValueImpl::ExecuteFunction(CefRefPtr<CefV8Value> object,
                                                   const CefV8ValueList& arguments) {
  return ExecuteFunctionWithContext(CefV8Context::GetCurrentContext(), object, arguments);
}

CefRefPtr<CefV8Value> V8ValueImpl::ExecuteFunctionWithContext(CefRefPtr<CefV8Context> context,
                                                              CefRefPtr<CefV8Value> object,
                                                              const CefV8ValueList& arguments) {
  CefString exception;
  return Call(context, object, arguments, exception);
}

}  // namespace cef_internal

CefRefPtr<CefV8Value> CefV8Value::CreateUndefined() {
  using cef_internal::V8ValueImpl;
  return new V8ValueImpl(V8ValueImpl::Type::kUndefined);
}

CefRefPtr<CefV8Value> CefV8Value::CreateNull() {
  using cef_internal::V8ValueImpl;
  return new V8ValueImpl(V8ValueImpl::Type::kNull);
}

CefRefPtr<CefV8Value> CefV8Value::CreateBool(bool value) {
  using cef_internal::V8ValueImpl;
  return new V8ValueImpl(V8ValueImpl::Type::kBool, value, 0, CefString());
}

CefRefPtr<CefV8Value> CefV8Value::CreateInt(int32 value) {
  using cef_internal::V8ValueImpl;
  return new V8ValueImpl(V8ValueImpl::Type::kNumber, false, value, CefString());
}

CefRefPtr<CefV8Value> CefV8Value::CreateUInt(uint32 value) {
  using cef_internal::V8ValueImpl;
  return new V8ValueImpl(V8ValueImpl::Type::kNumber, false, value, CefString());
}

CefRefPtr<CefV8Value> CefV8Value::CreateDouble(double value) {
  using cef_internal::V8ValueImpl;
  return new V8ValueImpl(V8ValueImpl::Type::kNumber, false, value, CefString());
}

CefRefPtr<CefV8Value> CefV8Value::CreateString(const CefString& value) {
  using cef_internal::V8ValueImpl;
  return new V8ValueImpl(V8ValueImpl::Type::kString, false, 0, value);
}

CefRefPtr<CefV8Value> CefV8Value::CreateObject() {
  using cef_internal::V8ValueImpl;
  return new V8ValueImpl(V8ValueImpl::Type::kObject);
}

CefRefPtr<CefV8Value> CefV8Value::CreateFunction(const CefString& name,
                                                 CefRefPtr<CefV8Handler> handler) {
  if (!handler)
    return nullptr;
  return new cef_internal::V8ValueImpl(name, handler);
}
