#include "CHeadTranslate.h"

#include <stdlib.h>
#include <string.h>

namespace {
const char kETag[] = "ETag: \"";
const size_t kETagLen = sizeof(kETag) - 1;
const char kContentLength[] = "Content-Length: ";
const size_t kContentLengthLen = sizeof(kContentLength) - 1;
}  // namespace

CHeadTranslate::CHeadTranslate() { Clear(); }

void CHeadTranslate::Clear() {
  m_nHeaderLength = 0;
  m_pHeader = nullptr;
  m_nContentLength = 0;
  m_szETag[0] = 0;
  m_bContentLength = false;
}

void CHeadTranslate::Translate(const BYTE* header, uint16_t length) {
  m_nHeaderLength = length;
  m_pHeader = header;
  if (!header) return;
  size_t pos = 0;
  while (pos < length) {
    size_t end = pos;
    while (end + 1 < length && !(header[end] == '\r' && header[end + 1] == '\n')) ++end;
    const bool terminated = end + 1 < length;
    const size_t lineLen = terminated ? end - pos : length - pos;
    TranslateLine(header + pos, lineLen);
    pos += lineLen + (terminated ? 2 : 0);
  }
}

void CHeadTranslate::TranslateLine(const BYTE* line, size_t length) {
  if (length > kETagLen && memcmp(line, kETag, kETagLen) == 0) {
    // The bytes after the quote, the closing quote (last byte) dropped.
    size_t n = length - kETagLen - 1;
    if (n > 31) n = 31;
    int w = n ? MultiByteToWideChar(CP_ACP, 0, reinterpret_cast<const char*>(line + kETagLen),
                                    static_cast<int>(n), m_szETag, 31)
              : 0;
    if (w < 0) w = 0;
    m_szETag[w] = 0;
    return;
  }
  if (length < kContentLengthLen + 1) return;
  if (memcmp(line, kContentLength, kContentLengthLen) != 0) return;
  char digits[32];
  size_t n = length - kContentLengthLen;
  if (n > sizeof(digits) - 1) n = sizeof(digits) - 1;
  memcpy(digits, line + kContentLengthLen, n);
  digits[n] = 0;
  m_nContentLength = static_cast<uint32_t>(atol(digits));
  m_bContentLength = true;
}
