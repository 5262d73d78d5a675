#pragma once
// How many columns a text takes on a console or in a monospaced font.
#include <string>

// One column for each character, two for the East Asian wide and full-width ones (kana,
// ideographs, Hangul, full-width letters), so that texts line up in any language. A
// surrogate pair is one character.
size_t DisplayColumns(const std::wstring& text);
