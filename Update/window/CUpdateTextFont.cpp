#include "CUpdateTextFont.h"

CUpdateTextFont::CUpdateTextFont(HDC dc) : m_hDC(dc), m_hFont(nullptr), m_hOldFont(nullptr) {
  m_hFont = CreateFontW(14, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, 0, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                        DEFAULT_QUALITY, FF_SWISS, L"宋体");
  if (m_hFont != nullptr) {
    m_hOldFont = SelectObject(m_hDC, m_hFont);
  }
  SetTextColor(m_hDC, RGB(255, 255, 255));
}

CUpdateTextFont::~CUpdateTextFont() {
  if (m_hFont != nullptr) {
    SelectObject(m_hDC, m_hOldFont);
    DeleteObject(m_hFont);
  }
}
