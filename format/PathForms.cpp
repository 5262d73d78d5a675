#include "format/PathForms.h"

#include <cstdio>

CString MakeUrlForm(const CString& path, bool absolute, const TextEncoding& encoding) {
    CString result = absolute ? "file://" : "";
    result.reserve(result.size() + path.size());
    const char* p = path.c_str();
    while (*p) {
        const char* next = encoding.Next(p);
        unsigned char byte = static_cast<unsigned char>(*p);
        if (next - p == 1 && byte == '\\') {
            result += '/';
        } else if (next - p == 1 && !absolute && byte <= 0x20) {
            char escaped[4];
            std::snprintf(escaped, sizeof escaped, "%%%02x", byte);
            result += escaped;
        } else {
            result.append(p, static_cast<size_t>(next - p));
        }
        p = next;
    }
    return result;
}

void MakePathText(const CString& dir, const CString& name, const ListingOptions& options,
                  const TextEncoding& encoding, CString& path) {
    path.assign(dir).append(name);  // in place: this runs once per entry
    if (options.url) path = MakeUrlForm(path, options.pathType == PathType::Absolute, encoding);
    if (options.upperCase) encoding.ToUpper(path);
    if (options.lowerCase) encoding.ToLower(path);
}
