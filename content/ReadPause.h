#pragma once
// Seams for tests: a call made before each read of a directory's entries or a file's
// content, so that a test can slow or hold the threads that read; and one made once a
// file's size is taken from its open handle, before its checksum is read, so that a test can
// change the file under the read. Never set in the programs.
#include <functional>

// Sets the call (an empty one removes it); only while no run is going.
void SetReadPauseForTests(std::function<void()> pause);
// Runs the call, if one is set.
void PauseBeforeRead();

// Sets the call after a size is taken (an empty one removes it); only while no run is going.
void SetSizeTakenForTests(std::function<void()> call);
// Runs that call, if one is set.
void SizeTaken();
