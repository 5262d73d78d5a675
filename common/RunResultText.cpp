#include "common/RunResultText.h"

#include "res/resource.h"

namespace {

struct ResultWords {
    RunResult result;
    UINT message;
    UINT naming;
};

const ResultWords kResultWords[] = {
    {RunResult::Stopped, IDS_RUN_STOPPED, IDS_RUN_STOPPED},
    {RunResult::CannotCreate, IDS_CANNOT_CREATE, IDS_CLI_CANNOT_CREATE},
    {RunResult::WriteFailed, IDS_WRITE_FAILED, IDS_CLI_WRITE_FAILED},
    {RunResult::EarlierUnreadable, IDS_EARLIER_UNREADABLE, IDS_CLI_EARLIER_UNREADABLE},
    {RunResult::EarlierTemplate, IDS_EARLIER_TEMPLATE, IDS_CLI_EARLIER_TEMPLATE},
    {RunResult::EarlierOtherColumns, IDS_EARLIER_OTHER_COLUMNS, IDS_CLI_EARLIER_OTHER_COLUMNS},
    {RunResult::EarlierOtherPaths, IDS_EARLIER_OTHER_PATHS, IDS_CLI_EARLIER_OTHER_PATHS},
    {RunResult::FolderUnreadable, IDS_FOLDER_UNREACHABLE, IDS_CLI_FOLDER_UNREACHABLE},
};

const ResultWords* WordsOf(RunResult result) {
    for (const ResultWords& words : kResultWords)
        if (words.result == result) return &words;
    return nullptr;  // Complete
}

}  // namespace

UINT RunResultMessageId(RunResult result) {
    const ResultWords* words = WordsOf(result);
    return words ? words->message : 0;
}

UINT RunResultNamingMessageId(RunResult result) {
    const ResultWords* words = WordsOf(result);
    return words ? words->naming : 0;
}
