// Controls: running a command, texts, state changes, copies, accessibility
// answers and the customise resize.
#include <gtest/gtest.h>

#include "SupportPaintManager.h"
#include "SupportSite.h"
#include "commandbars/TKControlClasses.h"
#include "commandbars/TKControls.h"
#include "common/TKDpiHelper.h"

namespace {

class ControlTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TKDpiHelper()->OverrideDpi(96, 96);
    ASSERT_TRUE(m_site.CreateHost());
    m_pBar = new CTestBar;
    m_pBar->SetOwner(&m_site);
  }
  void TearDown() override { m_pBar->InternalRelease(); }

  CTKControl* AddButton(int nId) { return m_pBar->GetControls()->AddNew(tkControlButton, nId); }

  CTestGlobalPaintManager m_paintManager;
  CTestSite m_site;
  CTestBar* m_pBar = nullptr;
};

TEST_F(ControlTest, RunningNotifiesTheSiteThenRoutesThenSendsTheCommand) {
  CTKControl* pControl = AddButton(4711);
  pControl->OnExecute();

  EXPECT_EQ(m_site.m_events, (std::vector<std::string>{"notify", "route", "command"}));
  ASSERT_EQ(m_site.m_notifications.size(), 1u);
  const SiteNotification& notification = m_site.m_notifications[0];
  EXPECT_EQ(notification.wParam, 4711u);
  EXPECT_EQ(notification.hdr.hwndFrom, nullptr);
  EXPECT_EQ(notification.hdr.idFrom, 4711u);
  EXPECT_EQ(notification.hdr.code, static_cast<UINT>(TKN_EXECUTE));
  EXPECT_EQ(notification.pControl, pControl);
  ASSERT_EQ(m_site.m_routed.size(), 1u);
  EXPECT_EQ(m_site.m_routed[0], std::make_pair(4711u, static_cast<int>(MAKELONG(100, WM_NOTIFY))));
  EXPECT_EQ(m_site.m_routedHeader.idFrom, 4711u);
  EXPECT_EQ(m_site.m_routedHeader.code, 100u);
  const HostMessage* pCommand = m_site.FindLastMessage(WM_COMMAND);
  ASSERT_NE(pCommand, nullptr);
  EXPECT_EQ(pCommand->wParam, 4711u);
  EXPECT_EQ(pCommand->lParam, 0);
}

TEST_F(ControlTest, AnAnswerFromTheSiteStopsTheCommand) {
  struct Case {
    LRESULT nNotifyAnswer;
    BOOL bRouteHandles;
    LRESULT nRouteResult;
    std::vector<std::string> events;
  };
  const Case cases[] = {
      {1, FALSE, 0, {"notify"}},
      {0, TRUE, 5, {"notify", "route"}},
      {0, TRUE, 0, {"notify", "route", "command"}},
      {0, FALSE, 0, {"notify", "route", "command"}},
  };
  CTKControl* pControl = AddButton(300);
  for (const Case& c : cases) {
    m_site.m_events.clear();
    m_site.m_nNotifyAnswer = c.nNotifyAnswer;
    m_site.m_bRouteHandles = c.bRouteHandles;
    m_site.m_nRouteResult = c.nRouteResult;
    pControl->OnExecute();
    EXPECT_EQ(m_site.m_events, c.events) << c.nNotifyAnswer << " " << c.bRouteHandles;
  }
}

TEST_F(ControlTest, AControlWithoutIdSendsNothing) {
  AddButton(0)->OnExecute();
  EXPECT_TRUE(m_site.m_events.empty());
}

TEST_F(ControlTest, ATrackedPopupGetsTheIdInsteadOfTheSite) {
  int nChosen = 0;
  m_pBar->SetReturnCommandSlot(&nChosen);
  CTKControl* pControl = AddButton(812);
  pControl->SetCloseSubMenuOnClick(FALSE);
  pControl->OnExecute();
  EXPECT_EQ(nChosen, 812);
  EXPECT_TRUE(m_site.m_events.empty());
}

TEST_F(ControlTest, AHandlerMayRemoveTheRunningControl) {
  CTKControl* pControl = AddButton(55);
  pControl->SetCloseSubMenuOnClick(FALSE);
  m_site.m_onCommand = [&] { m_pBar->GetControls()->Remove(pControl); };
  pControl->OnExecute();
  EXPECT_EQ(m_pBar->GetControlCount(), 0);
  EXPECT_EQ(m_site.m_commands, std::vector<WPARAM>{55});
}

