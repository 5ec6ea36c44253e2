#include <afx.h>

IMPLEMENT_DYNAMIC(CFile, CObject)

const HANDLE CFile::hFileNull = INVALID_HANDLE_VALUE;

namespace {

DWORD Access(UINT flags) {
  switch (flags & 3) {
    case CFile::modeWrite:
      return GENERIC_WRITE;
    case CFile::modeReadWrite:
      return GENERIC_READ | GENERIC_WRITE;
    default:
      return GENERIC_READ;
  }
}

DWORD Share(UINT flags) {
  switch (flags & 0x70) {
    case CFile::shareDenyWrite:
      return FILE_SHARE_READ;
    case CFile::shareDenyRead:
      return FILE_SHARE_WRITE;
    case CFile::shareDenyNone:
      return FILE_SHARE_READ | FILE_SHARE_WRITE;
    default:
      return 0;
  }
}

DWORD Disposition(UINT flags) {
  if (flags & CFile::modeCreate)
    return (flags & CFile::modeNoTruncate) ? OPEN_ALWAYS : CREATE_ALWAYS;
  return OPEN_EXISTING;
}

DWORD Attributes(UINT flags) {
  DWORD attributes = FILE_ATTRIBUTE_NORMAL;
  if (flags & CFile::osNoBuffer) attributes |= FILE_FLAG_NO_BUFFERING;
  if (flags & CFile::osWriteThrough) attributes |= FILE_FLAG_WRITE_THROUGH;
  if (flags & CFile::osRandomAccess) attributes |= FILE_FLAG_RANDOM_ACCESS;
  if (flags & CFile::osSequentialScan) attributes |= FILE_FLAG_SEQUENTIAL_SCAN;
  return attributes;
}

}  // namespace

CFile::CFile() : m_hFile(hFileNull), m_bCloseOnDelete(FALSE) {}

CFile::CFile(HANDLE hFile) : m_hFile(hFile), m_bCloseOnDelete(FALSE) {}

CFile::CFile(LPCSTR lpszFileName, UINT nOpenFlags) : CFile() {
  CFileException error;
  if (!Open(lpszFileName, nOpenFlags, &error))
    AfxThrowFileException(error.m_cause, error.m_lOsError, error.m_strFileName);
}

CFile::~CFile() {
  if (m_hFile != hFileNull && m_bCloseOnDelete) Abort();
}

BOOL CFile::Open(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError) {
  m_strFileName = lpszFileName;
  SECURITY_ATTRIBUTES sa = {sizeof sa, nullptr, (nOpenFlags & modeNoInherit) == 0};
  HANDLE h = CreateFileA(lpszFileName, Access(nOpenFlags), Share(nOpenFlags), &sa,
                         Disposition(nOpenFlags), Attributes(nOpenFlags), nullptr);
  if (h == INVALID_HANDLE_VALUE) {
    LONG error = static_cast<LONG>(GetLastError());
    if (pError != nullptr) {
      pError->m_lOsError = error;
      pError->m_cause = CFileException::OsErrorToException(error);
      pError->m_strFileName = lpszFileName;
    }
    return FALSE;
  }
  m_hFile = h;
  m_bCloseOnDelete = TRUE;
  return TRUE;
}

void CFile::Close() {
  BOOL ok = TRUE;
  if (m_hFile != hFileNull) ok = CloseHandle(m_hFile);
  m_hFile = hFileNull;
  m_bCloseOnDelete = FALSE;
  if (!ok) CFileException::ThrowOsError(static_cast<LONG>(GetLastError()), m_strFileName);
}

void CFile::Abort() {
  if (m_hFile != hFileNull) CloseHandle(m_hFile);
  m_hFile = hFileNull;
  m_bCloseOnDelete = FALSE;
}

UINT CFile::Read(void* lpBuf, UINT nCount) {
  if (nCount == 0) return 0;
  DWORD read = 0;
  if (!ReadFile(m_hFile, lpBuf, nCount, &read, nullptr))
    CFileException::ThrowOsError(static_cast<LONG>(GetLastError()), m_strFileName);
  return read;
}

void CFile::Write(const void* lpBuf, UINT nCount) {
  if (nCount == 0) return;
  DWORD written = 0;
  if (!WriteFile(m_hFile, lpBuf, nCount, &written, nullptr))
    CFileException::ThrowOsError(static_cast<LONG>(GetLastError()), m_strFileName);
  if (written != nCount) AfxThrowFileException(CFileException::diskFull, -1, m_strFileName);
}

ULONGLONG CFile::Seek(LONGLONG lOff, UINT nFrom) {
  LARGE_INTEGER distance, position;
  distance.QuadPart = lOff;
  if (!SetFilePointerEx(m_hFile, distance, &position, nFrom))
    CFileException::ThrowOsError(static_cast<LONG>(GetLastError()), m_strFileName);
  return static_cast<ULONGLONG>(position.QuadPart);
}

ULONGLONG CFile::GetPosition() const {
  LARGE_INTEGER zero = {}, position;
  if (!SetFilePointerEx(m_hFile, zero, &position, FILE_CURRENT))
    CFileException::ThrowOsError(static_cast<LONG>(GetLastError()), m_strFileName);
  return static_cast<ULONGLONG>(position.QuadPart);
}

ULONGLONG CFile::GetLength() const {
  LARGE_INTEGER size;
  if (!GetFileSizeEx(m_hFile, &size))
    CFileException::ThrowOsError(static_cast<LONG>(GetLastError()), m_strFileName);
  return static_cast<ULONGLONG>(size.QuadPart);
}

void CFile::SetLength(ULONGLONG dwNewLen) {
  Seek(static_cast<LONGLONG>(dwNewLen), begin);
  if (!SetEndOfFile(m_hFile))
    CFileException::ThrowOsError(static_cast<LONG>(GetLastError()), m_strFileName);
}

void CFile::Flush() {
  if (m_hFile != hFileNull && !FlushFileBuffers(m_hFile))
    CFileException::ThrowOsError(static_cast<LONG>(GetLastError()), m_strFileName);
}

CString CFile::GetFileName() const {
  int cut = -1;
  for (int i = 0; i < m_strFileName.GetLength(); ++i) {
    char c = m_strFileName[i];
    if (c == '\\' || c == '/' || c == ':') cut = i;
  }
  return m_strFileName.Mid(cut + 1);
}

CString CFile::GetFileTitle() const {
  CString name = GetFileName();
  int dot = name.ReverseFind('.');
  return dot > 0 ? name.Left(dot) : name;
}

void CFile::SetFilePath(LPCSTR lpszNewName) { m_strFileName = lpszNewName; }

void PASCAL CFile::Rename(LPCSTR lpszOldName, LPCSTR lpszNewName) {
  if (!MoveFileA(lpszOldName, lpszNewName))
    CFileException::ThrowOsError(static_cast<LONG>(GetLastError()), lpszOldName);
}

void PASCAL CFile::Remove(LPCSTR lpszFileName) {
  if (!DeleteFileA(lpszFileName))
    CFileException::ThrowOsError(static_cast<LONG>(GetLastError()), lpszFileName);
}
