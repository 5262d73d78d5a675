#pragma once
// The digests of one file's content, all fed from the same blocks as they are read: CRC-32,
// SHA-256, SHA-1 and MD5, each only when asked for.
#include <cstddef>
#include <cstdint>
#include <string>

#include "content/BlockDigest.h"
#include "format/ContentNeeds.h"

class ContentDigests {
public:
    // Computes the digests needs asks for (checksum: the CRC-32); the version is no digest.
    explicit ContentDigests(const ContentNeeds& needs);

    void Update(const void* data, size_t length);

    // Ends the digests: call once, after the last Update.
    void Finish();

    // After Finish: "%08lX" of the CRC-32, lower-case hex of the others.
    uint32_t Crc() const { return crc_; }
    std::string CrcText() const;
    std::string Sha256Text() const;
    std::string Sha1Text() const;
    std::string Md5Text() const;

private:
    ContentNeeds needs_;
    uint32_t crc_ = 0;
    BlockDigest sha256_, sha1_, md5_;
    unsigned char sha256Value_[32] = {}, sha1Value_[20] = {}, md5Value_[16] = {};
};

// The texts of a digest that could not be had: a dash for each character of its text.
extern const char kUnreadCrc[];     // "--------"
std::string UnreadDigest(size_t bytes);

// Lower-case hex of bytes.
std::string HexText(const unsigned char* bytes, size_t count);
