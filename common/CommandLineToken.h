#pragma once
// The path the program is started with: the first token of the command-line arguments.
#include <string>

// Skips spaces and tabs; a token starting with a quotation mark runs to the next quotation
// mark (or the end), any other to the next space (a tab does not end it). Taken whole,
// whatever its length. Empty when there is no token.
std::wstring FirstCommandLineToken(const std::wstring& arguments);
