// The exception classes, their messages and the message box they report to.
#include <afx.h>

#include <string.h>

IMPLEMENT_DYNAMIC(CException, CObject)
IMPLEMENT_DYNAMIC(CSimpleException, CException)
IMPLEMENT_DYNAMIC(CMemoryException, CSimpleException)
IMPLEMENT_DYNAMIC(CResourceException, CSimpleException)
IMPLEMENT_DYNAMIC(CNotSupportedException, CSimpleException)
IMPLEMENT_DYNAMIC(CInvalidArgException, CSimpleException)

namespace {

AFX_MESSAGEBOX_PROC g_messageBox = nullptr;

BOOL CopyMessage(LPCSTR text, LPSTR lpszError, UINT nMaxError) {
  if (lpszError == nullptr || nMaxError == 0) return FALSE;
  lstrcpynA(lpszError, text, static_cast<int>(nMaxError));
  return TRUE;
}

}  // namespace

AFX_MESSAGEBOX_PROC AFXAPI AfxSetMessageBoxProc(AFX_MESSAGEBOX_PROC pfn) {
  AFX_MESSAGEBOX_PROC old = g_messageBox;
  g_messageBox = pfn;
  return old;
}

int AFXAPI AfxMessageBox(LPCSTR lpszText, UINT nType, UINT nIDHelp) {
  if (g_messageBox != nullptr) return g_messageBox(lpszText, nType, nIDHelp);
  return MessageBoxA(GetActiveWindow(), lpszText, nullptr, nType);
}

int AFXAPI AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp) {
  CString text;
  text.LoadString(nIDPrompt);
  return AfxMessageBox(text, nType, nIDHelp == (UINT)-1 ? nIDPrompt : nIDHelp);
}

void CException::Delete() {
  if (m_bAutoDelete) delete this;
}

BOOL CException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const {
  if (pnHelpContext != nullptr) *pnHelpContext = 0;
  if (lpszError != nullptr && nMaxError > 0) *lpszError = 0;
  return FALSE;
}

int CException::ReportError(UINT nType, UINT nMessageID) {
  char text[512];
  UINT help = 0;
  if (GetErrorMessage(text, sizeof text, &help)) return AfxMessageBox(text, nType, help);
  if (nMessageID != 0) return AfxMessageBox(nMessageID, nType);
  return AfxMessageBox("No error message is available.", nType);
}

BOOL CSimpleException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const {
  LPCSTR lpszMessage = DefaultMessage();
  if (lpszMessage == nullptr)
    return CException::GetErrorMessage(lpszError, nMaxError, pnHelpContext);
  if (pnHelpContext != nullptr) *pnHelpContext = 0;
  return CopyMessage(lpszMessage, lpszError, nMaxError);
}

void AFXAPI AfxThrowMemoryException() { throw new CMemoryException; }
void AFXAPI AfxThrowResourceException() { throw new CResourceException; }
void AFXAPI AfxThrowNotSupportedException() { throw new CNotSupportedException; }
void AFXAPI AfxThrowInvalidArgException() { throw new CInvalidArgException; }
