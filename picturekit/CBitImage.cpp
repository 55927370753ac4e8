#include "CBitImage.h"

#include <vector>

#include "CDC.h"
#include "CRgn.h"
#include "PixelBuffer.h"

namespace {

// The image's own DC for the length of a scope.
class ImageDC {
 public:
  explicit ImageDC(const CImage& image) : m_Image(image), m_hDC(image.IsNull() ? nullptr : image.GetDC()) {}
  ~ImageDC() {
    if (m_hDC) m_Image.ReleaseDC();
  }
  ImageDC(const ImageDC&) = delete;
  ImageDC& operator=(const ImageDC&) = delete;
  operator HDC() const { return m_hDC; }

 private:
  const CImage& m_Image;
  HDC m_hDC;
};

HDC SafeHdc(CDC* dc) { return dc ? dc->GetSafeHdc() : nullptr; }

}  // namespace

CBitImage::CBitImage() {}

CBitImage::CBitImage(const CBitImage& other) : CImage() { CopyFrom(other); }

CBitImage& CBitImage::operator=(const CBitImage& other) {
  if (this != &other) CopyFrom(other);
  return *this;
}

CBitImage::~CBitImage() {}

void CBitImage::CopyFrom(const CBitImage& other) {
  Destroy();
  if (other.IsNull()) return;
  // A DIB section of the same format, palette included.
  HBITMAP copy = static_cast<HBITMAP>(::CopyImage(static_cast<HBITMAP>(other), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  if (copy) Attach(copy);
}

bool CBitImage::LoadFromResource(HINSTANCE module, UINT id) { return LoadFromResource(module, MAKEINTRESOURCEW(id)); }

bool CBitImage::LoadFromResource(HINSTANCE module, LPCWSTR name) {
  Destroy();
  if (name == nullptr) return false;
  HBITMAP bitmap = static_cast<HBITMAP>(::LoadImageW(module, name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  if (bitmap == nullptr) return false;
  Attach(bitmap);
  return !IsNull();
}

int CBitImage::BitBlt(HDC dc, int x, int y, DWORD rop) { return BitBlt(dc, x, y, GetWidth(), GetHeight(), 0, 0, rop); }

int CBitImage::BitBlt(HDC dc, int x, int y, int cx, int cy, int sx, int sy, DWORD rop) {
  if (dc == nullptr || IsNull()) return 0;
  ImageDC source(*this);
  return source ? ::BitBlt(dc, x, y, cx, cy, source, sx, sy, rop) : 0;
}

bool CBitImage::TransDrawImage(CDC* dc, int x, int y, COLORREF key) {
  return TransDrawImage(SafeHdc(dc), x, y, GetWidth(), GetHeight(), 0, 0, GetWidth(), GetHeight(), key);
}

bool CBitImage::TransDrawImage(CDC* dc, int x, int y, int cx, int cy, int sx, int sy, COLORREF key) {
  return TransDrawImage(SafeHdc(dc), x, y, cx, cy, sx, sy, cx, cy, key);
}

bool CBitImage::TransDrawImage(CDC* dc, int x, int y, int cx, int cy, int sx, int sy, int scx, int scy,
                               COLORREF key) {
  return TransDrawImage(SafeHdc(dc), x, y, cx, cy, sx, sy, scx, scy, key);
}

bool CBitImage::TransDrawImage(HDC dc, int x, int y, int cx, int cy, int sx, int sy, int scx, int scy, COLORREF key) {
  if (dc == nullptr || IsNull() || cx <= 0 || cy <= 0 || scx <= 0 || scy <= 0) return false;
  ImageDC source(*this);
  return source && ::TransparentBlt(dc, x, y, cx, cy, source, sx, sy, scx, scy, key) != FALSE;
}

bool CBitImage::BlendDrawImage(CDC* dc, int x, int y, COLORREF key, BYTE alpha) {
  return BlendDrawImage(SafeHdc(dc), x, y, GetWidth(), GetHeight(), 0, 0, GetWidth(), GetHeight(), key, alpha);
}

bool CBitImage::BlendDrawImage(CDC* dc, int x, int y, int cx, int cy, int sx, int sy, COLORREF key, BYTE alpha) {
  return BlendDrawImage(SafeHdc(dc), x, y, cx, cy, sx, sy, cx, cy, key, alpha);
}

bool CBitImage::BlendDrawImage(CDC* dc, int x, int y, int cx, int cy, int sx, int sy, int scx, int scy,
                               COLORREF key, BYTE alpha) {
  return BlendDrawImage(SafeHdc(dc), x, y, cx, cy, sx, sy, scx, scy, key, alpha);
}

bool CBitImage::BlendDrawImage(HDC dc, int x, int y, int cx, int cy, int sx, int sy, int scx, int scy,
                               COLORREF key, BYTE alpha) {
  if (dc == nullptr || IsNull() || cx <= 0 || cy <= 0 || scx <= 0 || scy <= 0) return false;
  std::vector<RGBQUAD> pixels;
  {
    ImageDC source(*this);
    if (!ReadPixels32(source, sx, sy, scx, scy, pixels)) return false;
  }
  // Key pixels become fully transparent, the others carry the constant
  // alpha, premultiplied as AlphaBlend expects.
  ScopedDib32 layer(dc, scx, scy);
  if (!layer) return false;
  RGBQUAD* out = layer.GetBits();
  for (size_t i = 0; i < pixels.size(); ++i) {
    if (SameColour(pixels[i], key)) {
      out[i] = RGBQUAD{0, 0, 0, 0};
      continue;
    }
    out[i].rgbBlue = static_cast<BYTE>(pixels[i].rgbBlue * alpha / 255);
    out[i].rgbGreen = static_cast<BYTE>(pixels[i].rgbGreen * alpha / 255);
    out[i].rgbRed = static_cast<BYTE>(pixels[i].rgbRed * alpha / 255);
    out[i].rgbReserved = alpha;
  }
  BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  return ::AlphaBlend(dc, x, y, cx, cy, layer.GetDC(), 0, 0, scx, scy, blend) != FALSE;
}

bool CBitImage::AlphaDrawImage(CDC* dc, int x, int y, int cx, int cy, int sx, int sy, int scx, int scy, BYTE alpha) {
  return AlphaDrawImage(SafeHdc(dc), x, y, cx, cy, sx, sy, scx, scy, alpha);
}

bool CBitImage::AlphaDrawImage(HDC dc, int x, int y, int cx, int cy, int sx, int sy, int scx, int scy, BYTE alpha) {
  if (dc == nullptr || IsNull() || cx <= 0 || cy <= 0 || scx <= 0 || scy <= 0) return false;
  ImageDC source(*this);
  BLENDFUNCTION blend = {AC_SRC_OVER, 0, alpha, 0};
  return source && ::AlphaBlend(dc, x, y, cx, cy, source, sx, sy, scx, scy, blend) != FALSE;
}

bool CBitImage::CreateImageRegion(CRgn& region, COLORREF key) {
  if (IsNull()) return false;
  const int width = GetWidth();
  const int height = GetHeight();
  std::vector<RGBQUAD> pixels;
  {
    ImageDC source(*this);
    if (!ReadPixels32(source, 0, 0, width, height, pixels)) return false;
  }
  // One rectangle per run of non-key pixels in a row.
  std::vector<RECT> runs;
  for (int y = 0; y < height; ++y) {
    const RGBQUAD* row = &pixels[static_cast<size_t>(y) * width];
    for (int x = 0; x < width;) {
      if (SameColour(row[x], key)) {
        ++x;
        continue;
      }
      const int start = x;
      while (x < width && !SameColour(row[x], key)) ++x;
      runs.push_back(RECT{start, y, x, y + 1});
    }
  }
  std::vector<BYTE> data(sizeof(RGNDATAHEADER) + runs.size() * sizeof(RECT));
  RGNDATA* rgn = reinterpret_cast<RGNDATA*>(data.data());
  rgn->rdh.dwSize = sizeof(RGNDATAHEADER);
  rgn->rdh.iType = RDH_RECTANGLES;
  rgn->rdh.nCount = static_cast<DWORD>(runs.size());
  rgn->rdh.nRgnSize = static_cast<DWORD>(runs.size() * sizeof(RECT));
  ::SetRect(&rgn->rdh.rcBound, 0, 0, width, height);
  if (!runs.empty()) memcpy(rgn->Buffer, runs.data(), runs.size() * sizeof(RECT));

  HRGN created = ::ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()), rgn);
  if (created == nullptr) return false;
  region.DeleteObject();
  return region.Attach(created) != FALSE;
}
