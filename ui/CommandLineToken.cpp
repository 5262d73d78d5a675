#include "ui/CommandLineToken.h"

CString FirstCommandLineToken(const CString& arguments) {
    // Only ASCII bytes end a token, and no trail byte of the code page is a space or a
    // quotation mark, so a byte-wise scan cannot split a character.
    size_t start = arguments.find_first_not_of(" \t");
    if (start == CString::npos) return CString();
    if (arguments[start] == '"') {
        size_t end = arguments.find('"', start + 1);
        return arguments.substr(start + 1, end == CString::npos ? CString::npos : end - start - 1);
    }
    size_t end = arguments.find(' ', start);
    return arguments.substr(start, end == CString::npos ? CString::npos : end - start);
}
