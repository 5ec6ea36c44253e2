// CMDIFrameWnd and CMDIChildWnd: the MDI client made at creation, switching
// the frame's menu through the client, children created through the client
// with their shared menu, and commands offered to the active child first.
#include <gtest/gtest.h>

#include "afxwin.h"

#include <string>

namespace {

const UINT IDR_MDIFRAME = 200;
const UINT IDR_OTHERMENU = 201;
const UINT IDR_CHILDMENU = 202;
const UINT ID_SHARED = 4401;      // handled by the frame and by its children
const UINT ID_FRAME_ONLY = 4402;  // handled by the frame only

std::string g_handled;  // who ran the last command

class CTestMDIFrame : public CMDIFrameWnd {
 protected:
  afx_msg void OnShared() { g_handled = "frame shared"; }
  afx_msg void OnFrameOnly() { g_handled = "frame only"; }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestMDIFrame, CMDIFrameWnd)
ON_COMMAND(ID_SHARED, OnShared)
ON_COMMAND(ID_FRAME_ONLY, OnFrameOnly)
END_MESSAGE_MAP()

class CTestChild : public CMDIChildWnd {
 public:
  explicit CTestChild(const char* name) : m_name(name) {}
  std::string m_name;

 protected:
  afx_msg void OnShared() { g_handled = m_name + " shared"; }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestChild, CMDIChildWnd)
ON_COMMAND(ID_SHARED, OnShared)
END_MESSAGE_MAP()

class MDIFrameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_pFrame = new CTestMDIFrame;  // deletes itself with its window
    ASSERT_TRUE(m_pFrame->LoadFrame(IDR_MDIFRAME, WS_OVERLAPPEDWINDOW));
    m_hWnd = m_pFrame->m_hWnd;
  }
  void TearDown() override {
    if (::IsWindow(m_hWnd)) m_pFrame->DestroyWindow();
  }

  /// A visible child, which the client makes active.
  CTestChild* NewChild(const char* name, HMENU hMenuShared = NULL) {
    CTestChild* pChild = new CTestChild(name);  // deletes itself with its window
    pChild->m_hMenuShared = hMenuShared;
    if (!pChild->Create(NULL, name, WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW,
                        CRect(0, 0, 100, 80), m_pFrame))
      return nullptr;
    return pChild;
  }
  void Command(UINT nID) {
    g_handled.clear();
    m_pFrame->SendMessage(WM_COMMAND, nID);
  }

  CMDIFrameWnd* m_pFrame = nullptr;
  HWND m_hWnd = nullptr;
};

TEST_F(MDIFrameTest, CreatesItsClientOverTheWholeClientArea) {
  HWND hClient = m_pFrame->m_hWndMDIClient;
  ASSERT_NE(nullptr, hClient);
  char szClass[32];
  ::GetClassNameA(hClient, szClass, sizeof(szClass));
  EXPECT_EQ(0, lstrcmpiA(szClass, "MDIClient"));
  EXPECT_EQ(m_hWnd, ::GetParent(hClient));
  EXPECT_EQ(AFX_IDW_PANE_FIRST, ::GetDlgCtrlID(hClient));
  // The sunken edge moved from the frame to the client.
  EXPECT_FALSE(m_pFrame->GetExStyle() & WS_EX_CLIENTEDGE);
  EXPECT_TRUE(::GetWindowLong(hClient, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  // The window list goes into the next-to-last popup.
  EXPECT_EQ(::GetSubMenu(::GetMenu(m_hWnd), 1), m_pFrame->m_hMenuWindow);

  m_pFrame->SetWindowPos(nullptr, 0, 0, 300, 200, SWP_NOZORDER | SWP_NOMOVE);
  RECT rcFrame, rcClient;
  m_pFrame->GetClientRect(&rcFrame);
  ::GetWindowRect(hClient, &rcClient);
  m_pFrame->ScreenToClient(&rcClient);
  EXPECT_EQ(CRect(rcFrame), CRect(rcClient));
  EXPECT_EQ(nullptr, m_pFrame->MDIGetActive());
  EXPECT_EQ(m_pFrame, m_pFrame->GetActiveFrame());
}

TEST_F(MDIFrameTest, SwitchesMenusAndPutsTheDefaultBack) {
  HMENU hDefault = m_pFrame->m_hMenuDefault;
  ASSERT_NE(nullptr, hDefault);
  ASSERT_EQ(hDefault, ::GetMenu(m_hWnd));

  HMENU hOther = ::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_OTHERMENU));
  ASSERT_NE(nullptr, hOther);
  CMenu* pPrevious =
      m_pFrame->MDISetMenu(CMenu::FromHandle(hOther), CMenu::FromHandle(::GetSubMenu(hOther, 0)));
  EXPECT_EQ(hDefault, pPrevious->GetSafeHmenu());
  EXPECT_EQ(hOther, ::GetMenu(m_hWnd));
  EXPECT_EQ(::GetSubMenu(hOther, 0), m_pFrame->m_hMenuWindow);

  m_pFrame->OnUpdateFrameMenu(nullptr);
  EXPECT_EQ(hDefault, ::GetMenu(m_hWnd));

  // A frame destroyed while another menu is shown still frees only its own.
  m_pFrame->MDISetMenu(CMenu::FromHandle(hOther), CMenu::FromHandle(::GetSubMenu(hOther, 0)));
  ASSERT_EQ(hOther, ::GetMenu(m_hWnd));
  m_pFrame->DestroyWindow();
  EXPECT_TRUE(::IsMenu(hOther));
  EXPECT_FALSE(::IsMenu(hDefault));
  ::DestroyMenu(hOther);
}

