#pragma once
// One listing from start to end: the job it lists, the thread it runs on, the stop request
// and the result. A front end makes a run from the user's options, starts it, may ask it to
// stop, and reads the result once it has ended; the run shows nothing itself.
//
// A folder run walks options.folder; a path run lists each given path itself (the folder is
// then ignored, nothing is filtered or descended). Either writes a file created at
// options.outputPath, or an output handle given before it starts. A folder that cannot be
// searched at all ends the folder run before anything is created (FolderUnreadable).
#include <windows.h>

#include <atomic>
#include <cstdint>
#include <utility>

#include "engine/ListingGaps.h"
#include "engine/ListingJob.h"
#include "engine/RunProgress.h"
#include "engine/RunResult.h"
#include "format/ComparisonCounts.h"
#include "format/ListingOptions.h"
#include "framework/StopSignal.h"
#include "framework/WorkerThread.h"

class ListingRun {
public:
    // A folder run. options.outputPath must name the file to write, unless WriteTo is used.
    explicit ListingRun(const ListingOptions& options);
    // A path run over the given paths, in this order.
    ListingRun(const ListingOptions& options, PathList paths);
    // Asks a run still going to stop, and waits for it.
    ~ListingRun();
    ListingRun(const ListingRun&) = delete;
    ListingRun& operator=(const ListingRun&) = delete;

    // Runs on a worker thread. When it has ended, WM_COMMAND with finishCommand (notification
    // code 0, lParam 0) is posted to notifyWindow, if there is one. False when no thread could
    // be started; the run then counts as never started.
    bool Start(HWND notifyWindow, WORD finishCommand);
    // Before the start: the output goes to this handle, opened elsewhere (standard output,
    // say), which the run neither creates nor closes; OUTFILE stays options.outputPath as
    // given (empty for none).
    void WriteTo(HANDLE output) { job_.outputHandle = output; }
    // Before the start: how many threads read ahead (see ListingJob::readerThreads).
    void SetReaderThreads(unsigned count) { job_.readerThreads = count; }
    // Before the start: the browsable page's script, style and words (for options.page).
    void SetPageAssets(PageAssets assets) { job_.pageAssets = std::move(assets); }
    // Runs on the calling thread and returns when it has ended.
    void RunHere();
    // Takes effect before the next entry, or while a file's content is read; the output then
    // holds header, the entries listed so far and footer.
    void RequestStop() { stop_.Request(); }
    // Returns once a started run has ended (its finish notice posted).
    void Wait() { thread_.Wait(); }
    // Waits at most timeoutMs; true once a started run has ended.
    bool WaitFor(DWORD timeoutMs) { return thread_.WaitFor(timeoutMs); }

    // From the run's making until it has ended (its finish notice posted) or failed to start:
    // a stop asked for in between is a stop of this run.
    bool IsRunning() const { return running_; }
    bool StopRequested() const { return stop_.IsRequested(); }
    // How it ended; read it once IsRunning() is false. Stopped only when the stop cut the
    // listing short.
    RunResult Result() const { return result_; }
    // What it could not read, or write as it is; read it once IsRunning() is false.
    const ListingGaps& Gaps() const { return gaps_; }
    // From any thread, while it goes: the entries listed so far, and whether every entry is
    // found (the output is being written from then on).
    uint64_t EntriesFound() const { return progress_.entriesFound.load(std::memory_order_relaxed); }
    bool IsWriting() const { return progress_.writing.load(std::memory_order_relaxed); }
    // A comparing run's counts; read them once IsRunning() is false.
    const ComparisonCounts& Comparison() const { return comparison_; }
    // The job as the run holds it, made whole when the run was made (see ListingJob).
    const ListingJob& Job() const { return job_; }

private:
    void Work();

    ListingJob job_;
    std::atomic<bool> running_{true};
    StopSignal stop_;
    std::atomic<RunResult> result_{RunResult::Complete};
    ListingGaps gaps_;
    RunProgress progress_;
    ComparisonCounts comparison_;
    WorkerThread thread_;
};
