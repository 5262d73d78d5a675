// Paths dropped onto the main dialog, and the path the program was started with.
#include <windows.h>
#include <shellapi.h>

#include "framework/LongPath.h"
#include "ui/DropDialog.h"
#include "ui/DroppedPath.h"
#include "ui/MainDialog.h"

namespace {

// The whole path, whatever its length: a path cut short would name another file or none.
CString DroppedPath(HDROP drop, UINT index) {
    UINT length = DragQueryFileA(drop, index, nullptr, 0);
    if (length == 0) return CString();
    CString path(length + 1, '\0');
    path.resize(DragQueryFileA(drop, index, &path[0], length + 1));
    return path;
}

// A bare file name is taken from the current folder, so that "the same folder" of its choices
// is a folder. A folder stays as given: a relative one is the current folder's, as when typed.
CString FullIfBareFile(const CString& path) {
    if (HasBackslash(path)) return path;
    const DWORD attributes = PathAttributes(path);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) return path;
    DWORD length = GetFullPathNameA(path.c_str(), 0, nullptr, nullptr);
    if (length == 0) return path;
    CString full(length, '\0');
    length = GetFullPathNameA(path.c_str(), length, &full[0], nullptr);
    if (length == 0 || length >= full.size()) return path;
    full.resize(length);
    return full;
}

}  // namespace

void CMainDialog::OnDropFiles(HDROP drop) {
    // A drop during a run changes nothing: the fields would change under locked controls.
    if (!IsRunning()) {
        const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
        if (count > 1 || (count == 1 && !HandleSinglePath(DroppedPath(drop, 0)))) {
            CStringList paths;
            for (UINT i = 0; i < count; ++i) paths.push_back(DroppedPath(drop, i));
            ListDroppedFiles(paths);
        }
    }
    DragFinish(drop);
}

bool CMainDialog::HandleSinglePath(const CString& path) {
    if (path.empty()) return true;
    const DWORD attributes = PathAttributes(path);
    if (attributes == INVALID_FILE_ATTRIBUTES) return true;  // gone, or out of reach: ignored
    UpdateData(true);  // keep whatever the user has typed
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
        options.folder = path;
        UpdateData(false);
        return true;
    }
    CDropDialog choices(Window());
    if (choices.DoModal() != IDOK) return true;
    if (choices.showFile) return false;
    if (choices.outputFile) options.outputPath = path;
    const DroppedFileParts parts = SplitDroppedFile(path);
    if (choices.sameFolder) options.folder = parts.folder;
    if (choices.extensionFilter && parts.hasExtension) {
        options.filter = true;
        options.filterText = "*." + parts.extension;
        UpdateData(false);
        ApplyFilterState();
    }
    UpdateData(false);
    return true;
}

void CMainDialog::ListDroppedFiles(CStringList& paths) {
    if (IsRunning()) return;
    UpdateData(true);
    run_ = std::make_unique<ListingRun>(Snapshot(), paths);
    EnableControls(false);
    run_->RunHere();
    paths = run_->Paths();  // the paths not listed: all of them when nothing could be written
    OnFinish();
}

void CMainDialog::HandleCommandLinePath() {
    if (commandLinePath.empty()) return;
    const CString path = FullIfBareFile(commandLinePath);
    // Choosing to list the file asks for what a drop of that one file would do.
    if (!HandleSinglePath(path)) {
        CStringList paths{path};
        ListDroppedFiles(paths);
    }
}
