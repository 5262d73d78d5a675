#include "settings/SettingKeys.h"

#include "text/CodePageText.h"

namespace {

TemplateTexts TemplatesOf(const StoredOptions& stored) {
    return {stored.headerText, stored.repeatText, stored.footerText};
}

void LoadKey(const SettingsFile& file, const SettingKey& row, const TemplateTexts& builtIn, StoredOptions& stored) {
    const KeyMember& member = row.member;
    switch (member.kind) {
    case KeyKind::Switch:
        stored.*member.flag = file.ReadSwitch(row.section, row.key, row.defaultValue != 0);
        return;
    case KeyKind::Number:
        member.setNumber(stored, file.ReadNumber(row.section, row.key, row.defaultValue));
        return;
    case KeyKind::Path:
    case KeyKind::Patterns:
        stored.*member.text = CodePageText::System().ToWide(file.ReadText(row.section, row.key));
        return;
    case KeyKind::Templates: {
        const TemplateTexts texts = file.ReadTemplateTexts(row.section, builtIn);
        stored.headerText = texts.header;
        stored.repeatText = texts.repeat;
        stored.footerText = texts.footer;
        return;
    }
    }
}

bool WriteKey(const SettingsFile& file, const SettingKey& row, const StoredOptions& stored) {
    const KeyMember& member = row.member;
    const CodePageText& cp = CodePageText::System();
    switch (member.kind) {
    case KeyKind::Switch:
        return file.WriteSwitch(row.section, row.key, stored.*member.flag);
    case KeyKind::Number:
        return file.WriteNumber(row.section, row.key, member.number(stored));
    case KeyKind::Path: {
        const std::wstring& path = stored.*member.text;
        const CString text = cp.FromWide(path);
        return cp.ToWide(text) != path || file.WriteText(row.section, row.key, text);
    }
    case KeyKind::Patterns: {
        const std::wstring& patterns = stored.*member.text;
        const CString text = cp.TextFromWide(patterns);
        return cp.ToWide(text) == patterns && file.WriteText(row.section, row.key, text);
    }
    case KeyKind::Templates:
        return file.WriteTemplateTexts(row.section, TemplatesOf(stored));
    }
    return false;
}

// Whether the file already gives the key as the options hold it.
bool ReadsAsStored(const SettingsFile& file, const SettingKey& row, const StoredOptions& stored) {
    StoredOptions read = stored;
    LoadKey(file, row, TemplateTexts(), read);
    const KeyMember& member = row.member;
    switch (member.kind) {
    case KeyKind::Switch:
        return read.*member.flag == stored.*member.flag;
    case KeyKind::Number:
        return member.number(read) == member.number(stored);
    case KeyKind::Path:
    case KeyKind::Patterns:
        return read.*member.text == stored.*member.text;
    case KeyKind::Templates:
        break;
    }
    return read.headerText == stored.headerText && read.repeatText == stored.repeatText &&
           read.footerText == stored.footerText;
}

}  // namespace

void LoadKeys(const SettingsFile& file, SettingKeys keys, const TemplateTexts& builtIn, StoredOptions& stored) {
    for (size_t i = 0; i < keys.count; ++i) LoadKey(file, keys.rows[i], builtIn, stored);
}

bool SaveKeys(const SettingsFile& file, SettingKeys keys, KeptBy moment, const StoredOptions& stored) {
    bool kept = true;
    for (size_t i = 0; i < keys.count; ++i) {
        const SettingKey& row = keys.rows[i];
        if (row.keptBy != moment) continue;
        bool written = WriteKey(file, row, stored);
        if (!written && moment == KeptBy::Closing) written = ReadsAsStored(file, row, stored);
        kept &= written;
    }
    return kept;
}
