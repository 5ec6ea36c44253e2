// The paint manager base: fonts and metrics from the system menu font, the
// indexed colours and the observers told of its end.
#include <gtest/gtest.h>

#include "SupportThemePaintManager.h"
#include "common/TKColorManager.h"
#include "common/TKDpiHelper.h"

namespace {

int FontHeightOf(CFont& font) {
  LOGFONT lf = {};
  if (font.GetSafeHandle() == NULL || font.GetLogFont(&lf) == 0) return 0x7FFF;
  return lf.lfHeight;
}

int MeasuredTextHeight(CFont& font) {
  CWindowDC dc(NULL);
  CFont* pOld = dc.SelectObject(&font);
  const int cy = dc.GetTextExtent(" ", 1).cy;
  dc.SelectObject(pOld);
  return cy + 6;
}

struct FontCase {
  int nMenuHeight;
  int nFontHeight;  // SetFontHeight, 0 for none
  int nLogFontHeight;
  int nControlHeight;
  int nSplitDropDownHeight;
};

class BarFontTest : public ::testing::TestWithParam<FontCase> {};

TEST_P(BarFontTest, TheMenuFontGivesTheBarFontsAndMetrics) {
  const FontCase& c = GetParam();
  CScriptedSystemFonts fonts(c.nMenuHeight);
  CTestThemePaintManager pm;
  if (c.nFontHeight != 0)
    pm.SetFontHeight(c.nFontHeight);
  else
    pm.RefreshMetrics();
  EXPECT_EQ(FontHeightOf(pm.m_fontRegular), c.nLogFontHeight);
  EXPECT_EQ(FontHeightOf(pm.m_fontBold), c.nLogFontHeight);
  EXPECT_EQ(FontHeightOf(pm.m_fontVert), c.nLogFontHeight);
  LOGFONT lf = {};
  pm.m_fontVertBold.GetLogFont(&lf);
  EXPECT_EQ(lf.lfEscapement, 2700);
  EXPECT_EQ(lf.lfWeight, FW_BOLD);
  EXPECT_EQ(pm.GetControlHeight(), c.nControlHeight);
  EXPECT_EQ(pm.GetSplitDropDownHeight(), c.nSplitDropDownHeight);
  EXPECT_EQ(pm.GetTextHeight(), MeasuredTextHeight(pm.m_fontRegular));
  EXPECT_EQ(pm.GetEditHeight(), pm.GetTextHeight() + 4);
}

INSTANTIATE_TEST_SUITE_P(
    Heights, BarFontTest,
    ::testing::Values(FontCase{-8, 0, -10, 19, 24},    // tiny fonts are raised to -10
                      FontCase{-1, 0, -10, 19, 24},
                      FontCase{0, 0, 0, 18, 4},        // 0 stays: the least control height
                      FontCase{-20, 0, -20, 39, 44},
                      FontCase{12, 0, 12, 23, 28},     // positive heights are kept
                      FontCase{-12, 16, -16, 31, 36}));  // a height asked for wins

TEST(PaintManagerBaseTest, WithoutTheStandardFontOnlyTheSystemFontsAreRebuilt) {
  CScriptedSystemFonts fonts(-12);
  CTestThemePaintManager pm;
  pm.RefreshMetrics();
  LOGFONT lf = {};
  pm.m_fontRegular.GetLogFont(&lf);
  lf.lfHeight = -20;
  pm.CreateCommandBarFonts(&lf, FALSE);
  const int nControlHeight = pm.GetControlHeight();
  EXPECT_EQ(FontHeightOf(pm.m_fontStatus), -12);

  fonts.SetMenuHeight(-30);
  fonts.SetStatusHeight(-15);
  pm.RefreshMetrics();
  EXPECT_EQ(FontHeightOf(pm.m_fontRegular), -20);
  EXPECT_EQ(FontHeightOf(pm.m_fontBold), -20);
  EXPECT_EQ(pm.GetControlHeight(), nControlHeight);
  EXPECT_EQ(FontHeightOf(pm.m_fontStatus), -15);
  EXPECT_NE(pm.m_fontIconTitle.GetSafeHandle(), nullptr);
  EXPECT_NE(pm.m_fontIconTitleBold.GetSafeHandle(), nullptr);
  EXPECT_EQ(FontHeightOf(pm.m_fontSmallCaption), -11);
}

TEST(PaintManagerBaseTest, ACustomFontSurvivesARefresh) {
  CScriptedSystemFonts fonts(-12);
  CTestThemePaintManager pm;
  LOGFONT lf = {};
  lf.lfHeight = -25;
  lstrcpyA(lf.lfFaceName, "Arial");
  pm.m_fontStatus.SetCustomFont(&lf);
  pm.RefreshMetrics();
  EXPECT_EQ(FontHeightOf(pm.m_fontStatus), -25);
}

TEST(PaintManagerBaseTest, ANeverRefreshedThemeHasNoBarFonts) {
  CTestThemePaintManager pm;
  EXPECT_EQ(pm.m_fontRegular.GetSafeHandle(), nullptr);
  EXPECT_EQ(pm.m_fontBold.GetSafeHandle(), nullptr);
  EXPECT_EQ(pm.m_fontVert.GetSafeHandle(), nullptr);
  EXPECT_EQ(pm.m_fontVertBold.GetSafeHandle(), nullptr);
  EXPECT_EQ(pm.GetTextHeight(), 0);
  EXPECT_EQ(pm.GetSplitDropDownHeight(), 24);
}

struct IconCase {
  BOOL bAutoScale;
  int nControlHeight;
  int nDpi;
  int cxSmall;
  int cxLarge;
};

class AutoIconSizeTest : public ::testing::TestWithParam<IconCase> {};

TEST_P(AutoIconSizeTest, FollowsTheControlHeightWhenAsked) {
  const IconCase& c = GetParam();
  TKDpiHelper()->OverrideDpi(c.nDpi, c.nDpi);
  CTestThemePaintManager pm;
  pm.m_bAutoScaleIcons = c.bAutoScale;
  pm.m_nControlHeight = c.nControlHeight;
  EXPECT_EQ(pm.GetAutoIconSize(FALSE), CSize(c.cxSmall, c.cxSmall));
  EXPECT_EQ(pm.GetAutoIconSize(TRUE), CSize(c.cxLarge, c.cxLarge));
  TKDpiHelper()->OverrideDpi(96, 96);
}

INSTANTIATE_TEST_SUITE_P(Sizes, AutoIconSizeTest,
                         ::testing::Values(IconCase{FALSE, 40, 96, 16, 32},
                                           IconCase{TRUE, 22, 96, 16, 32},
                                           IconCase{TRUE, 40, 96, 32, 72},
                                           IconCase{TRUE, 10, 96, 16, 24},    // clamped to 18
                                           IconCase{TRUE, 22, 192, 32, 32}));  // at least 2 scaled

TEST(PaintManagerBaseTest, IndexedColorsAreSlotsUpTo62AndColoursAbove) {
  CScriptedSystemFonts fonts(-12);
  CTestThemePaintManager pm;
  pm.RefreshMetrics();
  EXPECT_EQ(pm.GetIndexedColor(5), TKColorManager()->GetColor(5));
  const int arrIndexes[] = {62, 7};
  const COLORREF arrColors[] = {RGB(1, 2, 3), RGB(9, 8, 7)};
  pm.SetIndexedColors(2, arrIndexes, arrColors);
  EXPECT_EQ(pm.GetIndexedColor(62), RGB(1, 2, 3));
  EXPECT_EQ(pm.GetIndexedColor(7), RGB(9, 8, 7));
  EXPECT_EQ(pm.GetIndexedColor(63), 63u);
  EXPECT_EQ(pm.GetIndexedColor(0x123456), 0x123456u);
}

TEST(PaintManagerBaseTest, RefreshSetsTheSharedColoursAndMargins) {
  CScriptedSystemFonts fonts(-12);
  TKDpiHelper()->OverrideDpi(144, 192);
  CTestThemePaintManager pm;
  pm.RefreshMetrics();
  CTKDpiHelper* pDpi = TKDpiHelper();
  EXPECT_EQ(pm.m_rcMessageBarMargins,
            CRect(pDpi->ScaleX(3), pDpi->ScaleY(3), pDpi->ScaleX(3), pDpi->ScaleY(3)));
  EXPECT_EQ(pDpi->ScaleY(3), 6);
  EXPECT_EQ(pm.m_clrMessageBarText, pm.GetIndexedColor(23));
  EXPECT_EQ(static_cast<COLORREF>(pm.m_clrFloatingCaptionBack), pm.GetIndexedColor(16));
  EXPECT_EQ(static_cast<COLORREF>(pm.m_grcDisabledIcons.m_clrDark), pm.GetIndexedColor(16));
  EXPECT_NE(pm.GetScrollBarPaintManager(), nullptr);
  TKDpiHelper()->OverrideDpi(96, 96);
}

class CRecordingObserver : public ITKPaintManagerEvents {
 public:
  CRecordingObserver(CTKPaintManagerBase* pPaintManager, CRecordingObserver* pToRemove)
      : m_pPaintManager(pPaintManager), m_pToRemove(pToRemove) {
    pPaintManager->AddObserver(this);
  }
  void OnPaintManagerDestroyed(CTKPaintManager* pPaintManager) override {
    m_pTold = pPaintManager;
    if (m_pToRemove != nullptr) m_pPaintManager->RemoveObserver(m_pToRemove);
  }
  CTKPaintManagerBase* m_pPaintManager;
  CRecordingObserver* m_pToRemove;
  CTKPaintManager* m_pTold = nullptr;
};

TEST(PaintManagerBaseTest, ObserversHearOfTheDestructionUnlessRemoved) {
  CTestThemePaintManager* pm = new CTestThemePaintManager;
  CRecordingObserver gone(pm, nullptr);
  CRecordingObserver remover(pm, nullptr);
  CRecordingObserver removedWhileTelling(pm, nullptr);
  CRecordingObserver last(pm, nullptr);
  remover.m_pToRemove = &removedWhileTelling;
  pm->RemoveObserver(&gone);
  pm->InternalRelease();
  EXPECT_EQ(gone.m_pTold, nullptr);
  EXPECT_EQ(remover.m_pTold, pm);
  EXPECT_EQ(removedWhileTelling.m_pTold, nullptr);
  EXPECT_EQ(last.m_pTold, pm);
}

}  // namespace
