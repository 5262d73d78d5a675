// What a run shows while it works: the count of entries found in the caption, at most ten
// times a second, and a busy taskbar button; both return to normal when it ends.
#include <string>

#include "framework/ModuleText.h"
#include "ui/MainDialog.h"
#include "res/resource.h"

namespace {

const UINT_PTR kProgressTimer = 1;
const UINT kProgressMilliseconds = 100;

// 12345 gives "12,345".
std::wstring GroupedDigits(uint64_t value) {
    std::wstring digits = std::to_wstring(value);
    for (size_t i = digits.size(); i > 3; i -= 3) digits.insert(i - 3, L",");
    return digits;
}

}  // namespace

const std::wstring& CMainDialog::NormalCaption() {
    if (normalCaption_.empty()) {
        normalCaption_.resize(static_cast<size_t>(GetWindowTextLengthW(Window())) + 1);
        normalCaption_.resize(static_cast<size_t>(GetWindowTextW(Window(), &normalCaption_[0],
                                                                 static_cast<int>(normalCaption_.size()))));
    }
    return normalCaption_;
}

void CMainDialog::StartProgress() {
    NormalCaption();
    SetTimer(Window(), kProgressTimer, kProgressMilliseconds, nullptr);
    taskbar_.ShowBusy(Window());
}

void CMainDialog::ShowProgress() {
    if (!run_) return;
    std::wstring caption =
        normalCaption_ + L" - " + GroupedDigits(run_->EntriesFound()) + LoadResourceText(IDS_ENTRY_COUNT_UNIT);
    if (run_->IsWriting()) caption += LoadResourceText(IDS_CAPTION_WRITING);
    SetWindowTextW(Window(), caption.c_str());
}

void CMainDialog::EndProgress() {
    KillTimer(Window(), kProgressTimer);
    taskbar_.Clear();
    if (!normalCaption_.empty()) SetWindowTextW(Window(), normalCaption_.c_str());
}
