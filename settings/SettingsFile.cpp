#include "settings/SettingsFile.h"

#include <climits>

#include "settings/PrivateProfile.h"

namespace {

const size_t kStringBufferSize = 260;
const int64_t kSmallestTemplateBuffer = 260;
const int64_t kDefaultTemplateBuffer = 4096;
// A hand-edited LENGTH must not make the program fail to start.
const int64_t kLargestTemplateBuffer = 16 * 1024 * 1024;

int32_t ReadSwitch(const CString& file, const char* key, const char* defaultText) {
    int64_t value = ReadProfileNumber(file, "CONFIG", key, defaultText);
    if (value > INT32_MAX) return INT32_MAX;
    if (value < INT32_MIN) return INT32_MIN;
    return static_cast<int32_t>(value);
}

CString ReadString(const CString& file, const char* key) {
    return ReadProfileText(file, "STRINGS", key, "", kStringBufferSize);
}

size_t TemplateBufferSize(const CString& file) {
    int64_t length = ReadProfileNumber(file, "TEMPLATE", "LENGTH",
                                       std::to_string(kDefaultTemplateBuffer).c_str());
    if (length < kSmallestTemplateBuffer) return kSmallestTemplateBuffer;
    if (length > kLargestTemplateBuffer) return kLargestTemplateBuffer;
    return static_cast<size_t>(length);
}

CString ReadTemplate(const CString& file, const char* key, size_t bufferSize) {
    return UnescapeTemplateText(ReadProfileText(file, "TEMPLATE", key, "", bufferSize));
}

void ReadTemplates(const CString& file, const TemplateTexts& builtIn, MainOptions& options) {
    size_t bufferSize = TemplateBufferSize(file);
    options.headerText = ReadTemplate(file, "START", bufferSize);
    options.footerText = ReadTemplate(file, "END", bufferSize);
    options.repeatText = ReadTemplate(file, "LOOP", bufferSize);
    // One stored text, even alone, means the user's own templates.
    if (options.headerText.empty() && options.footerText.empty() && options.repeatText.empty()) {
        options.headerText = builtIn.header;
        options.footerText = builtIn.footer;
        options.repeatText = builtIn.repeat;
    }
}

int32_t CaseNumber(const MainOptions& options) {
    if (options.upperCase) return 1;
    if (options.lowerCase) return 2;
    return 0;
}

}  // namespace

void LoadSettings(const CString& settingsFile, const TemplateTexts& builtIn, MainOptions& options) {
    const CString& file = settingsFile;
    options.directoryNames = ReadSwitch(file, "OUTDIR", "1");
    int32_t caseNumber = ReadSwitch(file, "UPPER", "1");
    options.url = ReadSwitch(file, "URL", "0");
    options.pathType = ReadSwitch(file, "PATHTYPE", "0");
    options.size = ReadSwitch(file, "SIZE", "1");
    options.date = ReadSwitch(file, "DATE", "1");
    options.attributes = ReadSwitch(file, "ATTR", "1");
    options.checksum = ReadSwitch(file, "CRC16", "0");
    options.fileVersion = ReadSwitch(file, "VERSION", "0");
    options.productVersion = ReadSwitch(file, "VERSIONP", "0");
    options.filter = ReadSwitch(file, "FILTER", "0");
    options.expand = ReadSwitch(file, "EXPAND", "0");
    options.subfolders = ReadSwitch(file, "SUBDIR", "1");
    options.useTemplate = ReadSwitch(file, "TEMPLATE", "0");

    options.filterText = ReadString(file, "FILTER");
    options.outputPath = ReadString(file, "FILENAME");
    ReadTemplates(file, builtIn, options);
    options.folderText = ReadString(file, "DIRNAME");

    options.upperCase = caseNumber == 1 ? 1 : 0;
    options.lowerCase = caseNumber == 2 ? 1 : 0;
}

void SaveSettings(const CString& settingsFile, const MainOptions& options) {
    const CString& file = settingsFile;
    WriteProfileNumber(file, "CONFIG", "OUTDIR", options.directoryNames);
    WriteProfileNumber(file, "CONFIG", "TEMPLATE", options.useTemplate);
    WriteProfileNumber(file, "CONFIG", "UPPER", CaseNumber(options));
    WriteProfileNumber(file, "CONFIG", "URL", options.url);
    WriteProfileNumber(file, "CONFIG", "PATHTYPE", options.pathType);
    WriteProfileNumber(file, "CONFIG", "SIZE", options.size);
    WriteProfileNumber(file, "CONFIG", "DATE", options.date);
    WriteProfileNumber(file, "CONFIG", "ATTR", options.attributes);
    WriteProfileNumber(file, "CONFIG", "CRC16", options.checksum);
    WriteProfileNumber(file, "CONFIG", "VERSION", options.fileVersion);
    WriteProfileNumber(file, "CONFIG", "VERSIONP", options.productVersion);
    WriteProfileNumber(file, "CONFIG", "FILTER", options.filter);
    WriteProfileText(file, "STRINGS", "FILTER", options.filterText);
    WriteProfileText(file, "TEMPLATE", "START", EscapeTemplateText(options.headerText));
    WriteProfileText(file, "TEMPLATE", "END", EscapeTemplateText(options.footerText));
    WriteProfileText(file, "TEMPLATE", "LOOP", EscapeTemplateText(options.repeatText));
}

void SaveClosingKeys(const CString& settingsFile, const MainOptions& options) {
    WriteProfileNumber(settingsFile, "CONFIG", "EXPAND", options.expand);
    WriteProfileNumber(settingsFile, "CONFIG", "SUBDIR", options.subfolders);
    WriteProfileText(settingsFile, "STRINGS", "DIRNAME", options.folderText);
    WriteProfileText(settingsFile, "STRINGS", "FILENAME", options.outputPath);
}
