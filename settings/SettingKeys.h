#pragma once
// A table of settings keys: each row names one key once (its section, its name, the member it
// keeps, its default, the moment that writes it), and loading and saving both walk the same
// rows, so that a key can never be read under one name and written under another.
#include <cstddef>
#include <cstdint>
#include <string>

#include "format/ListingOptions.h"
#include "settings/SettingsFile.h"

// What the file keeps: the options and the dialog's own EXPAND switch. A row reaches any
// member, the options' (through the base) as the switch, by one member pointer.
struct StoredOptions : ListingOptions {
    bool expand = false;
};

// Which moment writes a key: the Save button, or the dialog's closing. A close that cannot
// write a key loses nothing when the file already gives its value (a program kept where it
// may not write, closed with nothing changed): only a lost change counts there.
enum class KeptBy { SaveButton, Closing };

enum class KeyKind {
    Switch,     // a check box
    Number,     // a number made from the options and back (two functions)
    Path,       // a path in the ANSI code page; one it cannot hold is not stored (the key keeps
                // the previous one: it would come back naming another file, or none)
    Patterns,   // patterns in the ANSI code page; ones it cannot hold are not stored, and the
                // save counts as failed (they would come back as other patterns)
    Templates,  // the three template texts, with the built-in ones for default
};

struct KeyMember {
    KeyKind kind;
    bool StoredOptions::*flag;
    std::wstring StoredOptions::*text;
    int32_t (*number)(const StoredOptions&);
    void (*setNumber)(StoredOptions&, int32_t);
};

constexpr KeyMember Flag(bool StoredOptions::*flag) { return {KeyKind::Switch, flag, nullptr, nullptr, nullptr}; }
constexpr KeyMember Number(int32_t (*number)(const StoredOptions&), void (*setNumber)(StoredOptions&, int32_t)) {
    return {KeyKind::Number, nullptr, nullptr, number, setNumber};
}
constexpr KeyMember Path(std::wstring StoredOptions::*text) { return {KeyKind::Path, nullptr, text, nullptr, nullptr}; }
constexpr KeyMember Patterns(std::wstring StoredOptions::*text) {
    return {KeyKind::Patterns, nullptr, text, nullptr, nullptr};
}
constexpr KeyMember Templates() { return {KeyKind::Templates, nullptr, nullptr, nullptr, nullptr}; }

struct SettingKey {
    const char* section;
    const char* key;  // null for the template texts: their section's keys are their own
    KeyMember member;
    int32_t defaultValue;  // a switch's (0 or 1) or a number's; texts default to empty
    KeptBy keptBy;
};

struct SettingKeys {
    const SettingKey* rows;
    size_t count;
};

// Every key of the table; a missing key gives its default, missing template texts the built-in.
void LoadKeys(const SettingsFile& file, SettingKeys keys, const TemplateTexts& builtIn, StoredOptions& stored);
// The keys that the moment writes, in the table's order; every one is tried. False when any
// was not kept.
bool SaveKeys(const SettingsFile& file, SettingKeys keys, KeptBy moment, const StoredOptions& stored);
