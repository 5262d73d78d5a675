#pragma once
// The plain line store the fast one must match byte for byte: an array, each line placed by the
// binary search over real comparisons of its text (the product's InsertionSearch, which decides
// where ties go), and every later line moved up by one. The fast store finds the same place
// from an equal range galloped out near the previous line, in a chunked sequence.
#include <string>
#include <vector>

class ReferenceLineStore {
public:
    void InsertLine(const std::string& line);
    const std::vector<std::string>& Lines() const { return lines_; }

private:
    std::vector<std::string> lines_;
};
