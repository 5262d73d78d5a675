#include "format/PageText.h"

#include "text/CodePageText.h"

namespace {

const uint16_t kNotHeld = 0xFFFF;

bool IsSurrogate(unsigned unit) { return unit >= 0xD800 && unit <= 0xDFFF; }

void AppendUtf8(std::string& out, unsigned codePoint) {
    if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | codePoint >> 6);
    } else if (codePoint < 0x10000) {
        out += static_cast<char>(0xE0 | codePoint >> 12);
        out += static_cast<char>(0x80 | (codePoint >> 6 & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | codePoint >> 18);
        out += static_cast<char>(0x80 | (codePoint >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (codePoint >> 6 & 0x3F));
    }
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
}

// A surrogate pair's code point at text[i], or 0 when none starts there.
unsigned PairAt(const wchar_t* text, size_t length, size_t i) {
    const unsigned high = text[i];
    if (high < 0xD800 || high > 0xDBFF || i + 1 >= length) return 0;
    const unsigned low = text[i + 1];
    if (low < 0xDC00 || low > 0xDFFF) return 0;
    return 0x10000 + ((high - 0xD800) << 10) + (low - 0xDC00);
}

}  // namespace

void PageText::AppendUnitEscape(std::string& out, unsigned unit) {
    static const char kHex[] = "0123456789abcdef";
    out += "\\u";
    for (int shift = 12; shift >= 0; shift -= 4) out += kHex[unit >> shift & 0xF];
}

bool PageText::AppendHeld(std::string& out, wchar_t unit) {
    if (held_.empty()) held_.assign(0x10000, 0);
    uint16_t& bytes = held_[static_cast<uint16_t>(unit)];
    if (bytes == 0) {
        std::string text;
        // Without best fit: a look-alike would show another name than the file's.
        if (!IsSurrogate(unit) && CodePageText::System().TextFromWide(&unit, 1, text) && !text.empty() &&
            text.size() <= 2)
            bytes = static_cast<uint16_t>(text.size() == 1 ? static_cast<unsigned char>(text[0])
                                                           : static_cast<unsigned char>(text[0]) << 8 |
                                                                 static_cast<unsigned char>(text[1]));
        else
            bytes = kNotHeld;
    }
    if (bytes == kNotHeld) return false;
    if (bytes > 0xFF) out += static_cast<char>(bytes >> 8);
    out += static_cast<char>(bytes & 0xFF);
    return true;
}

void PageText::AppendJson(std::string& out, const wchar_t* text, size_t length) {
    out += '"';
    for (size_t i = 0; i < length; ++i) {
        const unsigned unit = text[i];
        if (unit < 0x80) {
            if (unit == '"' || unit == '\\') {
                out += '\\';
                out += static_cast<char>(unit);
            } else if (unit < 0x20 || unit == 0x7F || unit == '<' || unit == '>' || unit == '&') {
                AppendUnitEscape(out, unit);
            } else {
                out += static_cast<char>(unit);
            }
        } else if (unit == 0x2028 || unit == 0x2029) {
            AppendUnitEscape(out, unit);  // line ends to older script parsers
        } else if (utf8_) {
            const unsigned pair = PairAt(text, length, i);
            if (pair) {
                AppendUtf8(out, pair);
                ++i;
            } else if (IsSurrogate(unit)) {
                AppendUnitEscape(out, unit);  // a lone half has no UTF-8 form; the escape keeps it
            } else {
                AppendUtf8(out, unit);
            }
        } else if (!AppendHeld(out, text[i])) {
            AppendUnitEscape(out, unit);  // a pair's halves each so: JSON joins them
        }
    }
    out += '"';
}

void PageText::AppendHtml(std::string& out, const std::wstring& text) {
    for (size_t i = 0; i < text.size(); ++i) {
        const unsigned unit = text[i];
        switch (unit) {
        case '&': out += "&amp;"; continue;
        case '<': out += "&lt;"; continue;
        case '>': out += "&gt;"; continue;
        case '"': out += "&quot;"; continue;
        default: break;
        }
        if (unit < 0x80) {
            out += static_cast<char>(unit);
            continue;
        }
        unsigned codePoint = PairAt(text.data(), text.size(), i);
        if (codePoint) ++i;
        else codePoint = unit;
        if (utf8_ && !IsSurrogate(codePoint)) {
            AppendUtf8(out, codePoint);
            continue;
        }
        if (!utf8_ && codePoint == unit && AppendHeld(out, text[i])) continue;
        out += "&#x";
        static const char kHex[] = "0123456789abcdef";
        std::string digits;
        for (unsigned v = codePoint; v; v >>= 4) digits.insert(digits.begin(), kHex[v & 0xF]);
        out += digits + ";";
    }
}
