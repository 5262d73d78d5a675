#include "engine/DirectoryStep.h"

#include <utility>

#include "engine/ReadSeams.h"

bool StepDirectory(const Directory& directory, std::unique_ptr<DirectorySearch>& search, WalkRules& rules,
                   WalkedEntry& entry, DirectoryStepTaker& taker, const StopSignal& stop, DWORD& unread) {
    PauseBeforeRead();
    unread = directory.unreadError;
    if (unread) return true;  // its path leads elsewhere: nothing is searched
    if (!search) {
        search = std::make_unique<DirectorySearch>(directory.realPath + L"*");
        if (!rules.MayRead(*search, directory)) {
            search.reset();
            return true;
        }
    }
    for (;;) {
        if (!rules.Step(*search, directory, entry)) {
            if (stop) return false;
            unread = search->Error();
            search.reset();
            return true;
        }
        const bool more = !entry.listed || taker.Listed(entry);
        if (entry.entered) taker.Entered(std::move(entry.child));
        if (!more) return false;
    }
}
