// The looks, by pixels: Office 2000 for unknown ids, the slanted, curved,
// flat, trapezoid and image tabs, the smoothed corners, state buttons,
// separated flat tabs and stacked bars.
#include <gtest/gtest.h>

#include "SupportTabStrip.h"
#include "common/TKColorManager.h"
#include "tabs/TKTabPaintManagerColorSet.h"
#include "tabs/TKTabPaintManagerTheme.h"
#include "tabs/TKTabThemeFlat.h"
#include "testsupport/DibSurface.h"

namespace {

const COLORREF kSelected = RGB(200, 0, 0);
const COLORREF kFrame = RGB(0, 0, 160);

class TabLooksTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_pPaint = m_strip.GetPaintManager();
    m_pPaint->m_bShowIcons = FALSE;
  }
  void AddTabs(int nCount) {
    for (int i = 0; i < nCount; ++i) m_strip.Add(i % 2 ? "Second" : "First");
  }
  /// Installs the appearance, then the default colour set with recognisable
  /// selected fill and frame.
  void Use(int nAppearance) {
    m_pPaint->SetAppearance(nAppearance);
    m_pPaint->SetColor(1);
    Colors()->m_clrButtonSelected.SetCustomValue(kSelected);
    Colors()->m_clrFrameBorder.SetCustomValue(kFrame);
    m_strip.Reposition();
  }
  CTKTabPaintManagerColorSet* Colors() { return m_pPaint->GetColorSet(); }
  /// The first x from the left in row y with colour clr; -1 when none.
  static int FirstInRow(const CDibSurface& surface, int y, COLORREF clr) {
    for (int x = 0; x < surface.GetWidth(); ++x)
      if (surface.GetPixel(x, y) == clr) return x;
    return -1;
  }
  CTestTabStrip m_strip{NULL, CRect(0, 0, 300, 80)};
  CTKTabPaintManager* m_pPaint = nullptr;
};

TEST_F(TabLooksTest, UnknownAppearanceIdsDrawOffice2000) {
  AddTabs(3);
  m_strip.SetCurSel(1);
  CDibSurface office(300, 80), unknown(300, 80), flat(300, 80);
  Use(0);
  m_strip.Paint(office.GetDC());
  Use(16);
  m_strip.Paint(unknown.GetDC());
  Use(6);
  m_strip.Paint(flat.GetDC());
  int nDifferent = 0, nDifferentFromFlat = 0;
  for (int y = 0; y < 80; ++y)
    for (int x = 0; x < 300; ++x) {
      nDifferent += office.GetPixel(x, y) != unknown.GetPixel(x, y);
      nDifferentFromFlat += office.GetPixel(x, y) != flat.GetPixel(x, y);
    }
  EXPECT_EQ(0, nDifferent);
  EXPECT_GT(nDifferentFromFlat, 0);
  // The raised selected tab: highlight at its top-left bevel.
  Use(0);
  const CRect rc = m_strip.GetItem(1)->GetRect();
  CDibSurface again(300, 80);
  m_strip.Paint(again.GetDC());
  EXPECT_EQ(static_cast<COLORREF>(Colors()->m_clrClassicHighlight),
            again.GetPixel(rc.left - 2 + 1, rc.top - 2 + 1));
}

TEST_F(TabLooksTest, TheOffice2003TabSlantsSixteenPixelsOverTwentyRows) {
  AddTabs(1);
  m_strip.SetCurSel(0);
  Use(3);
  CTKTabManagerItem* pItem = m_strip.GetItem(0);
  pItem->SetRect(CRect(60, 10, 140, 30));
  CDibSurface surface(200, 40);
  m_pPaint->GetAppearanceSet()->DrawItem(surface.GetDC(), pItem);
  const int L = 60, T = 10;
  int nPrevious = FirstInRow(surface, T + 4, kSelected);
  for (int y = T + 5; y <= T + 17; ++y) {
    const int x = FirstInRow(surface, y, kSelected);
    EXPECT_EQ(nPrevious - 1, x) << y;
    nPrevious = x;
  }
  EXPECT_NEAR(L - 12, FirstInRow(surface, T + 18, kSelected), 2);
  EXPECT_NEAR(L + 4, FirstInRow(surface, T + 2, kSelected), 2);
}

