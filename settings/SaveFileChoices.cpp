#include "settings/SettingsFile.h"

#include "settings/PrivateProfile.h"
#include "text/CodePageText.h"

namespace {

const size_t kExtensionBufferSize = 260;

// How many "|" characters end the list; a trail byte 0x7C is not one.
size_t TrailingSeparators(const CString& list) {
    const CodePageText& cp = CodePageText::System();
    size_t count = 0;
    for (size_t i = 0, size = 0; i < list.size(); i += size) {
        size = cp.CharSize(list, i);
        count = (size == 1 && list[i] == '|') ? count + 1 : 0;
    }
    return count;
}

}  // namespace

SaveFileChoices SettingsFile::ReadSaveFileChoices(const CString& defaultFilter) const {
    SaveFileChoices choices;
    choices.filter = ReadWholeProfileText(path_, "SAVEFILE", "FILTER", defaultFilter.c_str());
    // An empty list would leave the dialog nothing to show.
    if (choices.filter.empty()) choices.filter = defaultFilter;
    const size_t separators = TrailingSeparators(choices.filter);
    if (separators < 2) choices.filter.append(2 - separators, '|');
    choices.defaultExtension =
        ReadProfileText(path_, "SAVEFILE", "DEFAULT", "txt", kExtensionBufferSize);
    return choices;
}
