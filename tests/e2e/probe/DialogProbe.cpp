// A helper for shell scripts: "rect" waits for Quillmark's main dialog and prints its screen
// rectangle as "width height left top"; "close" presses its Cancel button and waits until it
// is gone. Exits 1 when the dialog does not appear.
#include <cstdio>
#include <cstring>

#include "../ProgramWindows.h"

int main(int argc, char** argv) {
    HWND dialog = WaitForMainDialog(kProbeWait);
    if (!dialog || argc < 2) return 1;
    if (std::strcmp(argv[1], "rect") == 0) {
        RECT r;
        GetWindowRect(dialog, &r);
        std::printf("%ld %ld %ld %ld\n", r.right - r.left, r.bottom - r.top, r.left, r.top);
        return 0;
    }
    if (std::strcmp(argv[1], "close") == 0) {
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        return WaitUntil([&] { return !IsWindow(dialog); }, kProbeWait) ? 0 : 1;
    }
    return 1;
}
