// The menu bar of an MDI frame: the Win32 menu it takes and gives back, the
// maximised child's buttons, a menu per document template, and Alt.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "SupportKeySystem.h"
#include "SupportPaintManager.h"
#include "commandbars/TKCommandBars.h"
#include "commandbars/TKControls.h"
#include "commandbars/TKFrameWnd.h"
#include "commandbars/TKMenuBar.h"
#include "testsupport/MessageLoop.h"

namespace {

CWinApp theApp("VelmMenuBarTest");

const UINT kIdrFrame = 1000;
const UINT kIdrText = 1001;
const UINT kIdrImage = 1002;

class CTestFrame : public CTKMDIFrameWnd {
 public:
  /// Where the frame's Win32 menu is kept when its own WM_DESTROY handling begins.
  HMENU* m_pMenuAtDestroy = nullptr;

 protected:
  BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override {
    if (!CTKMDIFrameWnd::OnCreateClient(lpcs, pContext) || !CreateCommandBars()) return FALSE;
    GetCommandBars()->CreateDockBars();
    return TRUE;
  }
  /// The frame offers the customise command: menus are kept per template.
  BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pInfo) override {
    if (nID == TKID_CUSTOMIZE && nCode == CN_COMMAND && pInfo != nullptr) return TRUE;
    return CTKMDIFrameWnd::OnCmdMsg(nID, nCode, pExtra, pInfo);
  }
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_DESTROY && m_pMenuAtDestroy != nullptr)
      *m_pMenuAtDestroy = ::GetMenu(m_hWnd);
    return CTKMDIFrameWnd::WindowProc(message, wParam, lParam);
  }
};

class MenuBarTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TKSetCommandBarsSystem(&m_system);
    m_pFrame = new CTestFrame;  // deletes itself with its window
    ASSERT_TRUE(m_pFrame->LoadFrame(kIdrFrame, WS_OVERLAPPEDWINDOW));
    m_hFrameMenu = ::GetMenu(m_pFrame->GetSafeHwnd());
    ASSERT_NE(nullptr, m_hFrameMenu);
    m_pBars = m_pFrame->GetCommandBars();
    m_pMenuBar = static_cast<CTKMenuBar*>(
        m_pBars->Add("Menu Bar", tkBarTop, RUNTIME_CLASS(CTKMenuBar)));
    ASSERT_NE(nullptr, m_pMenuBar);
    ASSERT_TRUE(m_pMenuBar->LoadMenuBar(kIdrFrame));
    CTKToolBar* pStandard = m_pBars->Add("Standard", tkBarTop);
    ASSERT_TRUE(pStandard->LoadToolBar(kIdrFrame, FALSE));
    m_pFrame->SetWindowPos(NULL, 0, 0, 640, 400, SWP_NOZORDER);
    m_pFrame->ShowWindow(SW_SHOW);
    m_pFrame->RecalcLayout();
  }
  void TearDown() override {
    if (m_pFrame != nullptr) m_pFrame->DestroyWindow();
    for (HMENU hMenu : m_menus) ::DestroyMenu(hMenu);
    TKSetCommandBarsSystem(nullptr);
  }

  /// A maximised or normal child of `dwStyle`, showing the template's menu
  /// (its own id names the template, as a child without a document does).
  CMDIChildWnd* AddChild(DWORD dwStyle, UINT nTemplate = 0) {
    CMDIChildWnd* pChild = new CMDIChildWnd;  // deletes itself with its window
    pChild->m_nIDHelp = nTemplate;
    if (nTemplate != 0) {
      m_menus.push_back(::LoadMenu(AfxGetResourceHandle(), MAKEINTRESOURCE(nTemplate)));
      pChild->m_hMenuShared = m_menus.back();
    }
    EXPECT_TRUE(pChild->Create(NULL, "child", WS_CHILD | dwStyle, CRect(0, 0, 200, 120), m_pFrame));
    pChild->ShowWindow(SW_SHOW);
    pChild->MDIActivate();
    return pChild;
  }
  /// Runs the messages until the bar's MDI buttons are as expected.
  std::vector<int> MdiControlsAfterRefresh(const std::vector<int>& expected) {
    std::vector<int> ids;
    RunMessagesUntil([&] {
      ids = MdiControls();
      return ids == expected;
    }, 2000);
    return ids;
  }
  std::vector<int> MdiControls() const {
    std::vector<int> ids;
    for (int i = 0; i < m_pMenuBar->GetControlCount(); ++i) {
      const int nId = m_pMenuBar->GetControl(i)->GetID();
      if (nId >= TKID_MDI_CLOSE && nId <= TKID_MDI_SYSMENU) ids.push_back(nId);
    }
    return ids;
  }
  std::vector<CString> Captions() const {
    std::vector<CString> captions;
    for (int i = 0; i < m_pMenuBar->GetControlCount(); ++i) {
      CTKControl* pControl = m_pMenuBar->GetControl(i);
      if (!pControl->IsTemporary()) captions.push_back(pControl->GetCaption());
    }
    return captions;
  }

  CTestGlobalPaintManager m_paintManager;
  CKeyStateSystem m_system;
  CTestFrame* m_pFrame = nullptr;
  HMENU m_hFrameMenu = NULL;
  CTKCommandBars* m_pBars = nullptr;
  CTKMenuBar* m_pMenuBar = nullptr;
  std::vector<HMENU> m_menus;
};

