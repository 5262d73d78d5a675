#include "MessageBoxRecorder.h"

#include "framework/MessageBox.h"
#include "text/WideConversion.h"

namespace {

// The tests' expectations are written in the code page, as the string table's words are.
std::string Ansi(const std::wstring& text) { return CodePageFromWide(CP_ACP, WC_NO_BEST_FIT_CHARS, text); }

}  // namespace

MessageBoxRecorder::MessageBoxRecorder(int answer) {
    SetMessageBoxHook([this, answer](HWND owner, const std::wstring& text, const std::wstring& caption, UINT type) {
        std::lock_guard<std::mutex> lock(mutex_);
        boxes_.push_back({owner, Ansi(text), Ansi(caption), text, type});
        return answer;
    });
}

MessageBoxRecorder::~MessageBoxRecorder() { SetMessageBoxHook(nullptr); }

std::vector<RecordedBox> MessageBoxRecorder::Boxes() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return boxes_;
}
