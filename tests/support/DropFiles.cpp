#include "support/DropFiles.h"

#include <shlobj.h>
#include <cstring>

#include "support/TempFolder.h"

HDROP MakeDrop(const std::vector<std::wstring>& paths) {
    size_t size = sizeof(DROPFILES) + sizeof(wchar_t);
    for (const std::wstring& path : paths) size += (path.size() + 1) * sizeof(wchar_t);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
    if (!block) return nullptr;
    auto* header = static_cast<DROPFILES*>(GlobalLock(block));
    header->pFiles = sizeof(DROPFILES);
    header->fNC = FALSE;
    header->fWide = TRUE;
    auto* out = reinterpret_cast<wchar_t*>(reinterpret_cast<char*>(header) + sizeof(DROPFILES));
    for (const std::wstring& path : paths) {
        std::memcpy(out, path.c_str(), (path.size() + 1) * sizeof(wchar_t));
        out += path.size() + 1;
    }
    GlobalUnlock(block);
    return static_cast<HDROP>(block);
}

HDROP MakeDrop(const std::vector<std::string>& paths) {
    std::vector<std::wstring> wide;
    for (const std::string& path : paths) wide.push_back(Wide(path));
    return MakeDrop(wide);
}

bool PostDropTo(HWND window, const std::vector<std::string>& paths) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, processId);
    HDROP local = MakeDrop(paths);
    void* remote = nullptr;
    bool written = false;
    if (process && local) {
        const SIZE_T size = GlobalSize(local);
        remote = VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
        written = remote && WriteProcessMemory(process, remote, GlobalLock(local), size, nullptr);
        GlobalUnlock(local);
    }
    if (local) GlobalFree(local);
    if (process) CloseHandle(process);
    return written && PostMessageA(window, WM_DROPFILES, reinterpret_cast<WPARAM>(remote), 0);
}
