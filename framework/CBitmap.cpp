#include "CBitmap.h"

#include "AfxResource.h"
#include "CDC.h"

BOOL CBitmap::CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight) {
  if (!pDC) return FALSE;
  return Attach(::CreateCompatibleBitmap(pDC->m_hDC, nWidth, nHeight));
}

BOOL CBitmap::LoadBitmap(UINT nIDResource) { return LoadBitmap(MAKEINTRESOURCEW(nIDResource)); }

BOOL CBitmap::LoadBitmap(LPCWSTR lpszResourceName) {
  HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, MAKEINTRESOURCEW(2) /* RT_BITMAP */);
  return hInst ? Attach(::LoadBitmapW(hInst, lpszResourceName)) : FALSE;
}
