#include "settings/SettingsFile.h"

#include "text/CodePageText.h"

namespace {

char UnescapedControl(char letter) {
    switch (letter) {
        case 'r': case 'R': return '\r';
        case 'n': case 'N': return '\n';
        case 't': case 'T': return '\t';
        default: return '\0';
    }
}

}  // namespace

CString EscapeTemplateText(const CString& text) {
    const CodePageText& cp = CodePageText::System();
    CString result;
    result.reserve(text.size() * 2);
    for (size_t i = 0; i < text.size(); ++i) {
        if (cp.CharSize(text, i) == 2) {
            // The second byte may be 0x5C; it is part of the character, not a backslash.
            result.append(text, i, 2);
            ++i;
            continue;
        }
        switch (text[i]) {
            case '\r': result += "\\r"; break;
            case '\n': result += "\\n"; break;
            case '\t': result += "\\t"; break;
            case '\\': result += "\\\\"; break;
            default: result += text[i]; break;
        }
    }
    return result;
}

CString UnescapeTemplateText(const CString& text) {
    const CodePageText& cp = CodePageText::System();
    CString result;
    result.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        size_t length = cp.CharSize(text, i);
        if (length == 1 && text[i] == '\\') {
            if (++i == text.size()) break;  // a trailing backslash stands for nothing
            char control = UnescapedControl(text[i]);
            length = cp.CharSize(text, i);
            if (control != '\0') {
                result += control;
                ++i;
                continue;
            }
        }
        result.append(text, i, length);
        i += length;
    }
    return result;
}
