// CDialog run modally from a DIALOGEX template, driven by messages that
// its owner posts when the modal loop goes idle (WM_ENTERIDLE): data
// exchange in and out, Enter and Esc, the owner disabled meanwhile, the
// dialog's PreTranslateMessage seeing the keys first, and where it appears.
#include <gtest/gtest.h>

#include <vector>

#include "afxwin.h"

namespace {

const UINT IDD_TEST = 300, IDC_NAME = 301, IDC_CHECK = 302, IDC_RADIO1 = 303;
const UINT IDD_PLACED = 310;

CWinApp theApp("DialogTest");

class CTestDialog : public CDialog {
 public:
  explicit CTestDialog(CWnd* pOwner) : CDialog(IDD_TEST, pOwner) {}

  CWnd m_wndName, m_wndOK;
  CString m_strName = "Ada";
  int m_nCheck = 1;
  int m_nRadio = 1;
  std::vector<std::pair<UINT, WPARAM>> m_keysSeen;
  CWnd* m_pBoundName = nullptr;  // what DDX_Control bound, looked up while open

  BOOL PreTranslateMessage(MSG* pMsg) override {
    if (pMsg->message == WM_KEYDOWN || pMsg->message == WM_CHAR)
      m_keysSeen.push_back({pMsg->message, pMsg->wParam});
    return CDialog::PreTranslateMessage(pMsg);
  }

 protected:
  void DoDataExchange(CDataExchange* pDX) override {
    DDX_Control(pDX, IDC_NAME, m_wndName);
    DDX_Control(pDX, IDOK, m_wndOK);
    DDX_Text(pDX, IDC_NAME, m_strName);
    DDX_Check(pDX, IDC_CHECK, m_nCheck);
    DDX_Radio(pDX, IDC_RADIO1, m_nRadio);
  }
};

/// The dialog's owner: when the modal loop first goes idle it posts the
/// script to the dialog's controls, as the user's typing would arrive.
class COwnerWnd : public CWnd {
 public:
  struct Step {
    UINT nIDCtrl;
    UINT message;
    WPARAM wParam;
  };
  std::vector<Step> m_script;
  CDialog* m_pDialog = nullptr;
  CRect m_rectDialog;  // where the dialog was when the loop first went idle
  BOOL m_bEnabledWhileModal = TRUE;
  int m_nIdleCalls = 0;

 protected:
  afx_msg void OnEnterIdle(UINT nWhy, CWnd* pWho) {
    if (nWhy != MSGF_DIALOGBOX || m_nIdleCalls++ > 0) return;
    m_bEnabledWhileModal = IsWindowEnabled();
    HWND hDlg = pWho->GetSafeHwnd();
    ::GetWindowRect(hDlg, &m_rectDialog);
    if (CTestDialog* pTest = dynamic_cast<CTestDialog*>(m_pDialog))
      pTest->m_pBoundName = CWnd::FromHandlePermanent(::GetDlgItem(hDlg, IDC_NAME));
    ::SendDlgItemMessage(hDlg, IDC_NAME, EM_SETSEL, 32767, 32767);  // the caret after the text
    for (const Step& step : m_script)
      ::PostMessage(::GetDlgItem(hDlg, step.nIDCtrl), step.message, step.wParam, 0);
  }
  afx_msg void OnTimer(UINT_PTR) {
    // Only when the script did not end the dialog: the test fails, not hangs.
    KillTimer(1);
    if (m_pDialog->m_hWnd != nullptr) m_pDialog->EndDialog(-2);
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(COwnerWnd, CWnd)
ON_WM_ENTERIDLE()
ON_WM_TIMER()
END_MESSAGE_MAP()

class DialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m_owner.CreateEx(0, AfxRegisterWndClass(0), "Owner", WS_POPUP | WS_VISIBLE, 0, 0,
                                 200, 100, nullptr, nullptr));
    m_owner.m_pDialog = &m_dialog;
    m_owner.SetTimer(1, 20000);
  }
  void TearDown() override { m_owner.DestroyWindow(); }

  COwnerWnd m_owner;
  CTestDialog m_dialog{&m_owner};
};

