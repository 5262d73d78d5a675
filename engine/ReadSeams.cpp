#include "engine/ReadSeams.h"

#include <utility>

namespace {

std::function<void()>& Pause() {
    static std::function<void()> pause;
    return pause;
}

}  // namespace

void SetReadPauseForTests(std::function<void()> pause) { Pause() = std::move(pause); }

void PauseBeforeRead() {
    if (Pause()) Pause()();
}
