// Message maps of windows: the chain over base classes, commands from
// controls to their parent, and update handlers through CCmdUI.
#include <afxwin.h>

#include <gtest/gtest.h>

#include <string>

namespace {

const UINT WM_APP_LEAF = WM_APP + 1;  // handled by all three classes
const UINT WM_APP_MID = WM_APP + 2;   // by the middle and the base class
const UINT WM_APP_NONE = WM_APP + 3;  // by nobody
UINT g_registeredMessage = 0;

class CBaseWnd : public CWnd {
 public:
  std::string m_last;
  CPoint m_point;
  BOOL Make() { return CreateEx(0, NULL, "", WS_POPUP, 0, 0, 200, 100, NULL, NULL); }

 protected:
  afx_msg LRESULT OnAppLeaf(WPARAM, LPARAM) {
    m_last = "base";
    return 1;
  }
  afx_msg LRESULT OnAppMid(WPARAM, LPARAM) {
    m_last = "base";
    return 1;
  }
  afx_msg void OnMouseMove(UINT, CPoint point) {
    m_last = "base";
    m_point = point;
  }
  afx_msg LRESULT OnRegistered(WPARAM wParam, LPARAM) {
    m_last = "registered";
    return wParam + 1;
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBaseWnd, CWnd)
ON_MESSAGE(WM_APP_LEAF, OnAppLeaf)
ON_MESSAGE(WM_APP_MID, OnAppMid)
ON_WM_MOUSEMOVE()
ON_REGISTERED_MESSAGE(g_registeredMessage, OnRegistered)
END_MESSAGE_MAP()

class CMidWnd : public CBaseWnd {
 protected:
  afx_msg LRESULT OnAppLeaf(WPARAM, LPARAM) {
    m_last = "mid";
    return 2;
  }
  afx_msg LRESULT OnAppMid(WPARAM, LPARAM) {
    m_last = "mid";
    return 2;
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CMidWnd, CBaseWnd)
ON_MESSAGE(WM_APP_LEAF, OnAppLeaf)
ON_MESSAGE(WM_APP_MID, OnAppMid)
END_MESSAGE_MAP()

class CLeafWnd : public CMidWnd {
 protected:
  afx_msg LRESULT OnAppLeaf(WPARAM, LPARAM) {
    m_last = "leaf";
    return 3;
  }
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point) {
    m_last = "leaf";
    m_point = point;
    m_point.Offset(static_cast<int>(nFlags), 0);
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CLeafWnd, CMidWnd)
ON_MESSAGE(WM_APP_LEAF, OnAppLeaf)
ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

struct ChainCase {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  const char* handler;  // "" when nobody handles it
  LRESULT result;
};

TEST(WndMessageMap, MostDerivedHandlerWinsAndBaseClassesFillIn) {
  g_registeredMessage = ::RegisterWindowMessageA("VelmWndMessageMapTest");
  const ChainCase cases[] = {
      {WM_APP_LEAF, 0, 0, "leaf", 3},
      {WM_APP_MID, 0, 0, "mid", 2},
      {WM_MOUSEMOVE, 0, MAKELPARAM(3, -4), "base", 0},
      {WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 20), "leaf", 0},
      {g_registeredMessage, 41, 0, "registered", 42},
      {WM_APP_NONE, 0, 0, "", 0},
  };
  CLeafWnd wnd;
  ASSERT_TRUE(wnd.Make());
  for (const ChainCase& c : cases) {
    SCOPED_TRACE(c.message);
    wnd.m_last.clear();
    EXPECT_EQ(c.result, wnd.SendMessage(c.message, c.wParam, c.lParam));
    EXPECT_EQ(c.handler, wnd.m_last);
  }
  wnd.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(3, -4));
  EXPECT_EQ(CPoint(3, -4), wnd.m_point);
  wnd.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 20));
  EXPECT_EQ(CPoint(10 + MK_LBUTTON, 20), wnd.m_point);
}

TEST(WndMessageMap, AMiddleClassObjectUsesItsOwnChain) {
  CMidWnd wnd;
  ASSERT_TRUE(wnd.Make());
  EXPECT_EQ(2, wnd.SendMessage(WM_APP_LEAF));
  EXPECT_EQ("mid", wnd.m_last);
}

