#pragma once
// The files one run writes: the output (created here, or an open handle taken), and a
// comparing run's report when it has a file of its own; their identities, so that the walk
// knows them among what it could not read; and their closing.
#include <memory>
#include <string>
#include <vector>

#include "engine/FolderIdentity.h"
#include "engine/ListingJob.h"
#include "engine/OutputFile.h"
#include "engine/SideFiles.h"

class RunFiles {
public:
    // Creates the output file empty, or takes the job's open output handle, then the report
    // file when the report goes to a file of its own; null when one cannot be created, with
    // the system's reason in error.
    static std::unique_ptr<RunFiles> Create(const ListingJob& job, DWORD& error);
    RunFiles(const RunFiles&) = delete;
    RunFiles& operator=(const RunFiles&) = delete;

    OutputFile& Output() { return output_; }
    // Where a comparing run's report goes: its own file, or the output.
    OutputFile& Report() { return reportHasItsFile_ ? report_ : output_; }
    bool ReportHasItsFile() const { return reportHasItsFile_; }
    // Begins a file's text: a UTF-8 file begins with the byte-order mark, the report's as the
    // listing's, as Windows tools expect; a handle opened elsewhere (standard output) gets none,
    // which a script would take for the first field's text. False when the write failed.
    bool BeginText(OutputFile& file);
    // Whether the real path leads to one of the files created here (which the walk may meet,
    // and cannot read while they are written).
    bool IsOwn(const std::wstring& realPath) const;
    // Whether the entry of that name in the directory (its real path, ending with "\") is a
    // side file of the run (the report, or an output written beside the listing): never listed.
    bool IsSide(const std::wstring& directoryPath, const std::wstring& name) const {
        return sideFiles_.Holds(directoryPath, name.c_str());
    }
    // Writes what is gathered and closes the files; false when any write failed.
    bool Close();
    // Why writing failed: the system's error code, 0 for none.
    DWORD Error() const { return output_.Error() ? output_.Error() : report_.Error(); }

private:
    RunFiles(bool utf8, bool reportHasItsFile) : utf8_(utf8), reportHasItsFile_(reportHasItsFile) {}
    // Creates a file the run writes and notes which it is; a side file gets no line.
    bool CreateOwn(OutputFile& file, const std::wstring& path, bool side);

    const bool utf8_;
    const bool reportHasItsFile_;
    bool outputAttached_ = false;  // the output is a handle opened elsewhere
    OutputFile output_;
    OutputFile report_;
    std::vector<FolderIdentity> own_;  // read as a folder's is (volume and file identifier)
    SideFiles sideFiles_;
};
