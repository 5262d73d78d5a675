#include "engine/EarlierListing.h"

#include <cstring>

#include "framework/LongPath.h"
#include "text/CodePageText.h"
#include "text/Utf8Text.h"

namespace {

// Also the longest line read: a path holds at most 32,767 UTF-16 units, at most three bytes each,
// so a listing line of a megabyte is no listing line.
const size_t kReadBytes = 1 << 20;
const char kByteOrderMark[] = "\xEF\xBB\xBF";
const size_t kByteOrderMarkSize = sizeof kByteOrderMark - 1;

bool BeginsWith(const std::vector<char>& buffer, size_t size, const char* bytes, size_t count) {
    return size >= count && std::memcmp(buffer.data(), bytes, count) == 0;
}

}  // namespace

bool EarlierListing::Open(const std::wstring& path, bool utf8Output) {
    Close();
    utf8Output_ = utf8Output;
    file_ = FileHandle(ExtendedPath(path), GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING,
                       FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN);
    if (!file_.IsOpen()) return false;
    if (!file_.IsDiskFile()) {  // a device or a pipe cannot be read twice
        Close();
        return false;
    }
    buffer_.resize(kReadBytes);
    return Rewind();
}

bool EarlierListing::Rewind() {
    LARGE_INTEGER start = {};
    failed_ = !SetFilePointerEx(file_.Get(), start, nullptr, FILE_BEGIN);
    tooLong_ = false;
    atEnd_ = failed_;
    begin_ = end_ = 0;
    if (failed_) return false;
    while (end_ < kByteOrderMarkSize && Refill()) {
    }
    utf8File_ = BeginsWith(buffer_, end_, kByteOrderMark, kByteOrderMarkSize);
    utf16File_ = BeginsWith(buffer_, end_, "\xFF\xFE", 2) || BeginsWith(buffer_, end_, "\xFE\xFF", 2);
    if (utf8File_) begin_ = kByteOrderMarkSize;
    return !failed_;
}

bool EarlierListing::Refill() {
    if (atEnd_) return false;
    if (begin_ > 0) {
        std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
        end_ -= begin_;
        begin_ = 0;
    }
    if (end_ == buffer_.size()) {  // one line fills the buffer
        tooLong_ = true;
        return false;
    }
    DWORD read = 0;
    const size_t room = buffer_.size() - end_;
    const DWORD want = room > kReadBytes ? static_cast<DWORD>(kReadBytes) : static_cast<DWORD>(room);
    if (!ReadFile(file_.Get(), buffer_.data() + end_, want, &read, nullptr)) failed_ = true;
    end_ += read;
    if (read == 0) atEnd_ = true;
    return read > 0;
}

bool EarlierListing::NextLine(std::string& line) {
    if (!NextLineAsWritten(line)) return false;
    ToOutputEncoding(line);
    return true;
}

bool EarlierListing::NextLineAsWritten(std::string& line) {
    size_t searched = begin_;
    for (;;) {
        const void* found = std::memchr(buffer_.data() + searched, '\n', end_ - searched);
        if (found) {
            const size_t lineEnd = static_cast<size_t>(static_cast<const char*>(found) - buffer_.data());
            size_t length = lineEnd - begin_;
            if (length > 0 && buffer_[lineEnd - 1] == '\r') --length;
            line.assign(buffer_.data() + begin_, length);
            begin_ = lineEnd + 1;
            break;
        }
        searched = end_ - begin_;  // where the search goes on once the buffer is moved
        if (!Refill()) {
            if (Failed() || begin_ == end_) return false;
            line.assign(buffer_.data() + begin_, end_ - begin_);  // the last line, with no line end
            if (!line.empty() && line.back() == '\r') line.pop_back();
            begin_ = end_;
            break;
        }
    }
    return true;
}

const TextEncoding& EarlierListing::WrittenEncoding() const {
    if (utf8File_) return Utf8Text::Instance();
    return CodePageText::System();
}

void EarlierListing::ToOutputEncoding(std::string& line) const {
    if (utf8File_ == utf8Output_) return;
    // Tabs must stay tabs: the text form, not the name form, which writes control characters as "?".
    if (utf8Output_) line = Utf8Text::Instance().FromCodePage(line);
    else line = CodePageText::System().TextFromWide(Utf8Text::Instance().ToWide(line));
}

void EarlierListing::Close() { file_.Close(); }
