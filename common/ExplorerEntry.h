#pragma once
// The entry in Explorer's menu that lists a folder with the dialog: one verb of ours for a
// folder, for the background of an open folder and for a drive, written for this user only
// (HKEY_CURRENT_USER\Software\Classes, no administrator rights). Each verb's key holds the
// menu text in the user's language and the program's icon, its "command" key the command
// line that starts the dialog program on the folder. Nothing else is written.
#include <windows.h>

#include <string>
#include <vector>

// Where a change of the registry stopped: the key's full name and the system's error code.
struct RegistryFailure {
    std::wstring key;  // "HKEY_CURRENT_USER\..."
    LONG error = ERROR_SUCCESS;
};

enum class ExplorerEntryState {
    Absent,     // none of the verb's keys is there
    Here,       // every place starts the program asked about
    Elsewhere,  // some place is missing or starts another program (the folder was moved)
};

// The full names of the verb's keys, one for each place in the menu.
std::vector<std::wstring> ExplorerEntryKeys();

// How the entry stands with regard to the dialog program at that path.
ExplorerEntryState QueryExplorerEntry(const std::wstring& program);

// Writes the entry for the dialog program at that path over whatever there was of it. When a
// key cannot be written, what there is of the entry is removed and false returned.
bool RegisterExplorerEntry(const std::wstring& program, RegistryFailure& failure);

// Removes the verb's keys and, when one was there, the keys above them (up to Classes) that
// are left empty: register made them where there were none. removed: the full names of the
// verb's keys that were there and have gone.
bool UnregisterExplorerEntry(std::vector<std::wstring>& removed, RegistryFailure& failure);

// The message for a failure: the key and the system's reason.
std::wstring RegistryFailureText(const RegistryFailure& failure);
