// The markup-drawn ribbon look of the system colours: which drawing each part
// takes in each state, captions set into the group drawings, the collapsed
// group's button, the caption height, and what still draws without drawings.
#include "SupportRibbon.h"
#include "commandbars/TKControls.h"
#include "common/TKDpiHelper.h"
#include "ribbon/TKRibbonControlTab.h"
#include "ribbon/TKRibbonGroup.h"
#include "ribbon/TKRibbonMarkupTheme.h"
#include "testsupport/DibSurface.h"
#include "themes/TKPaintManagerBase.h"
#include "themes/TKRibbonServices.h"

namespace {

using Look = CTKRibbonMarkupTheme;

/// Makes a tab hot as the mouse over it would.
class CHotStrip : public CTKRibbonControlTab {
 public:
  static void MakeHot(CTKRibbonControlTab* pStrip, CTKTabManagerItem* pItem) {
    static_cast<CHotStrip*>(pStrip)->m_pHighlighted = pItem;
  }
};

/// The markup look with no drawings loaded, as without the style resource.
class CUnloadedLook : public CTKRibbonMarkupTheme {
 public:
  using CTKRibbonMarkupTheme::CTKRibbonMarkupTheme;
  int GetCaptionHeight(CTKRibbonBar*) override { return 20; }
};

class RibbonMarkupThemeTest : public RibbonFrameTest {
 protected:
  void SetUp() override {
    TKDpiHelper()->OverrideDpi(96, 96);
    RibbonFrameTest::SetUp();
    m_pLook = new CTKRibbonThemeOffice2007System(m_pPaintManager);
    m_pLook->RefreshMetrics();
  }
  void TearDown() override {
    m_pLook->InternalRelease();
    RibbonFrameTest::TearDown();
  }
  CTKRibbonThemeOffice2007System* m_pLook = nullptr;
};

TEST_F(RibbonMarkupThemeTest, EveryDrawingOfTheStyleResourceLoads) {
  ASSERT_TRUE(m_pLook->IsPartsLoaded());
  for (int i = 0; i < Look::partCount; ++i)
    EXPECT_TRUE(m_pLook->GetPart(i)->IsLoaded()) << Look::GetPartItemName(i);
  for (int i = 0; i < Look::groupCount; ++i) EXPECT_TRUE(m_pLook->GetGroupPart(i)->IsLoaded()) << i;
  for (int i = 0; i < Look::systemMenuCount; ++i)
    EXPECT_TRUE(m_pLook->GetSystemMenuPart(i)->IsLoaded()) << i;
}

TEST_F(RibbonMarkupThemeTest, TheGroupCaptionIsDrawnAndRecolouredAlone) {
  const COLORREF kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255);
  CTKRibbonMarkupThemePartGroup* pPart = m_pLook->GetGroupPart(Look::groupNormal);
  const CRect rc(0, 0, 120, 90);
  pPart->SetCaptionColor(kRed);
  CDibSurface empty(120, 90);
  pPart->Render(empty.GetDC(), rc);
  EXPECT_EQ(0, empty.CountPixels(kRed)) << "no caption yet";

  pPart->SetCaption("Clipboard");
  CDibSurface red(120, 90);
  pPart->Render(red.GetDC(), rc);
  const int nRed = red.CountPixels(kRed);
  EXPECT_GT(nRed, 20);
  EXPECT_EQ(nRed, red.CountPixels(CRect(0, 70, 120, 90), kRed)) << "in the caption band";

  pPart->SetCaptionColor(kBlue);
  CDibSurface blue(120, 90);
  pPart->Render(blue.GetDC(), rc);
  EXPECT_EQ(0, blue.CountPixels(kRed));
  EXPECT_EQ(nRed, blue.CountPixels(kBlue));
  int nOther = 0;  // pixels that changed above the caption band (its text's
                   // smoothed edges blend with the colour, so the band is left out)
  for (int y = 0; y < 70; ++y)
    for (int x = 0; x < 120; ++x) nOther += red.GetPixel(x, y) != blue.GetPixel(x, y);
  EXPECT_EQ(0, nOther);
}

