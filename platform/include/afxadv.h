// The recent-file list of the application profile, and file titles.
#pragma once

#include "afx.h"

/// The title of a path for showing to the user (the file name, as the
/// shell shows it). 0 on success; with a null or short buffer the size
/// needed, terminator included.
UINT AFXAPI AfxGetFileTitle(LPCTSTR lpszPathName, LPTSTR lpszTitle, UINT nMax);

/// The most recently used files, newest first, kept in one section of the
/// application profile as entries made from lpszEntryFormat ("File%d",
/// numbered from 1).
class CRecentFileList {
 public:
  CRecentFileList(UINT nStart, LPCTSTR lpszSection, LPCTSTR lpszEntryFormat, int nSize,
                  int nMaxDispLen = 30);
  virtual ~CRecentFileList();
  CRecentFileList(const CRecentFileList&) = delete;
  CRecentFileList& operator=(const CRecentFileList&) = delete;

  int GetSize() const { return m_nSize; }
  CString& operator[](int nIndex) { return m_arrNames[nIndex]; }

  /// Puts the file (made a full path) first; a file already listed moves
  /// up, otherwise the oldest drops out.
  virtual void Add(LPCTSTR lpszPathName);
  /// Removes one entry; the later ones move up.
  virtual void Remove(int nIndex);
  virtual void ReadList();
  /// Rewrites the whole section (empty entries are left out).
  virtual void WriteList();
  /// The entry as shown in a menu: relative to lpszCurDir (its first nCurDir
  /// characters, ending in a backslash) when the file lies in or below that
  /// folder, then shortened to m_nMaxDisplayLength with "..." in place of
  /// middle folders; with bAtLeastName the file name stays whole even when
  /// it alone is longer. FALSE (and an empty name) for an empty entry or an
  /// index out of range.
  virtual BOOL GetDisplayName(CString& strName, int nIndex, LPCTSTR lpszCurDir, int nCurDir,
                              BOOL bAtLeastName = TRUE) const;

  int m_nSize;
  CString* m_arrNames;
  CString m_strSectionName;
  CString m_strEntryFormat;
  UINT m_nStart;  // command id of the first entry
  int m_nMaxDisplayLength;
};
