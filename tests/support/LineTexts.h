#pragma once
// Lines as the tests compare them: the text of an output file, the contents of a line store.
#include <string>
#include <vector>

#include "engine/SortedLineStore.h"

// Each line followed by CR LF, as an output file holds them.
std::string Lines(const std::vector<std::string>& lines);
// The lines of a store, in its order.
std::vector<std::string> Contents(const SortedLineStore& store);
