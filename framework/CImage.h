// CImage: a picture held in a DIB section.
//
// Create makes an empty one (bottom-up for a positive height, so GetPitch is
// negative and GetBits points at the top row; top-down for a negative
// height). Load decodes a file, a stream or a resource through GDI+ (PNG,
// BMP, JPEG, GIF): palette pictures stay palette DIBs with their colour
// table; pictures with transparency become 32-bit DIBs with an alpha channel
// holding straight (not premultiplied) colour, as decoded. Draw blends an
// image with an alpha channel with AlphaBlend, which expects premultiplied
// colour: call PremultiplyAlpha() first when the picture has partly
// transparent pixels.
#pragma once

#include <windows.h>

#include <objidl.h>

#include <cstdlib>
#include <cstring>

#include "CString.h"

class CImage {
public:
  enum { createAlphaChannel = 0x01 };
  enum DIBOrientation { DIBOR_DEFAULT, DIBOR_TOPDOWN, DIBOR_BOTTOMUP };

  CImage() = default;
  virtual ~CImage();
  CImage(const CImage&) = delete;
  CImage& operator=(const CImage&) = delete;

  BOOL Create(int nWidth, int nHeight, int nBPP, DWORD dwFlags = 0);
  // Takes ownership of a bitmap (a DIB section gives direct access to its bits).
  void Attach(HBITMAP hBitmap, DIBOrientation eOrientation = DIBOR_DEFAULT);
  HBITMAP Detach();
  void Destroy();
  bool IsNull() const { return m_hBitmap == nullptr; }
  operator HBITMAP() const { return m_hBitmap; }

  // S_OK, or a failure code with the image left empty.
  HRESULT Load(LPCWSTR pszFileName);
  HRESULT Load(IStream* pStream);
  // An image stored as a resource of any type (e.g. L"PNG").
  HRESULT Load(HINSTANCE hInstance, LPCWSTR pszResourceName, LPCWSTR pszResourceType);
  // A bitmap resource (RT_BITMAP).
  void LoadFromResource(HINSTANCE hInstance, LPCWSTR pszResourceName);
  void LoadFromResource(HINSTANCE hInstance, UINT nIDResource);
  // Writes PNG, or BMP/JPEG/GIF when the name ends so.
  HRESULT Save(LPCWSTR pszFileName) const;

  // A memory DC with the image selected; counted, one ReleaseDC per GetDC.
  HDC GetDC() const;
  void ReleaseDC() const;

  int GetWidth() const { return m_nWidth; }
  int GetHeight() const { return m_nHeight; }
  int GetBPP() const { return m_nBPP; }
  int GetPitch() const { return m_nPitch; }
  void* GetBits() { return m_pBits; }
  const void* GetBits() const { return m_pBits; }
  void* GetPixelAddress(int x, int y);
  const void* GetPixelAddress(int x, int y) const;
  bool IsDIBSection() const { return m_bIsDIBSection; }
  bool IsIndexed() const { return m_nBPP > 0 && m_nBPP <= 8; }
  bool HasAlphaChannel() const { return m_bHasAlphaChannel; }
  int GetMaxColorTableEntries() const { return IsIndexed() ? (1 << m_nBPP) : 0; }
  void GetColorTable(UINT iFirstColor, UINT nColors, RGBQUAD* prgbColors) const;
  void SetColorTable(UINT iFirstColor, UINT nColors, const RGBQUAD* prgbColors);
  COLORREF GetPixel(int x, int y) const;
  void SetPixel(int x, int y, COLORREF color);
  // Multiplies each pixel's colour by its alpha (32-bit images with alpha).
  void PremultiplyAlpha();

  BOOL Draw(HDC hDestDC, int xDest, int yDest) const;
  BOOL Draw(HDC hDestDC, int xDest, int yDest, int nDestWidth, int nDestHeight) const;
  BOOL Draw(HDC hDestDC, const RECT& rectDest) const;
  BOOL Draw(HDC hDestDC, const RECT& rectDest, const RECT& rectSrc) const;
  BOOL Draw(HDC hDestDC, int xDest, int yDest, int nDestWidth, int nDestHeight, int xSrc, int ySrc, int nSrcWidth,
            int nSrcHeight) const;
  BOOL BitBlt(HDC hDestDC, int xDest, int yDest, DWORD dwROP = SRCCOPY) const;
  BOOL BitBlt(HDC hDestDC, int xDest, int yDest, int nDestWidth, int nDestHeight, int xSrc, int ySrc,
              DWORD dwROP = SRCCOPY) const;
  BOOL StretchBlt(HDC hDestDC, int xDest, int yDest, int nDestWidth, int nDestHeight, int xSrc, int ySrc,
                  int nSrcWidth, int nSrcHeight, DWORD dwROP = SRCCOPY) const;
  BOOL AlphaBlend(HDC hDestDC, int xDest, int yDest, BYTE bSrcAlpha = 0xff, BYTE bBlendOp = AC_SRC_OVER) const;
  BOOL AlphaBlend(HDC hDestDC, int xDest, int yDest, int nDestWidth, int nDestHeight, int xSrc, int ySrc,
                  int nSrcWidth, int nSrcHeight, BYTE bSrcAlpha = 0xff, BYTE bBlendOp = AC_SRC_OVER) const;

private:
  friend class CImageLoader;
  void UpdateDescription(DIBOrientation eOrientation);

