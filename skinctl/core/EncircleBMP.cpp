#include "EncircleBMP.h"

#include "CDC.h"
#include "CRect.h"
#include "CWnd.h"
#include "SkinctlModule.h"
#include "UIRenderManager.h"

namespace {

bool LoadPiece(CBitImage& image, HINSTANCE module, LPCWSTR name) {
  if (name == nullptr) return false;
  if (module) return image.LoadFromResource(module, name);
  return SUCCEEDED(image.Load(name));
}

SIZE SizeOf(const CBitImage& image) {
  SIZE s = {0, 0};
  if (!image.IsNull()) {
    s.cx = image.GetWidth();
    s.cy = image.GetHeight();
  }
  return s;
}

}  // namespace

CEncircleBMP::CEncircleBMP() : m_hInstance(nullptr), m_EncircleInfo(), m_EncircleResource() {}

CEncircleBMP::CEncircleBMP(const CEncircleBMP& other)
    : m_hInstance(other.m_hInstance),
      m_EncircleInfo(other.m_EncircleInfo),
      m_EncircleResource(other.m_EncircleResource) {}

CEncircleBMP& CEncircleBMP::operator=(const CEncircleBMP& other) {
  m_hInstance = other.m_hInstance;
  m_EncircleInfo = other.m_EncircleInfo;
  m_EncircleResource = other.m_EncircleResource;
  return *this;
}

CEncircleBMP::~CEncircleBMP() {}

bool CEncircleBMP::InitEncircleResource(_EncircleResource& resource, HINSTANCE module) {
  m_hInstance = module;
  m_EncircleResource = resource;
  m_EncircleInfo = EncircleLayout::Measure([this](int piece) {
    CBitImage image;
    LoadPiece(image, m_hInstance, m_EncircleResource.lpszImage[piece]);
    return SizeOf(image);
  });
  return true;
}

bool CEncircleBMP::InitDefaultResource() {
  _EncircleResource resource = EncircleLayout::DefaultBitmapFrame();
  return InitEncircleResource(resource, SkinctlModule());
}

bool CEncircleBMP::GetEncircleInfo(_EncircleInfo& info) {
  info = m_EncircleInfo;
  return true;
}

bool CEncircleBMP::GetEncircleRect(CRect& window, CRect& result) {
  EncircleLayout::InnerRect(m_EncircleInfo, window, result);
  return true;
}

bool CEncircleBMP::SetWindowPos(CWnd* window, CRect& outer) {
  return window != nullptr && EncircleLayout::PlaceWindow(window->m_hWnd, nullptr, m_EncircleInfo, outer);
}

bool CEncircleBMP::DeferWindowPos(CWnd* window, HDWP defer, CRect& outer) {
  return window != nullptr && EncircleLayout::DeferPlaceWindow(window->m_hWnd, defer, m_EncircleInfo, outer);
}

bool CEncircleBMP::DeferWindowPos(CWnd* window, HDWP* defer, CRect& outer) {
  return window != nullptr && EncircleLayout::DeferPlaceWindow(window->m_hWnd, defer, m_EncircleInfo, outer);
}

bool CEncircleBMP::LoadEncircleImage(_EncircleBMP& images) {
  for (int i = 0; i < ENCIRCLE_PIECES; ++i) LoadPiece(images.image[i], m_hInstance, m_EncircleResource.lpszImage[i]);
  return true;
}

bool CEncircleBMP::PreDrawEncircleImage(_EncircleBMP&) { return true; }

bool CEncircleBMP::DrawEncircleFrame(CDC* dc, CRect& rect) { return Draw(dc, rect, DRAW_COPY, 0, 255); }

bool CEncircleBMP::DrawEncircleFrame(CDC* dc, CRect& rect, COLORREF key) {
  return Draw(dc, rect, DRAW_KEYED, key, 255);
}

bool CEncircleBMP::DrawEncircleFrame(CDC* dc, CRect& rect, COLORREF key, BYTE alpha) {
  return Draw(dc, rect, DRAW_BLENDED, key, alpha);
}

bool CEncircleBMP::Draw(CDC* dc, const CRect& rect, DrawMode mode, COLORREF key, BYTE alpha) {
  // Loaded, recoloured and released at every drawing: a new scheme shows at
  // the next paint with nothing cached to invalidate.
  _EncircleBMP images;
  LoadEncircleImage(images);
  SIZE size[ENCIRCLE_PIECES];
  CUIRenderManager* render = CUIRenderManager::GetInstance();
  // The keyed forms keep their own key colour out of the recolouring.
  const COLORREF keep = mode == DRAW_COPY ? SKIN_COLOR_KEY : key;
  for (int i = 0; i < ENCIRCLE_PIECES; ++i) {
    if (render) render->RenderImage(images.image[i], keep);
    size[i] = SizeOf(images.image[i]);
  }
  PreDrawEncircleImage(images);
  if (dc == nullptr || dc->GetSafeHdc() == nullptr) return true;

  EncircleLayout::Tile(size, rect, [&](int piece, int x, int y, int cx, int cy) {
    CBitImage& image = images.image[piece];
    switch (mode) {
      case DRAW_COPY: image.BitBlt(dc->GetSafeHdc(), x, y, cx, cy, 0, 0, SRCCOPY); break;
      case DRAW_KEYED: image.TransDrawImage(dc, x, y, cx, cy, 0, 0, key); break;
      case DRAW_BLENDED: image.BlendDrawImage(dc, x, y, cx, cy, 0, 0, key, alpha); break;
    }
  });
  return true;
}
