#include "src/webkit/extension/jsc_value.h"

#include <cmath>
#include <limits>
#include <memory>
#include <string>

#include "src/webkit/bench_trace.h"
#include "src/webkit/extension/jsc_context.h"
#include "src/webkit/gtk/message_text.h"

namespace cef_internal {

namespace {

// Copies of nested engine objects stop here; a value referring to itself
// cannot make the copy endless.
const int kMaxCopyDepth = 32;

struct NativeFunction {
  CefString name;
  CefRefPtr<CefV8Handler> handler;
};

JSCValue* Undefined(JSCContext* context) { return jsc_value_new_undefined(context); }

// Runs on the page's call, synchronously: the handler's value is the call's
// value, its exception is thrown into the page.
JSCValue* CallNative(GPtrArray* arguments, NativeFunction* function) {
  BenchTrace("page-call");
  JSCContext* context = jsc_context_get_current();
  CefRefPtr<JscContext> entered = JscContext::Of(context);
  if (!entered)
    return Undefined(context);
  CefV8ValueList list;
  list.reserve(arguments ? arguments->len : 0);
  for (guint i = 0; arguments && i < arguments->len; ++i)
    list.push_back(JscValue::Wrap(static_cast<JSCValue*>(g_ptr_array_index(arguments, i))));
  CefRefPtr<CefV8Value> retval;
  CefString exception;
  entered->Enter();
  const bool handled =
      function->handler->Execute(function->name, entered->GetGlobal(), list, retval, exception);
  entered->Exit();
  if (!exception.empty()) {
    jsc_context_throw(context, exception.ToString().c_str());
    return Undefined(context);
  }
  return handled && retval ? JscValue::ToJsc(context, retval) : Undefined(context);
}

JSCValue* Copy(JSCContext* context, CefRefPtr<CefV8Value> value, int depth);

JSCValue* CopyObject(JSCContext* context, CefRefPtr<CefV8Value> value, int depth) {
  JSCValue* object = jsc_value_new_object(context, nullptr, nullptr);
  std::vector<CefString> keys;
  if (depth < kMaxCopyDepth && value->GetKeys(keys)) {
    for (const CefString& key : keys) {
      JSCValue* property = Copy(context, value->GetValue(key), depth + 1);
      jsc_value_object_set_property(object, key.ToString().c_str(), property);
      g_object_unref(property);
    }
  }
  return object;
}

JSCValue* Copy(JSCContext* context, CefRefPtr<CefV8Value> value, int depth) {
  if (!value || value->IsUndefined())
    return Undefined(context);
  if (auto* own = dynamic_cast<JscValue*>(value.get()))
    return static_cast<JSCValue*>(g_object_ref(own->value()));
  if (value->IsNull())
    return jsc_value_new_null(context);
  if (value->IsBool())
    return jsc_value_new_boolean(context, value->GetBoolValue());
  if (value->IsDouble())
    return jsc_value_new_number(context, value->GetDoubleValue());
  if (value->IsString())
    return jsc_value_new_string(context, value->GetStringValue().ToString().c_str());
  if (value->IsFunction() && value->GetFunctionHandler()) {
    auto* function = new NativeFunction{value->GetFunctionName(), value->GetFunctionHandler()};
    return jsc_value_new_function_variadic(
        context, function->name.ToString().c_str(), G_CALLBACK(&CallNative), function,
        [](gpointer data) { delete static_cast<NativeFunction*>(data); }, JSC_TYPE_VALUE);
  }
  if (value->IsObject())
    return CopyObject(context, value, depth);
  return Undefined(context);
}

// What the call gives, NULL when it threw (the exception is cleared).
CefRefPtr<CefV8Value> Finish(JSCContext* context, JSCValue* result) {
  if (JSCException* exception = jsc_context_get_exception(context)) {
    (void)exception;
    jsc_context_clear_exception(context);
    if (result)
      g_object_unref(result);
    return nullptr;
  }
  CefRefPtr<CefV8Value> wrapped = JscValue::Wrap(result);
  if (result)
    g_object_unref(result);
  return wrapped;
}

}  // namespace

CefRefPtr<CefV8Value> JscValue::Wrap(JSCValue* value) { return value ? new JscValue(value) : nullptr; }

JSCValue* JscValue::ToJsc(JSCContext* context, CefRefPtr<CefV8Value> value) { return Copy(context, value, 0); }

bool JscValue::IsInt() {
  if (!jsc_value_is_number(value()))
    return false;
  const double number = jsc_value_to_double(value());
  return std::trunc(number) == number && number >= std::numeric_limits<int32>::min() &&
         number <= std::numeric_limits<int32>::max();
}

bool JscValue::IsUInt() {
  if (!jsc_value_is_number(value()))
    return false;
  const double number = jsc_value_to_double(value());
  return std::trunc(number) == number && number >= 0 && number <= std::numeric_limits<uint32>::max();
}

bool JscValue::IsSame(CefRefPtr<CefV8Value> that) {
  auto* other = dynamic_cast<JscValue*>(that.get());
  if (!other)
    return false;
  if (IsObject() || other->IsObject())
    return value() == other->value();
  if (IsUndefined() || IsNull())
    return IsUndefined() == other->IsUndefined() && IsNull() == other->IsNull();
  if (IsBool())
    return other->IsBool() && GetBoolValue() == other->GetBoolValue();
  if (IsDouble())
    return other->IsDouble() && GetDoubleValue() == other->GetDoubleValue();
  return other->IsString() && GetStringValue() == other->GetStringValue();
}

bool JscValue::GetBoolValue() { return IsBool() && jsc_value_to_boolean(value()); }

int32 JscValue::GetIntValue() { return IsDouble() ? jsc_value_to_int32(value()) : 0; }

uint32 JscValue::GetUIntValue() { return IsDouble() ? static_cast<uint32>(jsc_value_to_double(value())) : 0; }

double JscValue::GetDoubleValue() { return IsDouble() ? jsc_value_to_double(value()) : 0; }

// Page values reach messages through here: straight from JavaScriptCore's
// UTF-8 to the string's own UTF-16.
CefString JscValue::GetStringValue() {
  if (!IsString())
    return CefString();
  const std::unique_ptr<GBytes, decltype(&g_bytes_unref)> bytes(jsc_value_to_string_as_bytes(value()),
                                                                &g_bytes_unref);
  if (!bytes)
    return CefString();
  gsize size = 0;
  const auto* text = static_cast<const char*>(g_bytes_get_data(bytes.get(), &size));
  return Utf16OfUtf8(text, size);
}

bool JscValue::HasValue(const CefString& key) {
  return IsObject() && jsc_value_object_has_property(value(), key.ToString().c_str());
}

bool JscValue::DeleteValue(const CefString& key) {
  return IsObject() && jsc_value_object_delete_property(value(), key.ToString().c_str());
}

CefRefPtr<CefV8Value> JscValue::GetValue(const CefString& key) {
  if (!HasValue(key))
    return nullptr;
  JSCValue* property = jsc_value_object_get_property(value(), key.ToString().c_str());
  CefRefPtr<CefV8Value> wrapped = Wrap(property);
  if (property)
    g_object_unref(property);
  return wrapped;
}

// Defined as native code defines it: the attributes are the ones given.
bool JscValue::SetValue(const CefString& key, CefRefPtr<CefV8Value> value, PropertyAttribute attribute) {
  if (!IsObject())
    return false;
  JSCContext* context = jsc_value_get_context(this->value());
  JSCValue* property = ToJsc(context, value);
  int flags = JSC_VALUE_PROPERTY_CONFIGURABLE | JSC_VALUE_PROPERTY_ENUMERABLE | JSC_VALUE_PROPERTY_WRITABLE;
  if (attribute & V8_PROPERTY_ATTRIBUTE_READONLY)
    flags &= ~JSC_VALUE_PROPERTY_WRITABLE;
  if (attribute & V8_PROPERTY_ATTRIBUTE_DONTENUM)
    flags &= ~JSC_VALUE_PROPERTY_ENUMERABLE;
  if (attribute & V8_PROPERTY_ATTRIBUTE_DONTDELETE)
    flags &= ~JSC_VALUE_PROPERTY_CONFIGURABLE;
  jsc_value_object_define_property_data(this->value(), key.ToString().c_str(),
                                        static_cast<JSCValuePropertyFlags>(flags), property);
  g_object_unref(property);
  return true;
}

bool JscValue::GetKeys(std::vector<CefString>& keys) {
  keys.clear();
  if (!IsObject())
    return false;
  gchar** names = jsc_value_object_enumerate_properties(value());
  for (gchar** name = names; name && *name; ++name)
    keys.push_back(CefString(*name));
  g_strfreev(names);
  return true;
}

CefString JscValue::GetFunctionName() {
  if (!IsFunction())
    return CefString();
  CefRefPtr<CefV8Value> name = GetValue("name");
  return name ? name->GetStringValue() : CefString();
}

CefRefPtr<CefV8Value> JscValue::ExecuteFunction(CefRefPtr<CefV8Value> object, const CefV8ValueList& arguments) {
  if (!IsFunction())
    return nullptr;
  JSCContext* context = jsc_value_get_context(value());
  GPtrArray* values = g_ptr_array_new_with_free_func(g_object_unref);
  for (const CefRefPtr<CefV8Value>& argument : arguments)
    g_ptr_array_add(values, ToJsc(context, argument));
  JSCValue* result = jsc_value_function_callv(value(), values->len, reinterpret_cast<JSCValue**>(values->pdata));
  g_ptr_array_unref(values);
  return Finish(context, result);
}

CefRefPtr<CefV8Value> JscValue::ExecuteFunctionWithContext(CefRefPtr<CefV8Context> context,
                                                           CefRefPtr<CefV8Value> object,
                                                           const CefV8ValueList& arguments) {
  if (!context || !context->Enter())
    return nullptr;
  CefRefPtr<CefV8Value> result = ExecuteFunction(object, arguments);
  context->Exit();
  return result;
}

}  // namespace cef_internal
