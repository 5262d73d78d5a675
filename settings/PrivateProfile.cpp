#include "settings/PrivateProfile.h"

#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <cwchar>

#include "framework/FileHandle.h"
#include "text/CodePageText.h"
#include "text/WideConversion.h"

namespace {

const size_t kNumberBufferSize = 260;
// A value longer than this (in UTF-16 units) is not read whole; nobody writes such a line by hand.
const size_t kLargestWholeValue = 16 * 1024 * 1024;
// The profile functions pass a value on as a counted wide string of at most 32,767 units with
// its terminator; a longer one is stored damaged or not at all (Wine's even crash on some), so
// it is never handed to them.
const size_t kLargestStoredValue = 32766;
// What a missing key reads as: no stored value holds a line break.
const char kMissing[] = "\n[missing]";

// The file is reached by its real name through the wide functions; its values stay in the ANSI
// code page, converted at this edge as the ANSI functions convert them within.
std::wstring Wide(const CString& text) { return WideFromCodePage(CP_ACP, text); }
CString Ansi(const std::wstring& text) { return CodePageFromWide(CP_ACP, 0, text); }

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
bool CanWrite(const std::wstring& file) {
    const DWORD attributes = GetFileAttributesW(file.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) != 0)
        return false;
    return FileHandle(file, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL)
        .IsOpen();
}

// The value whatever its length (up to kLargestWholeValue units). The reader's count is the
// buffer's size less one after a cut; some readers count a character they could not fit, so
// the text ends at the first zero.
CString ReadWhole(const std::wstring& file, const char* section, const char* key, const char* defaultText) {
    const std::wstring wideSection = Wide(section);
    const std::wstring wideKey = Wide(key);
    const std::wstring wideDefault = Wide(defaultText);
    std::wstring buffer;
    for (size_t size = 1024;; size *= 2) {
        buffer.assign(size, L'\0');
        const DWORD copied = GetPrivateProfileStringW(wideSection.c_str(), wideKey.c_str(), wideDefault.c_str(),
                                                      &buffer[0], static_cast<DWORD>(size), file.c_str());
        buffer.resize(std::min<size_t>(copied, std::wcslen(buffer.c_str())));
        if (copied + 1 < size || size >= kLargestWholeValue) return Ansi(buffer);
    }
}

}  // namespace

CString ReadProfileText(const std::wstring& file, const char* section, const char* key,
                        const char* defaultText, size_t bufferSize) {
    if (file.empty() || bufferSize < 2) return defaultText;
    CString value = ReadWhole(file, section, key, defaultText);
    if (value.size() >= bufferSize) {
        value.resize(bufferSize - 1);
        DropLoneLeadByte(value);
    }
    return value;
}

CString ReadWholeProfileText(const std::wstring& file, const char* section, const char* key,
                             const char* defaultText) {
    return file.empty() ? CString(defaultText) : ReadWhole(file, section, key, defaultText);
}

int64_t ReadProfileNumber(const std::wstring& file, const char* section, const char* key,
                          const char* defaultText) {
    CString text = ReadProfileText(file, section, key, defaultText, kNumberBufferSize);
    return std::strtoll(text.c_str(), nullptr, 10);
}

bool WriteProfileText(const std::wstring& file, const char* section, const char* key,
                      const CString& value) {
    if (file.empty()) return true;
    const CString stored = StoredForm(value);
    if (stored.size() > kLargestStoredValue || HasLineBreak(value) || !CanWrite(file)) return false;
    const CString previous = ReadWholeProfileText(file, section, key, kMissing);
    const std::wstring wideSection = Wide(section);
    const std::wstring wideKey = Wide(key);
    if (WritePrivateProfileStringW(wideSection.c_str(), wideKey.c_str(), Wide(stored).c_str(), file.c_str()) &&
        ReadWholeProfileText(file, section, key, kMissing) == value)
        return true;
    const bool existed = previous != kMissing;
    WritePrivateProfileStringW(wideSection.c_str(), wideKey.c_str(),
                               existed ? Wide(StoredForm(previous)).c_str() : nullptr, file.c_str());
    return false;
}

bool WriteProfileNumber(const std::wstring& file, const char* section, const char* key, int32_t value) {
    return WriteProfileText(file, section, key, std::to_string(value));
}

size_t ProfileBufferNeeded(const CString& value) { return StoredForm(value).size() + 1; }
