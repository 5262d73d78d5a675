#include "engine/OutputRun.h"

RunResult WriteListing(ListingJob& job, RunProgress& progress, const StopSignal& stop, ListingGaps& gaps,
                       const std::function<bool(OutputWriter&)>& collect) {
    OutputWriter writer(job, progress, &stop);
    writer.Begin();
    if (!writer.Open()) return RunResult::CannotCreate;
    const bool complete = collect(writer);
    gaps.unread = std::move(writer.Gaps().unread);
    gaps.inexactNames = writer.Gaps().inexactNames.load();
    writer.AddHeaderAndFooter();
    if (!writer.WriteAndClose()) return RunResult::WriteFailed;
    return complete ? RunResult::Complete : RunResult::Stopped;
}
