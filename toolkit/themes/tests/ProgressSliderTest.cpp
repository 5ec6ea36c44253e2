// The progress and slider paint managers the theme base owns and the themes
// replace: what each draws at the ends of its range, with images, ticks and
// flat colours.
#include <gtest/gtest.h>

#include "SupportThemePaintManager.h"
#include "commandbars/TKProgressBase.h"
#include "common/TKDpiHelper.h"
#include "common/TKResourceImages.h"
#include "common/TKScrollBarThemes.h"
#include "common/TKScrollBase.h"
#include "testsupport/DibSurface.h"
#include "themes/TKProgressThemes.h"
#include "themes/TKSliderThemes.h"

namespace {

const COLORREF kUnpainted = RGB(1, 2, 3);

class CFixedProgress : public CTKProgressBase {
 public:
  CFixedProgress(CRect rc, int nMin, int nMax, int nPos) : m_rc(rc) {
    SetRange(nMin, nMax);
    // The position as stored, even outside the range.
    m_nPos = nPos;
  }
  CRect GetProgressRect() override { return m_rc; }
  void RedrawProgress() override {}
  CTKProgressPaintManager* GetProgressPaintManager() override { return nullptr; }
  CRect m_rc;
};

/// A horizontal slider of 120 x 16 at 96 DPI: buttons 16 wide, a track from
/// 16 to 104 whose ticks span 22 .. 98.
class CSlider : public CTKScrollBase {
 public:
  CSlider(CTKScrollBarPaintManager* pPaintManager, int nPos, BOOL bEnabled = TRUE)
      : m_pPaintManager(pPaintManager), m_bEnabled(bEnabled) {
    m_si.cbSize = sizeof(m_si);
    m_si.nMin = 0;
    m_si.nMax = 100;
    m_si.nPos = nPos;
    m_layout.bVertical = FALSE;
    UpdateScrollBarInfo();
  }
  void Hover(int nPart) { m_layout.nHitPart = nPart; }
  void Draw(CDibSurface& surface) { m_pPaintManager->DrawScrollBar(surface.GetDC(), this); }

  CWnd* GetParentWindow() const override { return NULL; }
  BOOL IsScrollBarEnabled() const override { return m_bEnabled; }
  CTKScrollBarPaintManager* GetScrollBarPaintManager() const override { return m_pPaintManager; }
  void GetScrollBarRect(CRect& rc) override { rc.SetRect(0, 0, 120, 16); }
  void GetScrollInfo(SCROLLINFO* pInfo) override { *pInfo = m_si; }
  void RedrawScrollBar() override {}
  void DoScroll(int, int) override {}

  CTKScrollBarPaintManager* m_pPaintManager;
  BOOL m_bEnabled;
  SCROLLINFO m_si = {};
};

class ProgressSliderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TKDpiHelper()->OverrideDpi(96, 96);
    TKResourceImages()->SetHandle(::GetModuleHandleA(NULL), "ProgressSlider.ini");
    ASSERT_TRUE(TKResourceImages()->IsLoaded());
    m_pm.RefreshMetrics();
    const int indexes[] = {COLOR_BTNFACE, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT, COLOR_HIGHLIGHT};
    const COLORREF colors[] = {kFace, kShadow, kHighlight, kBar};
    m_pm.SetIndexedColors(4, indexes, colors);
  }
  void TearDown() override {
    TKResourceImages()->SetHandle(NULL);
    TKDpiHelper()->OverrideDpi(96, 96);
  }

  static constexpr COLORREF kFace = RGB(210, 210, 210);
  static constexpr COLORREF kShadow = RGB(90, 90, 90);
  static constexpr COLORREF kHighlight = RGB(250, 250, 250);
  static constexpr COLORREF kBar = RGB(0, 100, 200);
  CScriptedSystemFonts m_fonts{-12};
  CTestThemePaintManager m_pm;
};

