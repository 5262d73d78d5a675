#pragma once
// Reading a checksum file as other tools write it: SFV ("path CRC", ";" comments), the GNU
// forms ("hex  path", "hex *path", a leading "\" when the name escapes "\\" and "\n"), and
// BSD tags ("SHA256 (path) = hex", SHA1, MD5, CRC32). Blank lines and comments ("#", ";")
// are skipped; a line of no form is malformed. Lines end in LF or CR LF; the text is UTF-8
// (with or without a byte-order mark) when it is valid UTF-8, else the ANSI code page.
#include <cstddef>
#include <string>
#include <vector>

enum class DigestKind { Crc32, Sha256, Sha1, Md5 };

struct ChecksumEntry {
    DigestKind kind = DigestKind::Sha256;
    std::string expected;  // lower-case hex
    std::wstring path;     // as named: unescaped, "/" as "\"
    std::string written;   // the path as the checksum file wrote it, in its encoding
};

struct ChecksumLines {
    std::vector<ChecksumEntry> entries;  // in the file's order
    std::vector<size_t> malformed;       // the numbers (from 1) of the malformed lines
    bool utf8 = false;                   // the file's encoding: UTF-8, else the code page
    bool byteOrderMark = false;
};

// fileName: the checksum file's name, whose extension (.sfv, .md5, .sha1, .sha256) names the
// digest of lines without a tag; any other leaves it to the hex length (8, 32, 40, 64).
ChecksumLines ParseChecksumLines(const std::string& bytes, const std::wstring& fileName);

// Whether the name is a checksum file's: .sfv, .md5, .sha1 or .sha256, in any letter case.
bool IsChecksumFileName(const std::wstring& name);

// The hex length of a digest's text.
size_t DigestHexLength(DigestKind kind);