TEST_F(MenuBarTest, TheMenuBarTakesTheFramesMenuAndGivesItBackBeforeTheFrameGoes) {
  EXPECT_EQ(m_pMenuBar, m_pBars->GetMenuBar());
  EXPECT_EQ(nullptr, ::GetMenu(m_pFrame->GetSafeHwnd()));
  EXPECT_EQ(m_hFrameMenu, m_pMenuBar->GetSavedFrameMenu());
  EXPECT_EQ((std::vector<CString>{"&File", "&Window"}), Captions());
  EXPECT_FALSE(m_pMenuBar->LoadMenuBar(4711)) << "a menu the program does not have";
  EXPECT_EQ(2u, Captions().size()) << "leaves the bar as it was";
  EXPECT_FALSE(m_pMenuBar->OnFrameMouseWheel(TRUE)) << "the wheel is the frame's";

  HMENU hAtDestroy = NULL;
  m_pFrame->m_pMenuAtDestroy = &hAtDestroy;
  m_pFrame->DestroyWindow();
  m_pFrame = nullptr;
  EXPECT_EQ(m_hFrameMenu, hAtDestroy) << "back on the frame when its own handling begins";
  EXPECT_FALSE(::IsMenu(m_hFrameMenu)) << "and gone with the window";
}

TEST_F(MenuBarTest, AMaximisedChildShowsItsButtonsAsItsStyleAndTheBarsFlagsAllow) {
  struct Case {
    const char* name;
    DWORD dwStyle;
    DWORD dwBarFlags;
    std::vector<int> expected;
  } cases[] = {
      {"all", WS_OVERLAPPEDWINDOW, 0, {TKID_MDI_MINIMIZE, TKID_MDI_RESTORE, TKID_MDI_CLOSE}},
      {"no minimise box", WS_OVERLAPPEDWINDOW & ~WS_MINIMIZEBOX, 0,
       {TKID_MDI_RESTORE, TKID_MDI_CLOSE}},
      {"no close", WS_OVERLAPPEDWINDOW, TKMENUBARFLAG_NOCLOSE,
       {TKID_MDI_MINIMIZE, TKID_MDI_RESTORE}},
      {"no minimise, no restore", WS_OVERLAPPEDWINDOW,
       TKMENUBARFLAG_NOMINIMIZE | TKMENUBARFLAG_NORESTORE, {TKID_MDI_CLOSE}},
      {"system menu", WS_OVERLAPPEDWINDOW, TKMENUBARFLAG_SYSMENU,
       {TKID_MDI_SYSMENU, TKID_MDI_MINIMIZE, TKID_MDI_RESTORE, TKID_MDI_CLOSE}},
  };
  const DWORD dwFlags = m_pMenuBar->GetFlags();
  for (const Case& c : cases) {
    m_pMenuBar->SetFlags(dwFlags | c.dwBarFlags);
    CMDIChildWnd* pChild = AddChild(c.dwStyle);
    EXPECT_EQ(std::vector<int>(), MdiControlsAfterRefresh({})) << c.name << ": not maximised";
    pChild->MDIMaximize();
    EXPECT_EQ(c.expected, MdiControlsAfterRefresh(c.expected)) << c.name;
    if (c.dwBarFlags & TKMENUBARFLAG_SYSMENU) {
      CTKControl* pSystem = m_pMenuBar->GetControl(0);
      ASSERT_EQ(TKID_MDI_SYSMENU, pSystem->GetID());
      ASSERT_NE(nullptr, pSystem->GetCommandBar());
      CTKControl* pClose =
          pSystem->GetCommandBar()->GetControls()->FindControlById(SC_CLOSE);
      ASSERT_NE(nullptr, pClose) << "the child's system menu, item by item";
      const UINT nDefault =
          ::GetMenuDefaultItem(::GetSystemMenu(pChild->GetSafeHwnd(), FALSE), FALSE, GMDI_USEDISABLED);
      if (nDefault != static_cast<UINT>(-1)) {
        EXPECT_TRUE(
            pSystem->GetCommandBar()->GetControls()->FindControlById(nDefault)->IsDefaultItem());
      }
    }
    pChild->MDIRestore();
    EXPECT_EQ(std::vector<int>(), MdiControlsAfterRefresh({})) << c.name << ": restored";
    pChild->MDIDestroy();
  }
}

