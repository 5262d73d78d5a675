#include "content/BlockDigest.h"

#include <cstring>

namespace {

void Store(uint32_t word, unsigned char* p, BlockDigest::Order order) {
    for (int i = 0; i < 4; ++i) {
        const int shift = order == BlockDigest::Order::BigEndian ? 24 - 8 * i : 8 * i;
        p[i] = static_cast<unsigned char>(word >> shift);
    }
}

}  // namespace

BlockDigest::BlockDigest(DigestBlocks blocks, const uint32_t* initial, unsigned words, Order order)
    : blocks_(blocks), words_(words), order_(order) {
    std::memcpy(state_, initial, words * sizeof(uint32_t));
}

void BlockDigest::Update(const void* data, size_t length) {
    const unsigned char* p = static_cast<const unsigned char*>(data);
    length_ += length;
    if (pendingLength_) {
        const size_t taken = length < 64 - pendingLength_ ? length : 64 - pendingLength_;
        std::memcpy(pending_ + pendingLength_, p, taken);
        pendingLength_ += taken;
        p += taken;
        length -= taken;
        if (pendingLength_ < 64) return;
        blocks_(state_, pending_, 1);
        pendingLength_ = 0;
    }
    if (length >= 64) {
        blocks_(state_, p, length / 64);
        p += length & ~static_cast<size_t>(63);
        length &= 63;
    }
    if (length) std::memcpy(pending_, p, length);
    pendingLength_ = length;
}

void BlockDigest::Finish(unsigned char* digest) {
    const uint64_t bits = length_ * 8;
    unsigned char tail[128] = {0x80};
    // The 0x80 byte, zeros, then eight bytes of bit length end a block.
    const size_t tailLength = (pendingLength_ < 56 ? 64 : 128) - pendingLength_;
    for (int i = 0; i < 8; ++i) {
        const int shift = order_ == Order::BigEndian ? 56 - 8 * i : 8 * i;
        tail[tailLength - 8 + static_cast<size_t>(i)] = static_cast<unsigned char>(bits >> shift);
    }
    const uint64_t seen = length_;
    Update(tail, tailLength);
    length_ = seen;
    for (unsigned i = 0; i < words_; ++i) Store(state_[i], digest + 4 * i, order_);
}
