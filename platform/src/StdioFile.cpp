#include <afx.h>

#include <errno.h>
#include <fcntl.h>
#include <io.h>
#include <string.h>

IMPLEMENT_DYNAMIC(CStdioFile, CFile)

namespace {

// The stream mode that matches the open flags.
CStringA StreamMode(UINT flags) {
  CStringA mode;
  if (flags & CFile::modeCreate)
    mode = (flags & CFile::modeNoTruncate) ? "a" : "w";
  else if (flags & CFile::modeWrite)
    mode = "a";
  else
    mode = "r";
  bool readMode = mode[0] == 'r';
  if ((readMode && (flags & CFile::modeReadWrite)) || (!readMode && !(flags & CFile::modeWrite)))
    mode += '+';
  mode += (flags & CFile::typeBinary) ? 'b' : 't';
  return mode;
}

}  // namespace

CStdioFile::CStdioFile() : m_pStream(nullptr) {}

CStdioFile::CStdioFile(FILE* pOpenStream) : m_pStream(pOpenStream) {
  if (pOpenStream == nullptr) AfxThrowInvalidArgException();
  m_hFile = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(pOpenStream)));
}

CStdioFile::CStdioFile(LPCSTR lpszFileName, UINT nOpenFlags) : m_pStream(nullptr) {
  CFileException error;
  if (!Open(lpszFileName, nOpenFlags, &error))
    AfxThrowFileException(error.m_cause, error.m_lOsError, error.m_strFileName);
}

CStdioFile::~CStdioFile() {
  if (m_pStream != nullptr && m_bCloseOnDelete) Abort();
}

BOOL CStdioFile::Open(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError) {
  m_pStream = nullptr;
  if (!CFile::Open(lpszFileName, nOpenFlags & ~(typeText | typeBinary), pError)) return FALSE;
  int fdFlags = (nOpenFlags & (modeWrite | modeReadWrite)) ? 0 : _O_RDONLY;
  fdFlags |= (nOpenFlags & typeBinary) ? _O_BINARY : _O_TEXT;
  int fd = _open_osfhandle(reinterpret_cast<intptr_t>(m_hFile), fdFlags);
  if (fd != -1) m_pStream = _fdopen(fd, StreamMode(nOpenFlags));
  if (m_pStream == nullptr) {
    if (pError != nullptr) {
      pError->m_cause = CFileException::ErrnoToException(errno);
      pError->m_lOsError = _doserrno;
      pError->m_strFileName = lpszFileName;
    }
    if (fd != -1)
      _close(fd);
    else
      CFile::Abort();
    m_hFile = hFileNull;
    return FALSE;
  }
  return TRUE;
}

void CStdioFile::Close() {
  int result = m_pStream != nullptr ? fclose(m_pStream) : 0;
  m_pStream = nullptr;
  m_hFile = hFileNull;  // closed with the stream
  m_bCloseOnDelete = FALSE;
  if (result != 0) AfxThrowFileException(CFileException::diskFull, _doserrno, m_strFileName);
}

void CStdioFile::Abort() {
  if (m_pStream != nullptr && m_bCloseOnDelete) fclose(m_pStream);
  m_pStream = nullptr;
  m_hFile = hFileNull;
  m_bCloseOnDelete = FALSE;
}

UINT CStdioFile::Read(void* lpBuf, UINT nCount) {
  if (nCount == 0) return 0;
  size_t n = fread(lpBuf, 1, nCount, m_pStream);
  if (n == 0 && !feof(m_pStream)) {
    clearerr(m_pStream);
    AfxThrowFileException(CFileException::genericException, _doserrno, m_strFileName);
  }
  return static_cast<UINT>(n);
}

void CStdioFile::Write(const void* lpBuf, UINT nCount) {
  if (fwrite(lpBuf, 1, nCount, m_pStream) != nCount)
    AfxThrowFileException(CFileException::genericException, _doserrno, m_strFileName);
}

void CStdioFile::WriteString(LPCSTR lpsz) {
  if (lpsz == nullptr) AfxThrowInvalidArgException();
  if (fputs(lpsz, m_pStream) == EOF)
    AfxThrowFileException(CFileException::diskFull, _doserrno, m_strFileName);
}

LPSTR CStdioFile::ReadString(LPSTR lpsz, UINT nMax) {
  if (lpsz == nullptr || nMax == 0) AfxThrowInvalidArgException();
  LPSTR result = fgets(lpsz, static_cast<int>(nMax), m_pStream);
  if (result == nullptr && !feof(m_pStream)) {
    clearerr(m_pStream);
    AfxThrowFileException(CFileException::genericException, _doserrno, m_strFileName);
  }
  return result;
}

BOOL CStdioFile::ReadString(CString& rString) {
  rString.Empty();
  char chunk[128];
  bool any = false;
  while (ReadString(chunk, sizeof chunk) != nullptr) {
    any = true;
    size_t n = strlen(chunk);
    if (n > 0 && chunk[n - 1] == '\n') {
      rString.Append(chunk, static_cast<int>(n - 1));
      break;
    }
    rString.Append(chunk, static_cast<int>(n));
  }
  // A line read in binary mode still ends with the carriage return.
  if (!rString.IsEmpty() && rString[rString.GetLength() - 1] == '\r')
    rString.Truncate(rString.GetLength() - 1);
  return any;
}

ULONGLONG CStdioFile::Seek(LONGLONG lOff, UINT nFrom) {
  if (_fseeki64(m_pStream, lOff, static_cast<int>(nFrom)) != 0)
    AfxThrowFileException(CFileException::badSeek, _doserrno, m_strFileName);
  return GetPosition();
}

ULONGLONG CStdioFile::GetPosition() const {
  __int64 position = _ftelli64(m_pStream);
  if (position < 0) AfxThrowFileException(CFileException::invalidFile, _doserrno, m_strFileName);
  return static_cast<ULONGLONG>(position);
}

ULONGLONG CStdioFile::GetLength() const {
  fflush(m_pStream);
  return CFile::GetLength();
}

void CStdioFile::Flush() {
  if (m_pStream != nullptr && fflush(m_pStream) != 0)
    AfxThrowFileException(CFileException::diskFull, _doserrno, m_strFileName);
}
