#pragma once
// Reading a file's whole content once for its digests (content/ContentDigests.h), and the
// checksum column of one file: "%08lX" of the CRC-32 of its whole content, or "--------" when
// it cannot be opened or read in full, or changed while it was read.
// The column's check box, its settings key and a template placeholder are named CRC16, a
// name older than the column's value: stored settings and users' templates use that name, so
// it stays, and CRC is its alias in templates. The value itself is a CRC-32 (see Crc32.h).
#include <windows.h>

#include <cstdint>
#include <string>

#include "content/ContentDigests.h"
#include "framework/StopSignal.h"

// fullPath: the real path (see framework/LongPath.h). stop is read between blocks: a stop gives up the checksum ("--------"). error, when given, is set to why
// the checksum could not be had (see DigestFile), 0 when it was or a stop came.
std::string FileChecksumText(const std::wstring& fullPath, const StopSignal& stop = StopSignal::Never(),
                             DWORD* error = nullptr);

// Feeds a file's whole content to digests, read in blocks (any size, bounded memory), as far
// as the open handle says the file reaches (the size a directory listed may be stale), and
// finishes them. False when the file cannot be opened for reading with read sharing only (so
// a file another handle holds open for writing fails, and a folder), is not a plain disk file,
// cannot be read in full, does not end where its size said (it changed while it was read: the
// error is then ERROR_HANDLE_EOF when it ended early, ERROR_MORE_DATA when it held more), or a
// stop came first.
bool DigestFile(const std::wstring& fullPath, ContentDigests& digests, const StopSignal& stop = StopSignal::Never(),
                DWORD* error = nullptr);

// Feeds the next size bytes of a file open for synchronous reading (from the start, for a
// handle just opened) to digests, not finishing them; false when a read comes back short
// (the last error is then ERROR_HANDLE_EOF, or the read's own) or a stop came. Large files
// are read ahead by a second thread while the blocks already read are digested.
bool DigestOpenFile(HANDLE file, uint64_t size, ContentDigests& digests, const StopSignal& stop = StopSignal::Never());

// The two ways DigestOpenFile reads, so that tests and the benchmark can hold them side by
// side: block after block through one buffer, and with a second thread reading ahead (block
// after block after all when that thread cannot be started).
bool DigestOpenFileInTurn(HANDLE file, uint64_t size, ContentDigests& digests,
                          const StopSignal& stop = StopSignal::Never());
bool DigestOpenFileReadingAhead(HANDLE file, uint64_t size, ContentDigests& digests,
                                const StopSignal& stop = StopSignal::Never());
