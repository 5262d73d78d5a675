#pragma once
// The main dialog's fields that the settings file keeps, with the values a fresh dialog has.
// A switch holds a check state (0 clear, 1 checked); pathType is the checked radio's index
// (0 absolute, 1 relative to the listed folder, -1 neither).
#include <cstdint>

#include "framework/Strings.h"

struct MainOptions {
    CString folderText;      // edit 1001, STRINGS DIRNAME
    CString outputPath;      // edit 1004, STRINGS FILENAME
    CString filterText;      // edit 1020, STRINGS FILTER
    CString headerText;      // TEMPLATE START
    CString footerText;      // TEMPLATE END
    CString repeatText;      // TEMPLATE LOOP
    int32_t subfolders = 1;      // check 1000, CONFIG SUBDIR
    int32_t date = 1;            // check 1008, CONFIG DATE
    int32_t attributes = 1;      // check 1009, CONFIG ATTR
    int32_t filter = 0;          // check 1015, CONFIG FILTER
    int32_t fileVersion = 0;     // check 1012, CONFIG VERSION
    int32_t size = 1;            // check 1010, CONFIG SIZE
    int32_t pathType = 0;        // radios 1006/1007, CONFIG PATHTYPE
    int32_t upperCase = 1;       // check 1026, CONFIG UPPER = 1
    int32_t directoryNames = 1;  // check 1017, CONFIG OUTDIR
    int32_t expand = 0;          // check 1005, CONFIG EXPAND
    int32_t lowerCase = 0;       // check 1024, CONFIG UPPER = 2
    int32_t url = 0;             // check 1027, CONFIG URL
    int32_t useTemplate = 0;     // check 1028, CONFIG TEMPLATE
    int32_t checksum = 0;        // check 1011, CONFIG CRC16
    int32_t productVersion = 0;  // check 1013, CONFIG VERSIONP
};
