#pragma once
// A seam for tests: a call made once a file's size is taken from its open handle, before its
// checksum is read, so that a test can change the file under the read. Never set in the
// programs.
#include <functional>

// Sets the call after a size is taken (an empty one removes it); only while no run is going.
void SetSizeTakenForTests(std::function<void()> call);
// Runs that call, if one is set.
void SizeTaken();
