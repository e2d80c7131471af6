// The primitive fields of a record: fixed-size numbers in the machine's own
// order (both ends are the same executable) and UTF-16 texts with a count.
#pragma once

#include <cstdint>
#include <string>

#include "include/internal/cef_string.h"

namespace cef_internal {

class RecordWriter {
 public:
  void U8(uint8_t value) { Raw(&value, sizeof(value)); }
  void I32(int32_t value) { Raw(&value, sizeof(value)); }
  void U32(uint32_t value) { Raw(&value, sizeof(value)); }
  void F64(double value) { Raw(&value, sizeof(value)); }
  void Text(const CefString& text);

  std::string& bytes() { return bytes_; }

 private:
  void Raw(const void* data, size_t size);

  std::string bytes_;
};

// Every read fails, leaving the output alone, when the record is too short.
class RecordReader {
 public:
  explicit RecordReader(const std::string& bytes) : bytes_(bytes) {}

  bool U8(uint8_t* value) { return Raw(value, sizeof(*value)); }
  bool I32(int32_t* value) { return Raw(value, sizeof(*value)); }
  bool U32(uint32_t* value) { return Raw(value, sizeof(*value)); }
  bool F64(double* value) { return Raw(value, sizeof(*value)); }
  bool Text(CefString* text);
  // A count of items that each take at least |min_item_bytes|: fails when
  // the rest of the record could not hold them.
  bool Count(uint32_t* count, size_t min_item_bytes);

  size_t remaining() const { return bytes_.size() - offset_; }

 private:
  bool Raw(void* data, size_t size);

  const std::string& bytes_;
  size_t offset_ = 0;
};

}  // namespace cef_internal