TEST_F(ControlTest, ATabInTheCaptionGivesTheAutomaticShortcut) {
  CTKControl* pControl = AddButton(0);
  pControl->SetCaption("&Open\tCtrl+O");
  EXPECT_STREQ(pControl->GetCaption(), "&Open");
  EXPECT_STREQ(pControl->GetShortcutText(), "Ctrl+O");
  pControl->SetShortcutText("F3");
  EXPECT_STREQ(pControl->GetShortcutText(), "F3");
}

TEST_F(ControlTest, APromptFillsTheEmptyTexts) {
  struct Case {
    const char* pszPrompt;
    const char* pszDescription;
    const char* pszTooltip;
    const char* pszCaption;
    const char* pszKeyboardTip;
  };
  const Case cases[] = {
      {"Opens a file\nOpen", "Opens a file", "Open", "Open", ""},
      {"Open", "Open", "Open", "Open", ""},
      {"Saves it\nSave\nSave &As\nS", "Saves it", "Save", "Save &As", "S"},
  };
  for (const Case& c : cases) {
    CTKControl* pControl = AddButton(0);
    pControl->SetPrompt(c.pszPrompt);
    EXPECT_STREQ(pControl->GetDescription(), c.pszDescription) << c.pszPrompt;
    EXPECT_STREQ(pControl->GetTooltip(), c.pszTooltip) << c.pszPrompt;
    EXPECT_STREQ(pControl->GetCaption(), c.pszCaption) << c.pszPrompt;
    EXPECT_STREQ(pControl->GetKeyboardTip(), c.pszKeyboardTip) << c.pszPrompt;
  }
  CTKControl* pCaptioned = AddButton(0);
  pCaptioned->SetCaption("Mine");
  pCaptioned->SetPrompt("Opens a file\nOpen");
  EXPECT_STREQ(pCaptioned->GetCaption(), "Mine");
}

TEST_F(ControlTest, TheKeyboardShortcutIsTheMnemonicElseTheFirstLetter) {
  const std::pair<const char*, const wchar_t*> cases[] = {
      {"Save &As", L"A"}, {"Print", L"P"}, {"R&&D", L"R"}, {"&&Co &Go", L"G"}, {"", L""}};
  CTKControl* pControl = AddButton(0);
  for (const auto& c : cases) {
    pControl->SetCaption(c.first);
    VARIANT self;
    self.vt = VT_EMPTY;
    BSTR bstrKey = nullptr;
    ASSERT_EQ(pControl->GetAccessibleKeyboardShortcut(self, &bstrKey), S_OK);
    EXPECT_STREQ(bstrKey, c.second) << c.first;
    ::SysFreeString(bstrKey);
  }
}

TEST_F(ControlTest, TheAccessibleNameHasNoMnemonicsAndTheShortcut) {
  CTKControl* pControl = AddButton(0);
  pControl->SetCaption("Save &As\tCtrl+Shift+S");
  VARIANT self;
  self.vt = VT_EMPTY;
  BSTR bstrName = nullptr;
  ASSERT_EQ(pControl->GetAccessibleName(self, &bstrName), S_OK);
  EXPECT_STREQ(bstrName, L"Save As\tCtrl+Shift+S");
  ::SysFreeString(bstrName);
  VARIANT other;
  other.vt = VT_I4;
  other.lVal = 3;
  EXPECT_EQ(pControl->GetAccessibleName(other, &bstrName), E_INVALIDARG);
}

/// A control whose width never goes below 40 in customisation.
class CWideControl : public CTKControl {
 public:
  int GetCustomizeMinWidth() const override { return 40; }
  BOOL IsCustomizeResizeAllow() const override { return TRUE; }
};

TEST_F(ControlTest, ACopyDropsTransientHideFlagsAndKeepsTheMinimumWidth) {
  CTKControl* pSource = AddButton(12);
  pSource->SetHideFlags(0x3F);
  pSource->SetWidth(25);
  pSource->SetCaption("Cut");
  CTKControl* pCopy = AddButton(0);
  pCopy->Copy(pSource);
  EXPECT_EQ(pCopy->GetHideFlags(), 0x11u);
  EXPECT_EQ(pCopy->GetWidth(), 25);
  EXPECT_TRUE(pCopy->Compare(pSource));
  CWideControl wide;
  wide.Copy(pSource);
  EXPECT_EQ(wide.GetWidth(), 40);
  EXPECT_STREQ(wide.GetCaption(), "Cut");
}

