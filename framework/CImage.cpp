#include "CImage.h"

#include <algorithm>
#include <cstring>
#include <vector>

BOOL CImage::Create(int nWidth, int nHeight, int nBPP, DWORD dwFlags) {
  Destroy();
  if (nWidth <= 0 || nHeight == 0) return FALSE;
  if (nBPP != 1 && nBPP != 4 && nBPP != 8 && nBPP != 16 && nBPP != 24 && nBPP != 32) return FALSE;
  std::vector<BYTE> info(sizeof(BITMAPINFOHEADER) + 256 * sizeof(RGBQUAD));
  auto* bi = reinterpret_cast<BITMAPINFO*>(info.data());
  bi->bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  bi->bmiHeader.biWidth = nWidth;
  bi->bmiHeader.biHeight = nHeight;
  bi->bmiHeader.biPlanes = 1;
  bi->bmiHeader.biBitCount = static_cast<WORD>(nBPP);
  bi->bmiHeader.biCompression = BI_RGB;
  if (nBPP <= 8) {
    // A grey ramp until the owner sets its own table.
    int n = 1 << nBPP;
    bi->bmiHeader.biClrUsed = static_cast<DWORD>(n);
    for (int i = 0; i < n; ++i) {
      BYTE v = static_cast<BYTE>(i * 255 / (n - 1));
      bi->bmiColors[i] = RGBQUAD{v, v, v, 0};
    }
  }
  void* bits = nullptr;
  HBITMAP hBitmap = ::CreateDIBSection(nullptr, bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!hBitmap) return FALSE;
  Attach(hBitmap, nHeight < 0 ? DIBOR_TOPDOWN : DIBOR_BOTTOMUP);
  m_bHasAlphaChannel = nBPP == 32 && (dwFlags & createAlphaChannel);
  return TRUE;
}

