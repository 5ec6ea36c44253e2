// PNG files written by the toolkit read back with the toolkit's PNG reader.
#include "common/TKPngWriter.h"

#include <gtest/gtest.h>

#include "TKGraphicBitmapPng.h"
#include "testsupport/TempFolder.h"

namespace {

/// The pixel (x, y) of a top-down 32-bit bitmap, blue-green-red-alpha.
DWORD PixelOf(HBITMAP hBitmap, int x, int y) {
  DIBSECTION ds = {};
  ::GetObjectA(hBitmap, sizeof(ds), &ds);
  const DWORD* pBits = static_cast<const DWORD*>(ds.dsBm.bmBits);
  return pBits[y * ds.dsBm.bmWidth + x];
}

TEST(TKPngWriter, WhatIsWrittenReadsBack) {
  CTempFolder folder;
  // 3 x 2: red, green, blue over half-transparent white, black, grey.
  const DWORD pixels[6] = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0x80FFFFFF, 0xFF000000, 0x40808080};
  std::string path = folder.PathOf("rgba.png");
  ASSERT_TRUE(WritePngFile(path.c_str(), reinterpret_cast<const BYTE*>(pixels), 3, 2, 12, TRUE));
  CTKGraphicBitmapPng png;
  ASSERT_TRUE(png.LoadFromFile(path.c_str()));
  EXPECT_TRUE(png.IsAlpha());
  HBITMAP hBitmap = (HBITMAP)png.GetSafeHandle();
  for (int i = 0; i < 6; ++i) EXPECT_EQ(pixels[i], PixelOf(hBitmap, i % 3, i / 3)) << i;

  path = folder.PathOf("rgb.png");
  ASSERT_TRUE(WritePngFile(path.c_str(), reinterpret_cast<const BYTE*>(pixels), 3, 2, 12, FALSE));
  ASSERT_TRUE(png.LoadFromFile(path.c_str()));
  EXPECT_FALSE(png.IsAlpha());
  EXPECT_EQ(0x00FFFFFFu, PixelOf((HBITMAP)png.GetSafeHandle(), 0, 1));
}

TEST(TKPngWriter, BitmapsOfAnyDepth) {
  CTempFolder folder;
  HDC hScreen = ::GetDC(NULL);
  HBITMAP hBitmap = ::CreateCompatibleBitmap(hScreen, 4, 4);
  HDC hDC = ::CreateCompatibleDC(hScreen);
  ::ReleaseDC(NULL, hScreen);
  HGDIOBJ hOld = ::SelectObject(hDC, hBitmap);
  RECT rc = {0, 0, 4, 4};
  HBRUSH hBrush = ::CreateSolidBrush(RGB(10, 20, 30));
  ::FillRect(hDC, &rc, hBrush);
  ::DeleteObject(hBrush);
  ::SelectObject(hDC, hOld);
  ::DeleteDC(hDC);
  std::string path = folder.PathOf("screen.png");
  ASSERT_TRUE(SaveBitmapAsPng(path.c_str(), hBitmap, FALSE));
  ::DeleteObject(hBitmap);
  CTKGraphicBitmapPng png;
  ASSERT_TRUE(png.LoadFromFile(path.c_str()));
  EXPECT_EQ(0x000A141Eu, PixelOf((HBITMAP)png.GetSafeHandle(), 3, 3));
}

TEST(TKPngWriter, RefusesWhatItCannotWrite) {
  DWORD pixel = 0;
  EXPECT_FALSE(WritePngFile("Z:\\no\\such\\folder\\x.png", reinterpret_cast<const BYTE*>(&pixel), 1,
                            1, 4, TRUE));
  EXPECT_FALSE(WritePngFile("x.png", NULL, 1, 1, 4, TRUE));
  EXPECT_FALSE(WritePngFile("x.png", reinterpret_cast<const BYTE*>(&pixel), 0, 1, 4, TRUE));
  EXPECT_FALSE(SaveBitmapAsPng("x.png", NULL, TRUE));
}

}  // namespace
