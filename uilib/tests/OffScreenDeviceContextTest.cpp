// The off-screen context of a real window: its size, the solid and the
// gradient fill (pixels copied out), and its life without a window.
#include <gtest/gtest.h>

#include "testsupport/DibSurface.h"
#include "testsupport/HostWindow.h"
#include "uilib/OffScreenDeviceContext.h"

CWinApp theApp("VelmOffScreenDeviceContextTest");

namespace {

class OffScreenDeviceContextTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m_host.CreateHost(60, 40));
    m_context.m_hWnd = m_host.GetSafeHwnd();
  }

  /// Fills a new context in `background` and copies its picture to
  /// `surface`, which can be read.
  void FillAndCopyOut(COLORREF background, bool gradient, CDibSurface& surface) {
    m_context.m_crBackground = background;
    ASSERT_TRUE(m_context.Create());
    EXPECT_TRUE(m_context.FillBackground(gradient));
    ::BitBlt(surface.GetSafeHdc(), 0, 0, 60, 40, m_context.GetMemoryDC(), 0, 0, SRCCOPY);
  }

  CTestHostWindow m_host;
  COffScreenDeviceContext m_context;
};

TEST(OffScreenDeviceContextAlone, WithoutWindowNothingIsMadeAndNothingDraws) {
  COffScreenDeviceContext context;
  EXPECT_EQ(RGB(255, 255, 255), context.m_crBackground);
  EXPECT_FALSE(context.Create());
  EXPECT_EQ(NULL, context.GetMemoryDC());
  EXPECT_FALSE(context.IsCreated());
  EXPECT_FALSE(context.FillBackground(false));
  EXPECT_FALSE(context.FillBackground(true));
  EXPECT_FALSE(context.Release());
}

TEST_F(OffScreenDeviceContextTest, MirrorsTheClientAreaUntilReleased) {
  HDC hDC = m_context.GetMemoryDC();  // creates on demand
  ASSERT_NE(nullptr, hDC);
  EXPECT_TRUE(m_context.IsCreated());
  BITMAP bitmap;
  ASSERT_TRUE(::GetObject(::GetCurrentObject(hDC, OBJ_BITMAP), sizeof(bitmap), &bitmap));
  EXPECT_EQ(60, bitmap.bmWidth);
  EXPECT_EQ(40, bitmap.bmHeight);
  EXPECT_EQ(40, m_context.GetClientRect().bottom);

  EXPECT_TRUE(m_context.Create());  // again: the old one goes first
  EXPECT_TRUE(m_context.Release());
  EXPECT_FALSE(m_context.IsCreated());
  EXPECT_FALSE(m_context.Release());
}

TEST_F(OffScreenDeviceContextTest, SolidFillCoversTheWholeClientArea) {
  CDibSurface surface(60, 40, RGB(255, 0, 255));
  FillAndCopyOut(RGB(10, 20, 30), false, surface);
  EXPECT_EQ(60 * 40, surface.CountPixels(RGB(10, 20, 30)));
}

TEST_F(OffScreenDeviceContextTest, GradientFadesFromTheBackgroundTowardsWhite) {
  // (255 - 55) / 40 rows: each row 5 lighter, each channel held at 255.
  CDibSurface surface(60, 40, RGB(255, 0, 255));
  FillAndCopyOut(RGB(55, 105, 155), true, surface);
  const struct {
    int y;
    COLORREF color;
  } rows[] = {{0, RGB(55, 105, 155)},
              {10, RGB(105, 155, 205)},
              {21, RGB(160, 210, 255)},
              {39, RGB(250, 255, 255)}};
  for (const auto& row : rows) {
    EXPECT_EQ(row.color, surface.GetPixel(0, row.y)) << "row " << row.y;
    EXPECT_EQ(row.color, surface.GetPixel(59, row.y)) << "row " << row.y;
  }
}

}  // namespace