TEST_F(TabLooksTest, VisualStudio2005TabsOverlapTowardsTheSelection) {
  AddTabs(3);
  Use(9);
  m_pPaint->m_bShowItemColors = TRUE;
  for (int nSelected : {2, 0}) {
    m_strip.SetCurSel(nSelected);
    CDibSurface surface(300, 80);
    m_strip.Paint(surface.GetDC());
    const CRect rc0 = m_strip.GetItem(0)->GetRect();
    const CRect rc1 = m_strip.GetItem(1)->GetRect();
    ASSERT_EQ(rc0.right, rc1.left);
    const COLORREF clrTop = m_strip.GetItem(nSelected == 2 ? 1 : 0)->GetColor();
    EXPECT_EQ(clrTop, surface.GetPixel(rc1.left, rc1.bottom - 3)) << nSelected;
  }
}

TEST_F(TabLooksTest, WithoutItsImageTheOffice2007TabTakesTheItemFill) {
  AddTabs(2);
  m_strip.SetCurSel(0);
  Use(10);
  CDibSurface surface(300, 80);
  m_strip.Paint(surface.GetDC());
  const CRect rc = m_strip.GetItem(0)->GetRect();
  EXPECT_EQ(kSelected, surface.GetPixel(rc.left + 1, rc.top + 1));
}

TEST_F(TabLooksTest, AccessRowsAreAtLeastTwentyFourHigh) {
  LOGFONT lf = {};
  lf.lfHeight = 16;
  lstrcpy(lf.lfFaceName, "Arial");
  m_pPaint->SetFontIndirect(&lf);
  m_pPaint->SetAppearance(0);
  ASSERT_EQ(19, m_pPaint->GetAppearanceSet()->GetRowHeightField());
  m_pPaint->SetAppearance(11);
  EXPECT_EQ(24, m_pPaint->GetAppearanceSet()->GetRowHeightField());
}

TEST_F(TabLooksTest, TheFlatSelectedTabReachesOnePixelIntoThePage) {
  AddTabs(2);
  m_strip.SetCurSel(0);
  Use(6);
  CDibSurface surface(300, 80);
  m_strip.Paint(surface.GetDC());
  const CRect rcSelected = m_strip.GetItem(0)->GetRect();
  const CRect rcOther = m_strip.GetItem(1)->GetRect();
  const int B = rcSelected.bottom;
  ASSERT_EQ(m_strip.GetHeaderRect().bottom, B);
  // The page frame's top line runs in row B - 1; the selected tab hides it
  // under its fill and takes its outline one row further, into the page.
  EXPECT_EQ(kSelected, surface.GetPixel(rcSelected.CenterPoint().x, B - 1));
  EXPECT_EQ(kFrame, surface.GetPixel(rcSelected.left, B - 1));
  EXPECT_EQ(kFrame, surface.GetPixel(rcOther.CenterPoint().x, B - 1));
  // The header clip keeps that row off the page; without it the outline shows.
  m_pPaint->m_bClipHeader = FALSE;
  CDibSurface unclipped(300, 80);
  m_strip.Paint(unclipped.GetDC());
  EXPECT_EQ(kFrame, unclipped.GetPixel(rcSelected.left, B));
  EXPECT_EQ(kSelected, unclipped.GetPixel(rcOther.left + 2, B));
}

TEST_F(TabLooksTest, AnExcel2003TabTwentyOneHighMovesFiveAndSlantsTen) {
  AddTabs(1);
  m_strip.SetCurSel(0);
  Use(7);
  Colors()->m_clrTrapezoidSelectedOuter.SetCustomValue(RGB(0, 160, 0));
  Colors()->m_clrTrapezoidSelectedTrailing.SetCustomValue(RGB(0, 160, 0));
  CTKTabManagerItem* pItem = m_strip.GetItem(0);
  pItem->SetRect(CRect(40, 10, 100, 31));
  CDibSurface surface(140, 40);
  m_pPaint->GetAppearanceSet()->DrawItem(surface.GetDC(), pItem);
  // Moved left by 5: L = 35, R = 95; d = 10: the top edge from 45 to 95.
  EXPECT_EQ(45, FirstInRow(surface, 10, RGB(0, 160, 0)));
  EXPECT_EQ(RGB(0, 160, 0), surface.GetPixel(95, 10));
  EXPECT_EQ(RGB(0, 160, 0), surface.GetPixel(35, 29));
  EXPECT_EQ(RGB(0, 160, 0), surface.GetPixel(104, 29));
  // The selected tab opens into the page along row B' = 30.
  EXPECT_EQ(kSelected, surface.GetPixel(70, 30));
}

