// UpdateDialogControls: each child control of a window asks its own reflected
// update handler, then the window's, then the target's routing; buttons whose
// command has no handler are disabled, controls the user sets are not.
#include <afxwin.h>

#include <gtest/gtest.h>

#include <string>

namespace {

const UINT ID_NO_HANDLER = 1001;  // push button: nobody handles it
const UINT ID_TARGET_UPDATE = 1002;
const UINT ID_AUTO_CHECK = 1003;
const UINT ID_REFLECTING = 1004;
const UINT ID_PARENT_UPDATE = 1005;
const UINT ID_TARGET_CHECK = 1006;
const UINT ID_COMMAND_ONLY = 1007;
const UINT ID_PASSES_ON = 1008;  // its own handler continues routing

/// A button that updates itself.
class CSelfUpdatingButton : public CWnd {
 public:
  bool m_bPassOn = false;

 protected:
  afx_msg void OnUpdateSelf(CCmdUI* pCmdUI) {
    if (m_bPassOn) {
      pCmdUI->ContinueRouting();
      return;
    }
    EXPECT_EQ(this, pCmdUI->m_pOther);
    pCmdUI->SetText("Reflected");
    pCmdUI->Enable(FALSE);
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSelfUpdatingButton, CWnd)
ON_UPDATE_COMMAND_UI_REFLECT(OnUpdateSelf)
END_MESSAGE_MAP()

class CControlsParent : public CWnd {
 protected:
  afx_msg void OnUpdateEdit(CCmdUI* pCmdUI) { pCmdUI->SetText("from the parent"); }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CControlsParent, CWnd)
ON_UPDATE_COMMAND_UI(ID_PARENT_UPDATE, OnUpdateEdit)
END_MESSAGE_MAP()

class CUpdateTarget : public CCmdTarget {
 public:
  int m_nPassedOnAsked = 0;

 protected:
  afx_msg void OnUpdateTarget(CCmdUI* pCmdUI) { pCmdUI->Enable(TRUE); }
  afx_msg void OnUpdateCheck(CCmdUI* pCmdUI) { pCmdUI->SetCheck(1); }
  afx_msg void OnCommandOnly() {}
  afx_msg void OnUpdatePassedOn(CCmdUI* pCmdUI) {
    ++m_nPassedOnAsked;
    pCmdUI->Enable(FALSE);
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CUpdateTarget, CCmdTarget)
ON_UPDATE_COMMAND_UI(ID_TARGET_UPDATE, OnUpdateTarget)
ON_UPDATE_COMMAND_UI(ID_TARGET_CHECK, OnUpdateCheck)
ON_COMMAND(ID_COMMAND_ONLY, OnCommandOnly)
ON_UPDATE_COMMAND_UI(ID_PASSES_ON, OnUpdatePassedOn)
ON_UPDATE_COMMAND_UI(ID_REFLECTING, OnUpdatePassedOn)  // never reached
END_MESSAGE_MAP()

struct ControlCase {
  const char* cls;
  DWORD dwStyle;
  UINT nID;
  bool bEnabled;
  const char* text;
  int nCheck;  // -1: not a button whose check matters
};

class ControlUpdateTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m_parent.CreateEx(0, NULL, "", WS_POPUP, 0, 0, 300, 300, NULL, NULL));
  }
  void TearDown() override { m_parent.DestroyWindow(); }

  HWND Add(const char* cls, DWORD dwStyle, UINT nID) {
    return ::CreateWindowExA(0, cls, "initial", WS_CHILD | dwStyle, 0, 0, 50, 20, m_parent.m_hWnd,
                             reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), NULL, NULL);
  }

  CControlsParent m_parent;
};

TEST_F(ControlUpdateTest, EachControlTakesItsStateFromTheFirstHandlerThatAnswers) {
  const ControlCase cases[] = {
      {"BUTTON", BS_PUSHBUTTON, ID_NO_HANDLER, false, "initial", -1},
      {"BUTTON", BS_PUSHBUTTON, ID_TARGET_UPDATE, true, "initial", -1},
      {"BUTTON", BS_AUTOCHECKBOX, ID_AUTO_CHECK, true, "initial", 0},
      {"BUTTON", BS_PUSHBUTTON, ID_REFLECTING, false, "Reflected", -1},
      {"EDIT", 0, ID_PARENT_UPDATE, true, "from the parent", -1},
      {"BUTTON", BS_AUTOCHECKBOX, ID_TARGET_CHECK, true, "initial", 1},
      {"BUTTON", BS_PUSHBUTTON, ID_COMMAND_ONLY, true, "initial", -1},
      {"STATIC", 0, 0xFFFF, true, "initial", -1},  // no command at all
  };
  for (const ControlCase& c : cases) Add(c.cls, c.dwStyle, c.nID);
  CSelfUpdatingButton reflecting;
  ASSERT_TRUE(reflecting.SubclassDlgItem(ID_REFLECTING, &m_parent));

  CUpdateTarget target;
  m_parent.UpdateDialogControls(&target, TRUE);
  for (const ControlCase& c : cases) {
    SCOPED_TRACE(c.nID);
    HWND hCtrl = ::GetDlgItem(m_parent.m_hWnd, c.nID);
    EXPECT_EQ(c.bEnabled, ::IsWindowEnabled(hCtrl) != FALSE);
    char szText[32] = {};
    ::GetWindowTextA(hCtrl, szText, sizeof szText);
    EXPECT_STREQ(c.text, szText);
    if (c.nCheck >= 0) {
      EXPECT_EQ(c.nCheck, (int)::SendMessage(hCtrl, BM_GETCHECK, 0, 0));
    }
  }
  EXPECT_EQ(0, target.m_nPassedOnAsked);
  reflecting.UnsubclassWindow();
}

TEST_F(ControlUpdateTest, WithoutDisablingAnUnhandledButtonKeepsItsState) {
  HWND hButton = Add("BUTTON", BS_PUSHBUTTON, ID_NO_HANDLER);
  CUpdateTarget target;
  m_parent.UpdateDialogControls(&target, FALSE);
  EXPECT_TRUE(::IsWindowEnabled(hButton));
  m_parent.UpdateDialogControls(&target, TRUE);
  EXPECT_FALSE(::IsWindowEnabled(hButton));
}

TEST_F(ControlUpdateTest, AReflectedHandlerThatContinuesRoutingLeavesTheControlToTheTarget) {
  Add("BUTTON", BS_PUSHBUTTON, ID_PASSES_ON);
  CSelfUpdatingButton passing;
  passing.m_bPassOn = true;
  ASSERT_TRUE(passing.SubclassDlgItem(ID_PASSES_ON, &m_parent));
  CUpdateTarget target;
  m_parent.UpdateDialogControls(&target, TRUE);
  EXPECT_EQ(1, target.m_nPassedOnAsked);
  EXPECT_FALSE(passing.IsWindowEnabled());
  passing.UnsubclassWindow();
}

}  // namespace
