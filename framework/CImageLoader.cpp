#include "CImageLoader.h"

#include <gdiplus.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "CGdiplusSession.h"
#include "CImage.h"

namespace {

// A stream over a private copy of the bytes; Release frees both.
IStream* StreamOnCopy(const void* pData, DWORD cbData) {
  HGLOBAL hMem = GlobalAlloc(GMEM_MOVEABLE, cbData ? cbData : 1);
  if (!hMem) return nullptr;
  void* p = GlobalLock(hMem);
  if (p && cbData) memcpy(p, pData, cbData);
  GlobalUnlock(hMem);
  IStream* stream = nullptr;
  if (FAILED(CreateStreamOnHGlobal(hMem, TRUE, &stream))) {
    GlobalFree(hMem);
    return nullptr;
  }
  return stream;
}

bool CopyRows(CImage& image, Gdiplus::Bitmap& bitmap, Gdiplus::PixelFormat format) {
  int w = image.GetWidth(), h = image.GetHeight();
  Gdiplus::Rect rect(0, 0, w, h);
  Gdiplus::BitmapData data = {};
  if (bitmap.LockBits(&rect, Gdiplus::ImageLockModeRead, format, &data) != Gdiplus::Ok) return false;
  size_t rowBytes = (static_cast<size_t>(w) * image.GetBPP() + 7) / 8;
  rowBytes = std::min(rowBytes, static_cast<size_t>(abs(data.Stride)));
  for (int y = 0; y < h; ++y) {
    const BYTE* src = static_cast<const BYTE*>(data.Scan0) + static_cast<ptrdiff_t>(y) * data.Stride;
    memcpy(image.GetPixelAddress(0, y), src, rowBytes);
  }
  bitmap.UnlockBits(&data);
  return true;
}

bool EncoderFor(LPCWSTR pszFileName, CLSID* pClsid) {
  const wchar_t* mime = L"image/png";
  const wchar_t* dot = wcsrchr(pszFileName, L'.');
  if (dot) {
    if (!_wcsicmp(dot, L".bmp")) mime = L"image/bmp";
    else if (!_wcsicmp(dot, L".jpg") || !_wcsicmp(dot, L".jpeg")) mime = L"image/jpeg";
    else if (!_wcsicmp(dot, L".gif")) mime = L"image/gif";
  }
  UINT count = 0, size = 0;
  if (Gdiplus::GetImageEncodersSize(&count, &size) != Gdiplus::Ok || size == 0) return false;
  std::vector<BYTE> buffer(size);
  auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
  if (Gdiplus::GetImageEncoders(count, size, codecs) != Gdiplus::Ok) return false;
  for (UINT i = 0; i < count; ++i) {
    if (codecs[i].MimeType && !wcscmp(codecs[i].MimeType, mime)) {
      *pClsid = codecs[i].Clsid;
      return true;
    }
  }
  return false;
}

}  // namespace

HRESULT CImageLoader::Decode(CImage& image, IStream* pStream) {
  image.Destroy();
  if (!pStream) return E_POINTER;
  CGdiplusSession gdiplus;
  if (!gdiplus.IsValid()) return E_FAIL;
  Gdiplus::Bitmap bitmap(pStream);
  if (bitmap.GetLastStatus() != Gdiplus::Ok) return E_FAIL;
  int w = static_cast<int>(bitmap.GetWidth()), h = static_cast<int>(bitmap.GetHeight());
  Gdiplus::PixelFormat format = bitmap.GetPixelFormat();

  // Palette pictures keep their indices and table unless the table has
  // transparent entries; those, and every format with alpha, become 32-bit
  // pictures with an alpha channel.
  if (Gdiplus::IsIndexedPixelFormat(format)) {
    INT paletteSize = bitmap.GetPaletteSize();
    std::vector<BYTE> buffer(paletteSize > 0 ? static_cast<size_t>(paletteSize) : sizeof(Gdiplus::ColorPalette));
    auto* palette = reinterpret_cast<Gdiplus::ColorPalette*>(buffer.data());
    bool havePalette = paletteSize > 0 && bitmap.GetPalette(palette, paletteSize) == Gdiplus::Ok;
    if (havePalette && !(palette->Flags & Gdiplus::PaletteFlagsHasAlpha)) {
      int bpp = static_cast<int>(Gdiplus::GetPixelFormatSize(format));
      if (!image.Create(w, h, bpp)) return E_OUTOFMEMORY;
      std::vector<RGBQUAD> table(std::min<UINT>(palette->Count, 256));
      for (size_t i = 0; i < table.size(); ++i) {
        Gdiplus::ARGB c = palette->Entries[i];
        table[i] = RGBQUAD{static_cast<BYTE>(c), static_cast<BYTE>(c >> 8), static_cast<BYTE>(c >> 16), 0};
      }
      if (!table.empty()) image.SetColorTable(0, static_cast<UINT>(table.size()), table.data());
      if (!CopyRows(image, bitmap, format)) {
        image.Destroy();
        return E_FAIL;
      }
      return S_OK;
    }
    format = PixelFormat32bppARGB;
  }
  Gdiplus::PixelFormat target;
  int bpp;
  DWORD flags = 0;
  if (Gdiplus::IsAlphaPixelFormat(format) || format == PixelFormat32bppARGB) {
    target = PixelFormat32bppARGB;
    bpp = 32;
    flags = CImage::createAlphaChannel;
  } else if (format == PixelFormat32bppRGB) {
    target = PixelFormat32bppRGB;
    bpp = 32;
  } else {
    target = PixelFormat24bppRGB;
    bpp = 24;
  }
  if (!image.Create(w, h, bpp, flags)) return E_OUTOFMEMORY;
  if (!CopyRows(image, bitmap, target)) {
    image.Destroy();
    return E_FAIL;
  }
  return S_OK;
}

