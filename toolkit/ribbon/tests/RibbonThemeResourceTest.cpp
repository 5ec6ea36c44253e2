// The ribbon look drawn from the theme images: which image and slice each
// part takes in each state, its fallbacks, and its values from the theme text.
// Every test image is a stack of flat-coloured slices, so a pixel names the
// image and slice drawn there.
#include "SupportRibbon.h"
#include "SupportThemeImages.h"
#include "commandbars/TKControls.h"
#include "common/TKDpiHelper.h"
#include "common/TKResourceImages.h"
#include "ribbon/TKRibbonControlTab.h"
#include "ribbon/TKRibbonGroup.h"
#include "ribbon/TKRibbonThemeResource.h"
#include "tabs/TKTabPaintManager.h"
#include "tabs/TKTabPaintManagerColorSet.h"
#include "testsupport/DibSurface.h"

namespace {

/// Makes a tab hot as the mouse over it would.
class CHotStrip : public CTKRibbonControlTab {
 public:
  static void MakeHot(CTKRibbonControlTab* pStrip, CTKTabManagerItem* pItem) {
    static_cast<CHotStrip*>(pStrip)->m_pHighlighted = pItem;
  }
};

/// Sets a control's states the way the mouse and its pop-up would.
class CStatedControl : public CTKControlPopup {
 public:
  static void Set(CTKControl* pControl, int nSelected, int nPressed, BOOL bOpen = FALSE) {
    CStatedControl* p = static_cast<CStatedControl*>(pControl);
    p->m_nSelected = nSelected;
    p->m_bPressed = nPressed;
    if (pControl->IsKindOf(RUNTIME_CLASS(CTKControlPopup))) p->m_bPopup = bOpen;
  }
};

class RibbonThemeResourceTest : public RibbonFrameTest {
 protected:
  void SetUp() override {
    TKDpiHelper()->OverrideDpi(96, 96);
    RibbonFrameTest::SetUp();
    m_images.SetIni("[Ribbon]\nRibbonFace = 1 2 3");
    m_pLook = new CTKRibbonThemeResource(m_pPaintManager);
    m_pLook->RefreshMetrics();
  }
  void TearDown() override {
    m_pLook->InternalRelease();
    RibbonFrameTest::TearDown();
  }
  /// The group `nId` of a new tab, its controls grouped.
  CTKRibbonGroup* AddGroup(CTKRibbonTab* pTab, int nId) {
    CTKRibbonGroup* pGroup = pTab->GetGroups()->AddGroup("", nId);
    m_pRibbon->UpdateGroupsVisibility(m_pRibbon->GetSelectedTab());
    return pGroup;
  }

  CTestThemeImages m_images;
  CTKRibbonThemeResource* m_pLook = nullptr;
};

// Tabs ------------------------------------------------------------------------------------

TEST_F(RibbonThemeResourceTest, TabsTakeTheirImageAndSliceByColourAndState) {
  m_images.AddImage("RIBBONTAB", 6);
  m_images.AddImage("CONTEXTTABGREEN", 3, CSize(24, 20));  // lower than 70: three slices
  struct Case {
    const char* name;
    int nColor;
    bool bSelected;
    bool bHot;
    const char* expected;
  };
  const Case cases[] = {
      {"hot normal tab", 0, false, true, "RIBBONTAB/1"},
      {"idle normal tab draws nothing", 0, false, false, ""},
      {"selected normal tab", 0, true, false, "RIBBONTAB/3"},
      {"selected and hot", 0, true, true, "RIBBONTAB/4"},
      {"green, hot", 3, false, true, "CONTEXTTABGREEN/0"},
      {"green, selected", 3, true, false, "CONTEXTTABGREEN/1"},
      {"colour 8 is no context colour", 8, false, true, "RIBBONTAB/1"},
  };
  AddTab("Other");
  CTKRibbonTab* pTab = AddTab("Tab");
  CTKRibbonControlTab* pStrip = m_pRibbon->GetControlTab();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    pTab->SetContextColor(c.nColor);
    m_pRibbon->SetCurSel(c.bSelected ? 1 : 0);
    CHotStrip::MakeHot(pStrip, c.bHot ? pTab : nullptr);
    pTab->SetRect(CRect(10, 10, 70, 34));
    CDibSurface surface(100, 50);
    m_pLook->DrawRibbonTab(surface.GetDC(), pTab);
    EXPECT_EQ(c.expected, m_images.NameAt(surface, 40, 22));
  }
  CHotStrip::MakeHot(pStrip, nullptr);
}