TEST_F(RibbonMarkupThemeTest, TabsTakeTheirDrawingByColourAndState) {
  struct Case {
    const char* name;
    int nColor;
    bool bSelected, bHot;
    const char* expected;  // item name, or null for no drawing
  } cases[] = {
      {"idle tab", 0, false, false, nullptr},
      {"hot tab", 1, false, true, "RibbonTabHighlighted.xaml"},
      {"selected", 0, true, false, "RibbonTabSelected.xaml"},
      {"selected and hot", 0, true, true, "RibbonTabSelectedHighlighted.xaml"},
      {"blue, selected and hot", 1, true, true, "RibbonTabSelectedHighlightedBlue.xaml"},
      {"yellow, selected", 2, true, false, "RibbonTabSelectedYellow.xaml"},
      {"orange, selected and hot", 7, true, true, "RibbonTabSelectedHighlightedOrange.xaml"},
  };
  AddTab("Other");
  CTKRibbonTab* pTab = AddTab("Tab");
  CTKRibbonControlTab* pStrip = m_pRibbon->GetControlTab();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    pTab->SetContextColor(c.nColor);
    m_pRibbon->SetCurSel(c.bSelected ? 1 : 0);
    CHotStrip::MakeHot(pStrip, c.bHot ? pTab : nullptr);
    const int nPart = m_pLook->GetRibbonTabPartIndex(pTab);
    if (c.expected == nullptr)
      EXPECT_EQ(-1, nPart);
    else
      EXPECT_STREQ(c.expected, Look::GetPartItemName(nPart));
  }

  // Minimised, the selected tab shows at most the hot drawing while its
  // pop-up is closed.
  m_pRibbon->SetCurSel(1);
  m_pRibbon->SetRibbonMinimized(TRUE);
  CHotStrip::MakeHot(pStrip, pTab);
  EXPECT_EQ(Look::partTabHighlighted, m_pLook->GetRibbonTabPartIndex(pTab));
  CHotStrip::MakeHot(pStrip, nullptr);
  EXPECT_EQ(-1, m_pLook->GetRibbonTabPartIndex(pTab));
  m_pRibbon->SetRibbonMinimized(FALSE);
}

TEST_F(RibbonMarkupThemeTest, ContextHeadersAndColouredTabsByColour) {
  const char* headers[] = {nullptr,                       "RibbonContextTabBlue.xaml",
                           "RibbonContextTabYellow.xaml", "RibbonContextTabGreen.xaml",
                           "RibbonContextTabRed.xaml",    "RibbonContextTabPurple.xaml",
                           "RibbonContextTabCyan.xaml",   "RibbonContextTabOrange.xaml"};
  const char* focused[] = {"RibbonTabSelectedFocused.xaml",
                           "RibbonTabSelectedFocusedBlue.xaml",
                           "RibbonTabSelectedFocusedYellow.xaml",
                           "RibbonTabSelectedFocusedGreen.xaml",
                           "RibbonTabSelectedFocusedRed.xaml",
                           "RibbonTabSelectedFocusedPurple.xaml",
                           "RibbonTabSelectedFocusedCyan.xaml",
                           "RibbonTabSelectedFocusedOrange.xaml"};
  for (int nColor = 0; nColor < 8; ++nColor) {
    SCOPED_TRACE(nColor);
    const int nHeader = Look::GetContextTabPartIndex(nColor);
    if (headers[nColor] == nullptr)
      EXPECT_EQ(-1, nHeader);
    else
      EXPECT_STREQ(headers[nColor], Look::GetPartItemName(nHeader));
    EXPECT_STREQ(focused[nColor], Look::GetPartItemName(Look::GetColoredTabPartIndex(
                                      Look::partTabSelectedFocused, nColor)));
  }
}

