// The glyph-font pictures of the paint manager base, the special controls of
// bars, the floating bar's caption band and keyboard tips.
#include <gtest/gtest.h>

#include "SupportPlacedBar.h"
#include "SupportBasePaintManager.h"
#include "commandbars/TKCommandBarKeyboardTip.h"
#include "commandbars/TKCommandBarsDefines.h"
#include "commandbars/TKControl.h"
#include "common/TKGlyphFont.h"
#include "testsupport/DibSurface.h"

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kInk = RGB(0, 0, 0);
const int kSize = 24;

bool SamePixels(const CDibSurface& a, const CDibSurface& b) {
  for (int y = 0; y < a.GetHeight(); ++y)
    for (int x = 0; x < a.GetWidth(); ++x)
      if (a.GetPixel(x, y) != b.GetPixel(x, y)) return false;
  return true;
}

void MakeRightToLeft(CDibSurface& surface) { ::SetLayout(surface.GetSafeHdc(), LAYOUT_RTL); }

TEST(GlyphsTest, ARightToLeftCheckMarkIsTheMirroredGlyph) {
  ASSERT_TRUE(TKGlyphFont()->EnsureLoaded());
  CBaseGlyphsPaintManager pm;
  const CRect rc(2, 2, 20, 20);
  CDibSurface drawn(kSize, kSize, kWhite), mirrored(kSize, kSize, kWhite),
      plain(kSize, kSize, kWhite);
  MakeRightToLeft(drawn);
  MakeRightToLeft(mirrored);
  MakeRightToLeft(plain);
  pm.DrawCheckMark(drawn.GetDC(), rc, TRUE, kInk);
  TKGlyphFont()->DrawGlyph(mirrored.GetDC(), 46, rc, kInk);
  TKGlyphFont()->DrawGlyph(plain.GetDC(), 45, rc, kInk);
  EXPECT_TRUE(SamePixels(drawn, mirrored));
  EXPECT_FALSE(SamePixels(drawn, plain));
}

TEST(GlyphsTest, ABoldCheckMarkIsDrawnAgainOnePixelLower) {
  ASSERT_TRUE(TKGlyphFont()->EnsureLoaded());
  CBaseGlyphsPaintManager pm;
  pm.m_bBoldCheckMark = TRUE;
  const CRect rc(2, 2, 20, 20);
  CDibSurface drawn(kSize, kSize, kWhite), twice(kSize, kSize, kWhite),
      once(kSize, kSize, kWhite);
  pm.DrawCheckMark(drawn.GetDC(), rc, TRUE, kInk);
  TKGlyphFont()->DrawGlyph(twice.GetDC(), 45, rc, kInk);
  TKGlyphFont()->DrawGlyph(twice.GetDC(), 45, rc + CPoint(0, 1), kInk);
  TKGlyphFont()->DrawGlyph(once.GetDC(), 45, rc, kInk);
  EXPECT_TRUE(SamePixels(drawn, twice));
  EXPECT_GT(once.CountPixels(kWhite), drawn.CountPixels(kWhite));
}

struct ExpandCase {
  int nPosition;
  CRect rcExpected;
};

TEST(GlyphsTest, TheExpandButtonGoesAtTheEndOfTheBar) {
  const ExpandCase cases[] = {
      {tkBarTop, CRect(87, 2, 98, 22)},  {tkBarBottom, CRect(87, 2, 98, 22)},
      {tkBarLeft, CRect(2, 11, 98, 22)}, {tkBarRight, CRect(2, 11, 98, 22)},
      {tkBarPopup, CRect(2, 11, 98, 22)}};
  CBaseGlyphsPaintManager pm;
  for (const ExpandCase& c : cases) {
    CPlacedBar* pBar = new CPlacedBar;
    pBar->Place(c.nPosition, tkBarTypeNormal);
    CTKControl* pControl = new CTKControl;
    CSize szBar(100, 24);
    EXPECT_EQ(pm.DrawSpecialControl(nullptr, 0, pControl, pBar, FALSE, &szBar), CSize(0, 0));
    EXPECT_EQ(pControl->GetRect(), c.rcExpected) << "position " << c.nPosition;
    pControl->InternalRelease();
    pBar->InternalRelease();
  }
}

