// A helper for the screenshot script of the secondary dialogs. Commands:
//   about | template   opens that dialog over Quillmark's main dialog;
//   drop <path>        drops one file onto the main dialog (which asks what to do with it);
//   front              waits for the dialog in front of the main dialog (owned by it) and
//                      prints its screen rectangle as "width height left top";
//   close-front        presses Cancel in that dialog and waits until it is gone.
// Exits 1 when a window does not appear.
#include <cstdio>
#include <cstring>
#include <string>

#include "../ProgramWindows.h"
#include "support/DropFiles.h"

namespace {

const DWORD kWait = 30000;

struct FrontSearch {
    HWND owner;
    HWND found;
};

BOOL CALLBACK CheckOwned(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<FrontSearch*>(param);
    char className[16] = "";
    GetClassNameA(window, className, sizeof className);
    if (std::string(className) == "#32770" && GetWindow(window, GW_OWNER) == search->owner &&
        IsWindowVisible(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND WaitForFront(HWND main) {
    FrontSearch search = {main, nullptr};
    WaitUntil([&] {
        EnumWindows(CheckOwned, reinterpret_cast<LPARAM>(&search));
        return search.found != nullptr;
    }, kWait);
    return search.found;
}

// Writes the drop block into the program's memory, where the shell's drop block would be.
bool PostDrop(HWND window, const std::string& path) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, processId);
    HDROP local = MakeDrop({path});
    if (!process || !local) return false;
    const SIZE_T size = GlobalSize(local);
    void* remote = VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    const bool written = remote && WriteProcessMemory(process, remote, GlobalLock(local), size, nullptr);
    GlobalUnlock(local);
    GlobalFree(local);
    CloseHandle(process);
    return written && PostMessageA(window, WM_DROPFILES, reinterpret_cast<WPARAM>(remote), 0);
}

}  // namespace

int main(int argc, char** argv) {
    HWND dialog = WaitForMainDialog(kWait);
    if (!dialog || argc < 2) return 1;
    std::string command = argv[1];
    if (command == "about") return PostMessageA(dialog, WM_SYSCOMMAND, 16, 0) ? 0 : 1;
    if (command == "template") return PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(1029, BN_CLICKED), 0) ? 0 : 1;
    if (command == "drop" && argc > 2) return PostDrop(dialog, argv[2]) ? 0 : 1;
    HWND front = WaitForFront(dialog);
    if (!front) return 1;
    if (command == "front") {
        RECT r;
        GetWindowRect(front, &r);
        std::printf("%ld %ld %ld %ld\n", r.right - r.left, r.bottom - r.top, r.left, r.top);
        return 0;
    }
    if (command == "close-front") {
        PostMessageA(front, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        return WaitUntil([&] { return !IsWindow(front); }, kWait) ? 0 : 1;
    }
    return 1;
}
