#include "engine/OutputRun.h"

RunResult WriteListing(ListingJob& job, const std::function<void(OutputWriter&)>& collect) {
    OutputWriter writer(job);
    writer.Begin();
    if (!writer.Open()) return RunResult::CannotCreate;
    collect(writer);
    writer.AddHeaderAndFooter();
    return writer.WriteAndClose() ? RunResult::Complete : RunResult::WriteFailed;
}
