// The Office XP theme: faces and texts by state, the pop-up's opener edge,
// check marks in pop-ups, split rows and separators.
#include <gtest/gtest.h>

#include <algorithm>

#include "SupportControlBars.h"
#include "SupportIndexedColors.h"
#include "SupportPlacedBar.h"
#include "commandbars/TKCommandBarsDefines.h"
#include "commandbars/TKPopupBar.h"
#include "common/TKGlyphFont.h"
#include "testsupport/DibSurface.h"
#include "testsupport/HostWindow.h"
#include "themes/TKCommandBarsOfficeXPTheme.h"

namespace {

const COLORREF kWhite = RGB(255, 255, 255);

struct FaceCase {
  const char* pszName;
  int nSelected;
  int nPressed;
  BOOL bEnabled;
  int nChecked;
  BOOL bPopuped;
  int nBarPosition;
  int nFill;    // indexed colour inside, -1 for none
  int nBorder;  // indexed colour of the edge, -1 for none
};

class OfficeXPFaceTest : public ::testing::TestWithParam<FaceCase> {};

TEST_P(OfficeXPFaceTest, TheStatePicksTheFillAndTheBorder) {
  const FaceCase& c = GetParam();
  ThemeHolder holder;
  auto* pTheme = MakeSlottedTheme<CTKCommandBarsOfficeXPTheme>(1, holder);
  ASSERT_NE(pTheme, nullptr);
  CDibSurface surface(24, 24, kWhite);
  const int nBarType = c.nBarPosition == tkBarPopup ? tkBarTypePopup : tkBarTypeNormal;
  pTheme->DrawRectangle(surface.GetDC(), CRect(2, 2, 22, 22), c.nSelected, c.nPressed,
                        c.bEnabled, c.nChecked, c.bPopuped, nBarType, c.nBarPosition);
  EXPECT_EQ(surface.GetPixel(10, 10), c.nFill < 0 ? kWhite : SlotColor(c.nFill)) << c.pszName;
  const COLORREF clrEdge = c.nBorder >= 0 ? SlotColor(c.nBorder)
                           : c.nFill >= 0 ? SlotColor(c.nFill)
                                          : kWhite;
  EXPECT_EQ(surface.GetPixel(2, 10), clrEdge) << c.pszName;
  EXPECT_EQ(surface.GetPixel(21, 21), clrEdge) << c.pszName;
  EXPECT_EQ(surface.GetPixel(1, 1), kWhite) << c.pszName;
}

INSTANTIATE_TEST_SUITE_P(
    States, OfficeXPFaceTest,
    ::testing::Values(
        FaceCase{"idle", 0, 0, TRUE, 0, FALSE, tkBarTop, -1, -1},
        FaceCase{"hot", 1, 0, TRUE, 0, FALSE, tkBarTop, 31, 32},
        FaceCase{"pressed, mouse away", 0, 1, TRUE, 0, FALSE, tkBarTop, 31, 32},
        FaceCase{"hot and pressed", 1, 1, TRUE, 0, FALSE, tkBarTop, 33, 50},
        FaceCase{"pressed by keyboard", 0, 2, TRUE, 0, FALSE, tkBarTop, 33, 50},
        FaceCase{"checked", 0, 0, TRUE, 1, FALSE, tkBarTop, 36, 37},
        FaceCase{"checked and hot", 1, 0, TRUE, 1, FALSE, tkBarTop, 33, 50},
        FaceCase{"checked, hot and pressed", 1, 1, TRUE, 1, FALSE, tkBarTop, 33, 50},
        FaceCase{"indeterminate", 0, 0, TRUE, 2, FALSE, tkBarTop, 51, 37},
        FaceCase{"pop-up open", 1, 1, TRUE, 1, TRUE, tkBarTop, 30, 43},
        FaceCase{"pop-up open in a menu", 0, 0, TRUE, 0, TRUE, tkBarPopup, 30, 43},
        FaceCase{"disabled", 1, 0, FALSE, 0, FALSE, tkBarTop, -1, -1},
        FaceCase{"disabled, checked, tool bar", 0, 0, FALSE, 1, FALSE, tkBarTop, 36, 58},
        FaceCase{"disabled, checked, pop-up", 0, 0, FALSE, 1, FALSE, tkBarPopup, -1, 58},
        FaceCase{"disabled under the keyboard", 2, 0, FALSE, 0, FALSE, tkBarTop, 31, 32},
        FaceCase{"disabled, checked, keyboard", 3, 0, FALSE, 1, FALSE, tkBarTop, 33, 32},
        FaceCase{"disabled row under the keyboard", 2, 0, FALSE, 0, FALSE, tkBarPopup, 41,
                 32}));

struct TextCase {
  const char* pszName;
  int nSelected;
  int nPressed;
  BOOL bEnabled;
  BOOL bChecked;
  BOOL bPopuped;
  int nBarType;
  int nBarPosition;
  int nColor;
};

class OfficeXPTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(OfficeXPTextTest, TheStatePicksTheTextColour) {
  const TextCase& c = GetParam();
  ThemeHolder holder;
  auto* pTheme = MakeSlottedTheme<CTKCommandBarsOfficeXPTheme>(1, holder);
  EXPECT_EQ(pTheme->GetRectangleTextColor(c.nSelected, c.nPressed, c.bEnabled, c.bChecked,
                                          c.bPopuped, c.nBarType, c.nBarPosition),
            SlotColor(c.nColor))
      << c.pszName;
}

INSTANTIATE_TEST_SUITE_P(
    States, OfficeXPTextTest,
    ::testing::Values(TextCase{"menu row", 0, 0, TRUE, FALSE, FALSE, 2, 5, 44},
                      TextCase{"hot menu row", 1, 0, TRUE, FALSE, FALSE, 2, 5, 45},
                      TextCase{"disabled menu row", 1, 0, FALSE, FALSE, FALSE, 2, 5, 35},
                      TextCase{"tool-bar button", 0, 0, TRUE, FALSE, FALSE, 1, 0, 46},
                      TextCase{"disabled button", 0, 0, FALSE, FALSE, FALSE, 1, 0, 60},
                      TextCase{"open pop-up", 1, 0, TRUE, FALSE, TRUE, 0, 0, 46},
                      TextCase{"checked", 0, 0, TRUE, TRUE, FALSE, 1, 0, 45},
                      TextCase{"pressed by keyboard", 0, 2, TRUE, FALSE, FALSE, 1, 0, 47},
                      TextCase{"hot and pressed", 1, 1, TRUE, FALSE, FALSE, 1, 0, 47},
                      TextCase{"hot", 1, 0, TRUE, FALSE, FALSE, 1, 0, 45},
                      TextCase{"pressed only", 0, 1, TRUE, FALSE, FALSE, 1, 0, 45},
                      TextCase{"button on a pop-up position", 0, 0, TRUE, FALSE, FALSE, 1, 5,
                               44}));

TEST(OfficeXPTheme, SeparatorsMeasureThreeInPopupsAndSixElsewhere) {
  ThemeHolder holder;
  auto* pTheme = MakeSlottedTheme<CTKCommandBarsOfficeXPTheme>(1, holder);
  TKDpiHelper()->OverrideDpi(96, 96);
  for (int nPosition : {tkBarTop, tkBarLeft, tkBarFloating, tkBarPopup}) {
    CPlacedBar* pBar = new CPlacedBar;
    pBar->Place(nPosition, nPosition == tkBarPopup ? tkBarTypePopup : tkBarTypeNormal);
    const CSize sz = pTheme->DrawCommandBarSeparator(nullptr, pBar, nullptr, FALSE);
    EXPECT_EQ(sz, nPosition == tkBarPopup ? CSize(3, 3) : CSize(6, 6)) << nPosition;
    pBar->InternalRelease();
  }
}

TEST(OfficeXPTheme, TheCheckMarkTurnsWhiteOnADarkCheckedFill) {
  ThemeHolder holder;
  auto* pTheme = MakeSlottedTheme<CTKCommandBarsOfficeXPTheme>(1, holder);
  ASSERT_TRUE(TKGlyphFont()->EnsureLoaded());
  const int nChecked = 36;
  const COLORREF kGrey = RGB(128, 128, 128);
  struct Case {
    COLORREF clrChecked;
    COLORREF clrMark;
  } cases[] = {{RGB(255, 192, 111), RGB(0, 0, 0)}, {RGB(20, 20, 30), RGB(255, 255, 255)}};
  // The glyph is smoothed: count the pixels near black and near white.
  auto count = [](CDibSurface& surface, BOOL bDark) {
    int n = 0;
    for (int y = 0; y < 20; ++y) {
      for (int x = 0; x < 20; ++x) {
        const COLORREF clr = surface.GetPixel(x, y);
        const int nSum = GetRValue(clr) + GetGValue(clr) + GetBValue(clr);
        n += bDark ? nSum < 90 : nSum > 680;
      }
    }
    return n;
  };
  for (const Case& c : cases) {
    pTheme->SetIndexedColors(1, &nChecked, &c.clrChecked);
    CDibSurface surface(20, 20, kGrey);
    pTheme->DrawPopupCheckMark(surface.GetDC(), CRect(2, 2, 18, 18), FALSE, TRUE, FALSE);
    const BOOL bBlack = c.clrMark == RGB(0, 0, 0);
    EXPECT_GT(count(surface, bBlack), 0);
    EXPECT_EQ(count(surface, !bBlack), 0);
  }
}

// Rows of pop-ups drawn through the theme -------------------------------------------------

class OfficeXPRowsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TKDpiHelper()->OverrideDpi(96, 96);
    m_pTheme = MakeSlottedTheme<CTKCommandBarsOfficeXPTheme>(1, m_holder);
    m_pTheme->RefreshMetrics();
    FillSlots(m_pTheme);
    m_pPopup = new CTKPopupBar;
    // The bar drops the reference it is given when it goes.
    m_pPopup->SetPaintManager(m_pTheme);
    m_pTheme->InternalAddRef();
  }
  void TearDown() override { m_pPopup->InternalRelease(); }

  CScriptedSystemFonts m_fonts{-12};
  ThemeHolder m_holder;
  CTKCommandBarsOfficeXPTheme* m_pTheme = nullptr;
  CTKPopupBar* m_pPopup = nullptr;
};

