// The bar window's own messages and its life: help ids under a point, the
// status-bar text of the hot control, what a locked bar ignores, shaped
// pop-ups, copies of a bar, and leaving tracking as the window goes.
#include <gtest/gtest.h>

#include <afxpriv.h>
#include <afxres.h>

#include <string>

#include "SupportPaintManager.h"
#include "SupportSystem.h"
#include "commandbars/TKCommandBar.h"
#include "commandbars/TKCommandBarsSystem.h"
#include "commandbars/TKControl.h"
#include "commandbars/TKControls.h"
#include "testsupport/HostWindow.h"

namespace {

const UINT kBarDialogId = 77;

/// Keeps the texts of WM_SETMESSAGESTRING, which point into the sender.
class CStatusSite : public CTestHostWindow {
 public:
  std::vector<std::string> m_texts;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_SETMESSAGESTRING) m_texts.push_back(reinterpret_cast<LPCSTR>(lParam));
    if (message == WM_POPMESSAGESTRING) m_texts.push_back("idle " + std::to_string(wParam));
    return CTestHostWindow::WindowProc(message, wParam, lParam);
  }
};

class CHoverCounter : public CTKControl {
 public:
  int m_nHovers = 0;
  void OnMouseHover() override { ++m_nHovers; }
};

class BarWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TKSetCommandBarsSystem(&m_system);
    ASSERT_TRUE(m_site.CreateHost());
    m_pBar = new CTKCommandBar;
    m_pBar->SetOwner(&m_site);
    m_pBar->SetTitle("Standard");
    ASSERT_TRUE(m_pBar->CreateEx(0, AfxRegisterWndClass(0), "bar", WS_CHILD, 0, 0, 200, 22,
                                 m_site.GetSafeHwnd(), reinterpret_cast<HMENU>(kBarDialogId)));
    for (int i = 0; i < 3; ++i) {
      m_controls[i] = new CHoverCounter;
      m_pBar->GetControls()->Add(m_controls[i], 100 + i);
      m_controls[i]->SetRect(CRect(i * 24, 0, i * 24 + 24, 22));
    }
  }
  void TearDown() override {
    if (m_pBar != nullptr) {
      m_pBar->DestroyWindow();
      m_pBar->InternalRelease();
    }
    TKSetCommandBarsSystem(nullptr);
  }

  CTestGlobalPaintManager m_paintManager;
  CRecordingSystem m_system;
  CStatusSite m_site;
  CTKCommandBar* m_pBar = nullptr;
  CHoverCounter* m_controls[3] = {};
};

TEST_F(BarWindowTest, HelpHitTestAnswersTheHelpIdUnderThePoint) {
  m_controls[0]->SetHelpId(555);
  struct Case {
    int x;
    LRESULT helpId;
  } cases[] = {
      {10, HID_BASE_COMMAND + 555},            // its own help id
      {30, HID_BASE_COMMAND + 101},            // else its command id
      {150, HID_BASE_CONTROL + kBarDialogId},  // no control: the bar's dialog id
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.helpId, m_pBar->SendMessage(WM_HELPHITTEST, 0, MAKELPARAM(c.x, 10))) << c.x;
}

TEST_F(BarWindowTest, TheHotControlsDescriptionGoesToTheStatusBar) {
  m_controls[1]->SetDescription("Saves the build file");
  m_pBar->SetSelected(1, 0);
  m_pBar->SetSelected(0, 0);  // no description: the idle text
  m_pBar->SetSelected(-1);
  EXPECT_EQ((std::vector<std::string>{"Saves the build file",
                                      "idle " + std::to_string(AFX_IDS_IDLEMESSAGE),
                                      "idle " + std::to_string(AFX_IDS_IDLEMESSAGE),
                                      "idle " + std::to_string(AFX_IDS_IDLEMESSAGE)}),
            m_site.m_texts);
}

TEST_F(BarWindowTest, ALockedBarIgnoresItsTimersAndKeys) {
  m_pBar->SetSelected(1, 0);
  m_pBar->SetLocked(TRUE);
  m_pBar->SendMessage(WM_TIMER, CTKCommandBar::kTimerHover, 0);
  EXPECT_EQ(0, m_controls[1]->m_nHovers);
  EXPECT_EQ(1, m_pBar->OnHookKeyDown(VK_RIGHT, 0));
  EXPECT_EQ(1, m_pBar->GetSelected()) << "the key was swallowed";
  m_pBar->SetLocked(FALSE);
  m_pBar->SendMessage(WM_TIMER, CTKCommandBar::kTimerHover, 0);
  EXPECT_EQ(1, m_controls[1]->m_nHovers);
}

