// Tool bars: filling from RT_TOOLBAR resources, the expand and close buttons,
// the mouse on a bar that may not move, and hiding.
#include <gtest/gtest.h>

#include <vector>

#include "SupportFrameTest.h"
#include "SupportSystem.h"
#include "commandbars/TKCommandBars.h"
#include "commandbars/TKCommandBarsOptions.h"
#include "commandbars/TKControls.h"
#include "commandbars/TKDockBar.h"
#include "commandbars/TKPopupBar.h"
#include "commandbars/TKToolBar.h"
#include "common/TKDpiHelper.h"

namespace {

const UINT kToolBar16 = 300;
const UINT kToolBar24 = 301;
const UINT kToolBarShort = 302;

/// A floating caption of a known height.
class CCaptionPaintManager : public CTestPaintManager {
 public:
  CSize CalcFloatingBarCaptionSize(CTKCommandBar*) override { return CSize(0, 14); }
};

/// Records what the bar asks of its dock context.
class CRecordingDockContext : public CTKDockContext {
 public:
  using CTKDockContext::CTKDockContext;
  int m_nDrags = 0;
  void StartDrag(CPoint) override { ++m_nDrags; }
};

class CRecordingBar : public CTKToolBar {
 public:
  CRecordingBar() {
    delete m_pDockContext;
    m_pDockContext = new CRecordingDockContext(this);
  }
  int Drags() const { return static_cast<CRecordingDockContext*>(m_pDockContext)->m_nDrags; }
};

/// Answers the reset question as the test says and keeps what it was asked.
class CAnsweringSystem : public CRecordingSystem {
 public:
  int m_nAnswer = IDCANCEL;
  std::vector<CString> m_questions;
  int ShowMessageBox(LPCTSTR lpszText, UINT) override {
    m_questions.push_back(lpszText);
    return m_nAnswer;
  }
};

class ToolBarTest : public CommandBarsSiteTest<CAnsweringSystem> {
 protected:
  void AddButtons(CTKToolBar* pBar, int nCount) {
    for (int i = 0; i < nCount; ++i) pBar->GetControls()->AddNew(tkControlButton, 100 + i);
  }
  /// The right edge of the last control the layout shows.
  int LastVisibleRight(CTKToolBar* pBar) {
    int nRight = 0;
    for (int i = 0; i < pBar->GetControlCount(); ++i) {
      CTKControl* pControl = pBar->GetControl(i);
      if (pControl->GetID() != TKID_TOOLBAR_OPTIONS && pControl->IsVisible())
        nRight = pControl->GetRect().right;
    }
    return nRight;
  }
};

TEST_F(ToolBarTest, AToolBarResourceGivesButtonsGroupsAndItsIconSize) {
  struct Case {
    UINT resource;
    CSize iconSize;
    std::vector<int> ids;
    std::vector<BOOL> groups;
  } cases[] = {
      {kToolBar16, CSize(20, 20), {100, 101}, {FALSE, TRUE}},
      {kToolBar24, CSize(24, 24), {100, 101}, {FALSE, FALSE}},
  };
  for (const Case& c : cases) {
    CTKToolBar* pBar = new CTKToolBar;
    pBar->SetIconSize(CSize(20, 20));
    ASSERT_TRUE(pBar->LoadToolBar(c.resource)) << c.resource;
    EXPECT_EQ(c.iconSize, pBar->GetIconSize()) << c.resource;
    EXPECT_EQ(c.resource, pBar->GetBarID());
    ASSERT_EQ(static_cast<int>(c.ids.size()), pBar->GetControlCount()) << c.resource;
    for (int i = 0; i < pBar->GetControlCount(); ++i) {
      EXPECT_EQ(c.ids[i], pBar->GetControl(i)->GetID()) << c.resource << " " << i;
      EXPECT_EQ(c.groups[i], pBar->GetControl(i)->GetBeginGroup()) << c.resource << " " << i;
    }
    EXPECT_NE(nullptr, pBar->GetControls()->GetOriginalControls()) << "kept for a reset";
    pBar->InternalRelease();
  }
  CTKToolBar* pBar = new CTKToolBar;
  ASSERT_TRUE(pBar->LoadToolBar(kToolBarShort, FALSE));
  EXPECT_EQ(2, pBar->GetControlCount()) << "no more ids than the resource holds";
  EXPECT_FALSE(pBar->LoadToolBar(999));
  EXPECT_EQ(0, pBar->GetControlCount()) << "emptied";
  pBar->InternalRelease();
}

TEST_F(ToolBarTest, ABarWithoutBehaviourFlagsNeitherDragsNorShowsTheMoveCursorNorFloats) {
  m_site.ShowWindow(SW_SHOWNA);
  struct Case {
    DWORD flags;
    BOOL movable;
  } cases[] = {{0x3F, TRUE}, {0, FALSE}};
  // A docked bar floats on a double-click only with this option.
  m_pBars->GetCommandBarsOptions()->bDblClickFloat = TRUE;
  for (const Case& c : cases) {
    CRecordingBar* pBar = new CRecordingBar;
    ASSERT_NE(nullptr, m_pBars->AddToolBar(pBar, "Tools", tkBarTop));
    AddButtons(pBar, 2);
    pBar->SetFlags(c.flags);
    LayOutSite();
    CRect rc;
    pBar->GetClientRect(&rc);
    ASSERT_FALSE(rc.IsRectEmpty());

    CPoint ptGrip(1, rc.Height() / 2);
    CPoint ptScreen = ptGrip;
    pBar->ClientToScreen(&ptScreen);
    ::SetCursorPos(ptScreen.x, ptScreen.y);
    pBar->SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(pBar->GetSafeHwnd()),
                      MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(c.movable, ::GetCursor() == ::LoadCursor(NULL, IDC_SIZEALL)) << c.flags;

    pBar->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ptGrip.x, ptGrip.y));
    EXPECT_EQ(c.movable ? 1 : 0, pBar->Drags()) << c.flags;
    pBar->SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(ptGrip.x, ptGrip.y));
    EXPECT_EQ(c.movable ? tkBarFloating : tkBarTop, pBar->GetPosition()) << c.flags;
    pBar->GetWindowRect(&rc);
    EXPECT_FALSE(rc.IsRectEmpty()) << "floating or docked, the bar keeps a size: " << c.flags;
    m_pBars->Remove(pBar);
  }
}

