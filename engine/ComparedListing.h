#pragma once
// The lines finished by comparing them with an earlier listing: the report goes to the
// output, or to its own file with the listing in the output.
#include "engine/EarlierListing.h"
#include "engine/EntryLines.h"
#include "engine/RunFiles.h"
#include "engine/RunResult.h"
#include "format/ComparisonCounts.h"

class ComparedListing final : public EntryLines {
public:
    // Opens the earlier listing and checks that it fits the job; Complete when it does, else
    // the refusal (engine/EarlierListingFit.h). Before the run's files are created: nothing
    // may be created over the listing.
    static RunResult OpenEarlier(EarlierListing& earlier, const ListingOptions& options);

    // earlier: opened by OpenEarlier; counts receives what the comparison found.
    ComparedListing(const ListingJob& job, RunFiles& files, EarlierListing& earlier, ComparisonCounts& counts)
        : EntryLines(job), files_(files), earlier_(earlier), counts_(counts) {}

private:
    // A comparison cut short writes no report: it would tell every entry not reached as gone.
    // A report file created for it is removed.
    bool FinishLines(const SortedLineStore& lines, bool complete) override;

    RunFiles& files_;
    EarlierListing& earlier_;
    ComparisonCounts& counts_;
};
