#include "rc/version_block.h"

#include "rc/byte_writer.h"

namespace {

const uint32_t kFixedInfoSignature = 0xFEEF04BD;
const uint32_t kFixedInfoVersion = 0x00010000;
const uint16_t kFixedInfoSize = 52;

// Writes header, key and value; children follow, each on a 4-byte boundary. The length
// covers the node and its children but not the padding after the last child.
void WriteNode(ByteWriter& out, const std::string& key, bool isText, uint16_t valueLength,
               const std::vector<unsigned char>& value, const std::vector<VersionNode>& children)
{
    out.AlignTo4();
    const size_t start = out.Size();
    out.U16(0);
    out.U16(valueLength);
    out.U16(isText ? 1 : 0);
    out.Utf16z(key);
    out.AlignTo4();
    out.Bytes(value);
    for (const VersionNode& child : children) {
        if (child.isBlock) {
            WriteNode(out, child.key, true, 0, {}, child.children);
        } else if (child.isText) {
            ByteWriter text;
            text.Utf16z(child.text);
            WriteNode(out, child.key, true, static_cast<uint16_t>(text.Size() / 2), text.Data(), {});
        } else {
            WriteNode(out, child.key, false, static_cast<uint16_t>(child.data.size()), child.data, {});
        }
    }
    out.PatchU16(start, static_cast<uint16_t>(out.Size() - start));
}

}  // namespace

std::vector<unsigned char> BuildVersionResource(const VersionInfo& info)
{
    ByteWriter fixed;
    fixed.U32(kFixedInfoSignature);
    fixed.U32(kFixedInfoVersion);
    fixed.U32(info.fileVersionMS);
    fixed.U32(info.fileVersionLS);
    fixed.U32(info.productVersionMS);
    fixed.U32(info.productVersionLS);
    fixed.U32(info.fileFlagsMask);
    fixed.U32(info.fileFlags);
    fixed.U32(info.fileOS);
    fixed.U32(info.fileType);
    fixed.U32(info.fileSubtype);
    fixed.U32(0);
    fixed.U32(0);

    ByteWriter out;
    WriteNode(out, "VS_VERSION_INFO", false, kFixedInfoSize, fixed.Data(), info.children);
    return out.Data();
}
