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
    case RunResult::FolderUnreadable:
        return IDS_FOLDER_UNREACHABLE;
    case RunResult::Complete:
        break;
    }
    return 0;
}
