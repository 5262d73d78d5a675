#include "engine/FoundContent.h"

#include "content/ContentReader.h"
#include "engine/ReadSeams.h"

bool ReadFoundContent(const FoundEntry& entry, const std::wstring& directoryPath, const ContentNeeds& needs,
                      const StopSignal& stop, EntryContent& content) {
    if (entry.unreadError) {
        SetUnreadContent(entry.unreadError, content);
        return true;
    }
    PauseBeforeRead();
    return ReadEntryContent(directoryPath + entry.realName, entry.attributes, needs, stop, content);
}
