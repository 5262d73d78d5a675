#include "engine/EntryLines.h"

#include "engine/OutputFile.h"
#include "format/TemplateExpander.h"
#include "format/TemplateParse.h"

EntryLines::EntryLines(const ListingJob& job)
    : options_(job.options), encoding_(job.Encoding()), lines_(encoding_) {
    const std::wstring& folder = options_.folder;
    if (!folder.empty()) encoding_.FromWide(folder.data(), folder.size(), texts_.dirName);
    baseLength_ = texts_.dirName.size();
    encoding_.FromWide(options_.outputPath.data(), options_.outputPath.size(), texts_.outFile);
    if (options_.useTemplate)
        SetNeededFlags(options_.repeatText, encoding_, texts_.checksumNeeded, texts_.versionNeeded);
    texts_.forms.NoteUsedForms(options_, encoding_);
    if (texts_.forms.realNamesUsed) texts_.forms.BeginRun(folder, options_.outputPath);
    formatter_ = std::make_unique<EntryFormatter>(options_, encoding_, texts_);
}

void EntryLines::SetDirectory(const CString& directory, const std::wstring& realPath) {
    texts_.location = directory;
    if (options_.pathType == PathType::Absolute) texts_.dir = directory;
    else if (texts_.dirName.empty()) texts_.dir.clear();
    else texts_.dir = directory.substr(baseLength_ < directory.size() ? baseLength_ : directory.size());
    if (texts_.forms.realNamesUsed) texts_.forms.SetDirectory(realPath, options_.pathType);
}

void EntryLines::Add(const FoundEntry& entry, const EntryContent* content) {
    formatter_->Format(entry, lines_.Count(), content);
    if (formatter_->HasLine()) lines_.InsertLine(formatter_->Line());
}

bool EntryLines::Finish(bool complete) {
    if (options_.useTemplate) {
        // The count of lines, also when the last entry had none (an SFV file's folder) or
        // there was none at all: a JSON Lines summary's number is 0 then, never empty.
        texts_.count = std::to_string(lines_.Count());
        lines_.AddFirst(ExpandTemplate(options_.headerText, texts_.placeholders, encoding_, &texts_.forms));
        lines_.AddLast(ExpandTemplate(options_.footerText, texts_.placeholders, encoding_, &texts_.forms));
    }
    const bool written = FinishLines(lines_, complete);
    lines_.Clear();
    return written;
}

bool EntryLines::WriteLines(const SortedLineStore& lines, OutputFile& file) {
    return lines.ForEachLine([&file](const char* text, size_t length) { return file.WriteLine(text, length); });
}
