#include "content/ReadPause.h"

#include <utility>

namespace {

std::function<void()>& AfterSize() {
    static std::function<void()> call;
    return call;
}

}  // namespace

void SetSizeTakenForTests(std::function<void()> call) { AfterSize() = std::move(call); }

void SizeTaken() {
    if (AfterSize()) AfterSize()();
}