TEST_F(TabLooksTest, SmoothCornersBlendsTenPixels) {
  CAppearanceSetPropertyPageFlat flat;
  for (int nPosition = 0; nPosition < 4; ++nPosition) {
    CDibSurface surface(40, 40, RGB(255, 255, 255));
    flat.SmoothCorners(surface.GetDC(), CRect(10, 10, 30, 30), RGB(0, 0, 0), RGB(0, 0, 255),
                       nPosition);
    EXPECT_EQ(1600 - 10, surface.CountPixels(RGB(255, 255, 255))) << nPosition;
  }
  CDibSurface surface(40, 40, RGB(255, 255, 255));
  flat.SmoothCorners(surface.GetDC(), CRect(10, 10, 30, 30), RGB(0, 0, 0), RGB(0, 0, 255), 0);
  const int nBlend = 255 - 255 * 120 / 255;
  EXPECT_NEAR(nBlend, GetRValue(surface.GetPixel(10, 11)), 1);
  EXPECT_NEAR(nBlend, GetRValue(surface.GetPixel(28, 10)), 1);
  EXPECT_NEAR(255 - 180, GetRValue(surface.GetPixel(11, 11)), 1);
  EXPECT_EQ(255, GetBValue(surface.GetPixel(11, 11)));
}

TEST_F(TabLooksTest, AnUnsetHotBorderOutlinesTheHotFlatTabInFrameBorder) {
  AddTabs(2);
  m_strip.SetCurSel(0);
  Use(2);
  m_strip.SetHot(m_strip.GetItem(1));
  const CRect rc = m_strip.GetItem(1)->GetRect();
  const CPoint ptSide(rc.right, rc.CenterPoint().y);  // its left side lies under the selected tab
  CDibSurface plain(300, 80);
  m_strip.Paint(plain.GetDC());
  EXPECT_EQ(kFrame, plain.GetPixel(ptSide.x, ptSide.y));
  Colors()->m_clrHotBorder.SetCustomValue(RGB(0, 200, 0));
  CDibSurface hot(300, 80);
  m_strip.Paint(hot.GetDC());
  EXPECT_EQ(RGB(0, 200, 0), hot.GetPixel(ptSide.x, ptSide.y));
}

TEST_F(TabLooksTest, StateButtonsNeverFrameThePage) {
  AddTabs(3);
  m_strip.SetCurSel(1);
  Use(4);
  Colors()->m_clrButtonNormal.SetCustomValue(RGB(0, 120, 0));
  CDibSurface unframed(300, 80);
  m_pPaint->m_nClientFrame = 2;
  m_strip.Paint(unframed.GetDC());
  for (int nFrame : {0, 1}) {
    m_pPaint->m_nClientFrame = nFrame;
    m_strip.Reposition();
    CDibSurface surface(300, 80);
    m_strip.Paint(surface.GetDC());
    int nDifferent = 0;
    for (int y = 0; y < 80; ++y)
      for (int x = 0; x < 300; ++x) nDifferent += surface.GetPixel(x, y) != unframed.GetPixel(x, y);
    EXPECT_EQ(0, nDifferent) << nFrame;
    EXPECT_EQ(0, surface.CountPixels(kFrame) - unframed.CountPixels(kFrame)) << nFrame;
  }
  // The band in the button colour; the selected button pushed in its own fill.
  const CRect rcHeader = m_strip.GetHeaderRect();
  EXPECT_EQ(RGB(0, 120, 0), unframed.GetPixel(rcHeader.right - 2, rcHeader.top + 1));
  const CRect rc = m_strip.GetItem(1)->GetRect();
  EXPECT_NE(RGB(0, 120, 0), unframed.GetPixel(rc.left + 2, rc.top + 2));
}

TEST_F(TabLooksTest, AnUnselectedVisualStudio2003TabHasOnlyItsTrailingSeparator) {
  AddTabs(3);
  m_strip.SetCurSel(0);
  m_pPaint->SetAppearance(5);
  Colors()->m_clrFrameBorder.SetCustomValue(kFrame);
  Colors()->m_clrFrameHighlight.SetCustomValue(RGB(0, 200, 0));
  Colors()->m_clrTextSelected.SetCustomValue(RGB(200, 0, 200));
  m_strip.Reposition();
  CDibSurface surface(300, 80);
  m_strip.Paint(surface.GetDC());
  const CRect rc = m_strip.GetItem(1)->GetRect();
  for (int y = rc.top; y < rc.bottom; ++y) {
    const BOOL bSeparator = y >= rc.top + 2 && y < rc.bottom - 2;
    EXPECT_EQ(bSeparator, surface.GetPixel(rc.right, y) == kFrame) << y;
  }
  for (const COLORREF clr : {kFrame, RGB(0, 200, 0), RGB(200, 0, 200)}) {
    EXPECT_EQ(0, surface.CountPixels(CRect(rc.left, rc.top, rc.right, rc.top + 1), clr));
    // Its bottom row is the page's top line.
    EXPECT_EQ(0, surface.CountPixels(CRect(rc.left + 3, rc.top, rc.left + 5, rc.bottom - 1), clr));
  }
  // The selected tab is raised: highlight at top-left, dark at its right edge.
  const CRect rcSelected = m_strip.GetItem(0)->GetRect();
  EXPECT_EQ(RGB(0, 200, 0), surface.GetPixel(rcSelected.left + 3, rcSelected.top));
  EXPECT_EQ(RGB(200, 0, 200), surface.GetPixel(rcSelected.right - 1, rcSelected.top + 4));
}

