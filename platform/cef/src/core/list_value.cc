#include "src/core/list_value.h"

namespace cef_internal {

namespace {
// Larger lists are refused rather than risking an allocation failure.
const size_t kMaxSize = 1 << 20;
}  // namespace

bool ListValue::IsValid() {
  std::lock_guard<std::mutex> held(lock_);
  return valid_;
}

bool ListValue::IsOwned() {
  std::lock_guard<std::mutex> held(lock_);
  return owned_;
}

bool ListValue::IsReadOnly() {
  std::lock_guard<std::mutex> held(lock_);
  return read_only_;
}

bool ListValue::IsSame(CefRefPtr<CefListValue> that) { return that.get() == this; }

bool ListValue::IsEqual(CefRefPtr<CefListValue> that) {
  if (!that)
    return false;
  if (that.get() == this)
    return true;
  ListValue* other = dynamic_cast<ListValue*>(that.get());
  if (!other)
    return false;
  const std::vector<Value> mine = Snapshot();
  const std::vector<Value> theirs = other->Snapshot();
  if (mine.size() != theirs.size())
    return false;
  for (size_t i = 0; i < mine.size(); ++i) {
    if (mine[i].index() != theirs[i].index())
      return false;
    if (const auto* list = std::get_if<CefRefPtr<ListValue>>(&mine[i])) {
      if (!(*list)->IsEqual(std::get<CefRefPtr<ListValue>>(theirs[i]).get()))
        return false;
    } else if (!(mine[i] == theirs[i])) {
      return false;
    }
  }
  return true;
}

// Deep: nested lists are copied too.
CefRefPtr<CefListValue> ListValue::Copy() {
  CefRefPtr<ListValue> copy = new ListValue();
  for (Value& value : Snapshot()) {
    if (auto* list = std::get_if<CefRefPtr<ListValue>>(&value))
      value = CefRefPtr<ListValue>(static_cast<ListValue*>((*list)->Copy().get()));
    copy->values_.push_back(value);
  }
  return copy.get();
}

bool ListValue::SetSize(size_t size) {
  std::lock_guard<std::mutex> held(lock_);
  if (!valid_ || read_only_ || size > kMaxSize)
    return false;
  values_.resize(size);
  return true;
}

size_t ListValue::GetSize() {
  std::lock_guard<std::mutex> held(lock_);
  return valid_ ? values_.size() : 0;
}

bool ListValue::Clear() { return SetSize(0); }

bool ListValue::Remove(int index) {
  std::lock_guard<std::mutex> held(lock_);
  if (!valid_ || read_only_ || index < 0 || static_cast<size_t>(index) >= values_.size())
    return false;
  values_.erase(values_.begin() + index);
  return true;
}

CefValueType ListValue::GetType(int index) {
  static const CefValueType kTypes[] = {VTYPE_NULL, VTYPE_BOOL, VTYPE_INT, VTYPE_DOUBLE, VTYPE_STRING, VTYPE_LIST};
  std::lock_guard<std::mutex> held(lock_);
  if (!valid_ || index < 0 || static_cast<size_t>(index) >= values_.size())
    return VTYPE_INVALID;
  return kTypes[values_[index].index()];
}

bool ListValue::GetBool(int index) { return Get<bool>(index, false); }
int ListValue::GetInt(int index) { return Get<int>(index, 0); }
double ListValue::GetDouble(int index) { return Get<double>(index, 0.0); }
CefString ListValue::GetString(int index) { return Get<std::u16string>(index, std::u16string()); }
CefRefPtr<CefListValue> ListValue::GetList(int index) {
  return Get<CefRefPtr<ListValue>>(index, nullptr).get();
}

bool ListValue::SetNull(int index) { return Set(index, Null()); }
bool ListValue::SetBool(int index, bool value) { return Set(index, value); }
bool ListValue::SetInt(int index, int value) { return Set(index, value); }
bool ListValue::SetDouble(int index, double value) { return Set(index, value); }
bool ListValue::SetString(int index, const CefString& value) { return Set(index, value.ToString16()); }

// The list keeps a copy: a list cannot be a member of itself or share
// members with another list.
bool ListValue::SetList(int index, CefRefPtr<CefListValue> value) {
  ListValue* list = dynamic_cast<ListValue*>(value.get());
  if (!list)
    return false;
  return Set(index, CefRefPtr<ListValue>(static_cast<ListValue*>(list->Copy().get())));
}

std::vector<ListValue::Value> ListValue::Snapshot() {
  std::lock_guard<std::mutex> held(lock_);
  return valid_ ? values_ : std::vector<Value>();
}

bool ListValue::Set(int index, Value value) {
  std::lock_guard<std::mutex> held(lock_);
  if (!valid_ || read_only_ || index < 0 || static_cast<size_t>(index) >= kMaxSize)
    return false;
  if (static_cast<size_t>(index) >= values_.size())
    values_.resize(static_cast<size_t>(index) + 1);
  values_[index] = std::move(value);
  return true;
}

template <typename T>
T ListValue::Get(int index, T fallback) {
  std::lock_guard<std::mutex> held(lock_);
  if (!valid_ || index < 0 || static_cast<size_t>(index) >= values_.size())
    return fallback;
  if (const T* value = std::get_if<T>(&values_[index]))
    return *value;
  return fallback;
}

}  // namespace cef_internal

CefRefPtr<CefListValue> CefListValue::Create() { return new cef_internal::ListValue(); }
