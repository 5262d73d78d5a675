#include "engine/OutputRun.h"

#include <memory>

#include "engine/ComparedListing.h"
#include "engine/EarlierListing.h"
#include "engine/PageWriter.h"
#include "engine/PlainListing.h"
#include "engine/RunFiles.h"

RunResult WriteListing(const ListingJob& job, RunProgress& progress, const StopSignal& stop, ListingGaps& gaps,
                       const std::function<bool(EntryIntake&)>& collect, ComparisonCounts& comparison) {
    EarlierListing earlier;  // held open from before the files are created until compared
    if (job.options.compare) {
        const RunResult fit = ComparedListing::OpenEarlier(earlier, job.options);
        if (fit != RunResult::Complete) return fit;
    }
    const std::unique_ptr<RunFiles> files = RunFiles::Create(job, gaps.failure);
    if (!files) return RunResult::CannotCreate;
    std::unique_ptr<ListingOutput> output;
    if (job.options.compare) output = std::make_unique<ComparedListing>(job, *files, earlier, comparison);
    else if (job.options.page) output = std::make_unique<PageWriter>(job, files->Output(), gaps);
    else output = std::make_unique<PlainListing>(job, *files);
    EntryIntake intake(job, *output, *files, gaps, progress, stop);
    const bool complete = collect(intake);
    progress.writing.store(true, std::memory_order_relaxed);
    bool written = output->Finish(complete);
    written = files->Close() && written;
    // The page wrote every name exactly, escaped where the code page lacks a character.
    if (job.options.page) gaps.inexactNames = 0;
    if (!written) {
        gaps.failure = files->Error();
        return RunResult::WriteFailed;
    }
    return complete ? RunResult::Complete : RunResult::Stopped;
}
