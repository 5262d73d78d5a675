#pragma once
// A seam for tests: a call made before each read of a directory's entries or a file's
// content, so that a test can slow or hold the threads that read. Never set in the programs.
#include <functional>

// Sets the call (an empty one removes it); only while no run is going.
void SetReadPauseForTests(std::function<void()> pause);
// Runs the call, if one is set.
void PauseBeforeRead();
