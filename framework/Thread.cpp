#include "framework/Thread.h"

bool StartThread(LPTHREAD_START_ROUTINE procedure, void* parameter) {
    HANDLE thread = CreateThread(nullptr, 0, procedure, parameter, 0, nullptr);
    if (!thread) return false;
    CloseHandle(thread);
    return true;
}
