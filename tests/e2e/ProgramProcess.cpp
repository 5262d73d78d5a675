#include "ProgramProcess.h"

#include "framework/ModuleText.h"
#include "support/TempFolder.h"

std::string BuiltProgramPath() {
    // The build folder has no name outside the code page.
    const std::string folder = Narrow(ProgramFolder());
    return folder.substr(0, folder.rfind('\\', folder.size() - 2)) + "\\quillmark.exe";
}

ProgramProcess::ProgramProcess(const std::wstring& exe, const std::wstring& arguments) {
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    std::wstring commandLine = L"\"" + exe + L"\" " + arguments;
    started_ = CreateProcessW(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                              &startup, &process_) != FALSE;
}

ProgramProcess::~ProgramProcess() {
    if (!started_) return;
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(process_.hProcess, 1);
    CloseHandle(process_.hProcess);
    CloseHandle(process_.hThread);
}

void ProgramProcess::Kill() {
    TerminateProcess(process_.hProcess, 1);
    WaitForSingleObject(process_.hProcess, INFINITE);
}

bool ProgramProcess::Exited(DWORD timeoutMs) const {
    return WaitForSingleObject(process_.hProcess, timeoutMs) == WAIT_OBJECT_0;
}
