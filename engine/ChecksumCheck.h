#pragma once
// Checking the files a checksum file names (format/ChecksumLines.h) against their digests:
// each file read once, by a few reader threads ahead of the one that reports, the results
// handed on in the checksum file's order. Relative names are taken from the checksum file's
// folder, absolute ones as written. Runs without a window; a stop ends it between files (and
// between a large file's blocks), with the results so far handed on.
#include <windows.h>

#include <atomic>
#include <cstddef>
#include <functional>
#include <string>

#include "format/CheckCounts.h"
#include "format/ChecksumLines.h"
#include "framework/StopSignal.h"

enum class CheckOutcome { Ok, Failed, Missing, Unreadable };

enum class CheckResult {
    Complete,        // every file checked (whatever each one gave)
    SumsUnreadable,  // the checksum file cannot be read
    NoChecksumLine,  // it has no well-formed line
    CannotCreate,    // the report cannot be created
    WriteFailed,     // writing the report failed, or memory ran out
    Stopped,
};

class ChecksumCheck {
public:
    // sumsPath: the checksum file, as typed. readers: reading threads (0: none, the caller's
    // own thread reads).
    ChecksumCheck(const std::wstring& sumsPath, const StopSignal& stop, unsigned readers);

    // Reads and takes apart the checksum file: SumsUnreadable, NoChecksumLine or Complete.
    CheckResult Load();
    const ChecksumLines& Lines() const { return lines_; }

    // Checks each named file, handing each result to report in order (error: the system's
    // reason for Unreadable, else 0); report returning false ends the check (WriteFailed).
    // Stopped when a stop came before the last file; Complete otherwise.
    using Report = std::function<bool(const ChecksumEntry& entry, CheckOutcome outcome, DWORD error)>;
    CheckResult Run(const Report& report);

    // The counts so far (malformed from Load); read from another thread while a run goes.
    CheckCounts Counts() const;
    size_t Checked() const { return checked_.load(); }

private:
    struct Pending;
    class Reads;
    void ReadEntry(size_t index, Pending& result) const;
    std::atomic<size_t>& CounterOf(CheckOutcome outcome);
    std::wstring FullPathOf(const std::wstring& name) const;

    const std::wstring sumsPath_;
    std::wstring folder_;  // the checksum file's folder, ending in "\"
    const StopSignal& stop_;
    const unsigned readers_;
    ChecksumLines lines_;
    std::atomic<size_t> checked_{0};
    std::atomic<size_t> ok_{0}, failed_{0}, missing_{0}, unreadable_{0};
};