TEST_F(ToolBarTest, TheExpandButtonComesWithAHiddenControlAndElevenScaledPixels) {
  m_pBars->GetCommandBarsOptions()->bShowExpandButtonAlways = FALSE;
  for (int nDpi : {96, 120}) {
    TKDpiHelper()->OverrideDpi(nDpi, nDpi);
    CTKToolBar* pBar = m_pBars->Add("Tools", tkBarTop);
    AddButtons(pBar, 4);
    const DWORD dwMode = LM_HORZ | LM_HORZDOCK | LM_COMMIT | TKLM_HIDEWRAP;
    const CRect rcBorders = pBar->GetBorders();

    CSize sz = pBar->CalcLayout(1000, dwMode);
    CTKControl* pExpand = pBar->GetExpandButton(FALSE);
    ASSERT_NE(nullptr, pExpand);
    EXPECT_NE(0u, pExpand->GetHideFlags()) << "everything fits: " << nDpi;
    EXPECT_EQ(rcBorders.right, sz.cx - LastVisibleRight(pBar)) << nDpi;

    const int nShort = LastVisibleRight(pBar) - CTestPaintManager::kIconButton.cx / 2;
    sz = pBar->CalcLayout(nShort, dwMode);
    EXPECT_EQ(0u, pExpand->GetHideFlags()) << "a control is hidden: " << nDpi;
    EXPECT_EQ(static_cast<DWORD>(TKHIDE_WRAP), pBar->GetControl(3)->GetHideFlags()) << nDpi;
    EXPECT_EQ(rcBorders.right + TKDpiHelper()->ScaleX(11), sz.cx - LastVisibleRight(pBar))
        << nDpi;
    m_pBars->Remove(pBar);
  }
}

