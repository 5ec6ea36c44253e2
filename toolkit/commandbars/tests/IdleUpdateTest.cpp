// The idle update of a bar's controls against a recording owner: the order in
// which the bar and the owner are asked, the controls left out, and a bar
// tracked without notifications.
#include <gtest/gtest.h>

#include <afxpriv.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "SupportPaintManager.h"
#include "commandbars/TKCommandBar.h"
#include "commandbars/TKCommandBars.h"
#include "commandbars/TKControl.h"
#include "commandbars/TKControls.h"
#include "testsupport/HostWindow.h"

namespace {

std::vector<std::string> g_events;

/// Answers the updates of the ids it knows with their enabled state.
class CUpdateTarget : public CTestHostWindow {
 public:
  std::map<UINT, BOOL> m_answers;
  BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override {
    if (nCode == static_cast<int>(CN_UPDATE_COMMAND_UI) && pHandlerInfo == nullptr) {
      g_events.push_back("site " + std::to_string(nID));
      auto it = m_answers.find(nID);
      if (it != m_answers.end()) {
        static_cast<CCmdUI*>(pExtra)->Enable(it->second);
        return TRUE;
      }
    }
    return CTestHostWindow::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
  }
};

/// Records what the bar's own command map is asked; takes the ids it is told.
class CRecordingBar : public CTKCommandBar {
 public:
  UINT m_nOwnId = 0;
  int m_nLayouts = 0;
  void OnRecalcLayout() override { ++m_nLayouts; }
  BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override {
    CCmdUI* pCmdUI = static_cast<CCmdUI*>(pExtra);
    if (static_cast<UINT>(nCode) == 0xBD11FFFF) {
      g_events.push_back("bar reflect " + std::to_string(pCmdUI->m_nID));
    } else if (nCode == static_cast<int>(CN_UPDATE_COMMAND_UI)) {
      g_events.push_back("bar update " + std::to_string(nID));
      if (nID == m_nOwnId) {
        pCmdUI->SetCheck(1);
        return TRUE;
      }
    }
    return CTKCommandBar::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
  }
};

class IdleUpdateTest : public ::testing::Test {
 protected:
  void SetUp() override {
    g_events.clear();
    ASSERT_TRUE(m_target.CreateHost());
    m_pBar = new CRecordingBar;
    m_pBar->SetOwner(&m_target);
    ASSERT_TRUE(m_pBar->CreateEx(0, AfxRegisterWndClass(0), "bar", WS_POPUP | WS_VISIBLE, 0, 0,
                                 200, 30, m_target.GetSafeHwnd(), NULL));
    for (int i = 0; i < 3; ++i) m_pBar->GetControls()->AddNew(tkControlButton, 100 + i);
  }
  void TearDown() override {
    if (m_pBar == nullptr) return;
    m_pBar->DestroyWindow();
    m_pBar->InternalRelease();
  }