TEST_F(OfficeXPRowsTest, ASplitRowWhoseCommandIsDisabledDrawsDisabled) {
  CTKControl* pControl = m_pPopup->GetControls()->AddNew(tkControlSplitButtonPopup, 10);
  pControl->SetCaption("Split");
  pControl->SetRect(CRect(0, 0, 150, 22));
  pControl->SetSelected(1);
  for (int nEnabled : {1, 5}) {
    pControl->SetEnabled(nEnabled);
    CDibSurface surface(150, 22, kWhite);
    m_pTheme->DrawControl(surface.GetDC(), pControl, TRUE);
    // An enabled hot row is filled with the highlight; a disabled one is
    // not, though its sub-menu can still open.
    EXPECT_EQ(surface.GetPixel(60, 11) == SlotColor(31), nEnabled == 1) << nEnabled;
    EXPECT_EQ(surface.CountPixels(SlotColor(35)) > 0, nEnabled == 5) << nEnabled;
  }
}

TEST_F(OfficeXPRowsTest, CommandListRowsShowTheBandTheHotFaceAndTheSampleFields) {
  const int nText = m_pTheme->GetTextHeight();
  const CSize szIcon = m_pTheme->GetAutoIconSize(FALSE);
  const CSize szRow(std::max<int>(nText, szIcon.cx) + 4, std::max<int>(nText, szIcon.cy + 6));
  const CRect rcRow(0, 0, 200, szRow.cy);
  const int yMid = szRow.cy / 2;
  struct Case {
    const char* name;
    int type;
    BOOL selected;
    CPoint at;
    int slot;
  } cases[] = {
      {"row", tkControlButton, FALSE, CPoint(120, 1), 41},
      {"hot row", tkControlButton, TRUE, CPoint(120, yMid), 31},
      {"split divider", tkControlSplitButtonPopup, FALSE, CPoint(180, yMid), 16},
      {"hot split divider", tkControlSplitButtonPopup, TRUE, CPoint(180, yMid), 32},
      {"edit field", tkControlEdit, FALSE, CPoint(150, yMid), 5},
      {"edit frame", tkControlEdit, FALSE, CPoint(199, yMid), 15},
      {"hot combo frame", tkControlComboBox, TRUE, CPoint(199, yMid), 32},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CTKControl* pControl = m_pPopup->GetControls()->AddNew(c.type, 10);
    pControl->SetCaption("&Row");
    EXPECT_EQ(szRow,
              m_pTheme->DrawListBoxControl(nullptr, pControl, rcRow, c.selected, FALSE, nullptr));
    CDibSurface surface(rcRow.Width(), rcRow.Height(), kWhite);
    EXPECT_EQ(szRow, m_pTheme->DrawListBoxControl(surface.GetDC(), pControl, rcRow, c.selected,
                                                  TRUE, nullptr));
    EXPECT_EQ(SlotColor(c.slot), surface.GetPixel(c.at.x, c.at.y));
    // The icon band runs down the left of every row.
    if (!c.selected) EXPECT_NE(SlotColor(41), surface.GetPixel(2, yMid));
    m_pPopup->GetControls()->RemoveAll();
  }
  // Without a control the row is only filled.
  CDibSurface surface(rcRow.Width(), rcRow.Height(), kWhite);
  EXPECT_EQ(CSize(0, 0),
            m_pTheme->DrawListBoxControl(surface.GetDC(), nullptr, rcRow, FALSE, TRUE, nullptr));
  EXPECT_EQ(SlotColor(41), surface.GetPixel(120, yMid));
}

