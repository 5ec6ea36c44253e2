// A memory DC drawing into a top-down 32-bit DIB section whose pixels the test
// reads back directly.
#pragma once

#include <windows.h>
#include <stdint.h>

#include <vector>

#include "SupportImages.h"

class CTestCanvas {
 public:
  CTestCanvas(int width, int height, uint32_t fill = 0);
  ~CTestCanvas();
  CTestCanvas(const CTestCanvas&) = delete;
  CTestCanvas& operator=(const CTestCanvas&) = delete;

  HDC GetDC() const { return m_hDC; }
  HBITMAP GetBitmap() const { return m_hBitmap; }
  /// The pixel as blue-green-red-alpha (see TestImages::Bgra).
  uint32_t Pixel(int x, int y) const;
  void SetPixel(int x, int y, uint32_t bgra);
  void Fill(uint32_t bgra);
  int Width() const { return m_width; }
  int Height() const { return m_height; }

 private:
  int m_width, m_height;
  HDC m_hDC;
  HBITMAP m_hBitmap;
  HGDIOBJ m_hOld;
  uint32_t* m_pBits;
};

/// A bottom-up 32-bit DIB section of the pixels (y counted from the top).
HBITMAP MakeBitmap32(int width, int height, const TestImages::PixelFn& bgra);
/// The pixels of any bitmap as 32-bit values, top row first; empty on failure.
std::vector<uint32_t> BitmapPixels(HBITMAP hBitmap);
