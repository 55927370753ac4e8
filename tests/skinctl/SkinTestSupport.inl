// Template parts of SkinTestSupport.h.
#include <cstdio>

template <class Colour>
bool WriteBmp(const std::wstring& path, int width, int height, Colour colour) {
  const int stride = (width * 3 + 3) & ~3;
  std::vector<BYTE> data(static_cast<size_t>(stride) * height);
  for (int y = 0; y < height; ++y) {
    BYTE* row = &data[static_cast<size_t>(height - 1 - y) * stride];
    for (int x = 0; x < width; ++x) {
      const COLORREF c = colour(x, y);
      row[x * 3 + 0] = GetBValue(c);
      row[x * 3 + 1] = GetGValue(c);
      row[x * 3 + 2] = GetRValue(c);
    }
  }
  BITMAPFILEHEADER file = {};
  BITMAPINFOHEADER info = {};
  info.biSize = sizeof info;
  info.biWidth = width;
  info.biHeight = height;
  info.biPlanes = 1;
  info.biBitCount = 24;
  info.biSizeImage = static_cast<DWORD>(data.size());
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = file.bfOffBits + static_cast<DWORD>(data.size());
  FILE* out = _wfopen(path.c_str(), L"wb");
  if (out == nullptr) return false;
  bool ok = fwrite(&file, sizeof file, 1, out) == 1 && fwrite(&info, sizeof info, 1, out) == 1 &&
            fwrite(data.data(), 1, data.size(), out) == data.size();
  fclose(out);
  return ok;
}
