#include "ProgramProcess.h"

#include "support/DropFiles.h"

std::string BuiltProgramPath() {
    char path[MAX_PATH * 4];
    DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string self(path, n);
    std::string folder = self.substr(0, self.rfind('\\'));
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

bool ProgramProcess::PostDrop(HWND window, const std::vector<std::string>& paths) {
    HDROP local = MakeDrop(paths);
    if (!local) return false;
    const SIZE_T size = GlobalSize(local);
    void* remote = VirtualAllocEx(process_.hProcess, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    const bool written = remote && WriteProcessMemory(process_.hProcess, remote, GlobalLock(local), size, nullptr);
    GlobalUnlock(local);
    GlobalFree(local);
    return written && PostMessageA(window, WM_DROPFILES, reinterpret_cast<WPARAM>(remote), 0);
}