TEST_F(ToolBarTest, AFloatingBarShowsCloseThenExpandFromTheRightAsCaptionSquares) {
  m_pBars->SetPaintManager(new CCaptionPaintManager);
  struct Case {
    int dpi;
    BOOL always;
  } cases[] = {{96, TRUE}, {120, TRUE}, {96, FALSE}};
  for (const Case& c : cases) {
    TKDpiHelper()->OverrideDpi(c.dpi, c.dpi);
    m_pBars->GetCommandBarsOptions()->bShowExpandButtonAlways = c.always;
    CTKToolBar* pBar = m_pBars->Add("Floating", tkBarFloating);
    ASSERT_NE(nullptr, pBar);
    AddButtons(pBar, 3);
    const CSize sz = pBar->CalcDynamicLayout(400, LM_HORZ | LM_COMMIT);
    const int x = sz.cx - TKDpiHelper()->ScaleX(3);
    const int nTop = TKDpiHelper()->ScaleY(3);
    CTKControl* pClose = pBar->GetHideButton(FALSE);
    CTKControl* pExpand = pBar->GetExpandButton(FALSE);
    ASSERT_TRUE(pClose != nullptr && pExpand != nullptr);
    EXPECT_EQ(0u, pClose->GetHideFlags()) << c.dpi;
    EXPECT_EQ(CRect(x - 14, nTop, x, nTop + 14), pClose->GetRect()) << c.dpi;
    if (c.always) {
      EXPECT_EQ(0u, pExpand->GetHideFlags()) << c.dpi;
      EXPECT_EQ(CRect(x - 28, nTop, x - 14, nTop + 14), pExpand->GetRect()) << c.dpi;
    } else {
      EXPECT_NE(0u, pExpand->GetHideFlags()) << "only with ShowExpandButtonAlways";
    }
    m_pBars->Remove(pBar);
  }
}

TEST_F(ToolBarTest, HidingATornOffBarRemovesItAndABuiltInBarStays) {
  struct Case {
    BOOL tearOff;
    int count;
  } cases[] = {{FALSE, 1}, {TRUE, 0}};
  for (const Case& c : cases) {
    CTKToolBar* pBar = m_pBars->Add("Tools", tkBarTop);
    pBar->SetTearOff(c.tearOff);
    m_site.ClearMessages();
    pBar->SetVisible(FALSE);
    EXPECT_EQ(c.count, m_pBars->GetCount()) << c.tearOff;
    const HostMessage* pMessage = m_site.FindLastMessage(TK_WM_BARVISIBLECHANGED);
    ASSERT_NE(nullptr, pMessage);
    EXPECT_EQ(0, pMessage->lParam);
    m_pBars->RemoveAllToolBars();
  }
}

TEST_F(ToolBarTest, ATooltipNamesTheShortcutUnlessItIsMarkup) {
  /// Stands for the shortcut manager's default texts.
  class CShortcutBars : public CTKCommandBars {
   public:
    CString FindDefaultShortcutText(UINT nId) const override {
      return nId == 102 ? "F12" : "";
    }
  };
  ResetCommandBars(new CShortcutBars);
  CTKToolBar* pBar = m_pBars->Add("Tools", tkBarTop);
  AddButtons(pBar, 4);
  LayOutSite();
  const char* tips[] = {"Save", "<TextBlock>Save</TextBlock>", "Find", "Print"};
  for (int i = 0; i < 4; ++i) {
    pBar->GetControl(i)->SetTooltip(tips[i]);
    pBar->GetControl(i)->SetIconId(100 + i);
  }
  pBar->GetControl(0)->SetShortcutText("Ctrl+S");
  pBar->GetControl(1)->SetShortcutText("Ctrl+S");
  struct Case {
    BOOL accelTips;
    int control;
    const char* text;
  } cases[] = {
      {TRUE, 0, "Save (Ctrl+S)"},
      {TRUE, 1, "<TextBlock>Save</TextBlock>"},
      {TRUE, 2, "Find (F12)"},
      {TRUE, 3, "Print"},
      {FALSE, 0, "Save"},
  };
  for (const Case& c : cases) {
    m_pBars->GetCommandBarsOptions()->bToolBarAccelTips = c.accelTips;
    TOOLINFO ti = {};
    ti.cbSize = TTTOOLINFOA_V2_SIZE;
    const CPoint pt = pBar->GetControl(c.control)->GetRect().CenterPoint();
    EXPECT_EQ(100 + c.control, pBar->OnToolHitTest(pt, &ti)) << c.text;
    ASSERT_NE(nullptr, ti.lpszText);
    EXPECT_STREQ(c.text, ti.lpszText);
    EXPECT_EQ(pBar->GetSafeHwnd(), ti.hwnd);
    free(ti.lpszText);
  }
  m_pBars->GetCommandBarsOptions()->bToolBarScreenTips = FALSE;
  TOOLINFO ti = {};
  ti.cbSize = TTTOOLINFOA_V2_SIZE;
  EXPECT_EQ(-1, pBar->OnToolHitTest(pBar->GetControl(0)->GetRect().CenterPoint(), &ti));
}

