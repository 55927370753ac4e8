#include "UILayered.h"

#include "CDC.h"
#include "CPngImage.h"
#include "CRgn.h"
#include "CMemDC.h"

CUILayered::CUILayered() : m_pOwner(nullptr) {}

LRESULT CUILayered::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CLOSE:
      OnClose();
      return 0;
    case WM_SETFOCUS:
      OnSetFocus();
      return 0;
  }
  return CWnd::WindowProc(message, wParam, lParam);
}

void CUILayered::OnClose() {
  if (m_pOwner && m_pOwner->m_hWnd) m_pOwner->PostMessage(WM_CLOSE);
}

void CUILayered::OnSetFocus() {
  if (m_pOwner && m_pOwner->m_hWnd) m_pOwner->SetFocus();
}

bool CUILayered::CreateLayered(CWnd* owner, CRect& rect) {
  if (owner == nullptr || owner->m_hWnd == nullptr) return false;
  m_pOwner = owner;
  return CreateEx(WS_EX_LAYERED, L"STATIC", L"", 0, rect, owner, 0) != FALSE;
}

bool CUILayered::InitLayeredArea(CDC* dc, BYTE alpha, CRect& hole, CPoint& round, bool excludeChildren) {
  if (dc == nullptr || dc->GetSafeHdc() == nullptr) return false;
  BITMAP info = {};
  HGDIOBJ bitmap = ::GetCurrentObject(dc->GetSafeHdc(), OBJ_BITMAP);
  if (bitmap == nullptr || ::GetObjectW(bitmap, sizeof info, &info) == 0) return false;
  if (info.bmWidth == 0 || info.bmHeight == 0) return false;
  return Publish(dc->GetSafeHdc(), info.bmWidth, info.bmHeight, alpha, hole, round, excludeChildren);
}

bool CUILayered::InitLayeredArea(CPngImage& image, BYTE alpha, CRect& hole, CPoint& round, bool excludeChildren) {
  if (image.IsNull()) return false;
  CMemDC canvas(image.GetWidth(), image.GetHeight());
  if (!canvas.IsValid()) return false;
  image.DrawImage(canvas, 0, 0, image.GetWidth(), image.GetHeight(), 0, 0);
  return InitLayeredArea(&canvas, alpha, hole, round, excludeChildren);
}

bool CUILayered::Publish(HDC source, int width, int height, BYTE alpha, const CRect& hole, const CPoint& round,
                         bool excludeChildren) {
  if (m_hWnd == nullptr) return false;
  HDC screen = ::GetDC(m_hWnd);
  SIZE size = {width, height};
  POINT origin = {0, 0};
  BLENDFUNCTION blend = {AC_SRC_OVER, 0, alpha, AC_SRC_ALPHA};
  ::UpdateLayeredWindow(m_hWnd, screen, nullptr, &size, source, &origin, 0, &blend, ULW_ALPHA);
  ::ReleaseDC(m_hWnd, screen);

  CRgn region;
  if (!region.CreateRectRgn(0, 0, width, height)) return false;
  auto cut = [&region](CRgn& part) {
    if (part.GetSafeHandle()) region.CombineRgn(&region, &part, RGN_DIFF);
  };
  if (excludeChildren && m_pOwner && m_pOwner->m_hWnd) {
    for (HWND child = ::GetWindow(m_pOwner->m_hWnd, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
      CRect r;
      ::GetWindowRect(child, &r);
      if (r.Width() <= 0 || r.Height() <= 0) continue;
      m_pOwner->ScreenToClient(&r);
      CRgn part;
      part.CreateRectRgnIndirect(&r);
      cut(part);
    }
  }
  if (!hole.IsRectEmpty()) {
    CRgn part;
    part.CreateRoundRectRgn(hole.left, hole.top, hole.right + 1, hole.bottom + 1, round.x, round.y);
    cut(part);
  }
  // The window owns the region from here on.
  HRGN handed = static_cast<HRGN>(region.Detach());
  if (::SetWindowRgn(m_hWnd, handed, TRUE) == 0) {
    ::DeleteObject(handed);
    return false;
  }
  return true;
}
