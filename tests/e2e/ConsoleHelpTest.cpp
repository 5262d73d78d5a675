// Help as Windows users ask for it: /?, -h and --help each show it on standard output and end
// with 0; its first line names the program and its version.
#include <gtest/gtest.h>

#include <string>

#include "ConsoleProgram.h"
#include "res/ProgramVersion.h"

namespace {

TEST(ConsoleHelp, SlashQuestionDashHAndDashDashHelpShowItWithExitZero) {
    for (const char* asked : {"/?", "-h", "--help", "--size=1 D:\\data -h"}) {
        ConsoleOutcome help = RunConsoleProgram(asked);
        EXPECT_EQ(0u, help.exitCode) << asked;
        EXPECT_EQ(0u, help.out.find("quillmark-cli " QM_VERSION_TEXT "\r\n使い方: quillmark-cli ")) << asked << "\n"
                                                                                                    << help.out;
        EXPECT_EQ("", help.err) << asked;
    }
    // After "--", -h is a folder's name like any other: here one that is not there.
    EXPECT_EQ(2u, RunConsoleProgram("-- -h").exitCode);
}

}  // namespace
