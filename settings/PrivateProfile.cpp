#include "settings/PrivateProfile.h"

#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "text/CodePageText.h"

namespace {

const size_t kNumberBufferSize = 260;
// A value longer than this is not read whole; nobody writes such a line by hand.
const size_t kLargestWholeValue = 16 * 1024 * 1024;

// A cut at the buffer's end may split a double-byte character; its lone lead byte goes.
void DropLoneLeadByte(CString& text) {
    const CodePageText& cp = CodePageText::System();
    size_t last = 0;  // where the last character starts
    for (size_t i = 0; i < text.size(); i += cp.CharSize(text, i)) last = i;
    if (!text.empty() && last + 1 == text.size() && cp.IsLeadByte(static_cast<unsigned char>(text[last])))
        text.pop_back();
}

// The profile reader trims blanks around a value and strips one pair of enclosing quotes.
bool IsTrimmedBlank(char c) {
    return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\x1a';
}

bool NeedsQuotes(const CString& value) {
    if (value.empty()) return false;
    char first = value.front();
    char last = value.back();
    if (IsTrimmedBlank(first) || IsTrimmedBlank(last)) return true;
    return value.size() >= 2 && first == last && (first == '"' || first == '\'');
}

// Reads into a buffer of bufferSize bytes and returns the reader's count, which is
// bufferSize - 1 after a cut. Some readers count a character they could not fit, so the
// text ends at the first zero.
DWORD ReadIntoBuffer(const CString& file, const char* section, const char* key,
                     const char* defaultText, CString& buffer, size_t bufferSize) {
    buffer.assign(bufferSize, '\0');
    DWORD copied = GetPrivateProfileStringA(section, key, defaultText, &buffer[0],
                                            static_cast<DWORD>(bufferSize), file.c_str());
    buffer.resize(std::min<size_t>(copied, std::strlen(buffer.c_str())));
    return copied;
}

}  // namespace

CString ReadProfileText(const CString& file, const char* section, const char* key,
                        const char* defaultText, size_t bufferSize) {
    if (file.empty() || bufferSize < 2) return defaultText;
    CString value;
    DWORD copied = ReadIntoBuffer(file, section, key, defaultText, value, bufferSize);
    if (copied + 1 >= bufferSize) DropLoneLeadByte(value);
    return value;
}

CString ReadWholeProfileText(const CString& file, const char* section, const char* key,
                             const char* defaultText) {
    if (file.empty()) return defaultText;
    CString value;
    for (size_t size = 1024;; size *= 2) {
        DWORD copied = ReadIntoBuffer(file, section, key, defaultText, value, size);
        if (copied + 1 < size) return value;
        if (size >= kLargestWholeValue) {
            DropLoneLeadByte(value);
            return value;
        }
    }
}

int64_t ReadProfileNumber(const CString& file, const char* section, const char* key,
                          const char* defaultText) {
    CString text = ReadProfileText(file, section, key, defaultText, kNumberBufferSize);
    return std::strtoll(text.c_str(), nullptr, 10);
}

void WriteProfileText(const CString& file, const char* section, const char* key,
                      const CString& value) {
    if (file.empty()) return;
    CString stored = NeedsQuotes(value) ? "\"" + value + "\"" : value;
    WritePrivateProfileStringA(section, key, stored.c_str(), file.c_str());
}

void WriteProfileNumber(const CString& file, const char* section, const char* key, int32_t value) {
    WriteProfileText(file, section, key, std::to_string(value));
}
