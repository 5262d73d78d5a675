#pragma once
// The encoding of an output's texts: how its characters are stepped through, changed in
// letter case and ordered, and how a name the file system gives in UTF-16 is written in it.
// The code page (CodePageText) and UTF-8 (Utf8Text) are the two.
#include <cstddef>
#include <string>

class TextEncoding {
public:
    virtual ~TextEncoding() = default;

    // Start of the next character; stays on the terminating zero.
    virtual const char* Next(const char* p) const = 0;
    // Whole-string case conversion in place.
    virtual void ToUpper(std::string& text) const = 0;
    virtual void ToLower(std::string& text) const = 0;
    // UTF-16 text upper-cased in place, for names compared without regard to case (the
    // filter): a character this encoding holds as ToUpper changes it written here, any other
    // by the system's simple mapping. One unit stays one unit.
    virtual void ToUpperWide(wchar_t* text, size_t length) const = 0;
    // The order of the output's lines, without regard to case: <0, 0 or >0.
    virtual int Compare(const char* a, const char* b) const = 0;
    // UTF-16 text written in this encoding; a character the encoding cannot hold becomes "?"
    // (one for each UTF-16 unit), never a look-alike that could name another file. Control
    // characters stay: for texts that may hold line breaks (templates, environment values).
    // False when a character became "?".
    virtual bool TextFromWide(const wchar_t* wide, size_t length, std::string& text) const = 0;
    // Text of the system's ANSI code page (stored settings, templates) in this encoding.
    virtual std::string FromCodePage(const std::string& text) const = 0;
    // Text of this encoding back in UTF-16.
    virtual std::wstring ToWide(const std::string& text) const = 0;

    // A name or path written in this encoding as TextFromWide does, with each control character
    // (below U+0020, and U+007F) as "?" too: a name from a share of another system may hold a
    // tab or a line break, and would then forge columns or lines of the output. False when a
    // character the encoding cannot hold became "?" (a control character is no such loss: no
    // encoding writes it).
    bool FromWide(const wchar_t* wide, size_t length, std::string& text) const;

    std::string FromWide(const std::wstring& wide) const {
        std::string text;
        FromWide(wide.data(), wide.size(), text);
        return text;
    }
    std::string TextFromWide(const std::wstring& wide) const {
        std::string text;
        TextFromWide(wide.data(), wide.size(), text);
        return text;
    }
};
