// Program start. The main dialog replaces this placeholder window.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    MessageBoxA(nullptr, "Quillmark ファイル列挙", "quillmark", MB_OK | MB_ICONINFORMATION);
    return 0;
}
