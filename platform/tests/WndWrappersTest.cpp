// The plain CWnd wrappers over the window API: wide window text, menus,
// icons, scroll bars, regions, tab order and update locks of a real window.
#include <afxwin.h>

#include <gtest/gtest.h>

namespace {

class WndWrappersTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m_wnd.CreateEx(0, NULL, "", WS_OVERLAPPEDWINDOW, 0, 0, 200, 150, NULL, NULL));
  }
  void TearDown() override { m_wnd.DestroyWindow(); }

  CWnd m_wnd;
};

TEST_F(WndWrappersTest, WideTextRoundTripsThroughTheWindowsCodePage) {
  // The layer's windows keep narrow text: wide characters of the code page survive.
  const wchar_t* const texts[] = {L"", L"plain", L"Gr\u00fc\u00dfe \u00e0 \u00e9t\u00e9"};
  for (const wchar_t* text : texts) {
    EXPECT_TRUE(m_wnd.SetWindowTextW(text));
    CStringW read = L"stale";
    m_wnd.GetWindowTextW(read);
    EXPECT_STREQ(text, read);
    EXPECT_EQ(static_cast<int>(wcslen(text)), m_wnd.GetWindowTextLengthW());
    wchar_t sz[4] = {};
    EXPECT_EQ(static_cast<int>(wcslen(text) < 3 ? wcslen(text) : 3),
              m_wnd.GetWindowTextW(sz, 4));  // cut to the buffer
  }
  m_wnd.SetWindowText("narrow");
  CStringW read;
  m_wnd.GetWindowTextW(read);
  EXPECT_STREQ(L"narrow", read);
}

TEST_F(WndWrappersTest, TheMenuBarAndTheSystemMenuComeAsMenuObjects) {
  EXPECT_EQ(nullptr, m_wnd.GetMenu());
  CMenu menu;
  ASSERT_TRUE(menu.CreateMenu());
  menu.AppendMenu(MF_STRING, 1, "&File");
  ASSERT_TRUE(m_wnd.SetMenu(&menu));
  EXPECT_EQ(&menu, m_wnd.GetMenu());  // the owner object, not a temporary one
  m_wnd.DrawMenuBar();
  ASSERT_TRUE(m_wnd.SetMenu(NULL));
  EXPECT_EQ(nullptr, m_wnd.GetMenu());

  CMenu* pSystem = m_wnd.GetSystemMenu(FALSE);
  ASSERT_NE(nullptr, pSystem);
  EXPECT_TRUE(::IsMenu(pSystem->GetSafeHmenu()));
  EXPECT_NE(static_cast<UINT>(-1), ::GetMenuState(pSystem->GetSafeHmenu(), SC_CLOSE, MF_BYCOMMAND));
}

TEST_F(WndWrappersTest, IconsScrollBarsAndRegionsReachTheWindow) {
  HICON hIcon = ::LoadIcon(NULL, IDI_APPLICATION);
  EXPECT_EQ(nullptr, m_wnd.SetIcon(hIcon, TRUE));
  EXPECT_EQ(hIcon, m_wnd.GetIcon(TRUE));
  EXPECT_EQ(nullptr, m_wnd.GetIcon(FALSE));

  m_wnd.ShowScrollBar(SB_VERT);
  EXPECT_TRUE(m_wnd.GetStyle() & WS_VSCROLL);
  EXPECT_FALSE(m_wnd.GetStyle() & WS_HSCROLL);
  m_wnd.ShowScrollBar(SB_VERT, FALSE);
  EXPECT_FALSE(m_wnd.GetStyle() & WS_VSCROLL);

  EXPECT_NE(0, m_wnd.SetWindowRgn(::CreateRectRgn(0, 0, 50, 40), FALSE));  // the window owns it
  HRGN hRgn = ::CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(SIMPLEREGION, m_wnd.GetWindowRgn(hRgn));
  RECT box;
  ::GetRgnBox(hRgn, &box);
  EXPECT_EQ(CRect(0, 0, 50, 40), CRect(box));
  ::DeleteObject(hRgn);

  CDC* pDC = m_wnd.GetDCEx(NULL, DCX_WINDOW | DCX_CACHE);
  ASSERT_NE(nullptr, pDC);
  EXPECT_NE(nullptr, pDC->GetSafeHdc());
  EXPECT_EQ(1, m_wnd.ReleaseDC(pDC));
  EXPECT_TRUE(m_wnd.LockWindowUpdate());
  m_wnd.UnlockWindowUpdate();
}

TEST_F(WndWrappersTest, TabOrderAndTheLastActivePopupAreTheSystemsAnswers) {
  HWND hFirst = ::CreateWindowExA(0, "BUTTON", "a", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 0, 20,
                                  20, m_wnd.m_hWnd, reinterpret_cast<HMENU>(1), NULL, NULL);
  ::CreateWindowExA(0, "STATIC", "skip", WS_CHILD | WS_VISIBLE, 0, 0, 20, 20, m_wnd.m_hWnd,
                    reinterpret_cast<HMENU>(2), NULL, NULL);
  HWND hThird = ::CreateWindowExA(0, "BUTTON", "c", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 0, 20,
                                  20, m_wnd.m_hWnd, reinterpret_cast<HMENU>(3), NULL, NULL);
  CWnd* pFirst = CWnd::FromHandle(hFirst);
  EXPECT_EQ(hThird, m_wnd.GetNextDlgTabItem(pFirst)->GetSafeHwnd());
  EXPECT_EQ(hFirst, m_wnd.GetNextDlgTabItem(CWnd::FromHandle(hThird))->GetSafeHwnd());
  EXPECT_EQ(hThird, m_wnd.GetNextDlgTabItem(pFirst, TRUE)->GetSafeHwnd());

  EXPECT_EQ(m_wnd.m_hWnd, m_wnd.GetLastActivePopup()->GetSafeHwnd());
}

}  // namespace
