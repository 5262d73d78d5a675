#pragma once
// The lines finished plainly: every line into the output, in order.
#include "engine/EntryLines.h"
#include "engine/RunFiles.h"

class PlainListing final : public EntryLines {
public:
    PlainListing(const ListingJob& job, RunFiles& files) : EntryLines(job), files_(files) {}

private:
    bool FinishLines(const SortedLineStore& lines, bool complete) override;

    RunFiles& files_;
};