TEST(GlyphsTest, TheChevronShowsOnlyWhenTheBarHidesControls) {
  ASSERT_TRUE(TKGlyphFont()->EnsureLoaded());
  CBaseGlyphsPaintManager pm;
  CPlacedBar* pBar = new CPlacedBar;
  pBar->Place(tkBarTop, tkBarTypeNormal);
  CTKControl* pControl = new CTKControl;
  pControl->SetRect(CRect(0, 0, 14, 40));
  for (BOOL bHidden : {FALSE, TRUE}) {
    CDibSurface surface(14, 40, kWhite);
    pm.DrawSpecialControl(surface.GetDC(), 0, pControl, pBar, TRUE, &bHidden);
    EXPECT_LT(surface.CountPixels(CRect(0, 20, 14, 40), kWhite), 14 * 20) << "the arrow below";
    EXPECT_EQ(surface.CountPixels(CRect(0, 0, 14, 19), kWhite) < 14 * 19, bHidden == TRUE);
  }
  pControl->InternalRelease();
  pBar->InternalRelease();
}

TEST(GlyphsTest, MdiButtonsDrawTheirMarlettCharacterAtEightPoints) {
  CBaseGlyphsPaintManager pm;
  CTKControl* pControl = new CTKControl;
  pControl->SetRect(CRect(2, 2, 18, 16));
  pControl->SetParameter("r");
  CDibSurface drawn(20, 18, kWhite), expected(20, 18, kWhite);
  pm.DrawControlMDIButton(drawn.GetDC(), pControl);
  // At 96 DPI: 80 tenths of a point, the pixel size kept at every DPI.
  CFont font;
  font.CreatePointFont(80, "Marlett");
  CFont* pOld = expected.GetDC()->SelectObject(&font);
  expected.GetDC()->SetBkMode(TRANSPARENT);
  CRect rc(2, 2, 18, 16);
  expected.GetDC()->DrawText("r", rc, DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
  expected.GetDC()->SelectObject(pOld);
  EXPECT_TRUE(SamePixels(drawn, expected));
  EXPECT_GT(drawn.CountPixels(kInk), 0);
  pControl->InternalRelease();
}

struct MarkCase {
  int nChecked;
  BOOL bPressed;
  BOOL bEnabled;
  UINT nClassicState;
};

TEST(GlyphsTest, ClassicMarksShowCheckedPushedAndInactiveStates) {
  const MarkCase cases[] = {
      {0, FALSE, TRUE, 0},
      {1, FALSE, TRUE, DFCS_CHECKED},
      {2, FALSE, TRUE, DFCS_CHECKED | DFCS_INACTIVE},
      {1, TRUE, TRUE, DFCS_CHECKED | DFCS_PUSHED},
      {0, FALSE, FALSE, DFCS_INACTIVE},
  };
  CBaseGlyphsPaintManager pm;
  const CRect rc(1, 1, 14, 14);
  for (const MarkCase& c : cases) {
    for (UINT nKind : {static_cast<UINT>(DFCS_BUTTONCHECK), static_cast<UINT>(DFCS_BUTTONRADIO)}) {
      CDibSurface drawn(16, 16, kWhite), expected(16, 16, kWhite);
      const CSize sz =
          nKind == DFCS_BUTTONCHECK
              ? pm.DrawControlCheckBoxMark(drawn.GetDC(), rc, TRUE, TRUE, c.bPressed, c.nChecked,
                                           c.bEnabled)
              : pm.DrawControlRadioButtonMark(drawn.GetDC(), rc, TRUE, TRUE, c.bPressed,
                                              c.nChecked, c.bEnabled);
      EXPECT_EQ(sz, CSize(13, 13));
      CRect rcExpected = rc;
      expected.GetDC()->DrawFrameControl(rcExpected, DFC_BUTTON, nKind | c.nClassicState);
      EXPECT_TRUE(SamePixels(drawn, expected)) << "checked " << c.nChecked << " kind " << nKind;
    }
  }
}

class WindowGlyphsTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(m_host.CreateHost()); }
  CTestHostWindow m_host;
  CBaseGlyphsPaintManager m_pm;
};

