#pragma once
// SHA-256 (FIPS 180-4). Sha256Blocks picks the fastest method the processor offers; the
// methods list lets tests and the benchmark hold each against the others.
#include <vector>

#include "content/BlockDigest.h"

const size_t kSha256Size = 32;

// The 64 round constants, for every method.
extern const uint32_t kSha256Rounds[64];

void Sha256Blocks(uint32_t* state, const unsigned char* blocks, size_t count);

// The portable method, in plain C++.
void Sha256BlocksPortable(uint32_t* state, const unsigned char* blocks, size_t count);

// The methods this processor can run, fastest first; Sha256Blocks uses the first.
const std::vector<DigestMethod>& Sha256Methods();

// A fresh SHA-256 by the given method (the fastest by default).
BlockDigest NewSha256(DigestBlocks blocks = Sha256Blocks);
