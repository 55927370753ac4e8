// CWindowDC: the whole-window DC (frame included), released with the object.
#pragma once

#include "CDC.h"
#include "CWnd.h"

class CWindowDC : public CDC {
public:
  explicit CWindowDC(CWnd* pWnd) : m_hWnd(pWnd ? pWnd->m_hWnd : nullptr) {
    m_hDC = m_hAttribDC = ::GetWindowDC(m_hWnd);
  }
  ~CWindowDC() override {
    if (m_hDC) ::ReleaseDC(m_hWnd, Detach());
  }

protected:
  HWND m_hWnd;
};
