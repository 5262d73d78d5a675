#include "engine/OutputRun.h"

RunResult WriteListing(ListingJob& job, const std::function<void(OutputWriter&)>& collect,
                       OutputFile::WriteFunction write) {
    OutputWriter writer(job, write);
    writer.Begin();
    if (!writer.Open()) return RunResult::CannotCreate;
    collect(writer);
    writer.AddHeaderAndFooter();
    return writer.WriteAndClose() ? RunResult::Complete : RunResult::WriteFailed;
}