TEST_F(MenuBarTest, TheButtonsSendTheirCommandsToTheChild) {
  CMDIChildWnd* pChild = AddChild(WS_OVERLAPPEDWINDOW);
  pChild->MDIMaximize();
  const std::vector<int> all = {TKID_MDI_MINIMIZE, TKID_MDI_RESTORE, TKID_MDI_CLOSE};
  ASSERT_EQ(all, MdiControlsAfterRefresh(all));
  m_pMenuBar->GetControls()->FindControlById(TKID_MDI_RESTORE)->OnExecute();
  EXPECT_EQ(std::vector<int>(), MdiControlsAfterRefresh({}));
  EXPECT_FALSE(pChild->IsZoomed());

  pChild->MDIMaximize();
  ASSERT_EQ(all, MdiControlsAfterRefresh(all));
  const HWND hChild = pChild->GetSafeHwnd();
  m_pMenuBar->GetControls()->FindControlById(TKID_MDI_CLOSE)->OnExecute();
  EXPECT_TRUE(RunMessagesUntil([&] { return !::IsWindow(hChild); }, 2000));
  EXPECT_EQ(std::vector<int>(), MdiControlsAfterRefresh({}));
}

TEST_F(MenuBarTest, EachTemplateKeepsItsCustomisedMenu) {
  const std::vector<CString> frame = {"&File", "&Window"};
  const std::vector<CString> text = {"&File", "&Edit", "&Window"};
  const std::vector<CString> image = {"&File", "&Image", "&Layers", "&Window"};
  CMDIChildWnd* pText = AddChild(WS_OVERLAPPEDWINDOW, kIdrText);
  ASSERT_EQ(text, Captions());
  EXPECT_EQ(kIdrText, m_pMenuBar->GetCurrentMenuId());
  EXPECT_NE(nullptr, m_pMenuBar->GetMDIMenus()->Lookup(kIdrFrame)) << "the frame's menu is kept";
  EXPECT_EQ(nullptr, ::GetMenu(m_pFrame->GetSafeHwnd())) << "the Win32 menu stays away";

  // The user takes "Edit" off the text menu.
  m_pMenuBar->GetControls()->RemoveAt(1);
  const std::vector<CString> customised = {"&File", "&Window"};
  ASSERT_EQ(customised, Captions());

  CMDIChildWnd* pImage = AddChild(WS_OVERLAPPEDWINDOW, kIdrImage);
  EXPECT_EQ(image, Captions());
  pText->MDIActivate();
  EXPECT_EQ(customised, Captions()) << "the text menu as the user left it";
  EXPECT_TRUE(m_pMenuBar->GetControls()->IsChanged());
  pImage->MDIActivate();
  EXPECT_EQ(image, Captions());

  EXPECT_TRUE(m_pMenuBar->IsMDIMenusChanged()) << "the text menu differs from its original";
  EXPECT_EQ(kIdrFrame, m_pMenuBar->GetCurrentMenuId()) << "switched to the default to save";
  m_pMenuBar->RestoreFrameMenu();
  EXPECT_EQ(kIdrImage, m_pMenuBar->GetCurrentMenuId());
  EXPECT_EQ(image, Captions());

  pImage->MDIDestroy();
  pText->MDIDestroy();
  EXPECT_EQ(kIdrFrame, m_pMenuBar->GetCurrentMenuId()) << "no child: the frame's menu";
  EXPECT_EQ(frame, Captions());
  EXPECT_EQ(nullptr, m_pMenuBar->GetMDIMenus()->Lookup(kIdrFrame))
      << "the default menu's entry goes while it shows";
  EXPECT_NE(nullptr, m_pMenuBar->GetMDIMenus()->Lookup(kIdrText));
  EXPECT_EQ(nullptr, ::GetMenu(m_pFrame->GetSafeHwnd()));
}

TEST_F(MenuBarTest, AltOpensTheMenuBarUnlessShiftIsHeld) {
  ASSERT_TRUE(m_pMenuBar->IsVisibleOnScreen());
  struct Case {
    std::set<int> held;
    BOOL opens;
  } cases[] = {{{}, TRUE}, {{VK_SHIFT}, FALSE}};
  for (const Case& c : cases) {
    m_system.m_down = c.held;
    // Passed on, the key opens the window's own menu loop: Esc ends it.
    if (!c.opens) {
      m_pFrame->PostMessage(WM_KEYDOWN, VK_ESCAPE, 0);
      m_pFrame->PostMessage(WM_KEYDOWN, VK_ESCAPE, 0);
    }
    m_pFrame->SendMessage(WM_SYSCOMMAND, SC_KEYMENU, 0);
    EXPECT_EQ(c.opens, m_pMenuBar->IsTrackingMode() != 0) << c.held.size();
    m_pMenuBar->SetTrackingMode(FALSE);
  }
}

}  // namespace
