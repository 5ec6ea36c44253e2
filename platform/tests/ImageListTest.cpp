// CImageList: adding bitmaps (masked) and icons, drawing them into a memory
// DC, and ownership of the list.
#include <afxcmn.h>

#include <gtest/gtest.h>

#include "testsupport/DibSurface.h"

namespace {

const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kMagenta = RGB(255, 0, 255);
const COLORREF kWhite = RGB(255, 255, 255);

/// A 24-bit DDB-compatible bitmap drawn through a memory DC.
class CPaintedBitmap : public CBitmap {
 public:
  CPaintedBitmap(int cx, int cy) {
    CClientDC screen(nullptr);
    CreateCompatibleBitmap(&screen, cx, cy);
    m_dc.CreateCompatibleDC(&screen);
    m_pOld = m_dc.SelectObject(this);
  }
  ~CPaintedBitmap() override { Release(); }
  /// Takes the bitmap out of the DC so that an image list can read it.
  void Release() {
    if (m_pOld != nullptr) m_dc.SelectObject(m_pOld);
    m_pOld = nullptr;
  }

  CDC m_dc;
  CBitmap* m_pOld = nullptr;
};

/// A 16x16 red square icon.
HICON MakeRedIcon() {
  CPaintedBitmap color(16, 16);
  color.m_dc.FillSolidRect(0, 0, 16, 16, kRed);
  color.Release();
  CBitmap mask;
  BYTE bits[32] = {};  // all zero: opaque everywhere
  mask.CreateBitmap(16, 16, 1, 1, bits);
  ICONINFO info = {TRUE, 0, 0, static_cast<HBITMAP>(mask.m_hObject),
                   static_cast<HBITMAP>(color.m_hObject)};
  return ::CreateIconIndirect(&info);
}

class ImageListTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(m_list.Create(16, 16, ILC_COLOR24 | ILC_MASK, 0, 4)); }

  CImageList m_list;
  CDibSurface m_target{64, 16, kWhite};
};

TEST_F(ImageListTest, MaskedBitmapAddsOneImagePerCellAndDrawsWithoutTheMaskColour) {
  // Two cells: red with a magenta (mask colour) border, then solid blue.
  CPaintedBitmap strip(32, 16);
  strip.m_dc.FillSolidRect(0, 0, 16, 16, kMagenta);
  strip.m_dc.FillSolidRect(4, 4, 8, 8, kRed);
  strip.m_dc.FillSolidRect(16, 0, 16, 16, kBlue);
  strip.Release();

  EXPECT_EQ(m_list.Add(&strip, kMagenta), 0);
  EXPECT_EQ(m_list.GetImageCount(), 2);
  int cx = 0, cy = 0;
  EXPECT_TRUE(m_list.GetIconSize(&cx, &cy));
  EXPECT_EQ(cx, 16);
  EXPECT_EQ(cy, 16);

  ASSERT_TRUE(m_list.Draw(m_target.GetDC(), 0, CPoint(0, 0), ILD_TRANSPARENT));
  ASSERT_TRUE(m_list.Draw(m_target.GetDC(), 1, CPoint(20, 0), ILD_NORMAL));
  EXPECT_EQ(m_target.GetPixel(8, 8), kRed);
  EXPECT_EQ(m_target.GetPixel(1, 1), kWhite);  // the mask colour is not drawn
  EXPECT_EQ(m_target.GetPixel(20, 0), kBlue);
  EXPECT_EQ(m_target.GetPixel(35, 15), kBlue);
  EXPECT_EQ(m_target.GetPixel(36, 8), kWhite);

  IMAGEINFO info = {};
  ASSERT_TRUE(m_list.GetImageInfo(1, &info));
  EXPECT_EQ(CRect(info.rcImage).Size(), CSize(16, 16));
}

TEST_F(ImageListTest, IconsAddReplaceExtractAndRemove) {
  HICON hIcon = MakeRedIcon();
  ASSERT_NE(hIcon, nullptr);
  EXPECT_EQ(m_list.Add(hIcon), 0);
  EXPECT_EQ(m_list.Add(hIcon), 1);
  ASSERT_TRUE(m_list.Draw(m_target.GetDC(), 1, CPoint(40, 0), ILD_NORMAL));
  EXPECT_EQ(m_target.GetPixel(47, 7), kRed);

  HICON hExtracted = m_list.ExtractIcon(0);
  ASSERT_NE(hExtracted, nullptr);
  m_target.GetDC()->DrawIcon(0, 0, hExtracted);
  EXPECT_EQ(m_target.GetPixel(5, 5), kRed);
  ::DestroyIcon(hExtracted);

  EXPECT_EQ(m_list.Replace(-1, hIcon), 2);  // -1 appends
  EXPECT_TRUE(m_list.Remove(0));
  EXPECT_EQ(m_list.GetImageCount(), 2);
  EXPECT_TRUE(m_list.Remove(-1));
  EXPECT_EQ(m_list.GetImageCount(), 0);
  ::DestroyIcon(hIcon);
}

TEST_F(ImageListTest, DrawIndirectDrawsPartOfAnImage) {
  CPaintedBitmap cell(16, 16);
  cell.m_dc.FillSolidRect(0, 0, 8, 16, kRed);
  cell.m_dc.FillSolidRect(8, 0, 8, 16, kBlue);
  cell.Release();
  ASSERT_EQ(m_list.Add(&cell, static_cast<CBitmap*>(nullptr)), 0);

  // Only the right half, placed at x 30.
  ASSERT_TRUE(m_list.DrawIndirect(m_target.GetDC(), 0, CPoint(30, 0), CSize(8, 16), CPoint(8, 0)));
  EXPECT_EQ(m_target.GetPixel(30, 5), kBlue);
  EXPECT_EQ(m_target.GetPixel(37, 5), kBlue);
  EXPECT_EQ(m_target.GetPixel(38, 5), kWhite);
  EXPECT_EQ(m_target.GetPixel(29, 5), kWhite);
}

TEST(ImageListOwnershipTest, TheOwnerDestroysTheListUnlessDetached) {
  HIMAGELIST hKept;
  {
    CImageList list;
    ASSERT_TRUE(list.Create(16, 16, ILC_COLOR32, 0, 1));
    EXPECT_EQ(CImageList::FromHandle(list.m_hImageList), &list);
    hKept = list.Detach();
  }
  EXPECT_EQ(ImageList_GetImageCount(hKept), 0);  // still a list
  CImageList* pTemp = CImageList::FromHandle(hKept);
  ASSERT_NE(pTemp, nullptr);
  EXPECT_EQ(pTemp->GetSafeHandle(), hKept);
  CImageList::DeleteTempMap();

  CImageList copy;
  CImageList original;
  original.Attach(hKept);
  ASSERT_TRUE(copy.Create(&original));
  EXPECT_NE(copy.m_hImageList, hKept);
  EXPECT_TRUE(original.DeleteImageList());
  EXPECT_FALSE(original.DeleteImageList());
  CImageList* pNull = nullptr;
  EXPECT_EQ(pNull->GetSafeHandle(), nullptr);
}

}  // namespace