void CImage::LoadFromResource(HINSTANCE hInstance, LPCWSTR pszResourceName) {
  HBITMAP h = static_cast<HBITMAP>(::LoadImageW(hInstance, pszResourceName, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  if (h) Attach(h);
  else Destroy();
}

void CImage::LoadFromResource(HINSTANCE hInstance, UINT nIDResource) {
  LoadFromResource(hInstance, MAKEINTRESOURCEW(nIDResource));
}

void* CImage::GetPixelAddress(int x, int y) {
  return const_cast<void*>(static_cast<const CImage*>(this)->GetPixelAddress(x, y));
}

const void* CImage::GetPixelAddress(int x, int y) const {
  if (!m_pBits || x < 0 || y < 0 || x >= m_nWidth || y >= m_nHeight) return nullptr;
  return static_cast<const BYTE*>(m_pBits) + static_cast<ptrdiff_t>(y) * m_nPitch + (x * m_nBPP) / 8;
}

void CImage::GetColorTable(UINT iFirstColor, UINT nColors, RGBQUAD* prgbColors) const {
  if (!IsIndexed() || !prgbColors) return;
  HDC hDC = GetDC();
  ::GetDIBColorTable(hDC, iFirstColor, nColors, prgbColors);
  ReleaseDC();
}

void CImage::SetColorTable(UINT iFirstColor, UINT nColors, const RGBQUAD* prgbColors) {
  if (!IsIndexed() || !prgbColors) return;
  HDC hDC = GetDC();
  ::SetDIBColorTable(hDC, iFirstColor, nColors, prgbColors);
  ReleaseDC();
}

COLORREF CImage::GetPixel(int x, int y) const {
  HDC hDC = GetDC();
  COLORREF c = hDC ? ::GetPixel(hDC, x, y) : CLR_INVALID;
  ReleaseDC();
  return c;
}

void CImage::SetPixel(int x, int y, COLORREF color) {
  HDC hDC = GetDC();
  if (hDC) ::SetPixel(hDC, x, y, color);
  ReleaseDC();
}

void CImage::PremultiplyAlpha() {
  if (m_nBPP != 32 || !m_bHasAlphaChannel || !m_pBits) return;
  ::GdiFlush();
  for (int y = 0; y < m_nHeight; ++y) {
    BYTE* p = static_cast<BYTE*>(GetPixelAddress(0, y));
    for (int x = 0; x < m_nWidth; ++x, p += 4) {
      UINT a = p[3];
      for (int c = 0; c < 3; ++c) p[c] = static_cast<BYTE>((p[c] * a + 127) / 255);
    }
  }
}

BOOL CImage::Draw(HDC hDestDC, int xDest, int yDest) const {
  return Draw(hDestDC, xDest, yDest, m_nWidth, m_nHeight, 0, 0, m_nWidth, m_nHeight);
}

BOOL CImage::Draw(HDC hDestDC, int xDest, int yDest, int nDestWidth, int nDestHeight) const {
  return Draw(hDestDC, xDest, yDest, nDestWidth, nDestHeight, 0, 0, m_nWidth, m_nHeight);
}

BOOL CImage::Draw(HDC hDestDC, const RECT& rectDest) const {
  return Draw(hDestDC, rectDest.left, rectDest.top, rectDest.right - rectDest.left, rectDest.bottom - rectDest.top, 0,
              0, m_nWidth, m_nHeight);
}

BOOL CImage::Draw(HDC hDestDC, const RECT& rectDest, const RECT& rectSrc) const {
  return Draw(hDestDC, rectDest.left, rectDest.top, rectDest.right - rectDest.left, rectDest.bottom - rectDest.top,
              rectSrc.left, rectSrc.top, rectSrc.right - rectSrc.left, rectSrc.bottom - rectSrc.top);
}

BOOL CImage::Draw(HDC hDestDC, int xDest, int yDest, int nDestWidth, int nDestHeight, int xSrc, int ySrc,
                  int nSrcWidth, int nSrcHeight) const {
  if (m_bHasAlphaChannel)
    return AlphaBlend(hDestDC, xDest, yDest, nDestWidth, nDestHeight, xSrc, ySrc, nSrcWidth, nSrcHeight);
  return StretchBlt(hDestDC, xDest, yDest, nDestWidth, nDestHeight, xSrc, ySrc, nSrcWidth, nSrcHeight, SRCCOPY);
}

BOOL CImage::BitBlt(HDC hDestDC, int xDest, int yDest, DWORD dwROP) const {
  return BitBlt(hDestDC, xDest, yDest, m_nWidth, m_nHeight, 0, 0, dwROP);
}

BOOL CImage::BitBlt(HDC hDestDC, int xDest, int yDest, int nDestWidth, int nDestHeight, int xSrc, int ySrc,
                    DWORD dwROP) const {
  HDC hDC = GetDC();
  BOOL ok = hDC && ::BitBlt(hDestDC, xDest, yDest, nDestWidth, nDestHeight, hDC, xSrc, ySrc, dwROP);
  ReleaseDC();
  return ok;
}

BOOL CImage::StretchBlt(HDC hDestDC, int xDest, int yDest, int nDestWidth, int nDestHeight, int xSrc, int ySrc,
                        int nSrcWidth, int nSrcHeight, DWORD dwROP) const {
  HDC hDC = GetDC();
  BOOL ok = hDC && ::StretchBlt(hDestDC, xDest, yDest, nDestWidth, nDestHeight, hDC, xSrc, ySrc, nSrcWidth,
                                nSrcHeight, dwROP);
  ReleaseDC();
  return ok;
}

BOOL CImage::AlphaBlend(HDC hDestDC, int xDest, int yDest, BYTE bSrcAlpha, BYTE bBlendOp) const {
  return AlphaBlend(hDestDC, xDest, yDest, m_nWidth, m_nHeight, 0, 0, m_nWidth, m_nHeight, bSrcAlpha, bBlendOp);
}

BOOL CImage::AlphaBlend(HDC hDestDC, int xDest, int yDest, int nDestWidth, int nDestHeight, int xSrc, int ySrc,
                        int nSrcWidth, int nSrcHeight, BYTE bSrcAlpha, BYTE bBlendOp) const {
  BLENDFUNCTION blend = {bBlendOp, 0, bSrcAlpha, static_cast<BYTE>(m_bHasAlphaChannel ? AC_SRC_ALPHA : 0)};
  HDC hDC = GetDC();
  BOOL ok = hDC && ::AlphaBlend(hDestDC, xDest, yDest, nDestWidth, nDestHeight, hDC, xSrc, ySrc, nSrcWidth,
                                nSrcHeight, blend);
  ReleaseDC();
  return ok;
}

