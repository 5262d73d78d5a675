// quillmark-cli: the dialog's listing (or check of a checksum file) from a command line, for
// scripts and scheduled tasks. It never shows a window or asks a question; the exit code
// tells how the run ended.
#include <windows.h>

#include "cli/CommandLine.h"
#include "cli/ConsoleCheck.h"
#include "cli/ConsoleListing.h"
#include "cli/ConsoleOptions.h"
#include "cli/ConsoleText.h"

int main() {
    ConsoleRequest request;
    ListingOptions options;
    std::wstring error;
    if (!ParseCommandLine(CommandLineArguments(), request, error) ||
        (!request.help && request.verify.empty() && !LoadConsoleOptions(request, options, error))) {
        WriteErrorLine(error);
        WriteConsoleText(GetStdHandle(STD_ERROR_HANDLE), UsageText());
        return kExitBadUsage;
    }
    if (request.help) {
        WriteConsoleText(GetStdHandle(STD_OUTPUT_HANDLE), HelpText());
        return kExitComplete;
    }
    if (!request.verify.empty()) return RunConsoleCheck(request.verify, request.output, request.quiet);
    return RunConsoleListing(options, request.quiet);
}
