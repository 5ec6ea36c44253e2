// The ribbon's layout: hiding below the minimum width, its height with the
// groups, minimised and with the quick-access bar below, the quick-access
// bar running out of room, the caption buttons by window style and on glass,
// the title in the free caption, and hidden tabs.
#include "SupportFakeDwm.h"
#include "SupportRibbon.h"
#include "commandbars/TKCommandBarsFrameHook.h"
#include "commandbars/TKControls.h"
#include "common/TKDpiHelper.h"
#include "ribbon/TKRibbonBarControlCaptionButton.h"
#include "ribbon/TKRibbonControlTab.h"
#include "ribbon/TKRibbonGroup.h"
#include "ribbon/TKRibbonQuickAccessControls.h"

namespace {

const DWORD kCommit = LM_HORZ | LM_HORZDOCK | LM_COMMIT;

class RibbonLayoutTest : public RibbonFrameTest {
 protected:
  void SetUp() override {
    TKDpiHelper()->OverrideDpi(96, 96);
    RibbonFrameTest::SetUp();
    m_pPaintManager->m_nControlHeightOverride = 22;
    CTKRibbonTab* pTab = AddTab("Home");
    AddTab("View");
    CTKRibbonGroup* pGroup = pTab->GetGroups()->AddGroup("Build", 3001);
    pGroup->AddClone(&m_prototype);
  }

  /// `n` quick-access commands of ids 500 up.
  void AddQuickAccessCommands(int n) {
    for (int i = 0; i < n; ++i) {
      CTKControl* pCommand = m_pRibbon->GetQuickAccessControls()->AddCopy(&m_prototype);
      pCommand->SetID(500 + i);
    }
  }
  std::vector<CTKControl*> QuickAccessCommands() const {
    std::vector<CTKControl*> commands;
    CTKRibbonQuickAccessControls* pQuickAccess = m_pRibbon->GetQuickAccessControls();
    for (int i = 0; i < pQuickAccess->GetCount(); ++i) commands.push_back(pQuickAccess->GetAt(i));
    return commands;
  }
  BOOL HasFlag(CTKControl* pControl, DWORD dwFlag) const {
    return (pControl->GetHideFlags() & dwFlag) != 0;
  }

