// A control bar's commands, notifications and owner-draw messages (from its
// controls, its tool tip and the menus it tracks) reach the bar's owner (the
// frame) when neither the bar nor the control takes them; the inside
// rectangle leaves room for the borders and the gripper.
#include <afxwin.h>

#include <gtest/gtest.h>

#include <string>

namespace {

const UINT IDC_EDIT = 101;      // handled by the frame only
const UINT IDC_BAR_EDIT = 102;  // handled by the bar (and the frame)
const UINT IDC_CHILD = 103;
const UINT ID_MENU_COMMAND = 104;  // a command of a pop-up menu the bar tracks
const UINT_PTR ID_TIP_ANSWERED = 1, ID_TIP_UNANSWERED = 2;

/// Records which window's handler ran, and with what.
struct Calls {
  std::string who;
  UINT nDrawnID = 0;
  int nBarDefaultNotifies = 0;  // WM_NOTIFY that reached the bar's own procedure
};

/// A bar whose map takes one of its controls itself.
class CTestBar : public CControlBar {
 public:
  Calls* m_pCalls = nullptr;
  void OnUpdateCmdUI(CFrameWnd*, BOOL) override {}

 protected:
  afx_msg void OnBarEditChange() { m_pCalls->who += "bar;"; }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestBar, CControlBar)
ON_EN_CHANGE(IDC_BAR_EDIT, OnBarEditChange)
END_MESSAGE_MAP()

/// The owner: handles every control of the bar.
class CHandlerWnd : public CWnd {
 public:
  Calls* m_pCalls = nullptr;

 protected:
  afx_msg void OnEditChange() { m_pCalls->who += "owner edit;"; }
  afx_msg void OnBarEditChange() { m_pCalls->who += "owner bar edit;"; }
  afx_msg void OnChildClick(NMHDR*, LRESULT* pResult) {
    m_pCalls->who += "owner click;";
    *pResult = 7;
  }
  afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT) {
    m_pCalls->who += "owner draw;";
    m_pCalls->nDrawnID = nIDCtl;
  }
  afx_msg void OnMenuCommand() { m_pCalls->who += "owner menu;"; }
  afx_msg BOOL OnTipText(UINT, NMHDR* pNMHDR, LRESULT*) {
    NMTTDISPINFOA* pInfo = reinterpret_cast<NMTTDISPINFOA*>(pNMHDR);
    m_pCalls->who += "owner tip;";
    if (pNMHDR->idFrom != ID_TIP_ANSWERED) return FALSE;
    lstrcpyA(pInfo->szText, "Tip");
    pInfo->lpszText = pInfo->szText;
    return TRUE;
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CHandlerWnd, CWnd)
ON_EN_CHANGE(IDC_EDIT, OnEditChange)
ON_EN_CHANGE(IDC_BAR_EDIT, OnBarEditChange)
ON_NOTIFY(NM_CLICK, IDC_CHILD, OnChildClick)
ON_WM_DRAWITEM()
ON_COMMAND(ID_MENU_COMMAND, OnMenuCommand)
ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTA, 0, 0xFFFF, OnTipText)
END_MESSAGE_MAP()

// The bar's own window procedure, below the layer's: counts what reaches it.
Calls* g_pBarCalls = nullptr;
LRESULT CALLBACK BarClassProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NOTIFY && g_pBarCalls != nullptr) ++g_pBarCalls->nBarDefaultNotifies;
  return ::DefWindowProcA(hWnd, message, wParam, lParam);
}

LPCSTR BarClass() {
  static const char* const kName = "VelmTestBarClass";
  static const bool bRegistered = [] {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = BarClassProc;
    wc.hInstance = ::GetModuleHandleA(NULL);
    wc.lpszClassName = kName;
    return ::RegisterClassA(&wc) != 0;
  }();
  return bRegistered ? kName : NULL;
}

class ControlBarTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_owner.m_pCalls = &m_calls;
    m_bar.m_pCalls = &m_calls;
    ASSERT_TRUE(m_owner.CreateEx(0, NULL, "", WS_POPUP, 0, 0, 300, 200, NULL, NULL));
    g_pBarCalls = &m_calls;
    ASSERT_TRUE(m_bar.Create(BarClass(), "", WS_VISIBLE, CRect(0, 0, 300, 30), &m_owner,
                             AFX_IDW_CONTROLBAR_FIRST));
    m_hEdit = Child("EDIT", IDC_EDIT);
    m_hBarEdit = Child("EDIT", IDC_BAR_EDIT);
    m_hChild = Child("STATIC", IDC_CHILD);
  }
  void TearDown() override {
    m_owner.DestroyWindow();
    g_pBarCalls = nullptr;
  }

  HWND Child(const char* cls, UINT nID) {
    return ::CreateWindowExA(0, cls, "", WS_CHILD, 0, 0, 50, 20, m_bar.m_hWnd,
                             reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), NULL, NULL);
  }
  LRESULT NotifyFrom(HWND hWndFrom) {
    NMHDR hdr = {hWndFrom, IDC_CHILD, static_cast<UINT>(NM_CLICK)};
    return m_bar.SendMessage(WM_NOTIFY, IDC_CHILD, reinterpret_cast<LPARAM>(&hdr));
  }

  Calls m_calls;
  CHandlerWnd m_owner;
  CTestBar m_bar;
  HWND m_hEdit = nullptr, m_hBarEdit = nullptr, m_hChild = nullptr;
};

