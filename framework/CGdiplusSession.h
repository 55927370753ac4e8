// CGdiplusSession: GDI+ started for the life of the object. Sessions nest
// (GDI+ counts them), so code that decodes or encodes an image holds one for
// the duration of the call and needs nothing set up by its host.
#pragma once

#include <windows.h>

class CGdiplusSession {
public:
  CGdiplusSession();
  ~CGdiplusSession();
  CGdiplusSession(const CGdiplusSession&) = delete;
  CGdiplusSession& operator=(const CGdiplusSession&) = delete;

  bool IsValid() const { return m_token != 0; }

private:
  ULONG_PTR m_token = 0;
};
