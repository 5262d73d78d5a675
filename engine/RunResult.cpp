#include "engine/RunResult.h"

const char kFolderUnreachableMessage[] = "対象フォルダにアクセスできません";

const char* ResultMessage(RunResult result) {
    switch (result) {
    case RunResult::Stopped:
        return "ユーザーの指示により停止しました";
    case RunResult::CannotCreate:
        return "ファイルが作成できません";
    case RunResult::WriteFailed:
        return "書き込み中にエラーが発生しました";
    case RunResult::Complete:
        break;
    }
    return nullptr;
}
