// CEncircleBMP: a window frame drawn from eight bitmaps, recoloured through
// the render manager at every drawing and drawn opaque, colour-keyed, or
// colour-keyed with constant alpha.
#pragma once

#include "Encircle.h"

class CDC;
class CWnd;
class CRect;

class SKINCTL_API CEncircleBMP {
 public:
  CEncircleBMP();
  CEncircleBMP(const CEncircleBMP& other);
  CEncircleBMP& operator=(const CEncircleBMP& other);
  virtual ~CEncircleBMP();

  // Stores the names and measures the frame from its edge pieces.
  bool InitEncircleResource(_EncircleResource& resource, HINSTANCE module);
  // The library's own bitmap frame.
  bool InitDefaultResource();
  bool GetEncircleInfo(_EncircleInfo& info);
  bool GetEncircleRect(CRect& window, CRect& result);
  // Places a window inside the frame of the given outer rectangle.
  bool SetWindowPos(CWnd* window, CRect& outer);
  // Into a deferred-position batch. The handle given by value must stay the
  // batch's: false when the system moved the batch to another handle (a
  // batch that outgrows the count it was begun with may be moved). The
  // pointer form keeps the caller's handle up to date instead; it is null
  // when the system gave the batch up.
  bool DeferWindowPos(CWnd* window, HDWP defer, CRect& outer);
  bool DeferWindowPos(CWnd* window, HDWP* defer, CRect& outer);

  bool DrawEncircleFrame(CDC* dc, CRect& rect);
  bool DrawEncircleFrame(CDC* dc, CRect& rect, COLORREF key);
  bool DrawEncircleFrame(CDC* dc, CRect& rect, COLORREF key, BYTE alpha);

 protected:
  virtual bool LoadEncircleImage(_EncircleBMP& images);
  virtual bool PreDrawEncircleImage(_EncircleBMP& images);

  HINSTANCE m_hInstance;
  _EncircleInfo m_EncircleInfo;
  _EncircleResource m_EncircleResource;

 private:
  enum DrawMode { DRAW_COPY, DRAW_KEYED, DRAW_BLENDED };
  bool Draw(CDC* dc, const CRect& rect, DrawMode mode, COLORREF key, BYTE alpha);
};
