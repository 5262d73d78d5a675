#pragma once
// The walk of a folder run: the job's folder breadth-first, every accepted entry to the run's
// intake. Folders are entered and files read by their real names; the output sees each name
// in its own encoding.
#include "engine/EntryIntake.h"
#include "engine/ListingJob.h"
#include "framework/StopSignal.h"

// Lists the job's folder (and its subfolders when asked) into the intake, by the rules of
// engine/WalkRules.h, one directory at a time by engine/DirectoryStep.h. With
// job.readerThreads of 2 and more, directories are read ahead on that many threads
// (engine/FolderSequence.h) and content on more (engine/ContentPrefetcher.h); the intake gets
// the same entries in the same order. A stop request takes effect before the next entry;
// false when it cut the walk short.
bool WalkFolder(const ListingJob& job, EntryIntake& intake, const StopSignal& stop);