  CTestGlobalPaintManager m_paintManager;
  CUpdateTarget m_target;
  CRecordingBar* m_pBar = nullptr;
};

TEST_F(IdleUpdateTest, TheBarIsAskedBeforeTheOwnerAndHandlersDecide) {
  m_target.m_answers = {{100, FALSE}, {101, TRUE}};
  m_pBar->m_nOwnId = 102;
  m_pBar->OnIdleUpdateCmdUI();
  EXPECT_EQ((std::vector<std::string>{"bar reflect 100", "bar update 100", "site 100",
                                      "bar reflect 101", "bar update 101", "site 101",
                                      "bar reflect 102", "bar update 102"}),
            g_events);
  EXPECT_FALSE(m_pBar->GetControl(0)->GetEnabled());
  EXPECT_TRUE(m_pBar->GetControl(1)->GetEnabled());
  EXPECT_EQ(1, m_pBar->GetControl(2)->GetChecked());
}

TEST_F(IdleUpdateTest, AnIdWithoutHandlerIsDisabled) {
  m_pBar->OnIdleUpdateCmdUI();
  for (int i = 0; i < 3; ++i) EXPECT_FALSE(m_pBar->GetControl(i)->GetEnabled()) << i;
}

TEST_F(IdleUpdateTest, ManualControlsAndHiddenOnesAreLeftOut) {
  struct Case {
    DWORD dwFlags;
    DWORD dwHide;
    bool asked;
  } cases[] = {
      {TKFLAG_MANUALUPDATE, 0, false}, {0, TKHIDE_DOCTEMPLATE, false},
      {0, TKHIDE_CUSTOMIZE, false},    {0, TKHIDE_GENERIC, true},
      {0, TKHIDE_EXPAND, true},        {0, TKHIDE_UNNEEDED, true},
  };
  for (const Case& c : cases) {
    g_events.clear();
    CTKControl* pControl = m_pBar->GetControl(1);
    pControl->SetFlags(c.dwFlags);
    pControl->SetHideFlags(c.dwHide);
    m_pBar->OnIdleUpdateCmdUI();
    bool asked = std::find(g_events.begin(), g_events.end(), "site 101") != g_events.end();
    EXPECT_EQ(c.asked, asked) << c.dwFlags << " " << c.dwHide;
    EXPECT_EQ(6u, g_events.size() - (asked ? 3 : 0)) << "the others are asked";
  }
}

TEST_F(IdleUpdateTest, ABarTrackedWithoutNotificationsAsksNobody) {
  m_pBar->SetNoNotifications(TRUE);
  m_pBar->OnIdleUpdateCmdUI();
  EXPECT_TRUE(g_events.empty());
  EXPECT_TRUE(m_pBar->GetControl(0)->GetEnabled());
}

TEST_F(IdleUpdateTest, InitialUpdateRunsAtOnceAndAHiddenBarIsNotUpdated) {
  m_pBar->SendMessage(WM_INITIALUPDATE, 0, 0);
  EXPECT_EQ(9u, g_events.size()) << "three questions for each of three controls";
  g_events.clear();
  m_pBar->ShowWindow(SW_HIDE);
  m_pBar->SendMessage(WM_IDLEUPDATECMDUI, TRUE, 0);
  EXPECT_TRUE(g_events.empty());
}

/// Command bars whose active document template the test sets.
class CTemplateCommandBars : public CTKCommandBars {
 public:
  UINT m_nTemplate = 0;
  UINT GetActiveDocTemplate() const override { return m_nTemplate; }
};

TEST_F(IdleUpdateTest, TheActiveDocumentTemplateHidesTheControlsItDoesNotShow) {
  CTemplateCommandBars* pCommandBars = new CTemplateCommandBars;
  EXPECT_EQ(0u, pCommandBars->CTKCommandBars::GetActiveDocTemplate()) << "no MDI frame: none";
  m_pBar->SetCommandBars(pCommandBars);
  m_pBar->GetControl(0)->GetAssignedDocTemplates().SetAt(7, 1);
  m_pBar->GetControl(1)->GetExcludedDocTemplates().SetAt(7, 1);
  m_pBar->GetControl(2)->GetAssignedDocTemplates().SetAt(8, 1);
  m_pBar->GetControl(2)->GetExcludedDocTemplates().SetAt(7, 1);
  struct Case {
    UINT nTemplate;
    bool hidden[3];
    int layouts;
  } cases[] = {
      {7, {false, true, true}, 1},
      {7, {false, true, true}, 0},  // nothing changed: no layout
      {8, {true, false, false}, 1},
      {0, {true, false, false}, 0},  // no template: the controls stay as they are
      {9, {true, false, true}, 1},
  };
  for (const Case& c : cases) {
    pCommandBars->m_nTemplate = c.nTemplate;
    m_pBar->m_nLayouts = 0;
    m_pBar->OnIdleUpdateCmdUI();
    for (int i = 0; i < 3; ++i)
      EXPECT_EQ(c.hidden[i], (m_pBar->GetControl(i)->GetHideFlags() & TKHIDE_DOCTEMPLATE) != 0)
          << c.nTemplate << " " << i;
    EXPECT_EQ(c.layouts, m_pBar->m_nLayouts) << c.nTemplate;
  }
  m_pBar->SetCommandBars(nullptr);
  pCommandBars->InternalRelease();
}

}  // namespace
