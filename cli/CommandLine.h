#pragma once
// The console program's command line: quillmark-cli [OPTIONS] FOLDER [OUTPUT]. One table names
// every option, the value it takes, what it changes and its line in the usage text.
#include <functional>
#include <string>
#include <vector>

#include "format/ListingOptions.h"

struct ConsoleRequest {
    std::wstring folder;        // as typed, like the dialog's folder field
    std::wstring output;        // the output file; empty (none or "-" typed): standard output
    std::wstring settingsFile;  // empty: quillmark.ini beside the program
    bool quiet = false;         // nothing but errors on standard error
    bool help = false;
    bool version = false;       // --version alone: the program's name and version
    // The options given, applied in order over the settings file's.
    std::vector<std::function<void(ListingOptions&)>> overrides;
};

// The program's arguments after its own name, from the wide command line.
std::vector<std::wstring> CommandLineArguments();

// Reads the arguments into the request; false, with a message for the user, when they are not
// understood. "--" ends the options; "--name=value" and "--name value" are the same, but for
// "--version", which alone asks for the version and takes its value only after "=".
bool ParseCommandLine(const std::vector<std::wstring>& arguments, ConsoleRequest& request, std::wstring& error);

// The usage text, each line ending in CR LF.
std::wstring UsageText();
// The program's name and version, as --version prints it, with its line end.
std::wstring VersionLine();
// The help (--help, -h, /?): the program's name and version on a line, then the usage.
std::wstring HelpText();
