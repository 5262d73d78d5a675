#include "engine/ComparedListing.h"

#include "engine/EarlierListingFit.h"
#include "engine/ListingComparison.h"

RunResult ComparedListing::OpenEarlier(EarlierListing& earlier, const ListingOptions& options) {
    if (!earlier.Open(options.earlierListing, options.utf8)) return RunResult::EarlierUnreadable;
    return CheckEarlierListing(earlier, options);
}

bool ComparedListing::FinishLines(const SortedLineStore& lines, bool complete) {
    bool written = true;
    if (files_.ReportHasItsFile()) written = files_.BeginText(files_.Output()) && WriteLines(lines, files_.Output());
    if (complete)
        written = written && files_.BeginText(files_.Report()) &&
                  CompareWithEarlier(lines, earlier_, encoding_, files_.Report(), counts_);
    else
        files_.Report().Discard();
    earlier_.Close();
    return written;
}
