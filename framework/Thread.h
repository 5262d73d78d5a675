#pragma once
// Starting a worker thread that is not waited for.
#include <windows.h>

// Runs procedure(parameter) on a new thread with default stack and security; the thread's
// handle is not kept. Returns false when the thread could not be started.
bool StartThread(LPTHREAD_START_ROUTINE procedure, void* parameter);
