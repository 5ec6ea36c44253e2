// Buttons and pop-up controls: the press loop and its repeats, split buttons
// by their enabled value, shared pop-up bars and upper-cased menu titles.
#include <gtest/gtest.h>

#include "SupportPaintManager.h"
#include "SupportSite.h"
#include "SupportSystem.h"
#include "commandbars/TKCommandBar.h"
#include "commandbars/TKCommandBars.h"
#include "commandbars/TKCommandBarsSystem.h"
#include "commandbars/TKControlClasses.h"
#include "commandbars/TKControls.h"
#include "commandbars/TKPopupBar.h"
#include "testsupport/MessageLoop.h"

namespace {

const int kId = 300;
const CPoint kInside(10, 10);
const CPoint kOutside(200, 200);

LPARAM PointParam(CPoint pt) { return MAKELPARAM(pt.x, pt.y); }

/// A tool bar with one control, its window visible so that it can capture
/// the mouse.
class ButtonControlsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TKSetCommandBarsSystem(&m_system);
    ASSERT_TRUE(m_site.CreateHost());
    m_pBar = new CTKCommandBar;
    m_pBar->SetOwner(&m_site);
    m_pBar->SetBarPosition(tkBarTop);
    ASSERT_TRUE(m_pBar->CreateEx(WS_EX_TOOLWINDOW, AfxRegisterWndClass(0), "bar",
                                 WS_POPUP | WS_VISIBLE, 0, 0, 100, 30, m_site.GetSafeHwnd(), NULL));
  }
  void TearDown() override {
    m_pBar->SetTrackingMode(FALSE);
    m_pBar->DestroyWindow();
    m_pBar->InternalRelease();
    TKSetCommandBarsSystem(nullptr);
  }
  CTKControl* AddButton(int nInterval) {
    CTKControl* pButton = m_pBar->GetControls()->Add(new CTKControlButton, kId);
    pButton->SetExecuteOnPressInterval(nInterval);
    pButton->SetRect(CRect(0, 0, 30, 22));
    return pButton;
  }
  CTKControlPopup* AddSplitButton(int nEnabled) {
    CTKControlPopup* pSplit = static_cast<CTKControlPopup*>(m_pBar->GetControls()->Add(
        CTKControlPopup::CreateOfType(tkControlSplitButtonPopup), kId));
    CTKPopupBar* pPopup = CTKPopupBar::CreatePopupBar(nullptr);
    pPopup->GetControls()->Add(new CTKControlButton, kId + 1);
    pSplit->SetCommandBar(pPopup);
    pSplit->SetRect(CRect(0, 0, 40, 22));
    pSplit->SetEnabled(nEnabled);
    m_paintManager->m_nSplitButtonDropDownWidth = 12;
    return pSplit;
  }
  void Post(UINT message, CPoint pt) { m_pBar->PostMessage(message, 0, PointParam(pt)); }
  void PostTimer() { m_pBar->PostMessage(WM_TIMER, CTKControlButton::kTimerExecuteOnPress, 0); }

  CTestGlobalPaintManager m_paintManager;
  CRecordingSystem m_system;
  CTestSite m_site;
  CTKCommandBar* m_pBar = nullptr;
};

TEST_F(ButtonControlsTest, ExecuteOnPressRepeatsWhileTheMouseStaysOnTheButton) {
  CTKControl* pButton = AddButton(100);
  PostTimer();                   // a second command
  Post(WM_MOUSEMOVE, kOutside);  // off the button: the repeats pause
  PostTimer();
  Post(WM_MOUSEMOVE, kInside);  // back: they resume
  PostTimer();
  Post(WM_LBUTTONUP, kInside);  // the release sends nothing more
  pButton->OnClick(FALSE, kInside);
  EXPECT_EQ((std::vector<WPARAM>{kId, kId, kId}), m_site.m_commands);
  EXPECT_EQ(1, m_system.CountStarted(CTKControlButton::kTimerExecuteOnPress, 100));
  EXPECT_EQ(1, m_system.CountKilled(CTKControlButton::kTimerExecuteOnPress));
  EXPECT_EQ(NULL, ::GetCapture());
}

TEST_F(ButtonControlsTest, APlainPressRunsTheCommandOnlyWhenReleasedOnTheButton) {
  struct Case {
    const char* name;
    bool bLeave;
    size_t nCommands;
  } cases[] = {{"released on it", false, 1}, {"released outside", true, 0}};
  CTKControl* pButton = AddButton(0);
  for (const Case& c : cases) {
    m_site.m_commands.clear();
    if (c.bLeave) Post(WM_MOUSEMOVE, kOutside);
    Post(WM_LBUTTONUP, c.bLeave ? kOutside : kInside);
    pButton->OnClick(FALSE, kInside);
    EXPECT_EQ(c.nCommands, m_site.m_commands.size()) << c.name;
    EXPECT_EQ(0, pButton->GetSelected()) << c.name;
  }
}

