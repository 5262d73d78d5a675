#pragma once
// The frame every run shares, folder walk and listed paths alike: begin and create the
// output, let the caller collect the entries, add header and footer, write.
#include <functional>

#include "engine/ListingJob.h"
#include "engine/OutputWriter.h"
#include "engine/RunResult.h"

// collect is called only when the output file could be created. Complete when every line
// was written; a stop is the caller's to tell. write: the output file's write call.
RunResult WriteListing(ListingJob& job, const std::function<void(OutputWriter&)>& collect,
                       OutputFile::WriteFunction write = ::WriteFile);
