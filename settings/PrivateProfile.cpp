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
// The ANSI profile functions pass a value on as a counted wide string of at most 32,767 units
// with its terminator; a longer one is stored damaged or not at all (Wine's even crash on some),
// so it is never handed to them.
const size_t kLargestStoredValue = 32766;
// What a missing key reads as: no stored value holds a line break.
const char kMissing[] = "\n[missing]";

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

// The value as the file holds it, so that the reader gives it back unchanged.
CString StoredForm(const CString& value) { return NeedsQuotes(value) ? "\"" + value + "\"" : value; }

// A line break would end the value in the file and start a line of its own. No trail byte of
// a double-byte character is below 0x40, so the bytes are searched as they are.
bool HasLineBreak(const CString& value) { return value.find_first_of("\r\n") != CString::npos; }

// Whether the file can take a write. The profile functions may report success for a file they
// could change only in their cache, so the file is opened first; the read-only attribute is
// honoured even where the system would let an administrator write.
bool CanWrite(const CString& file) {
    const DWORD attributes = GetFileAttributesA(file.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) != 0)
        return false;
    HANDLE handle = CreateFileA(file.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return false;
    CloseHandle(handle);
    return true;
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

bool WriteProfileText(const CString& file, const char* section, const char* key,
                      const CString& value) {
    if (file.empty()) return true;
    const CString stored = StoredForm(value);
    if (stored.size() > kLargestStoredValue || HasLineBreak(value) || !CanWrite(file)) return false;
    const CString previous = ReadWholeProfileText(file, section, key, kMissing);
    if (WritePrivateProfileStringA(section, key, stored.c_str(), file.c_str()) &&
        ReadWholeProfileText(file, section, key, kMissing) == value)
        return true;
    const bool existed = previous != kMissing;
    WritePrivateProfileStringA(section, key, existed ? StoredForm(previous).c_str() : nullptr, file.c_str());
    return false;
}

bool WriteProfileNumber(const CString& file, const char* section, const char* key, int32_t value) {
    return WriteProfileText(file, section, key, std::to_string(value));
}

size_t ProfileBufferNeeded(const CString& value) { return StoredForm(value).size() + 1; }
