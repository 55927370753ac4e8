// CPaintDC: BeginPaint/EndPaint around a WM_PAINT handler.
#pragma once

#include "CDC.h"
#include "CWnd.h"

class CPaintDC : public CDC {
public:
  explicit CPaintDC(CWnd* pWnd) : m_ps(), m_hWnd(pWnd->m_hWnd) {
    m_hDC = m_hAttribDC = ::BeginPaint(m_hWnd, &m_ps);
  }
  ~CPaintDC() override {
    Detach();
    ::EndPaint(m_hWnd, &m_ps);
  }

  PAINTSTRUCT m_ps;

protected:
  HWND m_hWnd;
};
