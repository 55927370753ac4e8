#include "CVirtualButton.h"

CVirtualButton::CVirtualButton()
    : m_hOwner(nullptr), m_nID(0), m_nWidth(0), m_nHeight(0), m_nX(0), m_nY(0), m_nState(STATE_NORMAL) {}

void CVirtualButton::Setup(HWND owner, UINT id, int x, int y) {
  m_hOwner = owner;
  m_nID = id;
  m_nX = x;
  m_nY = y;
}

bool CVirtualButton::LoadImage(HMODULE module, LPCWSTR name) {
  if (!m_Image.LoadFromResource(module, name)) {
    return false;
  }
  m_nWidth = m_Image.GetWidth() / 3;
  m_nHeight = m_Image.GetHeight();
  return true;
}

RECT CVirtualButton::GetRect() const {
  RECT rc = {m_nX, m_nY, m_nX + m_nWidth, m_nY + m_nHeight};
  return rc;
}

bool CVirtualButton::HitTest(POINT pt) const {
  RECT rc = GetRect();
  return PtInRect(&rc, pt) != FALSE;
}

void CVirtualButton::Draw(HDC dc) const {
  if (m_nWidth <= 0 || m_nHeight <= 0) {
    return;
  }
  m_Image.DrawPart(dc, m_nX, m_nY, m_nWidth, m_nHeight, m_nState * m_nWidth, 0);
}

bool CVirtualButton::SetState(int state) {
  if (state == m_nState) {
    return false;
  }
  m_nState = state;
  return true;
}

bool CVirtualButton::OnMouseMove(POINT pt) {
  bool over = HitTest(pt);
  if (m_hOwner != nullptr && GetCapture() == m_hOwner) {
    // While pressed the button shows pressed only as long as the mouse is over it.
    return SetState(over ? STATE_PRESSED : STATE_NORMAL);
  }
  if (over && m_hOwner != nullptr) {
    TRACKMOUSEEVENT tme = {sizeof(tme), TME_LEAVE, m_hOwner, 0};
    TrackMouseEvent(&tme);
  }
  return SetState(over ? STATE_HOT : STATE_NORMAL);
}

bool CVirtualButton::OnMouseLeave() {
  if (m_hOwner != nullptr && GetCapture() == m_hOwner) {
    return false;
  }
  return SetState(STATE_NORMAL);
}

bool CVirtualButton::OnLButtonDown(POINT pt) {
  if (!HitTest(pt)) {
    return false;
  }
  if (m_hOwner != nullptr) {
    SetCapture(m_hOwner);
  }
  SetState(STATE_PRESSED);
  return true;
}

bool CVirtualButton::OnLButtonUp(POINT pt) {
  bool captured = m_hOwner != nullptr && GetCapture() == m_hOwner;
  if (!captured) {
    return false;
  }
  ReleaseCapture();
  bool over = HitTest(pt);
  SetState(over ? STATE_HOT : STATE_NORMAL);
  if (over) {
    PostMessageW(m_hOwner, WM_COMMAND, MAKEWPARAM(m_nID, BN_CLICKED), 0);
  }
  return true;
}
