// One compiled resource: its type, name and language, and its bytes, either a slice of a file
// (placed into the executable as it is) or bytes the compiler built.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct ResourceId {
    std::string name;  // empty for a numeric id
    uint16_t id = 0;

    static ResourceId Named(const std::string& name) { return ResourceId{name, 0}; }
    static ResourceId Numeric(uint16_t id) { return ResourceId{std::string(), id}; }
    bool IsNamed() const { return !name.empty(); }
};

struct ResourceEntry {
    ResourceId type;
    ResourceId name;
    uint16_t language = 0;
    std::string file;  // empty when the bytes were built
    uint64_t offset = 0;
    uint32_t size = 0;
    std::vector<unsigned char> bytes;
};

// Numeric resource types as Windows numbers them.
const uint16_t kTypeIcon = 3;
const uint16_t kTypeRcData = 10;
const uint16_t kTypeGroupIcon = 14;
const uint16_t kTypeVersion = 16;
