// The ribbon command-bar theme on a real ribbon: the text colours of the
// ribbon's own controls, the faces of grouped controls that the ribbon look
// paints, and the grouped split-button images. Test images are stacks of
// flat-coloured slices, so a pixel names the image and slice drawn there.
#include <gtest/gtest.h>

#include "SupportRibbon.h"
#include "SupportThemeImages.h"
#include "commandbars/TKCommandBars.h"
#include "common/TKDpiHelper.h"
#include "ribbon/TKRibbonBar.h"
#include "ribbon/TKRibbonGroup.h"
#include "ribbon/TKRibbonThemeResource.h"
#include "testsupport/DibSurface.h"
#include "themes/TKRibbonTheme.h"

namespace {

const COLORREF kRibbonText = RGB(1, 2, 3);
const COLORREF kRibbonGray = RGB(4, 5, 6);
const COLORREF kGroupText = RGB(7, 8, 9);

/// Sets a control's hover and press states as the mouse would.
class CStated : public CTKControl {
 public:
  static void Set(CTKControl* pControl, int nSelected, int nPressed) {
    static_cast<CStated*>(pControl)->m_nSelected = nSelected;
    static_cast<CStated*>(pControl)->m_bPressed = nPressed;
  }
};

class RibbonCommandBarThemeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TKDpiHelper()->OverrideDpi(96, 96);
    m_images.SetIni("[Ribbon]\nRibbonText = 1 2 3\nRibbonGrayText = 4 5 6\nGroupClientText = 7 8 9");
    m_pFrame = new CRibbonTestFrame;
    ASSERT_TRUE(m_pFrame->Create(NULL, "Ribbon", WS_OVERLAPPEDWINDOW, CRect(0, 0, 800, 400)));
    m_pBars = new CTKCommandBars;
    m_pTheme = new CTKRibbonTheme;
    m_pTheme->RefreshMetrics();
    m_pBars->SetPaintManager(m_pTheme);
    m_pBars->SetSite(m_pFrame);
    m_pBars->CreateDockBars();
    m_pRibbon = static_cast<CTKRibbonBar*>(
        m_pBars->Add("Ribbon", tkBarTop, RUNTIME_CLASS(CTKRibbonBar)));
    ASSERT_NE(nullptr, m_pRibbon);
    CTKRibbonTab* pTab = m_pRibbon->AddTab("Home", 0);
    m_pGroup = pTab->GetGroups()->AddGroup("", 100);
    m_pRibbon->UpdateGroupsVisibility(pTab);
  }
  void TearDown() override {
    m_pBars->InternalRelease();
    m_pFrame->DestroyWindow();
  }

  CTestThemeImages m_images;
  CRibbonTestFrame* m_pFrame = nullptr;
  CTKCommandBars* m_pBars = nullptr;
  CTKRibbonTheme* m_pTheme = nullptr;
  CTKRibbonBar* m_pRibbon = nullptr;
  CTKRibbonGroup* m_pGroup = nullptr;
};

TEST_F(RibbonCommandBarThemeTest, TheResourceThemeHandsOutTheResourceRibbonLook) {
  EXPECT_NE(nullptr, dynamic_cast<CTKRibbonThemeResource*>(m_pTheme->GetRibbonPaintManager()));
  EXPECT_EQ(m_pTheme->GetRibbonPaintManager(), m_pRibbon->GetRibbonPaintManager());
}

TEST_F(RibbonCommandBarThemeTest, RibbonControlsTakeTheRibbonTextColours) {
  CTKControl* pFree = m_pRibbon->GetControls()->AddNew(tkControlButton, 300);
  CTKControl* pInGroup = m_pGroup->AddControl(tkControlButton, 301);
  CTKControl* pGroupButton = m_pGroup->GetControlGroupPopup();
  struct Case {
    const char* name;
    CTKControl* pControl;
    int nSelected;
    BOOL bEnabled;
    COLORREF expected;
  };
  const Case cases[] = {
      {"a control of the ribbon itself", pFree, 0, TRUE, kRibbonText},
      {"the same, disabled", pFree, 0, FALSE, kRibbonGray},
      {"the same, hot: the bar's colour", pFree, 1, TRUE, kGroupText},
      {"a reduced group's button, hot", pGroupButton, 1, TRUE, kRibbonText},
      {"a control of a group", pInGroup, 0, TRUE, kGroupText},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    c.pControl->SetEnabled(c.bEnabled);
    CStated::Set(c.pControl, c.nSelected, 0);
    EXPECT_EQ(c.expected, m_pTheme->GetControlTextColor(c.pControl));
    CStated::Set(c.pControl, 0, 0);
    c.pControl->SetEnabled(TRUE);
  }
}

TEST_F(RibbonCommandBarThemeTest, GroupedControlsAreDrawnAsRunsOfTheRibbonLook) {
  for (const char* pszName :
       {"TOOLBARBUTTONSSPECIALSINGLE", "TOOLBARBUTTONSSPECIALLEFT", "TOOLBARBUTTONS22"})
    m_images.AddImage(pszName, 5);
  for (const char* pszName : {"TOOLBARBUTTONSSPECIALSPLITLEFT", "TOOLBARBUTTONSSPECIALSPLITDROPDOWNRIGHT",
                              "TOOLBARBUTTONSSPECIALSPLITCENTER",
                              "TOOLBARBUTTONSSPECIALSPLITDROPDOWNCENTER"})
    m_images.AddImage(pszName, 7);
  CTKControl* pButton = m_pGroup->AddControl(tkControlButton, 301);
  CTKControl* pSplit = m_pGroup->AddControl(tkControlSplitButtonPopup, 302);
  pButton->SetRect(CRect(0, 0, 40, 22));
  pSplit->SetRect(CRect(50, 0, 110, 22));
  pSplit->SetBeginGroup(TRUE);
  CDibSurface surface(120, 30);

  m_pGroup->SetControlsGrouping(TRUE);
  m_pTheme->DrawControlEntry(surface.GetDC(), pButton);
  EXPECT_EQ("TOOLBARBUTTONSSPECIALSINGLE/0", m_images.NameAt(surface, 20, 11));
  // Hot: slice 0 of the command part shifts by the grouped images' extra slice.
  CStated::Set(pSplit, 4, 0);
  m_pTheme->DrawSplitButtonFrame(surface.GetDC(), pSplit, pSplit->GetRect());
  EXPECT_EQ("TOOLBARBUTTONSSPECIALSPLITLEFT/1", m_images.NameAt(surface, 60, 11));
  CStated::Set(pSplit, 0, 0);

  m_pGroup->SetControlsGrouping(FALSE);
  CDibSurface plain(120, 30);
  m_pTheme->DrawControlEntry(plain.GetDC(), pButton);
  EXPECT_EQ("", m_images.NameAt(plain, 20, 11)) << "an idle button of a plain group has no face";
}

}  // namespace
