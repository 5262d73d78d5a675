#include "cli/ProgressLine.h"

#include <string>

#include "cli/ConsoleText.h"
#include "framework/ModuleText.h"
#include "text/DisplayWidth.h"
#include "res/resource.h"

ProgressLine::ProgressLine(HANDLE console) : console_(IsConsole(console) ? console : nullptr) {}

void ProgressLine::Show(const ListingRun& run) {
    const std::wstring count = std::to_wstring(run.EntriesFound()) + LoadResourceText(IDS_ENTRY_COUNT_UNIT);
    Rewrite(LoadResourceText(run.IsWriting() ? IDS_CLI_WRITING : IDS_CLI_LISTING) + count);
}

void ProgressLine::End(const ListingRun& run) {
    if (shown_.empty()) return;  // a short run: nothing was shown
    Rewrite(std::to_wstring(run.EntriesFound()) + LoadResourceText(IDS_ENTRY_COUNT_UNIT));
    WriteConsoleText(console_, L"\r\n");
    shown_.clear();
}

void ProgressLine::Rewrite(const std::wstring& text) {
    if (!console_ || text == shown_) return;
    // Blanks over what is left of the longer text shown before.
    std::wstring line = L"\r" + text;
    const size_t columns = DisplayColumns(text);
    const size_t shownColumns = DisplayColumns(shown_);
    if (columns < shownColumns) line.append(shownColumns - columns, L' ');
    shown_ = text;
    WriteConsoleText(console_, line);
}
