#include "common/CheckText.h"

#include "framework/MessageText.h"
#include "framework/ModuleText.h"
#include "res/resource.h"

std::wstring CheckCountsText(const CheckCounts& counts) {
    return FillIn(LoadResourceText(IDS_CHECK_COUNTS),
                  {std::to_wstring(counts.ok), std::to_wstring(counts.failed), std::to_wstring(counts.missing),
                   std::to_wstring(counts.unreadable), std::to_wstring(counts.malformed)});
}

UINT CheckResultMessageId(CheckResult result) {
    switch (result) {
    case CheckResult::SumsUnreadable:
        return IDS_CHECK_SUMS_UNREADABLE;
    case CheckResult::NoChecksumLine:
        return IDS_CHECK_NO_LINE;
    case CheckResult::CannotCreate:
        return IDS_CANNOT_CREATE;
    case CheckResult::WriteFailed:
        return IDS_WRITE_FAILED;
    case CheckResult::Stopped:
        return IDS_RUN_STOPPED;
    case CheckResult::Complete:
        break;
    }
    return 0;
}
