#include "text/Utf8Text.h"

#include <windows.h>

#include <cstring>

#include "text/CodePageText.h"
#include "text/SimpleCase.h"
#include "text/WideConversion.h"

namespace {

// Order values above every one of the code page (which are at most 0xFFFF).
constexpr unsigned kBeyondCodePage = 0x10000;

// The order value of every UTF-16 unit. A character of the code page has the code page's own,
// so that the two encodings order the same names alike. Any other counts as its upper case: as
// the code page's character when that is one (the long s as S), else above them all by code point.
std::vector<unsigned> OrderMap(const std::vector<wchar_t>& upper) {
    const CodePageText& codePage = CodePageText::System();
    std::vector<unsigned> order(upper.size(), 0);
    for (size_t i = 1; i < order.size(); ++i) {
        const wchar_t unit = static_cast<wchar_t>(i);
        if (!codePage.OrderValueOfUnit(unit, order[i]) && !codePage.OrderValueOfUnit(upper[i], order[i]))
            order[i] = kBeyondCodePage + static_cast<unsigned>(upper[i]);
    }
    return order;
}

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// The code point at p and the start of the next; a byte that starts no valid sequence counts
// as itself, so that any text still has an order.
unsigned Decode(const unsigned char*& p) {
    const unsigned char c = *p;
    size_t length = c < 0x80 ? 1 : c >= 0xF0 && c < 0xF8 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
    for (size_t i = 1; i < length; ++i)
        if (!IsContinuation(p[i])) length = 1;
    unsigned value = length == 1 ? c : length == 2 ? c & 0x1Fu : length == 3 ? c & 0x0Fu : c & 0x07u;
    for (size_t i = 1; i < length; ++i) value = value << 6 | (p[i] & 0x3Fu);
    p += length;
    return value;
}

// The UTF-8 bytes of a code point into out; returns how many.
size_t Encode(unsigned value, char out[4]) {
    if (value < 0x80) {
        out[0] = static_cast<char>(value);
        return 1;
    }
    if (value < 0x800) {
        out[0] = static_cast<char>(0xC0 | value >> 6);
        out[1] = static_cast<char>(0x80 | (value & 0x3F));
        return 2;
    }
    if (value < 0x10000) {
        out[0] = static_cast<char>(0xE0 | value >> 12);
        out[1] = static_cast<char>(0x80 | (value >> 6 & 0x3F));
        out[2] = static_cast<char>(0x80 | (value & 0x3F));
        return 3;
    }
    out[0] = static_cast<char>(0xF0 | value >> 18);
    out[1] = static_cast<char>(0x80 | (value >> 12 & 0x3F));
    out[2] = static_cast<char>(0x80 | (value >> 6 & 0x3F));
    out[3] = static_cast<char>(0x80 | (value & 0x3F));
    return 4;
}

}  // namespace

const Utf8Text& Utf8Text::Instance() {
    static const Utf8Text instance;
    return instance;
}

Utf8Text::Utf8Text()
    : upper_(SimpleCaseMap(LCMAP_UPPERCASE)), lower_(SimpleCaseMap(LCMAP_LOWERCASE)), order_(OrderMap(upper_)) {}

const char* Utf8Text::Next(const char* p) const {
    if (*p == '\0') return p;
    const unsigned char* q = reinterpret_cast<const unsigned char*>(p);
    Decode(q);
    return reinterpret_cast<const char*>(q);
}

void Utf8Text::Convert(std::string& text, const std::vector<wchar_t>& map) const {
    // In place while each character keeps its length, as nearly every mapping does; from the
    // first one that does not, into a new string.
    char encoded[4];
    const unsigned char* start = reinterpret_cast<const unsigned char*>(text.c_str());
    const unsigned char* end = start + text.size();
    const unsigned char* p = start;
    while (p < end) {
        const unsigned char* character = p;
        const unsigned value = Decode(p);
        const size_t length = Encode(value < 0x10000 ? static_cast<unsigned>(map[value]) : value, encoded);
        if (length != static_cast<size_t>(p - character)) {
            p = character;
            break;
        }
        std::memcpy(&text[static_cast<size_t>(character - start)], encoded, length);
    }
    if (p == end) return;
    std::string result(text, 0, static_cast<size_t>(p - start));
    result.reserve(text.size());
    while (p < end) {
        const unsigned value = Decode(p);
        result.append(encoded, Encode(value < 0x10000 ? static_cast<unsigned>(map[value]) : value, encoded));
    }
    text.swap(result);
}

void Utf8Text::ToUpper(std::string& text) const { Convert(text, upper_); }
void Utf8Text::ToUpperWide(wchar_t* text, size_t length) const {
    for (size_t i = 0; i < length; ++i) text[i] = upper_[static_cast<size_t>(text[i])];
}
void Utf8Text::ToLower(std::string& text) const { Convert(text, lower_); }

int Utf8Text::Compare(const char* a, const char* b) const {
    const unsigned char* p = reinterpret_cast<const unsigned char*>(a);
    const unsigned char* q = reinterpret_cast<const unsigned char*>(b);
    const auto orderValue = [this](unsigned codePoint) {
        return codePoint < order_.size() ? order_[codePoint] : kBeyondCodePage + codePoint;
    };
    for (;;) {
        if (*p == *q && *p < 0x80) {  // the same ASCII character: most of a path
            if (*p == 0) return 0;
            ++p;
            ++q;
            continue;
        }
        if (*p == 0 || *q == 0) return *p == 0 ? -1 : 1;
        const unsigned va = orderValue(Decode(p)), vb = orderValue(Decode(q));
        if (va != vb) return va < vb ? -1 : 1;
    }
}

bool Utf8Text::TextFromWide(const wchar_t* wide, size_t length, std::string& text) const {
    return CodePageFromWide(CP_UTF8, 0, wide, length, text);
}

std::string Utf8Text::FromCodePage(const std::string& text) const {
    return TextFromWide(WideFromCodePage(CP_ACP, text));
}

std::wstring Utf8Text::ToWide(const std::string& text) const { return WideFromCodePage(CP_UTF8, text); }
