#include <afx.h>

IMPLEMENT_DYNAMIC(CArchiveException, CException)

namespace {

const char* const kArchiveMessages[] = {
    "No error occurred.",
    "An unknown error occurred while accessing %s.",
    "An attempt was made to write to %s while it was being read.",
    "An attempt was made to access %s past its end.",
    "An attempt was made to read from %s while it was being written.",
    "%s has an incorrect format.",
    "%s contains an unexpected object.",
    "%s contains an incorrect schema.",
    "The archive buffer of %s is full.",
};

}  // namespace

BOOL CArchiveException::GetErrorMessage(LPSTR lpszError, UINT nMaxError,
                                        PUINT pnHelpContext) const {
  if (pnHelpContext != nullptr) *pnHelpContext = 0;
  if (lpszError == nullptr || nMaxError == 0) return FALSE;
  int cause = m_cause >= none && m_cause <= bufferFull ? m_cause : genericException;
  CString text;
  text.Format(kArchiveMessages[cause],
              m_strFileName.IsEmpty() ? "an unnamed file" : m_strFileName.GetString());
  lstrcpynA(lpszError, text, static_cast<int>(nMaxError));
  return TRUE;
}

void AFXAPI AfxThrowArchiveException(int cause, LPCSTR lpszArchiveName) {
  throw new CArchiveException(cause, lpszArchiveName);
}
