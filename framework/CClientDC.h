// CClientDC: the client-area DC of a window, released with the object.
#pragma once

#include "CDC.h"
#include "CWnd.h"

class CClientDC : public CDC {
public:
  explicit CClientDC(CWnd* pWnd) : m_hWnd(pWnd ? pWnd->m_hWnd : nullptr) {
    m_hDC = m_hAttribDC = ::GetDC(m_hWnd);
  }
  ~CClientDC() override {
    if (m_hDC) ::ReleaseDC(m_hWnd, Detach());
  }

protected:
  HWND m_hWnd;
};
