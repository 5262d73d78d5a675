#include "common/GapsMessage.h"

#include "framework/LongPath.h"
#include "framework/MessageText.h"
#include "framework/ModuleText.h"
#include "res/resource.h"

namespace {

// The unread entries named in the box; the rest only counted, so that the box stays small.
const size_t kEntriesShown = 3;

const wchar_t kLineBreak[] = L"\r\n";

}  // namespace

std::wstring GapLines(const ListingGaps& gaps) {
    std::wstring lines;
    if (!gaps.unread.empty()) {
        lines += FillIn(LoadResourceText(IDS_UNREAD_ITEMS), {std::to_wstring(gaps.unread.size())}) + kLineBreak;
        for (size_t i = 0; i < gaps.unread.size() && i < kEntriesShown; ++i) {
            const UnreadEntry& entry = gaps.unread[i];
            lines += FillIn(LoadResourceText(IDS_UNREAD_ENTRY), {ShownPath(entry.path), SystemErrorText(entry.error)}) +
                     kLineBreak;
        }
        if (gaps.unread.size() > kEntriesShown)
            lines += FillIn(LoadResourceText(IDS_UNREAD_MORE), {std::to_wstring(gaps.unread.size() - kEntriesShown)}) +
                     kLineBreak;
    }
    if (const uint64_t names = gaps.inexactNames.load())
        lines += FillIn(LoadResourceText(IDS_INEXACT_NAMES), {std::to_wstring(names)}) + kLineBreak;
    return lines;
}

std::vector<std::wstring> EveryGapLine(const ListingGaps& gaps) {
    std::vector<std::wstring> lines;
    for (const UnreadEntry& entry : gaps.unread)
        lines.push_back(FillIn(LoadResourceText(IDS_CLI_UNREAD), {ShownPath(entry.path), SystemErrorText(entry.error)}));
    if (const uint64_t names = gaps.inexactNames.load())
        lines.push_back(FillIn(LoadResourceText(IDS_CLI_INEXACT_NAMES), {std::to_wstring(names)}));
    return lines;
}

std::wstring BeforeLastLine(const std::wstring& message, const std::wstring& lines) {
    const size_t last = message.rfind(L'\n');
    const size_t at = last == std::wstring::npos ? 0 : last + 1;
    return message.substr(0, at) + lines + message.substr(at);
}
