#pragma once
// One key of a private-profile (INI) file: read into a bounded buffer or whole, as a number,
// or written so that it reads back unchanged.
#include <cstddef>
#include <cstdint>

#include "framework/Strings.h"

// The value, cut to bufferSize - 1 bytes without leaving half a double-byte character;
// defaultText when the key is missing or the file path is empty.
CString ReadProfileText(const std::wstring& file, const char* section, const char* key,
                        const char* defaultText, size_t bufferSize);
// The value whatever its length.
CString ReadWholeProfileText(const std::wstring& file, const char* section, const char* key,
                             const char* defaultText);
// The value read as text (260-byte buffer) and converted like strtol: leading blanks, an
// optional sign, digits up to the first other character; no digits gives 0.
int64_t ReadProfileNumber(const std::wstring& file, const char* section, const char* key,
                          const char* defaultText);
// Writes one key and reads it back. False when the file cannot be written (read-only, a
// folder, out of reach), the value is too long for the profile functions, or it does not read
// back as given; the key then keeps its previous value, or is put back to it where it can be.
// Nothing happens (true) when the file path is empty.
bool WriteProfileText(const std::wstring& file, const char* section, const char* key,
                      const CString& value);
bool WriteProfileNumber(const std::wstring& file, const char* section, const char* key, int32_t value);
// The read buffer that takes a written value whole: its bytes in the file and a terminator.
size_t ProfileBufferNeeded(const CString& value);
