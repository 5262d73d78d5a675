#include "format/ChecksumLines.h"

#include <windows.h>

#include "text/WideConversion.h"

namespace {

bool IsHex(const std::string& text) {
    if (text.empty()) return false;
    for (char c : text)
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'))) return false;
    return true;
}

std::string Lower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'F') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

bool EndsWith(const std::wstring& text, const wchar_t* tail) {
    const std::wstring end(tail);
    if (text.size() < end.size()) return false;
    for (size_t i = 0; i < end.size(); ++i) {
        wchar_t c = text[text.size() - end.size() + i];
        if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
        if (c != end[i]) return false;
    }
    return true;
}

// The digest the file's name promises; false when it names none.
bool KindOfName(const std::wstring& name, DigestKind& kind) {
    const struct {
        const wchar_t* extension;
        DigestKind kind;
    } kNames[] = {{L".sfv", DigestKind::Crc32},
                  {L".sha256", DigestKind::Sha256},
                  {L".sha1", DigestKind::Sha1},
                  {L".md5", DigestKind::Md5}};
    for (const auto& row : kNames) {
        if (EndsWith(name, row.extension)) {
            kind = row.kind;
            return true;
        }
    }
    return false;
}

bool KindOfLength(size_t length, DigestKind& kind) {
    for (DigestKind k : {DigestKind::Crc32, DigestKind::Md5, DigestKind::Sha1, DigestKind::Sha256}) {
        if (DigestHexLength(k) == length) {
            kind = k;
            return true;
        }
    }
    return false;
}

bool KindOfTag(const std::string& tag, DigestKind& kind) {
    const struct {
        const char* tag;
        DigestKind kind;
    } kTags[] = {{"SHA256", DigestKind::Sha256}, {"SHA1", DigestKind::Sha1}, {"MD5", DigestKind::Md5},
                 {"CRC32", DigestKind::Crc32}};
    for (const auto& row : kTags) {
        if (tag == row.tag) {
            kind = row.kind;
            return true;
        }
    }
    return false;
}

// GNU's escaped name: "\\" is a backslash, "\n" a line break; any other escape is malformed.
bool Unescape(const std::string& text, std::string& name) {
    name.clear();
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            name += text[i];
            continue;
        }
        if (++i == text.size()) return false;
        if (text[i] == '\\') name += '\\';
        else if (text[i] == 'n') name += '\n';
        else return false;
    }
    return true;
}

struct LineParts {
    std::string tag;  // empty: none
    std::string hex;
    std::string name;     // unescaped
    std::string written;  // as written
};

// "SHA256 (path) = hex"
bool ParseBsd(const std::string& line, LineParts& parts) {
    const size_t open = line.find(" (");
    const size_t close = line.rfind(") = ");
    if (open == std::string::npos || close == std::string::npos || close < open + 2) return false;
    parts.tag = line.substr(0, open);
    parts.written = parts.name = line.substr(open + 2, close - open - 2);
    parts.hex = line.substr(close + 4);
    return IsHex(parts.hex);
}

// "hex  path" or "hex *path", perhaps after a "\" that says the name is escaped.
bool ParseGnu(const std::string& line, LineParts& parts) {
    const bool escaped = !line.empty() && line[0] == '\\';
    const size_t start = escaped ? 1 : 0;
    const size_t space = line.find(' ', start);
    if (space == std::string::npos || space + 2 > line.size() || (line[space + 1] != ' ' && line[space + 1] != '*'))
        return false;
    parts.hex = line.substr(start, space - start);
    parts.written = line.substr(space + 2);
    if (!IsHex(parts.hex) || parts.written.empty()) return false;
    if (!escaped) parts.name = parts.written;
    return !escaped || Unescape(parts.written, parts.name);
}

// "path CRC": the last blank-separated word is the CRC.
bool ParseSfv(const std::string& line, LineParts& parts) {
    const size_t space = line.find_last_of(" \t");
    if (space == std::string::npos) return false;
    size_t end = space;
    while (end > 0 && (line[end - 1] == ' ' || line[end - 1] == '\t')) --end;
    parts.hex = line.substr(space + 1);
    parts.written = parts.name = line.substr(0, end);
    return parts.hex.size() == 8 && IsHex(parts.hex) && !parts.name.empty();
}

// The digest of untagged hex: the file name's, else the hex length's; false when neither fits.
bool KindOfHex(const std::string& hex, bool nameKnown, DigestKind nameKind, DigestKind& kind) {
    if (!nameKnown) return KindOfLength(hex.size(), kind);
    kind = nameKind;
    return hex.size() == DigestHexLength(kind);
}

bool ParseLine(const std::string& line, bool nameKnown, DigestKind nameKind, bool utf8, ChecksumEntry& entry) {
    LineParts parts;
    DigestKind kind = nameKind;
    // A name may hold blanks and parentheses: each form is tried in turn until one fits whole.
    const bool fits = (ParseBsd(line, parts) && KindOfTag(parts.tag, kind) && parts.hex.size() == DigestHexLength(kind)) ||
                      (ParseGnu(line, parts) && KindOfHex(parts.hex, nameKnown, nameKind, kind)) ||
                      (ParseSfv(line, parts) && KindOfHex(parts.hex, nameKnown, nameKind, kind));
    if (!fits) return false;
    entry.kind = kind;
    entry.expected = Lower(parts.hex);
    entry.written = parts.written;
    entry.path = WideFromCodePage(utf8 ? CP_UTF8 : CP_ACP, parts.name);
    for (wchar_t& c : entry.path)
        if (c == L'/') c = L'\\';
    return !entry.path.empty();
}

bool IsValidUtf8(const std::string& bytes) {
    if (bytes.empty()) return true;
    return MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, bytes.data(), static_cast<int>(bytes.size()),
                               nullptr, 0) > 0;
}

bool IsSkipped(const std::string& line) {
    const size_t first = line.find_first_not_of(" \t");
    return first == std::string::npos || line[first] == ';' || line[first] == '#';
}

}  // namespace

bool IsChecksumFileName(const std::wstring& name) {
    DigestKind kind;
    return KindOfName(name, kind);
}

size_t DigestHexLength(DigestKind kind) {
    switch (kind) {
    case DigestKind::Crc32:
        return 8;
    case DigestKind::Sha1:
        return 40;
    case DigestKind::Md5:
        return 32;
    case DigestKind::Sha256:
        break;
    }
    return 64;
}

ChecksumLines ParseChecksumLines(const std::string& bytes, const std::wstring& fileName) {
    ChecksumLines lines;
    lines.byteOrderMark = bytes.compare(0, 3, "\xEF\xBB\xBF") == 0;
    const std::string text = lines.byteOrderMark ? bytes.substr(3) : bytes;
    lines.utf8 = lines.byteOrderMark || IsValidUtf8(text);
    DigestKind nameKind = DigestKind::Sha256;
    const bool nameKnown = KindOfName(fileName, nameKind);
    size_t number = 0;
    for (size_t start = 0; start < text.size();) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        start = end + 1;
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (IsSkipped(line)) continue;
        ChecksumEntry entry;
        if (ParseLine(line, nameKnown, nameKind, lines.utf8, entry)) lines.entries.push_back(std::move(entry));
        else lines.malformed.push_back(number);
    }
    return lines;
}