TEST_F(RibbonThemeResourceTest, TabTextColoursReachTheStripAtEveryRefresh) {
  CTKTabPaintManagerColorSet* pColors = m_pLook->GetTabPaintManager()->GetColorSet();
  m_images.SetIni("[Ribbon]\nTabNormalText = 10 20 30\nTabSelectedText = 40 50 60");
  m_pLook->RefreshMetrics();
  EXPECT_EQ(RGB(10, 20, 30), static_cast<COLORREF>(pColors->m_clrText));
  EXPECT_EQ(RGB(40, 50, 60), static_cast<COLORREF>(pColors->m_clrTextSelected));
  EXPECT_EQ(RGB(10, 20, 30), static_cast<COLORREF>(pColors->m_clrTextHighlighted))
      << "the hot text defaults to the normal one";

  // The strip's own refresh resets its colours; the look's refresh puts the
  // theme's back.
  m_images.SetIni("[Ribbon]\nTabHighlightText = 70 80 90");
  m_pLook->RefreshMetrics();
  EXPECT_EQ(RGB(70, 80, 90), static_cast<COLORREF>(pColors->m_clrTextHighlighted));
  EXPECT_EQ(RGB(10, 20, 30), static_cast<COLORREF>(pColors->m_clrText));
}

// The system button ----------------------------------------------------------------------------

