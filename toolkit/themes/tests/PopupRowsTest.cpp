// Rows of pop-up bars as the paint manager base lays out their texts: the
// icon column, caption and shortcut, the caption with a description below,
// labels, embossed disabled text and mnemonics.
#include <gtest/gtest.h>

#include "SupportControlBars.h"

namespace {

typedef ControlBarsTest PopupRowsTest;

TEST_F(PopupRowsTest, TheIconColumnIsOneCellOrTwoWithADoubleGripper) {
  const int nText = m_pPaintManager->GetTextHeight();
  const CSize szCell = m_pPaintManager->GetPopupBarGripperSize(m_pPopup);
  EXPECT_EQ(CSize(4 + std::max(nText, 16), std::max(nText, 16 + 6)), szCell);
  EXPECT_EQ(1 + szCell.cx, m_pPaintManager->GetPopupBarGripperWidth(m_pPopup));
  m_pPopup->SetDoubleGripper(TRUE);
  EXPECT_EQ(1 + 2 * szCell.cx, m_pPaintManager->GetPopupBarGripperWidth(m_pPopup));
  EXPECT_EQ(0, m_pPaintManager->GetPopupBarGripperWidth(m_pBar));
}

struct RowCase {
  int nType;
  const char* pszShortcut;
};

class PopupRowSizeTest : public ControlBarsTest, public ::testing::WithParamInterface<RowCase> {};

TEST_P(PopupRowSizeTest, ARowIsItsTextsTheGapsAndTheIconColumn) {
  const RowCase& c = GetParam();
  CTKControl* pControl = Add(m_pPopup, c.nType, 10, "&Open File", tkButtonAutomatic);
  pControl->SetShortcutText(c.pszShortcut);
  const int nGripper = m_pPaintManager->GetPopupBarGripperWidth(m_pPopup) - 1;
  const CSize szCaption = CalcRect(m_pPaintManager->m_fontRegular, "&Open File");
  const bool bShortcut = c.nType == tkControlButton && c.pszShortcut[0] != 0;
  const int cxShortcut = bShortcut ? CalcRect(m_pPaintManager->m_fontRegular, c.pszShortcut).cx : 0;
  EXPECT_EQ(CSize(32 + m_pPaintManager->m_nPopupTextGap + szCaption.cx + cxShortcut + nGripper,
                  m_pPaintManager->GetPopupBarGripperSize(m_pPopup).cy),
            Measure(pControl));
}

INSTANTIATE_TEST_SUITE_P(Rows, PopupRowSizeTest,
                         ::testing::Values(RowCase{tkControlButton, "Ctrl+O"},
                                           RowCase{tkControlButton, ""},
                                           RowCase{tkControlPopup, ""},
                                           RowCase{tkControlSplitButtonPopup, ""},
                                           // only buttons show a shortcut
                                           RowCase{tkControlButtonPopup, "Ctrl+O"}));

TEST_F(PopupRowsTest, AWidthAndHeightOfTheControlWin) {
  CTKControl* pControl = Add(m_pPopup, tkControlButton, 11, "Open", tkButtonAutomatic);
  pControl->SetWidth(200);
  pControl->SetHeight(40);
  EXPECT_EQ(CSize(200, 40), Measure(pControl));
}

TEST_F(PopupRowsTest, ALabelWithoutIconStartsAtTheRowsEdgeWhenLabelsAreNotIndented) {
  m_pPaintManager->m_bIndentPopupLabels = FALSE;
  CTKControl* pLabel = Add(m_pPopup, tkControlLabel, 12, "Recent", tkButtonCaption);
  const CSize szCaption = CalcRect(m_pPaintManager->m_fontRegular, "Recent");
  const int nGap = m_pPaintManager->m_nPopupTextGap;
  EXPECT_EQ(CSize(32 + nGap + szCaption.cx, m_pPaintManager->GetTextHeight()), Measure(pLabel));
  CDibSurface surface(200, 30, kBack);
  Draw(surface, pLabel, CRect(0, 0, 200, 20));
  EXPECT_EQ(0, surface.CountPixels(CRect(0, 0, nGap, 20), kText));
  EXPECT_GT(surface.CountPixels(CRect(nGap, 0, nGap + szCaption.cx, 20), kText), 0);

  // Indented, it starts after the icon column like every row.
  m_pPaintManager->m_bIndentPopupLabels = TRUE;
  const int nGripper = m_pPaintManager->GetPopupBarGripperWidth(m_pPopup) - 1;
  CDibSurface indented(200, 30, kBack);
  Draw(indented, pLabel, CRect(0, 0, 200, 20));
  EXPECT_EQ(0, indented.CountPixels(CRect(0, 0, nGripper + nGap, 20), kText));
}

TEST_F(PopupRowsTest, TheShortcutIsRightAlignedBeforeTheArrowColumn) {
  CTKControl* pControl = Add(m_pPopup, tkControlButton, 13, "Open", tkButtonAutomatic);
  pControl->SetShortcutText("Ctrl+O");
  CDibSurface surface(300, 30, kBack);
  Draw(surface, pControl, CRect(0, 0, 300, 22));
  const int cxShortcut = CalcRect(m_pPaintManager->m_fontRegular, "Ctrl+O").cx;
  EXPECT_GT(surface.CountPixels(CRect(300 - 19 - cxShortcut, 0, 300 - 19, 22), kText), 0);
  EXPECT_EQ(0, surface.CountPixels(CRect(300 - 19, 0, 300, 22), kText));
}

TEST_F(PopupRowsTest, ADisabledRowIsEmbossedOneDpiPixelLowerRightFirst) {
  CTKControl* pControl = Add(m_pPopup, tkControlButton, 14, "Open", tkButtonAutomatic);
  const COLORREF clrEmboss = SetEmbossColor();
  CDibSurface enabled(200, 30, kBack);
  Draw(enabled, pControl, CRect(0, 0, 200, 22));
  const int nText = enabled.CountPixels(kText);
  ASSERT_GT(nText, 0);
  EXPECT_EQ(0, enabled.CountPixels(clrEmboss));

  pControl->SetEnabled(FALSE);
  for (BOOL bEmboss : {TRUE, FALSE}) {
    m_pPaintManager->m_bEmbossedDisabledText = bEmboss;
    CDibSurface disabled(200, 30, kBack);
    Draw(disabled, pControl, CRect(0, 0, 200, 22));
    // The text lies whole over its emboss.
    EXPECT_EQ(nText, disabled.CountPixels(kText));
    EXPECT_EQ(bEmboss != FALSE, disabled.CountPixels(clrEmboss) > 0);
    if (!bEmboss) continue;
    // The emboss is the text moved by one pixel: right of and below every
    // stroke of the text lies its copy.
    int nBelowRight = 0;
    for (int y = 0; y < 29; ++y)
      for (int x = 0; x < 199; ++x)
        if (enabled.GetPixel(x, y) == kText && disabled.GetPixel(x + 1, y + 1) == clrEmboss)
          ++nBelowRight;
    EXPECT_GT(nBelowRight, 0);
  }
  // Selected, a disabled row is not embossed.
  m_pPaintManager->m_bEmbossedDisabledText = TRUE;
  pControl->SetSelected(1);
  CDibSurface selected(200, 30, kBack);
  Draw(selected, pControl, CRect(0, 0, 200, 22));
  EXPECT_EQ(0, selected.CountPixels(clrEmboss));
}

TEST_F(PopupRowsTest, MnemonicsAreUnderlinedOnlyWhileTheBarShowsKeyboardCues) {
  CTKControl* pControl = Add(m_pPopup, tkControlButton, 15, "&File", tkButtonAutomatic);
  CTKControl* pPlain = Add(m_pPopup, tkControlButton, 16, "File", tkButtonAutomatic);
  for (BOOL bCues : {TRUE, FALSE}) {
    m_pPopup->m_bCues = bCues;
    CDibSurface surface(200, 30, kBack);
    Draw(surface, pControl, CRect(0, 0, 200, 22));
    CDibSurface plain(200, 30, kBack);
    Draw(plain, pPlain, CRect(0, 0, 200, 22));
    EXPECT_EQ(bCues != FALSE, surface.CountPixels(kText) > plain.CountPixels(kText)) << bCues;
    // Without cues the caption is the plain one, and an ampersand is not text.
    if (!bCues) {
      EXPECT_EQ(plain.CountPixels(kText), surface.CountPixels(kText));
    }
  }
}

TEST_F(PopupRowsTest, ADescriptionWrapsBelowTheBoldCaption) {
  const char* pszDescription = "Opens a file from a folder of your computer or the network";
  CTKControl* pControl =
      Add(m_pPopup, tkControlButton, 17, "Open", tkButtonCaptionAndDescription);
  pControl->SetDescription(pszDescription);
  const int nGripper = m_pPaintManager->GetPopupBarGripperWidth(m_pPopup) - 1;
  const int nGap = m_pPaintManager->m_nPopupTextGap;
  const CSize szCaption = CalcRect(m_pPaintManager->m_fontBold, "Open");
  const int cxDescription = Extent(m_pPaintManager->m_fontRegular, pszDescription).cx;
  const int cyTwoLines = 2 * Extent(m_pPaintManager->m_fontRegular, "1").cy;
  const CSize sz = Measure(pControl);
  EXPECT_EQ(std::max<int>(32 + szCaption.cx + nGripper + nGap,
                          cxDescription / 2 + 32 + nGripper + nGap),
            sz.cx);
  EXPECT_EQ(19 + szCaption.cy + cyTwoLines, sz.cy);

  // Drawn at that size, the description takes the lines below the caption.
  CDibSurface surface(sz.cx + 20, sz.cy + 10, kBack);
  Draw(surface, pControl, CRect(0, 0, sz.cx, sz.cy));
  const int yDescription = Extent(m_pPaintManager->m_fontBold, " ").cy + 10 - 2;
  EXPECT_GT(surface.CountPixels(CRect(0, 0, sz.cx, yDescription), kText), 0);
  EXPECT_GT(surface.CountPixels(CRect(0, yDescription + cyTwoLines / 2, sz.cx, sz.cy), kText), 0);

  // Without a description the row is a plain one.
  pControl->SetDescription("");
  EXPECT_EQ(m_pPaintManager->GetPopupBarGripperSize(m_pPopup).cy, Measure(pControl).cy);
}

}  // namespace
