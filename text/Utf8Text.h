#pragma once
// UTF-8 as an output encoding. Letter case follows the system's simple mapping, one UTF-16
// unit at a time (LCMapStringEx, invariant locale). Lines are ordered as the system's code page
// orders them, so that choosing UTF-8 changes the bytes of a listing and never the order of its
// lines; characters the code page lacks sort after all it holds, by upper-cased code point.
#include <string>
#include <vector>

#include "text/TextEncoding.h"

class Utf8Text final : public TextEncoding {
public:
    // The one instance; its tables are built on first use.
    static const Utf8Text& Instance();

    const char* Next(const char* p) const override;
    void ToUpper(std::string& text) const override;
    void ToLower(std::string& text) const override;
    void ToUpperWide(wchar_t* text, size_t length) const override;
    int Compare(const char* a, const char* b) const override;
    bool TextFromWide(const wchar_t* wide, size_t length, std::string& text) const override;
    using TextEncoding::TextFromWide;
    std::string FromCodePage(const std::string& text) const override;
    std::wstring ToWide(const std::string& text) const override;

private:
    Utf8Text();
    void Convert(std::string& text, const std::vector<wchar_t>& map) const;

    std::vector<wchar_t> upper_;  // UTF-16 unit -> its upper-case unit
    std::vector<wchar_t> lower_;
    std::vector<unsigned> order_;  // UTF-16 unit -> the order value of its character
};