TEST_F(RibbonThemeResourceTest, SevenSliceFileButtonShowsItsStates) {
  m_images.SetIni("[Ribbon]\nFileButtonImageCount = 7");
  m_pLook->RefreshMetrics();
  m_images.AddImage("FILEBUTTON", 7);
  CTKControl* pButton = m_pRibbon->AddSystemButton(0);
  pButton->SetStyle(tkButtonCaption);
  struct Case {
    const char* name;
    int nSelected;
    BOOL bOpen;
    BOOL bEnabled;
    const char* expected;
  };
  const Case cases[] = {
      {"normal", 0, FALSE, TRUE, "FILEBUTTON/0"},     {"hot", 1, FALSE, TRUE, "FILEBUTTON/1"},
      {"open", 0, TRUE, TRUE, "FILEBUTTON/2"},        {"open and hot", 1, TRUE, TRUE, "FILEBUTTON/3"},
      {"keyboard", 2, FALSE, TRUE, "FILEBUTTON/4"},   {"disabled", 0, FALSE, FALSE, "FILEBUTTON/5"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    pButton->SetEnabled(c.bEnabled);
    CStatedControl::Set(pButton, c.nSelected, 0, c.bOpen);
    CDibSurface surface(80, 30);
    m_pLook->DrawSystemButton(surface.GetDC(), pButton, CRect(0, 0, 56, 24));
    EXPECT_EQ(c.expected, m_images.NameAt(surface, 4, 12));
  }
  CStatedControl::Set(pButton, 0, 0, FALSE);
}

TEST_F(RibbonThemeResourceTest, RoundSystemButtonTakesTheLargeImageFrom54Pixels) {
  m_pRibbon->ShowCaptionAlways(TRUE);
  CTKControl* pButton = m_pRibbon->AddSystemButton(0);
  m_images.AddImage("FRAMESYSTEMBUTTON", 3, CSize(40, 40));
  struct Case {
    const char* name;
    int cx;
    bool bLargeImage;  // added before this case, kept after
    const char* expected;
  };
  const Case cases[] = {
      {"54 x 54 without the large image", 54, false, "FRAMESYSTEMBUTTON/0"},
      {"53 x 53", 53, true, "FRAMESYSTEMBUTTON/0"},
      {"54 x 54", 54, true, "FRAMESYSTEMBUTTON52/0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.bLargeImage && m_images.SliceColor("FRAMESYSTEMBUTTON52", 0) == static_cast<COLORREF>(-1))
      m_images.AddImage("FRAMESYSTEMBUTTON52", 3, CSize(52, 52));
    CDibSurface surface(60, 60);
    m_pLook->DrawSystemButton(surface.GetDC(), pButton, CRect(0, 0, c.cx, c.cx));
    // Left of the centre, outside the frame icon drawn over the middle.
    EXPECT_EQ(c.expected, m_images.NameAt(surface, c.cx / 2 - 18, c.cx / 2));
  }
}

// Groups ------------------------------------------------------------------------------------------

TEST_F(RibbonThemeResourceTest, GroupedControlsTakeTheImageOfTheirPlaceInTheRun) {
  for (const char* pszName : {"TOOLBARBUTTONSSPECIALSINGLE", "TOOLBARBUTTONSSPECIALLEFT",
                              "TOOLBARBUTTONSSPECIALRIGHT", "TOOLBARBUTTONSSPECIALCENTER"})
    m_images.AddImage(pszName, 5);
  CTKRibbonGroup* pGroup = AddGroup(AddTab("Home"), 100);
  pGroup->SetControlsGrouping(TRUE);
  CTKControl* arrControls[4];
  for (int i = 0; i < 4; ++i) {
    arrControls[i] = pGroup->AddControl(tkControlButton, 200 + i);
    arrControls[i]->SetRect(CRect(30 * i, 0, 30 * i + 24, 24));
  }
  arrControls[3]->SetBeginGroup(TRUE);
  const char* expected[] = {"TOOLBARBUTTONSSPECIALLEFT/0", "TOOLBARBUTTONSSPECIALCENTER/0",
                            "TOOLBARBUTTONSSPECIALRIGHT/0", "TOOLBARBUTTONSSPECIALSINGLE/0"};
  CDibSurface surface(150, 30);
  for (int i = 0; i < 4; ++i) {
    SCOPED_TRACE(i);
    EXPECT_TRUE(m_pLook->DrawControlGroupBackground(surface.GetDC(), arrControls[i]));
    EXPECT_EQ(expected[i], m_images.NameAt(surface, 30 * i + 12, 12));
  }

  struct State {
    const char* name;
    int nSelected, nPressed;
    int nChecked;
    BOOL bEnabled;
    const char* expected;
  };
  const State states[] = {
      {"hot", 1, 0, 0, TRUE, "TOOLBARBUTTONSSPECIALSINGLE/1"},
      {"hot and pressed", 1, 1, 0, TRUE, "TOOLBARBUTTONSSPECIALSINGLE/2"},
      {"checked", 0, 0, 1, TRUE, "TOOLBARBUTTONSSPECIALSINGLE/3"},
      {"checked and hot", 1, 0, 1, TRUE, "TOOLBARBUTTONSSPECIALSINGLE/4"},
      {"disabled, keyboard selected", 2, 0, 0, FALSE, "TOOLBARBUTTONSSPECIALSINGLE/1"},
  };
  for (const State& s : states) {
    SCOPED_TRACE(s.name);
    arrControls[3]->SetEnabled(s.bEnabled);
    arrControls[3]->SetChecked(s.nChecked);
    CStatedControl::Set(arrControls[3], s.nSelected, s.nPressed);
    m_pLook->DrawControlGroupBackground(surface.GetDC(), arrControls[3]);
    EXPECT_EQ(s.expected, m_images.NameAt(surface, 102, 12));
  }
  CStatedControl::Set(arrControls[3], 0, 0);

  pGroup->SetControlsGrouping(FALSE);
  EXPECT_FALSE(m_pLook->DrawControlGroupBackground(surface.GetDC(), arrControls[0]))
      << "a group that does not group its controls leaves their faces to the theme";
}

TEST_F(RibbonThemeResourceTest, GroupClientCoversTheGroupWithoutACaptionImage) {
  struct Case {
    const char* name;
    bool bCaptionImage;
    bool bSeparator;
    bool bHot;
    const char* expectedBand;
    const char* expectedTop;
    const char* expectedRightEdge;
  };
  const Case cases[] = {
      {"the Office 2010 set", false, false, false, "RIBBONGROUPCLIENT/0", "RIBBONGROUPCLIENT/0",
       "RIBBONGROUPCLIENT/0"},
      {"hot group", false, false, true, "RIBBONGROUPCLIENT/1", "RIBBONGROUPCLIENT/1",
       "RIBBONGROUPCLIENT/1"},
      {"with a caption image", true, false, false, "RIBBONGROUPCAPTION/0", "RIBBONGROUPCLIENT/0",
       "RIBBONGROUPCLIENT/0"},
      {"with a separator", false, true, false, "RIBBONGROUPCLIENT/0", "RIBBONGROUPCLIENT/0",
       "RIBBONGROUPSEPARATOR/0"},
  };
  CTKRibbonGroup* pGroup = AddGroup(AddTab("Home"), 100);
  pGroup->SetGroupRect(CRect(0, 0, 100, 90));
  const int yBand = 90 - m_pLook->GetGroupCaptionHeight() / 2;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CTestThemeImages images;
    images.SetIni("[Ribbon]\nRibbonFace = 1 2 3");
    images.AddImage("RIBBONGROUPCLIENT", 2);
    if (c.bCaptionImage) images.AddImage("RIBBONGROUPCAPTION", 2);
    if (c.bSeparator) images.AddImage("RIBBONGROUPSEPARATOR", 1);
    m_pRibbon->SetHighlightedGroup(c.bHot ? pGroup : nullptr);
    CDibSurface surface(110, 100);
    m_pLook->DrawGroup(surface.GetDC(), pGroup);
    EXPECT_EQ(c.expectedBand, images.NameAt(surface, 3, yBand));
    EXPECT_EQ(c.expectedTop, images.NameAt(surface, 50, 10));
    EXPECT_EQ(c.expectedRightEdge, images.NameAt(surface, 99, 40));
  }
  m_pRibbon->SetHighlightedGroup(nullptr);
}

TEST_F(RibbonThemeResourceTest, WithoutAThemeTextNothingDrawsAndButtonsMeasureEmpty) {
  m_images.AddImage("RIBBONTAB", 6);
  m_images.AddImage("RIBBONOPTIONBUTTON", 4, CSize(15, 14));
  m_images.AddImage("RIBBONGROUPCLIENT", 2);
  CTKRibbonGroup* pGroup = AddGroup(AddTab("Home"), 100);
  EXPECT_EQ(CSize(15, 14), m_pLook->GetOptionButtonSize());

  TKResourceImages()->RemoveAllValues();
  EXPECT_EQ(CSize(0, 0), m_pLook->GetOptionButtonSize());
  EXPECT_EQ(CSize(0, 0),
            m_pLook->DrawGroupPopupButton(nullptr, pGroup->GetControlGroupPopup(), FALSE));
  pGroup->SetGroupRect(CRect(0, 0, 100, 90));
  CTKRibbonTab* pTab = m_pRibbon->GetTab(0);
  pTab->SetRect(CRect(0, 0, 50, 20));
  CDibSurface surface(110, 100);
  m_pLook->DrawGroup(surface.GetDC(), pGroup);
  m_pLook->DrawRibbonTab(surface.GetDC(), pTab);
  EXPECT_EQ(110 * 100, surface.CountPixels(RGB(255, 255, 255)));
}

}  // namespace