TEST_F(RibbonMarkupThemeTest, GroupedControlsTakeTheDrawingOfTheirPlaceInTheRun) {
  CTKRibbonGroup* pGroup = AddTab("Home")->GetGroups()->AddGroup("", 100);
  m_pRibbon->UpdateGroupsVisibility(m_pRibbon->GetSelectedTab());
  pGroup->SetControlsGrouping(TRUE);
  CTKControl* arrControls[4];
  for (int i = 0; i < 4; ++i) arrControls[i] = pGroup->AddControl(tkControlButton, 200 + i);
  arrControls[3]->SetBeginGroup(TRUE);
  const int expected[] = {Look::partControlEntryLeft, Look::partControlEntry,
                          Look::partControlEntryRight, Look::partControlEntryLeftRight};
  for (int i = 0; i < 4; ++i)
    EXPECT_EQ(expected[i], m_pLook->GetControlGroupPartIndex(arrControls[i])) << i;
  arrControls[1]->SetSelected(TRUE);
  EXPECT_EQ(-1, m_pLook->GetControlGroupPartIndex(arrControls[1])) << "a selected control";
  arrControls[1]->SetSelected(FALSE);
  pGroup->SetControlsGrouping(FALSE);
  EXPECT_EQ(-1, m_pLook->GetControlGroupPartIndex(arrControls[0]));
}

TEST_F(RibbonMarkupThemeTest, TheCollapsedGroupButtonWidthFollowsTheTextHeight) {
  CTKRibbonGroup* pGroup = AddTab("Home")->GetGroups()->AddGroup("", 100);
  CTKControl* pButton = pGroup->GetControlGroupPopup();
  ASSERT_NE(nullptr, pButton);
  const int nSaved = m_pPaintManager->m_nTextHeight;
  struct Case {
    int nTextHeight;
    int cxExpected;
  } cases[] = {{30, 2 * 30 - 3}, {12, 42}};
  for (const Case& c : cases) {
    m_pPaintManager->m_nTextHeight = c.nTextHeight;
    EXPECT_EQ(c.cxExpected, m_pLook->DrawGroupPopupButton(nullptr, pButton, FALSE).cx)
        << c.nTextHeight;
  }
  m_pPaintManager->m_nTextHeight = nSaved;
}

TEST_F(RibbonMarkupThemeTest, TheCaptionIsLowerWithTheQuickAccessBarBelow) {
  m_pRibbon->ShowQuickAccess(TRUE);
  m_pRibbon->ShowQuickAccessBelowRibbon(FALSE);
  EXPECT_EQ(::GetSystemMetrics(SM_CYCAPTION), m_pLook->GetCaptionHeight(m_pRibbon));
  m_pRibbon->ShowQuickAccessBelowRibbon(TRUE);
  EXPECT_EQ(::GetSystemMetrics(SM_CYCAPTION) - 4, m_pLook->GetCaptionHeight(m_pRibbon));
  // Below the ribbon no band is drawn in the caption.
  CDibSurface surface(200, 40, RGB(0, 0, 0));
  m_pLook->DrawQuickAccessArea(surface.GetDC(), m_pRibbon);
  EXPECT_EQ(200 * 40, surface.CountPixels(RGB(0, 0, 0)));
}

TEST_F(RibbonMarkupThemeTest, WithoutDrawingsTheBarStillDrawsInSystemColours) {
  CUnloadedLook* pLook = new CUnloadedLook(m_pPaintManager);
  pLook->RefreshMetrics();
  EXPECT_FALSE(pLook->IsPartsLoaded());
  EXPECT_EQ(nullptr, pLook->GetGroupPart(Look::groupNormal));
  m_pRibbon->SetWindowPos(nullptr, 0, 0, 200, 120, SWP_NOZORDER | SWP_NOACTIVATE);
  CDibSurface surface(200, 120, RGB(1, 2, 3));
  pLook->FillRibbonBar(surface.GetDC(), m_pRibbon);
  EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), surface.GetPixel(100, 60));
  CTKRibbonGroup* pGroup = AddTab("Home")->GetGroups()->AddGroup("Group", 100);
  pLook->DrawGroup(surface.GetDC(), pGroup);  // no drawing: nothing, and no fault
  pLook->InternalRelease();
}

TEST_F(RibbonMarkupThemeTest, TheBasePaintManagerMakesThisLook) {
  CTestThemePaintManager paintManager;
  CTKRibbonPaintManager* pRibbon = paintManager.GetRibbonPaintManager();
  EXPECT_NE(nullptr, dynamic_cast<CTKRibbonThemeOffice2007System*>(pRibbon));
}

}  // namespace
