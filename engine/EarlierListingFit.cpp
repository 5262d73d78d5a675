#include "engine/EarlierListingFit.h"

#include <algorithm>
#include <cstddef>
#include <initializer_list>
#include <string>

namespace {

// No listing line is empty or begins with "<" or a quote: no name holds either character. A
// template's output (HTML, CSV, JSON lines) nearly always has such a line.
bool IsTemplateLine(const std::string& line) {
    return line.empty() || line[0] == '<' || line[0] == '"' || line.rfind("{\"", 0) == 0;
}

// A drive ("C:\"), a UNC path ("\\server") or, in URL form, "file://".
bool IsAbsolutePath(const std::string& line, bool url) {
    if (url) return line.rfind("file://", 0) == 0;
    if (line.rfind("\\\\", 0) == 0) return true;
    return line.size() >= 3 && line[1] == ':' && line[2] == '\\';
}

}  // namespace

RunResult CheckEarlierListing(EarlierListing& earlier, const ListingOptions& options) {
    // The version columns are left out of a line whose file has no version.
    size_t fixedColumns = 1;
    for (bool column : {options.size, options.date, options.attributes, options.checksum, options.sha256}) fixedColumns += column;
    size_t mostColumns = fixedColumns;
    for (bool column : {options.fileVersion, options.productVersion}) mostColumns += column;
    const bool absolute = options.pathType == PathType::Absolute;
    RunResult fit = RunResult::Complete;
    std::string line;
    while (fit == RunResult::Complete && earlier.NextLine(line)) {
        const size_t columns = 1 + static_cast<size_t>(std::count(line.begin(), line.end(), '\t'));
        if (IsTemplateLine(line)) fit = RunResult::EarlierTemplate;
        else if (columns < fixedColumns || columns > mostColumns) fit = RunResult::EarlierOtherColumns;
        else if (IsAbsolutePath(line, options.url) != absolute) fit = RunResult::EarlierOtherPaths;
    }
    if (earlier.Failed() || !earlier.Rewind()) return RunResult::EarlierUnreadable;
    return fit;
}
