#include "UpdateBackBuffer.h"

#include "CException.h"

CMemDC& PrepareBackBuffer(CMemDC& buffer, int width, int height) {
  if (buffer.IsValid() && buffer.GetWidth() == width && buffer.GetHeight() == height) {
    buffer.Clear(0);
    return buffer;
  }
  if (!buffer.Create(nullptr, width, height)) {
    AfxThrowMemoryException();
  }
  return buffer;
}
