#include "SupportBitmaps.h"

HBITMAP MakeBitmap32(int width, int height, const TestImages::PixelFn& bgra) {
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* pvBits = NULL;
  HBITMAP hBitmap = CreateDIBSection(NULL, &info, DIB_RGB_COLORS, &pvBits, NULL, 0);
  uint32_t* pBits = static_cast<uint32_t*>(pvBits);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) pBits[(height - 1 - y) * width + x] = bgra(x, y);
  return hBitmap;
}

std::vector<uint32_t> BitmapPixels(HBITMAP hBitmap) {
  BITMAP bitmap;
  if (!GetObject(hBitmap, sizeof bitmap, &bitmap)) return {};
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = bitmap.bmWidth;
  info.bmiHeader.biHeight = -bitmap.bmHeight;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  std::vector<uint32_t> pixels(bitmap.bmWidth * bitmap.bmHeight);
  HDC hDC = CreateCompatibleDC(NULL);
  int rows = GetDIBits(hDC, hBitmap, 0, bitmap.bmHeight, pixels.data(), &info, DIB_RGB_COLORS);
  DeleteDC(hDC);
  return rows == bitmap.bmHeight ? pixels : std::vector<uint32_t>();
}
