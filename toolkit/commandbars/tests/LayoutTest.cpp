// Bar control layout: wrapping at group starts, hiding what does not fit,
// the square shape of floating bars, far-end and stretched controls, the
// column layout's reductions, and hidden controls that still count.
#include <gtest/gtest.h>

#include "SupportPaintManager.h"
#include "SupportSite.h"
#include "commandbars/TKControlClasses.h"
#include "commandbars/TKControls.h"
#include "common/TKDpiHelper.h"
#include "common/TKImageManager.h"

namespace {

const CRect kBorders(2, 2, 2, 2);
// References, read when a test runs: the sizes are globals of another file,
// of the sizes' own type (binding an int to a LONG would copy it at start-up),
// and the order in which two files' globals are made is not fixed.
const LONG& kButton = CTestPaintManager::kIconButton.cx;
const LONG& kSeparator = CTestPaintManager::kSeparator.cx;

class LayoutTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TKDpiHelper()->OverrideDpi(96, 96);
    m_pBar = new CTestBar;
    m_dc.CreateCompatibleDC(NULL);
  }
  void TearDown() override { m_pBar->InternalRelease(); }

  CTKControls* Controls() { return m_pBar->GetControls(); }
  CTKControl* Control(int nIndex) { return Controls()->GetAt(nIndex); }
  /// Buttons; every index in `groups` begins a group.
  void AddButtons(int nCount, std::initializer_list<int> groups = {}) {
    for (int i = 0; i < nCount; ++i) Controls()->AddNew(tkControlButton, 100 + i);
    for (int nIndex : groups) Control(nIndex)->SetBeginGroup(TRUE);
  }
  CSize Layout(int nLength, DWORD dwMode) {
    m_dwMode = dwMode | TKLM_COMMIT;
    return Controls()->CalcBarLayout(&m_dc, nLength, m_dwMode, kBorders, 0);
  }

  CTestGlobalPaintManager m_paintManager;
  CTestBar* m_pBar = nullptr;
  CDC m_dc;
  DWORD m_dwMode = 0;
};

/// The length of eight buttons in groups of four, three and one.
int EightButtons() { return 8 * kButton + 2 * kSeparator + kBorders.left + kBorders.right; }

TEST_F(LayoutTest, ARowBreaksAtTheGroupOfTheFirstButtonThatDoesNotFit) {
  AddButtons(10, {4, 7});
  const CSize sz = Layout(EightButtons() + 5, TKLM_HORZDOCK);
  for (int i = 0; i < 10; ++i) EXPECT_EQ(Control(i)->GetWrap(), i == 7) << i;
  EXPECT_EQ(Control(7)->GetRect().left, kBorders.left);
  // A row that begins a group keeps a separator's height from the one above.
  EXPECT_EQ(Control(7)->GetRect().top, Control(6)->GetRect().bottom + kSeparator);
  EXPECT_EQ(Control(9)->GetRect().top, Control(7)->GetRect().top);
  EXPECT_EQ(sz.cy,
            2 * CTestPaintManager::kIconButton.cy + kSeparator + kBorders.top + kBorders.bottom);
  EXPECT_TRUE(m_dwMode & TKLM_STRETCH);
}

TEST_F(LayoutTest, AGroupThatFitsIsNotBroken) {
  AddButtons(10, {4, 7});
  Layout(10 * kButton + 2 * kSeparator + 4, TKLM_HORZDOCK);
  for (int i = 0; i < 10; ++i) EXPECT_FALSE(Control(i)->GetWrap()) << i;
  EXPECT_FALSE(m_dwMode & TKLM_STRETCH);
}

