#include "engine/ComparedListing.h"

#include "engine/EarlierListingFit.h"
#include "engine/ListingComparison.h"

RunResult ComparedListing::OpenEarlier(EarlierListing& earlier, const ListingOptions& options) {
    if (!earlier.Open(options.earlierListing, options.utf8)) return RunResult::EarlierUnreadable;
    return CheckEarlierListing(earlier, options);
}

bool ComparedListing::FinishLines(const SortedLineStore& lines) {
    bool written = files_.BeginText(files_.Output());
    if (files_.ReportHasItsFile())
        written = written && WriteLines(lines, files_.Output()) && files_.BeginText(files_.Report());
    written = written && CompareWithEarlier(lines, earlier_, encoding_, files_.Report(), counts_);
    earlier_.Close();
    return written;
}
