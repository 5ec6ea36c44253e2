// Ribbon tabs: captions, tooltips and key tips from their string resources,
// the context headers of contextual sets, and hiding the selected tab.
#include "SupportRibbon.h"
#include "ribbon/TKRibbonControlTab.h"

namespace {

const UINT kIdsPlain = 2001;
const UINT kIdsFourParts = 2002;
const UINT kIdsTwoParts = 2003;

using RibbonTabsTest = RibbonFrameTest;

struct TabStringCase {
  UINT nId;
  const char* pszCaption;
  const char* pszTooltip;
  const char* pszKeyTip;
};

TEST_F(RibbonTabsTest, StringResourceSplitsIntoCaptionTooltipAndKeyTip) {
  const TabStringCase cases[] = {
      {kIdsPlain, "Home", "", ""},
      {kIdsFourParts, "File", "Open", "F"},
      {kIdsTwoParts, "Open", "Open", ""},
  };
  for (const TabStringCase& c : cases) {
    CTKRibbonTab* pTab = m_pRibbon->AddTab(c.nId);
    ASSERT_NE(nullptr, pTab) << c.nId;
    EXPECT_STREQ(c.pszCaption, pTab->GetCaption()) << c.nId;
    EXPECT_STREQ(c.pszTooltip, pTab->GetTooltip()) << c.nId;
    EXPECT_STREQ(c.pszKeyTip, pTab->GetKeyboardTip()) << c.nId;
    EXPECT_EQ(static_cast<int>(c.nId), pTab->GetId());
    // The strip's tip falls back to the caption.
    EXPECT_STREQ(c.pszTooltip[0] != 0 ? c.pszTooltip : c.pszCaption,
                 m_pRibbon->GetControlTab()->GetItemTooltip(pTab));
  }
}

TEST_F(RibbonTabsTest, UpperCaseMenusUpperCaseTheCaption) {
  CTKRibbonTab* pTab = AddTab("Home");
  m_pBars->SetMenuUpperCase(TRUE);
  EXPECT_STREQ("HOME", pTab->GetCaption());
  EXPECT_STREQ("Home", pTab->GetRawCaption());
}

// Context headers -------------------------------------------------------------------------

struct HeaderTab {
  int nColor;
  const char* pszContext;
  BOOL bVisible;
};

class ContextHeadersTest : public RibbonFrameTest {
 protected:
  /// Tabs 60 pixels wide from x = 100, in a caption band from 0 to 700.
  void MakeTabs(std::initializer_list<HeaderTab> tabs) {
    std::vector<CTKRibbonTab*> made;
    for (const HeaderTab& t : tabs) {
      CTKRibbonTab* pTab = AddTab("Tab");
      pTab->SetContextColor(t.nColor);
      pTab->SetContextCaption(t.pszContext);
      if (!t.bVisible) pTab->SetVisible(FALSE);
      made.push_back(pTab);
    }
    // Placed once all are added: each addition lays the strip out again.
    int x = 100;
    for (CTKRibbonTab* pTab : made) {
      pTab->SetRect(CRect(x, 30, x + 60, 50));
      x += 60;
    }
  }
  void Reposition(int nFreeLeft, int nFreeRight) {
    // The laid-out quick-access bar would take the caption's left part.
    m_pRibbon->ShowQuickAccess(FALSE);
    m_pRibbon->SetCaptionRects(CRect(0, 0, 700, 30), CRect(600, 0, 690, 30),
                               CRect(nFreeLeft, 0, nFreeRight, 30));
    m_pRibbon->RepositionContextHeaders();
  }
  CTKRibbonTabContextHeaders* Headers() const { return m_pRibbon->GetContextHeaders(); }
};

TEST_F(ContextHeadersTest, AdjacentTabsOfOneSetShareAHeader) {
  MakeTabs({{3, "Tools", TRUE}, {3, "Tools", TRUE}});
  Reposition(0, 700);
  ASSERT_EQ(1, Headers()->GetCount());
  CTKRibbonTabContextHeader* pHeader = Headers()->GetAt(0);
  EXPECT_EQ(CRect(100, 4, 220, 30), pHeader->m_rcHeader);
  EXPECT_EQ(m_pRibbon->GetTab(0), pHeader->m_pFirstTab);
  EXPECT_EQ(m_pRibbon->GetTab(1), pHeader->m_pLastTab);
  EXPECT_STREQ("Tools", pHeader->m_strCaption);
  EXPECT_EQ(pHeader, m_pRibbon->GetTab(1)->GetContextHeader());
  EXPECT_EQ(pHeader, Headers()->HitTest(CPoint(150, 10)));
}

TEST_F(ContextHeadersTest, AHiddenTabKeepsTheRunAVisibleOrdinaryTabEndsIt) {
  struct Case {
    BOOL bMiddleVisible;
    int nHeaders;
  } cases[] = {{FALSE, 1}, {TRUE, 2}};
  for (const Case& c : cases) {
    m_pRibbon->GetControlTab()->DeleteAllItems();
    MakeTabs({{3, "Tools", TRUE}, {0, "", c.bMiddleVisible}, {3, "Tools", TRUE}});
    Reposition(0, 700);
    EXPECT_EQ(c.nHeaders, Headers()->GetCount()) << c.bMiddleVisible;
    EXPECT_EQ(nullptr, m_pRibbon->GetTab(1)->GetContextHeader());
  }
}

TEST_F(ContextHeadersTest, ADifferentCaptionOrColourStartsANewHeader) {
  MakeTabs({{3, "Tools", TRUE}, {3, "tools", TRUE}, {4, "tools", TRUE}});
  Reposition(0, 700);
  EXPECT_EQ(3, Headers()->GetCount());
}

TEST_F(ContextHeadersTest, HeadersThatCannotKeepTheirMinimumWidthAreAllDropped) {
  MakeTabs({{3, "Tools", TRUE}, {0, "", TRUE}, {5, "Data", TRUE}});
  Reposition(0, 70);
  EXPECT_EQ(0, Headers()->GetCount());
  EXPECT_EQ(nullptr, m_pRibbon->GetTab(0)->GetContextHeader());
  EXPECT_EQ(nullptr, m_pRibbon->GetTab(2)->GetContextHeader());
}

TEST_F(ContextHeadersTest, HeadersPushedInsideTheFreeAreaKeepTheirMinimumWidth) {
  MakeTabs({{3, "Tools", TRUE}, {0, "", TRUE}, {5, "Data", TRUE}});
  Reposition(0, 250);
  ASSERT_EQ(2, Headers()->GetCount());
  EXPECT_EQ(CRect(100, 4, 160, 30), Headers()->GetAt(0)->m_rcHeader);
  EXPECT_EQ(CRect(210, 4, 250, 30), Headers()->GetAt(1)->m_rcHeader);
}

TEST_F(ContextHeadersTest, OutOfRangeHeaderIsAnInvalidArgument) {
  MakeTabs({{3, "Tools", TRUE}});
  Reposition(0, 700);
  bool bThrown = false;
  try {
    Headers()->GetAt(1);
  } catch (CInvalidArgException* e) {
    e->Delete();
    bThrown = true;
  }
  EXPECT_TRUE(bThrown);
}

TEST_F(RibbonTabsTest, HidingTheSelectedTabSelectsTheFirstVisibleEnabledOne) {
  CTKRibbonTab* pDisabled = AddTab("Disabled");
  CTKRibbonTab* pSecond = AddTab("Second");
  CTKRibbonTab* pThird = AddTab("Third");
  pDisabled->SetEnabled(FALSE);
  m_pRibbon->SetCurSel(2);
  pThird->SetVisible(FALSE);
  EXPECT_EQ(pSecond, m_pRibbon->GetSelectedTab());
  // Hiding a tab that is not selected leaves the selection.
  pThird->SetVisible(TRUE);
  pDisabled->SetVisible(FALSE);
  EXPECT_EQ(pSecond, m_pRibbon->GetSelectedTab());
}

}  // namespace
