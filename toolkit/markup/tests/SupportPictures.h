// Picture files made by the markup tests themselves: icons, bitmaps and
// animated GIFs of plain colours.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

/// A 32-bit .ico file of one square, opaque image in one colour.
std::string IconFile(int nSize, COLORREF clr);
/// A 24-bit .bmp file in one colour.
std::string BitmapFile(int cx, int cy, COLORREF clr);
/// A GIF of 4 x 4 pixels with one frame per delay (hundredths of a second);
/// frame i is red for even i, blue for odd i.
std::string GifFile(const std::vector<int>& delays);
