#include "CDialogTemplate.h"

namespace {

void PutDword(std::vector<WORD>& out, DWORD v) {
  out.push_back(LOWORD(v));
  out.push_back(HIWORD(v));
}

void PutString(std::vector<WORD>& out, const CString& s) {
  for (int i = 0; i < s.GetLength(); ++i) out.push_back(static_cast<WORD>(s[i]));
  out.push_back(0);
}

}  // namespace

CDialogTemplate::CDialogTemplate(DWORD dwStyle, int x, int y, int cx, int cy, LPCWSTR lpszCaption, DWORD dwExStyle)
    : m_style(dwStyle), m_exStyle(dwExStyle), m_x(static_cast<short>(x)), m_y(static_cast<short>(y)),
      m_cx(static_cast<short>(cx)), m_cy(static_cast<short>(cy)), m_caption(lpszCaption) {}

void CDialogTemplate::SetFont(WORD wPointSize, LPCWSTR lpszFaceName) {
  m_pointSize = wPointSize;
  m_face = lpszFaceName;
  m_style |= DS_SETFONT;
  m_buffer.clear();
}

void CDialogTemplate::AddControl(LPCWSTR lpszClassName, LPCWSTR lpszText, WORD wID, DWORD dwStyle, int x, int y,
                                 int cx, int cy, DWORD dwExStyle) {
  m_items.push_back(Item{dwStyle | WS_CHILD, dwExStyle, static_cast<short>(x), static_cast<short>(y),
                         static_cast<short>(cx), static_cast<short>(cy), wID, CString(lpszClassName),
                         CString(lpszText)});
  m_buffer.clear();
}

void CDialogTemplate::Build() {
  // The layout of DLGTEMPLATE and DLGITEMTEMPLATE: fixed header, then the
  // menu, class and title as WORD strings, each item on a DWORD boundary.
  std::vector<WORD>& out = m_buffer;
  out.clear();
  PutDword(out, m_style);
  PutDword(out, m_exStyle);
  out.push_back(static_cast<WORD>(m_items.size()));
  out.push_back(static_cast<WORD>(m_x));
  out.push_back(static_cast<WORD>(m_y));
  out.push_back(static_cast<WORD>(m_cx));
  out.push_back(static_cast<WORD>(m_cy));
  out.push_back(0);  // no menu
  out.push_back(0);  // the standard dialog class
  PutString(out, m_caption);
  if (m_style & DS_SETFONT) {
    out.push_back(m_pointSize);
    PutString(out, m_face);
  }
  for (const Item& item : m_items) {
    if (out.size() % 2) out.push_back(0);
    PutDword(out, item.style);
    PutDword(out, item.exStyle);
    out.push_back(static_cast<WORD>(item.x));
    out.push_back(static_cast<WORD>(item.y));
    out.push_back(static_cast<WORD>(item.cx));
    out.push_back(static_cast<WORD>(item.cy));
    out.push_back(item.id);
    PutString(out, item.className);
    PutString(out, item.text);
    out.push_back(0);  // no creation data
  }
}

const DLGTEMPLATE* CDialogTemplate::Get() {
  if (m_buffer.empty()) Build();
  return reinterpret_cast<const DLGTEMPLATE*>(m_buffer.data());
}

size_t CDialogTemplate::GetSize() {
  if (m_buffer.empty()) Build();
  return m_buffer.size() * sizeof(WORD);
}
