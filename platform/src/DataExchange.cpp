// CDataExchange and the DDX_ routines: moving values between a dialog's
// controls and its members.
#include <afxwin.h>

#include <stdlib.h>

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate),
      m_pDlgWnd(pDlgWnd),
      m_idLastControl(0),
      m_bEditLastControl(FALSE) {}

HWND CDataExchange::PrepareCtrl(int nIDC) {
  HWND hWndCtrl = ::GetDlgItem(m_pDlgWnd->GetSafeHwnd(), nIDC);
  if (hWndCtrl == nullptr) AfxThrowNotSupportedException();
  m_idLastControl = nIDC;
  m_bEditLastControl = FALSE;
  return hWndCtrl;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC) {
  HWND hWndCtrl = PrepareCtrl(nIDC);
  m_bEditLastControl = TRUE;
  return hWndCtrl;
}

void CDataExchange::Fail() {
  if (!m_bSaveAndValidate) AfxThrowUserException();  // nothing to point the user at
  HWND hWndLast = ::GetDlgItem(m_pDlgWnd->GetSafeHwnd(), m_idLastControl);
  if (hWndLast != nullptr) {
    ::SendMessage(m_pDlgWnd->GetSafeHwnd(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(hWndLast), 1);
    if (m_bEditLastControl) ::SendMessage(hWndLast, EM_SETSEL, 0, -1);
  }
  AfxThrowUserException();
}

void AFXAPI DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl) {
  if (rControl.m_hWnd != nullptr) return;
  HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
  if (!rControl.SubclassWindow(hWndCtrl)) AfxThrowNotSupportedException();
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, CString& value) {
  HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
  if (pDX->m_bSaveAndValidate) {
    int nLen = ::GetWindowTextLength(hWndCtrl);
    ::GetWindowText(hWndCtrl, value.GetBufferSetLength(nLen), nLen + 1);
    value.ReleaseBuffer(nLen);
  } else {
    ::SetWindowText(hWndCtrl, value);
  }
}

namespace {

/// Reads a whole number with optional sign and blanks around it.
bool ParseNumber(HWND hWndCtrl, bool bSigned, long long* pValue) {
  char szText[64];
  ::GetWindowText(hWndCtrl, szText, sizeof(szText));
  const char* p = szText;
  while (*p == ' ' || *p == '\t') ++p;
  if (!bSigned && *p == '-') return false;
  char* pEnd = nullptr;
  long long n = strtoll(p, &pEnd, 10);
  if (pEnd == p) return false;
  while (*pEnd == ' ' || *pEnd == '\t') ++pEnd;
  if (*pEnd != '\0') return false;
  *pValue = n;
  return true;
}

void DDX_Number(CDataExchange* pDX, int nIDC, bool bSigned, long long nMin, long long nMax,
                long long* pValue) {
  HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
  if (!pDX->m_bSaveAndValidate) {
    char szText[32];
    _i64toa(*pValue, szText, 10);
    ::SetWindowText(hWndCtrl, szText);
    return;
  }
  long long n = 0;
  if (!ParseNumber(hWndCtrl, bSigned, &n) || n < nMin || n > nMax) {
    AfxMessageBox(bSigned ? "Please enter an integer." : "Please enter a positive integer.",
                  MB_ICONEXCLAMATION);
    pDX->Fail();
  }
  *pValue = n;
}

}  // namespace

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, int& value) {
  long long n = value;
  DDX_Number(pDX, nIDC, true, INT_MIN, INT_MAX, &n);
  value = static_cast<int>(n);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, UINT& value) {
  long long n = value;
  DDX_Number(pDX, nIDC, false, 0, UINT_MAX, &n);
  value = static_cast<UINT>(n);
}

void AFXAPI DDX_Check(CDataExchange* pDX, int nIDC, int& value) {
  HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
  if (pDX->m_bSaveAndValidate)
    value = static_cast<int>(::SendMessage(hWndCtrl, BM_GETCHECK, 0, 0));
  else
    ::SendMessage(hWndCtrl, BM_SETCHECK, static_cast<WPARAM>(value), 0);
}

void AFXAPI DDX_Radio(CDataExchange* pDX, int nIDC, int& value) {
  HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
  if (pDX->m_bSaveAndValidate) value = -1;
  // The group runs from nIDC to the next control that starts a group;
  // only radio buttons count.
  int iButton = 0;
  do {
    if (::SendMessage(hWndCtrl, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) {
      if (pDX->m_bSaveAndValidate) {
        if (::SendMessage(hWndCtrl, BM_GETCHECK, 0, 0) != 0) value = iButton;
      } else {
        ::SendMessage(hWndCtrl, BM_SETCHECK, iButton == value, 0);
      }
      ++iButton;
    }
    hWndCtrl = ::GetWindow(hWndCtrl, GW_HWNDNEXT);
  } while (hWndCtrl != nullptr && !(::GetWindowLong(hWndCtrl, GWL_STYLE) & WS_GROUP));
}

// CDialog::UpdateData ----------------------------------------------------------------------------

BOOL CDialog::UpdateData(BOOL bSaveAndValidate) {
  CDataExchange dx(this, bSaveAndValidate);
  // Setting the controls makes them notify (EN_CHANGE); handlers that read
  // the controls back must not run in the middle of it.
  const BOOL bOldLockout = m_bLockoutNotify;
  m_bLockoutNotify = TRUE;
  BOOL bOK = FALSE;
  try {
    DoDataExchange(&dx);
    bOK = TRUE;
  } catch (CUserException* e) {
    e->Delete();  // the user has been told
  } catch (CException* e) {
    e->ReportError(MB_ICONEXCLAMATION);
    e->Delete();
  }
  m_bLockoutNotify = bOldLockout;
  return bOK;
}
