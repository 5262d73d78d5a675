#include "engine/OutputRun.h"

RunResult WriteListing(ListingJob& job, RunProgress& progress, const std::atomic<bool>& stopRequest,
                       const std::function<bool(OutputWriter&)>& collect) {
    OutputWriter writer(job, progress, &stopRequest);
    writer.Begin();
    if (!writer.Open()) return RunResult::CannotCreate;
    const bool complete = collect(writer);
    writer.AddHeaderAndFooter();
    if (!writer.WriteAndClose()) return RunResult::WriteFailed;
    return complete ? RunResult::Complete : RunResult::Stopped;
}
