// Controls drawn by the paint manager base: the dispatch by kind and bar, the
// text colours and fonts by state and direction, the sizes of tool-bar
// controls and their captions, and the labels of edits and combo boxes.
#include <gtest/gtest.h>

#include "SupportControlBars.h"
#include "commandbars/TKControlComboBox.h"
#include "commandbars/TKControlEdit.h"
#include "common/TKImageManagerIcon.h"

namespace {

typedef ControlBarsTest ControlDrawingTest;

// The dispatch ----------------------------------------------------------------------------

TEST_F(ControlDrawingTest, AComboOnAPopupIsMeasuredAsAComboBox) {
  CTKControl* pCombo = Add(m_pPopup, tkControlComboBox, 10, "Find", tkButtonAutomatic);
  pCombo->SetWidth(150);
  const int cxGripper = m_pPaintManager->GetPopupBarGripperWidth(m_pPopup);
  EXPECT_EQ(CSize(cxGripper + 150, m_pPaintManager->GetControlHeight()), Measure(pCombo));
  // A button on the same pop-up is a row: as high as an icon cell.
  CTKControl* pButton = Add(m_pPopup, tkControlButton, 11, "Find", tkButtonAutomatic);
  EXPECT_EQ(m_pPaintManager->GetPopupBarGripperSize(m_pPopup).cy, Measure(pButton).cy);
}

struct TextColorCase {
  int nType;
  int nStyle;
  bool bPopup;
  int nEnabled;
  int nSelected;
  int nChecked;
  int nExpectedSelected, nExpectedEnabled, nExpectedChecked;
};

class TextColorTest : public ControlBarsTest, public ::testing::WithParamInterface<TextColorCase> {};

TEST_P(TextColorTest, TheStateTupleOfTheCaption) {
  const TextColorCase& c = GetParam();
  CTKCommandBar* pBar = c.bPopup ? static_cast<CTKCommandBar*>(m_pPopup) : m_pBar;
  CTKControl* pControl = Add(pBar, c.nType, 20, "Check", c.nStyle);
  pControl->SetEnabled(c.nEnabled);
  pControl->SetSelected(c.nSelected);
  pControl->SetChecked(c.nChecked);
  const int nBarType = c.bPopup ? tkBarTypePopup : tkBarTypeNormal;
  const int nPosition = c.bPopup ? tkBarPopup : tkBarTop;
  EXPECT_EQ(CTestControlsPaintManager::StateTextColor(c.nExpectedSelected, 0, c.nExpectedEnabled,
                                                      c.nExpectedChecked, 0, nBarType, nPosition),
            m_pPaintManager->GetControlTextColor(pControl));
}

INSTANTIATE_TEST_SUITE_P(
    States, TextColorTest,
    ::testing::Values(
        // A check box beside its mark reads as plain text on a tool bar.
        TextColorCase{tkControlCheckBox, 0, false, 1, 1, 1, 0, 1, 0},
        TextColorCase{tkControlRadioButton, 0, false, 0, 1, 1, 0, 0, 0},
        TextColorCase{tkControlCheckBox, 0, true, 1, 1, 1, 1, 1, 1},
        // A caption below belongs to the drop-down part, else to the command part.
        TextColorCase{tkControlSplitButtonPopup, 4, false, 4, 0, 0, 0, 0, 0},
        TextColorCase{tkControlSplitButtonPopup, 4, false, 5, 0, 0, 0, 1, 0},
        TextColorCase{tkControlSplitButtonPopup, 3, false, 5, 0, 0, 0, 0, 0},
        TextColorCase{tkControlSplitButtonPopup, 3, false, 4, 0, 0, 0, 1, 0},
        TextColorCase{tkControlButton, 3, false, 1, 1, 1, 1, 1, 1}));

struct OrientationCase {
  int nSetting;
  int nPosition;
  int nExpected;  // 1 vertical, 2 horizontal
};

class OrientationTest : public ControlBarsTest,
                        public ::testing::WithParamInterface<OrientationCase> {};

TEST_P(OrientationTest, TheBarsSettingElseItsDockSide) {
  const OrientationCase& c = GetParam();
  m_pBar->SetTextOrientation(c.nSetting);
  m_pBar->SetBarPosition(c.nPosition);
  CTKControl* pControl = Add(m_pBar, tkControlButton, 30, "Open", tkButtonCaption);
  const bool bVert = c.nExpected == 1;
  EXPECT_EQ(c.nExpected, m_pPaintManager->GetControlTextOrientation(pControl));
  EXPECT_EQ(bVert ? &m_pPaintManager->m_fontVert : &m_pPaintManager->m_fontRegular,
            m_pPaintManager->GetCommandBarFont(m_pBar));
  EXPECT_EQ(bVert ? &m_pPaintManager->m_fontVert : &m_pPaintManager->m_fontRegular,
            m_pPaintManager->GetControlFont(pControl));
  pControl->SetDefaultItem(TRUE);
  EXPECT_EQ(bVert ? &m_pPaintManager->m_fontVertBold : &m_pPaintManager->m_fontBold,
            m_pPaintManager->GetControlFont(pControl));
}

INSTANTIATE_TEST_SUITE_P(Bars, OrientationTest,
                         ::testing::Values(OrientationCase{0, tkBarTop, 2},
                                           OrientationCase{0, tkBarLeft, 1},
                                           OrientationCase{0, tkBarRight, 1},
                                           OrientationCase{0, tkBarFloating, 2},
                                           OrientationCase{2, tkBarLeft, 2},
                                           OrientationCase{1, tkBarTop, 1}));

TEST_F(ControlDrawingTest, WidthAndHeightApplyCrosswiseOnAVerticalBar) {
  m_pBar->SetBarPosition(tkBarLeft);
  CTKControl* pControl = Add(m_pBar, tkControlButton, 40, "Open", tkButtonCaption);
  const CSize szAuto = Measure(pControl);
  pControl->SetWidth(80);
  EXPECT_EQ(CSize(szAuto.cx, 80), Measure(pControl));
  pControl->SetHeight(30);
  EXPECT_EQ(CSize(30, 80), Measure(pControl));
  m_pBar->SetBarPosition(tkBarTop);
  EXPECT_EQ(CSize(80, 30), Measure(pControl));
}

TEST_F(ControlDrawingTest, FitIconSizeKeepsTheIconsProportions) {
  struct Case {
    int cx, cy;
    CSize szExpected;
  } cases[] = {{32, 16, CSize(16, 8)}, {16, 32, CSize(8, 16)}, {16, 16, CSize(16, 16)},
               {24, 16, CSize(16, 10)}, {16, 17, CSize(16, 17)}};
  UINT nId = 50;
  for (const Case& c : cases) {
    AddIcon(nId, c.cx, c.cy);
    CTKImageManagerIcon* pIcon = m_pImages->GetImage(nId, c.cx);
    ASSERT_NE(nullptr, pIcon);
    EXPECT_EQ(c.szExpected, CTKPaintManagerBase::FitIconSize(pIcon, CSize(16, 16))) << c.cx;
    ++nId;
  }
  EXPECT_EQ(CSize(16, 16), CTKPaintManagerBase::FitIconSize(nullptr, CSize(16, 16)));
}

TEST_F(ControlDrawingTest, TheCommandPartOfASplitButton) {
  CTKControl* pSplit = Add(m_pBar, tkControlSplitButtonPopup, 60, "Undo", tkButtonIcon);
  pSplit->SetRect(CRect(10, 0, 60, 40));
  CRect rc;
  m_pPaintManager->GetSplitButtonCommandRect(rc, pSplit);
  EXPECT_EQ(CRect(10, 0, 60 - m_pPaintManager->m_nSplitArrowWidth - 1, 40), rc);
  pSplit->SetStyle(tkButtonIconAndCaptionBelow);
  m_pPaintManager->GetSplitButtonCommandRect(rc, pSplit);
  EXPECT_EQ(CRect(10, 0, 60, 40 - m_pPaintManager->GetSplitDropDownHeight()), rc);
  m_pBar->SetBarPosition(tkBarLeft);
  m_pPaintManager->GetSplitButtonCommandRect(rc, pSplit);
  EXPECT_EQ(CRect(10 + m_pPaintManager->GetSplitDropDownHeight(), 0, 60, 40), rc);
  CTKControl* pRow = Add(m_pPopup, tkControlSplitButtonPopup, 61, "Undo", tkButtonIcon);
  pRow->SetRect(CRect(0, 0, 100, 22));
  m_pPaintManager->GetSplitButtonCommandRect(rc, pRow);
  EXPECT_EQ(CRect(0, 0, 100 - m_pPaintManager->m_nPopupSplitArrowWidth, 22), rc);
}

// Tool-bar controls ---------------------------------------------------------------------------

TEST_F(ControlDrawingTest, APopupWithoutIconIsItsCaptionWithTheGlyphAndAMargin) {
  const CSize szCaption = Extent(m_pPaintManager->m_fontRegular, "Add or Remove Buttons");
  const int cxGlyph = 10 + 2;  // the drop-down glyph beside a caption
  CTKControl* pAddRemove =
      Add(m_pBar, tkControlPopup, 9122, "&Add or Remove Buttons", tkButtonAutomatic);
  EXPECT_EQ(CSize(szCaption.cx + cxGlyph + 14, szCaption.cy + 10), Measure(pAddRemove));
  CTKControl* pOther = Add(m_pBar, tkControlPopup, 9123, "&Add or Remove Buttons", tkButtonAutomatic);
  EXPECT_EQ(CSize(szCaption.cx + cxGlyph + 6, szCaption.cy + 6), Measure(pOther));
  // A menu title is measured with the glyph too.
  m_pBar->SetType(tkBarTypeMenuBar);
  EXPECT_EQ(CSize(szCaption.cx + cxGlyph + 6, szCaption.cy + 6), Measure(pOther));
}

TEST_F(ControlDrawingTest, SplitCaptionSplitsAtTheSpaceNearestTheMiddle) {
  struct Case {
    const char* pszCaption;
    const char* pszLine1;
    const char* pszLine2;
  } cases[] = {{"Print Preview", "Print", "Preview"},  // 13 characters, the space at 5
               {"Print", "Print", ""},
               {" Print", " Print", ""},
               {"Insert Page Break", "Insert", "Page Break"},
               {"A BCDEFGHIJKLMNOP", "A BCDEFGHIJKLMNOP", ""}};  // too far from the middle
  for (const Case& c : cases) {
    CString strLine1, strLine2;
    CTKPaintManagerBase::SplitCaption(c.pszCaption, strLine1, strLine2);
    EXPECT_STREQ(c.pszLine1, strLine1) << c.pszCaption;
    EXPECT_STREQ(c.pszLine2, strLine2) << c.pszCaption;
  }
}

TEST_F(ControlDrawingTest, SizesByTypeAndStyle) {
  const int cxSplit = m_pPaintManager->m_nSplitArrowWidth;
  const CSize szButton = m_pBar->GetButtonSize();
  const CSize szOpen = Extent(m_pPaintManager->m_fontRegular, "Open");
  AddIcon(71, 16, 16);
  struct Case {
    int nType;
    int nId;  // 71 has an icon
    int nStyle;
    CSize szExpected;
  } cases[] = {
      // Without an icon a split button counts 18 x 18 device pixels.
      {tkControlSplitButtonPopup, 70, tkButtonIcon, CSize(18 + cxSplit, 18)},
      {tkControlSplitButtonPopup, 71, tkButtonIcon, CSize(szButton.cx + cxSplit, szButton.cy)},
      {tkControlButton, 71, tkButtonIcon, szButton},
      {tkControlButton, 70, tkButtonIcon, szButton},
      {tkControlButton, 70, tkButtonCaption,
       CSize(szOpen.cx + 8, std::max<int>(szOpen.cy + 6, szButton.cy))},
      {tkControlButton, 71, tkButtonIconAndCaption,
       CSize(szButton.cx + szOpen.cx + 3, std::max<int>(szOpen.cy + 6, szButton.cy))},
      {tkControlSplitButtonPopup, 71, tkButtonIconAndCaption,
       CSize(szButton.cx + szOpen.cx + 3 + cxSplit, std::max<int>(szOpen.cy + 6, szButton.cy))},
      {tkControlPopup, 71, tkButtonIcon, CSize(szButton.cy + 7, szButton.cy)},
      {tkControlPopup, 71, tkButtonIconAndCaption,
       CSize(szButton.cx + szOpen.cx + 12 + 3, std::max<int>(szOpen.cy + 6, szButton.cy))},
      {tkControlCustom, 70, tkButtonCaption, CSize(0, 0)},
  };
  for (const Case& c : cases) {
    CTKControl* pControl = Add(m_pBar, c.nType, c.nId, "Open", c.nStyle);
    EXPECT_EQ(c.szExpected, Measure(pControl)) << c.nType << " " << c.nId << " " << c.nStyle;
  }
}

TEST_F(ControlDrawingTest, ACaptionBelowTheIconIsAsHighAsTheIconTheGapAndTheDropDown) {
  CTKControl* pControl = Add(m_pBar, tkControlButton, 80, "Paste", tkButtonIconAndCaptionBelow);
  const int nControlHeight = m_pPaintManager->GetControlHeight();
  EXPECT_EQ(3 * nControlHeight, Measure(pControl).cy);
  m_pPaintManager->m_nControlHeight = 0;  // as before the first refresh
  const CSize szLarge = m_pBar->GetLargeIconSize();
  EXPECT_EQ(szLarge.cy + 7 + m_pPaintManager->GetSplitDropDownHeight(), Measure(pControl).cy);
  EXPECT_EQ(42, Measure(pControl).cx);
  // A long caption widens the button to its longer line.
  pControl->SetCaption("Paste Without Formatting");
  const CSize szLine = Extent(m_pPaintManager->m_fontRegular, "Paste Without");
  EXPECT_EQ(std::max(42, static_cast<int>(szLine.cx) + 5), Measure(pControl).cx);
}

TEST_F(ControlDrawingTest, TextBelowIconsOnTheBarPutsTheCaptionUnderTheButton) {
  AddIcon(90, 16, 16);
  m_pBar->SetTextBelowIcons(1);
  CTKControl* pControl = Add(m_pBar, tkControlButton, 90, "Open", tkButtonIconAndCaption);
  const CSize szButton = m_pBar->GetButtonSize();
  const CSize szOpen = Extent(m_pPaintManager->m_fontRegular, "Open");
  const int cy = szButton.cy + szOpen.cy;
  EXPECT_EQ(CSize(std::max<int>(std::max<int>(szButton.cx, szOpen.cx + 10), cy), cy),
            Measure(pControl));
  m_pBar->SetTextBelowIcons(0);
  EXPECT_EQ(szButton.cx + szOpen.cx + 3, Measure(pControl).cx);
}

TEST_F(ControlDrawingTest, AButtonIsDrawnWithItsFaceIconAndCaptionByState) {
  AddIcon(100, 16, 16);
  CTKControl* pControl = Add(m_pBar, tkControlButton, 100, "Open", tkButtonIconAndCaption);
  struct Case {
    int nSelected;
    int nPressed;
    BOOL bEnabled;
    COLORREF clrFace;
  } cases[] = {{0, 0, TRUE, CTestThemePaintManager::kIdleFace},
               {1, 0, TRUE, CTestThemePaintManager::kHotFace},
               {1, 1, TRUE, CTestThemePaintManager::kPressedFace},
               {0, 0, FALSE, CTestThemePaintManager::kIdleFace}};
  for (const Case& c : cases) {
    pControl->SetSelected(c.nSelected);
    pControl->SetPressed(c.nPressed);
    pControl->SetEnabled(c.bEnabled);
    m_pPaintManager->m_images.clear();
    CDibSurface surface(100, 30, kBack);
    Draw(surface, pControl, CRect(0, 0, 80, 24));
    EXPECT_EQ(c.clrFace, surface.GetPixel(78, 1)) << c.nSelected << c.nPressed;
    ASSERT_EQ(1u, m_pPaintManager->m_images.size());
    EXPECT_EQ(CPoint(3, 4), m_pPaintManager->m_images[0].pt);
    EXPECT_EQ(c.bEnabled, m_pPaintManager->m_images[0].bEnabled);
    const COLORREF clrText = CTestControlsPaintManager::StateTextColor(
        c.nSelected, c.nPressed, c.bEnabled, 0, 0, tkBarTypeNormal, tkBarTop);
    // The caption starts one pixel inside the button's width, after the icon.
    const int xCaption = m_pBar->GetButtonSize().cx - 1;
    EXPECT_EQ(0, surface.CountPixels(CRect(0, 0, xCaption, 24), clrText));
    EXPECT_GT(surface.CountPixels(CRect(xCaption, 0, 80, 24), clrText), 0);
  }
}

TEST_F(ControlDrawingTest, ALoneIconIsCentredAndASplitButtonsIconStaysLeft) {
  AddIcon(110, 16, 16);
  CTKControl* pButton = Add(m_pBar, tkControlButton, 110, "Open", tkButtonIcon);
  CDibSurface surface(100, 40, kBack);
  Draw(surface, pButton, CRect(0, 0, 40, 30));
  ASSERT_EQ(1u, m_pPaintManager->m_images.size());
  EXPECT_EQ(CPoint(12, 7), m_pPaintManager->m_images[0].pt);

  CTKControl* pSplit = Add(m_pBar, tkControlSplitButtonPopup, 110, "Open", tkButtonIcon);
  Draw(surface, pSplit, CRect(0, 0, 40, 30));
  ASSERT_EQ(2u, m_pPaintManager->m_images.size());
  EXPECT_EQ(CPoint(3, 7), m_pPaintManager->m_images[1].pt);
  ASSERT_EQ(1u, m_pPaintManager->m_splitFrames.size());
  EXPECT_EQ(CRect(0, 0, 40, 30), m_pPaintManager->m_splitFrames[0]);

  m_pBar->SetBarPosition(tkBarLeft);
  Draw(surface, pButton, CRect(0, 0, 30, 40));
  EXPECT_EQ(CPoint(7, 12), m_pPaintManager->m_images[2].pt);
}

TEST_F(ControlDrawingTest, AControlWithItsOwnFaceGetsNoFaceFromThePaintManager) {
  class COwnFace : public CTKControlButton {
   public:
    BOOL HasOwnFace() const override { return TRUE; }
  };
  CTKControl* pControl = m_pBar->GetControls()->Add(new COwnFace, 120);
  pControl->SetCaption("Own");
  pControl->SetStyle(tkButtonCaption);
  CDibSurface surface(60, 30, kBack);
  Draw(surface, pControl, CRect(0, 0, 50, 24));
  EXPECT_EQ(kBack, surface.GetPixel(1, 1));
  CTKControl* pPlain = Add(m_pBar, tkControlButton, 121, "Own", tkButtonCaption);
  Draw(surface, pPlain, CRect(0, 0, 50, 24));
  EXPECT_EQ(COLORREF(CTestThemePaintManager::kIdleFace), surface.GetPixel(1, 1));
}

TEST_F(ControlDrawingTest, AFaceTheThemePaintsItselfTakesThePlaceOfTheRectangle) {
  const COLORREF kCustomFace = RGB(1, 100, 1);
  class CCustomFace : public CTestControlsPaintManager {
   public:
    BOOL DrawControlEntryCustom(CDC* pDC, CTKControl* pControl) override {
      if (pControl->GetID() != 9122) return FALSE;
      pDC->FillSolidRect(pControl->GetRect(), RGB(1, 100, 1));
      return TRUE;
    }
  };
  CCustomFace* pTheme = new CCustomFace;
  pTheme->RefreshMetrics();
  CTKControl* pCustom = Add(m_pBar, tkControlPopup, 9122, "Add", tkButtonCaption);
  CTKControl* pPlain = Add(m_pBar, tkControlPopup, 9123, "Add", tkButtonCaption);
  pPlain->SetSelected(1);
  CDibSurface surface(100, 30, kBack);
  pCustom->SetRect(CRect(0, 0, 40, 24));
  pPlain->SetRect(CRect(50, 0, 90, 24));
  pTheme->DrawControlEntry(surface.GetDC(), pCustom);
  pTheme->DrawControlEntry(surface.GetDC(), pPlain);
  EXPECT_EQ(kCustomFace, surface.GetPixel(20, 12));
  EXPECT_EQ(COLORREF(CTestThemePaintManager::kHotFace), surface.GetPixel(70, 12));
  pTheme->InternalRelease();
}

// Captions: emboss and mnemonics ---------------------------------------------------------------

struct CaptionCase {
  const char* pszCaption;
  BOOL bCues;
  int nOverride;
  const char* pszSameAs;  // drawn exactly as this text without mnemonics
};

class CaptionMnemonicsTest : public ControlBarsTest,
                             public ::testing::WithParamInterface<CaptionCase> {};

TEST_P(CaptionMnemonicsTest, TheUnderlineFollowsTheCuesUnlessOverridden) {
  const CaptionCase& c = GetParam();
  m_pBar->m_bCues = c.bCues;
  m_pPaintManager->m_nKeyboardCuesOverride = c.nOverride;
  CTKControl* pControl = Add(m_pBar, tkControlButton, 130, c.pszCaption, tkButtonCaption);
  CDibSurface surface(80, 30, kBack);
  Draw(surface, pControl, CRect(0, 0, 70, 24));
  const COLORREF clrText = m_pPaintManager->GetControlTextColor(pControl);
  const int nPixels = surface.CountPixels(clrText);
  pControl->SetCaption(c.pszSameAs);
  CDibSurface plain(80, 30, kBack);
  Draw(plain, pControl, CRect(0, 0, 70, 24));
  const bool bUnderlined = nPixels > plain.CountPixels(clrText);
  EXPECT_EQ((c.bCues && c.nOverride != 0) || c.nOverride == 1, bUnderlined);
  EXPECT_GT(nPixels, 0);
}

INSTANTIATE_TEST_SUITE_P(Cues, CaptionMnemonicsTest,
                         ::testing::Values(CaptionCase{"&File", TRUE, -1, "File"},
                                           CaptionCase{"&File", FALSE, -1, "File"},
                                           CaptionCase{"&File", FALSE, 1, "File"},
                                           CaptionCase{"&File", TRUE, 0, "File"}));

TEST_F(ControlDrawingTest, ACaptionWithoutIconIsCentredOnce) {
  CTKControl* pControl = Add(m_pBar, tkControlButton, 135, "Open", tkButtonCaption);
  CDibSurface surface(120, 30, kBack);
  Draw(surface, pControl, CRect(0, 0, 100, 24));
  const COLORREF clrText = m_pPaintManager->GetControlTextColor(pControl);
  int xFirst = -1;
  for (int x = 0; x < 100 && xFirst < 0; ++x)
    if (surface.CountPixels(CRect(x, 0, x + 1, 24), clrText) > 0) xFirst = x;
  const int cxText = Extent(m_pPaintManager->m_fontRegular, "Open").cx;
  EXPECT_NEAR((100 - cxText) / 2, xFirst, 2);
}

TEST_F(ControlDrawingTest, ADisabledCaptionIsEmbossedUnderTheText) {
  CTKControl* pControl = Add(m_pBar, tkControlButton, 140, "Open", tkButtonCaption);
  const COLORREF clrEmboss = SetEmbossColor();
  pControl->SetEnabled(FALSE);
  const COLORREF clrText = m_pPaintManager->GetControlTextColor(pControl);
  for (BOOL bEmboss : {TRUE, FALSE}) {
    m_pPaintManager->m_bEmbossedDisabledText = bEmboss;
    CDibSurface surface(80, 30, kBack);
    Draw(surface, pControl, CRect(0, 0, 70, 24));
    EXPECT_EQ(bEmboss != FALSE, surface.CountPixels(clrEmboss) > 0);
    // The text lies over its emboss: as many of its pixels as when enabled.
    pControl->SetEnabled(TRUE);
    const COLORREF clrEnabled = m_pPaintManager->GetControlTextColor(pControl);
    CDibSurface enabled(80, 30, kBack);
    Draw(enabled, pControl, CRect(0, 0, 70, 24));
    pControl->SetEnabled(FALSE);
    EXPECT_EQ(enabled.CountPixels(clrEnabled), surface.CountPixels(clrText));
  }
}

// Drop-down glyphs and check marks --------------------------------------------------------------

TEST_F(ControlDrawingTest, ADropDownGlyphFollowsAPopupsCaptionExceptOnAMenuBar) {
  // The glyph takes the tool-bar text colour of the state; the caption the bar's.
  const COLORREF clrGlyph = CTestControlsPaintManager::StateTextColor(0, 0, 1, 0, 0,
                                                                      tkBarTypeNormal, tkBarTop);
  CTKControl* pControl = Add(m_pBar, tkControlPopup, 110, "View", tkButtonAutomatic);
  const CSize sz = Measure(pControl);
  const int cxText = Extent(m_pPaintManager->m_fontRegular, "View").cx;
  // Centred with the glyph 5 pixels past the text: its box ends 10 pixels on.
  const int xText = (sz.cx - (cxText + 5)) / 2;
  const CRect rcGlyph(xText + cxText + 1, 0, xText + cxText + 10, sz.cy);
  CDibSurface surface(sz.cx, sz.cy, kBack);
  Draw(surface, pControl, CRect(CPoint(0, 0), sz));
  EXPECT_GT(surface.CountPixels(rcGlyph, clrGlyph), 0);
  EXPECT_EQ(0, surface.CountPixels(CRect(0, 0, xText, sz.cy), clrGlyph)) << "nothing before";

  m_pBar->SetType(tkBarTypeMenuBar);
  CDibSurface menu(sz.cx, sz.cy, kBack);
  Draw(menu, pControl, CRect(CPoint(0, 0), sz));
  EXPECT_EQ(0, menu.CountPixels(clrGlyph)) << "menu titles show no glyph";
}

TEST_F(ControlDrawingTest, APopupIconWithoutCaptionHasTheGlyphSevenPixelsFromTheRight) {
  AddIcon(111, 16, 16);
  const COLORREF clrGlyph = CTestControlsPaintManager::StateTextColor(0, 0, 1, 0, 0,
                                                                      tkBarTypeNormal, tkBarTop);
  CTKControl* pControl = Add(m_pBar, tkControlPopup, 111, "Colour", tkButtonIcon);
  const CSize sz = Measure(pControl);
  CDibSurface surface(sz.cx, sz.cy, kBack);
  Draw(surface, pControl, CRect(CPoint(0, 0), sz));
  EXPECT_GT(surface.CountPixels(CRect(sz.cx - 12, 0, sz.cx - 2, sz.cy), clrGlyph), 0);
  EXPECT_EQ(0, surface.CountPixels(CRect(0, 0, sz.cx - 12, sz.cy), clrGlyph));
}

TEST_F(ControlDrawingTest, ACaptionBelowWithAPopupHasTheGlyphUnderItsLine) {
  const int cyLine = Extent(m_pPaintManager->m_fontRegular, "Paste").cy;
  int arrBelow[2] = {0, 0};
  for (bool bPopup : {false, true}) {
    CTKControl* pControl = Add(m_pBar, bPopup ? tkControlButtonPopup : tkControlButton, 112,
                               "Paste", tkButtonIconAndCaptionBelow);
    if (bPopup)
      static_cast<CTKControlPopup*>(pControl)->SetCommandBar(CTKPopupBar::CreatePopupBar(nullptr));
    const CSize sz = Measure(pControl);
    CDibSurface surface(sz.cx, sz.cy, kBack);
    Draw(surface, pControl, CRect(CPoint(0, 0), sz));
    // The caption's two-line box ends a pixel above the bottom; its one line
    // is drawn in the upper half, the glyph below it.
    const int yMid = sz.cy - 1 - cyLine;
    const CRect rcBelow(0, yMid + 3, sz.cx, sz.cy);
    arrBelow[bPopup] = rcBelow.Width() * rcBelow.Height() -
                       surface.CountPixels(rcBelow, CTestThemePaintManager::kIdleFace);
    const CRect rcLine(0, 0, sz.cx, yMid + 3);
    EXPECT_GT(rcLine.Width() * rcLine.Height(),
              surface.CountPixels(rcLine, CTestThemePaintManager::kIdleFace) + 10)
        << "the caption";
  }
  EXPECT_GT(arrBelow[1], arrBelow[0] + 5) << "the glyph under the line";
}

TEST_F(ControlDrawingTest, ACheckBoxIsItsMarkThenItsCaption) {
  const CSize szCaption = Extent(m_pPaintManager->m_fontRegular, "Wrap");
  const CSize szButton = m_pBar->GetButtonSize();
  CTKControl* pCheck = Add(m_pBar, tkControlCheckBox, 113, "Wrap", tkButtonCaption);
  const CSize sz = Measure(pCheck);
  EXPECT_EQ(CSize(szCaption.cx + 8 + 13 + 5, std::max<int>(szCaption.cy + 6, szButton.cy)), sz);
  CTKControl* pHidden = Add(m_pBar, tkControlRadioButton, 114, "Wrap", tkButtonIcon);
  EXPECT_EQ(sz, Measure(pHidden)) << "a mark always shows its caption";

  for (int nSelected : {0, 2}) {
    pCheck->SetSelected(nSelected);
    CDibSurface surface(sz.cx, sz.cy, kBack);
    Draw(surface, pCheck, CRect(CPoint(0, 0), sz));
    // No face: the mark and the caption stand on the bar.
    EXPECT_EQ(kBack, surface.GetPixel(1, 1)) << nSelected;
    EXPECT_EQ(0, surface.CountPixels(CTestThemePaintManager::kIdleFace));
    const int yMark = (sz.cy - 13) / 2;
    EXPECT_NE(kBack, surface.GetPixel(3, yMark)) << "the mark's frame";
    // Keyboard focus: a dotted frame around the caption's area.
    const int nFocus = sz.cx - 18 - surface.CountPixels(CRect(18, 0, sz.cx, 1), kBack);
    if (nSelected == 2)
      EXPECT_GT(nFocus, 0);
    else
      EXPECT_EQ(0, nFocus);
  }
}

// Edits and combo boxes --------------------------------------------------------------------------

TEST_F(ControlDrawingTest, AComboBoxButtonFollowsTheFieldHeight) {
  struct Case {
    int cyField;
    int cxButton;
  } cases[] = {{20, 15}, {28, 19}, {14, 15}, {40, 27}};
  for (const Case& c : cases)
    EXPECT_EQ(c.cxButton, m_pPaintManager->GetComboDropDownButtonWidth(c.cyField)) << c.cyField;
}

TEST_F(ControlDrawingTest, AComboBoxIsAtLeastTwentyPixelsHighWithoutAControlHeight) {
  m_pPaintManager->m_nControlHeight = 0;  // as before the first refresh
  CTKControl* pCombo = Add(m_pBar, tkControlComboBox, 150, "", tkButtonIcon);
  CTKControl* pEdit = Add(m_pBar, tkControlEdit, 151, "", tkButtonIcon);
  pCombo->SetWidth(120);
  pEdit->SetWidth(120);
  struct Case {
    int nCell;  // the icon-title font's cell height
    int cyCombo, cyEdit;
    int cxButton;  // MulDiv(cyCombo, 9, 14) + 1, at least 15
  } cases[] = {{13, 20, 20, 15}, {10, 20, 17, 15}, {16, 23, 23, 16}};
  for (const Case& c : cases) {
    m_pPaintManager->m_fontIconTitle.DeleteObject();
    LOGFONT lf = {};
    lf.lfHeight = c.nCell;
    lstrcpyA(lf.lfFaceName, "Tahoma");
    m_pPaintManager->m_fontIconTitle.CreateFontIndirect(&lf);
    ASSERT_EQ(c.nCell, Extent(m_pPaintManager->m_fontIconTitle, " ").cy);
    EXPECT_EQ(CSize(120, c.cyCombo), Measure(pCombo)) << c.nCell;
    EXPECT_EQ(CSize(120, c.cyEdit), Measure(pEdit)) << c.nCell;
    // The button follows the field's own height and stays in the combo box.
    EXPECT_EQ(c.cxButton, static_cast<CTKControlComboBox*>(pCombo)->GetDropDownButtonWidth())
        << c.nCell;
  }
  m_pPaintManager->m_nControlHeight = 28;
  EXPECT_EQ(CSize(120, 28), Measure(pCombo));
  EXPECT_EQ(19, static_cast<CTKControlComboBox*>(pCombo)->GetDropDownButtonWidth());
}

TEST_F(ControlDrawingTest, AnEditsLabelIsItsIconAndCaption) {
  AddIcon(161, 16, 16);
  const int cxFind = Extent(m_pPaintManager->m_fontRegular, "Find").cx;
  const int cxGripper = m_pPaintManager->GetPopupBarGripperWidth(m_pPopup);
  struct Case {
    bool bPopup;
    int nId;  // 161 has an icon
    int nStyle;
    int cxLabel;
  } cases[] = {
      {false, 160, tkButtonIcon, 0},  // hidden caption, no image
      {false, 161, tkButtonIcon, 4 + 16},
      {false, 160, tkButtonCaption, cxFind + 5},
      {false, 161, tkButtonIconAndCaption, 4 + 16 + cxFind + 5},
      {true, 160, tkButtonAutomatic, cxGripper + m_pPaintManager->m_nPopupTextGap + cxFind + 5},
  };
  for (const Case& c : cases) {
    CTKCommandBar* pBar = c.bPopup ? static_cast<CTKCommandBar*>(m_pPopup) : m_pBar;
    CTKControlEdit* pEdit =
        static_cast<CTKControlEdit*>(Add(pBar, tkControlEdit, c.nId, "&Find", c.nStyle));
    pEdit->SetWidth(100);
    const CSize sz = Measure(pEdit);
    EXPECT_EQ(c.cxLabel, pEdit->GetLabelWidth()) << c.nId << " " << c.nStyle;
    EXPECT_EQ(c.bPopup ? cxGripper + 100 : 100, sz.cx);
  }
}

TEST_F(ControlDrawingTest, AnEditDrawsItsLabelAndLeavesTheField) {
  AddIcon(171, 16, 16);
  CTKControl* pEdit = Add(m_pBar, tkControlEdit, 170, "Find", tkButtonCaption);
  const COLORREF clrLabel = CTestControlsPaintManager::StateTextColor(0, 0, 1, 0, 0,
                                                                      tkBarTypeNormal, tkBarTop);
  CDibSurface surface(160, 30, kBack);
  Draw(surface, pEdit, CRect(10, 0, 150, 22));
  EXPECT_EQ(0, surface.CountPixels(CRect(0, 0, 12, 22), clrLabel));
  EXPECT_GT(surface.CountPixels(CRect(12, 0, 40, 22), clrLabel), 0);
  EXPECT_TRUE(m_pPaintManager->m_images.empty());

  CTKControl* pIconEdit = Add(m_pBar, tkControlEdit, 171, "Find", tkButtonIconAndCaption);
  CDibSurface iconSurface(160, 30, kBack);
  Draw(iconSurface, pIconEdit, CRect(10, 0, 150, 22));
  ASSERT_EQ(1u, m_pPaintManager->m_images.size());
  EXPECT_EQ(CPoint(13, 3), m_pPaintManager->m_images[0].pt);
  EXPECT_EQ(0, iconSurface.CountPixels(CRect(29, 0, 32, 22), clrLabel));
  EXPECT_GT(iconSurface.CountPixels(CRect(32, 0, 60, 22), clrLabel), 0);
}

}  // namespace
