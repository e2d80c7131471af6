#include "src/webkit/gtk/arguments_wire.h"

#include <glib.h>

#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

#include "src/webkit/gtk/message_text.h"

namespace cef_internal {

namespace {

// A variant's alignment, that of every element of "av".
const size_t kAlignMask = 7;

size_t Aligned(size_t offset) { return (offset + kAlignMask) & ~kAlignMask; }

// The width of the framing offsets of an array |size| bytes long.
size_t OffsetWidth(size_t size) {
  if (size > 0xFFFFFFFFu)
    return 8;
  if (size > 0xFFFF)
    return 4;
  if (size > 0xFF)
    return 2;
  return size > 0 ? 1 : 0;
}

// The narrowest width whose offsets fit with a |body| and |count| of them.
size_t OffsetWidthFor(size_t body, size_t count) {
  for (size_t width = 1; width < 8; width *= 2) {
    if (body + width * count <= (size_t{1} << (8 * width)) - 1)
      return width;
  }
  return 8;
}

size_t ReadOffset(const unsigned char* at, size_t width) {
  size_t value = 0;
  for (size_t k = 0; k < width; ++k)
    value |= static_cast<size_t>(at[k]) << (8 * k);
  return value;
}

template <typename T>
void AppendRaw(T value, std::string* out) {
  out->append(reinterpret_cast<const char*>(&value), sizeof(value));
}

void WriteList(CefListValue* list, int depth, std::string* out);

// One value as a variant: its data, a NUL, its type.
void WriteValue(CefListValue* list, int index, int depth, std::string* out) {
  const char* type = "()";
  switch (list->GetType(index)) {
    case VTYPE_BOOL:
      out->push_back(list->GetBool(index) ? 1 : 0);
      type = "b";
      break;
    case VTYPE_INT:
      AppendRaw<int32_t>(list->GetInt(index), out);
      type = "i";
      break;
    case VTYPE_DOUBLE:
      AppendRaw<double>(list->GetDouble(index), out);
      type = "d";
      break;
    case VTYPE_STRING:
      AppendUtf8(list->GetString(index), out);
      out->push_back('\0');
      type = "s";
      break;
    case VTYPE_LIST:
      if (depth < kMaxArgumentDepth) {
        WriteList(list->GetList(index).get(), depth + 1, out);
        type = "av";
        break;
      }
      out->push_back('\0');
      break;
    default:
      out->push_back('\0');
      break;
  }
  out->push_back('\0');
  out->append(type);
}

// Elements start 8-aligned from the array's start, which is itself 8-aligned
// from the buffer's; the end of each follows the last, as framing offsets.
void WriteList(CefListValue* list, int depth, std::string* out) {
  const size_t start = out->size();
  const size_t count = list ? list->GetSize() : 0;
  size_t few[16];
  std::vector<size_t> many(count > 16 ? count : 0);
  size_t* ends = count > 16 ? many.data() : few;
  for (size_t i = 0; i < count; ++i) {
    out->resize(start + Aligned(out->size() - start), '\0');
    WriteValue(list, static_cast<int>(i), depth, out);
    ends[i] = out->size() - start;
  }
  const size_t width = OffsetWidthFor(out->size() - start, count);
  for (size_t i = 0; i < count; ++i) {
    for (size_t k = 0; k < width; ++k)
      out->push_back(static_cast<char>(ends[i] >> (8 * k)));
  }
}

enum class Kind { kBool, kInt, kDouble, kString, kList };

struct Value {
  Kind kind;
  const unsigned char* data;
  size_t size;
};

// The value inside the variant |data|, when the variant is in normal form and
// holds one of the message's types.
bool OpenVariant(const unsigned char* data, size_t size, Value* value) {
  if (size == 0)
    return false;
  size_t separator = size - 1;
  while (separator > 0 && data[separator] != '\0')
    --separator;
  if (data[separator] != '\0')
    return false;
  const std::string_view type(reinterpret_cast<const char*>(data + separator + 1), size - separator - 1);
  static constexpr struct {
    std::string_view name;
    Kind kind;
    size_t fixed_size;  // 0: any
  } kTypes[] = {{"s", Kind::kString, 0}, {"b", Kind::kBool, 1}, {"i", Kind::kInt, 4}, {"d", Kind::kDouble, 8},
                {"av", Kind::kList, 0}};
  for (const auto& known : kTypes) {
    if (type != known.name)
      continue;
    if (known.fixed_size && known.fixed_size != separator)
      return false;
    *value = Value{known.kind, data, separator};
    return true;
  }
  return false;
}

// Reads the array |data| into |list|; with no list, only checks that all of
// it is in normal form, which the reading then takes for granted.
bool ReadList(const unsigned char* data, size_t size, int depth, CefListValue* list, std::u16string* text) {
  if (depth > kMaxArgumentDepth)
    return false;
  const size_t width = OffsetWidth(size);
  size_t count = 0;
  size_t last_end = 0;
  const unsigned char* table = nullptr;
  if (size > 0) {
    last_end = ReadOffset(data + size - width, width);
    if (last_end > size || (size - last_end) % width != 0 || last_end == size)
      return false;
    count = (size - last_end) / width;
    table = data + last_end;
  }
  if (list)
    list->SetSize(count);
  size_t previous_end = 0;
  for (size_t i = 0; i < count; ++i) {
    const size_t start = Aligned(previous_end);
    const size_t end = ReadOffset(table + i * width, width);
    if (!list) {
      if (end < start || end > last_end)
        return false;
      for (size_t pad = previous_end; pad < start; ++pad) {
        if (data[pad] != '\0')
          return false;
      }
    }
    previous_end = end;
    Value value;
    if (!OpenVariant(data + start, end - start, &value))
      return false;
    const int index = static_cast<int>(i);
    switch (value.kind) {
      case Kind::kBool:
        if (value.data[0] > 1)
          return false;
        if (list)
          list->SetBool(index, value.data[0] != 0);
        break;
      case Kind::kInt:
        if (list) {
          int32_t number;
          std::memcpy(&number, value.data, sizeof(number));
          list->SetInt(index, number);
        }
        break;
      case Kind::kDouble:
        if (list) {
          double number;
          std::memcpy(&number, value.data, sizeof(number));
          list->SetDouble(index, number);
        }
        break;
      case Kind::kString: {
        const char* chars = reinterpret_cast<const char*>(value.data);
        const size_t length = value.size - 1;
        if (!list) {
          if (value.size == 0 || chars[length] != '\0' || !g_utf8_validate_len(chars, length, nullptr))
            return false;
          break;
        }
        if (text->size() < length)
          text->resize(length);
        const cef_string_t units = {text->data(), WellFormedUtf8ToUtf16(chars, length, text->data()), nullptr};
        list->SetString(index, CefString(&units));
        break;
      }
      case Kind::kList:
        if (!list) {
          if (!ReadList(value.data, value.size, depth + 1, nullptr, text))
            return false;
        } else {
          CefRefPtr<CefListValue> nested = CefListValue::Create();
          ReadList(value.data, value.size, depth + 1, nested.get(), text);
          list->SetList(index, nested);
        }
        break;
    }
  }
  return true;
}

}  // namespace

std::string SerialiseArguments(CefRefPtr<CefListValue> list) {
  std::string out;
  out.reserve(256);
  WriteList(list.get(), 0, &out);
  return out;
}

bool ReadNormalArguments(const void* data, size_t size, CefRefPtr<CefListValue> list) {
  const auto* bytes = static_cast<const unsigned char*>(data);
  if (!list || (size > 0 && !bytes) || !ReadList(bytes, size, 0, nullptr, nullptr))
    return false;
  std::u16string text;
  return ReadList(bytes, size, 0, list.get(), &text);
}

}  // namespace cef_internal
