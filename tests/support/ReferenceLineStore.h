#pragma once
// The plain line store the fast one must match byte for byte: an array, the binary search of
// the insertion written out on its own, and every later line moved up by one.
#include <string>
#include <vector>

class ReferenceLineStore {
public:
    void InsertLine(const std::string& line);
    const std::vector<std::string>& Lines() const { return lines_; }

private:
    size_t InsertionIndex(const std::string& line) const;

    std::vector<std::string> lines_;
};
