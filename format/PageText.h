#pragma once
// Texts of the browsable page in its encoding (UTF-8, or the system's code page), made so that
// no name can end the script it sits in, open a comment or become markup, and no character is
// lost: one the code page lacks is written as an escape (JSON "\uXXXX", HTML "&#x...;") that
// the browser turns back into the character itself.
#include <cstdint>
#include <string>
#include <vector>

class PageText {
public:
    explicit PageText(bool utf8) : utf8_(utf8) {}

    // The text as a JSON string, with its quotes. Besides JSON's own escapes, "<", ">", "&",
    // U+2028 and U+2029 are escaped, so the text may stand inside a script element.
    void AppendJson(std::string& out, const wchar_t* text, size_t length);
    void AppendJson(std::string& out, const std::wstring& text) { AppendJson(out, text.data(), text.size()); }
    // The text as the content of an HTML element: "&", "<", ">" and '"' as entities.
    void AppendHtml(std::string& out, const std::wstring& text);

private:
    // The unit in the output's encoding, when the code page holds it by itself.
    bool AppendHeld(std::string& out, wchar_t unit);
    static void AppendUnitEscape(std::string& out, unsigned unit);

    bool utf8_;
    // The code page's bytes of each UTF-16 unit met so far: 0 not looked up yet, kNotHeld, a
    // single byte, or lead byte * 256 + trail byte.
    std::vector<uint16_t> held_;
};
