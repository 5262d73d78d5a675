#include "common/RunResultText.h"

#include "res/resource.h"

UINT RunResultMessageId(RunResult result) {
    switch (result) {
    case RunResult::Stopped:
        return IDS_RUN_STOPPED;
    case RunResult::CannotCreate:
        return IDS_CANNOT_CREATE;
    case RunResult::WriteFailed:
        return IDS_WRITE_FAILED;
    case RunResult::EarlierUnreadable:
        return IDS_EARLIER_UNREADABLE;
    case RunResult::EarlierTemplate:
        return IDS_EARLIER_TEMPLATE;
    case RunResult::EarlierOtherColumns:
        return IDS_EARLIER_OTHER_COLUMNS;
    case RunResult::EarlierOtherPaths:
        return IDS_EARLIER_OTHER_PATHS;
    case RunResult::EarlierOutOfOrder:
        return IDS_EARLIER_OUT_OF_ORDER;
    case RunResult::EarlierNotText:
        return IDS_EARLIER_NOT_TEXT;
    case RunResult::EarlierUtf16:
        return IDS_EARLIER_UTF16;
    case RunResult::EarlierLineTooLong:
        return IDS_EARLIER_LINE_TOO_LONG;
    case RunResult::FolderUnreadable:
        return IDS_FOLDER_UNREACHABLE;
    case RunResult::Complete:
        break;
    }
    return 0;
}
