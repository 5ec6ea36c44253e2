// COleException and COleDispatchException.
#include "afxdisp.h"

IMPLEMENT_DYNAMIC(COleException, CException)
IMPLEMENT_DYNAMIC(COleDispatchException, CException)

namespace {
BOOL CopyMessage(LPCSTR lpszText, LPSTR lpszError, UINT nMaxError) {
  if (lpszError == nullptr || nMaxError == 0) return FALSE;
  lstrcpynA(lpszError, lpszText, static_cast<int>(nMaxError));
  return TRUE;
}
}  // namespace

BOOL COleException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const {
  if (pnHelpContext != nullptr) *pnHelpContext = 0;
  char szText[512] = "";
  DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                           static_cast<DWORD>(m_sc), 0, szText, sizeof(szText), nullptr);
  // The system's texts end in a line break, which a message box does not need.
  while (n > 0 && (szText[n - 1] == '\r' || szText[n - 1] == '\n')) szText[--n] = '\0';
  if (n == 0) wsprintfA(szText, "OLE error 0x%08lX.", static_cast<unsigned long>(m_sc));
  return CopyMessage(szText, lpszError, nMaxError);
}

SCODE PASCAL COleException::Process(const CException* pAnyException) {
  if (pAnyException->IsKindOf(RUNTIME_CLASS(COleException)))
    return static_cast<const COleException*>(pAnyException)->m_sc;
  if (pAnyException->IsKindOf(RUNTIME_CLASS(CMemoryException))) return E_OUTOFMEMORY;
  if (pAnyException->IsKindOf(RUNTIME_CLASS(CNotSupportedException))) return E_NOTIMPL;
  if (pAnyException->IsKindOf(RUNTIME_CLASS(CInvalidArgException))) return E_INVALIDARG;
  return E_UNEXPECTED;
}

COleDispatchException::COleDispatchException(LPCSTR lpszDescription, UINT nHelpID, WORD wCode)
    : m_wCode(wCode),
      m_dwHelpContext(nHelpID),
      m_strDescription(lpszDescription),
      m_scError(wCode != 0 ? S_OK : DISP_E_EXCEPTION) {}

BOOL COleDispatchException::GetErrorMessage(LPSTR lpszError, UINT nMaxError,
                                            PUINT pnHelpContext) const {
  if (pnHelpContext != nullptr) *pnHelpContext = m_dwHelpContext;
  if (m_strDescription.IsEmpty()) return FALSE;
  return CopyMessage(m_strDescription, lpszError, nMaxError);
}

void AFXAPI AfxThrowOleException(SCODE sc) { throw new COleException(sc); }

void AFXAPI AfxThrowOleDispatchException(WORD wCode, LPCSTR lpszDescription, UINT nHelpID) {
  throw new COleDispatchException(lpszDescription, nHelpID, wCode);
}

void AFXAPI AfxThrowOleDispatchException(WORD wCode, UINT nDescriptionID, UINT nHelpID) {
  CString strDescription;
  strDescription.LoadString(nDescriptionID);
  if (nHelpID == (UINT)-1) nHelpID = nDescriptionID;
  throw new COleDispatchException(strDescription, nHelpID, wCode);
}
