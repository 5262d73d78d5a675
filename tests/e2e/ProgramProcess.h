#pragma once
// The built program as a separate process: copied beside a test's files (so that its settings
// and default output are private) and started with an argument text.
#include <windows.h>
#include <string>

// quillmark.exe in the build folder (one level above the test programs).
std::string BuiltProgramPath();

class ProgramProcess {
public:
    // Starts exe with the given argument text after its quoted name (real names: a test may
    // run a copy in a folder named outside the code page).
    ProgramProcess(const std::wstring& exe, const std::wstring& arguments);
    // Ends the program if it is still running.
    ~ProgramProcess();
    ProgramProcess(const ProgramProcess&) = delete;
    ProgramProcess& operator=(const ProgramProcess&) = delete;

    bool Started() const { return started_; }
    bool Exited(DWORD timeoutMs) const;
    // Ends it at once, as a crash or a power cut would, and waits until it is gone.
    void Kill();

private:
    PROCESS_INFORMATION process_ = {};
    bool started_ = false;
};