TEST_F(DialogTest, EnterEndsWithOkAndReadsTheControlsBack) {
  m_owner.m_script = {{IDC_NAME, WM_CHAR, 'h'},
                      {IDC_NAME, WM_CHAR, 'i'},
                      {IDC_CHECK, BM_CLICK, 0},
                      {IDC_RADIO1, BM_CLICK, 0},
                      {IDC_NAME, WM_KEYDOWN, VK_RETURN}};
  EXPECT_EQ(IDOK, m_dialog.DoModal());
  EXPECT_EQ("Adahi", m_dialog.m_strName);
  EXPECT_EQ(0, m_dialog.m_nCheck);
  EXPECT_EQ(0, m_dialog.m_nRadio);

  EXPECT_EQ(&m_dialog.m_wndName, m_dialog.m_pBoundName);
  EXPECT_EQ(nullptr, m_dialog.m_wndName.m_hWnd);  // unbound when the dialog went
  EXPECT_FALSE(m_owner.m_bEnabledWhileModal);
  EXPECT_TRUE(m_owner.IsWindowEnabled());

  std::vector<std::pair<UINT, WPARAM>> expected = {
      {WM_CHAR, 'h'}, {WM_CHAR, 'i'}, {WM_KEYDOWN, VK_RETURN}};
  EXPECT_EQ(expected, m_dialog.m_keysSeen);
}

TEST_F(DialogTest, EscEndsWithCancelAndKeepsTheMembers) {
  m_owner.m_script = {
      {IDC_NAME, WM_CHAR, 'x'}, {IDC_CHECK, BM_CLICK, 0}, {IDC_NAME, WM_KEYDOWN, VK_ESCAPE}};
  EXPECT_EQ(IDCANCEL, m_dialog.DoModal());
  EXPECT_EQ("Ada", m_dialog.m_strName);
  EXPECT_EQ(1, m_dialog.m_nCheck);
  EXPECT_EQ(1, m_dialog.m_nRadio);
  std::vector<std::pair<UINT, WPARAM>> expected = {{WM_CHAR, 'x'}, {WM_KEYDOWN, VK_ESCAPE}};
  EXPECT_EQ(expected, m_dialog.m_keysSeen);
}

TEST_F(DialogTest, InitialDataReachesTheControlsOfAModelessDialog) {
  m_dialog.m_strName = "Bea";
  ASSERT_TRUE(m_dialog.Create(IDD_TEST, &m_owner));
  char szText[16];
  ::GetDlgItemTextA(m_dialog.m_hWnd, IDC_NAME, szText, sizeof(szText));
  EXPECT_STREQ("Bea", szText);
  EXPECT_EQ(BST_CHECKED, ::IsDlgButtonChecked(m_dialog.m_hWnd, IDC_CHECK));
  EXPECT_EQ(BST_CHECKED, ::IsDlgButtonChecked(m_dialog.m_hWnd, IDC_RADIO1 + 1));
  EXPECT_EQ(BST_UNCHECKED, ::IsDlgButtonChecked(m_dialog.m_hWnd, IDC_RADIO1));
  m_dialog.SetDefID(IDCANCEL);
  EXPECT_EQ(IDCANCEL, LOWORD(m_dialog.GetDefID()));
  m_dialog.DestroyWindow();
}

struct PlacementCase {
  const char* name;
  UINT nIDTemplate;
  bool bModal;
  bool bCentred;
};

TEST_F(DialogTest, AModalDialogThatItsTemplateDoesNotPlaceIsCentredOnItsOwner) {
  m_owner.SetWindowPos(nullptr, 100, 120, 420, 300, SWP_NOZORDER | SWP_NOACTIVATE);
  CRect rectOwner;
  m_owner.GetWindowRect(&rectOwner);
  const PlacementCase cases[] = {
      {"modal, template at 0,0", IDD_TEST, true, true},
      {"modal, template places it", IDD_PLACED, true, false},
      {"modeless: the owner stays enabled", IDD_TEST, false, false},
  };
  for (const PlacementCase& c : cases) {
    SCOPED_TRACE(c.name);
    CDialog dialog(c.nIDTemplate, &m_owner);
    CRect rect;
    if (c.bModal) {
      m_owner.m_pDialog = &dialog;
      m_owner.m_nIdleCalls = 0;
      m_owner.m_script = {{IDCANCEL, BM_CLICK, 0}};
      EXPECT_EQ(IDCANCEL, dialog.DoModal());
      rect = m_owner.m_rectDialog;
    } else {
      ASSERT_TRUE(dialog.Create(c.nIDTemplate, &m_owner));
      dialog.GetWindowRect(&rect);
      dialog.DestroyWindow();
    }
    const CPoint centre = rect.CenterPoint(), ownerCentre = rectOwner.CenterPoint();
    EXPECT_EQ(c.bCentred, abs(centre.x - ownerCentre.x) <= 1 && abs(centre.y - ownerCentre.y) <= 1)
        << "dialog " << rect.left << "," << rect.top << "," << rect.right << "," << rect.bottom;
  }
}

}  // namespace