HRESULT CImageLoader::DecodeBytes(CImage& image, const void* pData, DWORD cbData) {
  image.Destroy();
  if (!pData || cbData == 0) return E_INVALIDARG;
  IStream* stream = StreamOnCopy(pData, cbData);
  if (!stream) return E_OUTOFMEMORY;
  HRESULT hr = Decode(image, stream);
  stream->Release();
  return hr;
}

HRESULT CImageLoader::Encode(const CImage& image, LPCWSTR pszFileName) {
  if (image.IsNull() || !pszFileName) return E_FAIL;
  CGdiplusSession gdiplus;
  CLSID encoder;
  if (!gdiplus.IsValid() || !EncoderFor(pszFileName, &encoder)) return E_FAIL;
  int w = image.GetWidth(), h = image.GetHeight();

  // Every picture goes out as 32-bit top-down rows read back through GDI.
  std::vector<DWORD> px(static_cast<size_t>(w) * h);
  BITMAPINFO bi = {};
  bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
  bi.bmiHeader.biWidth = w;
  bi.bmiHeader.biHeight = -h;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  bi.bmiHeader.biCompression = BI_RGB;
  HDC screen = GetDC(nullptr);
  int rows = GetDIBits(screen, static_cast<HBITMAP>(image), 0, static_cast<UINT>(h), px.data(), &bi, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  if (rows != h) return E_FAIL;
  if (!image.HasAlphaChannel()) {
    for (DWORD& p : px) p |= 0xFF000000u;
  }
  Gdiplus::Bitmap out(w, h, w * 4, PixelFormat32bppARGB, reinterpret_cast<BYTE*>(px.data()));
  if (out.GetLastStatus() != Gdiplus::Ok) return E_FAIL;
  return out.Save(pszFileName, &encoder, nullptr) == Gdiplus::Ok ? S_OK : E_FAIL;
}

HRESULT CImage::Load(IStream* pStream) { return CImageLoader::Decode(*this, pStream); }

HRESULT CImage::Load(LPCWSTR pszFileName) {
  Destroy();
  if (!pszFileName) return E_POINTER;
  // Read whole, so the file is not held open by the decoder.
  HANDLE h = CreateFileW(pszFileName, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                         nullptr);
  if (h == INVALID_HANDLE_VALUE) return HRESULT_FROM_WIN32(GetLastError());
  LARGE_INTEGER size = {};
  std::vector<BYTE> bytes;
  bool ok = GetFileSizeEx(h, &size) && size.QuadPart > 0 && size.QuadPart < (1LL << 30);
  if (ok) {
    bytes.resize(static_cast<size_t>(size.QuadPart));
    DWORD got = 0;
    ok = ReadFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr) && got == bytes.size();
  }
  CloseHandle(h);
  if (!ok) return E_FAIL;
  return CImageLoader::DecodeBytes(*this, bytes.data(), static_cast<DWORD>(bytes.size()));
}

HRESULT CImage::Load(HINSTANCE hInstance, LPCWSTR pszResourceName, LPCWSTR pszResourceType) {
  Destroy();
  HRSRC hRes = FindResourceW(hInstance, pszResourceName, pszResourceType);
  if (!hRes) return HRESULT_FROM_WIN32(ERROR_RESOURCE_NAME_NOT_FOUND);
  DWORD size = SizeofResource(hInstance, hRes);
  HGLOBAL hData = LoadResource(hInstance, hRes);
  const void* p = hData ? LockResource(hData) : nullptr;
  if (!p || size == 0) return E_FAIL;
  return CImageLoader::DecodeBytes(*this, p, size);
}

HRESULT CImage::Save(LPCWSTR pszFileName) const { return CImageLoader::Encode(*this, pszFileName); }
