#include "common/OptionsSettings.h"

#include <cstdint>

#include "framework/ModuleText.h"
#include "text/CodePageText.h"
#include "res/resource.h"

namespace {

// UPPER holds both case switches: 1 upper case, 2 lower case, anything else neither.
const int32_t kUpperCase = 1;
const int32_t kLowerCase = 2;
// The closing keys' values of a first start.
const bool kExpandDefault = false;
const bool kSubfoldersDefault = true;

int32_t CaseNumber(const ListingOptions& options) {
    if (options.upperCase) return kUpperCase;
    if (options.lowerCase) return kLowerCase;
    return 0;
}

// PATHTYPE is the index of the checked radio; any other number checks neither.
PathType PathTypeOf(int32_t number) {
    if (number == static_cast<int32_t>(PathType::Absolute)) return PathType::Absolute;
    if (number == static_cast<int32_t>(PathType::Relative)) return PathType::Relative;
    return PathType::Unchosen;
}

// The file keeps texts in the ANSI code page. A path that the code page cannot hold would come
// back naming another file, or none: such a path is not stored, and the key keeps the
// previous one. False only when the write failed.
bool WritePath(const std::wstring& file, const char* key, const std::wstring& path) {
    const CodePageText& cp = CodePageText::System();
    const CString text = cp.FromWide(path);
    return cp.ToWide(text) != path || WriteText(file, key, text);
}

std::wstring ReadPath(const std::wstring& file, const char* key) { return CodePageText::System().ToWide(ReadText(file, key)); }

// Patterns that the code page cannot hold would come back as other patterns: they are not
// stored, the key keeps the previous ones, and the save counts as failed.
bool WritePatterns(const std::wstring& file, const char* key, const std::wstring& patterns) {
    const CodePageText& cp = CodePageText::System();
    const CString text = cp.TextFromWide(patterns);
    return cp.ToWide(text) == patterns && WriteText(file, key, text);
}

// A close that cannot write a key loses nothing when the file already gives its value (a
// program kept where it may not write, closed with nothing changed): only a lost change counts.
bool KeepSwitch(const std::wstring& file, const char* key, bool on, bool defaultOn) {
    return WriteSwitch(file, key, on) || ReadSwitch(file, key, defaultOn) == on;
}

bool KeepPath(const std::wstring& file, const char* key, const std::wstring& path) {
    return WritePath(file, key, path) || ReadPath(file, key) == path;
}

}  // namespace

TemplateTexts BuiltInTemplateTexts() {
    TemplateTexts texts;
    texts.header = LoadResourceString(IDS_TEMPLATE_HEADER);
    texts.repeat = LoadResourceString(IDS_TEMPLATE_REPEAT);
    texts.footer = LoadResourceString(IDS_TEMPLATE_FOOTER);
    return texts;
}

void LoadSettings(const std::wstring& file, const TemplateTexts& builtIn, ListingOptions& options, bool& expand) {
    options.directoryNames = ReadSwitch(file, "OUTDIR", true);
    const int32_t caseNumber = ReadNumber(file, "UPPER", kUpperCase);
    options.upperCase = caseNumber == kUpperCase;
    options.lowerCase = caseNumber == kLowerCase;
    options.url = ReadSwitch(file, "URL", false);
    options.pathType = PathTypeOf(ReadNumber(file, "PATHTYPE", 0));
    options.size = ReadSwitch(file, "SIZE", true);
    options.date = ReadSwitch(file, "DATE", true);
    options.attributes = ReadSwitch(file, "ATTR", true);
    options.checksum = ReadSwitch(file, "CRC16", false);
    options.fileVersion = ReadSwitch(file, "VERSION", false);
    options.productVersion = ReadSwitch(file, "VERSIONP", false);
    options.filter = ReadSwitch(file, "FILTER", false);
    expand = ReadSwitch(file, "EXPAND", kExpandDefault);
    options.subfolders = ReadSwitch(file, "SUBDIR", kSubfoldersDefault);
    options.useTemplate = ReadSwitch(file, "TEMPLATE", false);

    options.filterText = CodePageText::System().ToWide(ReadText(file, "FILTER"));
    options.excludeText = CodePageText::System().ToWide(ReadText(file, "EXCLUDE"));
    options.outputPath = ReadPath(file, "FILENAME");
    const TemplateTexts texts = ReadTemplateTexts(file, builtIn);
    options.headerText = texts.header;
    options.repeatText = texts.repeat;
    options.footerText = texts.footer;
    options.folder = ReadPath(file, "DIRNAME");
    options.utf8 = ReadSwitch(file, "UTF8", false);
    options.compare = ReadSwitch(file, "COMPARE", false);
}

bool SaveSettings(const std::wstring& file, const ListingOptions& options) {
    bool kept = WriteSwitch(file, "OUTDIR", options.directoryNames);
    kept &= WriteSwitch(file, "TEMPLATE", options.useTemplate);
    kept &= WriteNumber(file, "UPPER", CaseNumber(options));
    kept &= WriteSwitch(file, "URL", options.url);
    kept &= WriteNumber(file, "PATHTYPE", static_cast<int32_t>(options.pathType));
    kept &= WriteSwitch(file, "SIZE", options.size);
    kept &= WriteSwitch(file, "DATE", options.date);
    kept &= WriteSwitch(file, "ATTR", options.attributes);
    kept &= WriteSwitch(file, "CRC16", options.checksum);
    kept &= WriteSwitch(file, "VERSION", options.fileVersion);
    kept &= WriteSwitch(file, "VERSIONP", options.productVersion);
    kept &= WriteSwitch(file, "FILTER", options.filter);
    kept &= WriteSwitch(file, "UTF8", options.utf8);
    kept &= WriteSwitch(file, "COMPARE", options.compare);
    kept &= WritePatterns(file, "FILTER", options.filterText);
    kept &= WritePatterns(file, "EXCLUDE", options.excludeText);
    kept &= WriteTemplateTexts(file, {options.headerText, options.repeatText, options.footerText});
    return kept;
}

bool SaveClosingKeys(const std::wstring& file, const ListingOptions& options, bool expand) {
    bool kept = KeepSwitch(file, "EXPAND", expand, kExpandDefault);
    kept &= KeepSwitch(file, "SUBDIR", options.subfolders, kSubfoldersDefault);
    kept &= KeepPath(file, "DIRNAME", options.folder);
    kept &= KeepPath(file, "FILENAME", options.outputPath);
    return kept;
}
