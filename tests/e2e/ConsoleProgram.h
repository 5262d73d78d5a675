#pragma once
// quillmark-cli.exe run as a script runs it: an argument text, standard output and error
// caught in files of the test (or standard output into a handle the test gives), an exit code.
#include <windows.h>

#include <string>

#include "support/TempFolder.h"

// quillmark-cli.exe in the build folder, beside quillmark.exe.
std::string BuiltConsoleProgramPath();
// An argument in double quotes, for an argument text.
std::string Quoted(const std::string& text);

class ConsoleProgram {
public:
    // Starts exe with the argument text after its quoted name (real names). output: an
    // inheritable handle for its standard output, else a file of its own. ownGroup: a console
    // and process group of its own, so that a Ctrl+C reaches it alone.
    ConsoleProgram(const std::wstring& exe, const std::wstring& arguments, HANDLE output = nullptr,
                   bool ownGroup = false);
    // Ends the program if it is still running.
    ~ConsoleProgram();
    ConsoleProgram(const ConsoleProgram&) = delete;
    ConsoleProgram& operator=(const ConsoleProgram&) = delete;

    bool Started() const { return started_; }
    // Ctrl+C typed into its console (needs ownGroup).
    bool PressCtrlC();
    // Waits for its end; its exit code, or STILL_ACTIVE after the timeout.
    DWORD Finish(DWORD timeoutMs = 60000);
    // What it wrote to standard output (into its own file) and to standard error.
    std::string Out() const { return ReadWholeFile(files_ / "out"); }
    std::string Err() const { return ReadWholeFile(files_ / "err"); }

private:
    TempFolder files_;
    PROCESS_INFORMATION process_ = {};
    bool started_ = false;
};

struct ConsoleOutcome {
    DWORD exitCode;
    std::string out;
    std::string err;
};

// Runs the built program to its end.
ConsoleOutcome RunConsoleProgram(const std::string& arguments);
