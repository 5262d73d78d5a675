#include "engine/ListingComparison.h"

#include <cstring>
#include <string>

namespace {

class ReportMerge {
public:
    ReportMerge(EarlierListing& earlier, const TextEncoding& encoding, OutputFile& report, ComparisonCounts& counts)
        : earlier_(earlier), encoding_(encoding), report_(report), counts_(counts) {
        haveEarlier_ = earlier_.NextLine(earlierLine_);
    }

    bool Take(const char* line, size_t length) {
        // The most common case first: the same line, no path to cut out.
        if (SameAsEarlier(line, length)) {
            ++counts_.unchanged;
            return Advance();
        }
        PathOf(line, length, path_);
        int order = 1;
        while (haveEarlier_ && (order = ComparedWithEarlier()) > 0) {
            ++counts_.removed;
            if (!Write('-', earlierLine_.data(), earlierLine_.size()) || !Advance()) return false;
        }
        if (haveEarlier_ && order == 0) {
            // The entries gone may have led to the same line again.
            if (SameAsEarlier(line, length)) {
                ++counts_.unchanged;
                return Advance();
            }
            ++counts_.changed;
            return Write('<', earlierLine_.data(), earlierLine_.size()) && Write('>', line, length) && Advance();
        }
        ++counts_.added;
        return Write('+', line, length);
    }

    // The earlier lines left over are entries gone.
    bool Finish() {
        while (haveEarlier_) {
            ++counts_.removed;
            if (!Write('-', earlierLine_.data(), earlierLine_.size()) || !Advance()) return false;
        }
        return !earlier_.Failed();
    }

private:
    bool SameAsEarlier(const char* line, size_t length) const {
        return haveEarlier_ && earlierLine_.size() == length && std::memcmp(earlierLine_.data(), line, length) == 0;
    }

    static void PathOf(const char* line, size_t length, std::string& path) {
        const void* tab = std::memchr(line, '\t', length);
        path.assign(line, tab ? static_cast<size_t>(static_cast<const char*>(tab) - line) : length);
    }

    // The order of the current path against the earlier line's: >0 when the earlier comes first.
    int ComparedWithEarlier() {
        PathOf(earlierLine_.data(), earlierLine_.size(), earlierPath_);
        return encoding_.Compare(path_.c_str(), earlierPath_.c_str());
    }

    bool Advance() {
        haveEarlier_ = earlier_.NextLine(earlierLine_);
        return !earlier_.Failed();
    }

    bool Write(char marker, const char* text, size_t length) {
        reportLine_.assign(1, marker).append(1, '\t').append(text, length);
        return report_.WriteLine(reportLine_.data(), reportLine_.size());
    }

    EarlierListing& earlier_;
    const TextEncoding& encoding_;
    OutputFile& report_;
    ComparisonCounts& counts_;
    bool haveEarlier_ = false;
    std::string earlierLine_, path_, earlierPath_, reportLine_;
};

}  // namespace

bool CompareWithEarlier(const SortedLineStore& lines, EarlierListing& earlier, const TextEncoding& encoding,
                        OutputFile& report, ComparisonCounts& counts) {
    counts = ComparisonCounts();
    ReportMerge merge(earlier, encoding, report, counts);
    return lines.ForEachLine([&merge](const char* text, size_t length) { return merge.Take(text, length); }) &&
           merge.Finish();
}
