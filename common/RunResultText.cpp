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
    // The refusals that say why name the listing in their own words, in both front ends.
    {RunResult::EarlierOutOfOrder, IDS_EARLIER_OUT_OF_ORDER, IDS_EARLIER_OUT_OF_ORDER},
    {RunResult::EarlierNotText, IDS_EARLIER_NOT_TEXT, IDS_EARLIER_NOT_TEXT},
    {RunResult::EarlierUtf16, IDS_EARLIER_UTF16, IDS_EARLIER_UTF16},
    {RunResult::EarlierLineTooLong, IDS_EARLIER_LINE_TOO_LONG, IDS_EARLIER_LINE_TOO_LONG},
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
