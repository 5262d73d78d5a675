#pragma once
// A test of the built program as a user runs it: a copy in the test's own folder (so that its
// settings file and default output are private), started, its main dialog found.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>

#include "ProgramProcess.h"
#include "support/TempFolder.h"

class ProgramTest : public ::testing::Test {
protected:
    // Copies the program into the folder, starts it with the argument text and waits for its
    // main dialog; a fatal failure when any of that fails (ASSERT_NO_FATAL_FAILURE).
    void StartProgram(const std::string& arguments = "");
    // Cancel with no run going: the program saves its closing keys and ends. Whether it ended.
    bool CloseProgram();

    // The program's settings file beside it.
    std::string SettingsFile() const { return folder / "quillmark.ini"; }

    TempFolder folder;
    HWND dialog = nullptr;

private:
    std::unique_ptr<ProgramProcess> program_;  // ended before the folder goes
};
