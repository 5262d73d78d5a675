#pragma once
// Character stepping, letter case and case-insensitive order for one ANSI code page.
// A character is one byte, or a lead byte together with the byte after it.
#include <windows.h>
#include <string>
#include <vector>

#include "text/TextEncoding.h"

class CodePageText final : public TextEncoding {
public:
    explicit CodePageText(UINT codePage);

    // The process's ANSI code page (932 on the systems the program is written for).
    static const CodePageText& System();

    bool IsDoubleByteCodePage() const { return !upper_.empty(); }
    bool IsLeadByte(unsigned char b) const { return lead_[b]; }

    // Bytes of the character at index: 2 for a lead byte with a byte after it, else 1.
    size_t CharSize(const std::string& text, size_t index) const {
        return lead_[static_cast<unsigned char>(text[index])] && index + 1 < text.size() ? 2 : 1;
    }
    // Start of the next character; stays on the terminating zero (as CharNextA).
    const char* Next(const char* p) const override;
    // Start of the character before p; start itself when p is at the start (as CharPrevA).
    const char* Prev(const char* start, const char* p) const;

    // Whole-string case conversion in place: a-z / A-Z, and double-byte characters
    // through the code page's own case mapping (full-width letters).
    void ToUpper(std::string& text) const override;
    void ToLower(std::string& text) const override;
    void ToUpperWide(wchar_t* text, size_t length) const override;

    // <0, 0 or >0: the order values of the characters (OrderValue), the first difference
    // deciding; a text that ends first sorts first.
    int Compare(const char* a, const char* b) const override;

    // The order value of the character at p, and p moved past it: a single-byte character
    // counts as its byte with A-Z taken as a-z, a double-byte character as lead*256+trail
    // after upper-case mapping; the terminating zero counts 0 (p stays on it).
    unsigned OrderValue(const unsigned char*& p) const {
        if (lead_[*p] && p[1]) {
            const unsigned value = upper_[static_cast<size_t>(p[0]) << 8 | p[1]];
            p += 2;
            return value;
        }
        const unsigned char c = *p;
        if (c) ++p;
        return AsciiLower(c);
    }
    // Whether one UTF-16 unit is a character of this code page (converting there and back
    // unchanged), and its order value then.
    bool OrderValueOfUnit(wchar_t unit, unsigned& value) const;

    // Without best fit: "resume" with accents is written "r?sum?", not "resume", another file's name.
    bool TextFromWide(const wchar_t* wide, size_t length, std::string& text) const override;
    using TextEncoding::TextFromWide;
    std::string FromCodePage(const std::string& text) const override { return text; }
    std::wstring ToWide(const std::string& text) const override;

private:
    static unsigned char AsciiLower(unsigned char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<unsigned char>(c + ('a' - 'A')) : c;
    }
    static unsigned char AsciiUpper(unsigned char c) {
        return c >= 'a' && c <= 'z' ? static_cast<unsigned char>(c - ('a' - 'A')) : c;
    }
    void BuildCaseMaps(UINT codePage);
    void BuildWideUpper(UINT codePage);
    void Convert(std::string& text, const std::vector<unsigned short>& map, bool toUpper) const;

    UINT codePage_;
    bool lead_[256];
    std::vector<unsigned short> upper_;  // lead*256+trail -> mapped pair; empty when single-byte
    std::vector<unsigned short> lower_;
    std::vector<wchar_t> wideUpper_;  // UTF-16 unit -> its upper case by the rule of ToUpperWide
};
