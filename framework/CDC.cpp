#include "CDC.h"

#include "AfxThreadState.h"
#include "CBitmap.h"
#include "CBrush.h"
#include "CFont.h"
#include "CPen.h"
#include "CRgn.h"

CDC::~CDC() { DeleteDC(); }

CDC* CDC::FromHandle(HDC hDC) {
  if (!hDC) return nullptr;
  auto& slot = AfxGetThreadState()->tempDCs[hDC];
  if (!slot) {
    slot.reset(new CDC());
    slot->m_hDC = slot->m_hAttribDC = hDC;
  }
  return slot.get();
}

BOOL CDC::Attach(HDC hDC) {
  if (m_hDC || !hDC) return FALSE;
  m_hDC = m_hAttribDC = hDC;
  m_bOwnsDC = true;
  return TRUE;
}

HDC CDC::Detach() {
  HDC h = m_hDC;
  m_hDC = m_hAttribDC = nullptr;
  m_bOwnsDC = false;
  return h;
}

BOOL CDC::CreateCompatibleDC(CDC* pDC) {
  return Attach(::CreateCompatibleDC(pDC ? pDC->m_hDC : nullptr));
}

BOOL CDC::DeleteDC() {
  if (!m_hDC) return FALSE;
  bool owned = m_bOwnsDC;
  HDC h = Detach();
  return owned ? ::DeleteDC(h) : TRUE;
}

CGdiObject* CDC::SelectObject(CGdiObject* pObject) {
  if (!pObject || !pObject->m_hObject) return nullptr;
  return CGdiObject::FromHandle(::SelectObject(m_hDC, pObject->m_hObject));
}

CFont* CDC::SelectObject(CFont* pFont) {
  if (!pFont || !pFont->m_hObject) return nullptr;
  return CFont::FromHandle(static_cast<HFONT>(::SelectObject(m_hDC, pFont->m_hObject)));
}

CBrush* CDC::SelectObject(CBrush* pBrush) {
  if (!pBrush || !pBrush->m_hObject) return nullptr;
  return CBrush::FromHandle(static_cast<HBRUSH>(::SelectObject(m_hDC, pBrush->m_hObject)));
}

CPen* CDC::SelectObject(CPen* pPen) {
  if (!pPen || !pPen->m_hObject) return nullptr;
  return CPen::FromHandle(static_cast<HPEN>(::SelectObject(m_hDC, pPen->m_hObject)));
}

CBitmap* CDC::SelectObject(CBitmap* pBitmap) {
  if (!pBitmap || !pBitmap->m_hObject) return nullptr;
  return CBitmap::FromHandle(static_cast<HBITMAP>(::SelectObject(m_hDC, pBitmap->m_hObject)));
}

int CDC::SelectObject(CRgn* pRgn) {
  return static_cast<int>(reinterpret_cast<INT_PTR>(::SelectObject(m_hDC, pRgn ? pRgn->m_hObject : nullptr)));
}

int CDC::SelectClipRgn(CRgn* pRgn) { return ::SelectClipRgn(m_hDC, pRgn ? static_cast<HRGN>(pRgn->m_hObject) : nullptr); }

int CDC::SelectClipRgn(CRgn* pRgn, int nMode) {
  return ::ExtSelectClipRgn(m_hDC, pRgn ? static_cast<HRGN>(pRgn->m_hObject) : nullptr, nMode);
}

void CDC::FillSolidRect(LPCRECT lpRect, COLORREF clr) {
  // The background colour is the quickest solid fill; it is put back after.
  COLORREF old = ::SetBkColor(m_hDC, clr);
  ::ExtTextOutW(m_hDC, 0, 0, ETO_OPAQUE, lpRect, nullptr, 0, nullptr);
  ::SetBkColor(m_hDC, old);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF clr) {
  RECT rc = {x, y, x + cx, y + cy};
  FillSolidRect(&rc, clr);
}

void CDC::FillRect(LPCRECT lpRect, CBrush* pBrush) {
  if (pBrush) ::FillRect(m_hDC, lpRect, static_cast<HBRUSH>(pBrush->m_hObject));
}

BOOL CDC::FillRgn(CRgn* pRgn, CBrush* pBrush) {
  if (!pRgn || !pBrush) return FALSE;
  return ::FillRgn(m_hDC, static_cast<HRGN>(pRgn->m_hObject), static_cast<HBRUSH>(pBrush->m_hObject));
}

void CDC::Draw3dRect(LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight) {
  Draw3dRect(lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top, clrTopLeft,
             clrBottomRight);
}

void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF clrTopLeft, COLORREF clrBottomRight) {
  FillSolidRect(x, y, cx - 1, 1, clrTopLeft);
  FillSolidRect(x, y, 1, cy - 1, clrTopLeft);
  FillSolidRect(x + cx, y, -1, cy, clrBottomRight);
  FillSolidRect(x, y + cy, cx, -1, clrBottomRight);
}

CPoint CDC::MoveTo(int x, int y) {
  POINT old = {0, 0};
  ::MoveToEx(m_hDC, x, y, &old);
  return old;
}

int CDC::DrawText(LPCWSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat) {
  if (!lpszString) return 0;
  // DT_MODIFYSTRING writes into the text; it is never asked for here.
  return ::DrawTextW(m_hDC, lpszString, nCount, lpRect, nFormat & ~static_cast<UINT>(DT_MODIFYSTRING));
}

CSize CDC::GetTextExtent(LPCWSTR lpszString, int nCount) const {
  SIZE size = {0, 0};
  if (lpszString && nCount > 0) ::GetTextExtentPoint32W(m_hAttribDC, lpszString, nCount, &size);
  return size;
}

BOOL CDC::BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop) {
  return ::BitBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC ? pSrcDC->m_hDC : nullptr, xSrc, ySrc, dwRop);
}

BOOL CDC::StretchBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, int nSrcWidth,
                     int nSrcHeight, DWORD dwRop) {
  return ::StretchBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC ? pSrcDC->m_hDC : nullptr, xSrc, ySrc, nSrcWidth,
                      nSrcHeight, dwRop);
}

BOOL CDC::AlphaBlend(int xDest, int yDest, int nDestWidth, int nDestHeight, CDC* pSrcDC, int xSrc, int ySrc,
                     int nSrcWidth, int nSrcHeight, BLENDFUNCTION blend) {
  if (!pSrcDC) return FALSE;
  return ::AlphaBlend(m_hDC, xDest, yDest, nDestWidth, nDestHeight, pSrcDC->m_hDC, xSrc, ySrc, nSrcWidth, nSrcHeight,
                      blend);
}

