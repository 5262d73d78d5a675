#include "LineTexts.h"

#include <windows.h>

std::string Lines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

std::vector<std::string> Contents(const SortedLineStore& store) {
    std::vector<std::string> lines;
    store.ForEachLine([&](const char* text, size_t length) {
        lines.emplace_back(text, length);
        return true;
    });
    return lines;
}

std::string Upper(std::string text) {
    if (!text.empty()) CharUpperA(&text[0]);
    return text;
}
