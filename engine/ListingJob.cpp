#include "engine/ListingJob.h"

#include <utility>

#include "engine/Exclusions.h"
#include "format/TemplateSections.h"
#include "text/CodePageText.h"
#include "text/Utf8Text.h"

unsigned DefaultReaderThreads() {
    SYSTEM_INFO system;
    GetSystemInfo(&system);
    const unsigned processors = system.dwNumberOfProcessors;
    return processors < 2 ? 2 : processors > 8 ? 8 : processors;
}

ListingJob::ListingJob(const ListingOptions& chosen) : options(chosen) {
    if (options.filter) SplitFilterText(options.filterText, filterList);
    SplitExclusionText(options.excludeText, excludedNames, excludedPaths);
    std::wstring& folder = options.folder;
    if (!folder.empty() && folder.back() != L'\\') folder += L'\\';
    Derive();
}

ListingJob::ListingJob(const ListingOptions& chosen, PathList listed)
    : options(chosen), listsPaths(true), paths(std::move(listed)) {
    options.folder.clear();
    options.compare = false;
    options.page = false;  // no one folder for the page's tree: a path run is written in the list form
    options.subfolders = false;
    Derive();
}

void ListingJob::Derive() {
    if (options.page) options.useTemplate = options.compare = false;  // the page is a form of its own
    if (options.compare) options.useTemplate = false;  // a comparison is of list-form lines
    for (CString* text : {&options.headerText, &options.repeatText, &options.footerText}) {
        if (options.utf8) *text = Utf8Text::Instance().FromCodePage(*text);
        if (options.useTemplate) *text = KeepChosenSections(*text, options, Encoding());
    }
}

const TextEncoding& ListingJob::Encoding() const {
    if (options.utf8) return Utf8Text::Instance();
    return CodePageText::System();
}
