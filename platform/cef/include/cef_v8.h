// The renderer's JavaScript binding: contexts, values and native functions.
// Every object here belongs to the render thread and is used only on it.
#pragma once

#include <vector>

#include "include/cef_base.h"
#include "include/cef_browser.h"
#include "include/cef_frame.h"

class CefV8Exception;
class CefV8Handler;
class CefV8StackFrame;
class CefV8Value;

typedef enum {
  V8_PROPERTY_ATTRIBUTE_NONE = 0,
  V8_PROPERTY_ATTRIBUTE_READONLY = 1 << 0,
  V8_PROPERTY_ATTRIBUTE_DONTENUM = 1 << 1,
  V8_PROPERTY_ATTRIBUTE_DONTDELETE = 1 << 2,
} cef_v8_propertyattribute_t;

typedef std::vector<CefRefPtr<CefV8Value> > CefV8ValueList;

// A JavaScript context: one per frame and document. A context is valid from
// OnContextCreated until OnContextReleased.
class CefV8Context : public virtual CefBase {
 public:
  // The context of the function now running on the render thread, or NULL
  // outside script.
  static CefRefPtr<CefV8Context> GetCurrentContext();
  static bool InContext();

  virtual bool IsValid() = 0;
  // NULL once the context has been released.
  virtual CefRefPtr<CefBrowser> GetBrowser() = 0;
  virtual CefRefPtr<CefFrame> GetFrame() = 0;
  // The window object.
  virtual CefRefPtr<CefV8Value> GetGlobal() = 0;
  // Makes this the current context until the matching Exit.
  virtual bool Enter() = 0;
  virtual bool Exit() = 0;
  virtual bool IsSame(CefRefPtr<CefV8Context> that) = 0;
};

// Native code behind a function value made by CefV8Value::CreateFunction.
class CefV8Handler : public virtual CefBase {
 public:
  // Called on the render thread when script calls the function |name| with
  // receiver |object|. Return true when handled: |retval| (left empty for
  // undefined) or |exception| (a message thrown into the script) is the
  // result. Returning false makes the call yield undefined.
  virtual bool Execute(const CefString& name, CefRefPtr<CefV8Value> object,
                       const CefV8ValueList& arguments, CefRefPtr<CefV8Value>& retval,
                       CefString& exception) = 0;
};

// A script error, as reported to OnUncaughtException.
class CefV8Exception : public virtual CefBase {
 public:
  virtual CefString GetMessage() = 0;
  virtual CefString GetSourceLine() = 0;
  virtual CefString GetScriptResourceName() = 0;
  virtual int GetLineNumber() = 0;
  virtual int GetStartPosition() = 0;
  virtual int GetEndPosition() = 0;
  virtual int GetStartColumn() = 0;
  virtual int GetEndColumn() = 0;
};

class CefV8StackTrace : public virtual CefBase {
 public:
  virtual bool IsValid() = 0;
  virtual int GetFrameCount() = 0;
  virtual CefRefPtr<CefV8StackFrame> GetFrame(int index) = 0;
};

class CefV8StackFrame : public virtual CefBase {
 public:
  virtual bool IsValid() = 0;
  virtual CefString GetScriptName() = 0;
  virtual CefString GetFunctionName() = 0;
  virtual int GetLineNumber() = 0;
  virtual int GetColumn() = 0;
};

// A JavaScript value. Numbers are one type: IsInt and IsUInt tell whether a
// number is integral and fits, IsDouble is true for every number.
class CefV8Value : public virtual CefBase {
 public:
  typedef cef_v8_propertyattribute_t PropertyAttribute;

  static CefRefPtr<CefV8Value> CreateUndefined();
  static CefRefPtr<CefV8Value> CreateNull();
  static CefRefPtr<CefV8Value> CreateBool(bool value);
  static CefRefPtr<CefV8Value> CreateInt(int32 value);
  static CefRefPtr<CefV8Value> CreateUInt(uint32 value);
  static CefRefPtr<CefV8Value> CreateDouble(double value);
  static CefRefPtr<CefV8Value> CreateString(const CefString& value);
  // A plain object without properties.
  static CefRefPtr<CefV8Value> CreateObject();
  // A function that calls |handler| with |name|. NULL without a handler.
  static CefRefPtr<CefV8Value> CreateFunction(const CefString& name,
                                              CefRefPtr<CefV8Handler> handler);

  virtual bool IsValid() = 0;
  virtual bool IsUndefined() = 0;
  virtual bool IsNull() = 0;
  virtual bool IsBool() = 0;
  virtual bool IsInt() = 0;
  virtual bool IsUInt() = 0;
  virtual bool IsDouble() = 0;
  virtual bool IsString() = 0;
  // True for functions too.
  virtual bool IsObject() = 0;
  virtual bool IsFunction() = 0;
  // Objects and functions are the same when they are one object; other
  // values when their type and content are equal.
  virtual bool IsSame(CefRefPtr<CefV8Value> that) = 0;

  // Each getter answers false, 0 or an empty string for another type.
  virtual bool GetBoolValue() = 0;
  virtual int32 GetIntValue() = 0;
  virtual uint32 GetUIntValue() = 0;
  virtual double GetDoubleValue() = 0;
  virtual CefString GetStringValue() = 0;

  // Properties of objects and functions; on other values these fail.
  virtual bool HasValue(const CefString& key) = 0;
  // False for a property that cannot be deleted.
  virtual bool DeleteValue(const CefString& key) = 0;
  // NULL when there is no such property.
  virtual CefRefPtr<CefV8Value> GetValue(const CefString& key) = 0;
  // Defines the property from native code: value and attributes are replaced
  // even when the property was read-only.
  virtual bool SetValue(const CefString& key, CefRefPtr<CefV8Value> value,
                        PropertyAttribute attribute) = 0;
  // The enumerable keys in the order they were first defined.
  virtual bool GetKeys(std::vector<CefString>& keys) = 0;

  virtual CefString GetFunctionName() = 0;
  virtual CefRefPtr<CefV8Handler> GetFunctionHandler() = 0;
  // Calls the function in the current context with |object| as receiver (the
  // global object when NULL). Returns the result, or NULL when this is not a
  // function, there is no current context or the call threw.
  virtual CefRefPtr<CefV8Value> ExecuteFunction(CefRefPtr<CefV8Value> object,
                                                const CefV8ValueList& arguments) = 0;
  // As ExecuteFunction, inside |context|.
  virtual CefRefPtr<CefV8Value> ExecuteFunctionWithContext(
      CefRefPtr<CefV8Context> context, CefRefPtr<CefV8Value> object,
      const CefV8ValueList& arguments) = 0;
};
