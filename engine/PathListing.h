#pragma once
// The listing of an explicit set of paths (files and folders dropped onto the dialog): one
// entry for each path itself, never its contents, with the columns, templates and sorting of
// a folder run. Runs on the caller's thread; nothing is filtered, descended or stoppable.
#include "engine/ListingJob.h"
#include "framework/Strings.h"

// Writes one entry per path into the job's output file. The job's folder should be empty,
// so that DIRNAME is empty and relative paths are bare names. Raises the running flag for the
// length of the listing and sets the result flag; reports a file that cannot be created or
// written with the application's message box. Takes each path out of the list as it lists it:
// when the output cannot be created the list is left as it was.
void ListPaths(ListingJob& job, CStringList& paths);

// The folder part of a path with its trailing "\" (C:\work\a.txt gives C:\work\); a path
// without any "\" gives itself with "\" appended. Double-byte aware.
CString DirectoryWithBackslash(const CString& path);
