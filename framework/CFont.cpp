#include "CFont.h"

#include "CDC.h"
#include "CString.h"

BOOL CFont::CreateFontIndirect(const LOGFONTW* lpLogFont) {
  if (!lpLogFont) return FALSE;
  return Attach(::CreateFontIndirectW(lpLogFont));
}

BOOL CFont::CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight, BYTE bItalic,
                       BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet, BYTE nOutPrecision, BYTE nClipPrecision,
                       BYTE nQuality, BYTE nPitchAndFamily, LPCWSTR lpszFacename) {
  return Attach(::CreateFontW(nHeight, nWidth, nEscapement, nOrientation, nWeight, bItalic, bUnderline, cStrikeOut,
                              nCharSet, nOutPrecision, nClipPrecision, nQuality, nPitchAndFamily, lpszFacename));
}

BOOL CFont::CreatePointFont(int nPointSize, LPCWSTR lpszFaceName, CDC* pDC) {
  LOGFONTW lf = {};
  lf.lfCharSet = DEFAULT_CHARSET;
  lf.lfHeight = nPointSize;
  if (lpszFaceName) AfxFormatBuffer(lf.lfFaceName, LF_FACESIZE, L"%s", lpszFaceName);
  return CreatePointFontIndirect(&lf, pDC);
}

BOOL CFont::CreatePointFontIndirect(const LOGFONTW* lpLogFont, CDC* pDC) {
  if (!lpLogFont) return FALSE;
  HDC hDC = pDC ? pDC->m_hAttribDC : ::GetDC(nullptr);
  LOGFONTW lf = *lpLogFont;
  // Tenths of a point to logical units of the device.
  POINT pt = {0, MulDiv(GetDeviceCaps(hDC, LOGPIXELSY), lf.lfHeight, 720)};
  DPtoLP(hDC, &pt, 1);
  POINT origin = {0, 0};
  DPtoLP(hDC, &origin, 1);
  lf.lfHeight = -abs(pt.y - origin.y);
  if (!pDC) ::ReleaseDC(nullptr, hDC);
  return CreateFontIndirect(&lf);
}

int CFont::GetLogFont(LOGFONTW* pLogFont) const { return GetObject(sizeof(LOGFONTW), pLogFont); }