TEST_F(ProgressSliderTest, TheBaseOwnsAProgressASliderAVisualStylesScrollBarAndAShadowManager) {
  CTKProgressPaintManager* pProgress = m_pm.GetProgressPaintManager();
  ASSERT_NE(pProgress, nullptr);
  EXPECT_EQ(pProgress->m_cyProgress, 16);
  EXPECT_NE(dynamic_cast<CTKSliderThemeOffice2007System*>(m_pm.GetSliderPaintManager()), nullptr);
  EXPECT_NE(dynamic_cast<CTKScrollBarThemeWindowsUx*>(m_pm.GetScrollBarPaintManager()), nullptr);

  TKDpiHelper()->OverrideDpi(192, 192);
  m_pm.RefreshMetrics();
  CTKSliderPaintManager* pSlider = m_pm.GetSliderPaintManager();
  EXPECT_EQ(pSlider->m_cxHScroll, 32);
  EXPECT_EQ(pSlider->m_cyHScroll, 32);
  EXPECT_EQ(pSlider->m_nThumbSize, 22);

  ASSERT_NE(m_pm.GetShadowManager(), nullptr);
  m_pm.GetShadowManager()->SetShadowColor(RGB(1, 2, 3));
  m_pm.RefreshMetrics();
  EXPECT_EQ(m_pm.GetShadowManager()->GetShadowColor(), 0u);

  m_pm.SetProgressPaintManager(new CTKProgressResourceTheme(&m_pm));
  EXPECT_EQ(m_pm.GetProgressPaintManager()->m_cyProgress, 24);
}

TEST_F(ProgressSliderTest, TheBaseProgressDrawsItsFrameAtTheMinimumAndFillsAtTheMaximum) {
  // 40 x 10: the inner rectangle is (2, 2, 38, 8).
  for (int nPos : {0, 100}) {
    CFixedProgress progress(CRect(0, 0, 40, 10), 0, 100, nPos);
    CDibSurface surface(40, 10, kUnpainted);
    m_pm.GetProgressPaintManager()->DrawProgress(surface.GetDC(), &progress);
    EXPECT_EQ(surface.GetPixel(0, 0), kShadow);
    EXPECT_EQ(surface.CountPixels(kBar), nPos == 0 ? 0 : 36 * 6);
    EXPECT_EQ(surface.CountPixels(CRect(2, 2, 38, 8), kBar), nPos == 0 ? 0 : 36 * 6);
  }
}

TEST_F(ProgressSliderTest, TheFlatProgressIsInsetByDevicePixelsInTheThemesColours) {
  const COLORREF kBorder = RGB(10, 20, 30), kFlatBar = RGB(40, 50, 60), kBack = RGB(70, 80, 90);
  struct Case {
    int nMin, nMax, nPos;
    int nBarPixels;
  };
  const Case cases[] = {{0, 100, 0, 0},
                        {0, 100, 100, 36 * 6},
                        {0, 10, 50, 36 * 6},
                        {5, 5, 5, 0},
                        {0, 100, 25, 9 * 6}};
  for (int nDpi : {96, 192}) {
    TKDpiHelper()->OverrideDpi(nDpi, nDpi);
    CTKProgressThemeOffice2013 flat(&m_pm);
    flat.RefreshMetrics();
    for (const Case& c : cases) {
      CFixedProgress progress(CRect(0, 0, 40, 10), c.nMin, c.nMax, c.nPos);
      CDibSurface surface(40, 10, kUnpainted);
      flat.DrawProgress(surface.GetDC(), &progress);
      EXPECT_EQ(surface.CountPixels(CRect(2, 2, 38, 8), kFlatBar), c.nBarPixels)
          << nDpi << " " << c.nPos;
      EXPECT_EQ(surface.CountPixels(kFlatBar), c.nBarPixels);
      EXPECT_EQ(surface.GetPixel(0, 9), kBorder);
      EXPECT_EQ(surface.GetPixel(1, 1), kBack);
    }
  }
}

