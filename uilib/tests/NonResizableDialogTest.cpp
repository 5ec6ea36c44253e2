// The dialog base's keys and close request: modal dialogs driven by posted
// messages, and the pre-translation of single messages to a modeless one.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "uilib/NonResizableDialog.h"

CWinApp theApp("VelmNonResizableDialogTest");

namespace {

const UINT kDialogId = 600;
const int kEdit = 1001, kMultiLineEdit = 1002, kLabelledEdit = 1003;

/// A child control that counts the key-downs reaching it.
class CKeyCountingEdit : public CWnd {
 public:
  int m_nKeyDowns = 0;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_KEYDOWN) ++m_nKeyDowns;
    return CWnd::WindowProc(message, wParam, lParam);
  }
};

/// Runs a script once the dialog is up; records commands and what went to
/// the dialog manager.
class CScriptedDialog : public CNonResizableDialog {
 public:
  CScriptedDialog() : CNonResizableDialog(kDialogId) {}

  std::function<void(CScriptedDialog&)> m_script;
  std::vector<UINT> m_commands;
  std::vector<UINT> m_translated;  ///< keys TranslateDialogKey saw
  CKeyCountingEdit m_edit;

  /// Posts a key-down to control nId as the keyboard would.
  void PostKey(int nId, WPARAM nKey) { GetDlgItem(nId)->PostMessage(WM_KEYDOWN, nKey, 1); }
  /// The message the loop would hand to PreTranslateMessage.
  BOOL PreTranslateKey(HWND hWnd, WPARAM nKey) {
    MSG msg = {hWnd, WM_KEYDOWN, nKey, 1, 0, {0, 0}};
    return PreTranslateMessage(&msg);
  }

  BOOL OnInitDialog() override {
    CNonResizableDialog::OnInitDialog();
    m_edit.SubclassDlgItem(kEdit, this);
    if (m_script) m_script(*this);
    return TRUE;
  }
  BOOL TranslateDialogKey(MSG* pMsg) override {
    if (pMsg->message == WM_KEYDOWN) m_translated.push_back(static_cast<UINT>(pMsg->wParam));
    return CNonResizableDialog::TranslateDialogKey(pMsg);
  }

 protected:
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
    m_commands.push_back(LOWORD(wParam));
    // The help command ends the scripted run.
    if (LOWORD(wParam) == ID_DIALOG_HELP) EndDialog(ID_DIALOG_HELP);
    return CNonResizableDialog::OnCommand(wParam, lParam);
  }
};

int Count(const std::vector<UINT>& values, UINT value) {
  return static_cast<int>(std::count(values.begin(), values.end(), value));
}

TEST(NonResizableDialog, StartsWithoutFrameOrCommandBars) {
  CScriptedDialog dialog;
  EXPECT_EQ(nullptr, dialog.m_pMainFrame);
  EXPECT_EQ(nullptr, dialog.GetCommandBars());
}

TEST(NonResizableDialog, F1InAnEditPostsHelpOnceAndTheEditNeverSeesIt) {
  CScriptedDialog dialog;
  dialog.m_script = [](CScriptedDialog& d) {
    d.GetDlgItem(kEdit)->SetFocus();
    d.PostKey(kEdit, VK_F1);
  };
  EXPECT_EQ(ID_DIALOG_HELP, dialog.DoModal());
  EXPECT_EQ(1, Count(dialog.m_commands, ID_DIALOG_HELP));
  EXPECT_EQ(0, dialog.m_edit.m_nKeyDowns);
}

TEST(NonResizableDialog, EscInAMultiLineEditCancelsWhileCancelIsEnabled) {
  CScriptedDialog dialog;
  dialog.m_script = [](CScriptedDialog& d) { d.PostKey(kMultiLineEdit, VK_ESCAPE); };
  EXPECT_EQ(IDCANCEL, dialog.DoModal());
  EXPECT_EQ(1, Count(dialog.m_commands, IDCANCEL));
  EXPECT_TRUE(dialog.m_translated.empty());  // not through the dialog manager
}

