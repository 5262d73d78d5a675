#include "engine/EarlierListingFit.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <initializer_list>
#include <string>

namespace {

// No listing line is empty or begins with "<" or a quote: no name holds either character. A
// template's output (HTML, CSV, JSON lines) nearly always has such a line.
bool IsTemplateLine(const std::string& line) {
    return line.empty() || line[0] == '<' || line[0] == '"' || line.rfind("{\"", 0) == 0;
}

// prefix: in lower case.
bool BeginsWithoutCase(const std::string& line, const char* prefix) {
    const size_t length = std::strlen(prefix);
    if (line.size() < length) return false;
    for (size_t i = 0; i < length; ++i) {
        const char c = line[i] >= 'A' && line[i] <= 'Z' ? static_cast<char>(line[i] - 'A' + 'a') : line[i];
        if (c != prefix[i]) return false;
    }
    return true;
}

// A drive ("C:\"), a UNC path ("\\server") or the URL form of either ("file://", in upper case
// too): no relative path begins so, whatever its form, since no name holds ":".
bool IsAbsolutePath(const std::string& line) {
    if (BeginsWithoutCase(line, "file://") || line.rfind("\\\\", 0) == 0) return true;
    return line.size() >= 3 && line[1] == ':' && line[2] == '\\';
}

// Whether a line's path has the form the run writes: absolute or relative, and in URL form
// ("/" between names) or not ("\"). No name holds "/", nor "\" outside a double-byte
// character; a relative path of one name has neither and fits both forms.
bool HasRunsPathForm(const std::string& line, const ListingOptions& options, const TextEncoding& encoding) {
    if (IsAbsolutePath(line) != (options.pathType == PathType::Absolute)) return false;
    bool slash = false, backslash = false;
    for (const char* p = line.c_str(); *p && *p != '\t';) {
        const char* next = encoding.Next(p);
        if (next - p == 1) {
            slash = slash || *p == '/';
            backslash = backslash || *p == '\\';
        }
        p = next;
    }
    return options.url ? !backslash : !slash;
}

// What the order of two neighbouring lines says, by the rule the listing was sorted by.
bool InOrder(const std::string& previous, const std::string& line, const TextEncoding& encoding) {
    return encoding.Compare(previous.c_str(), line.c_str()) <= 0;
}

}  // namespace

RunResult CheckEarlierListing(EarlierListing& earlier, const ListingOptions& options) {
    if (earlier.IsUtf16()) return RunResult::EarlierUtf16;
    // The version columns are left out of a line whose file has no version.
    size_t fixedColumns = 1;
    for (bool column : {options.size, options.date, options.attributes, options.checksum, options.sha256}) fixedColumns += column;
    size_t mostColumns = fixedColumns;
    for (bool column : {options.fileVersion, options.productVersion}) mostColumns += column;
    RunResult fit = RunResult::Complete;
    std::string line, previous;
    // The lines as written: the order is the listing's own encoding's.
    const TextEncoding& order = earlier.WrittenEncoding();
    while (fit == RunResult::Complete && earlier.NextLineAsWritten(line)) {
        const size_t columns = 1 + static_cast<size_t>(std::count(line.begin(), line.end(), '\t'));
        if (line.find('\0') != std::string::npos) fit = RunResult::EarlierNotText;
        else if (IsTemplateLine(line)) fit = RunResult::EarlierTemplate;
        else if (columns < fixedColumns || columns > mostColumns) fit = RunResult::EarlierOtherColumns;
        else if (!HasRunsPathForm(line, options, order)) fit = RunResult::EarlierOtherPaths;
        else if (!previous.empty() && !InOrder(previous, line, order)) fit = RunResult::EarlierOutOfOrder;
        previous.swap(line);
    }
    if (earlier.LineTooLong()) return RunResult::EarlierLineTooLong;
    if (earlier.Failed() || !earlier.Rewind()) return RunResult::EarlierUnreadable;
    return fit;
}