TEST_F(ProgressSliderTest, ANarrowResourceProgressShowsTheRightEndOfItsChunk) {
  CTKProgressResourceTheme resource(&m_pm);
  // 40 x 12: the inner rectangle is (2, 2, 38, 10); the chunk's body is 16
  // columns, column x in (20 + 10 x, 40, 90), and its edge green.
  const COLORREF kEdge = RGB(0, 200, 0), kTrack = RGB(200, 200, 200);
  auto column = [](int x) { return RGB(20 + 10 * x, 40, 90); };

  CFixedProgress narrow(CRect(0, 0, 40, 12), 0, 36, 6);
  CDibSurface surface(40, 12, kUnpainted);
  resource.DrawProgress(surface.GetDC(), &narrow);
  EXPECT_EQ(surface.GetPixel(2, 5), column(10));
  EXPECT_EQ(surface.GetPixel(7, 5), column(15));
  for (int x = 8; x < 12; ++x) EXPECT_EQ(surface.GetPixel(x, 5), kEdge) << x;
  EXPECT_EQ(surface.GetPixel(12, 5), kTrack);

  CFixedProgress full(CRect(0, 0, 40, 12), 0, 36, 36);
  surface.Fill(kUnpainted);
  resource.DrawProgress(surface.GetDC(), &full);
  EXPECT_EQ(surface.GetPixel(2, 5), column(0));
  EXPECT_EQ(surface.GetPixel(37, 5), column(15));
  EXPECT_EQ(surface.CountPixels(kEdge), 0);

  // An empty range: the track alone.
  CFixedProgress empty(CRect(0, 0, 40, 12), 3, 3, 3);
  surface.Fill(kUnpainted);
  resource.DrawProgress(surface.GetDC(), &empty);
  EXPECT_EQ(surface.CountPixels(CRect(2, 2, 38, 10), kTrack), 36 * 8);

  TKResourceImages()->SetHandle(NULL);
  surface.Fill(kUnpainted);
  resource.DrawProgress(surface.GetDC(), &narrow);
  EXPECT_EQ(surface.CountPixels(kUnpainted), 40 * 12);
}

/// The x of the ticks in scan line 4 between the buttons (the track's
/// ticks rise from y 4 at 96 DPI).
std::vector<int> TickColumns(const CDibSurface& surface, COLORREF clrShadow) {
  std::vector<int> columns;
  for (int x = 16; x < 104; ++x)
    if (surface.GetPixel(x, 4) == clrShadow) columns.push_back(x);
  return columns;
}

TEST_F(ProgressSliderTest, SliderTicksOutsideTheRangeAreSkippedAndNoneGiveACentreTick) {
  CTKSliderPaintManager* pSlider = m_pm.GetSliderPaintManager();
  CSlider slider(pSlider, 0, FALSE);  // no thumb over the ticks
  CDibSurface surface(120, 16, kUnpainted);
  slider.Draw(surface);
  EXPECT_EQ(TickColumns(surface, kShadow), std::vector<int>{59});
  EXPECT_EQ(surface.GetPixel(16, 7), kShadow);  // the track line
  EXPECT_EQ(surface.GetPixel(16, 8), kHighlight);

  slider.SetTicks({0, 50, 100, 150, -10});
  surface.Fill(kUnpainted);
  slider.Draw(surface);
  EXPECT_EQ(TickColumns(surface, kShadow), (std::vector<int>{21, 59, 97}));
  EXPECT_EQ(surface.GetPixel(22, 5), kHighlight);
  EXPECT_EQ(surface.GetPixel(21, 9), kShadow);

  // A vertical slider draws nothing.
  slider.GetLayoutPtr()->bVertical = TRUE;
  surface.Fill(kUnpainted);
  slider.Draw(surface);
  EXPECT_EQ(surface.CountPixels(kUnpainted), 120 * 16);
}

