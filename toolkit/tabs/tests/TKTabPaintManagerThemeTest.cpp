// The appearance base: row and header sizes, the page area, and the
// geometry helpers turned by position.
#include <gtest/gtest.h>

#include "SupportTabStrip.h"
#include "tabs/TKTabPaintManagerColorSet.h"
#include "tabs/TKTabPaintManagerTheme.h"
#include "testsupport/DibSurface.h"

namespace {

class TabThemeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_pPaint = m_strip.GetPaintManager();
    m_pPaint->m_bShowIcons = FALSE;
  }
  int RowHeightForFont(int nCellHeight) {
    LOGFONT lf = {};
    lf.lfHeight = nCellHeight;
    lstrcpy(lf.lfFaceName, "Arial");
    m_pPaint->SetFontIndirect(&lf);
    m_pPaint->GetAppearanceSet()->RefreshMetrics();
    return m_pPaint->GetAppearanceSet()->GetRowHeightField();
  }
  int SpaceHeight() {
    CDibSurface surface(4, 4);
    CFont* pOld = surface.GetDC()->SelectObject(m_pPaint->GetFont(FALSE));
    const int nHeight = surface.GetDC()->GetTextExtent(CString(" ")).cy;
    surface.GetDC()->SelectObject(pOld);
    return nHeight;
  }
  CTestTabStrip m_strip;
  CTKTabPaintManager* m_pPaint = nullptr;
};

TEST_F(TabThemeTest, RowsAreEighteenHighUpToFifteenPixelFonts) {
  const int kExpected[][2] = {{14, 18}, {15, 18}, {16, 19}};
  for (const auto& c : kExpected) {
    const int nRow = RowHeightForFont(c[0]);
    ASSERT_EQ(c[0], SpaceHeight()) << "the font maps to another height";
    EXPECT_EQ(c[1], nRow) << c[0];
  }
}

TEST_F(TabThemeTest, ThreeRowsOfTwentyMakeAFiftyEightPixelHeader) {
  m_pPaint->SetAppearance(6);  // flat: header margin (2, 2, 4, 0)
  CTKTabPaintManagerTheme* pTheme = m_pPaint->GetAppearanceSet();
  ASSERT_EQ(CRect(2, 2, 4, 0), pTheme->GetHeaderMargin());
  m_pPaint->m_rcButtonMargin.SetRect(0, 20 - pTheme->GetRowHeightField(), 0, 0);
  m_strip.GetRowTable().SetRowCount(3);
  EXPECT_EQ(20, pTheme->GetRowHeight(&m_strip));
  EXPECT_EQ(58, pTheme->GetHeaderHeight(&m_strip));
}

TEST_F(TabThemeTest, WithoutTabsTheWholeControlIsPage) {
  m_pPaint->m_bShowTabs = FALSE;
  CTKTabPaintManagerTheme* pTheme = m_pPaint->GetAppearanceSet();
  const CRect rcControl(10, 20, 200, 120);
  EXPECT_EQ(0, pTheme->GetHeaderHeight(&m_strip));
  EXPECT_EQ(rcControl, pTheme->GetClientRect(rcControl, &m_strip));
  m_strip.Add("hidden");
  m_strip.SetBounds(rcControl);
  EXPECT_TRUE(m_strip.GetHeaderRect().IsRectEmpty());
  EXPECT_TRUE(m_strip.GetItem(0)->GetRect().IsRectEmpty());
}

TEST_F(TabThemeTest, ThePageOverlapsTheHeaderByOnePixel) {
  CTKTabPaintManagerTheme* pTheme = m_pPaint->GetAppearanceSet();
  const CRect rcControl(0, 0, 200, 100);
  for (int nPosition = 0; nPosition < 4; ++nPosition) {
    m_pPaint->SetPosition(nPosition);
    const CRect rcHeader = pTheme->GetHeaderRect(rcControl, &m_strip);
    const CRect rcClient = pTheme->GetClientRect(rcControl, &m_strip);
    CRect rcOverlap;
    EXPECT_TRUE(rcOverlap.IntersectRect(rcHeader, rcClient)) << nPosition;
    EXPECT_EQ(1, nPosition % 2 == 0 ? rcOverlap.Height() : rcOverlap.Width()) << nPosition;
  }
}

TEST(TabGeometryTest, InflatingTheInnerSideGrowsTowardsThePage) {
  const CRect rc(10, 10, 20, 20);
  const CRect kExpected[4] = {CRect(10, 10, 20, 21), CRect(10, 10, 21, 20), CRect(10, 9, 20, 20),
                              CRect(9, 10, 20, 20)};
  for (int nPosition = 0; nPosition < 4; ++nPosition) {
    CRect r = rc;
    InflateRectByPosition(r, 0, 0, 0, 1, nPosition);
    EXPECT_EQ(kExpected[nPosition], r) << nPosition;
    DeflateRectByPosition(r, 0, 0, 0, 1, nPosition);
    EXPECT_EQ(rc, r) << nPosition;
  }
}

TEST(TabGeometryTest, TheBottomSideIsDrawnInColourB) {
  CDibSurface surface(20, 20, RGB(255, 255, 255));
  DrawRectSide(surface.GetDC(), CRect(2, 2, 18, 18), tkTabPositionBottom, RGB(255, 0, 0),
               RGB(0, 0, 255));
  EXPECT_EQ(16, surface.CountPixels(RGB(0, 0, 255)));
  EXPECT_EQ(0, surface.CountPixels(RGB(255, 0, 0)));
  EXPECT_EQ(RGB(0, 0, 255), surface.GetPixel(5, 17));
  DrawRectSide(surface.GetDC(), CRect(2, 2, 18, 18), tkTabPositionTop, CLR_NONE, RGB(0, 0, 255));
  EXPECT_EQ(RGB(255, 255, 255), surface.GetPixel(5, 2));
}

}  // namespace