TEST_F(ControlTest, SelectingRedrawsOnlyOnAChange) {
  CTKControl* pControl = AddButton(1);
  m_pBar->m_nRedraws = 0;
  EXPECT_TRUE(pControl->SetSelected(1));
  EXPECT_EQ(m_pBar->m_nRedraws, 1);
  EXPECT_FALSE(pControl->SetSelected(1));
  EXPECT_EQ(m_pBar->m_nRedraws, 1);

  CTKControl* pDisabled = AddButton(2);
  pDisabled->SetEnabled(FALSE);
  m_pBar->m_nRedraws = 0;
  EXPECT_TRUE(pDisabled->SetSelected(1));
  EXPECT_EQ(m_pBar->m_nRedraws, 0);
  EXPECT_TRUE(pDisabled->SetSelected(2));
  EXPECT_EQ(m_pBar->m_nRedraws, 1);
}

TEST_F(ControlTest, TheStyleComesFromTheFirstThatIsSet) {
  CTKControl* pControl = AddButton(1);
  m_pBar->SetDefaultButtonStyle(tkButtonCaption);
  EXPECT_EQ(pControl->GetStyle(), tkButtonCaption);
  pControl->SetLayoutStyle(tkButtonIconAndCaptionBelow);
  EXPECT_EQ(pControl->GetStyle(), tkButtonIconAndCaptionBelow);
  pControl->SetStyle(tkButtonIcon);
  EXPECT_EQ(pControl->GetStyle(), tkButtonIcon);
  pControl->SetCustomStyle(tkButtonIconAndCaption);
  EXPECT_EQ(pControl->GetStyle(), tkButtonIconAndCaption);
}

class CustomizeResizeTest : public ControlTest {
 protected:
  void SetUp() override {
    ControlTest::SetUp();
    ASSERT_TRUE(m_pBar->CreateEx(0, CTestHostWindow::kClassName, "bar", WS_POPUP | WS_VISIBLE,
                                 100, 100, 300, 40, m_site.GetSafeHwnd(), NULL));
    m_pControl = new CWideControl;
    m_pBar->GetControls()->Add(m_pControl, 9);
    m_pControl->SetRect(CRect(10, 5, 110, 27));
    m_pControl->SetWidth(100);
  }
  void TearDown() override {
    m_pBar->DestroyWindow();
    ControlTest::TearDown();
  }
  void PostMouse(UINT message, int x, int y) {
    m_pBar->PostMessage(message, 0, MAKELPARAM(x, y));
  }

  CWideControl* m_pControl = nullptr;
};

TEST_F(CustomizeResizeTest, ThePointMustBeAtAnEdge) {
  EXPECT_FALSE(m_pControl->TrackCustomizeResize(CPoint(60, 10)));
}

TEST_F(CustomizeResizeTest, TheReleasedButtonSetsTheWidthNeverBelowTheMinimum) {
  const std::pair<int, int> cases[] = {{150, 141}, {20, 40}};
  for (const auto& c : cases) {
    m_pControl->SetRect(CRect(10, 5, 110, 27));
    m_pControl->SetWidth(100);
    PostMouse(WM_MOUSEMOVE, c.first, 10);
    PostMouse(WM_LBUTTONUP, c.first, 10);
    EXPECT_TRUE(m_pControl->TrackCustomizeResize(CPoint(109, 10)));
    EXPECT_EQ(m_pControl->GetWidth(), c.second) << c.first;
  }
}

TEST_F(CustomizeResizeTest, EscapeLeavesTheWidth) {
  PostMouse(WM_MOUSEMOVE, 150, 10);
  m_pBar->PostMessage(WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_TRUE(m_pControl->TrackCustomizeResize(CPoint(109, 10)));
  EXPECT_EQ(m_pControl->GetWidth(), 100);
}

TEST_F(CustomizeResizeTest, AQuitEndsTheLoopAndIsPostedAgain) {
  PostMouse(WM_MOUSEMOVE, 150, 10);
  ::PostQuitMessage(7);
  EXPECT_TRUE(m_pControl->TrackCustomizeResize(CPoint(109, 10)));
  EXPECT_EQ(m_pControl->GetWidth(), 100);
  MSG msg;
  ASSERT_TRUE(::PeekMessage(&msg, NULL, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(msg.wParam, 7u);
}

}  // namespace
