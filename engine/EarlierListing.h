#pragma once
// An earlier listing read line by line as a comparison goes, never held whole. It is held open
// for the whole run, shared for reading only: nothing can change it meanwhile, nor can the run
// create its output over it. A UTF-8 byte-order mark says UTF-8, else the text is the code
// page's; lines end with CR LF or LF, and each comes in the output's encoding. A line longer
// than any listing line can be is never read whole: reading stops there (LineTooLong).
#include <windows.h>

#include <string>
#include <vector>

#include "framework/FileHandle.h"
#include "text/TextEncoding.h"

class EarlierListing {
public:
    EarlierListing() = default;
    ~EarlierListing() { Close(); }
    EarlierListing(const EarlierListing&) = delete;
    EarlierListing& operator=(const EarlierListing&) = delete;

    // Opens the listing and sets it at its first line; false when it cannot be opened or read.
    bool Open(const std::wstring& path, bool utf8Output);
    // Back to the first line; false when the file cannot be read.
    bool Rewind();
    // The next line without its line end; false at the end, or when reading failed (Failed).
    bool NextLine(std::string& line);
    // The same in the listing's own encoding (WrittenEncoding), as its bytes stand.
    bool NextLineAsWritten(std::string& line);
    const TextEncoding& WrittenEncoding() const;
    // Whether it begins with a UTF-16 byte-order mark, either way round: not a text of ours.
    bool IsUtf16() const { return utf16File_; }
    // Whether reading stopped at a line longer than any listing line.
    bool LineTooLong() const { return tooLong_; }
    bool Failed() const { return failed_ || tooLong_; }
    void Close();

private:
    // Reads on into the buffer, keeping the unfinished line; false at the end or on failure.
    bool Refill();
    void ToOutputEncoding(std::string& line) const;

    FileHandle file_;
    bool utf8File_ = false;
    bool utf16File_ = false;
    bool tooLong_ = false;
    bool utf8Output_ = false;
    bool failed_ = false;
    bool atEnd_ = false;
    std::vector<char> buffer_;
    size_t begin_ = 0;  // the unread bytes are buffer_[begin_, end_)
    size_t end_ = 0;
};
