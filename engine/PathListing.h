#pragma once
// The listing of an explicit set of paths (files and folders dropped onto the dialog): one
// entry for each path itself, never its contents, with the columns, templates and sorting of
// a folder run. Nothing is filtered or descended.
#include <string>

#include "engine/EntryIntake.h"
#include "engine/ListingJob.h"
#include "framework/StopSignal.h"

// Hands one entry per path to the intake, taking each path out of the job's list as it lists
// it. A path that cannot be found gives no line. False when a stop came first.
bool ListPaths(ListingJob& job, EntryIntake& intake, const StopSignal& stop);

// The folder part of a path with its trailing "\" (C:\work\a.txt gives C:\work\); a path
// without any "\" gives itself with "\" appended.
std::wstring DirectoryWithBackslash(const std::wstring& path);
