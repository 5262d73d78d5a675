#include "common/CommandLineToken.h"

std::wstring FirstCommandLineToken(const std::wstring& arguments) {
    size_t start = arguments.find_first_not_of(L" \t");
    if (start == std::wstring::npos) return std::wstring();
    if (arguments[start] == L'"') {
        size_t end = arguments.find(L'"', start + 1);
        return arguments.substr(start + 1, end == std::wstring::npos ? std::wstring::npos : end - start - 1);
    }
    size_t end = arguments.find(L' ', start);
    return arguments.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start);
}
