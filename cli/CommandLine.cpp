#include "cli/CommandLine.h"

#include <windows.h>
#include <shellapi.h>

#include <utility>

#include "cli/WideText.h"
#include "ui/res/ProgramVersion.h"

namespace {

using Change = std::function<void(ListingOptions&)>;

struct OptionRow {
    const wchar_t* name;  // after "--"
    const char* value;    // the value's form in the usage; null when it takes none
    const char* meaning;  // in the words of the dialog's controls
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

bool ParseFilter(const std::wstring& value, ConsoleRequest& request) {
    const CString text = AnsiFromWide(value);
    request.overrides.push_back([text](ListingOptions& options) {
        options.filter = true;
        options.filterText = text;
    });
    return true;
}

bool ParseNoFilter(const std::wstring&, ConsoleRequest& request) {
    request.overrides.push_back([](ListingOptions& options) { options.filter = false; });
    return true;
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
    {L"settings", "ファイル", "設定ファイル (既定: このプログラムと同じフォルダの quillmark.ini)", ParseSettings},
    {L"subfolders", "0|1", "サブフォルダも列挙する", ParseSwitch<&ListingOptions::subfolders>},
    {L"dirs", "0|1", "ディレクトリ名の出力", ParseSwitch<&ListingOptions::directoryNames>},
    {L"path", "absolute|relative", "パスの形式: 絶対パス / 基底パス", ParsePathForm},
    {L"url", "0|1", "URL式", ParseSwitch<&ListingOptions::url>},
    {L"case", "none|upper|lower", "そのまま / 大文字にする / 小文字にする", ParseCase},
    {L"size", "0|1", "サイズ", ParseSwitch<&ListingOptions::size>},
    {L"date", "0|1", "更新日付", ParseSwitch<&ListingOptions::date>},
    {L"attributes", "0|1", "属性", ParseSwitch<&ListingOptions::attributes>},
    {L"crc", "0|1", "CRC", ParseSwitch<&ListingOptions::checksum>},
    {L"version", "0|1", "Fバージョン", ParseSwitch<&ListingOptions::fileVersion>},
    {L"product-version", "0|1", "Pバージョン", ParseSwitch<&ListingOptions::productVersion>},
    {L"filter", "テキスト", "以下のファイルだけ列挙する (「;」で区切ったワイルドカード)", ParseFilter},
    {L"no-filter", nullptr, "すべてのファイルを列挙する", ParseNoFilter},
    {L"template", "0|1", "テンプレートの使用", ParseSwitch<&ListingOptions::useTemplate>},
    {L"utf8", "0|1", "UTF-8で出力", ParseSwitch<&ListingOptions::utf8>},
    {L"quiet", nullptr, "エラーのほかは何も表示しない", ParseQuiet},
    {L"help", nullptr, "この説明を表示する", ParseHelp},
};

const OptionRow* FindOption(const std::wstring& name) {
    for (const OptionRow& row : kOptions) {
        if (name == row.name) return &row;
    }
    return nullptr;
}

// One "--name[=value]" argument, taking its value from the next argument when it needs one.
bool ParseOption(const std::vector<std::wstring>& arguments, size_t& index, ConsoleRequest& request,
                 CString& error) {
    const std::wstring& argument = arguments[index];
    const size_t equals = argument.find(L'=');
    const OptionRow* row = FindOption(argument.substr(2, equals == std::wstring::npos ? equals : equals - 2));
    if (!row) {
        error = "不明なオプションです: " + AnsiFromWide(argument);
        return false;
    }
    std::wstring value;
    if (equals != std::wstring::npos) {
        value = argument.substr(equals + 1);
    } else if (row->value) {
        if (++index == arguments.size()) {
            error = "オプションの値がありません: " + AnsiFromWide(argument);
            return false;
        }
        value = arguments[index];
    }
    if ((!row->value && equals != std::wstring::npos) || !row->parse(value, request)) {
        error = "オプションの値が正しくありません: " + AnsiFromWide(argument);
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

bool ParseCommandLine(const std::vector<std::wstring>& arguments, ConsoleRequest& request, CString& error) {
    std::vector<std::wstring> operands;
    bool optionsEnded = false;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::wstring& argument = arguments[i];
        if (!optionsEnded && (argument == L"/?" || argument == L"-h")) {
            request.help = true;  // as Windows users ask; a folder named -h follows "--"
        } else if (optionsEnded || argument.size() < 2 || argument.compare(0, 2, L"--") != 0) {
            operands.push_back(argument);
        } else if (argument == L"--") {
            optionsEnded = true;
        } else if (!ParseOption(arguments, i, request, error)) {
            return false;
        }
    }
    if (request.help) return true;
    if (operands.empty()) {
        error = "対象フォルダを指定してください";
        return false;
    }
    if (operands.size() > 2) {
        error = "引数が多すぎます: " + AnsiFromWide(operands[2]);
        return false;
    }
    request.folder = operands[0];
    if (operands.size() == 2 && operands[1] != L"-") request.output = operands[1];
    return true;
}

CString UsageText() {
    CString text =
        "使い方: quillmark-cli [オプション] フォルダ [出力ファイル]\r\n"
        "フォルダの一覧を出力ファイルに書きます。出力ファイルを省くか - にすると標準出力に書きます。\r\n"
        "オプションは設定ファイルの設定を変えます:\r\n";
    for (const OptionRow& row : kOptions) {
        CString line = "  --" + AnsiFromWide(row.name);
        if (row.value) line += CString("=") + row.value;
        line.resize(line.size() < 28 ? 28 : line.size() + 1, ' ');
        text += line + row.meaning + "\r\n";
    }
    text +=
        "終了コード: 0 完了, 1 使い方の誤り, 2 フォルダがない, 3 出力ファイルが作成できない,\r\n"
        "            4 書き込みの失敗, 5 Ctrl+C または Ctrl+Break による停止\r\n";
    return text;
}

CString HelpText() { return "quillmark-cli " QM_VERSION_TEXT "\r\n" + UsageText(); }
