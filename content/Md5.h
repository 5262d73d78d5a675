#pragma once
// MD5 (RFC 1321), for the .md5 files people exchange; portable only.
#include "content/BlockDigest.h"

const size_t kMd5Size = 16;

void Md5Blocks(uint32_t* state, const unsigned char* blocks, size_t count);
BlockDigest NewMd5();
