// Value containers passed between processes. A list built on one thread
// may be read on another: every access takes the list's lock.
#pragma once

#include "include/cef_base.h"

typedef cef_value_type_t CefValueType;

class CefListValue : public virtual CefBase {
 public:
  static CefRefPtr<CefListValue> Create();

  // False once the owner (e.g. a sent process message) has let go of it.
  virtual bool IsValid() = 0;
  virtual bool IsOwned() = 0;
  virtual bool IsReadOnly() = 0;
  virtual bool IsSame(CefRefPtr<CefListValue> that) = 0;
  virtual bool IsEqual(CefRefPtr<CefListValue> that) = 0;
  virtual CefRefPtr<CefListValue> Copy() = 0;
  // Grows with null values or shrinks from the end.
  virtual bool SetSize(size_t size) = 0;
  virtual size_t GetSize() = 0;
  virtual bool Clear() = 0;
  virtual bool Remove(int index) = 0;
  // VTYPE_INVALID for an index out of range.
  virtual CefValueType GetType(int index) = 0;
  // Getters return false / 0 / 0.0 / "" / NULL for a missing index or another type.
  virtual bool GetBool(int index) = 0;
  virtual int GetInt(int index) = 0;
  virtual double GetDouble(int index) = 0;
  virtual CefString GetString(int index) = 0;
  virtual CefRefPtr<CefListValue> GetList(int index) = 0;
  // Setters grow the list to hold |index|; false if read-only or index < 0.
  virtual bool SetNull(int index) = 0;
  virtual bool SetBool(int index, bool value) = 0;
  virtual bool SetInt(int index, int value) = 0;
  virtual bool SetDouble(int index, double value) = 0;
  virtual bool SetString(int index, const CefString& value) = 0;
  virtual bool SetList(int index, CefRefPtr<CefListValue> value) = 0;
};