TEST(NonResizableDialog, TheCloseRequestClosesADialogWhoseCancelIsDisabled) {
  CScriptedDialog dialog;
  dialog.m_script = [](CScriptedDialog& d) {
    d.GetDlgItem(IDCANCEL)->EnableWindow(FALSE);
    d.PostMessage(WM_DIALOG_CLOSE_REQUEST);
  };
  EXPECT_EQ(IDCANCEL, dialog.DoModal());
}

class ModelessDialogTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(m_dialog.Create(kDialogId)); }
  void TearDown() override { m_dialog.DestroyWindow(); }
  HWND Item(int nId) { return ::GetDlgItem(m_dialog.GetSafeHwnd(), nId); }
  int PendingCommands(UINT nId) {
    MSG msg;
    int n = 0;
    while (::PeekMessage(&msg, m_dialog.GetSafeHwnd(), WM_COMMAND, WM_COMMAND, PM_REMOVE))
      n += LOWORD(msg.wParam) == nId;
    return n;
  }
  CScriptedDialog m_dialog;
};

TEST_F(ModelessDialogTest, EscInAMultiLineEditGoesToTheDialogManagerWithoutAnEnabledCancel) {
  ::EnableWindow(Item(IDCANCEL), FALSE);
  m_dialog.PreTranslateKey(Item(kMultiLineEdit), VK_ESCAPE);
  EXPECT_EQ(0, Count(m_dialog.m_commands, IDCANCEL));
  EXPECT_EQ(1, Count(m_dialog.m_translated, VK_ESCAPE));

  ::EnableWindow(Item(IDCANCEL), TRUE);
  m_dialog.m_translated.clear();
  m_dialog.PreTranslateKey(Item(kEdit), VK_ESCAPE);  // a single-line edit: the dialog manager
  EXPECT_EQ(1, Count(m_dialog.m_translated, VK_ESCAPE));
}

TEST_F(ModelessDialogTest, OnlyTabEnterAndEscOfAChildReachTheDialogManager) {
  const struct {
    bool toDialog;  ///< the key is for the dialog window itself
    WPARAM key;
    bool translated;
  } cases[] = {{false, VK_TAB, true},    {false, VK_RETURN, true}, {false, VK_ESCAPE, true},
               {false, VK_DOWN, false},  {false, 'N', false},      {true, VK_RETURN, false},
               {true, VK_ESCAPE, false}, {true, VK_TAB, false}};
  for (const auto& c : cases) {
    MSG msg = {c.toDialog ? m_dialog.GetSafeHwnd() : Item(kEdit), WM_KEYDOWN, c.key, 1, 0, {0, 0}};
    EXPECT_EQ(c.translated, m_dialog.FilterDialogInput(&msg) != FALSE) << c.key << " " << c.toDialog;
  }
  // Alt plus a mnemonic is not the dialog manager's: the focus stays.
  ::SetFocus(Item(kEdit));
  MSG alt = {Item(kEdit), WM_SYSCHAR, 'n', 0x20000001, 0, {0, 0}};
  EXPECT_FALSE(m_dialog.PreTranslateMessage(&alt));
  EXPECT_EQ(Item(kEdit), ::GetFocus());
}

TEST_F(ModelessDialogTest, F1IsTakenWhicheverControlHasTheFocus) {
  for (int nId : {kEdit, kMultiLineEdit, IDOK}) {
    EXPECT_TRUE(m_dialog.PreTranslateKey(Item(nId), VK_F1)) << nId;
    EXPECT_EQ(1, PendingCommands(ID_DIALOG_HELP)) << nId;
  }
  EXPECT_FALSE(m_dialog.PreTranslateMessage(nullptr));
}

TEST_F(ModelessDialogTest, CloseDialogEnablesCancelAndPostsClose) {
  ::EnableWindow(Item(IDCANCEL), FALSE);
  m_dialog.CloseDialog();
  EXPECT_TRUE(::IsWindowEnabled(Item(IDCANCEL)));
  MSG msg;
  EXPECT_TRUE(::PeekMessage(&msg, m_dialog.GetSafeHwnd(), WM_CLOSE, WM_CLOSE, PM_REMOVE));
}

}  // namespace
