#pragma once
// Which texts a run reads from inside its files: for its columns, or for its repeat text in
// template mode. All the digests come from one read of each file.

struct ContentNeeds {
    bool checksum = false;  // the CRC-32
    bool sha256 = false;
    bool sha1 = false;
    bool md5 = false;
    bool version = false;
    bool AnyDigest() const { return checksum || sha256 || sha1 || md5; }
    bool Any() const { return AnyDigest() || version; }
};
