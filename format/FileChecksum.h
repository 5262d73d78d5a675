#pragma once
// The checksum column of one file: "%08lX" of the CRC-32 of its whole content,
// or "--------" when it cannot be opened or read in full.
#include <string>

std::string FileChecksumText(const std::string& fullPath);
