#pragma once
// Answers every message box without showing it, and records it, while alive. Boxes may come
// from the worker thread, so the record is guarded.
#include <windows.h>
#include <mutex>
#include <string>
#include <vector>

struct RecordedBox {
    HWND owner;
    std::string text;  // in the ANSI code page, as the tests' expectations are written
    std::string caption;
    std::wstring wideText;  // as the box shows it
    UINT type;
};

class MessageBoxRecorder {
public:
    explicit MessageBoxRecorder(int answer = IDOK);
    ~MessageBoxRecorder();
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

    std::vector<RecordedBox> Boxes() const;

private:
    mutable std::mutex mutex_;
    std::vector<RecordedBox> boxes_;
};
