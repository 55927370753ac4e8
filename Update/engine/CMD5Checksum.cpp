#include "CMD5Checksum.h"

#include <string.h>

#include "CFile.h"

namespace {

// Large reads: a file system call costs far more than hashing a few bytes.
const UINT kReadChunk = 64 * 1024;

inline uint32_t RotateLeft(uint32_t x, int n) { return (x << n) | (x >> (32 - n)); }

inline uint32_t Load32(const BYTE* p) {
  return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
         (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

inline void Store32(BYTE* p, uint32_t v) {
  p[0] = static_cast<BYTE>(v);
  p[1] = static_cast<BYTE>(v >> 8);
  p[2] = static_cast<BYTE>(v >> 16);
  p[3] = static_cast<BYTE>(v >> 24);
}

#define MD5_F(x, y, z) (((x) & (y)) | (~(x) & (z)))
#define MD5_G(x, y, z) (((x) & (z)) | ((y) & ~(z)))
#define MD5_H(x, y, z) ((x) ^ (y) ^ (z))
#define MD5_I(x, y, z) ((y) ^ ((x) | ~(z)))
#define MD5_STEP(f, a, b, c, d, x, s, ac) \
  (a) += f((b), (c), (d)) + (x) + static_cast<uint32_t>(ac); \
  (a) = RotateLeft((a), (s)) + (b)

}  // namespace

CMD5Checksum::CMD5Checksum() { Init(); }

void CMD5Checksum::Init() {
  m_nCount[0] = m_nCount[1] = 0;
  memset(m_lpszBuffer, 0, sizeof(m_lpszBuffer));
  m_lMD5[0] = 0x67452301;
  m_lMD5[1] = 0xEFCDAB89;
  m_lMD5[2] = 0x98BADCFE;
  m_lMD5[3] = 0x10325476;
}

void CMD5Checksum::Transform(const BYTE block[64]) {
  uint32_t a = m_lMD5[0], b = m_lMD5[1], c = m_lMD5[2], d = m_lMD5[3];
  uint32_t x[16];
  for (int i = 0; i < 16; ++i) x[i] = Load32(block + 4 * i);

  MD5_STEP(MD5_F, a, b, c, d, x[0], 7, 0xd76aa478);
  MD5_STEP(MD5_F, d, a, b, c, x[1], 12, 0xe8c7b756);
  MD5_STEP(MD5_F, c, d, a, b, x[2], 17, 0x242070db);
  MD5_STEP(MD5_F, b, c, d, a, x[3], 22, 0xc1bdceee);
  MD5_STEP(MD5_F, a, b, c, d, x[4], 7, 0xf57c0faf);
  MD5_STEP(MD5_F, d, a, b, c, x[5], 12, 0x4787c62a);
  MD5_STEP(MD5_F, c, d, a, b, x[6], 17, 0xa8304613);
  MD5_STEP(MD5_F, b, c, d, a, x[7], 22, 0xfd469501);
  MD5_STEP(MD5_F, a, b, c, d, x[8], 7, 0x698098d8);
  MD5_STEP(MD5_F, d, a, b, c, x[9], 12, 0x8b44f7af);
  MD5_STEP(MD5_F, c, d, a, b, x[10], 17, 0xffff5bb1);
  MD5_STEP(MD5_F, b, c, d, a, x[11], 22, 0x895cd7be);
  MD5_STEP(MD5_F, a, b, c, d, x[12], 7, 0x6b901122);
  MD5_STEP(MD5_F, d, a, b, c, x[13], 12, 0xfd987193);
  MD5_STEP(MD5_F, c, d, a, b, x[14], 17, 0xa679438e);
  MD5_STEP(MD5_F, b, c, d, a, x[15], 22, 0x49b40821);

  MD5_STEP(MD5_G, a, b, c, d, x[1], 5, 0xf61e2562);
  MD5_STEP(MD5_G, d, a, b, c, x[6], 9, 0xc040b340);
  MD5_STEP(MD5_G, c, d, a, b, x[11], 14, 0x265e5a51);
  MD5_STEP(MD5_G, b, c, d, a, x[0], 20, 0xe9b6c7aa);
  MD5_STEP(MD5_G, a, b, c, d, x[5], 5, 0xd62f105d);
  MD5_STEP(MD5_G, d, a, b, c, x[10], 9, 0x02441453);
  MD5_STEP(MD5_G, c, d, a, b, x[15], 14, 0xd8a1e681);
  MD5_STEP(MD5_G, b, c, d, a, x[4], 20, 0xe7d3fbc8);
  MD5_STEP(MD5_G, a, b, c, d, x[9], 5, 0x21e1cde6);
  MD5_STEP(MD5_G, d, a, b, c, x[14], 9, 0xc33707d6);
  MD5_STEP(MD5_G, c, d, a, b, x[3], 14, 0xf4d50d87);
  MD5_STEP(MD5_G, b, c, d, a, x[8], 20, 0x455a14ed);
  MD5_STEP(MD5_G, a, b, c, d, x[13], 5, 0xa9e3e905);
  MD5_STEP(MD5_G, d, a, b, c, x[2], 9, 0xfcefa3f8);
  MD5_STEP(MD5_G, c, d, a, b, x[7], 14, 0x676f02d9);
  MD5_STEP(MD5_G, b, c, d, a, x[12], 20, 0x8d2a4c8a);

  MD5_STEP(MD5_H, a, b, c, d, x[5], 4, 0xfffa3942);
  MD5_STEP(MD5_H, d, a, b, c, x[8], 11, 0x8771f681);
  MD5_STEP(MD5_H, c, d, a, b, x[11], 16, 0x6d9d6122);
  MD5_STEP(MD5_H, b, c, d, a, x[14], 23, 0xfde5380c);
  MD5_STEP(MD5_H, a, b, c, d, x[1], 4, 0xa4beea44);
  MD5_STEP(MD5_H, d, a, b, c, x[4], 11, 0x4bdecfa9);
  MD5_STEP(MD5_H, c, d, a, b, x[7], 16, 0xf6bb4b60);
  MD5_STEP(MD5_H, b, c, d, a, x[10], 23, 0xbebfbc70);
  MD5_STEP(MD5_H, a, b, c, d, x[13], 4, 0x289b7ec6);
  MD5_STEP(MD5_H, d, a, b, c, x[0], 11, 0xeaa127fa);
  MD5_STEP(MD5_H, c, d, a, b, x[3], 16, 0xd4ef3085);
  MD5_STEP(MD5_H, b, c, d, a, x[6], 23, 0x04881d05);
  MD5_STEP(MD5_H, a, b, c, d, x[9], 4, 0xd9d4d039);
  MD5_STEP(MD5_H, d, a, b, c, x[12], 11, 0xe6db99e5);
  MD5_STEP(MD5_H, c, d, a, b, x[15], 16, 0x1fa27cf8);
  MD5_STEP(MD5_H, b, c, d, a, x[2], 23, 0xc4ac5665);

  MD5_STEP(MD5_I, a, b, c, d, x[0], 6, 0xf4292244);
  MD5_STEP(MD5_I, d, a, b, c, x[7], 10, 0x432aff97);
  MD5_STEP(MD5_I, c, d, a, b, x[14], 15, 0xab9423a7);
  MD5_STEP(MD5_I, b, c, d, a, x[5], 21, 0xfc93a039);
  MD5_STEP(MD5_I, a, b, c, d, x[12], 6, 0x655b59c3);
  MD5_STEP(MD5_I, d, a, b, c, x[3], 10, 0x8f0ccc92);
  MD5_STEP(MD5_I, c, d, a, b, x[10], 15, 0xffeff47d);
  MD5_STEP(MD5_I, b, c, d, a, x[1], 21, 0x85845dd1);
  MD5_STEP(MD5_I, a, b, c, d, x[8], 6, 0x6fa87e4f);
  MD5_STEP(MD5_I, d, a, b, c, x[15], 10, 0xfe2ce6e0);
  MD5_STEP(MD5_I, c, d, a, b, x[6], 15, 0xa3014314);
  MD5_STEP(MD5_I, b, c, d, a, x[13], 21, 0x4e0811a1);
  MD5_STEP(MD5_I, a, b, c, d, x[4], 6, 0xf7537e82);
  MD5_STEP(MD5_I, d, a, b, c, x[11], 10, 0xbd3af235);
  MD5_STEP(MD5_I, c, d, a, b, x[2], 15, 0x2ad7d2bb);
  MD5_STEP(MD5_I, b, c, d, a, x[9], 21, 0xeb86d391);

  m_lMD5[0] += a;
  m_lMD5[1] += b;
  m_lMD5[2] += c;
  m_lMD5[3] += d;
}

void CMD5Checksum::Update(const BYTE* data, size_t length) {
  size_t index = (m_nCount[0] >> 3) & 0x3F;
  const uint64_t bits = (static_cast<uint64_t>(m_nCount[1]) << 32 | m_nCount[0]) +
                        (static_cast<uint64_t>(length) << 3);
  m_nCount[0] = static_cast<uint32_t>(bits);
  m_nCount[1] = static_cast<uint32_t>(bits >> 32);

  size_t i = 0;
  const size_t room = 64 - index;
  if (length >= room) {
    memcpy(m_lpszBuffer + index, data, room);
    Transform(m_lpszBuffer);
    for (i = room; i + 63 < length; i += 64) Transform(data + i);
    index = 0;
  }
  memcpy(m_lpszBuffer + index, data + i, length - i);
}

void CMD5Checksum::Final(BYTE digest[16]) {
  BYTE bits[8];
  Store32(bits, m_nCount[0]);
  Store32(bits + 4, m_nCount[1]);

  static const BYTE kPadding[64] = {0x80};
  const size_t index = (m_nCount[0] >> 3) & 0x3F;
  const size_t padLen = index < 56 ? 56 - index : 120 - index;
  Update(kPadding, padLen);
  Update(bits, 8);

  for (int i = 0; i < 4; ++i) Store32(digest + 4 * i, m_lMD5[i]);
}

CString CMD5Checksum::Render(const BYTE digest[16]) {
  wchar_t text[33];
  static const wchar_t kHex[] = L"0123456789abcdef";
  for (int i = 0; i < 16; ++i) {
    text[2 * i] = kHex[digest[i] >> 4];
    text[2 * i + 1] = kHex[digest[i] & 0x0F];
  }
  text[32] = 0;
  return CString(text);
}

CString CMD5Checksum::Finish() {
  BYTE digest[16];
  Final(digest);
  return Render(digest);
}

CString CMD5Checksum::GetDataMD5(const BYTE* data, size_t length) {
  Init();
  Update(data, length);
  return Finish();
}

bool CMD5Checksum::AddFile(LPCWSTR path) {
  CFile file;
  if (!file.Open(path, CFile::modeRead | CFile::shareDenyRead)) return false;
  try {
    BYTE chunk[kReadChunk];
    for (;;) {
      const UINT got = file.Read(chunk, kReadChunk);
      if (got == 0) break;
      Update(chunk, got);
    }
    file.Close();
    return true;
  } catch (CException* e) {
    e->Delete();
    file.Abort();
    return false;
  }
}

CString CMD5Checksum::GetFileMD5(LPCWSTR path) {
  Init();
  return AddFile(path) ? Finish() : CString();
}
