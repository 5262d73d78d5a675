#include "cli/CommandLine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Parsed {
    bool understood;
    ConsoleRequest request;
    ListingOptions options;  // every switch off, then the request's overrides in order
    std::wstring error;
};

Parsed Parse(const std::vector<std::wstring>& arguments) {
    Parsed parsed;
    parsed.understood = ParseCommandLine(arguments, parsed.request, parsed.error);
    for (const auto& change : parsed.request.overrides) change(parsed.options);
    return parsed;
}

TEST(CommandLine, OptionsInEitherFormAppliedInOrderAroundTheOperands) {
    Parsed p = Parse({L"--size=1", L"--path", L"relative", L"C:\\データ", L"--case=upper", L"--filter",
                      L"*.txt;*.log", L"--no-filter", L"--case", L"lower", L"--quiet", L"out.txt", L"--exclude=node_modules;docs\\old",
                      L"--depth", L"3"});
    ASSERT_TRUE(p.understood) << p.error;
    EXPECT_EQ(L"C:\\データ", p.request.folder);
    EXPECT_EQ(L"out.txt", p.request.output);
    EXPECT_TRUE(p.request.quiet);
    EXPECT_TRUE(p.options.size);
    EXPECT_EQ(PathType::Relative, p.options.pathType);
    EXPECT_FALSE(p.options.upperCase) << "the later --case wins";
    EXPECT_TRUE(p.options.lowerCase);
    EXPECT_FALSE(p.options.filter) << "--no-filter after --filter";
    EXPECT_EQ(L"*.txt;*.log", p.options.filterText);
    EXPECT_EQ(L"node_modules;docs\\old", p.options.excludeText);
    EXPECT_EQ(3u, p.options.depth);

    // "--" ends the options; "-" as output is standard output.
    p = Parse({L"--settings=my.ini", L"--", L"--odd folder", L"-"});
    ASSERT_TRUE(p.understood) << p.error;
    EXPECT_EQ(L"my.ini", p.request.settingsFile);
    EXPECT_EQ(L"--odd folder", p.request.folder);
    EXPECT_EQ(L"", p.request.output);

    p = Parse({L"--help"});
    EXPECT_TRUE(p.understood && p.request.help) << "no folder needed for the help";
    p = Parse({L"--unregister", L"--quiet"});
    EXPECT_TRUE(p.understood && p.request.explorer == ExplorerAction::Unregister) << "nor for Explorer's menu";
}

TEST(CommandLine, WhatIsNotUnderstoodIsNamed) {
    const struct {
        std::vector<std::wstring> arguments;
        const wchar_t* error;
    } cases[] = {
        {{L"--sizes=1", L"C:\\"}, L"不明なオプションです: --sizes=1"},
        {{L"C:\\", L"--filter"}, L"オプションの値がありません: --filter"},
        {{L"--size=2", L"C:\\"}, L"オプションの値が正しくありません: --size=2"},
        {{L"--path", L"Relative", L"C:\\"}, L"オプションの値が正しくありません: --path"},
        {{L"--quiet=1", L"C:\\"}, L"オプションの値が正しくありません: --quiet=1"},
        {{L"--settings=", L"C:\\"}, L"オプションの値が正しくありません: --settings="},
        {{L"--depth=-1", L"C:\\"}, L"オプションの値が正しくありません: --depth=-1"},
        {{L"--depth=99999", L"C:\\"}, L"オプションの値が正しくありません: --depth=99999"},
        {{L"--size=1"}, L"対象フォルダを指定してください"},
        {{L"C:\\", L"a.txt", L"表.txt"}, L"引数が多すぎます: 表.txt"},
        {{L"--register", L"C:\\"}, L"引数が多すぎます: C:\\"},
        {{L"--register", L"--unregister"}, L"オプションの値が正しくありません: --unregister"},
    };
    for (const auto& c : cases) {
        const Parsed p = Parse(c.arguments);
        EXPECT_FALSE(p.understood) << c.error;
        EXPECT_EQ(c.error, p.error);
    }
}

TEST(CommandLine, UsageLinesUpEveryOptionsMeaning) {
    const std::wstring usage = UsageText();
    EXPECT_EQ(0u, usage.find(L"使い方: quillmark-cli [オプション] フォルダ [出力ファイル]\r\n")) << usage;
    // The meanings start in column 29 whatever the value's form, full-width letters counting two.
    EXPECT_NE(std::wstring::npos,
              usage.find(L"\r\n  --settings=ファイル       設定ファイル (既定: このプログラムと同じフォルダの quillmark.ini)\r\n"))
        << usage;
    EXPECT_NE(std::wstring::npos, usage.find(L"\r\n  --path=absolute|relative  パスの形式: 絶対パス / 基底パス\r\n")) << usage;
    EXPECT_NE(std::wstring::npos, usage.find(L"\r\n  --no-filter               すべてのファイルを列挙する\r\n")) << usage;
    const std::wstring end =
        L"5 Ctrl+C または Ctrl+Break による停止,\r\n            6 書き込んだが読み取れなかった項目がある\r\n"
        L"            7 前回の一覧との違いがある, 8 前回の一覧と比較できない (何も出力していない)\r\n"
        L"--verify の終了コード: 0 すべて一致, 6 読み取れないファイルがある, 7 一致しないか見つからないファイルがある,\r\n"
        L"            8 チェックサムファイルを読めないか正しい行がない (何も出力していない)\r\n";
    EXPECT_EQ(usage.size() - end.size(), usage.rfind(end)) << usage;
}

}  // namespace
