#include "cli/CommandLine.h"

#include <windows.h>
#include <shellapi.h>

#include <string>
#include <utility>

#include "cli/WideText.h"
#include "common/ReadyTemplates.h"
#include "framework/ModuleText.h"
#include "text/DisplayWidth.h"
#include "res/ProgramVersion.h"
#include "res/resource.h"

namespace {

using Change = std::function<void(ListingOptions&)>;

struct OptionRow {
    const wchar_t* name;  // after "--"
    bool takesValue;
    UINT help;            // the value's form, a tab, the meaning in the words of the dialog's controls
    // Records what the value asks for; false for a value the option does not take.
    bool (*parse)(const std::wstring& value, ConsoleRequest& request);
};

template <bool ListingOptions::*Field>
bool ParseSwitch(const std::wstring& value, ConsoleRequest& request) {
    if (value != L"0" && value != L"1") return false;
    const bool on = value == L"1";
    request.overrides.push_back([on](ListingOptions& options) { options.*Field = on; });
    return true;
}

bool ParsePathForm(const std::wstring& value, ConsoleRequest& request) {
    if (value != L"absolute" && value != L"relative") return false;
    const PathType type = value == L"absolute" ? PathType::Absolute : PathType::Relative;
    request.overrides.push_back([type](ListingOptions& options) { options.pathType = type; });
    return true;
}

bool ParseCase(const std::wstring& value, ConsoleRequest& request) {
    if (value != L"none" && value != L"upper" && value != L"lower") return false;
    const bool upper = value == L"upper";
    const bool lower = value == L"lower";
    request.overrides.push_back([upper, lower](ListingOptions& options) {
        options.upperCase = upper;
        options.lowerCase = lower;
    });
    return true;
}

// "0" or "1" switches the settings file's template off or on; a ready template's name uses it
// instead, and the settings file is left as it is.
bool ParseTemplate(const std::wstring& value, ConsoleRequest& request) {
    if (value == L"0" || value == L"1") return ParseSwitch<&ListingOptions::useTemplate>(value, request);
    const ReadyTemplate* ready = FindReadyTemplate(AnsiFromWide(value));
    if (!ready) return false;
    request.overrides.push_back([ready](ListingOptions& options) {
        const TemplateTexts texts = LoadReadyTemplate(*ready);
        options.useTemplate = true;
        options.headerText = texts.header;
        options.repeatText = texts.repeat;
        options.footerText = texts.footer;
    });
    return true;
}

bool ParseFilter(const std::wstring& value, ConsoleRequest& request) {
    request.overrides.push_back([value](ListingOptions& options) {
        options.filter = true;
        options.filterText = value;
    });
    return true;
}

bool ParseNoFilter(const std::wstring&, ConsoleRequest& request) {
    request.overrides.push_back([](ListingOptions& options) { options.filter = false; });
    return true;
}

bool ParseExclude(const std::wstring& value, ConsoleRequest& request) {
    request.overrides.push_back([value](ListingOptions& options) { options.excludeText = value; });
    return true;
}

// Digits only, as many as a folder tree can be deep.
bool ParseDepth(const std::wstring& value, ConsoleRequest& request) {
    if (value.empty() || value.size() > 4 || value.find_first_not_of(L"0123456789") != std::wstring::npos)
        return false;
    const unsigned depth = static_cast<unsigned>(std::stoul(value));
    request.overrides.push_back([depth](ListingOptions& options) { options.depth = depth; });
    return true;
}

// The listing's lines are compared with the earlier listing, and only the differences written.
bool ParseCompare(const std::wstring& value, ConsoleRequest& request) {
    request.overrides.push_back([value](ListingOptions& options) {
        options.compare = true;
        options.earlierListing = value;
    });
    return !value.empty();
}

bool ParseSettings(const std::wstring& value, ConsoleRequest& request) {
    request.settingsFile = value;
    return !value.empty();
}

bool ParseQuiet(const std::wstring&, ConsoleRequest& request) {
    request.quiet = true;
    return true;
}

bool ParseHelp(const std::wstring&, ConsoleRequest& request) {
    request.help = true;
    return true;
}

const OptionRow kOptions[] = {
    {L"settings", true, IDS_CLI_OPTION_SETTINGS, ParseSettings},
    {L"subfolders", true, IDS_CLI_OPTION_SUBFOLDERS, ParseSwitch<&ListingOptions::subfolders>},
    {L"dirs", true, IDS_CLI_OPTION_DIRS, ParseSwitch<&ListingOptions::directoryNames>},
    {L"path", true, IDS_CLI_OPTION_PATH, ParsePathForm},
    {L"url", true, IDS_CLI_OPTION_URL, ParseSwitch<&ListingOptions::url>},
    {L"case", true, IDS_CLI_OPTION_CASE, ParseCase},
    {L"size", true, IDS_CLI_OPTION_SIZE, ParseSwitch<&ListingOptions::size>},
    {L"date", true, IDS_CLI_OPTION_DATE, ParseSwitch<&ListingOptions::date>},
    {L"attributes", true, IDS_CLI_OPTION_ATTRIBUTES, ParseSwitch<&ListingOptions::attributes>},
    {L"crc", true, IDS_CLI_OPTION_CRC, ParseSwitch<&ListingOptions::checksum>},
    {L"file-version", true, IDS_CLI_OPTION_FILE_VERSION, ParseSwitch<&ListingOptions::fileVersion>},
    {L"product-version", true, IDS_CLI_OPTION_PRODUCT_VERSION, ParseSwitch<&ListingOptions::productVersion>},
    {L"filter", true, IDS_CLI_OPTION_FILTER, ParseFilter},
    {L"no-filter", false, IDS_CLI_OPTION_NO_FILTER, ParseNoFilter},
    {L"exclude", true, IDS_CLI_OPTION_EXCLUDE, ParseExclude},
    {L"depth", true, IDS_CLI_OPTION_DEPTH, ParseDepth},
    {L"template", true, IDS_CLI_OPTION_TEMPLATE, ParseTemplate},
    {L"utf8", true, IDS_CLI_OPTION_UTF8, ParseSwitch<&ListingOptions::utf8>},
    {L"compare", true, IDS_CLI_OPTION_COMPARE, ParseCompare},
    {L"page", true, IDS_CLI_OPTION_PAGE, ParseSwitch<&ListingOptions::page>},
    {L"quiet", false, IDS_CLI_OPTION_QUIET, ParseQuiet},
    {L"help", false, IDS_CLI_OPTION_HELP, ParseHelp},
    // "--version=0|1", the file version's name before --file-version; alone, the version.
    {L"version", true, IDS_CLI_OPTION_VERSION, ParseSwitch<&ListingOptions::fileVersion>},
};

const OptionRow* FindOption(const std::wstring& name) {
    for (const OptionRow& row : kOptions) {
        if (name == row.name) return &row;
    }
    return nullptr;
}

// One "--name[=value]" argument, taking its value from the next argument when it needs one.
bool ParseOption(const std::vector<std::wstring>& arguments, size_t& index, ConsoleRequest& request,
                 std::wstring& error) {
    const std::wstring& argument = arguments[index];
    const size_t equals = argument.find(L'=');
    const OptionRow* row = FindOption(argument.substr(2, equals == std::wstring::npos ? equals : equals - 2));
    if (!row) {
        error = LoadResourceText(IDS_CLI_UNKNOWN_OPTION) + argument;
        return false;
    }
    std::wstring value;
    if (equals != std::wstring::npos) {
        value = argument.substr(equals + 1);
    } else if (row->takesValue) {
        if (++index == arguments.size()) {
            error = LoadResourceText(IDS_CLI_MISSING_VALUE) + argument;
            return false;
        }
        value = arguments[index];
    }
    if ((!row->takesValue && equals != std::wstring::npos) || !row->parse(value, request)) {
        error = LoadResourceText(IDS_CLI_BAD_VALUE) + argument;
        return false;
    }
    return true;
}

}  // namespace

