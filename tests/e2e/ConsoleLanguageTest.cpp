// The console program speaks the user's language: Japanese on a Japanese system, English on
// any other. CTest runs this test twice: within e2e_tests under the Japanese locale, and as
// e2e_english under an English one (QM_LOCALE of tools/wine-env).
#include <gtest/gtest.h>

#include <string>

#include "ConsoleProgram.h"

namespace {

struct LanguageTexts {
    const char* usage;         // the help's usage line
    const char* settingsLine;  // an option whose form has letters of the language, lined up
    const char* badValue;      // the error for --size=2, then where the help is
};

const LanguageTexts kJapanese = {
    "使い方: quillmark-cli [オプション] フォルダ [出力ファイル]\r\n",
    "\r\n  --settings=ファイル       設定ファイル (既定: このプログラムと同じフォルダの quillmark.ini)\r\n",
    "オプションの値が正しくありません: --size=2\r\n使い方は quillmark-cli --help で表示できます\r\n",
};

const LanguageTexts kEnglish = {
    "Usage: quillmark-cli [OPTIONS] FOLDER [OUTPUT]\r\n",
    "\r\n  --settings=FILE           Settings file (default: quillmark.ini in this program's folder)\r\n",
    "Invalid value for option: --size=2\r\nTry quillmark-cli --help for the usage\r\n",
};

TEST(ConsoleLanguage, HelpAndErrorInTheLanguageOfTheUsersSystem) {
    const bool japanese = PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_JAPANESE;
    const LanguageTexts& texts = japanese ? kJapanese : kEnglish;

    // Written to files, so in the ANSI code page of the system (there is no console).
    const ConsoleOutcome help = RunConsoleProgram("--help");
    EXPECT_EQ(0u, help.exitCode);
    EXPECT_NE(std::string::npos, help.out.find(texts.usage)) << help.out;
    EXPECT_NE(std::string::npos, help.out.find(texts.settingsLine)) << help.out;
    EXPECT_EQ("", help.err);

    const ConsoleOutcome bad = RunConsoleProgram("--size=2 C:\\");
    EXPECT_EQ(1u, bad.exitCode);
    EXPECT_EQ(texts.badValue, bad.err);
    EXPECT_EQ("", bad.out);
}

}  // namespace
