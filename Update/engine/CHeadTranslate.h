// CHeadTranslate: the response header as the downloader keeps it while it
// handles a response: the header bytes, the fields read from them
// (CHttpResponseHead) and the ETag as wide text in the ANSI code page.
#pragma once

#include <winsock2.h>
#include <windows.h>
#include <stdint.h>

#include "CHttpResponseHead.h"

class CHeadTranslate {
public:
  CHeadTranslate();

  void Translate(const BYTE* header, uint16_t length);
  void Clear();

  uint16_t GetHeaderLength() const { return m_nHeaderLength; }
  const BYTE* GetHeader() const { return m_pHeader; }
  uint64_t GetContentLength() const { return m_Fields.GetContentLength(); }
  // Whether a usable Content-Length was there (a length of 0 then means an
  // empty body, not an unknown one).
  bool HasContentLength() const { return m_Fields.HasContentLength(); }
  LPCWSTR GetETag() const { return m_szETag; }
  // Every field read; its pointers are valid only while the header call runs.
  const CHttpResponseHead& GetFields() const { return m_Fields; }

private:
  uint16_t m_nHeaderLength;
  const BYTE* m_pHeader;  // valid only while the header call runs
  CHttpResponseHead m_Fields;
  wchar_t m_szETag[32];
};
