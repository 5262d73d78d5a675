#include "content/ContentDigests.h"

#include <cstdio>

#include "content/Crc32.h"
#include "content/Md5.h"
#include "content/Sha1.h"
#include "content/Sha256.h"

namespace {

// Each digest takes a piece still in the first-level cache from the one before it, rather
// than the whole block read, which may have left it.
const size_t kPiece = 32 * 1024;

}  // namespace

const char kUnreadCrc[] = "--------";

ContentDigests::ContentDigests(const ContentNeeds& needs)
    : needs_(needs), sha256_(NewSha256()), sha1_(NewSha1()), md5_(NewMd5()) {}

void ContentDigests::Update(const void* data, size_t length) {
    const unsigned char* p = static_cast<const unsigned char*>(data);
    for (size_t done = 0; done < length; done += kPiece) {
        const size_t n = length - done < kPiece ? length - done : kPiece;
        if (needs_.checksum) crc_ = Crc32Update(crc_, p + done, n);
        if (needs_.sha256) sha256_.Update(p + done, n);
        if (needs_.sha1) sha1_.Update(p + done, n);
        if (needs_.md5) md5_.Update(p + done, n);
    }
}

void ContentDigests::Finish() {
    if (needs_.sha256) sha256_.Finish(sha256Value_);
    if (needs_.sha1) sha1_.Finish(sha1Value_);
    if (needs_.md5) md5_.Finish(md5Value_);
}

std::string ContentDigests::CrcText() const {
    char text[9];
    std::snprintf(text, sizeof text, "%08lX", static_cast<unsigned long>(crc_));
    return text;
}

std::string ContentDigests::Sha256Text() const { return HexText(sha256Value_, sizeof sha256Value_); }
std::string ContentDigests::Sha1Text() const { return HexText(sha1Value_, sizeof sha1Value_); }
std::string ContentDigests::Md5Text() const { return HexText(md5Value_, sizeof md5Value_); }

std::string UnreadDigest(size_t bytes) { return std::string(2 * bytes, '-'); }

std::string HexText(const unsigned char* bytes, size_t count) {
    static const char kDigits[] = "0123456789abcdef";
    std::string text(2 * count, '0');
    for (size_t i = 0; i < count; ++i) {
        text[2 * i] = kDigits[bytes[i] >> 4];
        text[2 * i + 1] = kDigits[bytes[i] & 15];
    }
    return text;
}
