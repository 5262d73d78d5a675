#pragma once
// The folder run: walks the job's folder breadth-first on a worker thread, feeds every accepted
// entry to an OutputWriter, writes the output, and posts WM_COMMAND kFinishCommandId to the
// job's owner window when done.
#include <windows.h>

#include "engine/ListingJob.h"
#include "framework/Strings.h"

// The worker procedure; the parameter is the ListingJob. The job must outlive the run: it is
// released only when the running flag has dropped to 0 after the finish notice.
DWORD WINAPI ListingThreadProc(LPVOID parameter);

// Whether the path names an existing folder.
int IsExistingFolder(const CString& path);
