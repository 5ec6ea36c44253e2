// The controls the Office 2000 theme draws whole: pop-up rows (check, icon and
// arrow columns), rows of a command list, and the fields of edits and combo
// boxes.
#include <gtest/gtest.h>

#include "SupportControlBars.h"
#include "SupportOffice2000Palette.h"
#include "commandbars/TKCommandBars.h"
#include "commandbars/TKCommandBarsOptions.h"
#include "commandbars/TKControlComboBox.h"
#include "commandbars/TKControlEdit.h"

namespace {

const COLORREF kIcon = RGB(0x30, 0x60, 0xA0);  // what AddIcon paints
const UINT kIconId = 50;

class Office2000ControlsTest : public ControlBarsTestOf<CTKCommandBarsOffice2000Theme> {
 protected:
  void SetUp() override {
    ControlBarsTestOf<CTKCommandBarsOffice2000Theme>::SetUp();
    SetOffice2000TestPalette(m_pPaintManager);
    // A text line lower than the 16-pixel icons: a cell is the icon and 4.
    m_pPaintManager->m_nTextHeight = 10;
    AddIcon(kIconId, 16, 16);
  }
  /// A 200 x 22 row of the pop-up on white.
  CTKControl* DrawRow(CDibSurface& surface, int nType, BOOL bIcon, int nSelected, int nChecked,
                      BOOL bEnabled) {
    CTKControl* pControl = Add(m_pPopup, nType, bIcon ? kIconId : 51, "Open", tkButtonAutomatic);
    pControl->SetSelected(nSelected);
    pControl->SetChecked(nChecked);
    pControl->SetEnabled(bEnabled);
    Draw(surface, pControl, CRect(0, 0, 200, 22));
    return pControl;
  }
};

TEST_F(Office2000ControlsTest, ACellIsTheTextLineOrTheIconAndFourPixels) {
  EXPECT_EQ(CSize(20, 20), m_pPaintManager->GetPopupBarGripperSize(m_pPopup));
  m_pPopup->SetIconSize(CSize(32, 24));
  EXPECT_EQ(CSize(36, 28), m_pPaintManager->GetPopupBarGripperSize(m_pPopup));
  EXPECT_EQ(37, m_pPaintManager->GetPopupBarGripperWidth(m_pPopup));
  m_pPaintManager->m_nTextHeight = 40;
  EXPECT_EQ(CSize(40, 40), m_pPaintManager->GetPopupBarGripperSize(m_pPopup));
}

struct Probe {
  int x, y;
  COLORREF clr;
};

struct RowCase {
  const char* pszName;
  int nType;
  BOOL bIcon;
  int nSelected;
  int nChecked;
  BOOL bEnabled;
  Probe probes[3];
  CRect rcMark;  ///< where `clrMark` must show (a mark, glyph or text)
  COLORREF clrMark;
};

class Office2000RowTest : public Office2000ControlsTest,
                          public ::testing::WithParamInterface<RowCase> {};

TEST_P(Office2000RowTest, TheRowsColumnsByState) {
  const RowCase& c = GetParam();
  CDibSurface surface(200, 22, kWhite);
  DrawRow(surface, c.nType, c.bIcon, c.nSelected, c.nChecked, c.bEnabled);
  for (const Probe& probe : c.probes) {
    if (probe.clr == CLR_NONE) continue;
    EXPECT_EQ(probe.clr, surface.GetPixel(probe.x, probe.y))
        << c.pszName << " at " << probe.x << ", " << probe.y;
  }
  EXPECT_GT(surface.CountPixels(c.rcMark, c.clrMark), 0) << c.pszName;
}

const Probe kNoProbe = {0, 0, CLR_NONE};

INSTANTIATE_TEST_SUITE_P(
    Rows, Office2000RowTest,
    ::testing::Values(
        // Highlighted across the row, the caption in highlight text.
        RowCase{"selected", tkControlButton, FALSE, 1, 0, TRUE,
                {{1, 1, kHighlight}, {150, 20, kHighlight}, kNoProbe},
                CRect(20, 0, 100, 22), kHighlightText},
        // The check cell sunken on the dither, the mark in the menu text.
        RowCase{"checked", tkControlButton, FALSE, 0, 1, TRUE,
                {{0, 0, kShadow}, {19, 21, kLightEdge}, {100, 1, kWhite}},
                CRect(1, 1, 19, 21), kMenuText},
        RowCase{"checked radio, disabled", tkControlRadioButton, FALSE, 0, 1, FALSE,
                {{0, 0, kShadow}, kNoProbe, kNoProbe}, CRect(1, 1, 19, 21), kGrayText},
        // A hot icon rises in its cell; the highlight starts a pixel after it.
        RowCase{"selected with icon", tkControlButton, TRUE, 1, 0, TRUE,
                {{0, 0, kLightEdge}, {20, 5, kWhite}, {21, 5, kHighlight}},
                CRect(2, 3, 18, 19), kIcon},
        // The sub-menu arrow in the square at the right end, 4 pixels in.
        RowCase{"sub-menu", tkControlPopup, FALSE, 0, 0, TRUE,
                {kNoProbe, kNoProbe, kNoProbe}, CRect(182, 4, 196, 18), kMenuText},
        // A split row's divider 20 pixels from the right, in the menu text
        // (shadow when selected).
        RowCase{"split", tkControlSplitButtonPopup, FALSE, 0, 0, TRUE,
                {{180, 1, kMenuText}, {180, 20, kMenuText}, {180, 0, kWhite}},
                CRect(182, 4, 196, 18), kMenuText},
        RowCase{"split, selected", tkControlSplitButtonPopup, FALSE, 1, 0, TRUE,
                {{180, 10, kShadow}, {100, 1, kHighlight}, kNoProbe}, CRect(182, 4, 196, 18),
                kHighlightText}));

TEST_F(Office2000ControlsTest, ADoubleGripperKeepsTheCheckInTheFirstCellAndTheIconInTheSecond) {
  m_pPopup->SetDoubleGripper(TRUE);
  CDibSurface surface(200, 22, kWhite);
  DrawRow(surface, tkControlButton, TRUE, 0, 1, TRUE);
  EXPECT_GT(surface.CountPixels(CRect(1, 1, 19, 21), kMenuText), 0) << "the mark";
  EXPECT_EQ(0, surface.CountPixels(CRect(0, 0, 20, 22), kIcon));
  EXPECT_EQ(kIcon, surface.GetPixel(21 + 10, 11));
  // The icon's cell is not checked: no dither behind it.
  EXPECT_EQ(kWhite, surface.GetPixel(22, 1));

  // A single gripper puts the checked icon in the first cell, with no mark.
  m_pPopup->SetDoubleGripper(FALSE);
  CDibSurface single(200, 22, kWhite);
  DrawRow(single, tkControlButton, TRUE, 0, 1, TRUE);
  EXPECT_EQ(kIcon, single.GetPixel(10, 11));
  EXPECT_EQ(0, single.CountPixels(CRect(0, 0, 20, 22), kMenuText));
}

// Edit fields and combo boxes --------------------------------------------------------------

struct FieldCase {
  const char* pszName;
  int nSelected;
  BOOL bEnabled;
  COLORREF clrEdge;    ///< (0, 5): the sunken frame of a hot field
  COLORREF clrInner;   ///< (1, 5): the frame one pixel in
  COLORREF clrInside;  ///< (5, 5)
};

class Office2000FieldTest : public Office2000ControlsTest,
                            public ::testing::WithParamInterface<FieldCase> {};

TEST_P(Office2000FieldTest, TheFieldIsFilledAndFramedByState) {
  const FieldCase& c = GetParam();
  for (int nType : {tkControlEdit, tkControlComboBox}) {
    CTKControl* pControl = Add(m_pBar, nType, 60, "", tkButtonIcon);
    pControl->SetWidth(120);
    const CSize sz = Measure(pControl);
    pControl->SetSelected(c.nSelected);
    pControl->SetEnabled(c.bEnabled);
    CDibSurface surface(120, sz.cy, kWhite);
    Draw(surface, pControl, CRect(CPoint(0, 0), sz));
    EXPECT_EQ(c.clrEdge, surface.GetPixel(0, 5)) << c.pszName << " " << nType;
    EXPECT_EQ(c.clrInner, surface.GetPixel(1, 5)) << c.pszName << " " << nType;
    EXPECT_EQ(c.clrInside, surface.GetPixel(5, 5)) << c.pszName << " " << nType;
  }
}

INSTANTIATE_TEST_SUITE_P(
    States, Office2000FieldTest,
    ::testing::Values(FieldCase{"idle", 0, TRUE, kWhite, kFace, kWindow},
                      FieldCase{"hot", 1, TRUE, kShadow, kFace, kWindow},
                      FieldCase{"disabled", 0, FALSE, kWhite, kLightEdge, kWhite},
                      FieldCase{"disabled, keyboard selection", 2, FALSE, kWhite, kShadow,
                                kWhite}));

TEST_F(Office2000ControlsTest, AnEditsSpinButtonsAreFramedInTheWindowColour) {
  CTKControlEdit* pEdit =
      static_cast<CTKControlEdit*>(Add(m_pBar, tkControlEdit, 61, "", tkButtonIcon));
  pEdit->SetWidth(120);
  pEdit->ShowSpinButtons(TRUE);
  const CSize sz = Measure(pEdit);
  CDibSurface surface(120, sz.cy, kWhite);
  Draw(surface, pEdit, CRect(CPoint(0, 0), sz));
  const CRect rcSpin = pEdit->GetSpinButtonsRect();
  ASSERT_FALSE(rcSpin.IsRectEmpty());
  EXPECT_EQ(kWindow, surface.GetPixel(rcSpin.left + 1, rcSpin.top + 1));
  EXPECT_EQ(kFace, surface.GetPixel(rcSpin.left + 2, rcSpin.top + 2));
  EXPECT_GT(surface.CountPixels(rcSpin, kButtonText), 0) << "the arrows";
}

TEST_F(Office2000ControlsTest, AComboKeepsItsButtonWidthAndDrawsTheButtonAtTheFieldsEnd) {
  CTKControlComboBox* pCombo =
      static_cast<CTKControlComboBox*>(Add(m_pBar, tkControlComboBox, 62, "", tkButtonIcon));
  pCombo->SetWidth(120);
  const CSize sz = Measure(pCombo);
  const int cxButton = m_pPaintManager->GetComboDropDownButtonWidth(sz.cy);
  EXPECT_EQ(cxButton, pCombo->GetDropDownButtonWidth());
  EXPECT_EQ(0, pCombo->GetLabelWidth());
  CDibSurface surface(120, sz.cy, kWhite);
  Draw(surface, pCombo, CRect(CPoint(0, 0), sz));
  // The button, 1 pixel in at the left and 2 elsewhere, framed in the light edge.
  const int xButton = 120 - cxButton + 1;
  EXPECT_EQ(kLightEdge, surface.GetPixel(xButton, 2));
  EXPECT_EQ(kFace, surface.GetPixel(xButton + 1, 3));
  EXPECT_EQ(kWindow, surface.GetPixel(xButton - 3, 5)) << "the field runs up to the button";
  EXPECT_GT(surface.CountPixels(CRect(xButton, 0, 120, sz.cy), kButtonText), 0) << "the arrow";
}

// Command lists ----------------------------------------------------------------------------

TEST_F(Office2000ControlsTest, AListRowIsTheIconCellTheCaptionAndTheKindsSample) {
  CTKControl* pButton = Add(m_pBar, tkControlButton, kIconId, "&Open", tkButtonAutomatic);
  CDibSurface surface(200, 20, kWhite);
  CDC* pDC = surface.GetDC();
  EXPECT_EQ(CSize(20, 20),
            m_pPaintManager->DrawListBoxControl(pDC, pButton, CRect(0, 0, 200, 20), FALSE, FALSE,
                                                nullptr));
  EXPECT_EQ(surface.CountPixels(kWhite), 200 * 20) << "measuring draws nothing";

  CTKCommandBars commandBars;
  commandBars.GetCommandBarsOptions()->szPopupIcons = CSize(32, 24);
  EXPECT_EQ(CSize(36, 28), m_pPaintManager->DrawListBoxControl(pDC, pButton, CRect(0, 0, 200, 20),
                                                               FALSE, FALSE, &commandBars));

  m_pPaintManager->DrawListBoxControl(pDC, pButton, CRect(0, 0, 200, 20), TRUE, TRUE, nullptr);
  EXPECT_EQ(kLightEdge, surface.GetPixel(0, 0)) << "a hot icon cell rises";
  EXPECT_EQ(kIcon, surface.GetPixel(10, 10));
  EXPECT_EQ(kHighlight, surface.GetPixel(21, 1)) << "selected right of the cell";
  EXPECT_GT(surface.CountPixels(CRect(24, 0, 100, 20), kHighlightText), 0) << "the caption";

  CTKControl* pCombo = Add(m_pBar, tkControlComboBox, 63, "Size", tkButtonAutomatic);
  CDibSurface combo(200, 20, kWhite);
  m_pPaintManager->DrawListBoxControl(combo.GetDC(), pCombo, CRect(0, 0, 200, 20), FALSE, TRUE,
                                      nullptr);
  EXPECT_EQ(kFace, combo.GetPixel(1, 1));
  EXPECT_EQ(kWindow, combo.GetPixel(150, 10)) << "the sample field";
  EXPECT_EQ(kFace, combo.GetPixel(195, 2)) << "framed in the face colour";
  EXPECT_GT(combo.CountPixels(CRect(175, 0, 196, 20), kButtonText), 0) << "the combo's arrow";

  CDibSurface none(20, 20, kWhite);
  EXPECT_EQ(CSize(0, 0), m_pPaintManager->DrawListBoxControl(none.GetDC(), nullptr,
                                                             CRect(0, 0, 20, 20), FALSE, TRUE,
                                                             nullptr));
  EXPECT_EQ(none.CountPixels(kFace), 20 * 20);
}

}  // namespace
