#include "EncirclePNG.h"

#include "CDC.h"
#include "CRect.h"
#include "CWnd.h"
#include "SkinctlModule.h"

namespace {

bool LoadPiece(CPngImage& image, HINSTANCE module, LPCWSTR name) {
  if (name == nullptr) return false;
  return module ? image.LoadImageW(module, name) : image.LoadImageW(name);
}

SIZE SizeOf(const CPngImage& image) {
  SIZE s = {image.GetWidth(), image.GetHeight()};
  return s;
}

}  // namespace

CEncirclePNG::CEncirclePNG() : m_hInstance(nullptr), m_EncircleInfo(), m_EncircleResource() {}

CEncirclePNG::CEncirclePNG(const CEncirclePNG& other)
    : m_hInstance(other.m_hInstance),
      m_EncircleInfo(other.m_EncircleInfo),
      m_EncircleResource(other.m_EncircleResource) {}

CEncirclePNG& CEncirclePNG::operator=(const CEncirclePNG& other) {
  m_hInstance = other.m_hInstance;
  m_EncircleInfo = other.m_EncircleInfo;
  m_EncircleResource = other.m_EncircleResource;
  return *this;
}

CEncirclePNG::~CEncirclePNG() {}

bool CEncirclePNG::InitEncircleResource(_EncircleResource& resource, HINSTANCE module) {
  m_hInstance = module;
  m_EncircleResource = resource;
  m_EncircleInfo = EncircleLayout::Measure([this](int piece) {
    CPngImage image;
    LoadPiece(image, m_hInstance, m_EncircleResource.lpszImage[piece]);
    return SizeOf(image);
  });
  return true;
}

bool CEncirclePNG::InitDefaultResource() {
  _EncircleResource resource = EncircleLayout::DefaultBitmapFrame();
  return InitEncircleResource(resource, SkinctlModule());
}

bool CEncirclePNG::GetEncircleInfo(_EncircleInfo& info) {
  info = m_EncircleInfo;
  return true;
}

bool CEncirclePNG::GetEncircleRect(CRect& window, CRect& result) {
  EncircleLayout::InnerRect(m_EncircleInfo, window, result);
  return true;
}

bool CEncirclePNG::SetWindowPos(CWnd* window, CRect& outer) {
  return window != nullptr && EncircleLayout::PlaceWindow(window->m_hWnd, nullptr, m_EncircleInfo, outer);
}

bool CEncirclePNG::DeferWindowPos(CWnd* window, HDWP defer, CRect& outer) {
  return window != nullptr && EncircleLayout::DeferPlaceWindow(window->m_hWnd, defer, m_EncircleInfo, outer);
}

bool CEncirclePNG::DeferWindowPos(CWnd* window, HDWP* defer, CRect& outer) {
  return window != nullptr && EncircleLayout::DeferPlaceWindow(window->m_hWnd, defer, m_EncircleInfo, outer);
}

bool CEncirclePNG::LoadEncircleImage(_EncirclePNG& images) {
  for (int i = 0; i < ENCIRCLE_PIECES; ++i) LoadPiece(images.image[i], m_hInstance, m_EncircleResource.lpszImage[i]);
  return true;
}

bool CEncirclePNG::PreDrawEncircleImage(_EncirclePNG&) { return true; }

bool CEncirclePNG::DrawEncircleFrame(CDC* dc, CRect& rect) {
  _EncirclePNG images;
  LoadEncircleImage(images);
  SIZE size[ENCIRCLE_PIECES];
  for (int i = 0; i < ENCIRCLE_PIECES; ++i) size[i] = SizeOf(images.image[i]);
  PreDrawEncircleImage(images);
  if (dc == nullptr || dc->GetSafeHdc() == nullptr) return true;

  EncircleLayout::Tile(size, rect, [&](int piece, int x, int y, int cx, int cy) {
    images.image[piece].DrawImage(dc->GetSafeHdc(), x, y, cx, cy, 0, 0);
  });
  return true;
}
