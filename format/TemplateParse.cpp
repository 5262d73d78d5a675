#include "format/TemplateParse.h"

#include "format/PlaceholderForms.h"

void ParseTemplate(const CString& text, const TextEncoding& encoding,
                   const std::function<void(const char*, size_t)>& literal,
                   const std::function<void(const CString&)>& placeholder) {
    const char* p = text.c_str();
    const char* end = p + text.size();
    while (p < end && *p) {
        if (*p != '%') {
            // A character's later bytes are never "%", so the run up to the next "%" holds whole
            // characters.
            const char* start = p;
            while (p < end && *p && *p != '%') p = encoding.Next(p);
            literal(start, static_cast<size_t>(p - start));
            continue;
        }
        if (p[1] == '%') {
            literal(p, 1);
            p += 2;
            continue;
        }
        const char* nameStart = ++p;
        while (p < end && *p && *p != '%' && *p != '\r' && *p != '\n') ++p;
        CString name(nameStart, static_cast<size_t>(p - nameStart));
        encoding.ToUpper(name);
        placeholder(name);
        if (p < end && *p) ++p;  // the closing "%", or the line end that cut the name short
    }
}


void ForEachPlaceholder(const CString& text, const TextEncoding& encoding,
                        const std::function<void(const CString&)>& visit) {
    ParseTemplate(text, encoding, [](const char*, size_t) {}, visit);
}

bool UsesPlaceholder(const CString& text, const CString& upperName, const TextEncoding& encoding) {
    bool used = false;
    ForEachPlaceholder(text, encoding, [&](const CString& name) {
        CString baseName;
        PlaceholderForm form;
        used = used || name == upperName || (SplitPlaceholderForm(name, baseName, form) && baseName == upperName);
    });
    return used;
}

ContentNeeds TemplateNeeds(const CString& repeatText, const TextEncoding& encoding) {
    ContentNeeds needs;
    needs.checksum = UsesPlaceholder(repeatText, "CRC", encoding) || UsesPlaceholder(repeatText, "CRC16", encoding);
    needs.sha256 = UsesPlaceholder(repeatText, "SHA256", encoding);
    needs.sha1 = UsesPlaceholder(repeatText, "SHA1", encoding);
    needs.md5 = UsesPlaceholder(repeatText, "MD5", encoding);
    needs.version =
        UsesPlaceholder(repeatText, "VERSION", encoding) || UsesPlaceholder(repeatText, "PRODUCTVERSION", encoding);
    return needs;
}
