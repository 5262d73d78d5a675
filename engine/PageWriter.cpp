#include "engine/PageWriter.h"

#include <algorithm>
#include <string>
#include <utility>

#include "format/EntryFields.h"
#include "format/FoundEntry.h"
#include "format/PlaceholderForms.h"

namespace {

// The data goes in pieces of at most about this size, each parsed by itself (JSON.parse of one
// giant text would hold it and its result at once), one at a time while the browser reads the
// rest. The listed folder's record is a piece of its own and the pieces after it grow from
// small, so that the first folders show as soon as they are read.
const size_t kChunkBytes = 256u << 10;  // one piece takes the browser some 10 ms to read
const size_t kFirstChunkBytes = 64u << 10;
// What could not be read is named in the page up to this many; the count is whole.
const size_t kUnreadShown = 1000;

// Loading anything at all is refused: the page is its own file and nothing else.
const char kHead[] =
    "<meta http-equiv=\"Content-Security-Policy\" content=\"default-src 'none'; script-src 'unsafe-inline'; "
    "style-src 'unsafe-inline'; img-src 'none'; connect-src 'none'; base-uri 'none'; form-action 'none'\">";

// Seconds since 1970 of the time in local time (the page shows them as the listing machine's
// clock read them, in whatever zone it is opened); false when it cannot be converted.
bool LocalSeconds(const FILETIME& utc, long long& seconds) {
    FILETIME local;
    if (!FileTimeToLocalFileTime(&utc, &local)) return false;
    const unsigned long long ticks = static_cast<unsigned long long>(local.dwHighDateTime) << 32 | local.dwLowDateTime;
    seconds = static_cast<long long>(ticks / 10000000ull) - 11644473600ll;
    return true;
}

// The attribute bits the page shows (D R A H S), as one small number.
unsigned ShownAttributes(DWORD attributes) {
    return attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE |
                         FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
}

std::wstring SystemReason(DWORD error) {
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error,
        0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring reason = length ? std::wstring(text, length) : L"0x" + std::to_wstring(error);
    if (text) LocalFree(text);
    while (!reason.empty() && (reason.back() == L'\n' || reason.back() == L'\r' || reason.back() == L' '))
        reason.pop_back();
    return reason;
}

void AppendAscii(std::string& out, const CString& text) {
    out += '"';
    out += text;  // checksums and version numbers: digits, letters, "," and "-" only
    out += '"';
}

}  // namespace

void PageWriter::Column::Add(bool folder, const std::string& value) {
    std::string& part = folder ? folders : files;
    if (!part.empty()) part += ',';
    part += value;
}

void PageWriter::Column::AppendTo(std::string& out) const {
    out += ",[";
    out += folders;
    if (!folders.empty() && !files.empty()) out += ',';
    out += files;
    out += ']';
}

PageWriter::PageWriter(const ListingJob& job, OutputFile& file, const ListingGaps& gaps)
    : job_(job), file_(file), gaps_(gaps), text_(job.options.utf8) {
    needs_.checksum = job.options.checksum;
    needs_.version = job.options.fileVersion || job.options.productVersion;
    WriteHead();
}

void PageWriter::WriteHead() {
    const PageAssets& assets = job_.pageAssets;
    std::string head = "<!DOCTYPE html>\r\n<html lang=\"" + assets.language + "\">\r\n<head>\r\n<meta charset=\"";
    head += CharsetName(job_.Encoding());
    head += "\">\r\n";
    head += kHead;
    head += "\r\n<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\r\n<title>";
    text_.AppendHtml(head, assets.WordOf("title"));
    head += "</title>\r\n<style>\r\n" + assets.style + "\r\n</style>\r\n</head>\r\n<body>\r\n<noscript><p>";
    text_.AppendHtml(head, assets.WordOf("noscript"));
    head += "</p></noscript>\r\n<div id=\"qm-page\"></div>";
    file_.WriteLine(head.data(), head.size());
    WriteFacts();
    // Before the data: the page shows the first folders while the browser still reads the rest.
    const std::string script = "<script>\r\n" + assets.script + "\r\n</script>";
    file_.WriteLine(script.data(), script.size());
}

void PageWriter::WriteFacts() {
    const ListingOptions& options = job_.options;
    std::string facts = "<script type=\"application/json\" id=\"qm-facts\">{\"folder\":";
    text_.AppendJson(facts, options.folder);
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    CString listed;
    LocalDateText(now, listed);
    facts += ",\"listed\":";
    AppendAscii(facts, listed);
    facts += ",\"absolute\":";
    facts += options.pathType == PathType::Absolute ? "true" : "false";
    // The columns shown, in the list form's order; sizes are always kept, for the totals.
    facts += ",\"columns\":[";
    const std::pair<bool, const char*> columns[] = {
        {options.size, "\"size\""}, {options.date, "\"date\""}, {options.attributes, "\"attributes\""},
        {options.checksum, "\"crc\""}, {options.fileVersion, "\"version\""},
        {options.productVersion, "\"productVersion\""}};
    bool first = true;
    for (const auto& column : columns) {
        if (!column.first) continue;
        if (!first) facts += ',';
        facts += column.second;
        first = false;
    }
    facts += "],\"words\":{";
    first = true;
    for (const PageWord& word : job_.pageAssets.words) {
        if (!first) facts += ',';
        facts += '"' + word.key + "\":";
        text_.AppendJson(facts, word.text);
        first = false;
    }
    facts += "}}</script>";
    file_.WriteLine(facts.data(), facts.size());
}

