#include "engine/LineSequence.h"

#include <cstring>

namespace {

// A chunk splits in two beyond this many lines: inserting moves at most this many references,
// and locating a chunk walks a tree of n / 256 to n / 512 chunk sizes.
const size_t kChunkLines = 512;
// Line bytes are kept in blocks of this size (a longer line gets a block of its own).
const size_t kBlockBytes = 1 << 20;

}  // namespace

std::vector<LineSequence::Ref> LineSequence::NewChunk() {
    std::vector<Ref> chunk;
    chunk.reserve(kChunkLines + 1);
    return chunk;
}

void LineSequence::Clear() {
    chunks_.clear();
    chunks_.push_back(NewChunk());
    count_ = 0;
    blocks_.clear();
    blockUsed_ = 0;
    blockSize_ = 0;
    RebuildTree();
}

const char* LineSequence::Keep(const char* text, size_t length) {
    if (blockSize_ - blockUsed_ < length + 1) {
        blockSize_ = length + 1 > kBlockBytes ? length + 1 : kBlockBytes;
        blocks_.emplace_back(new char[blockSize_]);
        blockUsed_ = 0;
    }
    char* copy = blocks_.back().get() + blockUsed_;
    std::memcpy(copy, text, length);
    copy[length] = '\0';
    blockUsed_ += length + 1;
    return copy;
}

void LineSequence::ChangeInTree(size_t chunk, size_t added, size_t removed) {
    for (size_t i = chunk + 1; i < tree_.size(); i += i & (0 - i)) tree_[i] = tree_[i] + added - removed;
}

void LineSequence::RebuildTree() {
    tree_.assign(chunks_.size() + 1, 0);
    for (size_t i = 1; i < tree_.size(); ++i) {
        tree_[i] += chunks_[i - 1].size();
        const size_t parent = i + (i & (0 - i));
        if (parent < tree_.size()) tree_[parent] += tree_[i];
    }
    treeTop_ = 1;
    while (treeTop_ * 2 < tree_.size()) treeTop_ *= 2;
}

size_t LineSequence::FindChunk(size_t& index) const {
    // Descends the tree to the first chunk whose running total exceeds index.
    size_t position = 0;
    size_t rest = index;
    for (size_t step = treeTop_; step > 0; step /= 2) {
        if (position + step < tree_.size() && tree_[position + step] <= rest) {
            position += step;
            rest -= tree_[position];
        }
    }
    index = rest;
    return position;
}

LineSequence::Ref LineSequence::RefAt(size_t index) const {
    const size_t chunk = FindChunk(index);
    return chunks_[chunk][index];
}

void LineSequence::InsertAt(size_t index, const char* text, size_t length) {
    size_t local = index;
    size_t chunk;
    if (index == count_) {
        chunk = chunks_.size() - 1;
        local = chunks_[chunk].size();
    } else {
        chunk = FindChunk(local);
    }
    std::vector<Ref>& lines = chunks_[chunk];
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(local), Keep(text, length));
    ++count_;
    if (lines.size() <= kChunkLines) {
        ChangeInTree(chunk, 1, 0);
        return;
    }
    // A full chunk first passes lines on to a neighbour with room, and splits in two only when
    // neither has any: a split leaves two half-empty chunks, which lines arriving elsewhere
    // would never fill, and the references would take twice their room.
    if (chunk + 1 < chunks_.size() && chunks_[chunk + 1].size() < kChunkLines) {
        std::vector<Ref>& next = chunks_[chunk + 1];
        const std::ptrdiff_t moved = static_cast<std::ptrdiff_t>((kChunkLines - next.size() + 1) / 2);
        next.insert(next.begin(), lines.end() - moved, lines.end());
        lines.erase(lines.end() - moved, lines.end());
        ChangeInTree(chunk, 1, static_cast<size_t>(moved));
        ChangeInTree(chunk + 1, static_cast<size_t>(moved), 0);
    } else if (chunk > 0 && chunks_[chunk - 1].size() < kChunkLines) {
        std::vector<Ref>& previous = chunks_[chunk - 1];
        const std::ptrdiff_t moved = static_cast<std::ptrdiff_t>((kChunkLines - previous.size() + 1) / 2);
        previous.insert(previous.end(), lines.begin(), lines.begin() + moved);
        lines.erase(lines.begin(), lines.begin() + moved);
        ChangeInTree(chunk, 1, static_cast<size_t>(moved));
        ChangeInTree(chunk - 1, static_cast<size_t>(moved), 0);
    } else {
        const std::ptrdiff_t half = static_cast<std::ptrdiff_t>(lines.size() / 2);
        std::vector<Ref> upper = NewChunk();
        upper.assign(lines.begin() + half, lines.end());
        lines.resize(static_cast<size_t>(half));
        chunks_.insert(chunks_.begin() + static_cast<std::ptrdiff_t>(chunk) + 1, std::move(upper));
        RebuildTree();
    }
}