TEST_F(ButtonControlsTest, ThePressLoopEndsOnQuitAndLeavesTheQuitForTheLoopOutside) {
  CTKControl* pButton = AddButton(100);
  ::PostQuitMessage(7);
  pButton->OnClick(FALSE, kInside);
  EXPECT_EQ((std::vector<WPARAM>{kId}), m_site.m_commands) << "only the first command";
  EXPECT_EQ(NULL, ::GetCapture());
  MSG msg;
  ASSERT_TRUE(::PeekMessage(&msg, NULL, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(7u, msg.wParam);
}

TEST_F(ButtonControlsTest, ASplitButtonForDropDownOnlyIgnoresItsCommandPart) {
  CTKControlPopup* pSplit = AddSplitButton(5);
  pSplit->OnClick(FALSE, CPoint(5, 5));
  EXPECT_TRUE(m_site.m_commands.empty());
  EXPECT_FALSE(pSplit->IsPopupOpen());

  m_pBar->SetSelected(0, 1);
  ASSERT_TRUE(m_pBar->ProcessKeyNavigation(CTKCommandBar::kNavigateEnter));
  EXPECT_TRUE(pSplit->IsPopupOpen()) << "Enter opens the drop-down";
  EXPECT_TRUE(m_site.m_commands.empty());
}

TEST_F(ButtonControlsTest, ASplitButtonForCommandOnlyIgnoresItsDropDownPart) {
  CTKControlPopup* pSplit = AddSplitButton(4);
  pSplit->OnClick(FALSE, CPoint(35, 5));
  EXPECT_FALSE(pSplit->IsPopupOpen());
  EXPECT_TRUE(m_site.m_commands.empty());

  Post(WM_LBUTTONUP, CPoint(5, 5));
  pSplit->OnClick(FALSE, CPoint(5, 5));
  EXPECT_EQ((std::vector<WPARAM>{kId}), m_site.m_commands) << "the command part still runs";
}

TEST(PopupControlCopy, ACopyWithoutRecursionSharesThePopupBarUntilBothAreReleased) {
  CTestGlobalPaintManager paintManager;
  CTKControlPopup* pSource = CTKControlPopup::CreateOfType(tkControlPopup);
  CTKPopupBar* pBar = CTKPopupBar::CreatePopupBar(nullptr);
  pBar->GetControls()->Add(new CTKControlButton, kId);
  pSource->SetCommandBar(pBar);

  CTKControlPopup* pShared = CTKControlPopup::CreateOfType(tkControlPopup);
  pShared->Copy(pSource, FALSE);
  CTKControlPopup* pDeep = CTKControlPopup::CreateOfType(tkControlPopup);
  pDeep->Copy(pSource, TRUE);
  EXPECT_EQ(pBar, pShared->GetCommandBar());
  ASSERT_NE(nullptr, pDeep->GetCommandBar());
  EXPECT_NE(pBar, pDeep->GetCommandBar());
  EXPECT_TRUE(pDeep->GetCommandBar()->GetControls()->IsEqual(pBar->GetControls()));
  EXPECT_EQ(2, static_cast<int>(pBar->m_dwRef));

  pSource->InternalRelease();
  EXPECT_EQ(1, static_cast<int>(pBar->m_dwRef));
  EXPECT_EQ(kId, pShared->GetCommandBar()->GetControl(0)->GetID());
  pShared->InternalRelease();
  pDeep->InternalRelease();
}

TEST(PopupControlCaption, MenuBarTitlesAreUpperCasedWhenTheCommandBarsSaySo) {
  CTestGlobalPaintManager paintManager;
  struct Case {
    int nBarType;
    BOOL bUpperCase;
    const char* pszExpected;
  } cases[] = {
      {tkBarTypeMenuBar, TRUE, "&FILE"},
      {tkBarTypeMenuBar, FALSE, "&File"},
      {tkBarTypeNormal, TRUE, "&File"},
  };
  for (const Case& c : cases) {
    CTKCommandBars* pCommandBars = new CTKCommandBars;
    pCommandBars->SetMenuUpperCase(c.bUpperCase);
    CTKCommandBar* pBar = new CTKCommandBar;
    pBar->SetCommandBars(pCommandBars);
    pBar->SetType(c.nBarType);
    CTKControl* pPopup =
        pBar->GetControls()->Add(CTKControlPopup::CreateOfType(tkControlPopup), 0);
    pPopup->SetCaption("&File");
    EXPECT_STREQ(c.pszExpected, (LPCSTR)pPopup->GetCaption()) << c.nBarType << c.bUpperCase;
    pBar->InternalRelease();
    pCommandBars->InternalRelease();
  }
}

}  // namespace