class VisioLooksTest : public TabLooksTest {
 protected:
  /// Four bars 20 pixels high in a 200-pixel control, no margins, client frame 0.
  void SetUp() override {
    TabLooksTest::SetUp();
    AddTabs(4);
    m_strip.SetBounds(CRect(0, 0, 120, 200));
    Use(8);
    const int h = m_pPaint->GetAppearanceSet()->GetRowHeight(&m_strip);
    m_pPaint->m_rcButtonMargin.bottom += 20 - h;
    ASSERT_EQ(20, m_pPaint->GetAppearanceSet()->GetRowHeight(&m_strip));
  }
  void Select(int nIndex) {
    m_strip.SetCurSel(nIndex);
    m_strip.Reposition();
  }
  int Top(int i) { return m_strip.GetItem(i)->GetRect().top; }
  int Bottom(int i) { return m_strip.GetItem(i)->GetRect().bottom; }
};

TEST_F(VisioLooksTest, ThePageOpensBelowTheSelectedBarAndTheRestSitAtTheBottom) {
  Select(1);
  EXPECT_EQ(1, Top(0));
  EXPECT_EQ(21, Bottom(0));
  EXPECT_EQ(21, Top(1));
  EXPECT_EQ(41, Bottom(1));
  EXPECT_EQ(160, Top(2));
  EXPECT_EQ(180, Bottom(2));
  EXPECT_EQ(180, Top(3));
  EXPECT_EQ(200, Bottom(3));
  EXPECT_EQ(CRect(1, 41, 119, 160), m_strip.GetClientRect());
  EXPECT_EQ(CRect(1, 1, 120, 21), m_strip.GetItem(0)->GetRect());
  EXPECT_TRUE(m_strip.GetHeaderRect().IsRectEmpty());
}

TEST_F(VisioLooksTest, WithTheLastBarSelectedThePageEndsOnePixelAboveTheBottom) {
  for (int nFrame : {0, 1}) {
    m_pPaint->m_nClientFrame = nFrame;
    Select(3);
    EXPECT_EQ(81, Bottom(3)) << nFrame;
    EXPECT_EQ(81, m_strip.GetClientRect().top) << nFrame;
    EXPECT_EQ(199, m_strip.GetClientRect().bottom) << nFrame;
  }
  m_pPaint->m_nClientFrame = 2;
  Select(3);
  EXPECT_EQ(CRect(0, 81, 120, 200), m_strip.GetClientRect());
}

TEST_F(VisioLooksTest, BarsAreOutlinedGrippedAndFramedInBorderColour) {
  Select(1);
  CDibSurface surface(120, 200);
  m_strip.Paint(surface.GetDC());
  // The control's frame, and the selected bar in its fill.
  EXPECT_EQ(kFrame, surface.GetPixel(0, 100));
  EXPECT_EQ(kFrame, surface.GetPixel(119, 100));
  EXPECT_EQ(kSelected, surface.GetPixel(100, 23));
  // The bar's 3D outline: frame border at its bottom row.
  EXPECT_EQ(kFrame, surface.GetPixel(30, 40));
  // The grip: three-pixel dots every other row from top + 4, seven from the right.
  const COLORREF clrGrip = TKColorManager()->GetColor(38);
  if (clrGrip != CLR_NONE) {
    EXPECT_EQ(clrGrip, surface.GetPixel(120 - 7, 21 + 4));
    EXPECT_EQ(clrGrip, surface.GetPixel(120 - 5, 21 + 4));
    EXPECT_NE(clrGrip, surface.GetPixel(120 - 7, 21 + 5));
  }
}

}  // namespace
