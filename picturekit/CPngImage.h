// CPngImage: a picture with per-pixel alpha. Loading keeps the encoded bytes
// and reads the size from the PNG header; the pixels are decoded (GDI+) into a
// premultiplied 32-bit DIB section on first drawing and drawn with GDI's alpha
// blending. So loading never starts GDI+, and pictures may be measured while
// a module is being loaded.
#pragma once

#include <windows.h>

#include <vector>

#include "PicturekitApi.h"

class CDC;

class PICTUREKIT_API CPngImage {
 public:
  CPngImage();
  virtual ~CPngImage();
  CPngImage(const CPngImage&) = delete;
  CPngImage& operator=(const CPngImage&) = delete;

  // A picture file (PNG, or any other format GDI+ decodes).
  bool LoadImageW(LPCWSTR path);
  // A resource of type "PNG" of the module.
  bool LoadImageW(HINSTANCE module, LPCWSTR name);
  void Destroy();

  bool IsNull() const { return m_nWidth <= 0 || m_nHeight <= 0; }
  int GetWidth() const { return m_nWidth; }
  int GetHeight() const { return m_nHeight; }
  // The premultiplied 32-bit top-down DIB section (decoded on demand); owned
  // by the picture. Null when the picture cannot be decoded.
  HBITMAP GetBitmap();

  bool DrawImage(CDC* dc, int x, int y);
  bool DrawImage(CDC* dc, int x, int y, int cx, int cy, int sx, int sy);
  bool DrawImage(HDC dc, int x, int y, int cx, int cy, int sx, int sy);

 private:
  bool TakeEncoded(const void* data, size_t size);
  bool Decode();

  std::vector<BYTE> m_Encoded;
  HBITMAP m_hBitmap;
  int m_nWidth;
  int m_nHeight;
};
