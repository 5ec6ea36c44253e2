// CDialog: creation from templates, keys for the dialog manager, routing.
#include <afxwin.h>

#include <string.h>

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_MESSAGE(WM_INITDIALOG, HandleInitDialog)
ON_COMMAND(IDOK, OnOK)
ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

IMPLEMENT_DYNAMIC(CDialog, CWnd)
IMPLEMENT_DYNAMIC(CUserException, CSimpleException)

void AFXAPI AfxThrowUserException() { throw new CUserException; }

namespace {

// The dialog manager calls this for every message; answering FALSE leaves
// everything to DefDlgProc, since the messages reach the object through
// AfxWndProc, which the dialog is subclassed to.
INT_PTR CALLBACK AfxDlgProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

// Whether a dialog template says where the dialog goes: a position of its
// own, or a style that has the system place it.
bool TemplatePlacesDialog(LPCDLGTEMPLATE lpTemplate) {
  const BYTE* p = reinterpret_cast<const BYTE*>(lpTemplate);
  WORD wSignature;
  memcpy(&wSignature, p + 2, sizeof wSignature);
  // DLGTEMPLATEEX: version, signature 0xFFFF, help id, extended style, style,
  // item count, x, y; DLGTEMPLATE: style, extended style, item count, x, y.
  const size_t nStyle = wSignature == 0xFFFF ? 12 : 0;
  const size_t nPosition = wSignature == 0xFFFF ? 18 : 10;
  DWORD dwStyle;
  short xy[2];
  memcpy(&dwStyle, p + nStyle, sizeof dwStyle);
  memcpy(xy, p + nPosition, sizeof xy);
  return (dwStyle & (DS_CENTER | DS_CENTERMOUSE | DS_ABSALIGN)) != 0 || xy[0] != 0 || xy[1] != 0;
}

bool IsEditWindow(HWND hWnd) {
  char szClass[16];
  return ::GetClassName(hWnd, szClass, sizeof(szClass)) > 0 && lstrcmpi(szClass, "Edit") == 0;
}

}  // namespace

CDialog::CDialog() : CDialog(static_cast<LPCTSTR>(nullptr), nullptr) {}

CDialog::CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd)
    : m_nIDHelp(IS_INTRESOURCE(lpszTemplateName)
                    ? LOWORD(reinterpret_cast<ULONG_PTR>(lpszTemplateName))
                    : 0),
      m_lpszTemplateName(lpszTemplateName),
      m_lpDialogTemplate(nullptr),
      m_pParentWnd(pParentWnd),
      m_nModalResult(-1),
      m_bContinueModal(FALSE),
      m_bInModalLoop(FALSE),
      m_bLockoutNotify(FALSE),
      m_bTemplatePlaces(FALSE) {}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : CDialog(MAKEINTRESOURCE(nIDTemplate), pParentWnd) {
  m_nIDHelp = nIDTemplate;
}

CDialog::~CDialog() {
  if (m_hWnd != nullptr) DestroyWindow();
}

// Creation -------------------------------------------------------------------------------------

LPCDLGTEMPLATE CDialog::LoadTemplate(HINSTANCE* phInst) const {
  *phInst = AfxGetResourceHandle();
  if (m_lpszTemplateName == nullptr) return m_lpDialogTemplate;
  *phInst = AfxFindResourceHandle(m_lpszTemplateName, RT_DIALOG);
  HRSRC hResource = ::FindResource(*phInst, m_lpszTemplateName, RT_DIALOG);
  HGLOBAL hTemplate = hResource != nullptr ? ::LoadResource(*phInst, hResource) : nullptr;
  return hTemplate != nullptr ? static_cast<LPCDLGTEMPLATE>(::LockResource(hTemplate)) : nullptr;
}

BOOL CDialog::CreateDlgIndirect(LPCDLGTEMPLATE lpDialogTemplate, HWND hWndParent, HINSTANCE hInst) {
  m_nModalResult = -1;
  m_bContinueModal = TRUE;
  m_bTemplatePlaces = TemplatePlacesDialog(lpDialogTemplate);
  AfxHookWindowCreate(this);
  HWND hWnd = ::CreateDialogIndirectParam(hInst, lpDialogTemplate, hWndParent, AfxDlgProc, 0);
  AfxUnhookWindowCreate();
  // EndDialog called from OnInitDialog: the dialog is over before it showed.
  if (hWnd != nullptr && !m_bContinueModal) {
    ::DestroyWindow(hWnd);
    hWnd = nullptr;
  }
  return hWnd != nullptr && m_hWnd == hWnd;
}

BOOL CDialog::Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd) {
  m_lpszTemplateName = lpszTemplateName;
  if (IS_INTRESOURCE(lpszTemplateName))
    m_nIDHelp = LOWORD(reinterpret_cast<ULONG_PTR>(lpszTemplateName));
  HINSTANCE hInst;
  LPCDLGTEMPLATE lpTemplate = LoadTemplate(&hInst);
  if (lpTemplate == nullptr) return FALSE;
  m_pParentWnd = pParentWnd;
  return CreateDlgIndirect(lpTemplate, pParentWnd->GetSafeHwnd(), hInst);
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd) {
  return Create(MAKEINTRESOURCE(nIDTemplate), pParentWnd);
}

BOOL CDialog::CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd) {
  m_pParentWnd = pParentWnd;
  return CreateDlgIndirect(lpDialogTemplate, pParentWnd->GetSafeHwnd(), AfxGetResourceHandle());
}

BOOL CDialog::InitModalIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd) {
  m_lpszTemplateName = nullptr;
  m_lpDialogTemplate = lpDialogTemplate;
  m_pParentWnd = pParentWnd;
  return lpDialogTemplate != nullptr;
}

