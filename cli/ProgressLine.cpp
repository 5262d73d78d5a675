#include "cli/ProgressLine.h"

#include <string>

#include "cli/ConsoleText.h"
#include "framework/ModuleText.h"
#include "ui/res/resource.h"

ProgressLine::ProgressLine(HANDLE console) : console_(IsConsole(console) ? console : nullptr) {}

void ProgressLine::Show(const ListingRun& run) {
    const CString count = std::to_string(run.EntriesFound()) + LoadResourceString(IDS_ENTRY_COUNT_UNIT);
    Rewrite(LoadResourceString(run.IsWriting() ? IDS_CLI_WRITING : IDS_CLI_LISTING) + count);
}

void ProgressLine::End(const ListingRun& run) {
    if (shown_.empty()) return;  // a short run: nothing was shown
    Rewrite(std::to_string(run.EntriesFound()) + LoadResourceString(IDS_ENTRY_COUNT_UNIT));
    WriteConsoleText(console_, "\r\n");
    shown_.clear();
}

void ProgressLine::Rewrite(const CString& text) {
    if (!console_ || text == shown_) return;
    // In code page 932 a character's bytes are its columns: one for half-width, two for full.
    CString line = "\r" + text;
    if (text.size() < shown_.size()) line.append(shown_.size() - text.size(), ' ');
    shown_ = text;
    WriteConsoleText(console_, line);
}