TEST_F(WindowGlyphsTest, TheFloatingCaptionBandIsAtLeastFifteenHigh) {
  const COLORREF kBand = RGB(200, 0, 0);
  m_pm.m_clrFloatingCaptionBack.SetStandardValue(kBand);
  m_pm.m_clrFloatingCaptionText.SetStandardValue(RGB(255, 255, 0));
  CPlacedBar* pBar = new CPlacedBar;
  pBar->Place(tkBarFloating, tkBarTypeNormal);
  ASSERT_TRUE(pBar->CreateIn(m_host, 120, 60));
  for (int nFontHeight : {11, 20}) {
    m_pm.m_fontSmallCaption.DeleteObject();
    LOGFONT lf = {};
    lf.lfHeight = nFontHeight;
    lstrcpyA(lf.lfFaceName, "Tahoma");
    m_pm.m_fontSmallCaption.CreateFontIndirect(&lf);
    CDibSurface surface(120, 60, kWhite);
    const int nBand = std::max<int>(nFontHeight, 15);
    EXPECT_EQ(m_pm.DrawFloatingBarCaption(surface.GetDC(), pBar, TRUE), CSize(114, nBand));
    EXPECT_EQ(surface.GetPixel(3, 3), kBand);
    EXPECT_EQ(surface.GetPixel(116, nBand + 2), kBand);
    EXPECT_EQ(surface.GetPixel(3, nBand + 3), kWhite) << "font " << nFontHeight;
    EXPECT_EQ(surface.GetPixel(2, 3), kWhite);
    EXPECT_EQ(surface.GetPixel(117, 3), kWhite);
  }
  pBar->Place(tkBarTop, tkBarTypeNormal);
  EXPECT_EQ(m_pm.DrawFloatingBarCaption(nullptr, pBar, TRUE), CSize(0, 0));
  pBar->DestroyWindow();
  pBar->InternalRelease();
}

TEST_F(WindowGlyphsTest, AKeyboardTipOfADisabledCommandIsGrey) {
  const COLORREF kTipBack = RGB(250, 250, 200);
  const COLORREF kTipText = RGB(0, 0, 128);
  const COLORREF kGrey = RGB(120, 120, 120);
  const int arrIndexes[] = {17, 23, 24};
  const COLORREF arrColors[] = {kGrey, kTipText, kTipBack};
  m_pm.SetIndexedColors(3, arrIndexes, arrColors);
  LOGFONT lf = {};
  lf.lfHeight = -14;
  lf.lfQuality = NONANTIALIASED_QUALITY;
  lstrcpyA(lf.lfFaceName, "Tahoma");
  m_pm.m_fontStatus.CreateFontIndirect(&lf);
  for (BOOL bEnabled : {TRUE, FALSE}) {
    CTKCommandBarKeyboardTip tip(nullptr, nullptr, "File", 0, 0, 0, bEnabled);
    tip.m_strTip = "F";
    ASSERT_TRUE(tip.CreateEx(0, AfxRegisterWndClass(0), "", WS_CHILD, 0, 0, 30, 20,
                             m_host.GetSafeHwnd(), NULL));
    CDibSurface surface(30, 20, kWhite);
    m_pm.DrawKeyboardTip(surface.GetDC(), &tip, FALSE);
    EXPECT_EQ(surface.GetPixel(15, 2), kTipBack);
    EXPECT_EQ(surface.GetPixel(0, 10), ::GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(surface.CountPixels(kGrey) > 0, !bEnabled);
    EXPECT_EQ(surface.CountPixels(kTipText) > 0, bEnabled == TRUE);

    CDibSurface skipped(30, 20, kWhite);
    m_pm.DrawKeyboardTip(skipped.GetDC(), &tip, TRUE);
    EXPECT_EQ(skipped.CountPixels(kWhite), 30 * 20);
    tip.DestroyWindow();
  }
}

}  // namespace
