#include "CSkinLayered.h"

#include "CPngImage.h"
#include "UpdateBackBuffer.h"

namespace {

SIZE SelectedBitmapSize(HDC dc) {
  SIZE size = {0, 0};
  BITMAP bm = {};
  HGDIOBJ bitmap = GetCurrentObject(dc, OBJ_BITMAP);
  if (bitmap != nullptr && GetObjectW(bitmap, sizeof(bm), &bm) != 0) {
    size.cx = bm.bmWidth;
    size.cy = bm.bmHeight;
  }
  return size;
}

// Removes cut from region (both in the same coordinates) and frees cut.
void SubtractRect(HRGN region, HRGN cut) {
  CombineRgn(region, region, cut, RGN_DIFF);
  DeleteObject(cut);
}

}  // namespace

CSkinLayered::CSkinLayered() : m_pOwner(nullptr) {}

BOOL CSkinLayered::CreateSkin(CWnd* pOwner, const RECT& rect) {
  if (pOwner == nullptr || pOwner->GetSafeHwnd() == nullptr) {
    return FALSE;
  }
  m_pOwner = pOwner;
  return CreateEx(WS_EX_LAYERED, L"STATIC", L"", 0, rect, pOwner, 0);
}

void CSkinLayered::SetSkinImage(const CPngImage& image, BYTE alpha, const RECT& hole, SIZE corner,
                                BOOL excludeChildren) {
  int width = image.GetWidth();
  int height = image.GetHeight();
  if (width <= 0 || height <= 0) {
    return;
  }
  CMemDC canvas;
  PrepareBackBuffer(canvas, width, height);
  image.Draw(canvas, 0, 0);
  UpdateSkin(canvas, alpha, hole, corner, excludeChildren);
}

void CSkinLayered::UpdateSkin(HDC dc, BYTE alpha, const RECT& hole, SIZE corner, BOOL excludeChildren) {
  SIZE size = SelectedBitmapSize(dc);
  if (size.cx == 0 || size.cy == 0 || m_hWnd == nullptr) {
    return;
  }
  // The skin shows the picture with the hole made transparent as well as cut
  // away by the region: where the window manager leaves a layered window's
  // region aside, the owner still shows through the hole.
  CMemDC picture;
  PrepareBackBuffer(picture, size.cx, size.cy);
  HRGN holeRgn = nullptr;
  if (!IsRectEmpty(&hole)) {
    holeRgn = CreateRoundRectRgn(hole.left, hole.top, hole.right + 1, hole.bottom + 1, corner.cx, corner.cy);
  }
  BitBlt(picture, 0, 0, size.cx, size.cy, dc, 0, 0, SRCCOPY);
  if (holeRgn != nullptr) {
    picture.ClearRegion(holeRgn);
  }
  HDC skinDC = ::GetDC(m_hWnd);
  POINT source = {0, 0};
  BLENDFUNCTION blend = {AC_SRC_OVER, 0, alpha, AC_SRC_ALPHA};
  UpdateLayeredWindow(m_hWnd, skinDC, nullptr, &size, picture, &source, 0, &blend, ULW_ALPHA);
  ::ReleaseDC(m_hWnd, skinDC);

  HRGN region = CreateRectRgn(0, 0, size.cx, size.cy);
  if (excludeChildren && m_pOwner != nullptr) {
    for (HWND child = ::GetWindow(m_pOwner->m_hWnd, GW_CHILD); child != nullptr;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
      RECT rc;
      ::GetWindowRect(child, &rc);
      if (rc.right - rc.left <= 0 || rc.bottom - rc.top <= 0) {
        continue;
      }
      m_pOwner->ScreenToClient(&rc);
      SubtractRect(region, CreateRectRgnIndirect(&rc));
    }
  }
  if (holeRgn != nullptr) {
    SubtractRect(region, holeRgn);
  }
  SetWindowRgn(region, TRUE);
}

void CSkinLayered::FollowOwnerShow(BOOL bShow) {
  if (m_hWnd != nullptr) {
    ShowWindow(bShow ? SW_SHOWNOACTIVATE : SW_HIDE);
  }
}

void CSkinLayered::FollowOwnerPos(const WINDOWPOS* pos) {
  if (m_hWnd != nullptr && pos != nullptr && pos->cx >= 0 && pos->cy > 0) {
    SetWindowPos(nullptr, pos->x, pos->y, pos->cx, pos->cy, SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

LRESULT CSkinLayered::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CLOSE:
      OnClose();
      return 0;
    case WM_SETFOCUS:
      OnSetFocus();
      return 0;
    default:
      return CWnd::WindowProc(message, wParam, lParam);
  }
}

void CSkinLayered::OnClose() {
  if (m_pOwner != nullptr) {
    m_pOwner->PostMessage(WM_CLOSE);
  }
}

void CSkinLayered::OnSetFocus() {
  if (m_pOwner != nullptr) {
    m_pOwner->SetFocus();
  }
}
