#include "engine/OutputRun.h"

#include "framework/MessageBox.h"

namespace {
const UINT kFailureBoxType = MB_OK | MB_ICONERROR | MB_SETFOREGROUND;
}

void RunOutput(ListingJob& job, const std::function<void(OutputWriter&)>& collect) {
    OutputWriter writer(job);
    job.result = 0;
    job.running = 1;
    writer.Begin();
    if (!writer.Open()) {
        AppMessageBox("ファイルが作成できません", kFailureBoxType);
        return;
    }
    collect(writer);
    writer.AddHeaderAndFooter();
    job.result = writer.WriteAndClose();
    if (job.result == 0) AppMessageBox("書き込み中にエラーが発生しました", kFailureBoxType);
}