  CTestSizedButton m_prototype;
};

TEST_F(RibbonLayoutTest, NarrowerThanTheMinimumHidesTheRibbonAndWideningBringsItBack) {
  const CSize szNarrow = m_pRibbon->CalcLayout(249, kCommit);
  EXPECT_EQ(CSize(249, 0), szNarrow);
  EXPECT_FALSE(m_pRibbon->IsRibbonShown());
  const CSize szWide = m_pRibbon->CalcLayout(250, kCommit);
  EXPECT_EQ(250, szWide.cx);
  EXPECT_GT(szWide.cy, 0);
  EXPECT_TRUE(m_pRibbon->IsRibbonShown());
}

// One caption only: the frame keeps its borders and the ribbon's caption band
// stands where the frame's caption row would be.
TEST_F(RibbonLayoutTest, TheFrameLeavesItsCaptionToTheShownRibbon) {
  m_pPaintManager->EnableTestFrame();
  RibbonLook()->m_nCaptionHeight = 30;
  ASSERT_TRUE(m_pRibbon->EnableFrameTheme(TRUE));
  m_pFrame->ShowWindow(SW_SHOWNOACTIVATE);
  m_pFrame->RecalcLayout();
  CTKCommandBarsFrameHook* pHook = m_pBars->GetFrameHook();
  ASSERT_NE(nullptr, pHook);
  ASSERT_TRUE(m_pRibbon->IsRibbonShown());
  EXPECT_FALSE(pHook->IsFrameCaptionVisible());
  const int nTopBorder = pHook->CalcFrameBorder().top;
  EXPECT_EQ(nTopBorder + m_pRibbon->GetCaptionHeight(), pHook->GetCaptionHeight());
  EXPECT_EQ(30, m_pRibbon->GetCaptionHeight());
  // The client area, and with it the ribbon, begins right under the top border.
  CRect rcWindow;
  m_pFrame->GetWindowRect(&rcWindow);
  CPoint ptClient(0, 0);
  m_pFrame->ClientToScreen(&ptClient);
  EXPECT_EQ(nTopBorder, ptClient.y - rcWindow.top);

  // Too narrow, the ribbon hides and the frame draws its caption again.
  m_pRibbon->CalcLayout(100, kCommit);
  EXPECT_TRUE(pHook->IsFrameCaptionVisible());
  EXPECT_EQ(nTopBorder + pHook->GetFramePaintManager()->GetCaptionHeight(),
            pHook->GetCaptionHeight());
  m_pRibbon->EnableFrameTheme(FALSE);
}

TEST_F(RibbonLayoutTest, ShowingOrHidingAsksTheFrameHookToRecalculateTheFrame) {
  m_pPaintManager->EnableTestFrame();
  ASSERT_TRUE(m_pRibbon->EnableFrameTheme(TRUE));
  const HWND hSite = m_pFrame->GetSafeHwnd();
  // The hook asks for it with an idle update posted to the site.
  auto takeIdleUpdates = [hSite] {
    int n = 0;
    MSG msg;
    while (::PeekMessage(&msg, hSite, WM_IDLEUPDATECMDUI, WM_IDLEUPDATECMDUI, PM_REMOVE)) ++n;
    return n;
  };
  m_pRibbon->CalcLayout(600, kCommit);
  takeIdleUpdates();
  m_pRibbon->CalcLayout(100, kCommit);
  EXPECT_EQ(1, takeIdleUpdates());
  m_pRibbon->CalcLayout(120, kCommit);
  EXPECT_EQ(0, takeIdleUpdates());
  m_pRibbon->CalcLayout(600, kCommit);
  EXPECT_EQ(1, takeIdleUpdates());
}

TEST_F(RibbonLayoutTest, HeightAddsUpFromCaptionTabsGroupsAndQuickAccess) {
  struct Case {
    const char* name;
    BOOL bMinimized;
    BOOL bBelow;
  };
  const Case cases[] = {{"normal", FALSE, FALSE}, {"minimised", TRUE, FALSE}, {"below", FALSE, TRUE}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    m_pRibbon->SetRibbonMinimized(c.bMinimized);
    m_pRibbon->ShowQuickAccessBelowRibbon(c.bBelow);
    const int q = m_pRibbon->CalcQuickAccessHeight();
    const int t = m_pRibbon->GetTabsHeight();
    const int g = m_pRibbon->GetGroupsHeight();
    const int nHeight = m_pRibbon->CalcLayout(800, kCommit).cy;
    // Without a frame the quick-access bar above sets the caption's height, less its margin.
    const int nCaption = c.bBelow ? 0 : q - 4;
    EXPECT_EQ(nCaption, m_pRibbon->GetCaptionHeight());
    if (c.bMinimized) {
      EXPECT_EQ(nCaption + t + 2, nHeight);
    }
    if (c.bBelow) {
      EXPECT_EQ(t + g + 1 + q, nHeight);
      const CRect rcGroups = m_pRibbon->GetGroupsRect();
      EXPECT_EQ(CRect(0, rcGroups.bottom, 800, rcGroups.bottom + q), m_pRibbon->GetQuickAccessRect());
    }
    if (!c.bMinimized && !c.bBelow) {
      EXPECT_EQ(nCaption + t + g, nHeight);
    }
  }
}

TEST_F(RibbonLayoutTest, QuickAccessCommandsThatDoNotFitGiveWayToTheMoreButton) {
  AddQuickAccessCommands(20);
  const int nWidth = 500;
  m_pRibbon->CalcLayout(nWidth, kCommit);
  const int nLimit = nWidth - 3 * m_pRibbon->GetCaptionRect().Height();
  std::vector<CTKControl*> commands = QuickAccessCommands();
  int nFirstHidden = -1;
  for (int i = 0; i < static_cast<int>(commands.size()); ++i) {
    if (nFirstHidden < 0 && HasFlag(commands[i], TKHIDE_WRAP)) nFirstHidden = i;
    if (nFirstHidden >= 0) {
      EXPECT_TRUE(HasFlag(commands[i], TKHIDE_WRAP)) << i;
    } else {
      EXPECT_LE(commands[i]->GetRect().right, nLimit) << i;
    }
  }
  ASSERT_GT(nFirstHidden, 0);
  // The first hidden one would have passed the limit.
  EXPECT_GT(commands[nFirstHidden - 1]->GetRect().right + m_prototype.m_szMedium.cx, nLimit);
  CTKControl* pCustomize = m_pRibbon->GetControlQuickAccess();
  CTKControl* pMore = m_pRibbon->GetControlQuickAccessMore();
  EXPECT_TRUE(HasFlag(pCustomize, TKHIDE_WRAP));
  EXPECT_TRUE(pMore->IsVisible());
  EXPECT_EQ(commands[nFirstHidden - 1]->GetRect().right + 12, pMore->GetRect().left);

  // With room again the customise button stands where the more button stood.
  m_pRibbon->CalcLayout(1600, kCommit);
  EXPECT_FALSE(pMore->IsVisible());
  EXPECT_TRUE(pCustomize->IsVisible());
  EXPECT_EQ(commands.back()->GetRect().right + 12, pCustomize->GetRect().left);
}

TEST_F(RibbonLayoutTest, CaptionButtonsFollowTheWindowStyle) {
  struct Case {
    const char* name;
    DWORD dwRemove;
    BOOL bMaximize;
    std::vector<int> ids;
  };
  const Case cases[] = {
      {"overlapped", 0, FALSE, {SC_CLOSE, SC_MAXIMIZE, SC_MINIMIZE}},
      {"maximised", 0, TRUE, {SC_CLOSE, SC_RESTORE, SC_MINIMIZE}},
      {"no system menu", WS_SYSMENU, FALSE, {}},
  };
  m_pPaintManager->EnableTestFrame();
  ASSERT_TRUE(m_pRibbon->EnableFrameTheme(TRUE));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    DWORD dwStyle = WS_OVERLAPPEDWINDOW & ~c.dwRemove;
    if (c.bMaximize) dwStyle |= WS_MAXIMIZE;
    ::SetWindowLong(m_pFrame->GetSafeHwnd(), GWL_STYLE, static_cast<LONG>(dwStyle));
    m_pRibbon->CalcLayout(800, kCommit);
    std::vector<int> ids;
    for (int nId : {SC_CLOSE, SC_RESTORE, SC_MAXIMIZE, SC_MINIMIZE}) {
      CTKControl* pButton = m_pRibbon->GetControls()->FindControlById(nId);
      if (pButton == nullptr) continue;
      EXPECT_TRUE(pButton->IsKindOf(RUNTIME_CLASS(CTKRibbonBarControlCaptionButton)));
      ids.push_back(nId);
    }
    EXPECT_EQ(c.ids, ids);
  }
  // The buttons stand from the right end, 30 pixels each.
  ::SetWindowLong(m_pFrame->GetSafeHwnd(), GWL_STYLE, WS_OVERLAPPEDWINDOW);
  m_pRibbon->CalcLayout(800, kCommit);
  EXPECT_EQ(800, m_pRibbon->GetControls()->FindControlById(SC_CLOSE)->GetRect().right);
  EXPECT_EQ(710, m_pRibbon->GetControls()->FindControlById(SC_MINIMIZE)->GetRect().left);
  EXPECT_EQ(710, m_pRibbon->GetCaptionFreeRect().right);
}

