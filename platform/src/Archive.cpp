// CArchive: the buffer between the typed values and the file, and counts.
#include <afx.h>

#include <algorithm>
#include <string.h>

CArchive::CArchive(CFile* pFile, UINT nMode, int nBufSize, void*)
    : m_pFile(pFile),
      m_nMode(nMode),
      m_nBufSize(nBufSize < 128 ? 128u : static_cast<UINT>(nBufSize)) {
  if (pFile == nullptr) AfxThrowInvalidArgException();
  m_strFileName = pFile->GetFilePath();
  m_buffer.reserve(m_nBufSize);
  m_loadArray.push_back({nullptr, false});
}

CArchive::~CArchive() {
  if (m_pFile == nullptr) return;
  if (m_nMode & bNoFlushOnDelete) {
    Abort();
    return;
  }
  // A destructor must not throw; a failed final flush is lost with the archive.
  try {
    Close();
  } catch (CException* e) {
    e->Delete();
    Abort();
  }
}

void CArchive::Close() {
  // A loading archive gives back what it read ahead, so that the next
  // reader of the file starts where this one stopped.
  if (m_pFile != nullptr) Flush();
  m_pFile = nullptr;
}

void CArchive::Abort() {
  m_buffer.clear();
  m_pFile = nullptr;
}

void CArchive::Flush() {
  if (m_pFile == nullptr) return;
  if (IsStoring()) {
    if (!m_buffer.empty()) m_pFile->Write(m_buffer.data(), static_cast<UINT>(m_buffer.size()));
    m_buffer.clear();
    m_pFile->Flush();
  } else {
    // Give back what was read ahead, so the file stands where the reader does.
    size_t ahead = m_buffer.size() - m_nPos;
    if (ahead != 0) m_pFile->Seek(-static_cast<LONGLONG>(ahead), CFile::current);
    m_buffer.clear();
    m_nPos = 0;
  }
}

void CArchive::Write(const void* lpBuf, UINT nMax) {
  if (nMax == 0) return;
  if (IsLoading()) AfxThrowArchiveException(CArchiveException::readOnly, m_strFileName);
  if (lpBuf == nullptr || m_pFile == nullptr) AfxThrowInvalidArgException();
  const BYTE* p = static_cast<const BYTE*>(lpBuf);
  if (m_buffer.size() + nMax > m_nBufSize) {
    if (!m_buffer.empty()) m_pFile->Write(m_buffer.data(), static_cast<UINT>(m_buffer.size()));
    m_buffer.clear();
    if (nMax >= m_nBufSize) {
      m_pFile->Write(p, nMax);
      return;
    }
  }
  m_buffer.insert(m_buffer.end(), p, p + nMax);
}

void CArchive::FillBuffer() {
  m_buffer.resize(m_nBufSize);
  m_buffer.resize(m_pFile->Read(m_buffer.data(), m_nBufSize));
  m_nPos = 0;
}

UINT CArchive::Read(void* lpBuf, UINT nMax) {
  if (nMax == 0) return 0;
  if (IsStoring()) AfxThrowArchiveException(CArchiveException::writeOnly, m_strFileName);
  if (lpBuf == nullptr || m_pFile == nullptr) AfxThrowInvalidArgException();
  BYTE* p = static_cast<BYTE*>(lpBuf);
  UINT done = 0;
  while (done < nMax) {
    if (m_nPos >= m_buffer.size()) {
      UINT left = nMax - done;
      if (left >= m_nBufSize) return done + m_pFile->Read(p + done, left);
      FillBuffer();
      if (m_buffer.empty()) break;
    }
    size_t n = std::min<size_t>(nMax - done, m_buffer.size() - m_nPos);
    memcpy(p + done, m_buffer.data() + m_nPos, n);
    m_nPos += n;
    done += static_cast<UINT>(n);
  }
  return done;
}

void CArchive::ReadExactly(void* lpBuf, UINT n) {
  if (Read(lpBuf, n) != n) AfxThrowArchiveException(CArchiveException::endOfFile, m_strFileName);
}

CArchive& CArchive::operator>>(bool& b) {
  BYTE value;
  ReadRaw(value);
  b = value != 0;
  return *this;
}

void CArchive::WriteCount(DWORD_PTR dwCount) {
  if (dwCount < 0xFFFF) {
    *this << static_cast<WORD>(dwCount);
    return;
  }
  *this << static_cast<WORD>(0xFFFF);
  if (dwCount < 0xFFFFFFFF) {
    *this << static_cast<DWORD>(dwCount);
    return;
  }
  *this << static_cast<DWORD>(0xFFFFFFFF) << static_cast<ULONGLONG>(dwCount);
}

DWORD_PTR CArchive::ReadCount() {
  WORD wCount;
  *this >> wCount;
  if (wCount != 0xFFFF) return wCount;
  DWORD dwCount;
  *this >> dwCount;
  if (dwCount != 0xFFFFFFFF) return dwCount;
  ULONGLONG qwCount;
  *this >> qwCount;
  return static_cast<DWORD_PTR>(qwCount);
}

CArchive& AFXAPI operator<<(CArchive& ar, SIZE size) { return ar << size.cx << size.cy; }
CArchive& AFXAPI operator<<(CArchive& ar, POINT point) { return ar << point.x << point.y; }
CArchive& AFXAPI operator<<(CArchive& ar, const RECT& rect) {
  return ar << rect.left << rect.top << rect.right << rect.bottom;
}
CArchive& AFXAPI operator>>(CArchive& ar, SIZE& size) { return ar >> size.cx >> size.cy; }
CArchive& AFXAPI operator>>(CArchive& ar, POINT& point) { return ar >> point.x >> point.y; }
CArchive& AFXAPI operator>>(CArchive& ar, RECT& rect) {
  return ar >> rect.left >> rect.top >> rect.right >> rect.bottom;
}
