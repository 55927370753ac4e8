// PictureFrames: the frames of an image file as bitmaps, with how long each
// is shown. A still picture has one frame; an animated GIF has all of them,
// each composed as GDI+ presents it and laid on white.
#pragma once

#include <windows.h>

#include <vector>

class PictureFrames {
 public:
  PictureFrames() = default;
  ~PictureFrames();
  PictureFrames(const PictureFrames&) = delete;
  PictureFrames& operator=(const PictureFrames&) = delete;

  // False (and nothing held) when the file is no picture GDI+ can read.
  bool Load(const wchar_t* path);

  size_t Count() const { return m_Frames.size(); }
  HBITMAP Bitmap(size_t index) const { return index < m_Frames.size() ? m_Frames[index].bitmap : nullptr; }
  // Milliseconds the frame stays (at least kMinDelay).
  UINT Delay(size_t index) const { return index < m_Frames.size() ? m_Frames[index].delay : 0; }
  SIZE Size() const { return m_Size; }

  // Browsers show frames that ask for less than 20 ms for 100 ms.
  static const UINT kMinDelay = 20;
  static const UINT kShortDelay = 100;

 private:
  struct Frame {
    HBITMAP bitmap;
    UINT delay;
  };
  void Clear();

  std::vector<Frame> m_Frames;
  SIZE m_Size = {0, 0};
};
