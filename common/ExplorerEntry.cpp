#include "common/ExplorerEntry.h"

#include <algorithm>
#include <cwchar>

#include "framework/MessageText.h"
#include "framework/ModuleText.h"
#include "res/resource.h"

namespace {

const wchar_t kClasses[] = L"Software\\Classes\\";
const wchar_t kVerb[] = L"\\Quillmark";
const wchar_t kCommand[] = L"\\command";

struct MenuPlace {
    const wchar_t* shell;        // below kClasses
    const wchar_t* placeholder;  // what Explorer replaces with the folder
};

// A folder or a drive is the item clicked (%1); the background is the open folder (%V).
const MenuPlace kPlaces[] = {
    {L"Directory\\shell", L"%1"},
    {L"Directory\\Background\\shell", L"%V"},
    {L"Drive\\shell", L"%1"},
};

std::wstring VerbKey(const MenuPlace& place) { return kClasses + std::wstring(place.shell) + kVerb; }

std::wstring FullName(const std::wstring& key) { return L"HKEY_CURRENT_USER\\" + key; }

// The folder goes in quotes. A drive's root arrives as "C:\" and the dialog takes a quoted
// first token up to the next quotation mark, so "C:\" reaches it whole (the C runtime's rule,
// which would read C:", is not the dialog's).
std::wstring CommandLine(const std::wstring& program, const MenuPlace& place) {
    return L"\"" + program + L"\" \"" + place.placeholder + L"\"";
}

class RegistryKey {
public:
    RegistryKey() = default;
    ~RegistryKey() {
        if (key_) RegCloseKey(key_);
    }
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    LONG Create(const std::wstring& name) {
        return RegCreateKeyExW(HKEY_CURRENT_USER, name.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE,
                               nullptr, &key_, nullptr);
    }
    LONG Open(const std::wstring& name) { return RegOpenKeyExW(HKEY_CURRENT_USER, name.c_str(), 0, KEY_READ, &key_); }
    LONG SetText(const wchar_t* value, const std::wstring& text) {
        return RegSetValueExW(key_, value, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                              static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    }
    // Whether the key holds neither subkeys nor values (its default value included).
    bool Empty() const {
        DWORD subkeys = 0, values = 0;
        return RegQueryInfoKeyW(key_, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values, nullptr,
                                nullptr, nullptr, nullptr) == ERROR_SUCCESS &&
               subkeys == 0 && values == 0;
    }

private:
    HKEY key_ = nullptr;
};

// The default value of a key, empty when there is none.
std::wstring DefaultText(const std::wstring& key) {
    DWORD bytes = 0;
    if (RegGetValueW(HKEY_CURRENT_USER, key.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, nullptr, &bytes) !=
            ERROR_SUCCESS ||
        bytes < sizeof(wchar_t))
        return std::wstring();
    std::wstring text(bytes / sizeof(wchar_t), L'\0');
    if (RegGetValueW(HKEY_CURRENT_USER, key.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, &text[0], &bytes) !=
        ERROR_SUCCESS)
        return std::wstring();
    text.resize(wcsnlen(text.c_str(), text.size()));
    return text;
}

bool SameText(const std::wstring& a, const std::wstring& b) {  // paths: letter case does not count
    return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()),
                                TRUE) == CSTR_EQUAL;
}

bool WritePlace(const std::wstring& program, const MenuPlace& place, RegistryFailure& failure) {
    const std::wstring verb = VerbKey(place), command = verb + kCommand;
    RegistryKey verbKey, commandKey;
    LONG error = verbKey.Create(verb);
    if (error == ERROR_SUCCESS) error = verbKey.SetText(nullptr, LoadResourceText(IDS_EXPLORER_VERB));
    if (error == ERROR_SUCCESS) error = verbKey.SetText(L"Icon", program + L",0");
    if (error != ERROR_SUCCESS) {
        failure = {FullName(verb), error};
        return false;
    }
    error = commandKey.Create(command);
    if (error == ERROR_SUCCESS) error = commandKey.SetText(nullptr, CommandLine(program, place));
    if (error != ERROR_SUCCESS) {
        failure = {FullName(command), error};
        return false;
    }
    return true;
}

// The keys between Classes and the verbs, deepest first, each once.
std::vector<std::wstring> ParentKeys() {
    const size_t classes = std::wcslen(kClasses);
    std::vector<std::wstring> parents;
    for (const MenuPlace& place : kPlaces) {
        for (std::wstring key = kClasses + std::wstring(place.shell); key.size() > classes;
             key.resize(key.rfind(L'\\'))) {
            if (std::find(parents.begin(), parents.end(), key) == parents.end()) parents.push_back(key);
        }
    }
    std::stable_sort(parents.begin(), parents.end(),
                     [](const std::wstring& a, const std::wstring& b) { return a.size() > b.size(); });
    return parents;
}

// A key that cannot go stays: it holds nothing.
void RemoveEmptyParents() {
    for (const std::wstring& parent : ParentKeys()) {
        bool empty = false;
        {
            RegistryKey key;
            empty = key.Open(parent) == ERROR_SUCCESS && key.Empty();
        }
        if (empty) RegDeleteKeyW(HKEY_CURRENT_USER, parent.c_str());
    }
}

}  // namespace

std::vector<std::wstring> ExplorerEntryKeys() {
    std::vector<std::wstring> keys;
    for (const MenuPlace& place : kPlaces) keys.push_back(FullName(VerbKey(place)));
    return keys;
}

ExplorerEntryState QueryExplorerEntry(const std::wstring& program) {
    size_t present = 0, starting = 0;
    for (const MenuPlace& place : kPlaces) {
        RegistryKey verb;
        if (verb.Open(VerbKey(place)) != ERROR_SUCCESS) continue;
        ++present;
        if (SameText(DefaultText(VerbKey(place) + kCommand), CommandLine(program, place))) ++starting;
    }
    if (present == 0) return ExplorerEntryState::Absent;
    return starting == sizeof kPlaces / sizeof kPlaces[0] ? ExplorerEntryState::Here : ExplorerEntryState::Elsewhere;
}

bool RegisterExplorerEntry(const std::wstring& program, RegistryFailure& failure) {
    for (const MenuPlace& place : kPlaces) {
        if (WritePlace(program, place, failure)) continue;
        std::vector<std::wstring> removed;
        RegistryFailure ignored;
        UnregisterExplorerEntry(removed, ignored);  // no menu entry that starts only sometimes
        return false;
    }
    return true;
}

bool UnregisterExplorerEntry(std::vector<std::wstring>& removed, RegistryFailure& failure) {
    removed.clear();
    bool complete = true;
    for (const MenuPlace& place : kPlaces) {
        const LONG error = RegDeleteTreeW(HKEY_CURRENT_USER, VerbKey(place).c_str());
        if (error == ERROR_SUCCESS) {
            removed.push_back(FullName(VerbKey(place)));
        } else if (error != ERROR_FILE_NOT_FOUND && complete) {
            failure = {FullName(VerbKey(place)), error};
            complete = false;
        }
    }
    if (!removed.empty()) RemoveEmptyParents();
    return complete;
}

std::wstring RegistryFailureText(const RegistryFailure& failure) {
    return FillIn(LoadResourceText(IDS_EXPLORER_KEY_FAILED),
                  {failure.key, SystemErrorText(static_cast<DWORD>(failure.error))});
}
