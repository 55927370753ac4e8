// CHeadTranslate: picks the two header lines the downloader cares about out
// of a response header: "Content-Length: " and "ETag: \"". Both are matched
// case-sensitively and only in exactly that form.
#pragma once

#include <winsock2.h>
#include <windows.h>
#include <stdint.h>

class CHeadTranslate {
public:
  CHeadTranslate();

  void Translate(const BYTE* header, uint16_t length);
  void Clear();

  uint16_t GetHeaderLength() const { return m_nHeaderLength; }
  const BYTE* GetHeader() const { return m_pHeader; }
  uint32_t GetContentLength() const { return m_nContentLength; }
  // Whether a "Content-Length: " line was seen (a length of 0 then means an
  // empty body, not an unknown one).
  bool HasContentLength() const { return m_bContentLength; }
  LPCWSTR GetETag() const { return m_szETag; }

private:
  void TranslateLine(const BYTE* line, size_t length);

  uint16_t m_nHeaderLength;
  const BYTE* m_pHeader;  // valid only while the header call runs
  uint32_t m_nContentLength;
  wchar_t m_szETag[32];
  bool m_bContentLength;
};
