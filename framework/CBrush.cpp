#include "CBrush.h"

#include "CBitmap.h"

BOOL CBrush::CreatePatternBrush(CBitmap* pBitmap) {
  return pBitmap ? Attach(::CreatePatternBrush(static_cast<HBITMAP>(pBitmap->m_hObject))) : FALSE;
}
