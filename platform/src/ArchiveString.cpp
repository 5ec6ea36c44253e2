#include <afx.h>

void AFXAPI AfxWriteStringLength(CArchive& ar, ULONGLONG nLength, BOOL bUnicode) {
  if (bUnicode) ar << static_cast<BYTE>(0xFF) << static_cast<WORD>(0xFFFE);
  if (nLength < 0xFF) {
    ar << static_cast<BYTE>(nLength);
    return;
  }
  ar << static_cast<BYTE>(0xFF);
  if (nLength < 0xFFFE) {
    ar << static_cast<WORD>(nLength);
    return;
  }
  ar << static_cast<WORD>(0xFFFF);
  if (nLength < 0xFFFFFFFF) {
    ar << static_cast<DWORD>(nLength);
    return;
  }
  ar << static_cast<DWORD>(0xFFFFFFFF) << nLength;
}

ULONGLONG AFXAPI AfxReadStringLength(CArchive& ar, int& nCharSize) {
  nCharSize = 1;
  for (;;) {
    BYTE bLength;
    ar >> bLength;
    if (bLength < 0xFF) return bLength;
    WORD wLength;
    ar >> wLength;
    if (wLength == 0xFFFE) {  // wide marker; the real length follows
      nCharSize = 2;
      continue;
    }
    if (wLength < 0xFFFF) return wLength;
    DWORD dwLength;
    ar >> dwLength;
    if (dwLength < 0xFFFFFFFF) return dwLength;
    ULONGLONG qwLength;
    ar >> qwLength;
    return qwLength;
  }
}

namespace {

// Characters are read in pieces of this many, so that a damaged length costs
// no more memory than the characters that are really there.
const int kReadChunk = 32 * 1024;

template <typename T>
void ReadChars(CArchive& ar, CStringT<T>& out, ULONGLONG nLength) {
  if (nLength > 0x7FFFFFFF / sizeof(T))
    AfxThrowArchiveException(CArchiveException::genericException, ar.m_strFileName);
  int n = static_cast<int>(nLength);
  out.Empty();
  for (int done = 0; done < n;) {
    int chunk = n - done < kReadChunk ? n - done : kReadChunk;
    T* p = out.GetBufferSetLength(done + chunk);
    UINT bytes = static_cast<UINT>(chunk * sizeof(T));
    if (ar.Read(p + done, bytes) != bytes) {
      out.Empty();
      AfxThrowArchiveException(CArchiveException::endOfFile, ar.m_strFileName);
    }
    done += chunk;
    out.ReleaseBuffer(done);
  }
}

// Reads a string stored in either width into `str`, converting as needed.
template <typename T>
void ReadString(CArchive& ar, CStringT<T>& str) {
  int nCharSize;
  ULONGLONG nLength = AfxReadStringLength(ar, nCharSize);
  if (nCharSize == static_cast<int>(sizeof(T))) {
    ReadChars(ar, str, nLength);
  } else if (nCharSize == 1) {
    CStringA narrow;
    ReadChars(ar, narrow, nLength);
    str = narrow;
  } else {
    CStringW wide;
    ReadChars(ar, wide, nLength);
    str = wide;
  }
}

}  // namespace

CArchive& AFXAPI operator<<(CArchive& ar, const CStringA& str) {
  AfxWriteStringLength(ar, str.GetLength(), FALSE);
  ar.Write(str.GetString(), str.GetLength());
  return ar;
}

CArchive& AFXAPI operator<<(CArchive& ar, const CStringW& str) {
  AfxWriteStringLength(ar, str.GetLength(), TRUE);
  ar.Write(str.GetString(), str.GetLength() * sizeof(wchar_t));
  return ar;
}

CArchive& AFXAPI operator>>(CArchive& ar, CStringA& str) {
  ReadString(ar, str);
  return ar;
}

CArchive& AFXAPI operator>>(CArchive& ar, CStringW& str) {
  ReadString(ar, str);
  return ar;
}
