#include "src/transport/process_record.h"

#include "include/cef_values.h"
#include "src/transport/record_codec.h"

namespace cef_internal {

namespace {

enum class ValueTag : uint8_t { kUndefined, kNull, kBool, kInt, kDouble, kString, kObject, kThrew };

const int kMaxListDepth = 32;

void WriteValue(RecordWriter& out, CefRefPtr<CefV8Value> value) {
  if (!value) {
    out.U8(static_cast<uint8_t>(ValueTag::kThrew));
  } else if (value->IsUndefined()) {
    out.U8(static_cast<uint8_t>(ValueTag::kUndefined));
  } else if (value->IsNull()) {
    out.U8(static_cast<uint8_t>(ValueTag::kNull));
  } else if (value->IsBool()) {
    out.U8(static_cast<uint8_t>(ValueTag::kBool));
    out.U8(value->GetBoolValue() ? 1 : 0);
  } else if (value->IsInt()) {
    out.U8(static_cast<uint8_t>(ValueTag::kInt));
    out.I32(value->GetIntValue());
  } else if (value->IsDouble()) {
    out.U8(static_cast<uint8_t>(ValueTag::kDouble));
    out.F64(value->GetDoubleValue());
  } else if (value->IsString()) {
    out.U8(static_cast<uint8_t>(ValueTag::kString));
    out.Text(value->GetStringValue());
  } else {
    out.U8(static_cast<uint8_t>(ValueTag::kObject));
  }
}

bool ReadValue(RecordReader& in, CefRefPtr<CefV8Value>* value) {
  uint8_t tag = 0;
  if (!in.U8(&tag))
    return false;
  switch (static_cast<ValueTag>(tag)) {
    case ValueTag::kThrew:
      *value = nullptr;
      return true;
    case ValueTag::kUndefined:
      *value = CefV8Value::CreateUndefined();
      return true;
    case ValueTag::kNull:
      *value = CefV8Value::CreateNull();
      return true;
    case ValueTag::kBool: {
      uint8_t flag = 0;
      if (!in.U8(&flag))
        return false;
      *value = CefV8Value::CreateBool(flag != 0);
      return true;
    }
    case ValueTag::kInt: {
      int32_t number = 0;
      if (!in.I32(&number))
        return false;
      *value = CefV8Value::CreateInt(number);
      return true;
    }
    case ValueTag::kDouble: {
      double number = 0;
      if (!in.F64(&number))
        return false;
      *value = CefV8Value::CreateDouble(number);
      return true;
    }
    case ValueTag::kString: {
      CefString text;
      if (!in.Text(&text))
        return false;
      *value = CefV8Value::CreateString(text);
      return true;
    }
    case ValueTag::kObject:
      *value = CefV8Value::CreateObject();
      return true;
  }
  return false;
}

void WriteList(RecordWriter& out, CefRefPtr<CefListValue> list, int depth) {
  const int size = static_cast<int>(list->GetSize());
  out.U32(static_cast<uint32_t>(size));
  for (int i = 0; i < size; ++i) {
    const CefValueType type = list->GetType(i);
    if (type == VTYPE_LIST && depth >= kMaxListDepth) {
      out.U8(VTYPE_NULL);
      continue;
    }
    switch (type) {
      case VTYPE_BOOL:
        out.U8(VTYPE_BOOL);
        out.U8(list->GetBool(i) ? 1 : 0);
        break;
      case VTYPE_INT:
        out.U8(VTYPE_INT);
        out.I32(list->GetInt(i));
        break;
      case VTYPE_DOUBLE:
        out.U8(VTYPE_DOUBLE);
        out.F64(list->GetDouble(i));
        break;
      case VTYPE_STRING:
        out.U8(VTYPE_STRING);
        out.Text(list->GetString(i));
        break;
      case VTYPE_LIST:
        out.U8(VTYPE_LIST);
        WriteList(out, list->GetList(i), depth + 1);
        break;
      default:
        out.U8(VTYPE_NULL);
        break;
    }
  }
}

bool ReadList(RecordReader& in, CefRefPtr<CefListValue> list, int depth) {
  uint32_t size = 0;
  if (depth > kMaxListDepth || !in.Count(&size, 1))
    return false;
  list->SetSize(size);
  for (uint32_t i = 0; i < size; ++i) {
    const int index = static_cast<int>(i);
    uint8_t type = 0;
    if (!in.U8(&type))
      return false;
    switch (type) {
      case VTYPE_NULL:
        list->SetNull(index);
        break;
      case VTYPE_BOOL: {
        uint8_t flag = 0;
        if (!in.U8(&flag))
          return false;
        list->SetBool(index, flag != 0);
        break;
      }
      case VTYPE_INT: {
        int32_t number = 0;
        if (!in.I32(&number))
          return false;
        list->SetInt(index, number);
        break;
      }
      case VTYPE_DOUBLE: {
        double number = 0;
        if (!in.F64(&number))
          return false;
        list->SetDouble(index, number);
        break;
      }
      case VTYPE_STRING: {
        CefString text;
        if (!in.Text(&text))
          return false;
        list->SetString(index, text);
        break;
      }
      case VTYPE_LIST: {
        CefRefPtr<CefListValue> inner = CefListValue::Create();
        if (!ReadList(in, inner, depth + 1))
          return false;
        list->SetList(index, inner);
        break;
      }
      default:
        return false;
    }
  }
  return true;
}

}  // namespace

std::string EncodeRecord(const ProcessRecord& record) {
  RecordWriter out;
  out.U8(static_cast<uint8_t>(record.kind));
  out.I32(record.browser_id);
  switch (record.kind) {
    case RecordKind::kBrowserCreated:
    case RecordKind::kBrowserClosed:
      break;
    case RecordKind::kDocument:
      out.Text(record.frame_name);
      out.Text(record.text);
      break;
    case RecordKind::kPageCall:
      out.I32(record.call_id);
      out.I32(record.repeat);
      out.Text(record.frame_name);
      out.Text(record.text);
      out.U32(static_cast<uint32_t>(record.values.size()));
      for (const CefRefPtr<CefV8Value>& value : record.values)
        WriteValue(out, value);
      break;
    case RecordKind::kRelease:
      out.I32(record.exit_code);
      break;
    case RecordKind::kProcessMessage:
      out.Text(record.message->GetName());
      WriteList(out, record.message->GetArgumentList(), 0);
      break;
    case RecordKind::kPageAnswer:
      out.I32(record.call_id);
      out.U32(static_cast<uint32_t>(record.values.size()));
      for (size_t i = 0; i < record.values.size(); ++i) {
        WriteValue(out, record.values[i]);
        out.Text(i < record.exceptions.size() ? record.exceptions[i] : CefString());
      }
      break;
  }
  return std::move(out.bytes());
}

bool DecodeRecord(const std::string& bytes, ProcessRecord* record) {
  RecordReader in(bytes);
  uint8_t kind = 0;
  int32_t browser_id = 0;
  if (!in.U8(&kind) || !in.I32(&browser_id))
    return false;
  ProcessRecord decoded;
  decoded.kind = static_cast<RecordKind>(kind);
  decoded.browser_id = browser_id;
  bool ok = true;
  switch (decoded.kind) {
    case RecordKind::kBrowserCreated:
    case RecordKind::kBrowserClosed:
      break;
    case RecordKind::kDocument:
      ok = in.Text(&decoded.frame_name) && in.Text(&decoded.text);
      break;
    case RecordKind::kPageCall: {
      uint32_t count = 0;
      ok = in.I32(&decoded.call_id) && in.I32(&decoded.repeat) && in.Text(&decoded.frame_name) &&
           in.Text(&decoded.text) && in.Count(&count, 1);
      for (uint32_t i = 0; ok && i < count; ++i) {
        CefRefPtr<CefV8Value> value;
        ok = ReadValue(in, &value) && value;
        decoded.values.push_back(value);
      }
      break;
    }
    case RecordKind::kRelease:
      ok = in.I32(&decoded.exit_code);
      break;
    case RecordKind::kProcessMessage: {
      CefString name;
      ok = in.Text(&name);
      if (ok) {
        decoded.message = CefProcessMessage::Create(name);
        ok = ReadList(in, decoded.message->GetArgumentList(), 0);
      }
      break;
    }
    case RecordKind::kPageAnswer: {
      uint32_t count = 0;
      ok = in.I32(&decoded.call_id) && in.Count(&count, 1 + sizeof(uint32_t));
      for (uint32_t i = 0; ok && i < count; ++i) {
        CefRefPtr<CefV8Value> value;
        CefString exception;
        ok = ReadValue(in, &value) && in.Text(&exception);
        decoded.values.push_back(value);
        decoded.exceptions.push_back(exception);
      }
      break;
    }
    default:
      return false;
  }
  if (!ok || in.remaining() != 0)
    return false;
  *record = std::move(decoded);
  return true;
}

}  // namespace cef_internal
