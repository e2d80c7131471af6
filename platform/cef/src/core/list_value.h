// CefListValue: a lock-guarded vector of variant values. A list owned by a
// process message becomes read-only with it; a detached list is invalid.
#pragma once

#include <mutex>
#include <string>
#include <variant>
#include <vector>

#include "include/cef_values.h"

namespace cef_internal {

class ListValue : public CefListValue {
 public:
  ListValue() = default;

  // Owner side: a message marks its list owned, read-only when sent, and
  // invalid when the message lets go of it.
  void SetOwned() { std::lock_guard<std::mutex> held(lock_); owned_ = true; }
  void SetReadOnly() { std::lock_guard<std::mutex> held(lock_); read_only_ = true; }
  void Invalidate() { std::lock_guard<std::mutex> held(lock_); valid_ = false; }

  bool IsValid() override;
  bool IsOwned() override;
  bool IsReadOnly() override;
  bool IsSame(CefRefPtr<CefListValue> that) override;
  bool IsEqual(CefRefPtr<CefListValue> that) override;
  CefRefPtr<CefListValue> Copy() override;
  bool SetSize(size_t size) override;
  size_t GetSize() override;
  bool Clear() override;
  bool Remove(int index) override;
  CefValueType GetType(int index) override;
  bool GetBool(int index) override;
  int GetInt(int index) override;
  double GetDouble(int index) override;
  CefString GetString(int index) override;
  CefRefPtr<CefListValue> GetList(int index) override;
  bool SetNull(int index) override;
  bool SetBool(int index, bool value) override;
  bool SetInt(int index, int value) override;
  bool SetDouble(int index, double value) override;
  bool SetString(int index, const CefString& value) override;
  bool SetList(int index, CefRefPtr<CefListValue> value) override;

 private:
  struct Null {
    bool operator==(const Null&) const { return true; }
  };
  typedef std::variant<Null, bool, int, double, std::u16string, CefRefPtr<ListValue>> Value;

  std::vector<Value> Snapshot();
  bool Set(int index, Value value);
  template <typename T>
  T Get(int index, T fallback);

  std::mutex lock_;
  std::vector<Value> values_;
  bool valid_ = true;
  bool owned_ = false;
  bool read_only_ = false;

  IMPLEMENT_REFCOUNTING(ListValue);
};

}  // namespace cef_internal
