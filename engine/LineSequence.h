#pragma once
// A sequence of lines that can be read and inserted into at any index in logarithmic time:
// chunks of line references, found through a Fenwick tree of the chunk sizes. The line bytes
// are kept in large blocks, each line ended by a zero byte (a line of text holds none), and a
// line's reference is its address alone: a million short lines cost little more than their
// own bytes.
#include <cstddef>
#include <cstring>
#include <memory>
#include <vector>

class LineSequence {
public:
    LineSequence() { Clear(); }

    size_t Count() const { return count_; }
    // The line's text, zero-terminated.
    const char* At(size_t index) const { return RefAt(index); }
    size_t LengthAt(size_t index) const { return std::strlen(RefAt(index)); }
    // index <= Count(); the lines from index on move up by one.
    void InsertAt(size_t index, const char* text, size_t length);
    void Clear();

    // Calls visit(text, length) for every line in order while it returns true; returns whether
    // every line was visited.
    template <class Visit>
    bool ForEach(Visit visit) const {
        for (const std::vector<Ref>& chunk : chunks_)
            for (Ref ref : chunk)
                if (!visit(ref, std::strlen(ref))) return false;
        return true;
    }

private:
    using Ref = const char*;
    Ref RefAt(size_t index) const;
    // A chunk with room for the most lines it ever holds: it never grows, nor wastes room.
    static std::vector<Ref> NewChunk();
    // The chunk holding the line at index; index becomes the position inside it.
    size_t FindChunk(size_t& index) const;
    // The chunk's count in the tree goes up by added and down by removed.
    void ChangeInTree(size_t chunk, size_t added, size_t removed);
    void RebuildTree();
    const char* Keep(const char* text, size_t length);

    std::vector<std::vector<Ref>> chunks_;
    std::vector<size_t> tree_;  // Fenwick tree over the chunk sizes, 1-based
    size_t treeTop_ = 1;        // the highest power of two below tree_.size()
    size_t count_ = 0;
    std::vector<std::unique_ptr<char[]>> blocks_;
    size_t blockUsed_ = 0;
    size_t blockSize_ = 0;
};
