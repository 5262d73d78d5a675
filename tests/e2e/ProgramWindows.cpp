#include "ProgramWindows.h"

HWND WaitForMainDialog(DWORD timeoutMs) {
    HWND found = nullptr;
    // Shown only after its initialisation, which would overwrite any text set earlier.
    WaitUntil([&] {
        found = FindWindowA("#32770", kMainDialogCaption);
        if (!found) found = FindWindowA("#32770", kEnglishMainDialogCaption);
        return found && IsWindowVisible(found);
    }, timeoutMs);
    return found;
}

namespace {

struct OwnedSearch {
    HWND owner;
    const char* caption;  // nullptr: any
    HWND found;
};

BOOL CALLBACK CheckTopWindow(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<OwnedSearch*>(param);
    char className[64], caption[256];
    GetClassNameA(window, className, sizeof className);
    GetWindowTextA(window, caption, sizeof caption);
    if (std::string(className) == "#32770" && GetWindow(window, GW_OWNER) == search->owner &&
        (!search->caption || std::string(search->caption) == caption) && IsWindowVisible(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK KeepLongestStatic(HWND child, LPARAM param) {
    auto* longest = reinterpret_cast<std::string*>(param);
    char className[64];
    GetClassNameA(child, className, sizeof className);
    if (lstrcmpiA(className, "Static") != 0) return TRUE;
    int length = GetWindowTextLengthA(child);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(child, &text[0], length + 1)));
    if (text.size() > longest->size()) *longest = text;
    return TRUE;
}

}  // namespace

HWND WaitForOwnedDialog(HWND owner, const char* caption, DWORD timeoutMs) {
    OwnedSearch search{owner, caption, nullptr};
    WaitUntil([&] {
        EnumWindows(CheckTopWindow, reinterpret_cast<LPARAM>(&search));
        return search.found != nullptr;
    }, timeoutMs);
    return search.found;
}

std::string BoxMessage(HWND box) {
    std::string longest;
    EnumChildWindows(box, KeepLongestStatic, reinterpret_cast<LPARAM>(&longest));
    return longest;
}

std::string AnswerOwnedBox(HWND owner, const char* caption, int answer, DWORD timeoutMs) {
    HWND box = WaitForOwnedDialog(owner, caption, timeoutMs);
    if (!box) return "<no box>";
    std::string message = BoxMessage(box);
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED), 0);
    WaitUntil([box] { return !IsWindow(box); }, timeoutMs);
    return message;
}
