#include "CImage.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

int StrideOf(int width, int bpp) { return ((width * bpp + 31) / 32) * 4; }

// Whether the first row in memory is the top row. The header's height sign
// is not reported the same way by every system, so a pixel is written at
// (0, 0) through GDI and looked for; memory is restored afterwards. Falls
// back to the header when the probe cannot tell (a one-colour palette).
bool FirstRowIsTop(HBITMAP hBitmap, const DIBSECTION& ds, int stride) {
  int height = abs(ds.dsBmih.biHeight);
  if (height <= 1) return true;
  BYTE* first = static_cast<BYTE*>(ds.dsBm.bmBits);
  BYTE* last = first + static_cast<ptrdiff_t>(height - 1) * stride;
  int bytes = (ds.dsBmih.biBitCount + 7) / 8;
  BYTE savedFirst[4], savedLast[4];
  GdiFlush();
  memcpy(savedFirst, first, bytes);
  memcpy(savedLast, last, bytes);
  HDC hDC = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(hDC, hBitmap);
  COLORREF probe = (GetPixel(hDC, 0, 0) ^ 0xFFFFFF) & 0xFFFFFF;
  SetPixelV(hDC, 0, 0, probe);
  GdiFlush();
  bool firstChanged = memcmp(savedFirst, first, bytes) != 0;
  bool lastChanged = memcmp(savedLast, last, bytes) != 0;
  SelectObject(hDC, old);
  DeleteDC(hDC);
  memcpy(first, savedFirst, bytes);
  memcpy(last, savedLast, bytes);
  if (firstChanged != lastChanged) return firstChanged;
  return ds.dsBmih.biHeight < 0;
}

}  // namespace

CImage::~CImage() { Destroy(); }

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

void CImage::Attach(HBITMAP hBitmap, DIBOrientation eOrientation) {
  Destroy();
  if (!hBitmap) return;
  m_hBitmap = hBitmap;
  UpdateDescription(eOrientation);
}

void CImage::UpdateDescription(DIBOrientation eOrientation) {
  DIBSECTION ds = {};
  if (::GetObjectW(m_hBitmap, sizeof(ds), &ds) == sizeof(ds) && ds.dsBm.bmBits) {
    m_bIsDIBSection = true;
    m_nWidth = ds.dsBmih.biWidth;
    m_nHeight = abs(ds.dsBmih.biHeight);
    m_nBPP = ds.dsBmih.biBitCount;
    int stride = StrideOf(m_nWidth, m_nBPP);
    bool bottomUp = eOrientation == DIBOR_DEFAULT ? !FirstRowIsTop(m_hBitmap, ds, stride)
                                                  : eOrientation == DIBOR_BOTTOMUP;
    BYTE* base = static_cast<BYTE*>(ds.dsBm.bmBits);
    if (bottomUp) {
      m_pBits = base + static_cast<ptrdiff_t>(m_nHeight - 1) * stride;
      m_nPitch = -stride;
    } else {
      m_pBits = base;
      m_nPitch = stride;
    }
    return;
  }
  BITMAP bm = {};
  ::GetObjectW(m_hBitmap, sizeof(bm), &bm);
  m_bIsDIBSection = false;
  m_nWidth = bm.bmWidth;
  m_nHeight = bm.bmHeight;
  m_nBPP = bm.bmBitsPixel;
  m_nPitch = bm.bmWidthBytes;
  m_pBits = nullptr;
}

HBITMAP CImage::Detach() {
  while (m_nDCRefCount > 0) ReleaseDC();
  HBITMAP h = m_hBitmap;
  m_hBitmap = nullptr;
  m_pBits = nullptr;
  m_nWidth = m_nHeight = m_nPitch = m_nBPP = 0;
  m_bIsDIBSection = m_bHasAlphaChannel = false;
  m_iTransparentColor = -1;
  return h;
}

void CImage::Destroy() {
  HBITMAP h = Detach();
  if (h) ::DeleteObject(h);
}

void CImage::LoadFromResource(HINSTANCE hInstance, LPCWSTR pszResourceName) {
  HBITMAP h = static_cast<HBITMAP>(::LoadImageW(hInstance, pszResourceName, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  if (h) Attach(h);
  else Destroy();
}

void CImage::LoadFromResource(HINSTANCE hInstance, UINT nIDResource) {
  LoadFromResource(hInstance, MAKEINTRESOURCEW(nIDResource));
}

HDC CImage::GetDC() const {
  if (!m_hBitmap) return nullptr;
  if (m_nDCRefCount++ == 0) {
    m_hDC = ::CreateCompatibleDC(nullptr);
    m_hOldBitmap = ::SelectObject(m_hDC, m_hBitmap);
  }
  return m_hDC;
}

void CImage::ReleaseDC() const {
  if (m_nDCRefCount <= 0) return;
  if (--m_nDCRefCount == 0) {
    ::SelectObject(m_hDC, m_hOldBitmap);
    ::DeleteDC(m_hDC);
    m_hDC = nullptr;
    m_hOldBitmap = nullptr;
  }
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

LONG CImage::SetTransparentColor(LONG iTransparentColor) {
  LONG old = m_iTransparentColor;
  m_iTransparentColor = iTransparentColor;
  return old;
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
  if (m_iTransparentColor >= 0) {
    RGBQUAD q = {};
    COLORREF key = static_cast<COLORREF>(m_iTransparentColor);
    if (IsIndexed()) {
      GetColorTable(static_cast<UINT>(m_iTransparentColor), 1, &q);
      key = RGB(q.rgbRed, q.rgbGreen, q.rgbBlue);
    }
    return TransparentBlt(hDestDC, xDest, yDest, nDestWidth, nDestHeight, xSrc, ySrc, nSrcWidth, nSrcHeight, key);
  }
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

BOOL CImage::TransparentBlt(HDC hDestDC, int xDest, int yDest, int nDestWidth, int nDestHeight, int xSrc, int ySrc,
                            int nSrcWidth, int nSrcHeight, UINT crTransparent) const {
  HDC hDC = GetDC();
  BOOL ok = hDC && ::TransparentBlt(hDestDC, xDest, yDest, nDestWidth, nDestHeight, hDC, xSrc, ySrc, nSrcWidth,
                                    nSrcHeight, crTransparent);
  ReleaseDC();
  return ok;
}
