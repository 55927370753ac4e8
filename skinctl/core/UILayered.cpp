#include "UILayered.h"

#include "CDC.h"
#include "CPngImage.h"
#include "CRgn.h"
#include "OffscreenImage.h"

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
  OffscreenImage canvas(image.GetWidth(), image.GetHeight(), 32);
  if (!canvas) return false;
  image.DrawImage(canvas.GetDC(), 0, 0, image.GetWidth(), image.GetHeight(), 0, 0);
  CDC* dc = canvas.GetCDC();
  return InitLayeredArea(dc, alpha, hole, round, excludeChildren);
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

  HRGN region = ::CreateRectRgn(0, 0, width, height);
  if (region == nullptr) return false;
  if (excludeChildren && m_pOwner && m_pOwner->m_hWnd) {
    for (HWND child = ::GetWindow(m_pOwner->m_hWnd, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
      RECT r;
      ::GetWindowRect(child, &r);
      if (r.right - r.left <= 0 || r.bottom - r.top <= 0) continue;
      ::MapWindowPoints(nullptr, m_pOwner->m_hWnd, reinterpret_cast<POINT*>(&r), 2);
      HRGN cut = ::CreateRectRgnIndirect(&r);
      if (cut) {
        ::CombineRgn(region, region, cut, RGN_DIFF);
        ::DeleteObject(cut);
      }
    }
  }
  if (!hole.IsRectEmpty()) {
    HRGN cut = ::CreateRoundRectRgn(hole.left, hole.top, hole.right + 1, hole.bottom + 1, round.x, round.y);
    if (cut) {
      ::CombineRgn(region, region, cut, RGN_DIFF);
      ::DeleteObject(cut);
    }
  }
  // The window owns the region from here on.
  if (::SetWindowRgn(m_hWnd, region, TRUE) == 0) {
    ::DeleteObject(region);
    return false;
  }
  return true;
}
