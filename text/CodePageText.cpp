#include "text/CodePageText.h"

#include "text/SimpleCase.h"
#include "text/WideConversion.h"

namespace {

// Maps one double-byte character through the wide-character case mapping and back;
// the character stays itself unless the result is again one double-byte character.
unsigned short MapPair(UINT codePage, unsigned short pair, DWORD caseFlag) {
    char in[2] = {static_cast<char>(pair >> 8), static_cast<char>(pair & 0xFF)};
    wchar_t wide[2];
    if (MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, in, 2, wide, 2) != 1) return pair;
    wchar_t mapped[2];
    if (LCMapStringW(LOCALE_INVARIANT, caseFlag, wide, 1, mapped, 2) != 1) return pair;
    if (mapped[0] == wide[0]) return pair;
    char out[4];
    BOOL usedDefault = FALSE;
    int n = WideCharToMultiByte(codePage, 0, mapped, 1, out, sizeof out, nullptr, &usedDefault);
    if (n != 2 || usedDefault) return pair;
    return static_cast<unsigned short>((static_cast<unsigned char>(out[0]) << 8) |
                                       static_cast<unsigned char>(out[1]));
}

}  // namespace

CodePageText::CodePageText(UINT codePage) : codePage_(codePage) {
    CPINFO info = {};
    for (bool& b : lead_) b = false;
    if (GetCPInfo(codePage, &info) && info.MaxCharSize == 2) {
        for (int i = 0; i + 1 < MAX_LEADBYTES && info.LeadByte[i]; i += 2)
            for (int b = info.LeadByte[i]; b <= info.LeadByte[i + 1]; ++b) lead_[b] = true;
        BuildCaseMaps(codePage);
    }
    BuildWideUpper(codePage);
}

const CodePageText& CodePageText::System() {
    static const CodePageText system(CP_ACP);
    return system;
}

void CodePageText::BuildCaseMaps(UINT codePage) {
    upper_.resize(0x10000);
    lower_.resize(0x10000);
    for (unsigned i = 0; i < 0x10000; ++i) upper_[i] = lower_[i] = static_cast<unsigned short>(i);
    for (unsigned lead = 0; lead < 256; ++lead) {
        if (!lead_[lead]) continue;
        for (unsigned trail = 0x40; trail < 0x100; ++trail) {
            unsigned short pair = static_cast<unsigned short>(lead << 8 | trail);
            upper_[pair] = MapPair(codePage, pair, LCMAP_UPPERCASE);
            lower_[pair] = MapPair(codePage, pair, LCMAP_LOWERCASE);
        }
    }
}

namespace {

// The one UTF-16 unit a character of the code page is; false when it is none or more.
bool UnitOf(UINT codePage, const char* bytes, int length, wchar_t& unit) {
    return MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes, length, &unit, 1) == 1;
}

}  // namespace

// The code page's own rule for every character it holds (only a-z among its single bytes,
// its case map among its double bytes), the simple mapping for the rest.
void CodePageText::BuildWideUpper(UINT codePage) {
    wideUpper_ = SimpleCaseMap(LCMAP_UPPERCASE);
    wchar_t unit = 0, upper = 0;
    for (unsigned b = 0x80; b < 0x100; ++b) {
        const char single = static_cast<char>(b);
        if (!lead_[b] && UnitOf(codePage, &single, 1, unit)) wideUpper_[static_cast<size_t>(unit)] = unit;
    }
    for (size_t pair = 0; pair < upper_.size(); ++pair) {
        if (!lead_[pair >> 8] || (pair & 0xFF) < 0x40) continue;
        const char bytes[2] = {static_cast<char>(pair >> 8), static_cast<char>(pair & 0xFF)};
        if (!UnitOf(codePage, bytes, 2, unit)) continue;
        const char mapped[2] = {static_cast<char>(upper_[pair] >> 8), static_cast<char>(upper_[pair] & 0xFF)};
        wideUpper_[static_cast<size_t>(unit)] = upper_[pair] != pair && UnitOf(codePage, mapped, 2, upper) ? upper : unit;
    }
}

const char* CodePageText::Next(const char* p) const {
    if (*p == '\0') return p;
    if (lead_[static_cast<unsigned char>(*p)] && p[1] != '\0') return p + 2;
    return p + 1;
}

const char* CodePageText::Prev(const char* start, const char* p) const {
    if (p <= start) return start;
    const char* q = start;
    for (;;) {
        const char* next = Next(q);
        if (next >= p || next == q) return q;
        q = next;
    }
}

void CodePageText::Convert(std::string& text, const std::vector<unsigned short>& map,
                           bool toUpper) const {
    for (size_t i = 0; i < text.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        if (lead_[c] && i + 1 < text.size() && text[i + 1] != '\0') {
            unsigned short mapped = map[static_cast<size_t>(c) << 8 | static_cast<unsigned char>(text[i + 1])];
            text[i] = static_cast<char>(mapped >> 8);
            text[i + 1] = static_cast<char>(mapped & 0xFF);
            ++i;
        } else {
            text[i] = static_cast<char>(toUpper ? AsciiUpper(c) : AsciiLower(c));
        }
    }
}

void CodePageText::ToUpper(std::string& text) const { Convert(text, upper_, true); }
void CodePageText::ToLower(std::string& text) const { Convert(text, lower_, false); }
void CodePageText::ToUpperWide(wchar_t* text, size_t length) const {
    for (size_t i = 0; i < length; ++i) text[i] = wideUpper_[static_cast<size_t>(text[i])];
}

int CodePageText::Compare(const char* a, const char* b) const {
    const unsigned char* p = reinterpret_cast<const unsigned char*>(a);
    const unsigned char* q = reinterpret_cast<const unsigned char*>(b);
    for (;;) {
        const unsigned va = OrderValue(p), vb = OrderValue(q);
        if (va != vb) return va < vb ? -1 : 1;
        if (va == 0) return 0;
    }
}

bool CodePageText::OrderValueOfUnit(wchar_t unit, unsigned& value) const {
    char bytes[2];
    BOOL usedDefault = FALSE;
    const int n = WideCharToMultiByte(codePage_, WC_NO_BEST_FIT_CHARS, &unit, 1, bytes, sizeof bytes, nullptr,
                                      &usedDefault);
    wchar_t back = 0;
    if (n < 1 || usedDefault || MultiByteToWideChar(codePage_, 0, bytes, n, &back, 1) != 1 || back != unit)
        return false;
    const unsigned char character[3] = {static_cast<unsigned char>(bytes[0]),
                                        static_cast<unsigned char>(n == 2 ? bytes[1] : 0), 0};
    const unsigned char* p = character;
    value = OrderValue(p);
    return p == character + n;
}

bool CodePageText::TextFromWide(const wchar_t* wide, size_t length, std::string& text) const {
    return CodePageFromWide(codePage_, WC_NO_BEST_FIT_CHARS, wide, length, text);
}

std::wstring CodePageText::ToWide(const std::string& text) const { return WideFromCodePage(codePage_, text); }
