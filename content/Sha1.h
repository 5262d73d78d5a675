#pragma once
// SHA-1 (FIPS 180-4), for the checksum files that still name it: broken against deliberate
// collisions, sound against accidental damage. As Sha256.h.
#include <vector>

#include "content/BlockDigest.h"

const size_t kSha1Size = 20;

void Sha1Blocks(uint32_t* state, const unsigned char* blocks, size_t count);
void Sha1BlocksPortable(uint32_t* state, const unsigned char* blocks, size_t count);
const std::vector<DigestMethod>& Sha1Methods();
BlockDigest NewSha1(DigestBlocks blocks = Sha1Blocks);
