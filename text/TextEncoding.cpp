#include "text/TextEncoding.h"

bool TextEncoding::FromWide(const wchar_t* wide, size_t length, std::string& text) const {
    const bool held = TextFromWide(wide, length, text);
    // Byte by byte: no trail byte of a double-byte code page and no byte of a longer UTF-8
    // sequence lies below 0x20 or is 0x7F, so each such byte is a control character itself.
    for (char& c : text)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
    return held;
}
