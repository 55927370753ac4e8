#include "CPngImage.h"

#include <string.h>

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

}  // namespace

CPngImage::CPngImage() : m_pImage(nullptr) {
  memset(m_hEngineImage, 0, sizeof(m_hEngineImage));
}

CPngImage::~CPngImage() {
  if (IPrismdraw* engine = CPrismdrawEngine::Get()) {
    engine->Destroy(0, m_hEngineImage);
  }
  if (m_pImage != nullptr) {
    GdipDisposeImage(m_pImage);
  }
}

bool CPngImage::LoadFromResource(HMODULE module, LPCWSTR name) {
  if (IPrismdraw* engine = CPrismdrawEngine::Get()) {
    engine->Load(0, module, name, kPngType, m_hEngineImage);
  }
  if (m_pImage != nullptr) {
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
  if (status != Ok || image == nullptr) {
    if (image != nullptr) {
      GdipDisposeImage(image);
    }
    return false;
  }
  m_pImage = image;
  return true;
}

long CPngImage::GetDecodeCount() {
  return g_nDecodes;
}

int CPngImage::GetWidth() const {
  if (IPrismdraw* engine = CPrismdrawEngine::Get()) {
    return engine->Width(0, const_cast<BYTE*>(m_hEngineImage));
  }
  UINT width = 0;
  if (m_pImage != nullptr) {
    GdipGetImageWidth(m_pImage, &width);
  }
  return static_cast<int>(width);
}

int CPngImage::GetHeight() const {
  if (IPrismdraw* engine = CPrismdrawEngine::Get()) {
    return engine->Height(0, const_cast<BYTE*>(m_hEngineImage));
  }
  UINT height = 0;
  if (m_pImage != nullptr) {
    GdipGetImageHeight(m_pImage, &height);
  }
  return static_cast<int>(height);
}

void CPngImage::Draw(HDC dc, int x, int y) const {
  if (m_pImage == nullptr) {
    return;
  }
  UINT width = 0, height = 0;
  GdipGetImageWidth(m_pImage, &width);
  GdipGetImageHeight(m_pImage, &height);
  DrawPart(dc, x, y, static_cast<int>(width), static_cast<int>(height), 0, 0);
}

void CPngImage::DrawPart(HDC dc, int x, int y, int w, int h, int srcX, int srcY) const {
  if (m_pImage == nullptr || dc == nullptr || w <= 0 || h <= 0) {
    return;
  }
  GpGraphics* graphics = nullptr;
  if (GdipCreateFromHDC(dc, &graphics) != Ok || graphics == nullptr) {
    return;
  }
  GdipDrawImageRectRectI(graphics, m_pImage, x, y, w, h, srcX, srcY, w, h, UnitPixel, nullptr, nullptr, nullptr);
  GdipDeleteGraphics(graphics);
}
