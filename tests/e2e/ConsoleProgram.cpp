#include "ConsoleProgram.h"

#include "ProgramProcess.h"

namespace {

HANDLE InheritableFile(const std::string& path) {
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    return CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                       CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
}

}  // namespace

std::string BuiltConsoleProgramPath() {
    const std::string dialog = BuiltProgramPath();
    return dialog.substr(0, dialog.rfind('\\')) + "\\quillmark-cli.exe";
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

ConsoleProgram::ConsoleProgram(const std::wstring& exe, const std::wstring& arguments, HANDLE output,
                               bool ownGroup) {
    HANDLE outFile = output ? nullptr : InheritableFile(files_ / "out");
    HANDLE errFile = InheritableFile(files_ / "err");
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES | STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;  // its console, if it gets one of its own
    startup.hStdOutput = output ? output : outFile;
    startup.hStdError = errFile;
    std::wstring commandLine = L"\"" + exe + L"\" " + arguments;
    const DWORD flags = ownGroup ? CREATE_NEW_CONSOLE | CREATE_NEW_PROCESS_GROUP : 0;
    started_ = CreateProcessW(exe.c_str(), &commandLine[0], nullptr, nullptr, TRUE, flags, nullptr, nullptr,
                              &startup, &process_) != FALSE;
    if (outFile) CloseHandle(outFile);
    CloseHandle(errFile);
}

ConsoleProgram::~ConsoleProgram() {
    if (!started_) return;
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(process_.hProcess, 99);
    WaitForSingleObject(process_.hProcess, 10000);  // its files go with the folder
    CloseHandle(process_.hProcess);
    CloseHandle(process_.hThread);
}

bool ConsoleProgram::PressCtrlC() {
    // Only a process of the same console can send it. Wine delivers Ctrl+C but not Ctrl+Break,
    // and only to a group that has taken Ctrl+C back (a new group starts with it ignored).
    FreeConsole();
    const bool sent = AttachConsole(process_.dwProcessId) &&
                      GenerateConsoleCtrlEvent(CTRL_C_EVENT, process_.dwProcessId);
    FreeConsole();
    return sent;
}

DWORD ConsoleProgram::Finish(DWORD timeoutMs) {
    DWORD code = STILL_ACTIVE;
    if (started_ && WaitForSingleObject(process_.hProcess, timeoutMs) == WAIT_OBJECT_0)
        GetExitCodeProcess(process_.hProcess, &code);
    return code;
}

ConsoleOutcome RunConsoleProgram(const std::string& arguments) {
    ConsoleProgram program(Wide(BuiltConsoleProgramPath()), Wide(arguments));
    const DWORD code = program.Finish();
    return {code, program.Out(), program.Err()};
}
