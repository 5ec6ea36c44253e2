// CMDIFrameWnd: the MDI client made at creation, and switching the frame's
// menu through the client.
#include <gtest/gtest.h>

#include "afxwin.h"

namespace {

const UINT IDR_MDIFRAME = 200;
const UINT IDR_OTHERMENU = 201;

class MDIFrameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_pFrame = new CMDIFrameWnd;  // deletes itself with its window
    ASSERT_TRUE(m_pFrame->LoadFrame(IDR_MDIFRAME, WS_OVERLAPPEDWINDOW));
    m_hWnd = m_pFrame->m_hWnd;
  }
  void TearDown() override {
    if (::IsWindow(m_hWnd)) m_pFrame->DestroyWindow();
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

}  // namespace
