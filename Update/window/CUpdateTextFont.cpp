#include "CUpdateTextFont.h"

namespace {

// The updater draws on one thread only.
long g_nCreated = 0;

}  // namespace

CUpdateTextFont::CSelection::CSelection(HDC dc, HFONT font) : m_hDC(dc), m_hOldFont(nullptr) {
  if (font != nullptr) {
    m_hOldFont = SelectObject(m_hDC, font);
  }
  SetTextColor(m_hDC, RGB(255, 255, 255));
}

CUpdateTextFont::CSelection::~CSelection() {
  if (m_hOldFont != nullptr) {
    SelectObject(m_hDC, m_hOldFont);
  }
}

CUpdateTextFont::CSelection CUpdateTextFont::Select(HDC dc) {
  if (m_Font.GetSafeHandle() == nullptr &&
      m_Font.CreateFont(14, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, 0, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                        DEFAULT_QUALITY, FF_SWISS, L"宋体")) {
    ++g_nCreated;
  }
  return CSelection(dc, m_Font);
}

long CUpdateTextFont::GetCreateCount() {
  return g_nCreated;
}
