// Reads the binary version structure back, for checking what the resource compiler wrote.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

inline uint16_t U16(const unsigned char* b, size_t at) { return b[at] | b[at + 1] << 8; }
inline uint32_t U32(const unsigned char* b, size_t at) { return U16(b, at) | uint32_t(U16(b, at + 2)) << 16; }
inline uint16_t U16(const std::vector<unsigned char>& b, size_t at) { return U16(b.data(), at); }
inline uint32_t U32(const std::vector<unsigned char>& b, size_t at) { return U32(b.data(), at); }

// One node: length, value length, type, key, where its value starts, and its children.
struct VersionNodeView {
  uint16_t length, valueLength, type;
  std::u16string key;
  size_t valueAt;
  std::vector<VersionNodeView> children;

  const VersionNodeView* Child(const std::u16string& name) const {
    for (const VersionNodeView& child : children)
      if (child.key == name)
        return &child;
    return nullptr;
  }
};

inline VersionNodeView ReadNode(const unsigned char* b, size_t at) {
  VersionNodeView node{U16(b, at), U16(b, at + 2), U16(b, at + 4), {}, 0, {}};
  size_t p = at + 6;
  while (U16(b, p) != 0) {
    node.key += char16_t(U16(b, p));
    p += 2;
  }
  p = (p + 2 + 3) & ~size_t(3);
  node.valueAt = p;
  p += node.type == 1 ? node.valueLength * 2 : node.valueLength;
  for (p = (p + 3) & ~size_t(3); p < at + node.length; p = (p + 3) & ~size_t(3)) {
    node.children.push_back(ReadNode(b, p));
    p += node.children.back().length;
  }
  return node;
}
inline VersionNodeView ReadNode(const std::vector<unsigned char>& b, size_t at) { return ReadNode(b.data(), at); }

// A text value, without its terminator.
inline std::u16string TextOf(const unsigned char* b, const VersionNodeView& node) {
  std::u16string text;
  for (size_t i = 0; i + 1 < node.valueLength; ++i)
    text += char16_t(U16(b, node.valueAt + 2 * i));
  return text;
}
