#pragma once
// The frame every run shares, folder walk and listed paths alike: begin and create the
// output, let the caller collect the entries, add header and footer, write.
#include <functional>

#include "engine/ListingGaps.h"
#include "engine/ListingJob.h"
#include "engine/OutputWriter.h"
#include "engine/RunProgress.h"
#include "engine/RunResult.h"
#include "format/ComparisonCounts.h"
#include "framework/StopSignal.h"

// collect is called only when the output file could be created; it returns false when a stop
// cut the listing short (Stopped, once the lines found were written). The writer publishes its
// progress in progress, and what it could not read or write as it is in gaps. A comparing run
// is refused before anything is created when the earlier listing does not fit; comparison,
// when given, receives what the comparison found.
RunResult WriteListing(ListingJob& job, RunProgress& progress, const StopSignal& stop, ListingGaps& gaps,
                       const std::function<bool(OutputWriter&)>& collect, ComparisonCounts* comparison = nullptr);