// Menu messages ---------------------------------------------------------------------------

/// Records how the menu messages arrive at their handlers.
class CMenuWnd : public CWnd {
 public:
  std::string m_last;
  HMENU m_hMenu = NULL;
  UINT m_nFirst = 0, m_nSecond = 0;
  BOOL Make() { return CreateEx(0, NULL, "", WS_POPUP, 0, 0, 200, 100, NULL, NULL); }

 protected:
  afx_msg void OnInitMenu(CMenu* pMenu) { Record("init", pMenu, 0, 0); }
  afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu) {
    Record("popup", pPopupMenu, nIndex, bSysMenu);
  }
  afx_msg LRESULT OnMenuChar(UINT nChar, UINT nFlags, CMenu* pMenu) {
    Record("char", pMenu, nChar, nFlags);
    return MAKELRESULT(1, MNC_SELECT);
  }
  afx_msg void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu) {
    Record("select", CMenu::FromHandle(hSysMenu), nItemID, nFlags);
  }
  DECLARE_MESSAGE_MAP()

 private:
  void Record(const char* what, CMenu* pMenu, UINT nFirst, UINT nSecond) {
    m_last = what;
    m_hMenu = pMenu->GetSafeHmenu();
    m_nFirst = nFirst;
    m_nSecond = nSecond;
  }
};

BEGIN_MESSAGE_MAP(CMenuWnd, CWnd)
ON_WM_INITMENU()
ON_WM_INITMENUPOPUP()
ON_WM_MENUCHAR()
ON_WM_MENUSELECT()
END_MESSAGE_MAP()

TEST(WndMessageMap, MenuMessagesReachTheirHandlersWithTheMenuAndItsDetails) {
  CMenuWnd wnd;
  ASSERT_TRUE(wnd.Make());
  CMenu menu;
  ASSERT_TRUE(menu.CreatePopupMenu());
  const WPARAM hMenu = reinterpret_cast<WPARAM>(menu.m_hMenu);
  struct Case {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    const char* handler;
    UINT first, second;
    LRESULT result;
  };
  const Case cases[] = {
      {WM_INITMENU, hMenu, 0, "init", 0, 0, 0},
      {WM_INITMENUPOPUP, hMenu, MAKELPARAM(3, 1), "popup", 3, TRUE, 0},
      {WM_MENUCHAR, MAKEWPARAM('x', MF_POPUP), static_cast<LPARAM>(hMenu), "char", 'x', MF_POPUP,
       MAKELRESULT(1, MNC_SELECT)},
      {WM_MENUSELECT, MAKEWPARAM(7, MF_HILITE), static_cast<LPARAM>(hMenu), "select", 7, MF_HILITE,
       0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.handler);
    wnd.m_last.clear();
    EXPECT_EQ(c.result, wnd.SendMessage(c.message, c.wParam, c.lParam));
    EXPECT_EQ(c.handler, wnd.m_last);
    EXPECT_EQ(menu.m_hMenu, wnd.m_hMenu);
    EXPECT_EQ(c.first, wnd.m_nFirst);
    EXPECT_EQ(c.second, wnd.m_nSecond);
  }
}

// Commands ------------------------------------------------------------------------------

const UINT IDC_EDIT = 101;
const UINT IDC_BUTTON = 102;
const UINT ID_CMD_ON = 4001;
const UINT ID_CMD_OFF = 4002;
const UINT ID_CMD_NO_UPDATE = 4003;
const UINT ID_CMD_UNKNOWN = 4004;

class CParentWnd : public CWnd {
 public:
  int m_editChanges = 0;
  int m_buttonClicks = 0;
  std::string m_commands;
  BOOL Make() { return CreateEx(0, NULL, "", WS_POPUP, 0, 0, 200, 100, NULL, NULL); }