// The pop-up's opener edge --------------------------------------------------------------

class OfficeXPOpenerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TKDpiHelper()->OverrideDpi(96, 96);
    ASSERT_TRUE(m_host.CreateHost(300, 200));
    m_pTheme = MakeSlottedTheme<CTKCommandBarsOfficeXPTheme>(1, m_holder);
  }

  /// A pop-up whose top row overlaps the bottom row of `pOpener` on `pBar`.
  CTKPopupBar* OpenBelow(CTKCommandBar* pBar, CTKControl* pOpener) {
    CRect rc = pOpener->GetRect();
    pBar->ClientToScreen(&rc);
    CTKPopupBar* pPopup = new CTKPopupBar;
    pPopup->SetControlPopup(pOpener);
    EXPECT_TRUE(pPopup->CreateEx(0, AfxRegisterWndClass(0), "", WS_POPUP, rc.left - 5,
                                 rc.bottom - 1, 100, 60, m_host.GetSafeHwnd(), NULL));
    return pPopup;
  }

  CTestHostWindow m_host;
  ThemeHolder m_holder;
  CTKCommandBarsOfficeXPTheme* m_pTheme = nullptr;
};

TEST_F(OfficeXPOpenerTest, OnlyAPopupOpenedFromABarOpensItsBorder) {
  for (int nType : {tkBarTypeMenuBar, tkBarTypeNormal, tkBarTypePopup}) {
    CPlacedBar* pBar = new CPlacedBar;
    pBar->Place(nType == tkBarTypePopup ? tkBarPopup : tkBarTop, nType);
    ASSERT_TRUE(pBar->CreateIn(m_host, 200, 30));
    CTKControl* pOpener = pBar->GetControls()->AddNew(tkControlPopup, 1);
    pOpener->SetRect(CRect(20, 4, 80, 26));
    CTKPopupBar* pPopup = OpenBelow(pBar, pOpener);

    CDibSurface surface(100, 60, kWhite);
    m_pTheme->FillCommandBarEntry(surface.GetDC(), pPopup);
    // The opener spans x = 5 to 65 of the pop-up's top row.
    const COLORREF clrTop = surface.GetPixel(30, 0);
    EXPECT_EQ(clrTop, nType == tkBarTypePopup ? SlotColor(43) : SlotColor(30)) << nType;
    EXPECT_EQ(surface.GetPixel(5, 0), SlotColor(43)) << "one pixel of border is kept";
    EXPECT_EQ(surface.GetPixel(80, 0), SlotColor(43));
    EXPECT_EQ(surface.GetPixel(50, 30), SlotColor(41));

    pPopup->DestroyWindow();
    pPopup->InternalRelease();
    pBar->DestroyWindow();
    pBar->InternalRelease();
  }
}

}  // namespace
