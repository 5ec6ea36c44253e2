// The ribbon as the frame's caption (moving, sizing, the system menu, the
// desktop window manager's buttons) and the mouse on its tabs and groups.
#include "SupportFakeDwm.h"
#include "SupportRibbonInput.h"
#include "commandbars/TKControls.h"
#include "ribbon/TKRibbonResource.h"

namespace {

class RibbonMouseTest : public RibbonInputTest {
 protected:
  CPoint ToScreen(CPoint pt) const {
    m_pRibbon->ClientToScreen(&pt);
    return pt;
  }
  const MSG& LastRequest() const { return m_pFrame->m_frameRequests.back(); }
};

TEST_F(RibbonMouseTest, CaptionPartsFollowTheFramesStyle) {
  AddPlacedTabs({"Home", "View"});
  struct Case {
    const char* what;
    DWORD dwAdd, dwRemove;
    BOOL bFlatFrame;
    CPoint pt;
    int nExpected;
  } cases[] = {
      {"top edge of a resizable frame", 0, 0, FALSE, CPoint(300, 2), HTTOP},
      {"top edge of a fixed frame", 0, WS_THICKFRAME, FALSE, CPoint(300, 2), HTCAPTION},
      {"top edge of a maximised frame", WS_MAXIMIZE, 0, FALSE, CPoint(300, 2), HTCAPTION},
      {"caption below the edge", 0, 0, FALSE, CPoint(300, 10), HTCAPTION},
      {"icon place without a system button", 0, 0, FALSE, CPoint(5, 10), HTSYSMENU},
      {"icon place without a system menu", 0, WS_SYSMENU, FALSE, CPoint(5, 10), HTCAPTION},
      {"empty tab row", 0, 0, FALSE, CPoint(20, 40), 0},
      {"empty tab row of a flat frame", 0, 0, TRUE, CPoint(20, 40), HTCAPTION},
      {"a tab of a flat frame", 0, 0, TRUE, CPoint(50, 40), 0},
      {"the groups", 0, 0, TRUE, CPoint(300, 100), 0},
  };
  const DWORD dwStyle = m_pFrame->GetStyle();
  for (const Case& c : cases) {
    ::SetWindowLongA(m_pFrame->GetSafeHwnd(), GWL_STYLE, (dwStyle | c.dwAdd) & ~c.dwRemove);
    RibbonLook()->m_bFlatFrame = c.bFlatFrame;
    EXPECT_EQ(c.nExpected, m_pRibbon->HitTestCaption(c.pt)) << c.what;
  }
  ::SetWindowLongA(m_pFrame->GetSafeHwnd(), GWL_STYLE, dwStyle);
  m_pRibbon->EnableFrameTheme(FALSE);
  EXPECT_EQ(0, m_pRibbon->HitTestCaption(CPoint(300, 10))) << "without frame theming";
}

TEST_F(RibbonMouseTest, APressOnTheCaptionReachesTheFrameAsItsOwn) {
  AddPlacedTabs({"Home"});
  Mouse(WM_LBUTTONDOWN, CPoint(300, 10));
  ASSERT_EQ(1u, m_pFrame->m_frameRequests.size());
  EXPECT_EQ(static_cast<UINT>(WM_NCLBUTTONDOWN), LastRequest().message);
  EXPECT_EQ(static_cast<WPARAM>(HTCAPTION), LastRequest().wParam);
  const CPoint ptScreen = ToScreen(CPoint(300, 10));
  EXPECT_EQ(MAKELPARAM(ptScreen.x, ptScreen.y), LastRequest().lParam);

  Mouse(WM_LBUTTONDOWN, CPoint(300, 2));
  EXPECT_EQ(static_cast<WPARAM>(HTTOP), LastRequest().wParam) << "the top edge sizes";
}

// The menu opens below the ribbon's caption where the window stands, not at
// the left edge of the screen.
TEST_F(RibbonMouseTest, TheSystemMenuOpensBelowTheCaptionOfTheWindow) {
  AddPlacedTabs({"Home"});
  Mouse(WM_LBUTTONDOWN, CPoint(5, 10));
  ASSERT_EQ(1u, m_pFrame->m_frameRequests.size());
  EXPECT_EQ(static_cast<UINT>(TK_WM_POPUPSYSTEMMENU), LastRequest().message);
  const CPoint ptExpected = ToScreen(CPoint(0, 30));
  ASSERT_NE(CPoint(0, 30), ptExpected);
  EXPECT_EQ(MAKELPARAM(ptExpected.x, ptExpected.y), LastRequest().lParam);

  Mouse(WM_RBUTTONUP, CPoint(300, 10));
  EXPECT_EQ(static_cast<UINT>(TK_WM_POPUPSYSTEMMENU), LastRequest().message)
      << "a right click on the caption";
  const CPoint ptClick = ToScreen(CPoint(300, 10));
  EXPECT_EQ(MAKELPARAM(ptClick.x, ptClick.y), LastRequest().lParam);
}

TEST_F(RibbonMouseTest, DoubleClickingTheCaptionMaximisesAndRestores) {
  AddPlacedTabs({"Home"});
  RibbonLook()->m_nCaptionHeight = 30;
  m_pFrame->m_bSizeCommands = TRUE;
  // An empty part of the caption as the ribbon's own layout has it now: the
  // frame lays the ribbon out again as it changes its size.
  auto emptyCaption = [this] {
    m_pFrame->RecalcLayout();
    const CRect rcFree = m_pRibbon->GetCaptionFreeRect();
    return CPoint(rcFree.left + 5, m_pRibbon->GetCaptionRect().top + 15);
  };
  m_pRibbon->CalcLayout(600, LM_HORZ | LM_HORZDOCK | LM_COMMIT);
  ASSERT_EQ(HTCAPTION, m_pRibbon->HitTestCaption(emptyCaption()));
  Mouse(WM_LBUTTONDBLCLK, emptyCaption());
  EXPECT_EQ(static_cast<UINT>(WM_NCLBUTTONDBLCLK), LastRequest().message);
  ASSERT_FALSE(m_pFrame->m_sysCommands.empty());
  EXPECT_EQ(static_cast<WPARAM>(SC_MAXIMIZE), m_pFrame->m_sysCommands.back() & 0xFFF0);
  EXPECT_TRUE(m_pFrame->IsZoomed());
  ASSERT_EQ(HTCAPTION, m_pRibbon->HitTestCaption(emptyCaption()));
  Mouse(WM_LBUTTONDBLCLK, emptyCaption());
  EXPECT_FALSE(m_pFrame->IsZoomed());
}

TEST_F(RibbonMouseTest, TheSizingEdgeSetsTheFramesCursor) {
  AddPlacedTabs({"Home"});
  m_system.m_ptCursor = ToScreen(CPoint(300, 2));
  m_pRibbon->SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(m_pRibbon->GetSafeHwnd()),
                         MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  ASSERT_EQ(1u, m_pFrame->m_frameRequests.size());
  EXPECT_EQ(static_cast<UINT>(WM_SETCURSOR), LastRequest().message);
  EXPECT_EQ(MAKELPARAM(HTTOP, WM_MOUSEMOVE), LastRequest().lParam);
}

TEST_F(RibbonMouseTest, UnderDwmTheSystemsCaptionButtonsGetTheMouse) {
  CFakeDwm dwm;
  static LRESULT s_nDwmAnswer;
  TKDwmApi()->m_pfnDwmDefWindowProc = [](HWND, UINT, WPARAM, LPARAM, LRESULT* plResult) -> BOOL {
    *plResult = s_nDwmAnswer;
    return TRUE;
  };
  AddPlacedTabs({"Home"});
  ASSERT_TRUE(m_pRibbon->IsDwmFrameEnabled());
  const CPoint ptScreen = ToScreen(CPoint(580, 10));
  for (LRESULT nCode : {HTMINBUTTON, HTMAXBUTTON, HTCLOSE, HTHELP}) {
    s_nDwmAnswer = nCode;
    EXPECT_EQ(HTTRANSPARENT, Ribbon()->NcHitTest(ptScreen)) << nCode;
  }
  s_nDwmAnswer = HTCAPTION;
  EXPECT_NE(HTTRANSPARENT, Ribbon()->NcHitTest(ptScreen));
}

TEST_F(RibbonMouseTest, DoubleClickingTheSelectedTabMinimisesAndRestores) {
  AddPlacedTabs({"Home", "View"});
  const CPoint ptHome(70, 40), ptView(130, 40);
  Mouse(WM_LBUTTONDOWN, ptHome);
  Mouse(WM_LBUTTONDBLCLK, ptHome);
  EXPECT_TRUE(m_pRibbon->IsRibbonMinimized());
  Mouse(WM_LBUTTONDOWN, ptHome);
  Mouse(WM_LBUTTONDBLCLK, ptHome);
  EXPECT_FALSE(m_pRibbon->IsRibbonMinimized());

  Mouse(WM_LBUTTONDOWN, ptView);
  Mouse(WM_LBUTTONDBLCLK, ptView);
  EXPECT_FALSE(m_pRibbon->IsRibbonMinimized()) << "another tab is only selected";
  EXPECT_EQ(1, m_pRibbon->GetCurSel());
}

TEST_F(RibbonMouseTest, TheWheelStepsTheTabsWhileNothingElseIsOpen) {
  AddPlacedTabs({"Home", "View", "Help"});
  m_pRibbon->SetTrackingMode(TRUE, FALSE, FALSE);
  const struct {
    short nDelta;
    int nExpected;
  } steps[] = {{-120, 1}, {0, 2}, {120, 1}};
  for (const auto& step : steps) {
    m_pFrame->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, step.nDelta), 0);
    EXPECT_EQ(step.nExpected, m_pRibbon->GetCurSel()) << step.nDelta;
  }
  m_pBars->BuildKeyboardTipWindows(m_pRibbon, 1);
  ASSERT_GT(m_pBars->GetKeyboardTips()->GetCount(), 0);
  m_pFrame->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, -120), 0);
  EXPECT_EQ(1, m_pRibbon->GetCurSel()) << "key tips show";
  m_pBars->HideKeyboardTips();
  m_pRibbon->SetTrackingMode(FALSE);
}