 protected:
  afx_msg void OnEditChange() { ++m_editChanges; }
  afx_msg void OnButtonClicked() { ++m_buttonClicks; }
  afx_msg void OnCmdOn() { m_commands += "on;"; }
  afx_msg void OnCmdOff() { m_commands += "off;"; }
  afx_msg void OnCmdNoUpdate() { m_commands += "plain;"; }
  afx_msg void OnUpdateCmdOn(CCmdUI* pCmdUI) {
    pCmdUI->Enable(TRUE);
    pCmdUI->SetCheck(1);
  }
  afx_msg void OnUpdateCmdOff(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CParentWnd, CWnd)
ON_EN_CHANGE(IDC_EDIT, OnEditChange)
ON_BN_CLICKED(IDC_BUTTON, OnButtonClicked)
ON_COMMAND(ID_CMD_ON, OnCmdOn)
ON_COMMAND(ID_CMD_OFF, OnCmdOff)
ON_COMMAND(ID_CMD_NO_UPDATE, OnCmdNoUpdate)
ON_UPDATE_COMMAND_UI(ID_CMD_ON, OnUpdateCmdOn)
ON_UPDATE_COMMAND_UI(ID_CMD_OFF, OnUpdateCmdOff)
END_MESSAGE_MAP()

TEST(WndMessageMap, AControlsNotificationReachesItsParentsHandler) {
  CParentWnd parent;
  ASSERT_TRUE(parent.Make());
  // A real edit control tells its parent about a change on its own.
  HWND hEdit = ::CreateWindowExA(0, "EDIT", "", WS_CHILD, 0, 0, 100, 20, parent.m_hWnd,
                                 reinterpret_cast<HMENU>(IDC_EDIT), NULL, NULL);
  ASSERT_NE(nullptr, hEdit);
  ::SetWindowTextA(hEdit, "changed");
  EXPECT_EQ(1, parent.m_editChanges);

  // A control of ours with no handler of its own passes it on as well.
  CWnd button;
  ASSERT_TRUE(
      button.Create("BUTTON", "ok", BS_PUSHBUTTON, CRect(0, 30, 50, 50), &parent, IDC_BUTTON));
  ASSERT_EQ(&button, CWnd::FromHandlePermanent(button.m_hWnd));
  ::SendMessage(parent.m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_BUTTON, BN_CLICKED),
                reinterpret_cast<LPARAM>(button.m_hWnd));
  EXPECT_EQ(1, parent.m_buttonClicks);
}

/// Records what update handlers ask for.
class CRecordingCmdUI : public CCmdUI {
 public:
  int m_enabled = -1;
  int m_check = -1;
  void Enable(BOOL bOn) override {
    CCmdUI::Enable(bOn);
    m_enabled = bOn;
  }
  void SetCheck(int nCheck) override { m_check = nCheck; }
};

struct UpdateCase {
  UINT id;
  BOOL disableIfNoHandler;
  int enabled;  // -1: not touched
  int check;
  BOOL handled;
};

TEST(WndMessageMap, UpdateHandlersSetTheStateOfACommandThroughCCmdUI) {
  const UpdateCase cases[] = {
      {ID_CMD_ON, TRUE, TRUE, 1, TRUE},
      {ID_CMD_OFF, TRUE, FALSE, -1, TRUE},
      // No update handler: enabled exactly when a command handler exists.
      {ID_CMD_NO_UPDATE, TRUE, TRUE, -1, FALSE},
      {ID_CMD_UNKNOWN, TRUE, FALSE, -1, FALSE},
      {ID_CMD_UNKNOWN, FALSE, -1, -1, FALSE},
  };
  CParentWnd wnd;
  ASSERT_TRUE(wnd.Make());
  for (const UpdateCase& c : cases) {
    SCOPED_TRACE(c.id);
    CRecordingCmdUI state;
    state.m_nID = c.id;
    EXPECT_EQ(c.handled, state.DoUpdate(&wnd, c.disableIfNoHandler));
    EXPECT_EQ(c.enabled, state.m_enabled);
    EXPECT_EQ(c.check, state.m_check);
  }
}

TEST(WndMessageMap, AMenuCommandThatItsUpdateHandlerDisablesIsDropped) {
  CParentWnd wnd;
  ASSERT_TRUE(wnd.Make());
  for (UINT id : {ID_CMD_ON, ID_CMD_OFF, ID_CMD_NO_UPDATE})
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(id, 0), 0);
  EXPECT_EQ("on;plain;", wnd.m_commands);
}

}  // namespace
