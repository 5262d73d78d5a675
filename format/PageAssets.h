#pragma once
// What the browsable page takes from the program's resources: its script and style, and its
// words in the language of the program that writes it. A front end loads them (the engine
// knows no resources) and hands them to the run.
#include <string>
#include <vector>

struct PageWord {
    std::string key;    // the name the script knows it by
    std::wstring text;  // the word itself
};

struct PageAssets {
    std::string script;    // plain JavaScript, ASCII (its words come from words)
    std::string style;     // CSS, ASCII
    std::string language;  // the page's lang attribute: "ja" or "en"
    std::vector<PageWord> words;
    // The word of the key; empty when there is none.
    std::wstring WordOf(const std::string& key) const {
        for (const PageWord& word : words)
            if (word.key == key) return word.text;
        return std::wstring();
    }
};
