// Dialog bars in a frame's dock bars and floating: their sizing borders by
// dock side, the minimum client size, the caption's controls and the hosted
// child; and tool bars moved into rebar bands.
#include <gtest/gtest.h>

#include <afxcmn.h>

#include <algorithm>
#include <vector>

#include "SupportLayoutFrame.h"
#include "SupportPaintManager.h"
#include "commandbars/TKControls.h"
#include "commandbars/TKDialogBar.h"
#include "commandbars/TKDockBar.h"
#include "commandbars/TKReBar.h"
#include "common/TKDpiHelper.h"

namespace {

class DialogBarTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TKSetCommandBarsSystem(&m_system);
    m_frame.m_site.ShowWindow(SW_SHOWNA);
    m_pBar = static_cast<CTKDialogBar*>(
        m_frame.m_pBars->Add("Pane", tkBarTop, RUNTIME_CLASS(CTKDialogBar)));
    ASSERT_NE(nullptr, m_pBar);
    m_pBar->SetBarID(300);
    m_frame.LayOut();
  }
  void TearDown() override {
    if (::GetCapture() != NULL) ::ReleaseCapture();
    TKSetCommandBarsSystem(nullptr);
  }
  CRect Window() {
    CRect rc;
    m_pBar->GetWindowRect(&rc);
    return rc;
  }
  void Float() {
    ASSERT_TRUE(m_frame.m_pBars->FloatCommandBar(m_pBar));
    const CSize sz = m_pBar->CalcDynamicLayout(0, LM_HORZ | LM_COMMIT);
    m_pBar->SetWindowPos(NULL, 100, 100, sz.cx, sz.cy, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  UINT HitTest(CPoint ptScreen) {
    return static_cast<UINT>(
        m_pBar->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(ptScreen.x, ptScreen.y)));
  }

  CTestGlobalPaintManager m_paintManager;
  CLayoutSystem m_system;
  CLayoutFrame m_frame;
  CTKDialogBar* m_pBar = nullptr;
};

TEST_F(DialogBarTest, TheSizingEdgesFollowTheDockSide) {
  struct Case {
    int nSide;
    BOOL bStretched;
    UINT nTop, nBottom, nLeft, nRight;
  } cases[] = {
      {tkBarTop, FALSE, HTCLIENT, HTBOTTOM, HTCLIENT, HTRIGHT},
      {tkBarRight, FALSE, HTCLIENT, HTBOTTOM, HTLEFT, HTCLIENT},
      {tkBarTop, TRUE, HTCLIENT, HTBOTTOM, HTCLIENT, HTCLIENT},
      {tkBarBottom, FALSE, HTTOP, HTCLIENT, HTCLIENT, HTRIGHT},
      {tkBarLeft, TRUE, HTCLIENT, HTCLIENT, HTCLIENT, HTRIGHT},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "side " << c.nSide << " stretched " << c.bStretched);
    m_pBar->SetFlags(TKBARFLAG_MOVABLE | (c.bStretched ? TKBARFLAG_STRETCHED : 0));
    ASSERT_TRUE(m_frame.m_pBars->DockCommandBar(m_pBar, nullptr,
                                                m_frame.m_pBars->GetDockBar(c.nSide)));
    m_frame.LayOut();
    const CRect rc = Window();
    const CPoint ptMiddle = rc.CenterPoint();
    EXPECT_EQ(c.nTop, HitTest(CPoint(ptMiddle.x, rc.top)));
    EXPECT_EQ(c.nBottom, HitTest(CPoint(ptMiddle.x, rc.bottom - 1)));
    EXPECT_EQ(c.nLeft, HitTest(CPoint(rc.left, ptMiddle.y)));
    EXPECT_EQ(c.nRight, HitTest(CPoint(rc.right - 1, ptMiddle.y)));
  }
}

TEST_F(DialogBarTest, AFloatingBarHasSizingEdgesAndCornersAndAFixedOneNone) {
  Float();
  const CRect rc = Window();
  EXPECT_EQ(static_cast<UINT>(HTTOPLEFT), HitTest(rc.TopLeft()));
  EXPECT_EQ(static_cast<UINT>(HTBOTTOMRIGHT), HitTest(rc.BottomRight() - CSize(1, 1)));
  EXPECT_EQ(static_cast<UINT>(HTLEFT), HitTest(CPoint(rc.left, rc.CenterPoint().y)));
  m_pBar->SetResizable(FALSE);
  EXPECT_EQ(static_cast<UINT>(HTCLIENT), HitTest(CPoint(rc.left, rc.CenterPoint().y)));
}

