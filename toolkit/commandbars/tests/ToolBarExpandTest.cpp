// The expand button of a tool bar: the pop-up it opens with the controls that
// did not fit and the "Add or Remove Buttons" lists.
#include <gtest/gtest.h>

#include <vector>

#include "SupportFrameTest.h"
#include "SupportSystem.h"
#include "commandbars/TKCommandBars.h"
#include "commandbars/TKCommandBarsOptions.h"
#include "commandbars/TKControls.h"
#include "commandbars/TKPopupBar.h"
#include "commandbars/TKToolBar.h"

namespace {

/// A bar placed where no dock context serves it (in a dialog).
class CBarWithoutDockContext : public CTKToolBar {
 public:
  CBarWithoutDockContext() {
    delete m_pDockContext;
    m_pDockContext = nullptr;
  }
};

/// A site that offers the customise command when asked to.
class COfferingSite : public CTestSite {
 public:
  BOOL m_bOffer = FALSE;
  BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pInfo) override {
    if (m_bOffer && nID == TKID_CUSTOMIZE && nCode == CN_COMMAND && pInfo != nullptr) return TRUE;
    return CTestSite::OnCmdMsg(nID, nCode, pExtra, pInfo);
  }
};

class ToolBarExpandTest : public CommandBarsSiteTest<CRecordingSystem> {
 protected:
  /// New command bars with their dock bars on `pSite`.
  void SiteCommandBars(CTestSite* pSite) {
    m_pBars->InternalRelease();
    m_pBars = new CTKCommandBars;
    m_pBars->SetSite(pSite);
    m_pBars->CreateDockBars();
  }
  /// A docked bar of four buttons whose last two did not fit.
  CTKToolBar* AddClippedBar(CTKToolBar* pBar) {
    pBar = m_pBars->AddToolBar(pBar, "Standard", tkBarTop);
    for (int i = 0; i < 4; ++i) pBar->GetControls()->AddNew(tkControlButton, 100 + i);
    static_cast<CTestSite*>(m_pBars->GetSite())->RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST);
    pBar->GetControl(2)->SetHideFlags(TKHIDE_WRAP);
    pBar->GetControl(3)->SetHideFlags(TKHIDE_WRAP);
    return pBar;
  }
  /// Opens the expand button's pop-up; null when it did not open.
  CTKCommandBar* OpenExpand(CTKToolBar* pBar) {
    CTKControl* pExpand = pBar->GetExpandButton(TRUE);
    if (!pBar->SetPopuped(pExpand->GetIndex())) return nullptr;
    return pExpand->GetCommandBar();
  }
  std::vector<int> Ids(CTKCommandBar* pBar) const {
    std::vector<int> ids;
    for (int i = 0; i < pBar->GetControlCount(); ++i) ids.push_back(pBar->GetControl(i)->GetID());
    return ids;
  }
};

TEST_F(ToolBarExpandTest, ThePopupHoldsTheHiddenControlsAndTheListsAsTheOptionsAllow) {
  struct Case {
    const char* name;
    BOOL bAlways;
    BOOL bOffered;
    BOOL bDockContext;
    std::vector<int> expected;
  } cases[] = {
      {"always", TRUE, FALSE, TRUE, {102, 103, TKID_TOOLBAR_EXPAND}},
      {"customise offered", FALSE, TRUE, TRUE, {102, 103, TKID_TOOLBAR_EXPAND}},
      {"neither", FALSE, FALSE, TRUE, {102, 103}},
      {"no dock context", TRUE, TRUE, FALSE, {102, 103}},
  };
  for (const Case& c : cases) {
    COfferingSite site;
    site.m_bOffer = c.bOffered;
    ASSERT_TRUE(site.CreateHost(600, 300));
    SiteCommandBars(&site);
    m_pBars->GetCommandBarsOptions()->bShowExpandButtonAlways = c.bAlways;
    CTKToolBar* pBar =
        AddClippedBar(c.bDockContext ? new CTKToolBar : new CBarWithoutDockContext);

    CTKCommandBar* pPopup = OpenExpand(pBar);
    ASSERT_NE(nullptr, pPopup) << c.name;
    EXPECT_TRUE(pPopup->IsTrackingMode()) << c.name;
    EXPECT_FALSE(pPopup->IsCustomizable()) << c.name;
    EXPECT_EQ(c.expected, Ids(pPopup)) << c.name;
    for (int i = 0; i < 2; ++i)
      EXPECT_EQ(0u, pPopup->GetControl(i)->GetHideFlags()) << c.name << ": shown in the pop-up";
    if (c.expected.size() == 3) {
      CTKControl* pAdd = pPopup->GetControl(2);
      EXPECT_EQ(tkControlPopup, pAdd->GetType());
      EXPECT_TRUE(pAdd->GetBeginGroup()) << "after more than one control";
      ASSERT_NE(nullptr, pAdd->GetCommandBar());
      ASSERT_LE(1, pAdd->GetCommandBar()->GetControlCount()) << "the bar's show/hide list";
      EXPECT_EQ(CString("Standard"), pAdd->GetCommandBar()->GetControl(0)->GetCaption());
    }
    pBar->SetTrackingMode(FALSE);
    EXPECT_FALSE(pPopup->IsTrackingMode()) << c.name << ": closed with its bar";
    SiteCommandBars(&m_site);
  }
}

TEST_F(ToolBarExpandTest, TheSiteMaySupplyThePopupAndOnlyHiddenControlsStartNoGroup) {
  CTKPopupBar* pOffered = CTKPopupBar::CreatePopupBar(m_pBars);
  pOffered->InternalAddRef();  // the test looks at it after the button let go
  m_site.m_onCreateBar = [&](TKCREATEBARSTRUCT* pRecord) {
    EXPECT_TRUE(pRecord->bPopup);
    pOffered->InternalAddRef();
    pRecord->pCommandBar = pOffered;
  };
  CTKToolBar* pBar = AddClippedBar(new CTKToolBar);
  pBar->GetControl(3)->SetHideFlags(0);  // one hidden control only
  CTKCommandBar* pPopup = OpenExpand(pBar);
  EXPECT_EQ(pOffered, pPopup);
  EXPECT_EQ((std::vector<int>{102, TKID_TOOLBAR_EXPAND}), Ids(pOffered));
  EXPECT_FALSE(pOffered->GetControl(1)->GetBeginGroup()) << "one control before it";
  pBar->SetTrackingMode(FALSE);
  m_site.m_onCreateBar = nullptr;
  pOffered->InternalRelease();
  pOffered->InternalRelease();
}

}  // namespace