TEST_F(ToolBarTest, TheCustomiseListKeepsARemovedBuiltInButtonAndPutsItBackHidden) {
  CTKToolBar* pBar = m_pBars->Add("Tools", tkBarTop);
  ASSERT_TRUE(pBar->LoadToolBar(kToolBar16, FALSE));
  pBar->GetControls()->AddNew(tkControlButton, 102);  // one of the user's own
  pBar->GetControls()->RemoveAt(0);                   // the user drags 100 off

  CTKPopupBar* pPopup = CTKPopupBar::CreatePopupBar(m_pBars);
  pBar->BuildCustomizePopup(pPopup);
  ASSERT_EQ(3, pBar->GetControlCount());
  EXPECT_EQ(100, pBar->GetControl(0)->GetID()) << "back at its place";
  EXPECT_EQ(static_cast<DWORD>(TKHIDE_CUSTOMIZE), pBar->GetControl(0)->GetHideFlags());
  EXPECT_EQ(101, pBar->GetControl(1)->GetID());
  EXPECT_TRUE(pBar->GetControl(1)->GetBeginGroup());

  struct Entry {
    int checked;
    BOOL enabled;
  } entries[] = {{FALSE, TRUE}, {TRUE, TRUE}, {TRUE, FALSE}};
  ASSERT_EQ(4, pPopup->GetControlCount());
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(entries[i].checked, pPopup->GetControl(i)->GetChecked()) << i;
    EXPECT_EQ(entries[i].enabled, pPopup->GetControl(i)->GetEnabled()) << i;
  }
  CTKControl* pReset = pPopup->GetControl(3);
  EXPECT_EQ(TKID_TOOLBAR_RESET, pReset->GetID());
  EXPECT_TRUE(pReset->GetBeginGroup());

  pPopup->GetControl(0)->OnExecute();
  EXPECT_EQ(0u, pBar->GetControl(0)->GetHideFlags() & TKHIDE_CUSTOMIZE) << "shown again";
  EXPECT_TRUE(pPopup->GetControl(0)->GetChecked());

  m_system.m_nAnswer = IDCANCEL;
  pReset->OnExecute();
  EXPECT_EQ(3, pBar->GetControlCount()) << "a cancelled question changes nothing";
  ASSERT_EQ(1u, m_system.m_questions.size());
  EXPECT_NE(-1, m_system.m_questions[0].Find("'Tools'"));
  m_system.m_nAnswer = IDOK;
  m_site.ClearMessages();
  pReset->OnExecute();
  EXPECT_EQ(2, pBar->GetControlCount()) << "the built-in buttons";
  const HostMessage* pMessage = m_site.FindLastMessage(TK_WM_BARRESET);
  ASSERT_NE(nullptr, pMessage);
  EXPECT_EQ(reinterpret_cast<LPARAM>(pBar), pMessage->lParam);
  pPopup->InternalRelease();
}

