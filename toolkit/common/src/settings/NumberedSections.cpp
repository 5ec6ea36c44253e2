#include "NumberedSections.h"

namespace {

// A number above this is no section this toolkit writes: a damaged name must
// not make a load walk billions of empty sections.
const DWORD kMaxSectionNumber = 999999;

}  // namespace

DWORD CountNumberedSections(const std::vector<CString>& names, LPCTSTR pszPrefix) {
  const int nPrefix = lstrlenA(pszPrefix);
  DWORD nCount = 0;
  for (const CString& strName : names) {
    if (strName.GetLength() <= nPrefix || strName.Left(nPrefix).CompareNoCase(pszPrefix) != 0)
      continue;
    int nEnd = nPrefix;
    while (nEnd < strName.GetLength() && strName[nEnd] >= '0' && strName[nEnd] <= '9') ++nEnd;
    const int nDigits = nEnd - nPrefix;
    // Sections are named "%i": "07" or "7x" is never one of them.
    if (nDigits == 0 || nDigits > 6 || (nDigits > 1 && strName[nPrefix] == '0') ||
        (nEnd < strName.GetLength() && strName[nEnd] != '\\'))
      continue;
    const DWORD nNumber = strtoul(strName.Mid(nPrefix, nDigits), nullptr, 10);
    if (nNumber <= kMaxSectionNumber && nNumber + 1 > nCount) nCount = nNumber + 1;
  }
  return nCount;
}
