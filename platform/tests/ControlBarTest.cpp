// The controls inside a control bar: their commands, notifications and
// owner-draw messages reach the bar's owner (the frame) when neither the bar
// nor the control takes them.
#include <afxwin.h>

#include <gtest/gtest.h>

#include <string>

namespace {

const UINT IDC_EDIT = 101;      // handled by the frame only
const UINT IDC_BAR_EDIT = 102;  // handled by the bar (and the frame)
const UINT IDC_CHILD = 103;

/// Records which window's handler ran, and with what.
struct Calls {
  std::string who;
  UINT nDrawnID = 0;
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
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CHandlerWnd, CWnd)
ON_EN_CHANGE(IDC_EDIT, OnEditChange)
ON_EN_CHANGE(IDC_BAR_EDIT, OnBarEditChange)
ON_NOTIFY(NM_CLICK, IDC_CHILD, OnChildClick)
ON_WM_DRAWITEM()
END_MESSAGE_MAP()

class ControlBarTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_owner.m_pCalls = &m_calls;
    m_bar.m_pCalls = &m_calls;
    ASSERT_TRUE(m_owner.CreateEx(0, NULL, "", WS_POPUP, 0, 0, 300, 200, NULL, NULL));
    ASSERT_TRUE(m_bar.Create(NULL, "", WS_VISIBLE, CRect(0, 0, 300, 30), &m_owner,
                             AFX_IDW_CONTROLBAR_FIRST));
    m_hEdit = Child("EDIT", IDC_EDIT);
    m_hBarEdit = Child("EDIT", IDC_BAR_EDIT);
    m_hChild = Child("STATIC", IDC_CHILD);
  }
  void TearDown() override { m_owner.DestroyWindow(); }

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

TEST_F(ControlBarTest, MessagesFromWindowsOutsideTheBarStayWithIt) {
  // A bar's own pop-ups (its tooltip) talk to the bar's own procedure.
  HWND hPopup =
      ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, m_bar.m_hWnd, NULL, NULL, NULL);
  EXPECT_EQ(0, NotifyFrom(hPopup));
  m_bar.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_EDIT, EN_CHANGE), reinterpret_cast<LPARAM>(hPopup));
  EXPECT_EQ("", m_calls.who);
  ::DestroyWindow(hPopup);
}

}  // namespace
