#include "common/OptionsSettings.h"

#include <cstdint>
#include <iterator>

#include "framework/ModuleText.h"
#include "settings/SettingKeys.h"
#include "res/resource.h"

namespace {

// UPPER holds both case switches: 1 upper case, 2 lower case, anything else neither.
const int32_t kUpperCase = 1;
const int32_t kLowerCase = 2;

int32_t CaseNumber(const StoredOptions& options) {
    if (options.upperCase) return kUpperCase;
    if (options.lowerCase) return kLowerCase;
    return 0;
}

void SetCase(StoredOptions& options, int32_t number) {
    options.upperCase = number == kUpperCase;
    options.lowerCase = number == kLowerCase;
}

int32_t PathTypeNumber(const StoredOptions& options) { return static_cast<int32_t>(options.pathType); }

// PATHTYPE is the index of the checked radio; any other number checks neither.
void SetPathType(StoredOptions& options, int32_t number) {
    if (number == static_cast<int32_t>(PathType::Absolute))
        options.pathType = PathType::Absolute;
    else if (number == static_cast<int32_t>(PathType::Relative))
        options.pathType = PathType::Relative;
    else
        options.pathType = PathType::Unchosen;
}

const KeptBy kSave = KeptBy::SaveButton;
const KeptBy kClose = KeptBy::Closing;

// In the order each moment writes them: a fresh file lists its keys in that order.
const SettingKey kOptionKeys[] = {
    // section   key         member                                 default     written by
    {"CONFIG",   "OUTDIR",   Flag(&StoredOptions::directoryNames),  1,          kSave},
    {"CONFIG",   "TEMPLATE", Flag(&StoredOptions::useTemplate),     0,          kSave},
    {"CONFIG",   "UPPER",    Number(&CaseNumber, &SetCase),         kUpperCase, kSave},
    {"CONFIG",   "URL",      Flag(&StoredOptions::url),             0,          kSave},
    {"CONFIG",   "PATHTYPE", Number(&PathTypeNumber, &SetPathType), 0,          kSave},
    {"CONFIG",   "SIZE",     Flag(&StoredOptions::size),            1,          kSave},
    {"CONFIG",   "DATE",     Flag(&StoredOptions::date),            1,          kSave},
    {"CONFIG",   "ATTR",     Flag(&StoredOptions::attributes),      1,          kSave},
    {"CONFIG",   "CRC16",    Flag(&StoredOptions::checksum),        0,          kSave},
    {"CONFIG",   "VERSION",  Flag(&StoredOptions::fileVersion),     0,          kSave},
    {"CONFIG",   "VERSIONP", Flag(&StoredOptions::productVersion),  0,          kSave},
    {"CONFIG",   "FILTER",   Flag(&StoredOptions::filter),          0,          kSave},
    {"CONFIG",   "UTF8",     Flag(&StoredOptions::utf8),            0,          kSave},
    {"CONFIG",   "COMPARE",  Flag(&StoredOptions::compare),         0,          kSave},
    {"CONFIG",   "PAGE",     Flag(&StoredOptions::page),            0,          kSave},
    {"STRINGS",  "FILTER",   Patterns(&StoredOptions::filterText),  0,          kSave},
    {"STRINGS",  "EXCLUDE",  Patterns(&StoredOptions::excludeText), 0,          kSave},
    {"TEMPLATE", nullptr,    Templates(),                           0,          kSave},
    {"CONFIG",   "EXPAND",   Flag(&StoredOptions::expand),          0,          kClose},
    {"CONFIG",   "SUBDIR",   Flag(&StoredOptions::subfolders),      1,          kClose},
    {"STRINGS",  "DIRNAME",  Path(&StoredOptions::folder),          0,          kClose},
    {"STRINGS",  "FILENAME", Path(&StoredOptions::outputPath),      0,          kClose},
};

const SettingKeys kKeys = {kOptionKeys, std::size(kOptionKeys)};

StoredOptions Stored(const ListingOptions& options, bool expand) {
    StoredOptions stored;
    static_cast<ListingOptions&>(stored) = options;
    stored.expand = expand;
    return stored;
}

}  // namespace

TemplateTexts BuiltInTemplateTexts() {
    TemplateTexts texts;
    texts.header = LoadResourceString(IDS_TEMPLATE_HEADER);
    texts.repeat = LoadResourceString(IDS_TEMPLATE_REPEAT);
    texts.footer = LoadResourceString(IDS_TEMPLATE_FOOTER);
    return texts;
}

void LoadSettings(const SettingsFile& file, const TemplateTexts& builtIn, ListingOptions& options, bool& expand) {
    StoredOptions stored = Stored(options, expand);
    LoadKeys(file, kKeys, builtIn, stored);
    options = stored;
    expand = stored.expand;
}

bool SaveSettings(const SettingsFile& file, const ListingOptions& options) {
    return SaveKeys(file, kKeys, KeptBy::SaveButton, Stored(options, false));
}

bool SaveClosingKeys(const SettingsFile& file, const ListingOptions& options, bool expand) {
    return SaveKeys(file, kKeys, KeptBy::Closing, Stored(options, expand));
}
