// The ribbon's pop-ups (a minimised ribbon's tab, a collapsed group, the
// quick-access overflow) and the scrolling of the groups.
#include "SupportRibbonInput.h"
#include "commandbars/TKCommandBarsOptions.h"
#include "commandbars/TKControls.h"
#include "common/TKDpiHelper.h"
#include "common/TKToolTipContext.h"
#include "ribbon/TKRibbonBarMorePopupToolBar.h"
#include "ribbon/TKRibbonGroupPopupToolBar.h"
#include "ribbon/TKRibbonQuickAccessControls.h"
#include "ribbon/TKRibbonTabPopupToolBar.h"

namespace {

class RibbonPopupsTest : public RibbonInputTest {
 protected:
  void TearDown() override {
    if (m_pTabPopup != nullptr) m_pTabPopup->InternalRelease();
    m_pBars->CloseAllPopups();
    RibbonInputTest::TearDown();
  }
  /// A pop-up of the first tab, with one group of two buttons, not shown.
  CTKRibbonTabPopupToolBar* MakeTabPopup() {
    AddPlacedTabs({"Home"});
    AddPlacedGroup(m_pRibbon->GetTab(0), 10, 2);
    m_pTabPopup = new CTKRibbonTabPopupToolBar(m_pRibbon->GetTab(0));
    m_pTabPopup->SetCommandBars(m_pBars);
    return m_pTabPopup;
  }
  /// Holds the button, posts `messages` to the ribbon and runs the button's press.
  void PressScrollButton(std::initializer_list<UINT> messages) {
    CTKControl* pButton = m_pRibbon->GetControlScrollGroupsRight();
    m_pRibbon->ShowScrollButtons(TRUE, TRUE);
    m_system.m_keysDown.insert(VK_LBUTTON);
    for (UINT nMessage : messages) {
      const WPARAM wParam = nMessage == WM_TIMER ? CTKRibbonControlGroupsScroll::kTimerRepeat : 0;
      m_pRibbon->PostMessage(nMessage, wParam, 0);
    }
    pButton->OnClick();
  }
  CTKRibbonTabPopupToolBar* m_pTabPopup = nullptr;
};

TEST_F(RibbonPopupsTest, ATabPopupKeepsToTheWorkAreaOfItsMonitor) {
  CTKRibbonTabPopupToolBar* pPopup = MakeTabPopup();
  CRect rcRibbon;
  m_pRibbon->GetWindowRect(&rcRibbon);
  const int nHeight = m_pRibbon->GetGroupsHeight();
  const CRect rcTabRow(rcRibbon.left, rcRibbon.top + 30, rcRibbon.right, rcRibbon.top + 54);
  const struct {
    const char* what;
    CRect rcWork;
    CRect rcExpected;
  } cases[] = {
      {"inside", CRect(0, 0, 2000, 1200),
       CRect(rcRibbon.left, rcTabRow.bottom, rcRibbon.right, rcTabRow.bottom + nHeight)},
      {"ribbon past the left edge", CRect(rcRibbon.left + 50, 0, 2000, 1200),
       CRect(rcRibbon.left + 50, rcTabRow.bottom, rcRibbon.right, rcTabRow.bottom + nHeight)},
      {"ribbon past the right edge", CRect(0, 0, rcRibbon.right - 10, 1200),
       CRect(rcRibbon.left, rcTabRow.bottom, rcRibbon.right - 10 - TKDpiHelper()->ScaleX(4),
             rcTabRow.bottom + nHeight)},
      {"no room below", CRect(0, 0, 2000, rcTabRow.bottom + nHeight - 1),
       CRect(rcRibbon.left, rcTabRow.top - nHeight, rcRibbon.right, rcTabRow.top)},
  };
  for (const auto& c : cases) {
    m_system.m_rcWorkFromRect = c.rcWork;
    pPopup->SetExcludeRect(rcTabRow);
    const CSize sz = pPopup->CalcDynamicLayout(0, 0);
    EXPECT_EQ(c.rcExpected.Size(), sz) << c.what;
    EXPECT_EQ(c.rcExpected, pPopup->CalcPopupPosition(CPoint(0, 0), sz)) << c.what;
  }
}

TEST_F(RibbonPopupsTest, ACollapsedGroupOpensAsAPopupOfItsWidthWithBorders) {
  AddPlacedTabs({"Home"});
  CTKRibbonGroup* pGroup = AddPlacedGroup(m_pRibbon->GetTab(0), 10, 2);
  CTKControl* pButton = pGroup->GetControlGroupPopup();
  pButton->SetHideFlags(0);
  pButton->SetRect(CRect(10, 54, 60, 150));
  pButton->OnUnderlineActivate();
  CTKRibbonGroupPopupToolBar* pPopup =
      DYNAMIC_DOWNCAST(CTKRibbonGroupPopupToolBar, pButton->GetCommandBar());
  ASSERT_NE(nullptr, pPopup);
  ASSERT_TRUE(pPopup->IsTrackingMode());
  CRect rcWindow;
  pPopup->GetWindowRect(&rcWindow);
  // The group's own width (its laid-out rectangle keeps ScaleX(5) of gap
  // after it) plus the borders.
  const int nGroupWidth = pPopup->GetGroup()->GetRect().Width() - TKDpiHelper()->ScaleX(5);
  EXPECT_GT(nGroupWidth, 0);
  EXPECT_EQ(nGroupWidth + TKDpiHelper()->ScaleX(5), rcWindow.Width());
  EXPECT_EQ(0, pPopup->GetGroup()->GetRect().left) << "the group fills the pop-up";
  EXPECT_EQ(m_pRibbon->GetGroupsHeight() - TKDpiHelper()->ScaleY(7), rcWindow.Height());
  EXPECT_EQ(2, pPopup->GetGroup()->GetCount());
  EXPECT_TRUE(pPopup->GetGroup()->GetAt(0)->IsVisible()) << "the pop-up shows the whole group";
}

// The extended tip of a group's control opens below the groups; a tool
// information of another size (the 44 bytes of another build) is left alone.
TEST_F(RibbonPopupsTest, AGroupControlsTipOpensBelowTheGroups) {
  CTKRibbonTabPopupToolBar* pPopup = MakeTabPopup();
  m_pBars->GetToolTipContext()->ShowTitleAndDescription(TRUE);
  m_pBars->GetCommandBarsOptions()->bShowPopupBarToolTips = TRUE;
  CTKControl* pInPopup = pPopup->GetTab()->GetGroups()->GetAt(0)->GetAt(0);
  pInPopup->SetRect(CRect(14, 10, 44, 32));
  pInPopup->SetTooltip("Run");
  pInPopup->SetIconId(801);
  pPopup->CalcDynamicLayout(0, 0);
  m_pRibbon->GetTab(0)->GetGroups()->GetAt(0)->GetAt(0)->SetTooltip("Run");

  const struct {
    const char* what;
    CTKCommandBar* pBar;
    CPoint pt;
    CRect rcGroups;
  } bars[] = {
      {"ribbon", m_pRibbon, CPoint(20, 70), CRect(0, 54, 600, 150)},
      {"tab pop-up", pPopup, CPoint(20, 20), pPopup->GetGroupsRect()},
  };
  for (const auto& bar : bars) {
    for (UINT cbSize : {static_cast<UINT>(sizeof(TOOLINFO)), 44u}) {
      TOOLINFO ti = {};
      ti.cbSize = cbSize;
      ASSERT_NE(-1, bar.pBar->OnToolHitTest(bar.pt, &ti)) << bar.what;
      if (cbSize == sizeof(TOOLINFO))
        EXPECT_EQ(bar.rcGroups, CRect(ti.rect)) << bar.what;
      else
        EXPECT_NE(bar.rcGroups, CRect(ti.rect)) << bar.what << " with 44 bytes";
      if (ti.lpszText != nullptr && ti.lpszText != LPSTR_TEXTCALLBACK) free(ti.lpszText);
    }
  }
}

TEST_F(RibbonPopupsTest, ScrollingATabPopupStepsFortyAndNeverBelowZero) {
  CTKRibbonTabPopupToolBar* pPopup = MakeTabPopup();
  CTKRibbonGroups* pGroups = pPopup->GetTab()->GetGroups();
  const int nStep = TKDpiHelper()->ScaleX(40);
  const struct {
    int nOffset;
    BOOL bLeft;
    int nExpected;
  } steps[] = {{0, TRUE, 0}, {nStep - 10, TRUE, 0}, {nStep + 10, TRUE, 10}, {50, FALSE, 50 + nStep}};
  for (const auto& step : steps) {
    pGroups->SetScrollPos(step.nOffset);
    pPopup->OnGroupsScroll(step.bLeft);
    EXPECT_EQ(step.nExpected, pPopup->GetGroupsScrollPos()) << step.nOffset << " " << step.bLeft;
  }
}

TEST_F(RibbonPopupsTest, AControlLeftOfTheButtonComesIntoViewOnlyWithTheButtonShown) {
  CTKRibbonTabPopupToolBar* pPopup = MakeTabPopup();
  CTKRibbonGroups* pGroups = pPopup->GetTab()->GetGroups();
  CTKControl* pControl = pGroups->GetAt(0)->GetAt(0);
  pControl->SetRect(CRect(5, 10, 35, 32));
  pPopup->CalcDynamicLayout(0, 0);
  pGroups->SetScrollPos(30);

  pPopup->ShowScrollButtons(FALSE, TRUE);
  pPopup->EnsureVisible(pControl);
  EXPECT_EQ(30, pPopup->GetGroupsScrollPos()) << "no left button: the offset stays";
  pPopup->ShowScrollButtons(TRUE, FALSE);
  pPopup->EnsureVisible(pControl);
  EXPECT_EQ(30 + 5 - TKDpiHelper()->ScaleX(12), pPopup->GetGroupsScrollPos());
}

TEST_F(RibbonPopupsTest, HoldingAScrollButtonRepeatsAfterTheDoubleClickTimesParts) {
  AddPlacedTabs({"Home"});
  // Groups far wider than the ribbon, which may not shrink: every step of
  // the repeat leaves more to scroll, so the button stays while it is held.
  CTestSizedButton prototype;
  for (int i = 0; i < 20; ++i) {
    CTKRibbonGroup* pGroup = m_pRibbon->GetTab(0)->GetGroups()->AddGroup("Wide", 3100 + i);
    pGroup->SetAllowReduction(0);
    for (int j = 0; j < 3; ++j) pGroup->AddClone(&prototype);
  }
  m_pRibbon->CalcLayout(600, LM_HORZ | LM_HORZDOCK | LM_COMMIT);
  ASSERT_TRUE(m_pRibbon->GetControlScrollGroupsRight()->IsVisible());
  PressScrollButton({WM_TIMER, WM_TIMER, WM_TIMER, WM_LBUTTONUP});
  EXPECT_EQ(4u, Ribbon()->m_scrolls.size());
  const std::vector<std::pair<UINT_PTR, UINT>> expected = {
      {CTKRibbonControlGroupsScroll::kTimerRepeat, 400u},
      {CTKRibbonControlGroupsScroll::kTimerRepeat, 50u}};
  EXPECT_EQ(expected, m_system.m_started);
  EXPECT_EQ(1, m_system.CountKilled(CTKRibbonControlGroupsScroll::kTimerRepeat));
  EXPECT_TRUE(::GetCapture() == NULL);
  EXPECT_FALSE(m_pRibbon->GetControlScrollGroupsRight()->GetPressed());
}

TEST_F(RibbonPopupsTest, AReleaseBeforeTheFirstTickScrollsOnce) {
  AddPlacedTabs({"Home"});
  PressScrollButton({WM_LBUTTONUP});
  EXPECT_EQ(std::vector<BOOL>{FALSE}, Ribbon()->m_scrolls);
  EXPECT_EQ(1u, m_system.m_started.size());

  m_system.m_keysDown.clear();
  m_pRibbon->GetControlScrollGroupsRight()->OnClick();
  EXPECT_EQ(1u, Ribbon()->m_scrolls.size()) << "a press no longer held does nothing";
}

TEST_F(RibbonPopupsTest, AQuitDuringTheRepeatIsPostedAgainAndEndsIt) {
  AddPlacedTabs({"Home"});
  ::PostQuitMessage(7);
  PressScrollButton({});
  EXPECT_EQ(1u, Ribbon()->m_scrolls.size());
  MSG msg;
  ASSERT_TRUE(::PeekMessage(&msg, NULL, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(7u, msg.wParam);
  EXPECT_TRUE(::GetCapture() == NULL);
}

TEST_F(RibbonPopupsTest, TheOverflowPopupWrapsItsCommandsInRows) {
  AddPlacedTabs({"Home"});
  for (int i = 0; i < 30; ++i) {
    CTKControl* pCommand = m_pRibbon->GetQuickAccessControls()->AddNew(tkControlButton, 1000 + i);
    pCommand->SetHideFlags(TKHIDE_WRAP);
  }
  CTKPopupBar* pMore = m_pRibbon->CreateMoreQuickAccessPopup();
  ASSERT_NE(nullptr, DYNAMIC_DOWNCAST(CTKRibbonBarMorePopupToolBar, pMore));
  ASSERT_TRUE(pMore->Create());
  const CSize sz = pMore->CalcDynamicLayout(0, 0);
  const int nWrap = TKDpiHelper()->ScaleX(300);
  EXPECT_LE(sz.cx, nWrap + 2 * TKDpiHelper()->ScaleX(3));
  int nRows = 1;
  for (int i = 0; i < pMore->GetControlCount(); ++i) nRows += pMore->GetControl(i)->GetWrap() ? 1 : 0;
  EXPECT_GT(nRows, 1);
  EXPECT_EQ(31, pMore->GetControlCount()) << "the commands and the customise button";
  pMore->DestroyWindow();
  pMore->InternalRelease();
}

}  // namespace
