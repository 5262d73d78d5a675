#pragma once
// The words each front end gives a run's result: the dialog in its box, the console program on
// standard error. One table, so that both say the same for the same end.
#include <windows.h>

#include "engine/RunResult.h"

// The string-table id of the message for a result that is not a success; 0 for Complete.
UINT RunResultMessageId(RunResult result);
// The same words as a line that names what the result concerns (%1: the folder, the output or
// the earlier listing), for a line of its own on standard error; 0 for Complete.
UINT RunResultNamingMessageId(RunResult result);
