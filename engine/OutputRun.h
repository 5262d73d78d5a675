#pragma once
// The frame every run shares, folder walk and dropped paths alike: begin and create the output,
// let the caller collect the entries, add header and footer, write, and report failures with
// the application's message box. Sets the job's result flag and raises its running flag; the
// caller lowers it when it is done with the job.
#include <functional>

#include "engine/ListingJob.h"
#include "engine/OutputWriter.h"

// collect is called only when the output file could be created.
void RunOutput(ListingJob& job, const std::function<void(OutputWriter&)>& collect);
