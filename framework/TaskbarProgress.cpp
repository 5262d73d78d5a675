#include "framework/TaskbarProgress.h"

#include <shobjidl.h>

TaskbarProgress::~TaskbarProgress() {
    Clear();
    if (taskbar_) taskbar_->Release();
    if (comStarted_) CoUninitialize();
}

void TaskbarProgress::ShowBusy(HWND window) {
    if (!taskbar_) {
        comStarted_ = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
        void* object = nullptr;
        if (FAILED(CoCreateInstance(CLSID_TaskbarList, nullptr, CLSCTX_INPROC_SERVER, IID_ITaskbarList3, &object)))
            return;
        taskbar_ = static_cast<ITaskbarList3*>(object);
        if (FAILED(taskbar_->HrInit())) {
            taskbar_->Release();
            taskbar_ = nullptr;
            return;
        }
    }
    window_ = window;
    taskbar_->SetProgressState(window_, TBPF_INDETERMINATE);
}

void TaskbarProgress::Clear() {
    if (taskbar_ && window_) taskbar_->SetProgressState(window_, TBPF_NOPROGRESS);
    window_ = nullptr;
}
