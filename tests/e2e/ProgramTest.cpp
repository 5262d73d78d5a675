#include "ProgramTest.h"

#include "ProgramWindows.h"
#include "support/DialogItems.h"

void ProgramTest::StartProgram(const std::string& arguments) {
    const std::string exe = folder / "quillmark.exe";
    ASSERT_TRUE(CopyFileA(BuiltProgramPath().c_str(), exe.c_str(), FALSE)) << BuiltProgramPath();
    program_ = std::make_unique<ProgramProcess>(Wide(exe), Wide(arguments));
    ASSERT_TRUE(program_->Started());
    dialog = WaitForMainDialog(kProgramWait);
    ASSERT_NE(dialog, nullptr);
}

bool ProgramTest::CloseProgram() {
    PostClick(dialog, IDCANCEL);
    return program_->Exited(kProgramWait);
}