  HBITMAP m_hBitmap = nullptr;
  void* m_pBits = nullptr;
  int m_nWidth = 0;
  int m_nHeight = 0;
  int m_nPitch = 0;
  int m_nBPP = 0;
  bool m_bIsDIBSection = false;
  bool m_bHasAlphaChannel = false;

  mutable HDC m_hDC = nullptr;
  mutable int m_nDCRefCount = 0;
  mutable HGDIOBJ m_hOldBitmap = nullptr;
};

// Taking and giving up the bitmap, and the DC, are defined here: an image
// library over this class (a DLL of its own) derives from it and uses them
// without linking a second copy of the framework, as with a header-only
// image class.
namespace CImageDetail {

inline int StrideOf(int width, int bpp) { return ((width * bpp + 31) / 32) * 4; }

// Whether the first row in memory is the top row. The header's height sign
// is not reported the same way by every system, so a pixel is written at
// (0, 0) through GDI and looked for; memory is restored afterwards. Falls
// back to the header when the probe cannot tell (a one-colour palette).
inline bool FirstRowIsTop(HBITMAP hBitmap, const DIBSECTION& ds, int stride) {
  int height = std::abs(ds.dsBmih.biHeight);
  if (height <= 1) return true;
  BYTE* first = static_cast<BYTE*>(ds.dsBm.bmBits);
  BYTE* last = first + static_cast<ptrdiff_t>(height - 1) * stride;
  int bytes = (ds.dsBmih.biBitCount + 7) / 8;
  BYTE savedFirst[4], savedLast[4];
  ::GdiFlush();
  std::memcpy(savedFirst, first, bytes);
  std::memcpy(savedLast, last, bytes);
  HDC hDC = ::CreateCompatibleDC(nullptr);
  HGDIOBJ old = ::SelectObject(hDC, hBitmap);
  COLORREF probe = (::GetPixel(hDC, 0, 0) ^ 0xFFFFFF) & 0xFFFFFF;
  ::SetPixelV(hDC, 0, 0, probe);
  ::GdiFlush();
  bool firstChanged = std::memcmp(savedFirst, first, bytes) != 0;
  bool lastChanged = std::memcmp(savedLast, last, bytes) != 0;
  ::SelectObject(hDC, old);
  ::DeleteDC(hDC);
  std::memcpy(first, savedFirst, bytes);
  std::memcpy(last, savedLast, bytes);
  if (firstChanged != lastChanged) return firstChanged;
  return ds.dsBmih.biHeight < 0;
}

}  // namespace CImageDetail

inline CImage::~CImage() { Destroy(); }

inline void CImage::Attach(HBITMAP hBitmap, DIBOrientation eOrientation) {
  Destroy();
  if (!hBitmap) return;
  m_hBitmap = hBitmap;
  UpdateDescription(eOrientation);
}

inline void CImage::UpdateDescription(DIBOrientation eOrientation) {
  DIBSECTION ds = {};
  if (::GetObjectW(m_hBitmap, sizeof(ds), &ds) == sizeof(ds) && ds.dsBm.bmBits) {
    m_bIsDIBSection = true;
    m_nWidth = ds.dsBmih.biWidth;
    m_nHeight = std::abs(ds.dsBmih.biHeight);
    m_nBPP = ds.dsBmih.biBitCount;
    int stride = CImageDetail::StrideOf(m_nWidth, m_nBPP);
    bool bottomUp = eOrientation == DIBOR_DEFAULT ? !CImageDetail::FirstRowIsTop(m_hBitmap, ds, stride)
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

inline HBITMAP CImage::Detach() {
  while (m_nDCRefCount > 0) ReleaseDC();
  HBITMAP h = m_hBitmap;
  m_hBitmap = nullptr;
  m_pBits = nullptr;
  m_nWidth = m_nHeight = m_nPitch = m_nBPP = 0;
  m_bIsDIBSection = m_bHasAlphaChannel = false;
  return h;
}

inline void CImage::Destroy() {
  HBITMAP h = Detach();
  if (h) ::DeleteObject(h);
}

inline HDC CImage::GetDC() const {
  if (!m_hBitmap) return nullptr;
  if (m_nDCRefCount++ == 0) {
    m_hDC = ::CreateCompatibleDC(nullptr);
    m_hOldBitmap = ::SelectObject(m_hDC, m_hBitmap);
  }
  return m_hDC;
}

inline void CImage::ReleaseDC() const {
  if (m_nDCRefCount <= 0) return;
  if (--m_nDCRefCount == 0) {
    ::SelectObject(m_hDC, m_hOldBitmap);
    ::DeleteDC(m_hDC);
    m_hDC = nullptr;
    m_hOldBitmap = nullptr;
  }
}
