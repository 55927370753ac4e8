#include "CPngImage.h"

#include <string.h>

#include <objidl.h>
#include <gdiplus.h>

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

namespace {

const wchar_t kPngType[] = L"PNG";

// The updater draws on one thread only.
long g_nDecodes = 0;

// A memory stream holding a copy of the resource's bytes; null when the
// resource is missing or the copy cannot be made.
IStream* StreamFromResource(HMODULE module, LPCWSTR name) {
  HRSRC info = FindResourceW(module, name, kPngType);
  if (info == nullptr) {
    return nullptr;
  }
  DWORD size = SizeofResource(module, info);
  HGLOBAL data = LoadResource(module, info);
  const void* bytes = data != nullptr ? LockResource(data) : nullptr;
  if (bytes == nullptr || size == 0) {
    return nullptr;
  }
  HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, size);
  if (copy == nullptr) {
    return nullptr;
  }
  void* target = GlobalLock(copy);
  if (target == nullptr) {
    GlobalFree(copy);
    return nullptr;
  }
  memcpy(target, bytes, size);
  GlobalUnlock(copy);
  IStream* stream = nullptr;
  if (FAILED(CreateStreamOnHGlobal(copy, TRUE, &stream))) {
    GlobalFree(copy);
    return nullptr;
  }
  return stream;
}

// Copies a decoded picture into pixels (its size) as premultiplied ARGB.
bool CopyPremultiplied(GpBitmap* bitmap, CMemDC& pixels) {
  Rect whole(0, 0, pixels.GetWidth(), pixels.GetHeight());
  BitmapData data = {};
  data.Width = static_cast<UINT>(pixels.GetWidth());
  data.Height = static_cast<UINT>(pixels.GetHeight());
  data.Stride = pixels.GetPitch();
  data.PixelFormat = PixelFormat32bppPARGB;
  data.Scan0 = pixels.GetBits();
  GdiFlush();
  if (GdipBitmapLockBits(bitmap, &whole, ImageLockModeRead | ImageLockModeUserInputBuf, PixelFormat32bppPARGB,
                         &data) != Ok) {
    return false;
  }
  GdipBitmapUnlockBits(bitmap, &data);
  return true;
}

}  // namespace

CPngImage::CPngImage() {
  memset(m_hEngineImage, 0, sizeof(m_hEngineImage));
}

CPngImage::~CPngImage() {
  if (IPrismdraw* engine = CPrismdrawEngine::Get()) {
    engine->Destroy(0, m_hEngineImage);
  }
}

bool CPngImage::LoadFromResource(HMODULE module, LPCWSTR name) {
  if (IPrismdraw* engine = CPrismdrawEngine::Get()) {
    engine->Load(0, module, name, kPngType, m_hEngineImage);
  }
  if (m_Pixels.IsValid()) {
    return false;
  }
  IStream* stream = StreamFromResource(module, name);
  if (stream == nullptr) {
    return false;
  }
  GpImage* image = nullptr;
  GpStatus status = GdipLoadImageFromStream(stream, &image);
  stream->Release();
  ++g_nDecodes;
  UINT width = 0, height = 0;
  bool ok = status == Ok && image != nullptr && GdipGetImageWidth(image, &width) == Ok &&
            GdipGetImageHeight(image, &height) == Ok &&
            m_Pixels.Create(nullptr, static_cast<int>(width), static_cast<int>(height)) &&
            CopyPremultiplied(static_cast<GpBitmap*>(image), m_Pixels);
  if (image != nullptr) {
    GdipDisposeImage(image);
  }
  if (!ok) {
    m_Pixels.Release();
  }
  return ok;
}

long CPngImage::GetDecodeCount() {
  return g_nDecodes;
}

int CPngImage::GetWidth() const {
  if (IPrismdraw* engine = CPrismdrawEngine::Get()) {
    return engine->Width(0, const_cast<BYTE*>(m_hEngineImage));
  }
  return m_Pixels.GetWidth();
}

int CPngImage::GetHeight() const {
  if (IPrismdraw* engine = CPrismdrawEngine::Get()) {
    return engine->Height(0, const_cast<BYTE*>(m_hEngineImage));
  }
  return m_Pixels.GetHeight();
}

void CPngImage::Draw(HDC dc, int x, int y) const {
  DrawPart(dc, x, y, m_Pixels.GetWidth(), m_Pixels.GetHeight(), 0, 0);
}

void CPngImage::DrawPart(HDC dc, int x, int y, int w, int h, int srcX, int srcY) const {
  if (!m_Pixels.IsValid() || dc == nullptr || w <= 0 || h <= 0) {
    return;
  }
  // AlphaBlend refuses a source rectangle reaching outside the picture: only
  // the part inside it is drawn, where it would have been.
  const RECT wanted = {srcX, srcY, srcX + w, srcY + h};
  const RECT picture = {0, 0, m_Pixels.GetWidth(), m_Pixels.GetHeight()};
  RECT part;
  if (!IntersectRect(&part, &wanted, &picture)) {
    return;
  }
  const BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  AlphaBlend(dc, x + part.left - srcX, y + part.top - srcY, part.right - part.left, part.bottom - part.top,
             m_Pixels.GetSafeHdc(), part.left, part.top, part.right - part.left, part.bottom - part.top, blend);
}