TEST_F(DialogBarTest, AFloatingBarDraggedBelowTheMinimumKeepsItsSize) {
  Float();
  const CRect rcBefore = Window();
  // Drag the bottom-right corner up and left by most of the bar.
  const CPoint ptStart = rcBefore.BottomRight() - CSize(1, 1);
  const CPoint ptSite = ptStart - CSize(rcBefore.Width() - 20, rcBefore.Height() - 20);
  CPoint ptClient = ptSite;
  m_frame.m_site.ScreenToClient(&ptClient);
  m_frame.m_site.PostMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(ptClient.x, ptClient.y));
  m_frame.m_site.PostMessage(WM_LBUTTONUP, 0, 0);
  m_pBar->GetDockContext()->StartResize(HTBOTTOMRIGHT, ptStart);
  EXPECT_EQ(rcBefore, Window());

  // A drag that stays above the minimum takes the new size.
  const CPoint ptEnd = ptStart + CSize(30, 40);
  ptClient = ptEnd;
  m_frame.m_site.ScreenToClient(&ptClient);
  m_frame.m_site.PostMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(ptClient.x, ptClient.y));
  m_frame.m_site.PostMessage(WM_LBUTTONUP, 0, 0);
  m_pBar->GetDockContext()->StartResize(HTBOTTOMRIGHT, ptStart);
  EXPECT_EQ(CSize(rcBefore.Width() + 30, rcBefore.Height() + 40), Window().Size());
  CSize szDocking, szFloating;
  m_pBar->GetDialogBarClientSizes(szDocking, szFloating);
  const CRect rcBorders = m_pBar->GetClientBorders();
  EXPECT_EQ(CSize(Window().Width() - rcBorders.left - rcBorders.right,
                  Window().Height() - rcBorders.top - rcBorders.bottom),
            szFloating);
}

TEST_F(DialogBarTest, ADockedBarResizedByAnEdgeChangesOneDockedClientLength) {
  const CRect rc = Window();
  const CSize szBefore = [&] {
    CSize szDocking, szFloating;
    m_pBar->GetDialogBarClientSizes(szDocking, szFloating);
    return szDocking;
  }();
  m_pBar->ResizeToRect(rc.left, rc.top, rc.right, rc.bottom + 25, HTBOTTOM);
  CSize szDocking, szFloating;
  m_pBar->GetDialogBarClientSizes(szDocking, szFloating);
  EXPECT_EQ(szBefore.cx, szDocking.cx);
  EXPECT_EQ(szBefore.cy + 25, szDocking.cy);
}

TEST_F(DialogBarTest, TheCloseButtonAndTheCaptionControlShareTheCaption) {
  CTKDpiHelper* pDpi = TKDpiHelper();
  for (BOOL bCloseable : {TRUE, FALSE}) {
    SCOPED_TRACE(bCloseable ? "closeable" : "not closeable");
    m_pBar->SetCloseable(bCloseable);
    const CSize sz = m_pBar->CalcLayout(32000, LM_HORZ | LM_HORZDOCK | LM_COMMIT);
    CTKToolBar::CControlButtonHide* pHide = m_pBar->GetHideButton(FALSE);
    CTKDialogBar::CControlCaptionPopup* pCaption = m_pBar->GetCaptionControl();
    ASSERT_NE(nullptr, pCaption);
    ASSERT_NE(nullptr, pHide);
    EXPECT_EQ(bCloseable ? 0u : static_cast<DWORD>(TKHIDE_GENERIC), pHide->GetHideFlags());
    const int nRight = sz.cx - pDpi->ScaleX(3);
    EXPECT_EQ(bCloseable ? nRight - pDpi->ScaleX(16) : nRight, pCaption->GetRect().right);
    EXPECT_EQ(pDpi->ScaleY(16), pCaption->GetRect().Height());
    EXPECT_EQ(CString("Pane"), pCaption->GetCaption()) << "the bar title stands in";
  }
  m_pBar->SetCaption("Output");
  m_pBar->CalcLayout(32000, LM_HORZ | LM_HORZDOCK | LM_COMMIT);
  EXPECT_EQ(CString("Output"), m_pBar->GetCaptionControl()->GetCaption());
}

TEST_F(DialogBarTest, AnEmptyCaptionMenuNeitherDrawsAGlyphNorOpens) {
  m_pBar->CalcLayout(32000, LM_HORZ | LM_HORZDOCK | LM_COMMIT);
  CTKDialogBar::CControlCaptionPopup* pCaption = m_pBar->GetCaptionControl();
  EXPECT_FALSE(pCaption->HasCaptionPopup());
  EXPECT_TRUE(pCaption->OnSetPopup(TRUE));
  EXPECT_FALSE(pCaption->IsPopupOpen());
  EXPECT_EQ(NULL, m_pBar->GetCaptionPopupBar()->GetSafeHwnd());

  m_pBar->GetCaptionPopupBar()->GetControls()->AddNew(tkControlButton, 1);
  m_pBar->CalcLayout(32000, LM_HORZ | LM_HORZDOCK | LM_COMMIT);
  EXPECT_TRUE(pCaption->HasCaptionPopup());
  m_pBar->EnableCaptionPopup(FALSE);
  m_pBar->CalcLayout(32000, LM_HORZ | LM_HORZDOCK | LM_COMMIT);
  EXPECT_FALSE(pCaption->HasCaptionPopup());
}