TEST_F(RibbonLayoutTest, OnGlassTheSystemDrawsTheCaptionButtonsAndQuickAccessStopsShort) {
  CFakeDwm dwm;
  m_pPaintManager->EnableTestFrame();
  ASSERT_TRUE(m_pRibbon->EnableFrameTheme(TRUE));
  ASSERT_TRUE(m_pRibbon->IsDwmFrameEnabled());
  AddQuickAccessCommands(20);
  m_pRibbon->CalcLayout(600, kCommit);
  for (int nId : {SC_CLOSE, SC_RESTORE, SC_MAXIMIZE, SC_MINIMIZE})
    EXPECT_EQ(nullptr, m_pRibbon->GetControls()->FindControlById(nId)) << nId;
  int nRight = 0;
  for (CTKControl* pCommand : QuickAccessCommands())
    if (!HasFlag(pCommand, TKHIDE_WRAP)) nRight = pCommand->GetRect().right;
  EXPECT_LE(nRight, 600 - 115);
  EXPECT_GT(nRight + m_prototype.m_szMedium.cx, 600 - 115);
  m_pRibbon->EnableFrameTheme(FALSE);
}

TEST_F(RibbonLayoutTest, ATitleWiderThanTheFreeCaptionFillsIt) {
  m_pPaintManager->EnableTestFrame();
  ASSERT_TRUE(m_pRibbon->EnableFrameTheme(TRUE));
  m_pFrame->SetWindowText(CString('W', 400));
  m_pRibbon->CalcLayout(600, kCommit);
  EXPECT_EQ(m_pRibbon->GetCaptionFreeRect(), m_pRibbon->GetCaptionTextRect());
  // A short one takes its own width at the free area's left.
  m_pFrame->SetWindowText("W");
  m_pRibbon->CalcLayout(600, kCommit);
  const CRect rcText = m_pRibbon->GetCaptionTextRect();
  EXPECT_EQ(m_pRibbon->GetCaptionFreeRect().left, rcText.left);
  EXPECT_LT(rcText.Width(), m_pRibbon->GetCaptionFreeRect().Width());
}

TEST_F(RibbonLayoutTest, HiddenTabsLeaveAOnePixelHiddenStripAndHideTheTabRowControls) {
  CTKControl* pHelp = m_pRibbon->GetControls()->AddCopy(&m_prototype);
  pHelp->SetID(900);
  pHelp->SetFlags(pHelp->GetFlags() | 0x1);
  m_pRibbon->SetTabsVisible(FALSE);
  m_pRibbon->CalcLayout(800, kCommit);
  CTKRibbonControlTab* pStrip = m_pRibbon->GetControlTab();
  EXPECT_EQ(1, pStrip->GetRect().Height());
  EXPECT_EQ(0, pStrip->GetRect().Width());
  EXPECT_TRUE(HasFlag(pStrip, TKHIDE_GENERIC));
  EXPECT_TRUE(HasFlag(pHelp, TKHIDE_POSITION));

  m_pRibbon->SetTabsVisible(TRUE);
  m_pRibbon->CalcLayout(800, kCommit);
  EXPECT_FALSE(HasFlag(pStrip, TKHIDE_GENERIC));
  EXPECT_FALSE(HasFlag(pHelp, TKHIDE_POSITION));
  // A right-aligned control ends the row; the strip stops where it starts.
  EXPECT_EQ(800, pHelp->GetRect().right);
  EXPECT_EQ(pHelp->GetRect().left, pStrip->GetRect().right);
}

}  // namespace
