#include "format/PlaceholderForms.h"

#include <cstdint>
#include <string>

#include "format/EntryFields.h"
#include "text/Utf8Text.h"

namespace {

const char kHex[] = "0123456789ABCDEF";

bool IsUtf8(const TextEncoding& encoding) { return &encoding == &Utf8Text::Instance(); }

bool IsAscii(const CString& text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) > 0x7F) return false;
    return true;
}

void AppendHtml(const CString& text, const TextEncoding& encoding, CString& result) {
    // Each of the five is a single byte below 0x40, so never the trail byte of a character.
    for (const char* p = text.c_str(); *p;) {
        const char* next = encoding.Next(p);
        switch (next - p == 1 ? *p : '\0') {
            case '&': result += "&amp;"; break;
            case '<': result += "&lt;"; break;
            case '>': result += "&gt;"; break;
            case '"': result += "&quot;"; break;
            case '\'': result += "&#39;"; break;
            default: result.append(p, static_cast<size_t>(next - p));
        }
        p = next;
    }
}

bool IsUnreserved(unsigned char byte) {
    return (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') || (byte >= '0' && byte <= '9') ||
           byte == '-' || byte == '.' || byte == '_' || byte == '~';
}

// Browsers read a file URL's escapes as UTF-8, whatever the page's own encoding.
void AppendUrl(const CString& text, const TextEncoding& encoding, CString& result) {
    const CString utf8 = IsUtf8(encoding) ? text : Utf8Text::Instance().FromWide(encoding.ToWide(text));
    size_t start = 0;
    const bool drive = utf8.size() >= 2 && utf8[1] == ':' &&
                       ((utf8[0] >= 'A' && utf8[0] <= 'Z') || (utf8[0] >= 'a' && utf8[0] <= 'z'));
    if (drive) {
        result += "file:///";
        result.append(utf8, 0, 2);  // the drive's ":" stays as it is
        start = 2;
    } else if (utf8.compare(0, 2, "\\\\") == 0) {
        result += "file:";  // the server follows the two slashes
    }
    for (size_t i = start; i < utf8.size(); ++i) {
        const unsigned char byte = static_cast<unsigned char>(utf8[i]);
        if (byte == '\\' || byte == '/') {
            result += '/';
        } else if (IsUnreserved(byte)) {
            result += static_cast<char>(byte);
        } else {
            result += '%';
            result += kHex[byte >> 4];
            result += kHex[byte & 0x0F];
        }
    }
}

void AppendCsv(const CString& text, const TextEncoding& encoding, CString& result) {
    result += '"';
    for (const char* p = text.c_str(); *p;) {
        const char* next = encoding.Next(p);
        if (next - p == 1 && *p == '"') result += '"';
        result.append(p, static_cast<size_t>(next - p));
        p = next;
    }
    result += '"';
}

// The common advice against formulas smuggled into a spreadsheet through a CSV file.
void AppendSheet(const CString& text, const TextEncoding& encoding, CString& result) {
    const bool formula = !text.empty() && CString("=+-@").find(text[0]) != CString::npos;
    AppendCsv(formula ? "'" + text : text, encoding, result);
}

void AppendJsonUnit(unsigned unit, CString& result) {
    result += "\\u";
    for (int shift = 12; shift >= 0; shift -= 4) result += kHex[(unit >> shift) & 0x0F];
}

void AppendJson(const CString& text, const TextEncoding& textEncoding, const TextEncoding& outputEncoding,
                CString& result) {
    const bool keepNonAscii = IsUtf8(outputEncoding) && IsUtf8(textEncoding);
    if (keepNonAscii || IsAscii(text)) {
        for (char c : text) {
            const unsigned char byte = static_cast<unsigned char>(c);
            if (byte == '"' || byte == '\\') result += '\\';
            if (byte < 0x20) AppendJsonUnit(byte, result);
            else result += c;
        }
        return;
    }
    // A code page cannot hold every name: each UTF-16 unit outside ASCII is written as itself.
    for (wchar_t unit : textEncoding.ToWide(text)) {
        if (unit == L'"' || unit == L'\\') result += '\\';
        if (unit < 0x20 || unit > 0x7F) AppendJsonUnit(unit, result);
        else result += static_cast<char>(unit);
    }
}

}  // namespace

bool SplitPlaceholderForm(const CString& upperName, CString& baseName, PlaceholderForm& form) {
    const size_t colon = upperName.rfind(':');
    if (colon == CString::npos) return false;
    baseName = upperName.substr(0, colon);
    const CString formName = upperName.substr(colon + 1);
    if (formName == "HTML") form = PlaceholderForm::Html;
    else if (formName == "URL") form = PlaceholderForm::Url;
    else if (formName == "CSV") form = PlaceholderForm::Csv;
    else if (formName == "SHEET") form = PlaceholderForm::Sheet;
    else if (formName == "JSON") form = PlaceholderForm::Json;
    else if (formName == "ISO" && baseName == "DATE") form = PlaceholderForm::Iso;
    else if (formName == "CHARSET" && baseName == "OUTFILE") form = PlaceholderForm::Charset;
    else return false;
    return true;
}

void AppendInForm(PlaceholderForm form, const CString& text, const TextEncoding& textEncoding,
                  const TextEncoding& outputEncoding, CString& result) {
    switch (form) {
        case PlaceholderForm::Html: AppendHtml(text, textEncoding, result); break;
        case PlaceholderForm::Url: AppendUrl(text, textEncoding, result); break;
        case PlaceholderForm::Csv: AppendCsv(text, textEncoding, result); break;
        case PlaceholderForm::Sheet: AppendSheet(text, textEncoding, result); break;
        case PlaceholderForm::Json: AppendJson(text, textEncoding, outputEncoding, result); break;
        case PlaceholderForm::Iso:
        case PlaceholderForm::Charset: result += text; break;  // made in their final form
    }
}

CString CharsetName(const TextEncoding& outputEncoding) {
    if (IsUtf8(outputEncoding)) return "UTF-8";
    const UINT codePage = GetACP();
    switch (codePage) {
        case 932: return "Shift_JIS";
        case 936: return "GBK";
        case 949: return "EUC-KR";
        case 950: return "Big5";
        default: return "windows-" + std::to_string(codePage);
    }
}

void IsoDateText(const FILETIME& utc, CString& text) {
    LocalDateText(utc, text);
    FILETIME local;
    if (text.empty() || !FileTimeToLocalFileTime(&utc, &local)) {
        text.clear();
        return;
    }
    text[4] = text[7] = '-';
    text[10] = 'T';
    auto ticks = [](const FILETIME& time) {
        return static_cast<int64_t>((static_cast<uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime);
    };
    const int64_t minutes = (ticks(local) - ticks(utc)) / (60 * 10000000LL);
    const int64_t offset = minutes < 0 ? -minutes : minutes;
    text += minutes < 0 ? '-' : '+';
    text += static_cast<char>('0' + offset / 600 % 10);
    text += static_cast<char>('0' + offset / 60 % 10);
    text += ':';
    text += static_cast<char>('0' + offset % 60 / 10);
    text += static_cast<char>('0' + offset % 10);
}
