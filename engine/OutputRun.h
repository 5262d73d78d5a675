#pragma once
// The frame every run shares, folder walk and listed paths alike, its parts made in the order
// they are used: the earlier listing opened and checked (a comparing run), the run's files
// created, the output's way of writing, the intake the caller's walk hands its entries to;
// then the output finished and the files closed.
#include <functional>

#include "engine/EntryIntake.h"
#include "engine/ListingGaps.h"
#include "engine/ListingJob.h"
#include "engine/RunProgress.h"
#include "engine/RunResult.h"
#include "format/ComparisonCounts.h"
#include "framework/StopSignal.h"

// collect is called only when the output file could be created; it returns false when a stop
// cut the listing short (Stopped, once the lines found were written). The run publishes its
// progress in progress, and what it could not read or write as it is in gaps. A comparing run
// is refused before anything is created when the earlier listing does not fit; comparison
// receives what the comparison found.
RunResult WriteListing(const ListingJob& job, RunProgress& progress, const StopSignal& stop, ListingGaps& gaps,
                       const std::function<bool(EntryIntake&)>& collect, ComparisonCounts& comparison);
