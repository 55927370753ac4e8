#include "CHeadTranslate.h"

#include <string.h>

#include "CConvert.h"

CHeadTranslate::CHeadTranslate() { Clear(); }

void CHeadTranslate::Clear() {
  m_nHeaderLength = 0;
  m_pHeader = nullptr;
  m_Fields.Clear();
  m_szETag[0] = 0;
}

void CHeadTranslate::Translate(const BYTE* header, uint16_t length) {
  Clear();
  m_nHeaderLength = length;
  m_pHeader = header;
  if (!header) return;
  m_Fields.Parse(header, length);
  size_t etagLength = 0;
  const char* etag = m_Fields.GetETag(etagLength);
  // At most 31 bytes of it.
  if (!etag || etagLength == 0) return;
  const CA2W wide(etag, CP_ACP, static_cast<int>(etagLength < 31 ? etagLength : 31));
  const size_t n = wcsnlen(wide, 31);
  memcpy(m_szETag, static_cast<LPCWSTR>(wide), n * sizeof(wchar_t));
  m_szETag[n] = 0;
}
