#include "src/transport/record_codec.h"

#include <cstring>

namespace cef_internal {

void RecordWriter::Raw(const void* data, size_t size) {
  bytes_.append(static_cast<const char*>(data), size);
}

void RecordWriter::Text(const CefString& text) {
  U32(static_cast<uint32_t>(text.length()));
  Raw(text.c_str(), text.length() * sizeof(char16));
}

bool RecordReader::Raw(void* data, size_t size) {
  if (remaining() < size)
    return false;
  std::memcpy(data, bytes_.data() + offset_, size);
  offset_ += size;
  return true;
}

bool RecordReader::Count(uint32_t* count, size_t min_item_bytes) {
  uint32_t value = 0;
  if (!U32(&value) || (min_item_bytes && value > remaining() / min_item_bytes))
    return false;
  *count = value;
  return true;
}

bool RecordReader::Text(CefString* text) {
  uint32_t length = 0;
  if (!Count(&length, sizeof(char16)))
    return false;
  std::u16string units(length, u'\0');
  if (!Raw(&units[0], length * sizeof(char16)))
    return false;
  *text = units;
  return true;
}

}  // namespace cef_internal
