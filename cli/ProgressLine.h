#pragma once
// The count of entries found, on one console line rewritten in place while a run goes.
#include <windows.h>

#include <string>

#include "engine/ListingRun.h"

class ProgressLine {
public:
    // Shows nothing unless the handle is a console.
    explicit ProgressLine(HANDLE console);

    // Rewrites the line with the run's count.
    void Show(const ListingRun& run);
    // Leaves the final count on the line, if one is shown, and moves to the next line.
    void End(const ListingRun& run);

private:
    void Rewrite(const std::wstring& text);

    HANDLE console_ = nullptr;
    std::wstring shown_;  // the text on the line; empty when there is none
};
