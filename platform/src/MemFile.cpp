#include <afx.h>

#include <algorithm>
#include <stdlib.h>
#include <string.h>

IMPLEMENT_DYNAMIC(CMemFile, CFile)

CMemFile::CMemFile(UINT nGrowBytes)
    : m_nGrowBytes(nGrowBytes),
      m_nPosition(0),
      m_nBufferSize(0),
      m_nFileSize(0),
      m_lpBuffer(nullptr),
      m_bAutoDelete(TRUE) {}

CMemFile::CMemFile(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes) : CMemFile(nGrowBytes) {
  Attach(lpBuffer, nBufferSize, nGrowBytes);
}

CMemFile::~CMemFile() {
  if (m_lpBuffer != nullptr) Close();
}

void CMemFile::Attach(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes) {
  if (lpBuffer == nullptr && nBufferSize != 0) AfxThrowInvalidArgException();
  if (m_lpBuffer != nullptr) AfxThrowNotSupportedException();
  m_nGrowBytes = nGrowBytes;
  m_nPosition = 0;
  m_nBufferSize = nBufferSize;
  m_nFileSize = nGrowBytes == 0 ? nBufferSize : 0;
  m_lpBuffer = lpBuffer;
  m_bAutoDelete = FALSE;
}

BYTE* CMemFile::Detach() {
  BYTE* block = m_lpBuffer;
  m_lpBuffer = nullptr;
  m_nFileSize = m_nBufferSize = m_nPosition = 0;
  return block;
}

BOOL CMemFile::Open(LPCSTR, UINT, CFileException*) { AfxThrowNotSupportedException(); }

void CMemFile::Close() {
  m_nGrowBytes = m_nPosition = m_nBufferSize = m_nFileSize = 0;
  if (m_lpBuffer != nullptr && m_bAutoDelete) Free(m_lpBuffer);
  m_lpBuffer = nullptr;
}

void CMemFile::Abort() { Close(); }

UINT CMemFile::Read(void* lpBuf, UINT nCount) {
  if (nCount == 0 || m_nPosition >= m_nFileSize) return 0;
  if (lpBuf == nullptr) AfxThrowInvalidArgException();
  SIZE_T n = std::min<SIZE_T>(nCount, m_nFileSize - m_nPosition);
  memcpy(lpBuf, m_lpBuffer + m_nPosition, n);
  m_nPosition += n;
  return static_cast<UINT>(n);
}

void CMemFile::Write(const void* lpBuf, UINT nCount) {
  if (nCount == 0) return;
  if (lpBuf == nullptr) AfxThrowInvalidArgException();
  SIZE_T end = m_nPosition + nCount;
  if (end > m_nBufferSize) GrowFile(end);
  memcpy(m_lpBuffer + m_nPosition, lpBuf, nCount);
  m_nPosition = end;
  if (m_nPosition > m_nFileSize) m_nFileSize = m_nPosition;
}

ULONGLONG CMemFile::Seek(LONGLONG lOff, UINT nFrom) {
  LONGLONG base = nFrom == begin     ? 0
                  : nFrom == current ? static_cast<LONGLONG>(m_nPosition)
                                     : static_cast<LONGLONG>(m_nFileSize);
  if (nFrom > end) AfxThrowInvalidArgException();
  LONGLONG position = base + lOff;
  if (position < 0) AfxThrowFileException(CFileException::badSeek, -1, m_strFileName);
  m_nPosition = static_cast<SIZE_T>(position);
  return m_nPosition;
}

void CMemFile::SetLength(ULONGLONG dwNewLen) {
  if (dwNewLen > m_nBufferSize) GrowFile(static_cast<SIZE_T>(dwNewLen));
  if (dwNewLen < m_nPosition) m_nPosition = static_cast<SIZE_T>(dwNewLen);
  m_nFileSize = static_cast<SIZE_T>(dwNewLen);
}

void CMemFile::GrowFile(SIZE_T dwNewLen) {
  if (dwNewLen <= m_nBufferSize) return;
  // A block that is not ours to reallocate cannot grow.
  if (m_nGrowBytes == 0) AfxThrowMemoryException();
  SIZE_T size = m_nBufferSize;
  while (size < dwNewLen) size += m_nGrowBytes;
  BYTE* block = m_lpBuffer == nullptr ? Alloc(size) : Realloc(m_lpBuffer, size);
  if (block == nullptr) AfxThrowMemoryException();
  m_lpBuffer = block;
  m_nBufferSize = size;
}

BYTE* CMemFile::Alloc(SIZE_T nBytes) { return static_cast<BYTE*>(malloc(nBytes)); }
BYTE* CMemFile::Realloc(BYTE* lpMem, SIZE_T nBytes) {
  return static_cast<BYTE*>(realloc(lpMem, nBytes));
}
void CMemFile::Free(BYTE* lpMem) { free(lpMem); }
