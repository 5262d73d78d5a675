#pragma once
// The options of a console run: the settings file's, as the dialog loads them (its keys,
// defaults, escaping and built-in templates), then the command line's folder, output and
// overrides. The settings file is only read.
#include <string>

#include "cli/CommandLine.h"
#include "format/ListingOptions.h"

// False, with a message for the user, when a settings file named on the command line is not
// there (a missing default file means the defaults). An empty outputPath: standard output.
bool LoadConsoleOptions(const ConsoleRequest& request, ListingOptions& options, std::wstring& error);
