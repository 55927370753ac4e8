// CEncirclePNG: a window frame drawn from eight PNG pictures with their own
// alpha, not recoloured.
#pragma once

#include "Encircle.h"

class CDC;
class CWnd;
class CRect;

class SKINCTL_API CEncirclePNG {
 public:
  CEncirclePNG();
  CEncirclePNG(const CEncirclePNG& other);
  CEncirclePNG& operator=(const CEncirclePNG& other);
  virtual ~CEncirclePNG();

  bool InitEncircleResource(_EncircleResource& resource, HINSTANCE module);
  // The library's default bitmap identifiers (as the bitmap frame's).
  bool InitDefaultResource();
  bool GetEncircleInfo(_EncircleInfo& info);
  bool GetEncircleRect(CRect& window, CRect& result);
  bool SetWindowPos(CWnd* window, CRect& outer);
  // Into a deferred-position batch. The handle given by value must stay the
  // batch's: false when the system moved the batch to another handle (a
  // batch that outgrows the count it was begun with may be moved). The
  // pointer form keeps the caller's handle up to date instead; it is null
  // when the system gave the batch up.
  bool DeferWindowPos(CWnd* window, HDWP defer, CRect& outer);
  bool DeferWindowPos(CWnd* window, HDWP* defer, CRect& outer);

  bool DrawEncircleFrame(CDC* dc, CRect& rect);

 protected:
  virtual bool LoadEncircleImage(_EncirclePNG& images);
  virtual bool PreDrawEncircleImage(_EncirclePNG& images);

  HINSTANCE m_hInstance;
  _EncircleInfo m_EncircleInfo;
  _EncircleResource m_EncircleResource;
};