TEST_F(MDIFrameTest, ChildrenAreMadeThroughTheClientAndTheActiveOneGetsCommandsFirst) {
  Command(ID_SHARED);
  EXPECT_EQ("frame shared", g_handled);

  CTestChild* pFirst = NewChild("first");
  ASSERT_NE(nullptr, pFirst);
  EXPECT_EQ(m_pFrame->m_hWndMDIClient, ::GetParent(pFirst->m_hWnd));
  EXPECT_EQ(m_pFrame, pFirst->GetMDIFrame());
  CTestChild* pSecond = NewChild("second");
  ASSERT_NE(nullptr, pSecond);
  EXPECT_EQ(pSecond, m_pFrame->MDIGetActive());
  EXPECT_EQ(pSecond, m_pFrame->GetActiveFrame());

  Command(ID_SHARED);
  EXPECT_EQ("second shared", g_handled);
  Command(ID_FRAME_ONLY);  // the child does not take it: the frame does
  EXPECT_EQ("frame only", g_handled);
  pFirst->MDIActivate();
  EXPECT_EQ(pFirst, m_pFrame->MDIGetActive());
  Command(ID_SHARED);
  EXPECT_EQ("first shared", g_handled);

  // Closing goes through the client, which activates the other child.
  pFirst->SendMessage(WM_CLOSE);
  EXPECT_EQ(pSecond, m_pFrame->MDIGetActive());
  pSecond->DestroyWindow();
  EXPECT_EQ(nullptr, m_pFrame->MDIGetActive());
  Command(ID_SHARED);
  EXPECT_EQ("frame shared", g_handled);
}

TEST_F(MDIFrameTest, TheActiveChildsSharedMenuIsTheFramesUntilTheLastChildGoes) {
  HMENU hDefault = m_pFrame->m_hMenuDefault;
  HMENU hChildMenu = ::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_CHILDMENU));
  ASSERT_NE(nullptr, hChildMenu);
  EXPECT_EQ(::GetSubMenu(hChildMenu, 1), m_pFrame->GetWindowMenuPopup(hChildMenu));
  EXPECT_EQ(::GetSubMenu(hDefault, 1), m_pFrame->GetWindowMenuPopup(hDefault));

  CTestChild* pChild = NewChild("document", hChildMenu);
  ASSERT_NE(nullptr, pChild);
  EXPECT_EQ(hChildMenu, ::GetMenu(m_hWnd));
  // The frame's idle update asks the active child again.
  m_pFrame->OnUpdateFrameMenu(nullptr);
  EXPECT_EQ(hChildMenu, ::GetMenu(m_hWnd));

  pChild->DestroyWindow();
  EXPECT_EQ(hDefault, ::GetMenu(m_hWnd));
  ::DestroyMenu(hChildMenu);
}

TEST_F(MDIFrameTest, AChildShowsItsPromptsOnTheFramesMessageBar) {
  CWnd bar;
  ASSERT_TRUE(
      bar.Create("STATIC", "", WS_VISIBLE, CRect(0, 0, 100, 20), m_pFrame, AFX_IDW_STATUS_BAR));
  CTestChild* pChild = NewChild("document");
  ASSERT_NE(nullptr, pChild);
  EXPECT_EQ(&bar, pChild->GetMessageBar());
  pChild->SetMessageText("from the child");
  char sz[32] = {};
  ::GetWindowTextA(bar.m_hWnd, sz, sizeof sz);
  EXPECT_STREQ("from the child", sz);
  EXPECT_EQ(nullptr, pChild->GetActiveView());
  EXPECT_EQ(nullptr, pChild->GetActiveDocument());
  bar.DestroyWindow();
}

}  // namespace
