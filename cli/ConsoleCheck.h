#pragma once
// quillmark-cli --verify=SUMS [OUTPUT|-]: checks the files a checksum file names. The report
// goes to OUTPUT (empty: standard output), the counts and the malformed lines to standard
// error; Ctrl+C stops, with the report so far.
#include <string>

// Exit codes: 0 all OK; 6 some could not be read and nothing failed or is missing; 7 a file
// failed or is missing; 8 the checksum file cannot be read or has no well-formed line
// (nothing written); 3, 4 and 5 as for a listing. quiet: neither the OK lines nor the progress.
int RunConsoleCheck(const std::wstring& sumsPath, const std::wstring& output, bool quiet);
