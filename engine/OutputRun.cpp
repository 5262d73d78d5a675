#include "engine/OutputRun.h"

RunResult WriteListing(ListingJob& job, RunProgress& progress, const StopSignal& stop, ListingGaps& gaps,
                       const std::function<bool(OutputWriter&)>& collect, ComparisonCounts* comparison) {
    OutputWriter writer(job, progress, stop);
    writer.Begin();
    const RunResult earlier = writer.OpenEarlierListing();
    if (earlier != RunResult::Complete) return earlier;
    if (!writer.Open()) return RunResult::CannotCreate;
    const bool complete = collect(writer);
    gaps.unread = std::move(writer.Gaps().unread);
    gaps.inexactNames = writer.Gaps().inexactNames.load();
    writer.AddHeaderAndFooter();
    const bool written = writer.WriteAndClose();
    if (comparison) *comparison = writer.Comparison();
    if (!written) return RunResult::WriteFailed;
    return complete ? RunResult::Complete : RunResult::Stopped;
}
