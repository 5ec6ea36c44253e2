// CNonResizableDialog: the dialogs' keys and their close request.
#include "uilib/NonResizableDialog.h"

BEGIN_MESSAGE_MAP(CNonResizableDialog, CTKDialog)
  ON_MESSAGE(WM_DIALOG_CLOSE_REQUEST, OnCloseRequest)
END_MESSAGE_MAP()

namespace {

bool IsKeyDown(const MSG* pMsg, WPARAM nKey) {
  return pMsg->message == WM_KEYDOWN && pMsg->wParam == nKey;
}

}  // namespace

CNonResizableDialog::CNonResizableDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : CTKDialog(nIDTemplate, pParentWnd), m_pMainFrame(nullptr) {}

void CNonResizableDialog::CloseDialog() {
  for (int nId : {IDCANCEL, IDCLOSE}) {
    HWND hChild = ::GetDlgItem(m_hWnd, nId);
    if (hChild != NULL) ::EnableWindow(hChild, TRUE);
  }
  PostMessage(WM_CLOSE);
}

BOOL CNonResizableDialog::TranslateDialogKey(MSG* pMsg) {
  if (pMsg->message != WM_KEYDOWN || pMsg->hwnd == m_hWnd) return FALSE;
  if (pMsg->wParam != VK_TAB && pMsg->wParam != VK_RETURN && pMsg->wParam != VK_ESCAPE)
    return FALSE;
  return ::IsDialogMessage(m_hWnd, pMsg);
}

BOOL CNonResizableDialog::FilterDialogInput(MSG* pMsg) {
  const bool bKey = pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST;
  const bool bMouse = pMsg->message >= WM_MOUSEFIRST && pMsg->message <= 0x209;
  return bKey || bMouse ? TranslateDialogKey(pMsg) : FALSE;
}

BOOL CNonResizableDialog::PreTranslateMessage(MSG* pMsg) {
  if (pMsg == nullptr) return FALSE;
  // Help, whichever control has the focus; the key goes no further.
  if (IsKeyDown(pMsg, VK_F1)) {
    PostMessage(WM_COMMAND, ID_DIALOG_HELP, 0);
    return TRUE;
  }
  // Tool tips only: the command bars' key handling is not wanted here.
  if (CWnd::PreTranslateMessage(pMsg)) return TRUE;
  CFrameWnd* pFrame = GetTopLevelFrame();
  if (pFrame != nullptr && pFrame->m_bHelpMode) return FALSE;
  // A multi-line edit keeps Esc from the dialog manager; the dialog still
  // cancels on it while its Cancel button allows.
  if ((IsKeyDown(pMsg, VK_ESCAPE) || IsKeyDown(pMsg, VK_CANCEL)) &&
      (::GetWindowLong(pMsg->hwnd, GWL_STYLE) & ES_MULTILINE) != 0) {
    HWND hCancel = ::GetDlgItem(m_hWnd, IDCANCEL);
    if (hCancel != NULL && ::IsWindowEnabled(hCancel)) {
      SendMessage(WM_COMMAND, IDCANCEL, 0);
      return TRUE;
    }
  }
  return FilterDialogInput(pMsg);
}

LRESULT CNonResizableDialog::OnCloseRequest(WPARAM /*wParam*/, LPARAM /*lParam*/) {
  CloseDialog();
  return 0;
}