TEST_F(ControlBarTest, AControlsCommandReachesTheOwnerUnlessTheBarTakesIt) {
  ::SetWindowTextA(m_hEdit, "changed");  // the edit tells its parent, the bar
  EXPECT_EQ("owner edit;", m_calls.who);
  m_calls.who.clear();
  ::SetWindowTextA(m_hBarEdit, "changed");
  EXPECT_EQ("bar;", m_calls.who);
}

TEST_F(ControlBarTest, AControlsNotifyReachesTheOwnerWithItsResult) {
  EXPECT_EQ(7, NotifyFrom(m_hChild));
  EXPECT_EQ("owner click;", m_calls.who);
}

TEST_F(ControlBarTest, AnOwnerDrawnControlIsDrawnByTheOwner) {
  DRAWITEMSTRUCT dis = {ODT_STATIC, IDC_CHILD};
  dis.hwndItem = m_hChild;
  EXPECT_EQ(TRUE, m_bar.SendMessage(WM_DRAWITEM, IDC_CHILD, reinterpret_cast<LPARAM>(&dis)));
  EXPECT_EQ("owner draw;", m_calls.who);
  EXPECT_EQ(IDC_CHILD, m_calls.nDrawnID);
}

TEST_F(ControlBarTest, ANamedOwnerGetsThemInsteadOfTheParent) {
  CHandlerWnd other;
  Calls otherCalls;
  other.m_pCalls = &otherCalls;
  ASSERT_TRUE(other.CreateEx(0, NULL, "", WS_POPUP, 0, 0, 10, 10, NULL, NULL));
  m_bar.SetOwner(&other);
  ::SetWindowTextA(m_hEdit, "changed");
  EXPECT_EQ("owner edit;", otherCalls.who);
  EXPECT_EQ("", m_calls.who);
  m_bar.SetOwner(NULL);
}

TEST_F(ControlBarTest, MenuCommandsOfTheBarReachTheOwner) {
  // A pop-up menu the bar tracks sends its command to the bar.
  m_bar.SendMessage(WM_COMMAND, MAKEWPARAM(ID_MENU_COMMAND, 0), 0);
  EXPECT_EQ("owner menu;", m_calls.who);
}

TEST_F(ControlBarTest, TheToolTipsTextComesFromTheOwnerOrElseFromTheBar) {
  // The bar's tool tip is a pop-up window of its own, not a child.
  HWND hTip =
      ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, m_bar.m_hWnd, NULL, NULL, NULL);
  NMTTDISPINFOA info = {};
  info.hdr = {hTip, ID_TIP_ANSWERED, static_cast<UINT>(TTN_NEEDTEXTA)};
  m_bar.SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ("owner tip;", m_calls.who);
  EXPECT_STREQ("Tip", info.lpszText);
  EXPECT_EQ(0, m_calls.nBarDefaultNotifies);

  NMTTDISPINFOA unanswered = {};
  unanswered.hdr = {hTip, ID_TIP_UNANSWERED, static_cast<UINT>(TTN_NEEDTEXTA)};
  m_bar.SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&unanswered));
  EXPECT_EQ("owner tip;owner tip;", m_calls.who);
  EXPECT_EQ(1, m_calls.nBarDefaultNotifies);
  ::DestroyWindow(hTip);
}

TEST_F(ControlBarTest, ABarWithoutAnotherOwnerKeepsItsMessages) {
  // A bar with neither parent nor owner has nobody to pass them to.
  CTestBar lone;
  Calls loneCalls;
  lone.m_pCalls = &loneCalls;
  ASSERT_TRUE(lone.CreateEx(0, BarClass(), "", WS_POPUP, 0, 0, 50, 20, NULL, NULL));
  NMHDR hdr = {lone.m_hWnd, 0, static_cast<UINT>(NM_CLICK)};
  lone.SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&hdr));
  EXPECT_EQ(1, m_calls.nBarDefaultNotifies);  // the class procedure counts into the fixture
  lone.DestroyWindow();
}

struct InsideCase {
  DWORD dwStyle;
  BOOL bHorz;
  CRect expected;  // inside a 0,0,100,40 client
};

TEST(ControlBarLayout, InsideRectLeavesRoomForBordersAndTheGripperOfADockedBar) {
  const int cx = ::GetSystemMetrics(SM_CXBORDER) * 2, cy = ::GetSystemMetrics(SM_CYBORDER) * 2;
  // Default borders: 6 at either end along the bar, 2 across it; gripper 7.
  const InsideCase cases[] = {
      {CBRS_ALIGN_TOP, TRUE, CRect(6, 2, 94, 38)},
      {CBRS_ALIGN_TOP | CBRS_GRIPPER, TRUE, CRect(13, 2, 94, 38)},
      {CBRS_ALIGN_LEFT | CBRS_GRIPPER, FALSE, CRect(2, 13, 98, 34)},
      {CBRS_ALIGN_TOP | CBRS_GRIPPER | CBRS_FLOATING, TRUE, CRect(6, 2, 94, 38)},
      {CBRS_ALIGN_TOP | CBRS_GRIPPER | CBRS_BORDER_LEFT | CBRS_BORDER_BOTTOM, TRUE,
       CRect(13 + cx, 2, 94, 38 - cy)},
  };
  for (const InsideCase& c : cases) {
    SCOPED_TRACE(testing::Message() << std::hex << c.dwStyle << (c.bHorz ? " horz" : " vert"));
    CTestBar bar;
    bar.SetBarStyle(c.dwStyle);
    CRect rect(0, 0, 100, 40);
    bar.CalcInsideRect(rect, c.bHorz);
    EXPECT_EQ(c.expected, rect);
  }
}

}  // namespace
