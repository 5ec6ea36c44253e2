// The image atlas: slots allocated, reused and released, images copied in and
// out, and slots drawn with and without alpha.
#include <gtest/gtest.h>

#include <vector>

#include "common/TKImageManager.h"
#include "common/TKImageManagerResource.h"

#include "testsupport/DibSurface.h"

#include "SupportBitmaps.h"
#include "SupportIcons.h"

using TestImages::Bgra;

namespace {

// A premultiplied 16 x 16 image: left half opaque in `bgr`, right half clear.
HBITMAP HalfImage(uint32_t bgr, int size = 16) {
  return MakeBitmap32(size, size,
                      [=](int x, int) { return x < size / 2 ? (bgr | 0xFF000000) : 0; });
}

class ImageAtlas : public ::testing::Test {
 protected:
  ImageAtlas() : m_atlas(&m_manager, 16, 16) {}

  TK_IMAGERESOURCE_INFO* AddBitmap(uint32_t bgr) {
    CTKImageManagerIconHandle image;
    image.SetBitmap(HalfImage(bgr));
    return m_atlas.AddImage(image);
  }

  CTKImageManager m_manager;
  CTKImageManagerResource m_atlas;
};

TEST_F(ImageAtlas, SlotsAreAllocatedReusedAndReleased) {
  TK_IMAGERESOURCE_INFO* slots[3];
  for (int i = 0; i < 3; ++i) {
    slots[i] = AddBitmap(0x102030 * (i + 1));
    ASSERT_NE(nullptr, slots[i]);
    EXPECT_EQ(CRect(16 * i, 0, 16 * i + 16, 16), CRect(slots[i]->rc));
    EXPECT_TRUE(slots[i]->bAlpha);
    EXPECT_EQ(&m_atlas, slots[i]->pResource);
  }
  EXPECT_EQ(48, m_atlas.GetUsedWidth());
  BITMAP colour;
  GetObject(m_atlas.GetColorBitmap(), sizeof colour, &colour);
  EXPECT_EQ(48, colour.bmWidth);

  m_atlas.FreeSlot(slots[1]);
  EXPECT_EQ(1, m_atlas.GetFreeSlotCount());
  TK_IMAGERESOURCE_INFO* reused = AddBitmap(0x405060);
  EXPECT_EQ(slots[1], reused);
  EXPECT_EQ(16, reused->rc.left);
  EXPECT_EQ(48, m_atlas.GetUsedWidth());

  // Freeing a slot twice changes nothing.
  m_atlas.FreeSlot(slots[0]);
  m_atlas.FreeSlot(slots[0]);
  m_atlas.FreeSlot(reused);
  EXPECT_NE(nullptr, m_atlas.GetColorBitmap());
  m_atlas.FreeSlot(slots[2]);
  EXPECT_EQ(nullptr, m_atlas.GetColorBitmap());
  EXPECT_EQ(nullptr, m_atlas.GetMaskBitmap());
  EXPECT_EQ(0, m_atlas.GetUsedWidth());
  EXPECT_EQ(0, m_atlas.GetFreeSlotCount() + m_atlas.GetUsedSlotCount());

  TK_IMAGERESOURCE_INFO* fresh = AddBitmap(0x708090);
  ASSERT_NE(nullptr, fresh);
  EXPECT_EQ(0, fresh->rc.left);
  EXPECT_EQ(16, m_atlas.GetUsedWidth());
}

TEST_F(ImageAtlas, ImagesOfAnotherSizeOrWithoutPixelsAreRefused) {
  CTKImageManagerIconHandle empty, larger;
  larger.SetBitmap(HalfImage(0x112233, 20));
  EXPECT_EQ(nullptr, m_atlas.AddImage(empty));
  EXPECT_EQ(nullptr, m_atlas.AddImage(larger));
  CTKImageManagerResource big(&m_manager, 20, 20);
  CTKImageManagerIconHandle small;
  small.SetBitmap(HalfImage(0x112233));
  EXPECT_EQ(nullptr, big.AddImage(small));
  EXPECT_EQ(0, big.GetUsedSlotCount());
}

TEST_F(ImageAtlas, GrowingKeepsEarlierSlotsAndCopiesComeBackUnchanged) {
  TK_IMAGERESOURCE_INFO* first = AddBitmap(0x0000FF);
  CTKImageManagerIconHandle icon;
  icon.SetIcon(MakeTestIcon(
      16, 16, 24, [](int x, int y) { return x == y ? 0 : Bgra(0, 200, 0, 0); },
      [](int x, int y) { return x == y; }));
  TK_IMAGERESOURCE_INFO* second = m_atlas.AddImage(icon);
  ASSERT_NE(nullptr, second);
  EXPECT_FALSE(second->bAlpha);
  AddBitmap(0xFF0000);

  CTKImageManagerIconHandle copy;
  m_atlas.CopyToHandle(copy, first);
  EXPECT_NE(nullptr, copy.GetBitmap());
  EXPECT_TRUE(copy.IsAlpha());
  std::vector<uint32_t> pixels = BitmapPixels(copy.GetBitmap());
  ASSERT_EQ(256u, pixels.size());
  EXPECT_EQ(0xFF0000FFu, pixels[0]);
  EXPECT_EQ(0u, pixels[15]);
  EXPECT_NE(nullptr, copy.GetPremultipliedBits());

  CTKImageManagerIconHandle iconCopy;
  m_atlas.CopyToHandle(iconCopy, second);
  ASSERT_NE(nullptr, iconCopy.GetIcon());
  CDibSurface canvas(16, 16, RGB(255, 255, 255));
  DrawIconEx(canvas.GetSafeHdc(), 0, 0, iconCopy.GetIcon(), 16, 16, 0, NULL, DI_NORMAL);
  EXPECT_EQ(RGB(255, 255, 255), canvas.GetPixel(5, 5));
  EXPECT_EQ(RGB(0, 200, 0), canvas.GetPixel(6, 5));
}

TEST_F(ImageAtlas, SlotsDrawWithAndWithoutAlpha) {
  const COLORREF white = RGB(255, 255, 255);
  TK_IMAGERESOURCE_INFO* alpha = AddBitmap(0x0000FF);
  CTKImageManagerIconHandle icon;
  icon.SetIcon(MakeTestIcon(
      16, 16, 24, [](int x, int) { return x < 4 ? 0 : Bgra(0, 200, 0, 0); },
      [](int x, int) { return x < 4; }));
  TK_IMAGERESOURCE_INFO* plain = m_atlas.AddImage(icon);
  ASSERT_NE(nullptr, plain);

  CDibSurface canvas(20, 16, white);
  CDC* pDC = canvas.GetDC();
  m_atlas.DrawSlot(pDC, alpha, 2, 0, 16, 16, FALSE);
  EXPECT_EQ(RGB(0, 0, 255), canvas.GetPixel(2, 3));
  EXPECT_EQ(RGB(0, 0, 255), canvas.GetPixel(9, 3));
  EXPECT_EQ(white, canvas.GetPixel(10, 3));

  for (BOOL bWithAlpha : {FALSE, TRUE}) {
    canvas.Fill(white);
    m_atlas.DrawSlot(pDC, plain, 2, 0, 16, 16, bWithAlpha);
    EXPECT_EQ(white, canvas.GetPixel(5, 3)) << bWithAlpha;
    EXPECT_EQ(RGB(0, 200, 0), canvas.GetPixel(6, 3)) << bWithAlpha;
    EXPECT_EQ(RGB(0, 200, 0), canvas.GetPixel(17, 3)) << bWithAlpha;
    EXPECT_EQ(white, canvas.GetPixel(18, 3)) << bWithAlpha;
  }

  // A mirroring manager draws a plain slot with a negative width from x + width,
  // which GDI fills from x + width back to x + 1.
  m_manager.m_nMirrorMode = 1;
  canvas.Fill(white);
  m_atlas.DrawSlot(pDC, plain, 2, 0, 16, 16, FALSE);
  EXPECT_EQ(white, canvas.GetPixel(2, 3));
  EXPECT_EQ(RGB(0, 200, 0), canvas.GetPixel(3, 3));
  EXPECT_EQ(RGB(0, 200, 0), canvas.GetPixel(14, 3));
  EXPECT_EQ(white, canvas.GetPixel(15, 3));
  EXPECT_EQ(white, canvas.GetPixel(18, 3));
}

}  // namespace
