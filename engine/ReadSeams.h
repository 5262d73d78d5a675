#pragma once
// A seam for tests: a call made before each read of a directory's entries and before each
// read of a file's content, so that a test can slow or hold the threads that read. Never set
// in the programs. (The search's own failure is DirectorySearch's seam.)
#include <functional>

// Sets the call (an empty one removes it); only while no run is going.
void SetReadPauseForTests(std::function<void()> pause);
// Runs the call, if one is set.
void PauseBeforeRead();
