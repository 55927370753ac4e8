// MD5 digests (RFC 1321) of text, written as 32 uppercase hexadecimal digits.
#pragma once

#include <cstddef>
#include <cstdint>

#include "StagecraftExport.h"

class STAGECRAFT_API CMD5 {
public:
    CMD5();
    virtual ~CMD5();

    // Digest of the bytes of text (without its terminator) in the shared
    // digest buffer, which is returned and overwritten by every digest.
    char* MD5_Algorithm(const char* text);

private:
    void Reset();
    void Update(const unsigned char* data, size_t length);
    void Finish(unsigned char digest[16]);
    void Transform(const unsigned char block[64]);

    uint32_t m_state[4];
    uint64_t m_bitCount;
    unsigned char m_block[64];
    size_t m_blockUsed;

    static char s_szDigest[33];
};

// Digest of text through a temporary CMD5; returns the shared buffer.
STAGECRAFT_API char* TzConverUft8ToMD5(const char* text);
// Digest text widened into a 0-ended array of count units.
STAGECRAFT_API void TzConverUtf8ToMD5Unicode(wchar_t* out, int count, const char* text);
