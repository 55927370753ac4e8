#include "services/CMD5.h"

#include <cstdio>
#include <cstring>

#include "services/TzTextConvert.h"

char CMD5::s_szDigest[33] = {};

namespace {

const uint32_t kSine[64] = {
    0xd76aa478, 0xe8c7b756, 0x242070db, 0xc1bdceee, 0xf57c0faf, 0x4787c62a, 0xa8304613, 0xfd469501,
    0x698098d8, 0x8b44f7af, 0xffff5bb1, 0x895cd7be, 0x6b901122, 0xfd987193, 0xa679438e, 0x49b40821,
    0xf61e2562, 0xc040b340, 0x265e5a51, 0xe9b6c7aa, 0xd62f105d, 0x02441453, 0xd8a1e681, 0xe7d3fbc8,
    0x21e1cde6, 0xc33707d6, 0xf4d50d87, 0x455a14ed, 0xa9e3e905, 0xfcefa3f8, 0x676f02d9, 0x8d2a4c8a,
    0xfffa3942, 0x8771f681, 0x6d9d6122, 0xfde5380c, 0xa4beea44, 0x4bdecfa9, 0xf6bb4b60, 0xbebfbc70,
    0x289b7ec6, 0xeaa127fa, 0xd4ef3085, 0x04881d05, 0xd9d4d039, 0xe6db99e5, 0x1fa27cf8, 0xc4ac5665,
    0xf4292244, 0x432aff97, 0xab9423a7, 0xfc93a039, 0x655b59c3, 0x8f0ccc92, 0xffeff47d, 0x85845dd1,
    0x6fa87e4f, 0xfe2ce6e0, 0xa3014314, 0x4e0811a1, 0xf7537e82, 0xbd3af235, 0x2ad7d2bb, 0xeb86d391,
};

const int kShift[64] = {
    7, 12, 17, 22, 7, 12, 17, 22, 7, 12, 17, 22, 7, 12, 17, 22,
    5, 9,  14, 20, 5, 9,  14, 20, 5, 9,  14, 20, 5, 9,  14, 20,
    4, 11, 16, 23, 4, 11, 16, 23, 4, 11, 16, 23, 4, 11, 16, 23,
    6, 10, 15, 21, 6, 10, 15, 21, 6, 10, 15, 21, 6, 10, 15, 21,
};

uint32_t RotateLeft(uint32_t x, int n)
{
    return (x << n) | (x >> (32 - n));
}

} // namespace

CMD5::CMD5()
{
    Reset();
}

CMD5::~CMD5() = default;

void CMD5::Reset()
{
    m_state[0] = 0x67452301;
    m_state[1] = 0xefcdab89;
    m_state[2] = 0x98badcfe;
    m_state[3] = 0x10325476;
    m_bitCount = 0;
    m_blockUsed = 0;
    std::memset(m_block, 0, sizeof(m_block));
}

void CMD5::Transform(const unsigned char block[64])
{
    uint32_t m[16];
    for (int i = 0; i < 16; ++i)
        m[i] = static_cast<uint32_t>(block[i * 4]) | (static_cast<uint32_t>(block[i * 4 + 1]) << 8) |
               (static_cast<uint32_t>(block[i * 4 + 2]) << 16) | (static_cast<uint32_t>(block[i * 4 + 3]) << 24);

    uint32_t a = m_state[0], b = m_state[1], c = m_state[2], d = m_state[3];
    for (int i = 0; i < 64; ++i) {
        uint32_t f;
        int g;
        if (i < 16) {
            f = (b & c) | (~b & d);
            g = i;
        } else if (i < 32) {
            f = (d & b) | (~d & c);
            g = (5 * i + 1) % 16;
        } else if (i < 48) {
            f = b ^ c ^ d;
            g = (3 * i + 5) % 16;
        } else {
            f = c ^ (b | ~d);
            g = (7 * i) % 16;
        }
        const uint32_t next = b + RotateLeft(a + f + kSine[i] + m[g], kShift[i]);
        a = d;
        d = c;
        c = b;
        b = next;
    }
    m_state[0] += a;
    m_state[1] += b;
    m_state[2] += c;
    m_state[3] += d;
}

void CMD5::Update(const unsigned char* data, size_t length)
{
    m_bitCount += static_cast<uint64_t>(length) * 8u;
    while (length > 0) {
        const size_t take = length < 64 - m_blockUsed ? length : 64 - m_blockUsed;
        std::memcpy(m_block + m_blockUsed, data, take);
        m_blockUsed += take;
        data += take;
        length -= take;
        if (m_blockUsed == 64) {
            Transform(m_block);
            m_blockUsed = 0;
        }
    }
}

void CMD5::Finish(unsigned char digest[16])
{
    unsigned char length[8];
    for (int i = 0; i < 8; ++i)
        length[i] = static_cast<unsigned char>(m_bitCount >> (8 * i));
    static const unsigned char kPadding[64] = { 0x80 };
    const size_t padding = m_blockUsed < 56 ? 56 - m_blockUsed : 120 - m_blockUsed;
    Update(kPadding, padding);
    Update(length, sizeof(length));
    for (int i = 0; i < 16; ++i)
        digest[i] = static_cast<unsigned char>(m_state[i / 4] >> (8 * (i % 4)));
}

char* CMD5::MD5_Algorithm(const char* text)
{
    Reset();
    if (text != nullptr)
        Update(reinterpret_cast<const unsigned char*>(text), std::strlen(text));
    unsigned char digest[16];
    Finish(digest);
    for (int i = 0; i < 16; ++i)
        std::snprintf(s_szDigest + i * 2, sizeof(s_szDigest) - static_cast<size_t>(i) * 2, "%02X", digest[i]);
    return s_szDigest;
}

char* TzConverUft8ToMD5(const char* text)
{
    CMD5 md5;
    return md5.MD5_Algorithm(text);
}

void TzConverUtf8ToMD5Unicode(wchar_t* out, int count, const char* text)
{
    TzConverUtf8ToUnicodeWithArray(out, count, TzConverUft8ToMD5(text));
}
