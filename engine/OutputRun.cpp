#include "engine/OutputRun.h"

RunResult WriteListing(ListingJob& job, RunProgress& progress,
                       const std::function<void(OutputWriter&)>& collect) {
    OutputWriter writer(job, progress);
    writer.Begin();
    if (!writer.Open()) return RunResult::CannotCreate;
    collect(writer);
    writer.AddHeaderAndFooter();
    return writer.WriteAndClose() ? RunResult::Complete : RunResult::WriteFailed;
}
