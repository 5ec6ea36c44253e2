// CTKZipMemFile: blocks handed in and out of a memory file.
#include "common/TKZipMemFile.h"

#include <stdlib.h>

CTKZipMemFile::CTKZipMemFile() : CMemFile(1024) {}

CTKZipMemFile::CTKZipMemFile(BYTE* lpBuffer, UINT nBufferSize) : CMemFile(lpBuffer, nBufferSize) {}

void CTKZipMemFile::AttachBuffer(BYTE* lpBuffer, UINT nBufferSize, BOOL bAutoDelete) {
  Attach(lpBuffer, nBufferSize);
  m_bAutoDelete = bAutoDelete;
}

BOOL CTKZipMemFile::OpenFile(LPCSTR lpszFileName) {
  CFile file;
  if (!file.Open(lpszFileName, CFile::modeRead | CFile::shareDenyWrite)) return FALSE;
  ULONGLONG nLength = file.GetLength();
  if (nLength > 0x7FFFFFFF) return FALSE;
  BYTE* pBlock = (BYTE*)malloc(nLength > 0 ? (size_t)nLength : 1);
  if (pBlock == NULL) return FALSE;
  if (file.Read(pBlock, (UINT)nLength) != (UINT)nLength) {
    free(pBlock);
    return FALSE;
  }
  AttachBuffer(pBlock, (UINT)nLength, TRUE);
  return TRUE;
}

void CTKZipMemFile::DetachBuffer(BYTE*& lpBuffer, UINT& nCount) {
  nCount = (UINT)GetPosition();
  lpBuffer = Detach();
}

void CTKZipMemFile::SetFilePath(LPCSTR lpszNewName) {
  if (lpszNewName == NULL) AfxThrowInvalidArgException();
  m_strFileName = lpszNewName;
}
