// CBitImage: a bitmap image - a CImage (so it goes wherever one is expected,
// the render manager's recolouring included) with opaque, colour-keyed,
// blended and constant-alpha drawing and regions cut from its pixels.
#pragma once

#include <windows.h>

#include "CImage.h"
#include "PicturekitApi.h"

class CDC;
class CRgn;

class PICTUREKIT_API CBitImage : public CImage {
 public:
  CBitImage();
  CBitImage(const CBitImage& other);
  CBitImage& operator=(const CBitImage& other);
  virtual ~CBitImage();

  // A bitmap resource of the module, as a DIB section.
  bool LoadFromResource(HINSTANCE module, UINT id);
  bool LoadFromResource(HINSTANCE module, LPCWSTR name);

  // The whole image, or its part (sx, sy, cx, cy), to (x, y).
  int BitBlt(HDC dc, int x, int y, DWORD rop);
  int BitBlt(HDC dc, int x, int y, int cx, int cy, int sx, int sy, DWORD rop);

  // Every pixel but those of colour key: whole, part, or stretched part
  // (source sx, sy, scx, scy onto x, y, cx, cy).
  bool TransDrawImage(CDC* dc, int x, int y, COLORREF key);
  bool TransDrawImage(CDC* dc, int x, int y, int cx, int cy, int sx, int sy, COLORREF key);
  bool TransDrawImage(CDC* dc, int x, int y, int cx, int cy, int sx, int sy, int scx, int scy, COLORREF key);
  bool TransDrawImage(HDC dc, int x, int y, int cx, int cy, int sx, int sy, int scx, int scy, COLORREF key);

  // As TransDrawImage, blended over the destination with constant alpha.
  bool BlendDrawImage(CDC* dc, int x, int y, COLORREF key, BYTE alpha);
  bool BlendDrawImage(CDC* dc, int x, int y, int cx, int cy, int sx, int sy, COLORREF key, BYTE alpha);
  bool BlendDrawImage(CDC* dc, int x, int y, int cx, int cy, int sx, int sy, int scx, int scy, COLORREF key,
                      BYTE alpha);
  bool BlendDrawImage(HDC dc, int x, int y, int cx, int cy, int sx, int sy, int scx, int scy, COLORREF key,
                      BYTE alpha);

  // Stretched part with constant alpha, no key.
  bool AlphaDrawImage(CDC* dc, int x, int y, int cx, int cy, int sx, int sy, int scx, int scy, BYTE alpha);
  bool AlphaDrawImage(HDC dc, int x, int y, int cx, int cy, int sx, int sy, int scx, int scy, BYTE alpha);

  // The area of the pixels that differ from key, into region.
  bool CreateImageRegion(CRgn& region, COLORREF key);

 private:
  // Copies another image's pixels into a DIB section of the same depth.
  void CopyFrom(const CBitImage& other);
};
