#include "CPngImage.h"

#include <algorithm>
using std::max;
using std::min;
#include <objidl.h>
#include <gdiplus.h>

#include <cstring>

#include "CDC.h"
#include "GdiplusSession.h"
#include "PixelBuffer.h"

namespace {

// Width and height from a PNG's IHDR chunk; false for anything else.
bool PngHeaderSize(const BYTE* data, size_t size, int& width, int& height) {
  static const BYTE signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (size < 24 || std::memcmp(data, signature, 8) != 0 || std::memcmp(data + 12, "IHDR", 4) != 0) return false;
  auto be32 = [](const BYTE* p) { return (DWORD(p[0]) << 24) | (DWORD(p[1]) << 16) | (DWORD(p[2]) << 8) | DWORD(p[3]); };
  const DWORD w = be32(data + 16);
  const DWORD h = be32(data + 20);
  if (w == 0 || h == 0 || w > 0x7FFF || h > 0x7FFF) return false;
  width = static_cast<int>(w);
  height = static_cast<int>(h);
  return true;
}

// A read-only stream over a copy of the bytes, released with the scope.
class MemoryStream {
 public:
  MemoryStream(const std::vector<BYTE>& bytes) : m_pStream(nullptr) {
    HGLOBAL copy = ::GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    if (copy == nullptr) return;
    void* target = ::GlobalLock(copy);
    if (target) {
      std::memcpy(target, bytes.data(), bytes.size());
      ::GlobalUnlock(copy);
      if (SUCCEEDED(::CreateStreamOnHGlobal(copy, TRUE, &m_pStream))) return;
    }
    m_pStream = nullptr;
    ::GlobalFree(copy);
  }
  ~MemoryStream() {
    if (m_pStream) m_pStream->Release();
  }
  MemoryStream(const MemoryStream&) = delete;
  MemoryStream& operator=(const MemoryStream&) = delete;
  IStream* Get() const { return m_pStream; }

 private:
  IStream* m_pStream;
};

}  // namespace

CPngImage::CPngImage() : m_hBitmap(nullptr), m_nWidth(0), m_nHeight(0) {}

CPngImage::~CPngImage() { Destroy(); }

void CPngImage::Destroy() {
  if (m_hBitmap) ::DeleteObject(m_hBitmap);
  m_hBitmap = nullptr;
  m_Encoded.clear();
  m_nWidth = m_nHeight = 0;
}

bool CPngImage::TakeEncoded(const void* data, size_t size) {
  Destroy();
  if (data == nullptr || size == 0) return false;
  const BYTE* bytes = static_cast<const BYTE*>(data);
  m_Encoded.assign(bytes, bytes + size);
  if (PngHeaderSize(bytes, size, m_nWidth, m_nHeight)) return true;
  // Not a PNG: let GDI+ tell the size by decoding now.
  if (Decode()) return true;
  Destroy();
  return false;
}

bool CPngImage::LoadImageW(LPCWSTR path) {
  if (path == nullptr) return false;
  HANDLE file = ::CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    Destroy();
    return false;
  }
  std::vector<BYTE> bytes;
  LARGE_INTEGER size = {};
  if (::GetFileSizeEx(file, &size) && size.QuadPart > 0 && size.QuadPart < (64 << 20)) {
    bytes.resize(static_cast<size_t>(size.QuadPart));
    DWORD read = 0;
    if (!::ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) || read != bytes.size())
      bytes.clear();
  }
  ::CloseHandle(file);
  return TakeEncoded(bytes.data(), bytes.size());
}

bool CPngImage::LoadImageW(HINSTANCE module, LPCWSTR name) {
  HRSRC found = name ? ::FindResourceW(module, name, L"PNG") : nullptr;
  HGLOBAL loaded = found ? ::LoadResource(module, found) : nullptr;
  const void* data = loaded ? ::LockResource(loaded) : nullptr;
  return TakeEncoded(data, data ? ::SizeofResource(module, found) : 0);
}

bool CPngImage::Decode() {
  if (m_hBitmap) return true;
  if (m_Encoded.empty() || !GdiplusSession::Ensure()) return false;
  MemoryStream stream(m_Encoded);
  if (stream.Get() == nullptr) return false;
  Gdiplus::Bitmap bitmap(stream.Get());
  if (bitmap.GetLastStatus() != Gdiplus::Ok) return false;
  const int width = static_cast<int>(bitmap.GetWidth());
  const int height = static_cast<int>(bitmap.GetHeight());
  void* bits = nullptr;
  HBITMAP dib = CreateTopDownDib32(width, height, &bits);
  if (dib == nullptr) return false;

  // Decode straight into the DIB section, premultiplied as AlphaBlend wants it.
  Gdiplus::BitmapData data = {};
  data.Width = static_cast<UINT>(width);
  data.Height = static_cast<UINT>(height);
  data.Stride = width * 4;
  data.PixelFormat = PixelFormat32bppPARGB;
  data.Scan0 = bits;
  Gdiplus::Rect area(0, 0, width, height);
  if (bitmap.LockBits(&area, Gdiplus::ImageLockModeRead | Gdiplus::ImageLockModeUserInputBuf,
                      PixelFormat32bppPARGB, &data) != Gdiplus::Ok) {
    ::DeleteObject(dib);
    return false;
  }
  bitmap.UnlockBits(&data);
  m_hBitmap = dib;
  m_nWidth = width;
  m_nHeight = height;
  return true;
}

HBITMAP CPngImage::GetBitmap() { return Decode() ? m_hBitmap : nullptr; }

bool CPngImage::DrawImage(CDC* dc, int x, int y) { return DrawImage(dc, x, y, m_nWidth, m_nHeight, 0, 0); }

bool CPngImage::DrawImage(CDC* dc, int x, int y, int cx, int cy, int sx, int sy) {
  return dc != nullptr && DrawImage(dc->GetSafeHdc(), x, y, cx, cy, sx, sy);
}

bool CPngImage::DrawImage(HDC dc, int x, int y, int cx, int cy, int sx, int sy) {
  if (dc == nullptr || GetBitmap() == nullptr) return false;
  // Keep the source part inside the picture; the destination moves along.
  if (sx < 0) { x -= sx; cx += sx; sx = 0; }
  if (sy < 0) { y -= sy; cy += sy; sy = 0; }
  cx = min(cx, m_nWidth - sx);
  cy = min(cy, m_nHeight - sy);
  if (cx <= 0 || cy <= 0) return false;
  ScopedMemoryDC source(dc, m_hBitmap);
  if (!source) return false;
  BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  return ::AlphaBlend(dc, x, y, cx, cy, source, sx, sy, cx, cy, blend) != FALSE;
}
