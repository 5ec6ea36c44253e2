// 32-bit bitmaps made from pixels, and the pixels of any bitmap read back.
#pragma once

#include <windows.h>
#include <stdint.h>

#include <vector>

#include "SupportImages.h"

/// A bottom-up 32-bit DIB section of the pixels (y counted from the top).
HBITMAP MakeBitmap32(int width, int height, const TestImages::PixelFn& bgra);
/// The pixels of any bitmap as 32-bit values, top row first; empty on failure.
std::vector<uint32_t> BitmapPixels(HBITMAP hBitmap);
