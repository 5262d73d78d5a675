// The console program's --filter holds any character, and the filter matches the real ones:
// a character the code page lacks is neither a wildcard nor a look-alike.
#include <gtest/gtest.h>

#include <string>

#include "ConsoleProgram.h"
#include "support/TempFolder.h"

namespace {

TEST(ConsoleFilter, CharactersOutsideTheCodePageMatchThemselvesAlone) {
    TempFolder folder;
    for (const wchar_t* name : {L"r\u00e9sum\u00e9.txt", L"resume.txt", L"rXsumY.txt", L"a\U0001F600b.txt", L"表.TXT"})
        folder.WriteFile(std::wstring(L"data\\") + name, "x");
    const std::wstring run = L"--path=relative --case=none --size=0 --date=0 --attributes=0 --subfolders=0 \"" +
                             Wide(folder / "data") + L"\" ";
    const auto list = [&](const std::wstring& options) {
        ConsoleProgram program(Wide(BuiltConsoleProgramPath()), options + L" " + run);
        EXPECT_EQ(0u, program.Finish()) << program.Err();
        return program.Out();
    };
    EXPECT_EQ("r\xC3\xA9sum\xC3\xA9.txt\r\n", list(L"--utf8=1 --filter=r\u00e9sum\u00e9.txt"));
    EXPECT_EQ("r?sum?.txt\r\n", list(L"--filter=R\u00c9SUM\u00c9.TXT")) << "in either case";
    EXPECT_EQ("a??b.txt\r\n", list(L"--filter=*\U0001F600*"));
    EXPECT_EQ("a??b.txt\r\n", list(L"--filter=a?b.txt")) << "a surrogate pair is one character";
    // Names of the code page as before.
    EXPECT_EQ("resume.txt\r\nrXsumY.txt\r\n表.TXT\r\n", list(L"--filter=re*;rx*;表.txt"));
}

}  // namespace
