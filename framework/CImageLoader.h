// CImageLoader: moves pictures between GDI+ and CImage's DIB sections
// (internal to the framework's image class).
#pragma once

#include <windows.h>

#include <objidl.h>

class CImage;

class CImageLoader {
public:
  // Decodes a stream into the image; S_OK or a failure code.
  static HRESULT Decode(CImage& image, IStream* pStream);
  // Decodes bytes held in memory (copied).
  static HRESULT DecodeBytes(CImage& image, const void* pData, DWORD cbData);
  static HRESULT Encode(const CImage& image, LPCWSTR pszFileName);
};
