#pragma once
// The walk of a folder run: the job's folder breadth-first, every accepted entry to the
// output writer. Folders are entered and files read by their real names; the output sees each
// name in its own encoding.
#include <atomic>
#include <string>

#include "engine/ListingJob.h"
#include "engine/OutputWriter.h"

// Lists the job's folder (and its subfolders when asked) into the writer. A stop request
// takes effect before the next entry; false when it cut the walk short.
// A folder link is listed like a folder and entered, unless it leads back to the folder
// being read or one above it, or where it leads cannot be told.
bool WalkFolder(const ListingJob& job, OutputWriter& writer, const std::atomic<bool>& stopRequest);

// Whether the path names an existing folder (of any length).
bool IsExistingFolder(const std::wstring& path);
