#include "engine/RunFiles.h"

#include <algorithm>

#include "framework/LongPath.h"

namespace {

const char kByteOrderMark[] = "\xEF\xBB\xBF";

}  // namespace

std::unique_ptr<RunFiles> RunFiles::Create(const ListingJob& job, DWORD& error) {
    const ListingOptions& options = job.options;
    std::unique_ptr<RunFiles> files(new RunFiles(options.utf8, options.compare && !options.reportPath.empty()));
    files->outputAttached_ = job.outputHandle != nullptr;
    if (job.outputHandle) {
        if (!files->output_.Attach(job.outputHandle)) return nullptr;
    } else if (!files->CreateOwn(files->output_, options.outputPath, options.sideOutput)) {
        error = files->output_.Error();
        return nullptr;
    }
    if (files->reportHasItsFile_ && !files->CreateOwn(files->report_, options.reportPath, true)) {
        error = files->report_.Error();
        return nullptr;
    }
    return files;
}

bool RunFiles::CreateOwn(OutputFile& file, const std::wstring& path, bool side) {
    if (!file.Create(path)) return false;
    FolderIdentity identity;
    if (ReadFolderIdentity(CreationPath(path), identity)) own_.push_back(identity);
    if (side) sideFiles_.Add(CreationPath(path));
    return true;
}

bool RunFiles::BeginText(OutputFile& file) {
    const bool openedElsewhere = &file == &output_ && outputAttached_;
    return !utf8_ || openedElsewhere || file.WriteBytes(kByteOrderMark, sizeof kByteOrderMark - 1);
}

bool RunFiles::IsOwn(const std::wstring& realPath) const {
    FolderIdentity identity;
    return !own_.empty() && ReadFolderIdentity(realPath, identity) &&
           std::find(own_.begin(), own_.end(), identity) != own_.end();
}

bool RunFiles::Close() {
    const bool reportWritten = report_.Close();
    return output_.Close() && reportWritten;
}
