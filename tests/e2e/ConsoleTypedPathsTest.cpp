// The console program's FOLDER and OUTPUT as typed, taken by the dialog's rules: a real name
// as it is, else what the system makes of the text.
#include <gtest/gtest.h>

#include <string>

#include "ConsoleProgram.h"
#include "support/TempFolder.h"

namespace {

const char kNamesOnly[] = "--path=relative --case=none --size=0 --date=0 --attributes=0 ";

TEST(ConsoleTypedPaths, TrailingDotsAndBlanksAreTidiedUnlessTheRealNameHasThem) {
    TempFolder folder;
    const std::string data = folder.MakeDir("data");
    folder.WriteFile("data\\a.txt", "a");
    folder.WriteFile(L"apache.\\own.txt", "dot");
    folder.WriteFile("apache\\other.txt", "plain");

    ConsoleOutcome tidied = RunConsoleProgram(kNamesOnly + Quoted(data + " ") + " " + Quoted(folder / "list.txt."));
    EXPECT_EQ(0u, tidied.exitCode) << tidied.err;
    EXPECT_EQ("a.txt\r\n", ReadWholeFile(folder / "list.txt"));
    EXPECT_EQ("<missing>", ReadWholeFile(RealPath(folder / "list.txt."))) << "a name Explorer could not delete";

    ConsoleOutcome dotted = RunConsoleProgram(kNamesOnly + Quoted(folder / "apache."));
    EXPECT_EQ(0u, dotted.exitCode) << dotted.err;
    EXPECT_EQ("own.txt\r\n", dotted.out);
}

}  // namespace
