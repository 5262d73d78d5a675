#include "format/TemplateExpander.h"

#include <windows.h>

#include <functional>
#include <vector>

#include "text/CodePageText.h"

namespace {

// Walks a template once, handing literal runs and upper-cased placeholder names to the caller.
void ParseTemplate(const CString& text, const std::function<void(const char*, size_t)>& literal,
                   const std::function<void(const CString&)>& placeholder) {
    const CodePageText& cp = CodePageText::System();
    const char* p = text.c_str();
    const char* end = p + text.size();
    while (p < end && *p) {
        if (*p != '%') {
            // A trail byte is never "%", so the run up to the next "%" holds whole characters.
            const char* start = p;
            while (p < end && *p && *p != '%') p = cp.Next(p);
            literal(start, p - start);
            continue;
        }
        if (p[1] == '%') {
            literal(p, 1);
            p += 2;
            continue;
        }
        const char* nameStart = ++p;
        while (p < end && *p && *p != '%' && *p != '\r' && *p != '\n') ++p;
        CString name(nameStart, p - nameStart);
        cp.ToUpper(name);
        placeholder(name);
        if (p < end && *p) ++p;  // the closing "%", or the line end that cut the name short
    }
}

}  // namespace

CString EnvironmentValue(const CString& name) {
    if (name.empty()) return CString();
    // Most values fit the first try, which then costs no allocation (this runs per entry).
    char first[260];
    DWORD n = GetEnvironmentVariableA(name.c_str(), first, sizeof first);
    if (n < sizeof first) return CString(first, n);
    std::vector<char> buffer;
    while (n >= buffer.size()) {  // n is the size needed, terminating zero included
        buffer.resize(n);
        n = GetEnvironmentVariableA(name.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n == 0) return CString();
    }
    return CString(buffer.data(), n);
}

CString ExpandTemplate(const CString& text, const CMapStringToPtr& placeholders) {
    CString result;
    result.reserve(text.size());
    ParseTemplate(
        text, [&](const char* bytes, size_t length) { result.append(bytes, length); },
        [&](const CString& name) {
            auto found = placeholders.find(name);
            if (found != placeholders.end()) result += *found->second;
            else result += EnvironmentValue(name);
        });
    return result;
}

bool UsesPlaceholder(const CString& text, const CString& upperName) {
    bool used = false;
    ParseTemplate(
        text, [](const char*, size_t) {}, [&](const CString& name) { used = used || name == upperName; });
    return used;
}

void SetNeededFlags(const CString& repeatText, bool& checksumNeeded, bool& versionNeeded) {
    checksumNeeded = UsesPlaceholder(repeatText, "CRC") || UsesPlaceholder(repeatText, "CRC16");
    versionNeeded =
        UsesPlaceholder(repeatText, "VERSION") || UsesPlaceholder(repeatText, "PRODUCTVERSION");
}