BOOL CDialog::CheckAutoCenter() { return !m_bTemplatePlaces; }

// A modal dialog that its template does not place, and that OnInitDialog
// neither showed nor moved, is centred on its (disabled) owner.
LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM) {
  const BOOL bWasVisible = (GetStyle() & WS_VISIBLE) != 0;
  CRect rectBefore;
  GetWindowRect(&rectBefore);
  LRESULT lResult = OnInitDialog();
  if (m_hWnd == nullptr || bWasVisible || (GetStyle() & (WS_VISIBLE | WS_CHILD))) return lResult;
  CRect rectAfter;
  GetWindowRect(&rectAfter);
  if (rectAfter.TopLeft() != rectBefore.TopLeft()) return lResult;
  HWND hWndOwner = ::GetWindow(m_hWnd, GW_OWNER);
  if (hWndOwner != nullptr && ::IsWindowEnabled(hWndOwner)) return lResult;  // not modal
  if (CheckAutoCenter()) CenterWindow();
  return lResult;
}

BOOL CDialog::OnInitDialog() {
  if (!UpdateData(FALSE)) {
    EndDialog(-1);
    return FALSE;
  }
  return TRUE;  // the dialog manager focuses the first control
}

void CDialog::DoDataExchange(CDataExchange*) {}

// Ending -----------------------------------------------------------------------------------------

void CDialog::OnOK() {
  if (!UpdateData(TRUE)) return;  // the failed control has the focus
  EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::EndDialog(int nResult) {
  EndModalLoop(nResult);
  ::EndDialog(m_hWnd, nResult);
}

void CDialog::EndModalLoop(int nResult) {
  m_nModalResult = nResult;
  if (m_bContinueModal) {
    m_bContinueModal = FALSE;
    PostMessage(WM_NULL);  // wakes the loop, which is waiting for a message
  }
}

// Keys and focus -----------------------------------------------------------------------------

BOOL CDialog::PreTranslateMessage(MSG* pMsg) {
  if (CWnd::PreTranslateMessage(pMsg)) return TRUE;
  CFrameWnd* pFrame = GetTopLevelFrame();
  if (pFrame != nullptr && pFrame->m_bHelpMode) return FALSE;
  // The dialog manager lets a multi-line edit eat Esc; the dialog should
  // still be cancelled, unless Cancel is disabled.
  if (pMsg->message == WM_KEYDOWN && (pMsg->wParam == VK_ESCAPE || pMsg->wParam == VK_CANCEL) &&
      (::GetWindowLong(pMsg->hwnd, GWL_STYLE) & ES_MULTILINE) && IsEditWindow(pMsg->hwnd)) {
    HWND hCancel = ::GetDlgItem(m_hWnd, IDCANCEL);
    if (hCancel == nullptr || ::IsWindowEnabled(hCancel)) {
      SendMessage(WM_COMMAND, IDCANCEL, 0);
      return TRUE;
    }
  }
  return PreTranslateInput(pMsg);
}

BOOL CDialog::PreTranslateInput(LPMSG lpMsg) {
  const UINT m = lpMsg->message;
  if ((m < WM_KEYFIRST || m > WM_KEYLAST) && (m < WM_MOUSEFIRST || m > WM_MOUSELAST)) return FALSE;
  return IsDialogMessage(lpMsg);
}

BOOL CDialog::IsDialogMessage(LPMSG lpMsg) { return ::IsDialogMessage(m_hWnd, lpMsg); }

void CDialog::NextDlgCtrl() const { ::SendMessage(m_hWnd, WM_NEXTDLGCTL, 0, 0); }
void CDialog::PrevDlgCtrl() const { ::SendMessage(m_hWnd, WM_NEXTDLGCTL, 1, 0); }
void CDialog::GotoDlgCtrl(CWnd* pWndCtrl) {
  ::SendMessage(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(pWndCtrl->GetSafeHwnd()), 1);
}
void CDialog::SetDefID(UINT nID) { ::SendMessage(m_hWnd, DM_SETDEFID, nID, 0); }
DWORD CDialog::GetDefID() const {
  return static_cast<DWORD>(::SendMessage(m_hWnd, DM_GETDEFID, 0, 0));
}
void CDialog::MapDialogRect(LPRECT lpRect) const { ::MapDialogRect(m_hWnd, lpRect); }

// Commands ---------------------------------------------------------------------------------------

BOOL CDialog::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (m_bLockoutNotify && lParam != 0) return TRUE;
  return CWnd::OnCommand(wParam, lParam);
}

BOOL CDialog::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
  if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
  // Only commands, not control notifications, and no system commands.
  if ((nCode != CN_COMMAND && nCode != static_cast<int>(CN_UPDATE_COMMAND_UI)) || nID == 0 ||
      nID >= 0xF000)
    return FALSE;
  CWnd* pOwner = GetParent();
  if (pOwner != nullptr && pOwner->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
  CWinThread* pThread = AfxGetThread();
  return pThread != nullptr && pThread->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

// CPropertyPage --------------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(CPropertyPage, CDialog)

CPropertyPage::CPropertyPage() {}

CPropertyPage::CPropertyPage(UINT nIDTemplate, UINT nIDCaption) : CDialog(nIDTemplate) {
  if (nIDCaption != 0) m_strCaption.LoadString(nIDCaption);
}

CPropertyPage::CPropertyPage(LPCTSTR lpszTemplateName, UINT nIDCaption)
    : CDialog(lpszTemplateName) {
  if (nIDCaption != 0) m_strCaption.LoadString(nIDCaption);
}

BOOL CPropertyPage::OnSetActive() { return TRUE; }

BOOL CPropertyPage::OnKillActive() { return UpdateData(TRUE); }
