// A PNG picture from the program's resources (type "PNG"), decoded once with
// GDI+ (which must have been started by the program) into a premultiplied
// 32-bit bitmap that is kept and blended with AlphaBlend on every draw: the
// same blend GDI+ applies to such a picture, without converting the whole
// picture again on each call. When the Prismdraw engine is present it is
// told about every picture and supplies the sizes.
#pragma once

#include <windows.h>

#include "CMemDC.h"
#include "CPrismdrawEngine.h"

class CPngImage {
public:
  CPngImage();
  virtual ~CPngImage();
  CPngImage(const CPngImage&) = delete;
  CPngImage& operator=(const CPngImage&) = delete;

  // True when GDI+ decoded the resource. A picture loads only once; a second
  // call returns false and keeps the first picture.
  bool LoadFromResource(HMODULE module, LPCWSTR name);
  bool IsLoaded() const { return m_Pixels.IsValid(); }

  // Pictures GDI+ has decoded in this process so far. A window keeps its
  // pictures, so painting adds nothing to it; tests hold it to that.
  static long GetDecodeCount();

  // 0 when nothing is loaded (and no engine says otherwise).
  int GetWidth() const;
  int GetHeight() const;

  // The whole picture at its natural size.
  void Draw(HDC dc, int x, int y) const;
  // The source rectangle (srcX, srcY, w, h) onto (x, y, w, h), unscaled; the
  // part outside the picture is left out.
  void DrawPart(HDC dc, int x, int y, int w, int h, int srcX, int srcY) const;

private:
  CMemDC m_Pixels;  // premultiplied 0xAARRGGBB
  BYTE m_hEngineImage[CPrismdrawEngine::kHandleSize];
};
