#pragma once
// How a run ended, and the words a front end uses to tell the user.

enum class RunResult {
    Complete,      // every entry listed and written
    Stopped,       // asked to stop: the entries found until then were written
    CannotCreate,  // the output file could not be created; nothing was walked
    WriteFailed,   // writing the output failed; the file holds what was written
};

// The message for a result that needs one; null for Complete.
const char* ResultMessage(RunResult result);

// The message when the folder to list does not exist (no run is made then).
extern const char kFolderUnreachableMessage[];