std::vector<std::wstring> CommandLineArguments() {
    std::vector<std::wstring> arguments;
    int count = 0;
    LPWSTR* list = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!list) return arguments;
    for (int i = 1; i < count; ++i) arguments.emplace_back(list[i]);
    LocalFree(list);
    return arguments;
}

bool ParseCommandLine(const std::vector<std::wstring>& arguments, ConsoleRequest& request, std::wstring& error) {
    std::vector<std::wstring> operands;
    bool optionsEnded = false;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::wstring& argument = arguments[i];
        if (!optionsEnded && (argument == L"/?" || argument == L"-h")) {
            request.help = true;  // as Windows users ask; a folder named -h follows "--"
        } else if (!optionsEnded && argument == L"--version") {
            request.version = true;
        } else if (optionsEnded || argument.size() < 2 || argument.compare(0, 2, L"--") != 0) {
            operands.push_back(argument);
        } else if (argument == L"--") {
            optionsEnded = true;
        } else if (!ParseOption(arguments, i, request, error)) {
            return false;
        }
    }
    if (request.help || request.version) return true;
    if (operands.empty()) {
        error = LoadResourceText(IDS_CLI_NO_FOLDER);
        return false;
    }
    if (operands.size() > 2) {
        error = LoadResourceText(IDS_CLI_TOO_MANY) + operands[2];
        return false;
    }
    // An empty name is a mistake in a script (an unset variable), not a request for "-".
    if (operands.size() == 2 && operands[1].empty()) {
        error = LoadResourceText(IDS_CLI_EMPTY_OUTPUT);
        return false;
    }
    request.folder = operands[0];
    if (operands.size() == 2 && operands[1] != L"-") request.output = operands[1];
    return true;
}

std::wstring UsageText() {
    std::wstring text = LoadResourceText(IDS_CLI_USAGE_HEAD);
    for (const OptionRow& row : kOptions) {
        const std::wstring help = LoadResourceText(row.help);
        const size_t tab = help.find(L'\t');
        const std::wstring form = help.substr(0, tab);
        std::wstring line = std::wstring(L"  --") + row.name;
        if (!form.empty()) line += L"=" + form;
        // The meanings line up in the 29th column, or one blank after a longer option.
        const size_t columns = DisplayColumns(line);
        line.append(columns < 28 ? 28 - columns : 1, L' ');
        text += line + (tab == std::wstring::npos ? std::wstring() : help.substr(tab + 1)) + L"\r\n";
    }
    return text + LoadResourceText(IDS_CLI_USAGE_TAIL) + LoadResourceText(IDS_CLI_USAGE_COMPARE_EXITS);
}

std::wstring VersionLine() { return L"quillmark-cli " QM_VERSION_WIDE_TEXT L"\r\n"; }

std::wstring HelpText() { return VersionLine() + UsageText(); }
