#include "content/ReadPause.h"

#include <utility>

namespace {

std::function<void()>& Pause() {
    static std::function<void()> pause;
    return pause;
}

std::function<void()>& AfterSize() {
    static std::function<void()> call;
    return call;
}

}  // namespace

void SetReadPauseForTests(std::function<void()> pause) { Pause() = std::move(pause); }

void PauseBeforeRead() {
    if (Pause()) Pause()();
}

void SetSizeTakenForTests(std::function<void()> call) { AfterSize() = std::move(call); }

void SizeTaken() {
    if (AfterSize()) AfterSize()();
}