TEST_F(RibbonMouseTest, ARightClickOnAGroupsCaptionOffersTheWholeGroup) {
  AddPlacedTabs({"Home"});
  CTKRibbonGroup* pGroup = AddPlacedGroup(m_pRibbon->GetTab(0), 10, 2);
  pGroup->ShowOptionButton(FALSE);
  pGroup->SetGroupRect(pGroup->GetRect());
  Mouse(WM_RBUTTONUP, CPoint(20, 148));
  ASSERT_EQ(1u, m_pFrame->m_contextMenus.size());
  EXPECT_EQ(pGroup->GetControlGroupPopup(), m_pFrame->m_contextMenus[0].pTarget);

  Mouse(WM_RBUTTONUP, CPoint(20, 100));
  EXPECT_EQ(1u, m_pFrame->m_contextMenus.size()) << "the group's content is no caption";
}

TEST_F(RibbonMouseTest, ARightClickOnEmptyQuickAccessOffersPositionAndMinimising) {
  AddPlacedTabs({"Home"});
  m_pRibbon->AllowQuickAccessCustomization(FALSE);
  Ribbon()->SetQuickAccessRect(CRect(400, 56, 560, 78));
  Ribbon()->SetGroupsRect(CRect(0, 80, 600, 150));
  Mouse(WM_RBUTTONUP, CPoint(500, 60));
  ASSERT_EQ(1u, m_pFrame->m_contextMenus.size());
  std::vector<int> ids;
  for (int nId : m_pFrame->m_contextMenus[0].ids)
    if (nId != 0) ids.push_back(nId);
  EXPECT_EQ((std::vector<int>{TK_ID_RIBBONCUSTOMIZE_QUICKACCESSBELOW, TK_ID_RIBBONCUSTOMIZE_MINIMIZE}),
            ids);
}

}  // namespace
