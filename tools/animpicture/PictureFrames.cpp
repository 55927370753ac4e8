#include "PictureFrames.h"

#include <gdiplus.h>

#include <memory>

#include "CGdiplusSession.h"

namespace {

// The delays of an animation in hundredths of a second, one per frame (empty
// when the picture has none).
std::vector<LONG> FrameDelays(Gdiplus::Image& image) {
  std::vector<LONG> delays;
  const UINT size = image.GetPropertyItemSize(PropertyTagFrameDelay);
  if (size < sizeof(Gdiplus::PropertyItem)) return delays;
  std::unique_ptr<BYTE[]> buffer(new BYTE[size]);
  auto* item = reinterpret_cast<Gdiplus::PropertyItem*>(buffer.get());
  if (image.GetPropertyItem(PropertyTagFrameDelay, size, item) != Gdiplus::Ok) return delays;
  if (item->type != PropertyTagTypeLong || item->value == nullptr) return delays;
  const LONG* values = static_cast<const LONG*>(item->value);
  delays.assign(values, values + item->length / sizeof(LONG));
  return delays;
}

}  // namespace

PictureFrames::~PictureFrames() { Clear(); }

void PictureFrames::Clear() {
  for (Frame& frame : m_Frames) ::DeleteObject(frame.bitmap);
  m_Frames.clear();
  m_Size = SIZE{0, 0};
}

bool PictureFrames::Load(const wchar_t* path) {
  Clear();
  if (path == nullptr || *path == 0) return false;
  CGdiplusSession gdiplus;
  if (!gdiplus.IsValid()) return false;
  Gdiplus::Bitmap image(path);
  if (image.GetLastStatus() != Gdiplus::Ok || image.GetWidth() == 0 || image.GetHeight() == 0) return false;

  UINT count = 1;
  GUID dimension = Gdiplus::FrameDimensionTime;
  bool timed = false;
  const UINT dimensions = image.GetFrameDimensionsCount();
  if (dimensions > 0) {
    std::vector<GUID> ids(dimensions);
    if (image.GetFrameDimensionsList(ids.data(), dimensions) == Gdiplus::Ok) {
      for (const GUID& id : ids) timed = timed || IsEqualGUID(id, Gdiplus::FrameDimensionTime);
      if (!timed) dimension = ids[0];
      const UINT frames = image.GetFrameCount(&dimension);
      if (frames > 0) count = frames;
    }
  }
  const std::vector<LONG> delays = timed ? FrameDelays(image) : std::vector<LONG>();

  for (UINT i = 0; i < count; ++i) {
    if (count > 1 && image.SelectActiveFrame(&dimension, i) != Gdiplus::Ok) break;
    HBITMAP bitmap = nullptr;
    if (image.GetHBITMAP(Gdiplus::Color(255, 255, 255, 255), &bitmap) != Gdiplus::Ok || bitmap == nullptr) break;
    UINT delay = i < delays.size() && delays[i] > 0 ? static_cast<UINT>(delays[i]) * 10 : kShortDelay;
    if (delay < kMinDelay) delay = kShortDelay;
    m_Frames.push_back(Frame{bitmap, delay});
  }
  if (m_Frames.empty()) return false;
  m_Size = SIZE{static_cast<LONG>(image.GetWidth()), static_cast<LONG>(image.GetHeight())};
  return true;
}
