#include "ProgramProcess.h"

#include "framework/ModuleText.h"

std::string BuiltProgramPath() {
    const std::string self = ModuleFilePath();
    const std::string folder = self.substr(0, self.rfind('\\'));
    return folder.substr(0, folder.rfind('\\')) + "\\quillmark.exe";
}

ProgramProcess::ProgramProcess(const std::string& exe, const std::string& arguments) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    std::string commandLine = "\"" + exe + "\" " + arguments;
    started_ = CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                              &startup, &process_) != FALSE;
}

ProgramProcess::~ProgramProcess() {
    if (!started_) return;
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(process_.hProcess, 1);
    CloseHandle(process_.hProcess);
    CloseHandle(process_.hThread);
}

bool ProgramProcess::Exited(DWORD timeoutMs) const {
    return WaitForSingleObject(process_.hProcess, timeoutMs) == WAIT_OBJECT_0;
}
