#include "format/VersionFields.h"

#include <cstdio>

std::string VersionNumberText(DWORD mostSignificant, DWORD leastSignificant) {
    char text[64];
    std::snprintf(text, sizeof text, "%lu,%lu,%lu,%lu", static_cast<unsigned long>(mostSignificant >> 16),
                  static_cast<unsigned long>(mostSignificant & 0xFFFF),
                  static_cast<unsigned long>(leastSignificant >> 16),
                  static_cast<unsigned long>(leastSignificant & 0xFFFF));
    return text;
}
