// CRecentFileList and AfxGetFileTitle.
#include <afxwin.h>
#include <afxadv.h>

#include <commdlg.h>

UINT AFXAPI AfxGetFileTitle(LPCTSTR lpszPathName, LPTSTR lpszTitle, UINT nMax) {
  char szTemp[MAX_PATH];
  LPTSTR lpszTarget = lpszTitle != nullptr ? lpszTitle : szTemp;
  if (lpszTitle == nullptr) nMax = sizeof(szTemp);
  if (::GetFileTitle(lpszPathName, lpszTarget, static_cast<WORD>(nMax)) == 0)
    return lpszTitle == nullptr ? lstrlen(szTemp) + 1 : 0;
  // The shell refused (bad characters, short buffer): the text after the
  // last separator will do.
  LPCTSTR lpszName = lpszPathName;
  for (LPCTSTR p = lpszPathName; *p != '\0'; p = ::CharNext(p))
    if (*p == '\\' || *p == '/' || *p == ':') lpszName = p + 1;
  UINT nLen = lstrlen(lpszName) + 1;
  if (lpszTitle == nullptr || nMax < nLen) return nLen;
  lstrcpyn(lpszTitle, lpszName, nMax);
  return 0;
}

CRecentFileList::CRecentFileList(UINT nStart, LPCTSTR lpszSection, LPCTSTR lpszEntryFormat,
                                 int nSize, int nMaxDispLen)
    : m_nSize(nSize),
      m_arrNames(new CString[nSize > 0 ? nSize : 1]),
      m_strSectionName(lpszSection),
      m_strEntryFormat(lpszEntryFormat),
      m_nStart(nStart),
      m_nMaxDisplayLength(nMaxDispLen) {}

CRecentFileList::~CRecentFileList() { delete[] m_arrNames; }

void CRecentFileList::Add(LPCTSTR lpszPathName) {
  char szFull[MAX_PATH];
  CString strPath = lpszPathName;
  if (::GetFullPathName(lpszPathName, MAX_PATH, szFull, nullptr) != 0) strPath = szFull;
  // The slot to free: the entry itself when listed, else the oldest.
  int iMRU = 0;
  while (iMRU < m_nSize - 1 && m_arrNames[iMRU].CompareNoCase(strPath) != 0) ++iMRU;
  for (; iMRU > 0; --iMRU) m_arrNames[iMRU] = m_arrNames[iMRU - 1];
  if (m_nSize > 0) m_arrNames[0] = strPath;
}

void CRecentFileList::Remove(int nIndex) {
  if (nIndex < 0 || nIndex >= m_nSize) return;
  for (int i = nIndex; i < m_nSize - 1; ++i) m_arrNames[i] = m_arrNames[i + 1];
  m_arrNames[m_nSize - 1].Empty();
}

void CRecentFileList::ReadList() {
  CWinApp* pApp = AfxGetApp();
  CString strEntry;
  for (int i = 0; i < m_nSize; ++i) {
    strEntry.Format(m_strEntryFormat, i + 1);
    m_arrNames[i] = pApp->GetProfileString(m_strSectionName, strEntry, "");
  }
}

void CRecentFileList::WriteList() {
  CWinApp* pApp = AfxGetApp();
  // Rewritten whole, so entries of a longer list from before do not stay.
  pApp->WriteProfileString(m_strSectionName, nullptr, nullptr);
  CString strEntry;
  for (int i = 0; i < m_nSize; ++i) {
    if (m_arrNames[i].IsEmpty()) continue;
    strEntry.Format(m_strEntryFormat, i + 1);
    pApp->WriteProfileString(m_strSectionName, strEntry, m_arrNames[i]);
  }
}

namespace {

/// The position after the path's root ("C:\", "\\server\share\"), 0 when it has none.
int RootLength(const CString& strPath) {
  if (strPath.GetLength() >= 3 && strPath[1] == ':' && strPath[2] == '\\') return 3;
  if (strPath.Left(2) != "\\\\") return 0;
  int nShare = strPath.Find('\\', 2);
  int nEnd = nShare < 0 ? -1 : strPath.Find('\\', nShare + 1);
  return nEnd < 0 ? 0 : nEnd + 1;
}

/// Shortens a path to nMax characters: root, "...", then the trailing
/// folders that fit and the file name.
CString AbbreviatePath(const CString& strPath, int nMax, BOOL bAtLeastName) {
  if (nMax <= 0 || strPath.GetLength() <= nMax) return strPath;
  const int nRoot = RootLength(strPath);
  const int nName = strPath.ReverseFind('\\') + 1;
  for (int nCut = strPath.Find('\\', nRoot); nCut >= 0 && nCut < nName;
       nCut = strPath.Find('\\', nCut + 1)) {
    CString strShort = strPath.Left(nRoot) + "..." + strPath.Mid(nCut);
    if (strShort.GetLength() <= nMax) return strShort;
  }
  const CString strFileName = strPath.Mid(nName);
  return bAtLeastName || strFileName.GetLength() <= nMax ? strFileName : CString();
}

}  // namespace

BOOL CRecentFileList::GetDisplayName(CString& strName, int nIndex, LPCTSTR lpszCurDir,
                                     int nCurDir, BOOL bAtLeastName) const {
  strName.Empty();
  if (nIndex < 0 || nIndex >= m_nSize || m_arrNames[nIndex].IsEmpty()) return FALSE;
  CString strPath = m_arrNames[nIndex];
  if (lpszCurDir != nullptr && nCurDir > 0 && strPath.GetLength() > nCurDir &&
      strPath.Left(nCurDir).CompareNoCase(CString(lpszCurDir).Left(nCurDir)) == 0)
    strPath = strPath.Mid(nCurDir);
  strName = AbbreviatePath(strPath, m_nMaxDisplayLength, bAtLeastName);
  return TRUE;
}
