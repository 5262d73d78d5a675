// A helper for the screenshot script of the secondary dialogs. Commands:
//   about | template   opens that dialog over Quillmark's main dialog;
//   drop <path>        drops one file onto the main dialog (which asks what to do with it);
//   front              waits for the dialog in front of the main dialog (owned by it) and
//                      prints its screen rectangle as "width height left top";
//   close-front        presses Cancel in that dialog and waits until it is gone.
// Exits 1 when a window does not appear.
#include <cstdio>
#include <string>

#include "../ProgramWindows.h"
#include "support/DialogItems.h"
#include "support/DropFiles.h"
#include "res/resource.h"

int main(int argc, char** argv) {
    HWND dialog = WaitForMainDialog(kProbeWait);
    if (!dialog || argc < 2) return 1;
    std::string command = argv[1];
    if (command == "about") return PostMessageA(dialog, WM_SYSCOMMAND, IDM_ABOUT, 0) ? 0 : 1;
    if (command == "template") return PostClick(dialog, IDC_MAIN_EDIT_TEMPLATE) ? 0 : 1;
    if (command == "drop" && argc > 2) return PostDropTo(dialog, {argv[2]}) ? 0 : 1;
    HWND front = WaitForOwnedDialog(dialog, nullptr, kProbeWait);
    if (!front) return 1;
    if (command == "front") {
        RECT r;
        GetWindowRect(front, &r);
        std::printf("%ld %ld %ld %ld\n", r.right - r.left, r.bottom - r.top, r.left, r.top);
        return 0;
    }
    if (command == "close-front") {
        PostClick(front, IDCANCEL);
        return WaitUntil([&] { return !IsWindow(front); }, kProbeWait) ? 0 : 1;
    }
    return 1;
}