TEST_F(DialogBarTest, TheChildFillsTheClientInsideTheBorders) {
  CWnd child;
  ASSERT_TRUE(child.CreateEx(0, "STATIC", "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 1, 1), m_pBar, 1));
  m_pBar->SetChild(&child);
  m_pBar->SetWindowPos(NULL, 0, 0, 240, 180, SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
  CRect rcChild;
  child.GetWindowRect(&rcChild);
  m_pBar->ScreenToClient(&rcChild);
  const CRect rcBorders = m_pBar->GetClientBorders();
  EXPECT_EQ(CRect(rcBorders.left, rcBorders.top, 240 - rcBorders.right, 180 - rcBorders.bottom),
            rcChild);
  child.DestroyWindow();
}

TEST_F(DialogBarTest, OnlyTheCaptionIsInsideForTheMouse) {
  m_pBar->CalcLayout(32000, LM_HORZ | LM_HORZDOCK | LM_COMMIT);
  const CRect rc = Window();
  EXPECT_EQ(TRUE, m_pBar->IsPointInside(rc.TopLeft() + CSize(5, 1)));
  EXPECT_EQ(-2, m_pBar->IsPointInside(CPoint(rc.left + 5, rc.bottom - 2)));
}

TEST_F(DialogBarTest, ACloneKeepsTheClientSizesAndCaption) {
  m_pBar->SetDialogBarClientSizes(CSize(120, 90), CSize(300, 210));
  m_pBar->SetCaption("Output");
  CTKDialogBar* pClone = static_cast<CTKDialogBar*>(m_pBar->Clone());
  CSize szDocking, szFloating;
  pClone->GetDialogBarClientSizes(szDocking, szFloating);
  EXPECT_EQ(CSize(120, 90), szDocking);
  EXPECT_EQ(CSize(300, 210), szFloating);
  EXPECT_EQ(CString("Output"), pClone->GetCaption());
  EXPECT_FALSE(pClone->IsCustomizable());
  pClone->InternalRelease();
}

// Rebar bands ------------------------------------------------------------------------------

TEST_F(DialogBarTest, TheFocusInsideTheBarOrInAWindowItOwnsMakesItActive) {
  CWnd child;
  ASSERT_TRUE(child.CreateEx(0, "EDIT", "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 20), m_pBar, 1));
  m_pBar->SetChild(&child);
  struct Step {
    const char* name;
    HWND hFocus;
    BOOL active;
  };
  auto run = [&](const std::vector<Step>& steps) {
    for (const Step& step : steps) {
      SCOPED_TRACE(step.name);
      ::SetFocus(step.hFocus);
      ASSERT_EQ(step.hFocus, ::GetFocus());
      m_pBar->SendMessage(WM_IDLEUPDATECMDUI, TRUE, 0);
      EXPECT_EQ(step.active, m_pBar->IsActive());
    }
  };
  run({{"child", child.GetSafeHwnd(), TRUE}, {"site", m_frame.m_site.GetSafeHwnd(), FALSE}});
  // Floating, the bar owns the windows its child opens.
  Float();
  CWnd owned;
  ASSERT_TRUE(owned.CreateEx(0, "EDIT", "", WS_POPUP | WS_VISIBLE, CRect(0, 0, 50, 20), m_pBar, 0));
  run({{"owned", owned.GetSafeHwnd(), TRUE}, {"site", m_frame.m_site.GetSafeHwnd(), FALSE}});
  owned.DestroyWindow();
  m_pBar->SetChild(nullptr);
  child.DestroyWindow();
}

TEST_F(DialogBarTest, AToolBarMovedIntoARebarCanNoLongerBeDraggedOut) {
  CTKReBar reBar;
  ASSERT_TRUE(reBar.Create(&m_frame.m_site));
  CTKToolBar* pBar = m_frame.AddBar(101, tkBarTop, {1, 2});
  m_frame.LayOut();
  ASSERT_NE(nullptr, pBar->GetDockBar());
  ASSERT_TRUE(reBar.AddToolBar(pBar, RBBS_BREAK | RBBS_GRIPPERALWAYS));
  EXPECT_EQ(0u, pBar->GetFlags() & TKBARFLAG_MOVABLE);
  EXPECT_FALSE(pBar->GetShowGripper());
  const std::vector<UINT> rows = m_frame.Rows(tkBarTop);
  EXPECT_EQ(rows.end(), std::find(rows.begin(), rows.end(), 101u));
  const int nBand = reBar.FindBand(pBar);
  ASSERT_EQ(0, nBand);
  EXPECT_EQ(pBar, reBar.GetToolBar(nBand));
  REBARBANDINFO info = {};
  info.cbSize = sizeof(info);
  info.fMask = RBBIM_ID;
  reBar.SendMessage(RB_GETBANDINFO, nBand, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(101u, info.wID);
  EXPECT_EQ(-1, reBar.FindBand(m_pBar));

  m_frame.m_pBars->RemoveFromReBar(pBar);
  EXPECT_EQ(0, static_cast<int>(reBar.SendMessage(RB_GETBANDCOUNT)));
  reBar.DestroyWindow();
}

}  // namespace
