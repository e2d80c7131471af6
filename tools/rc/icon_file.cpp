#include "rc/icon_file.h"

#include "rc/byte_writer.h"
#include "rc/rc_error.h"

#include <fstream>
#include <iterator>

namespace {

uint16_t ReadU16(const std::vector<unsigned char>& b, size_t at) { return b[at] | b[at + 1] << 8; }
uint32_t ReadU32(const std::vector<unsigned char>& b, size_t at)
{
    return ReadU16(b, at) | static_cast<uint32_t>(ReadU16(b, at + 2)) << 16;
}

const size_t kDirHeader = 6;
const size_t kDirEntry = 16;
const size_t kBitmapHeader = 40;

}  // namespace

void AddIconResources(const std::string& path, const ResourceId& name, uint16_t language,
                      uint16_t& nextIconId, std::vector<ResourceEntry>& out)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw RcError(path, "cannot open icon file");
    const std::vector<unsigned char> file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (file.size() < kDirHeader || ReadU16(file, 0) != 0 || ReadU16(file, 2) != 1)
        throw RcError(path, "not an icon file");
    const uint16_t count = ReadU16(file, 4);
    if (count == 0 || file.size() < kDirHeader + count * kDirEntry)
        throw RcError(path, "icon directory is empty or cut short");

    ByteWriter group;
    group.U16(0);
    group.U16(1);
    group.U16(count);
    for (uint16_t i = 0; i < count; ++i) {
        const size_t entry = kDirHeader + i * kDirEntry;
        const uint32_t size = ReadU32(file, entry + 8);
        const uint32_t offset = ReadU32(file, entry + 12);
        if (size == 0 || offset > file.size() || size > file.size() - offset)
            throw RcError(path, "icon image " + std::to_string(i + 1) + " lies outside the file");
        uint16_t planes = ReadU16(file, entry + 4);
        uint16_t bitCount = ReadU16(file, entry + 6);
        // A bitmap image states its format in its own header, which is what Windows reads.
        if (size >= kBitmapHeader && ReadU32(file, offset) == kBitmapHeader) {
            planes = ReadU16(file, offset + 12);
            bitCount = ReadU16(file, offset + 14);
        }
        if (nextIconId == 0xFFFF)
            throw RcError(path, "too many icon images");
        const uint16_t id = nextIconId++;

        ResourceEntry image;
        image.type = ResourceId::Numeric(kTypeIcon);
        image.name = ResourceId::Numeric(id);
        image.language = language;
        image.file = path;
        image.offset = offset;
        image.size = size;
        out.push_back(image);

        group.U8(file[entry]);
        group.U8(file[entry + 1]);
        group.U8(file[entry + 2]);
        group.U8(0);
        group.U16(planes);
        group.U16(bitCount);
        group.U32(size);
        group.U16(id);
    }
    ResourceEntry directory;
    directory.type = ResourceId::Numeric(kTypeGroupIcon);
    directory.name = name;
    directory.language = language;
    directory.bytes = group.Data();
    directory.size = static_cast<uint32_t>(directory.bytes.size());
    out.push_back(directory);
}