TEST_F(BarWindowTest, AShapedPopupIsOnlyWhereItsRegionIs) {
  m_pBar->SetBarPosition(tkBarPopup);
  CRect rcWindow;
  m_pBar->GetWindowRect(&rcWindow);
  const CPoint ptCorner = rcWindow.TopLeft();
  const CPoint ptMiddle = rcWindow.CenterPoint();
  EXPECT_TRUE(m_pBar->IsPointInside(ptCorner));
  m_pBar->SetWindowRgn(::CreateRoundRectRgn(0, 0, 201, 23, 12, 12), FALSE);
  EXPECT_FALSE(m_pBar->IsPointInside(ptCorner)) << "cut off by the rounded corner";
  EXPECT_TRUE(m_pBar->IsPointInside(ptMiddle));
  EXPECT_FALSE(m_pBar->IsPointInside(CPoint(rcWindow.right + 5, ptMiddle.y)));
}

TEST_F(BarWindowTest, ACloneCarriesTheBarAndCopiesOfItsControls) {
  m_pBar->SetBarID(42);
  m_pBar->SetBarPosition(tkBarLeft);
  m_pBar->SetIconSize(CSize(24, 24));
  m_controls[2]->SetBeginGroup(TRUE);
  CTKCommandBar* pClone = m_pBar->Clone();
  EXPECT_EQ(RUNTIME_CLASS(CTKCommandBar), pClone->GetRuntimeClass());
  EXPECT_EQ(42u, pClone->GetBarID());
  EXPECT_EQ(tkBarLeft, pClone->GetPosition());
  EXPECT_EQ(CString("Standard"), pClone->GetTitle());
  EXPECT_EQ(CSize(24, 24), pClone->GetIconSize());
  ASSERT_EQ(3, pClone->GetControlCount());
  EXPECT_NE(m_pBar->GetControl(2), pClone->GetControl(2));
  EXPECT_EQ(102, pClone->GetControl(2)->GetID());
  EXPECT_TRUE(pClone->GetControl(2)->GetBeginGroup());
  EXPECT_EQ(pClone, pClone->GetControl(0)->GetParent());
  pClone->InternalRelease();
}

TEST_F(BarWindowTest, AGoingWindowLeavesTrackingAndARemovedBarLosesEverything) {
  m_pBar->SetTrackingMode(TRUE, TRUE, TRUE);
  ASSERT_EQ(0, m_pBar->GetSelected());
  m_pBar->DestroyWindow();
  EXPECT_FALSE(m_pBar->IsTrackingMode());
  EXPECT_EQ(3, m_pBar->GetControlCount());
  m_pBar->OnRemoved();
  EXPECT_EQ(0, m_pBar->GetControlCount());
}

TEST(BarHelpModeTest, InContextHelpModeAMenuWithoutCommandIsHelpOnTheMenu) {
  CTestGlobalPaintManager paintManager;
  CFrameWnd* pFrame = new CFrameWnd;  // deletes itself with its window
  ASSERT_TRUE(pFrame->Create(NULL, "frame", WS_OVERLAPPEDWINDOW));
  CTKCommandBar* pBar = new CTKCommandBar;
  pBar->SetOwner(pFrame);
  ASSERT_TRUE(pBar->CreateEx(0, AfxRegisterWndClass(0), "bar", WS_POPUP, 0, 0, 200, 22,
                             pFrame->GetSafeHwnd(), NULL));
  pBar->GetControls()->AddNew(tkControlPopup, 0)->SetRect(CRect(0, 0, 40, 22));
  pBar->GetControls()->AddNew(tkControlButton, 101)->SetRect(CRect(40, 0, 80, 22));
  CRect rcWindow;
  pBar->GetWindowRect(&rcWindow);
  struct Case {
    BOOL helpMode;
    int x;
    LRESULT hit;
  } cases[] = {
      {TRUE, 10, HTMENU},
      {TRUE, 50, HTCLIENT},
      {TRUE, 150, HTCLIENT},
      {FALSE, 10, HTCLIENT},
  };
  for (const Case& c : cases) {
    pFrame->m_bHelpMode = c.helpMode;
    EXPECT_EQ(c.hit,
              pBar->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(rcWindow.left + c.x, rcWindow.top + 5)))
        << c.helpMode << " " << c.x;
  }
  pFrame->m_bHelpMode = TRUE;
  EXPECT_EQ(2, pBar->OnHookKeyDown(VK_DOWN, 0)) << "keys go to the help mode";
  pFrame->m_bHelpMode = FALSE;
  pBar->DestroyWindow();
  pBar->InternalRelease();
  pFrame->DestroyWindow();
}

}  // namespace