TEST_F(LayoutTest, HideModeKeepsOneRowAndHidesWhatDoesNotFit) {
  AddButtons(10, {4, 7});
  const CSize sz = Layout(EightButtons() + 5, TKLM_HORZDOCK | TKLM_HIDEWRAP);
  for (int i = 0; i < 10; ++i) {
    EXPECT_FALSE(Control(i)->GetWrap()) << i;
    EXPECT_EQ(Control(i)->GetHideFlags(), i >= 8 ? static_cast<DWORD>(TKHIDE_WRAP) : 0u) << i;
  }
  EXPECT_EQ(sz.cy, CTestPaintManager::kIconButton.cy + kBorders.top + kBorders.bottom);
  EXPECT_TRUE(m_dwMode & TKLM_STRETCH);

  // With room again they come back.
  Layout(1000, TKLM_HORZDOCK | TKLM_HIDEWRAP);
  for (int i = 0; i < 10; ++i) EXPECT_EQ(Control(i)->GetHideFlags(), 0u) << i;
}

TEST_F(LayoutTest, AFloatingBarOfTwelveButtonsIsNearlySquare) {
  AddButtons(12);
  const CSize sz = Layout(0, TKLM_POPUP);
  int nRows = 1;
  for (int i = 0; i < 12; ++i) nRows += Control(i)->GetWrap() ? 1 : 0;
  EXPECT_EQ(nRows, 4);
  EXPECT_EQ(sz.cx, 3 * kButton + kBorders.left + kBorders.right);
  EXPECT_EQ(sz.cy, 4 * CTestPaintManager::kIconButton.cy + kBorders.top + kBorders.bottom);
}

TEST_F(LayoutTest, AFarEndControlSitsAtTheRightEnd) {
  AddButtons(3);
  Control(2)->SetFlags(TKFLAG_RIGHTALIGN);
  const CSize sz = Layout(300, TKLM_HORZDOCK | TKLM_STRETCH);
  EXPECT_EQ(sz.cx, 300);
  EXPECT_EQ(Control(2)->GetRect().right, 300 - kBorders.right);
  EXPECT_EQ(Control(1)->GetRect().left, kBorders.left + kButton);
}

TEST_F(LayoutTest, StretchedControlsShareTheFreeSpace) {
  AddButtons(4);
  Control(1)->SetFlags(TKFLAG_STRETCHED);
  Control(3)->SetFlags(TKFLAG_STRETCHED);
  Layout(300, TKLM_HORZDOCK | TKLM_STRETCH);
  const int nFree = 300 - kBorders.left - kBorders.right - 4 * kButton;
  EXPECT_EQ(Control(1)->GetRect().Width(), kButton + nFree / 2);
  EXPECT_EQ(Control(3)->GetRect().Width(), kButton + nFree - nFree / 2);
  EXPECT_EQ(Control(2)->GetRect().left, Control(1)->GetRect().right);
  EXPECT_EQ(Control(3)->GetRect().right, 300 - kBorders.right);
}

TEST_F(LayoutTest, AVerticalBarStacksTopToBottomAndCentresAcross) {
  AddButtons(3);
  m_paintManager->SetControlSize(101, CSize(30, 22));
  const CSize sz = Layout(200, TKLM_VERTDOCK);
  EXPECT_EQ(sz.cx, 30 + kBorders.left + kBorders.right);
  EXPECT_EQ(Control(1)->GetRect().top, Control(0)->GetRect().bottom);
  EXPECT_EQ(Control(0)->GetRect().left, kBorders.left + (30 - kButton) / 2);
}

TEST_F(LayoutTest, ControlsHiddenOnlyForLackOfRoomStillCount) {
  AddButtons(2);
  Control(0)->SetHideFlags(TKHIDE_WRAP);
  Control(1)->SetHideFlags(TKHIDE_WRAP);
  const CSize sz = Layout(300, TKLM_HORZDOCK);
  EXPECT_EQ(sz.cx, 2 * kButton + kBorders.left + kBorders.right);
  EXPECT_EQ(Control(1)->GetHideFlags(), 0u);

  Control(0)->SetVisible(FALSE);
  Control(1)->SetVisible(FALSE);
  EXPECT_EQ(Layout(300, TKLM_HORZDOCK), CSize(23 + 4, 22 + 4));
}

