#include "engine/OutputWriter.h"

#include <algorithm>

#include "content/ContentReader.h"
#include "engine/EarlierListingFit.h"
#include "engine/ListingComparison.h"
#include "engine/WalkRules.h"
#include "format/EntryFields.h"
#include "framework/LongPath.h"
#include "format/TemplateExpander.h"

namespace {

const char kByteOrderMark[] = "\xEF\xBB\xBF";

}  // namespace

OutputWriter::OutputWriter(ListingJob& job, RunProgress& progress, const StopSignal& stop)
    : job_(job),
      progress_(progress),
      encoding_(job.Encoding()),
      stop_(stop),
      lines_(encoding_) {}

void OutputWriter::Begin() {
    std::wstring& folder = job_.options.folder;
    baseLength_ = 0;
    texts_.dirName.clear();
    if (!folder.empty()) {
        if (folder.back() != L'\\') folder += L'\\';
        encoding_.FromWide(folder.data(), folder.size(), texts_.dirName);
        baseLength_ = texts_.dirName.size();
    }
    encoding_.FromWide(job_.options.outputPath.data(), job_.options.outputPath.size(), texts_.outFile);
    texts_.checksumNeeded = false;
    texts_.versionNeeded = false;
    if (job_.options.useTemplate)
        SetNeededFlags(job_.options.repeatText, encoding_, texts_.checksumNeeded, texts_.versionNeeded);
    texts_.forms.NoteUsedForms(job_.options, encoding_);
    if (texts_.forms.realNamesUsed) texts_.forms.BeginRun(folder, job_.options.outputPath);
    formatter_ = std::make_unique<EntryFormatter>(job_.options, encoding_, texts_);
}

RunResult OutputWriter::OpenEarlierListing() {
    if (!job_.options.compare) return RunResult::Complete;
    if (!earlier_.Open(job_.options.earlierListing, job_.options.utf8)) return RunResult::EarlierUnreadable;
    return CheckEarlierListing(earlier_, job_.options);
}

bool OutputWriter::Open() {
    if (job_.outputHandle) {
        if (!file_.Attach(job_.outputHandle)) return false;
    } else if (!CreateWritten(file_, job_.options.outputPath)) {
        return false;
    }
    return !ReportHasItsFile() || CreateWritten(reportFile_, job_.options.reportPath);
}

bool OutputWriter::CreateWritten(OutputFile& file, const std::wstring& path) {
    if (!file.Create(path)) return false;
    // The walk may list the file itself, which it cannot read while it is being written.
    FolderIdentity identity;
    if (ReadFolderIdentity(CreationPath(path), identity)) writtenFiles_.push_back(identity);
    return true;
}

bool OutputWriter::ReportHasItsFile() const { return job_.options.compare && !job_.options.reportPath.empty(); }

void OutputWriter::SetDirectory(const CString& directory, const std::wstring& realPath) {
    texts_.location = directory;
    directoryPath_ = realPath;
    if (job_.options.pathType == PathType::Absolute) texts_.dir = directory;
    else if (texts_.dirName.empty()) texts_.dir.clear();
    else texts_.dir = directory.substr(baseLength_ < directory.size() ? baseLength_ : directory.size());
    if (texts_.forms.realNamesUsed) texts_.forms.SetDirectory(realPath, job_.options.pathType);
}

bool OutputWriter::FormatEntry(const WIN32_FIND_DATAW& entry, const CString& name, const EntryContent* content) {
    const bool separator = NameHoldsSeparator(entry.cFileName);
    if (formatter_->Needs().Any()) {  // most runs need neither: no full path per entry then
        if (!content) {
            if (separator)
                SetUnreadContent(ERROR_INVALID_NAME, content_);
            else if (!ReadEntryContent(directoryPath_ + entry.cFileName, entry.dwFileAttributes, formatter_->Needs(),
                                       stop_, content_))
                return false;
            content = &content_;
        }
        if (stop_.IsRequested()) return false;
    }
    formatter_->Format(entry, name, lines_.Count(), content);
    lines_.InsertLine(formatter_->Line());
    progress_.entriesFound.fetch_add(1, std::memory_order_relaxed);
    const bool entered = (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && job_.options.subfolders;
    if (separator) {
        if (!entered) RecordUnread(directoryPath_ + entry.cFileName, ERROR_INVALID_NAME);
    } else if (content && content->unreadError) {
        RecordUnread(directoryPath_ + entry.cFileName, content->unreadError);
    }
    return true;
}

void OutputWriter::RecordUnread(const std::wstring& realPath, DWORD error) {
    // The output, held open for writing, fails so; no other path is opened here (a name
    // holding a separator must never be).
    FolderIdentity identity;
    if (error == ERROR_SHARING_VIOLATION && !writtenFiles_.empty() && ReadFolderIdentity(realPath, identity) &&
        std::find(writtenFiles_.begin(), writtenFiles_.end(), identity) != writtenFiles_.end())
        return;
    gaps_.unread.push_back(UnreadEntry{realPath, error});
}

void OutputWriter::AddHeaderAndFooter() {
    if (!job_.options.useTemplate) return;
    lines_.AddFirst(ExpandTemplate(job_.options.headerText, texts_.placeholders, encoding_, &texts_.forms));
    lines_.AddLast(ExpandTemplate(job_.options.footerText, texts_.placeholders, encoding_, &texts_.forms));
}

bool OutputWriter::WriteAndClose() {
    progress_.writing.store(true, std::memory_order_relaxed);
    // UTF-8 text begins with the byte-order mark, the report's as the listing's.
    auto begin = [this](OutputFile& file) {
        return !job_.options.utf8 || file.WriteBytes(kByteOrderMark, sizeof kByteOrderMark - 1);
    };
    const bool compare = job_.options.compare;
    bool written = begin(file_);
    if (!compare || ReportHasItsFile()) {
        written = written && lines_.ForEachLine([this](const char* text, size_t length) {
            return file_.WriteLine(text, length);
        });
    }
    if (compare) {
        OutputFile& report = ReportHasItsFile() ? reportFile_ : file_;
        if (ReportHasItsFile()) written = written && begin(report);
        written = written && CompareWithEarlier(lines_, earlier_, encoding_, report, comparison_);
        earlier_.Close();
    }
    lines_.Clear();
    written = reportFile_.Close() && written;
    return file_.Close() && written;
}
