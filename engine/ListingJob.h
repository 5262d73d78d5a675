#pragma once
// The snapshot of the user's choices for one run, plus the flags the dialog's thread and
// the worker share. Written by the start operation while no run is active; read by the worker.
#include <windows.h>
#include <atomic>
#include <cstdint>

#include "framework/Strings.h"

struct ListingJob {
    // Shared by two threads without a lock: whole 32-bit values, atomic so there is no race.
    std::atomic<int32_t> running{0};      // 1 while a run is active
    std::atomic<int32_t> result{0};       // 1 when the output was created and every line written
    std::atomic<int32_t> stopRequest{0};  // 1 when the user asked the run to stop

    HWND owner = nullptr;                 // receives the finish notice
    CString folder;                       // folder to list; Begin appends "\" in place
    CString outputPath;
    CString headerText;                   // settings key START
    CString footerText;                   // settings key END
    CString repeatText;                   // settings key LOOP
    int32_t directoryNames = 0;           // check 1017
    int32_t upperCase = 0;                // check 1026
    int32_t lowerCase = 0;                // check 1024
    int32_t subfolders = 0;               // check 1000
    int32_t pathType = 0;                 // 0 absolute, 1 relative to the listed folder
    int32_t size = 0;                     // check 1010
    int32_t date = 0;                     // check 1008
    int32_t attributes = 0;               // check 1009
    int32_t checksum = 0;                 // check 1011 "&CRC16"
    int32_t fileVersion = 0;              // check 1012
    int32_t productVersion = 0;           // check 1013
    int32_t filter = 0;                   // check 1015
    int32_t url = 0;                      // check 1027
    int32_t useTemplate = 0;              // check 1028
    CStringList filterList;               // patterns, in the order typed
};

// Command id of the hidden "Finish" button: the worker posts WM_COMMAND with it when done.
constexpr int kFinishCommandId = 1016;
