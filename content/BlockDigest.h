#pragma once
// The Merkle-Damgard frame that SHA-256, SHA-1 and MD5 share: 64-byte blocks, a buffer for
// the part of a block that has not come yet, and the padding with the bit length at the end.
// Each digest brings its block function, its initial state and its byte order.
#include <cstddef>
#include <cstdint>

// Runs count whole 64-byte blocks into the state.
using DigestBlocks = void (*)(uint32_t* state, const unsigned char* blocks, size_t count);

// One way of running a digest's blocks, with a name for the benchmark's figures.
struct DigestMethod {
    const char* name;
    DigestBlocks blocks;
};

class BlockDigest {
public:
    enum class Order { BigEndian, LittleEndian };

    // initial: words state words (at most 8), copied.
    BlockDigest(DigestBlocks blocks, const uint32_t* initial, unsigned words, Order order);

    void Update(const void* data, size_t length);

    // Pads, runs the last blocks and writes the state: 4 * words bytes. The digest is then
    // spent: call it once.
    void Finish(unsigned char* digest);

private:
    DigestBlocks blocks_;
    uint32_t state_[8];
    unsigned words_;
    Order order_;
    uint64_t length_ = 0;  // bytes seen
    unsigned char pending_[64];
    size_t pendingLength_ = 0;
};
