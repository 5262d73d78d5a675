#include "settings/SettingsFile.h"

#include <algorithm>
#include <climits>
#include <string>
#include <utility>

#include "settings/PrivateProfile.h"

namespace {

const int64_t kSmallestTemplateBuffer = 260;
const int64_t kDefaultTemplateBuffer = 4096;
// A hand-edited LENGTH must not make the program fail to start.
const int64_t kLargestTemplateBuffer = 16 * 1024 * 1024;

size_t TemplateBufferSize(const std::wstring& file) {
    int64_t length = ReadProfileNumber(file, "TEMPLATE", "LENGTH",
                                       std::to_string(kDefaultTemplateBuffer).c_str());
    if (length < kSmallestTemplateBuffer) return kSmallestTemplateBuffer;
    if (length > kLargestTemplateBuffer) return kLargestTemplateBuffer;
    return static_cast<size_t>(length);
}

CString ReadTemplate(const std::wstring& file, const char* key, size_t bufferSize) {
    return UnescapeTemplateText(ReadProfileText(file, "TEMPLATE", key, "", bufferSize));
}

}  // namespace

int32_t ReadNumber(const std::wstring& file, const char* key, int32_t defaultValue) {
    int64_t value = ReadProfileNumber(file, "CONFIG", key, std::to_string(defaultValue).c_str());
    if (value > INT32_MAX) return INT32_MAX;
    if (value < INT32_MIN) return INT32_MIN;
    return static_cast<int32_t>(value);
}

bool WriteNumber(const std::wstring& file, const char* key, int32_t value) {
    return WriteProfileNumber(file, "CONFIG", key, value);
}

bool ReadSwitch(const std::wstring& file, const char* key, bool defaultOn) {
    const int32_t state = ReadNumber(file, key, defaultOn ? 1 : 0);
    return state == 1 || state == 2;
}

bool WriteSwitch(const std::wstring& file, const char* key, bool on) { return WriteNumber(file, key, on ? 1 : 0); }

CString ReadText(const std::wstring& file, const char* key) {
    return ReadWholeProfileText(file, "STRINGS", key, "");
}

bool WriteText(const std::wstring& file, const char* key, const CString& value) {
    return WriteProfileText(file, "STRINGS", key, value);
}

TemplateTexts ReadTemplateTexts(const std::wstring& file, const TemplateTexts& builtIn) {
    const size_t bufferSize = TemplateBufferSize(file);
    TemplateTexts texts;
    texts.header = ReadTemplate(file, "START", bufferSize);
    texts.footer = ReadTemplate(file, "END", bufferSize);
    texts.repeat = ReadTemplate(file, "LOOP", bufferSize);
    if (texts.header.empty() && texts.footer.empty() && texts.repeat.empty()) return builtIn;
    return texts;
}

bool WriteTemplateTexts(const std::wstring& file, const TemplateTexts& texts) {
    bool written = true;
    size_t needed = 0;  // the buffer the texts written need
    const std::pair<const char*, const CString*> keys[] = {
        {"START", &texts.header}, {"END", &texts.footer}, {"LOOP", &texts.repeat}};
    for (const auto& key : keys) {
        const CString escaped = EscapeTemplateText(*key.second);
        if (WriteProfileText(file, "TEMPLATE", key.first, escaped))
            needed = std::max(needed, ProfileBufferNeeded(escaped));
        else
            written = false;
    }
    // Only for the texts kept; a stored value is short enough for a number (see PrivateProfile).
    if (needed > TemplateBufferSize(file))
        written = WriteProfileNumber(file, "TEMPLATE", "LENGTH", static_cast<int32_t>(needed)) && written;
    return written;
}
