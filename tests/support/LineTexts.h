#pragma once
// Texts as the tests compare them: an output file's lines, a line store's contents, paths in
// upper case.
#include <string>
#include <vector>

#include "engine/SortedLineStore.h"

// Each line followed by CR LF, as an output file holds them.
std::string Lines(const std::vector<std::string>& lines);
// The lines of a store, in its order.
std::vector<std::string> Contents(const SortedLineStore& store);
// The text in the system's upper case (CharUpperA), as the upper-case switch writes paths.
std::string Upper(std::string text);
