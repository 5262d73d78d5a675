// Paths dropped onto the main dialog, and the path the program was started with.
#include <windows.h>
#include <shellapi.h>

#include "framework/LongPath.h"
#include "ui/DropDialog.h"
#include "ui/DroppedPath.h"
#include "ui/MainDialog.h"

namespace {

// The whole real path, whatever its length or characters: a path cut short or converted to
// the code page would name another file or none.
std::wstring DroppedPath(HDROP drop, UINT index) {
    UINT length = DragQueryFileW(drop, index, nullptr, 0);
    if (length == 0) return std::wstring();
    std::wstring path(length + 1, L'\0');
    path.resize(DragQueryFileW(drop, index, &path[0], length + 1));
    return path;
}

// A bare file name is taken from the current folder, so that "the same folder" of its choices
// is a folder. A folder stays as given: a relative one is the current folder's, as when typed.
std::wstring FullIfBareFile(const std::wstring& path) {
    if (HasBackslash(path) || IsFolder(path)) return path;
    const std::wstring full = FullPath(path);
    return full.empty() ? path : full;
}

}  // namespace

void CMainDialog::OnDropFiles(HDROP drop) {
    // A drop during a run changes nothing: the fields would change under locked controls.
    if (!IsRunning()) {
        const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
        if (count > 1 || (count == 1 && !HandleSinglePath(DroppedPath(drop, 0)))) {
            PathList paths;
            for (UINT i = 0; i < count; ++i) paths.push_back(DroppedPath(drop, i));
            ListDroppedFiles(paths);
        }
    }
    DragFinish(drop);
}

bool CMainDialog::HandleSinglePath(const std::wstring& path) {
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
        options.filterText = L"*." + parts.extension;
        UpdateData(false);
        ApplyFilterState();
    }
    UpdateData(false);
    return true;
}

void CMainDialog::ListDroppedFiles(PathList& paths) {
    if (IsRunning()) return;
    UpdateData(true);
    ListingOptions snapshot = Snapshot();
    snapshot.compare = false;  // no earlier listing holds dropped paths in a folder's order
    if (!PrepareComparison(snapshot)) return;
    // On the worker thread like a folder run: a large file's checksum neither freezes the
    // window nor keeps Cancel from stopping it.
    Start(std::make_unique<ListingRun>(snapshot, std::move(paths)));
    paths.clear();
}

void CMainDialog::HandleCommandLinePath() {
    if (commandLinePath.empty()) return;
    const std::wstring path = FullIfBareFile(commandLinePath);
    // Choosing to list the file asks for what a drop of that one file would do.
    if (!HandleSinglePath(path)) {
        PathList paths{path};
        ListDroppedFiles(paths);
    }
}
