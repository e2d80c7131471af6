// Little-endian writing of the binary structures that resources hold.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class ByteWriter {
public:
    void U8(uint8_t v) { m_bytes.push_back(v); }
    void U16(uint16_t v) { U8(v & 0xFF); U8(v >> 8); }
    void U32(uint32_t v) { U16(v & 0xFFFF); U16(v >> 16); }
    void Bytes(const std::vector<unsigned char>& bytes) { m_bytes.insert(m_bytes.end(), bytes.begin(), bytes.end()); }
    // UTF-8 text as UTF-16 with a terminating zero.
    void Utf16z(const std::string& utf8);
    void AlignTo4() { while (m_bytes.size() % 4) U8(0); }
    void PatchU16(size_t at, uint16_t v) { m_bytes[at] = v & 0xFF; m_bytes[at + 1] = v >> 8; }

    size_t Size() const { return m_bytes.size(); }
    const std::vector<unsigned char>& Data() const { return m_bytes; }

private:
    std::vector<unsigned char> m_bytes;
};

// UTF-8 to UTF-16 code units; throws RcError on malformed text.
std::u16string Utf8ToUtf16(const std::string& utf8);