std::wstring PageWriter::BelowListed(const std::wstring& realPath) const {
    std::wstring path = realPath.compare(0, listedPath_.size(), listedPath_) == 0 ? realPath.substr(listedPath_.size())
                                                                                : realPath;
    if (!path.empty() && path.back() == L'\\') path.pop_back();
    return path;
}

void PageWriter::SetDirectory(const CString&, const std::wstring& realPath) {
    if (inFolder_) WriteFolder();
    else listedPath_ = realPath;
    inFolder_ = true;
    folderPath_ = BelowListed(realPath);
}

void PageWriter::Add(const FoundEntry& entry, const EntryContent* content) {
    const ListingOptions& options = job_.options;
    const bool folder = entry.IsDirectory();
    if (folder) ++folderFolders_;
    value_.clear();
    text_.AppendJson(value_, entry.realName);
    names_.Add(folder, value_);
    sizes_.Add(folder, std::to_string(folder ? 0 : entry.size));
    if (options.date) {
        long long seconds = 0;
        dates_.Add(folder, LocalSeconds(entry.written, seconds) ? std::to_string(seconds) : "null");
    }
    if (options.attributes) attributes_.Add(folder, std::to_string(ShownAttributes(entry.attributes)));
    auto addText = [&](bool chosen, Column& column, const CString* text) {
        if (!chosen) return;
        value_.clear();
        AppendAscii(value_, text ? *text : CString());
        column.Add(folder, value_);
    };
    addText(options.checksum, crcs_, content ? &content->crc : nullptr);
    addText(options.fileVersion, versions_, content ? &content->version : nullptr);
    addText(options.productVersion, productVersions_, content ? &content->productVersion : nullptr);
}

void PageWriter::WriteFolder() {
    // [path, [names], folders first, [sizes], then each chosen column's values]
    record_.clear();
    if (!chunkOpen_) {
        record_ = "<script type=\"application/json\" class=\"qm-data\">[";
        chunkOpen_ = true;
        chunkBytes_ = 0;
    } else {
        record_ = ",";
    }
    record_ += '[';
    text_.AppendJson(record_, folderPath_);
    names_.AppendTo(record_);
    record_ += ',' + std::to_string(folderFolders_);
    sizes_.AppendTo(record_);
    const ListingOptions& options = job_.options;
    if (options.date) dates_.AppendTo(record_);
    if (options.attributes) attributes_.AppendTo(record_);
    if (options.checksum) crcs_.AppendTo(record_);
    if (options.fileVersion) versions_.AppendTo(record_);
    if (options.productVersion) productVersions_.AppendTo(record_);
    record_ += ']';
    chunkBytes_ += record_.size();
    if (chunkBytes_ >= chunkLimit_) {
        record_ += "]</script>";
        chunkOpen_ = false;
        chunkLimit_ = chunkLimit_ ? std::min(chunkLimit_ * 2, kChunkBytes) : kFirstChunkBytes;
    }
    file_.WriteLine(record_.data(), record_.size());
    for (Column* column : {&names_, &sizes_, &dates_, &attributes_, &crcs_, &versions_, &productVersions_})
        column->Clear();
    folderFolders_ = 0;
}

bool PageWriter::Finish(bool /*complete: a stopped page shows what was found*/) {
    const ListingGaps& gaps = gaps_;
    if (inFolder_) WriteFolder();
    inFolder_ = false;
    std::string end = chunkOpen_ ? "]</script>\r\n" : "";
    chunkOpen_ = false;
    end += "<script type=\"application/json\" id=\"qm-end\">{\"unreadCount\":" + std::to_string(gaps.unread.size());
    end += ",\"inexactNames\":" + std::to_string(gaps.inexactNames.load()) + ",\"unread\":[";
    for (size_t i = 0; i < gaps.unread.size() && i < kUnreadShown; ++i) {
        if (i) end += ',';
        end += "{\"path\":";
        text_.AppendJson(end, BelowListed(gaps.unread[i].path));
        end += ",\"reason\":";
        text_.AppendJson(end, SystemReason(gaps.unread[i].error));
        end += '}';
    }
    end += "]}</script>\r\n</body>\r\n</html>";
    return file_.WriteLine(end.data(), end.size());
}