TEST_F(ProgressSliderTest, TheSliderThumbIsAPentagonLitWhenHot) {
  CTKSliderPaintManager* pSlider = m_pm.GetSliderPaintManager();
  CSlider slider(pSlider, 50);
  const TK_SCROLLBAR_LAYOUT& l = slider.GetLayout();
  const int x = (l.pxThumbStart + l.pxThumbEnd - 8) / 2;  // 8 x 13 from y 1
  CDibSurface surface(120, 16, kUnpainted);
  slider.Draw(surface);
  EXPECT_EQ(surface.GetPixel(x, 1), kShadow);
  EXPECT_EQ(surface.GetPixel(x + 1, 2), kHighlight);  // the inner outline
  EXPECT_EQ(surface.GetPixel(x + 4, 6), kFace);
  slider.Hover(TKSB_HT_THUMB);
  slider.Draw(surface);
  EXPECT_EQ(surface.GetPixel(x + 4, 6), kHighlight);
}

TEST_F(ProgressSliderTest, TheFlatSliderDrawsItsKindInTheSliderColourAndHotPartsHighlighted) {
  CTKSliderThemeOffice2013 flat(&m_pm);
  flat.RefreshMetrics();
  const COLORREF kSliderColor = RGB(11, 22, 33), kScrollColor = RGB(44, 55, 66),
                 kHot = RGB(77, 88, 99);
  struct Case {
    int nKind;
    int nHot;
    COLORREF clrMinus;
  };
  const Case cases[] = {{7, 0, kSliderColor}, {0, 0, kScrollColor}, {0, TKSB_HT_UP, kHot}};
  for (const Case& c : cases) {
    CSlider slider(&flat, 50);
    slider.SetScrollBarStyle(c.nKind);
    slider.Hover(c.nHot);
    CDibSurface surface(120, 16, kUnpainted);
    slider.Draw(surface);
    // The minus sign: 2 pixels high, 5 in from both ends of the button.
    EXPECT_EQ(surface.GetPixel(5, 7), c.clrMinus) << c.nKind << " " << c.nHot;
    EXPECT_EQ(surface.GetPixel(10, 8), c.clrMinus);
    EXPECT_EQ(surface.GetPixel(4, 7), kUnpainted);
    EXPECT_EQ(surface.GetPixel(11, 7), kUnpainted);
  }
}

TEST_F(ProgressSliderTest, TheResourceSliderDrawsNothingWithoutItsTrackImage) {
  CTKSliderResourceTheme resource(&m_pm);
  resource.RefreshMetrics();
  CSlider slider(&resource, 50);
  CDibSurface surface(120, 16, kUnpainted);
  slider.Draw(surface);
  EXPECT_EQ(surface.CountPixels(kUnpainted), 120 * 16);
}

TEST_F(ProgressSliderTest, TheResourceSliderTakesItsSizesAndStatesFromTheThemeImages) {
  TKResourceImages()->SetHandle(::GetModuleHandleA(NULL), "Office2010Silver.INI");
  CTKSliderResourceTheme resource(&m_pm);
  for (int nDpi : {192, 96}) {
    TKDpiHelper()->OverrideDpi(nDpi, nDpi);
    resource.RefreshMetrics();
    // A state of the 16 x 48 "SLIDERUP".
    EXPECT_EQ(resource.m_cxHScroll, 16 * nDpi / 96);
    EXPECT_EQ(resource.m_cyHScroll, 16 * nDpi / 96);
    EXPECT_EQ(resource.m_nThumbSize, 11 * nDpi / 96);
  }
  auto draw = [&](int nHot, CDibSurface& surface) {
    CSlider slider(&resource, 50);
    slider.Hover(nHot);
    slider.Draw(surface);
  };
  CDibSurface idle(120, 16, kUnpainted), hotPlus(120, 16, kUnpainted);
  draw(0, idle);
  draw(TKSB_HT_DOWN, hotPlus);
  EXPECT_LT(idle.CountPixels(kUnpainted), 120 * 16);
  int nPlusChanged = 0, nMinusChanged = 0;
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) {
      nMinusChanged += idle.GetPixel(x, y) != hotPlus.GetPixel(x, y);
      nPlusChanged += idle.GetPixel(104 + x, y) != hotPlus.GetPixel(104 + x, y);
    }
  EXPECT_EQ(nMinusChanged, 0);
  EXPECT_GT(nPlusChanged, 0);
}

}  // namespace
