#include "settings/SettingsFile.h"

#include <algorithm>
#include <climits>
#include <string>

#include "settings/PrivateProfile.h"

namespace {

const int64_t kSmallestTemplateBuffer = 260;
const int64_t kDefaultTemplateBuffer = 4096;
// A hand-edited LENGTH must not make the program fail to start.
const int64_t kLargestTemplateBuffer = 16 * 1024 * 1024;

// The template section's keys, in the order they are written, and the read buffer's size.
struct TemplateKey {
    const char* name;
    CString TemplateTexts::*text;
};
const TemplateKey kTemplateKeys[] = {
    {"START", &TemplateTexts::header}, {"END", &TemplateTexts::footer}, {"LOOP", &TemplateTexts::repeat}};
const char kLengthKey[] = "LENGTH";

size_t TemplateBufferSize(const std::wstring& file, const char* section) {
    int64_t length = ReadProfileNumber(file, section, kLengthKey, std::to_string(kDefaultTemplateBuffer).c_str());
    if (length < kSmallestTemplateBuffer) return kSmallestTemplateBuffer;
    if (length > kLargestTemplateBuffer) return kLargestTemplateBuffer;
    return static_cast<size_t>(length);
}

}  // namespace

int32_t SettingsFile::ReadNumber(const char* section, const char* key, int32_t defaultValue) const {
    int64_t value = ReadProfileNumber(path_, section, key, std::to_string(defaultValue).c_str());
    if (value > INT32_MAX) return INT32_MAX;
    if (value < INT32_MIN) return INT32_MIN;
    return static_cast<int32_t>(value);
}

bool SettingsFile::WriteNumber(const char* section, const char* key, int32_t value) const {
    return WriteProfileNumber(path_, section, key, value);
}

bool SettingsFile::ReadSwitch(const char* section, const char* key, bool defaultOn) const {
    const int32_t state = ReadNumber(section, key, defaultOn ? 1 : 0);
    return state == 1 || state == 2;
}

bool SettingsFile::WriteSwitch(const char* section, const char* key, bool on) const {
    return WriteNumber(section, key, on ? 1 : 0);
}

CString SettingsFile::ReadText(const char* section, const char* key) const {
    return ReadWholeProfileText(path_, section, key, "");
}

bool SettingsFile::WriteText(const char* section, const char* key, const CString& value) const {
    return WriteProfileText(path_, section, key, value);
}

TemplateTexts SettingsFile::ReadTemplateTexts(const char* section, const TemplateTexts& builtIn) const {
    const size_t bufferSize = TemplateBufferSize(path_, section);
    TemplateTexts texts;
    for (const TemplateKey& key : kTemplateKeys)
        texts.*key.text = UnescapeTemplateText(ReadProfileText(path_, section, key.name, "", bufferSize));
    if (texts.header.empty() && texts.footer.empty() && texts.repeat.empty()) return builtIn;
    return texts;
}

bool SettingsFile::WriteTemplateTexts(const char* section, const TemplateTexts& texts) const {
    bool written = true;
    size_t needed = 0;  // the buffer the texts written need
    for (const TemplateKey& key : kTemplateKeys) {
        const CString escaped = EscapeTemplateText(texts.*key.text);
        if (WriteProfileText(path_, section, key.name, escaped))
            needed = std::max(needed, ProfileBufferNeeded(escaped));
        else
            written = false;
    }
    // Only for the texts kept; a stored value is short enough for a number (see PrivateProfile).
    if (needed > TemplateBufferSize(path_, section))
        written = WriteProfileNumber(path_, section, kLengthKey, static_cast<int32_t>(needed)) && written;
    return written;
}
