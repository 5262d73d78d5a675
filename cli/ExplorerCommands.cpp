#include "cli/ExplorerCommands.h"

#include <windows.h>

#include <string>
#include <vector>

#include "cli/ConsoleListing.h"
#include "cli/ConsoleText.h"
#include "framework/LongPath.h"
#include "framework/MessageText.h"
#include "framework/ModuleText.h"
#include "common/ExplorerEntry.h"
#include "res/resource.h"

namespace {

// The message, then one indented line for each key.
std::wstring Report(const std::wstring& message, const std::vector<std::wstring>& keys) {
    std::wstring text = message + L"\r\n";
    for (const std::wstring& key : keys) text += L"  " + key + L"\r\n";
    return text;
}

int Register(bool quiet) {
    // The entry starts the dialog: a menu entry that starts nothing helps nobody.
    const std::wstring program = ProgramFolder() + L"quillmark.exe";
    if (!IsFile(program)) {
        WriteErrorLine(FillIn(LoadResourceText(IDS_EXPLORER_NO_PROGRAM), {program}));
        return kExitCannotCreate;
    }
    RegistryFailure failure;
    if (!RegisterExplorerEntry(program, failure)) {
        WriteErrorLine(RegistryFailureText(failure));
        return kExitCannotCreate;
    }
    if (!quiet) {
        const std::wstring done = FillIn(LoadResourceText(IDS_EXPLORER_REGISTERED),
                                         {LoadResourceText(IDS_EXPLORER_VERB), program});
        WriteConsoleText(GetStdHandle(STD_OUTPUT_HANDLE), Report(done, ExplorerEntryKeys()));
    }
    return kExitComplete;
}

int Unregister(bool quiet) {
    std::vector<std::wstring> removed;
    RegistryFailure failure;
    if (!UnregisterExplorerEntry(removed, failure)) {
        WriteErrorLine(RegistryFailureText(failure));
        return kExitCannotCreate;
    }
    if (!quiet) {
        const std::wstring text = removed.empty() ? LoadResourceText(IDS_EXPLORER_NOTHING_REMOVED) + L"\r\n"
                                                  : Report(LoadResourceText(IDS_EXPLORER_UNREGISTERED), removed);
        WriteConsoleText(GetStdHandle(STD_OUTPUT_HANDLE), text);
    }
    return kExitComplete;
}

}  // namespace

int RunExplorerAction(ExplorerAction action, bool quiet) {
    return action == ExplorerAction::Register ? Register(quiet) : Unregister(quiet);
}
