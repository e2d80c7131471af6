#include "rc/byte_writer.h"

#include "rc/rc_error.h"

std::u16string Utf8ToUtf16(const std::string& utf8)
{
    std::u16string out;
    size_t i = 0;
    while (i < utf8.size()) {
        const unsigned char lead = utf8[i];
        const int extra = lead < 0x80 ? 0
                          : (lead >> 5) == 6 ? 1
                          : (lead >> 4) == 14 ? 2
                          : (lead >> 3) == 30 ? 3
                                              : -1;
        if (extra < 0 || i + extra >= utf8.size())
            throw RcError("", "text is not UTF-8: \"" + utf8 + "\"");
        uint32_t code = extra == 0 ? lead : lead & (0x3F >> extra);
        for (int k = 1; k <= extra; ++k) {
            const unsigned char next = utf8[i + k];
            if ((next & 0xC0) != 0x80)
                throw RcError("", "text is not UTF-8: \"" + utf8 + "\"");
            code = (code << 6) | (next & 0x3F);
        }
        i += extra + 1;
        if (code >= 0x10000) {
            code -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (code >> 10));
            out += static_cast<char16_t>(0xDC00 + (code & 0x3FF));
        } else {
            out += static_cast<char16_t>(code);
        }
    }
    return out;
}

void ByteWriter::Utf16z(const std::string& utf8)
{
    for (char16_t unit : Utf8ToUtf16(utf8))
        U16(unit);
    U16(0);
}