TEST_F(ToolBarTest, TheMenusOfARowListItsHiddenControlsAndItsBarsShowHideLists) {
  struct COfferingSite : public CTestSite {
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pInfo) override {
      if (nID == TKID_CUSTOMIZE && nCode == CN_COMMAND && pInfo != nullptr) return TRUE;
      return CTestSite::OnCmdMsg(nID, nCode, pExtra, pInfo);
    }
  };
  CTKToolBar* pA = m_pBars->Add("Tools & More", tkBarTop);
  CTKToolBar* pB = m_pBars->Add("Mine", tkBarTop);
  CTKToolBar* pAlone = m_pBars->Add("Elsewhere", tkBarBottom);
  for (CTKToolBar* pBar : {pA, pB, pAlone}) AddButtons(pBar, 2);
  LayOutSite();
  CRect rc;
  pA->GetWindowRect(&rc);
  rc.OffsetRect(rc.Width() + 10, 0);
  m_pBars->GetDockBar(tkBarTop)->DockCommandBar(pB, &rc);  // into A's row, right of it
  LayOutSite();
  pA->GetControl(1)->SetHideFlags(TKHIDE_WRAP);
  pA->GetControl(1)->SetBeginGroup(TRUE);
  pB->GetControl(0)->SetHideFlags(TKHIDE_WRAP);
  pB->GetControl(1)->SetHideFlags(TKHIDE_WRAP | TKHIDE_GENERIC);
  pAlone->GetControl(0)->SetHideFlags(TKHIDE_WRAP);

  CTKPopupBar* pHidden = CTKPopupBar::CreatePopupBar(m_pBars);
  m_pBars->AddHiddenControlsToPopup(pA, pHidden);
  ASSERT_EQ(2, pHidden->GetControlCount()) << "those of A's row hidden for room only";
  EXPECT_EQ(101, pHidden->GetControl(0)->GetID());
  EXPECT_EQ(100, pHidden->GetControl(1)->GetID());
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(0u, pHidden->GetControl(i)->GetHideFlags()) << i;
    EXPECT_FALSE(pHidden->GetControl(i)->GetBeginGroup()) << i;
  }
  pHidden->InternalRelease();

  pB->SetBuiltIn(FALSE);
  for (BOOL bOffered : {FALSE, TRUE}) {
    COfferingSite offering;
    ASSERT_TRUE(offering.CreateHost());
    if (bOffered) m_pBars->SetSite(&offering);
    CTKPopupBar* pLists = CTKPopupBar::CreatePopupBar(m_pBars);
    m_pBars->AddShowHideButtonsPopups(pA, pLists);
    ASSERT_EQ(bOffered ? 3 : 2, pLists->GetControlCount()) << bOffered;
    CTKControl* pListA = pLists->GetControl(0);
    EXPECT_EQ(CString("Tools && More"), pListA->GetCaption());
    EXPECT_EQ(tkControlPopup, pListA->GetType());
    EXPECT_EQ(bOffered, pListA->GetEnabled());
    ASSERT_NE(nullptr, pListA->GetCommandBar());
    EXPECT_EQ(bOffered ? 2 : 0, pListA->GetCommandBar()->GetControlCount())
        << "its two buttons (no reset without built-in controls) when enabled";
    EXPECT_FALSE(pLists->GetControl(1)->GetEnabled()) << "a bar of the user's own";
    if (bOffered) {
      EXPECT_EQ(TKID_CUSTOMIZE, pLists->GetControl(2)->GetID());
      EXPECT_TRUE(pLists->GetControl(2)->GetBeginGroup());
    }
    pLists->InternalRelease();
    m_pBars->SetSite(&m_site);
  }
}

TEST_F(ToolBarTest, PrintPreviewHidesTheBarsAndShowsBackOnlyThoseThatWereVisible) {
  CTKToolBar* pShown = m_pBars->Add("Shown", tkBarTop);
  CTKToolBar* pHidden = m_pBars->Add("Hidden", tkBarTop);
  pHidden->SetVisible(FALSE);
  m_pBars->OnSetPreviewMode(TRUE);
  EXPECT_FALSE(pShown->IsVisible());
  EXPECT_FALSE(pShown->IsWindowVisible());
  m_pBars->OnSetPreviewMode(FALSE);
  EXPECT_TRUE(pShown->IsVisible());
  EXPECT_FALSE(pHidden->IsVisible());
  EXPECT_FALSE(pHidden->IsWindowVisible());
}

}  // namespace
