#pragma once
// The listing of an explicit set of paths (files and folders dropped onto the dialog): one
// entry for each path itself, never its contents, with the columns, templates and sorting of
// a folder run. Nothing is filtered or descended.
#include <list>
#include <string>

#include "engine/OutputWriter.h"
#include "framework/StopSignal.h"

using PathList = std::list<std::wstring>;

// Writes one entry per path into the writer, taking each path out of the list as it lists
// it. The job's folder should be empty, so that DIRNAME is empty and relative paths are bare
// names. A path that cannot be found gives no line. False when a stop came first.
bool ListPaths(OutputWriter& writer, PathList& paths, const StopSignal& stop);

// The folder part of a path with its trailing "\" (C:\work\a.txt gives C:\work\); a path
// without any "\" gives itself with "\" appended.
std::wstring DirectoryWithBackslash(const std::wstring& path);