class ColumnLayoutTest : public LayoutTest {
 protected:
  void SetUp() override {
    LayoutTest::SetUp();
    m_pBar->SetStyle(m_pBar->GetStyle() | TKCBRS_SIZECONTROLS);
    CTKImageManager* pImages = new CTKImageManager;
    ASSERT_TRUE(AddTestIcons(pImages, {100, 101, 102, 103, 104, 105}, 32));
    m_pBar->SetImageManager(pImages);
    AddButtons(6, {3});
  }
  std::vector<int> Styles() {
    std::vector<int> styles;
    for (int i = 0; i < 6; ++i) styles.push_back(Control(i)->GetStyle());
    return styles;
  }
};

TEST_F(ColumnLayoutTest, ShorterBarsReduceTheLastLargeButtonsFirst) {
  const int L = tkButtonIconAndCaptionBelow, S = tkButtonIconAndCaption, I = tkButtonIcon;
  const int nGap = 6;
  const int nLarge = CTestPaintManager::kLargeButton.cx;
  const int nSmall = CTestPaintManager::kSmallButton.cx;
  const int nIcon = CTestPaintManager::kIconButton.cx;
  struct Case {
    int nInside;
    std::vector<int> styles;
  };
  const Case cases[] = {
      {6 * nLarge + nGap, {L, L, L, L, L, L}},
      {3 * nLarge + nGap + nSmall, {L, L, L, S, S, S}},
      {nSmall + nGap + nSmall, {S, S, S, S, S, S}},
      {nSmall + nGap + nIcon, {S, S, S, I, I, I}},
      {nIcon + nGap + nIcon, {I, I, I, I, I, I}},
  };
  for (const Case& c : cases) {
    const CSize sz = Layout(c.nInside + kBorders.left + kBorders.right, 0);
    EXPECT_EQ(Styles(), c.styles) << c.nInside;
    EXPECT_EQ(sz.cx, c.nInside + kBorders.left + kBorders.right) << c.nInside;
  }
}

TEST_F(ColumnLayoutTest, SmallButtonsStackThreeToAColumn) {
  Layout(2 * CTestPaintManager::kSmallButton.cx + 6 + 4, 0);
  EXPECT_EQ(Control(1)->GetRect().left, Control(0)->GetRect().left);
  EXPECT_EQ(Control(1)->GetRect().top, Control(0)->GetRect().bottom);
  EXPECT_TRUE(Control(3)->GetWrap());
  EXPECT_EQ(Control(3)->GetRect().left, Control(0)->GetRect().right + 6);
}

TEST_F(ColumnLayoutTest, HideModeHidesWhatStillDoesNotFit) {
  Layout(40 + kBorders.left + kBorders.right, TKLM_HIDEWRAP);
  for (int i = 0; i < 6; ++i)
    EXPECT_EQ(Control(i)->GetHideFlags(), i >= 3 ? static_cast<DWORD>(TKHIDE_WRAP) : 0u) << i;
  EXPECT_TRUE(m_dwMode & TKLM_STRETCH);
}

TEST_F(LayoutTest, TheWorkAreaLayoutStartsColumnsWhereTheHeightEnds) {
  AddButtons(5, {3});
  Control(4)->SetFlags(TKFLAG_WRAPROW);
  m_pBar->SetBarPosition(tkBarPopup);
  const CSize sz = Controls()->CalcWorkAreaLayout(&m_dc, 3 * 22 + 4, 0, kBorders);
  EXPECT_TRUE(Control(3)->GetWrap());
  EXPECT_TRUE(Control(4)->GetWrap());
  EXPECT_TRUE(m_pBar->IsMultiColumn());
  EXPECT_EQ(Control(3)->GetRect().left, Control(0)->GetRect().right + kSeparator);
  EXPECT_EQ(sz.cy, 3 * 22 + 4);
  EXPECT_EQ(Control(0)->GetRowRect().bottom, 3 * 22 + 2);
}

}  // namespace
