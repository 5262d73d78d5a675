#include "MessageBoxRecorder.h"

#include "framework/MessageBox.h"

MessageBoxRecorder::MessageBoxRecorder(int answer) {
    SetMessageBoxHook([this, answer](HWND owner, const char* text, const char* caption, UINT type) {
        std::lock_guard<std::mutex> lock(mutex_);
        boxes_.push_back({owner, text, caption, type});
        return answer;
    });
}

MessageBoxRecorder::~MessageBoxRecorder() { SetMessageBoxHook(nullptr); }

std::vector<RecordedBox> MessageBoxRecorder::Boxes() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return boxes_;
}
