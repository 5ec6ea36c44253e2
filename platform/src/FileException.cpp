#include <afx.h>

#include <errno.h>

IMPLEMENT_DYNAMIC(CFileException, CException)

namespace {

const char* const kFileMessages[] = {
    "No error occurred.",
    "An unknown error occurred while accessing %s.",
    "%s was not found.",
    "%s contains an incorrect path.",
    "%s could not be opened because there are too many open files.",
    "Access to %s was denied.",
    "An incorrect file handle was associated with %s.",
    "%s could not be removed because it is the current directory.",
    "%s could not be created because the directory is full.",
    "Seek failed on %s.",
    "A hardware I/O error was reported while accessing %s.",
    "A sharing violation occurred while accessing %s.",
    "A locking violation occurred while accessing %s.",
    "Disk full while accessing %s.",
    "An attempt was made to access %s past its end.",
};

struct ErrorCause {
  LONG error;
  int cause;
};

const ErrorCause kOsErrors[] = {
    {ERROR_FILE_NOT_FOUND, CFileException::fileNotFound},
    {ERROR_PATH_NOT_FOUND, CFileException::badPath},
    {ERROR_INVALID_NAME, CFileException::badPath},
    {ERROR_BAD_PATHNAME, CFileException::badPath},
    {ERROR_INVALID_DRIVE, CFileException::badPath},
    {ERROR_TOO_MANY_OPEN_FILES, CFileException::tooManyOpenFiles},
    {ERROR_ACCESS_DENIED, CFileException::accessDenied},
    {ERROR_WRITE_PROTECT, CFileException::accessDenied},
    {ERROR_INVALID_HANDLE, CFileException::invalidFile},
    {ERROR_CURRENT_DIRECTORY, CFileException::removeCurrentDir},
    {ERROR_CANNOT_MAKE, CFileException::directoryFull},
    {ERROR_NEGATIVE_SEEK, CFileException::badSeek},
    {ERROR_SEEK, CFileException::badSeek},
    {ERROR_CRC, CFileException::hardIO},
    {ERROR_READ_FAULT, CFileException::hardIO},
    {ERROR_WRITE_FAULT, CFileException::hardIO},
    {ERROR_SHARING_VIOLATION, CFileException::sharingViolation},
    {ERROR_LOCK_VIOLATION, CFileException::lockViolation},
    {ERROR_DISK_FULL, CFileException::diskFull},
    {ERROR_HANDLE_DISK_FULL, CFileException::diskFull},
    {ERROR_HANDLE_EOF, CFileException::endOfFile},
};

}  // namespace

BOOL CFileException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const {
  if (pnHelpContext != nullptr) *pnHelpContext = 0;
  if (lpszError == nullptr || nMaxError == 0) return FALSE;
  int cause = m_cause >= none && m_cause <= endOfFile ? m_cause : genericException;
  CString text;
  text.Format(kFileMessages[cause],
              m_strFileName.IsEmpty() ? "an unnamed file" : m_strFileName.GetString());
  lstrcpynA(lpszError, text, static_cast<int>(nMaxError));
  return TRUE;
}

int PASCAL CFileException::OsErrorToException(LONG lOsError) {
  if (lOsError == 0) return none;
  for (const ErrorCause& e : kOsErrors) {
    if (e.error == lOsError) return e.cause;
  }
  return genericException;
}

int PASCAL CFileException::ErrnoToException(int nErrno) {
  switch (nErrno) {
    case EPERM:
    case EACCES:
      return accessDenied;
    case EBADF:
      return invalidFile;
    case EDEADLOCK:
      return sharingViolation;
    case EMFILE:
      return tooManyOpenFiles;
    case ENOENT:
    case ENFILE:
      return fileNotFound;
    case ENOSPC:
      return diskFull;
    case EINVAL:
    case EIO:
      return hardIO;
    default:
      return genericException;
  }
}

void PASCAL CFileException::ThrowOsError(LONG lOsError, LPCSTR lpszFileName) {
  if (lOsError != 0) AfxThrowFileException(OsErrorToException(lOsError), lOsError, lpszFileName);
}

void PASCAL CFileException::ThrowErrno(int nErrno, LPCSTR lpszFileName) {
  if (nErrno != 0) AfxThrowFileException(ErrnoToException(nErrno), _doserrno, lpszFileName);
}

void AFXAPI AfxThrowFileException(int cause, LONG lOsError, LPCSTR lpszFileName) {
  throw new CFileException(cause, lOsError, lpszFileName);
}
