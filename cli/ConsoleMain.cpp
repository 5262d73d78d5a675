// quillmark-cli: the dialog's listing from a command line, for scripts and scheduled tasks. It
// never shows a window or asks a question; the exit code tells how the listing ended.
#include <windows.h>

#include "cli/CommandLine.h"
#include "cli/ConsoleListing.h"
#include "cli/ConsoleOptions.h"
#include "cli/ConsoleText.h"
#include "framework/ModuleText.h"
#include "res/resource.h"

int main() {
    ConsoleRequest request;
    ListingOptions options;
    std::wstring error;
    if (!ParseCommandLine(CommandLineArguments(), request, error)) {
        // The mistake and where the help is: thirty lines of usage would hide the one that matters.
        WriteErrorLine(error);
        WriteErrorLine(LoadResourceText(IDS_CLI_SEE_HELP));
        return kExitBadUsage;
    }
    if (request.help || request.version) {
        WriteConsoleText(GetStdHandle(STD_OUTPUT_HANDLE), request.help ? HelpText() : VersionLine());
        return kExitComplete;
    }
    if (!LoadConsoleOptions(request, options, error)) {
        WriteErrorLine(error);
        return kExitBadUsage;
    }
    return RunConsoleListing(options, request.quiet);
}
