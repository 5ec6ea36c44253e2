#include "NumberedSections.h"

#include <set>
#include <string>

DWORD CountNumberedSections(const std::vector<CString>& names, LPCTSTR pszPrefix) {
  const int nPrefix = lstrlenA(pszPrefix);
  std::set<std::string> numbers;
  for (const CString& strName : names) {
    if (strName.GetLength() <= nPrefix || strName.Left(nPrefix).CompareNoCase(pszPrefix) != 0)
      continue;
    int nEnd = nPrefix;
    while (nEnd < strName.GetLength() && strName[nEnd] >= '0' && strName[nEnd] <= '9') ++nEnd;
    const int nDigits = nEnd - nPrefix;
    // Sections are named "%i": "07" or "7x" is never one of them.
    if (nDigits == 0 || (nDigits > 1 && strName[nPrefix] == '0') ||
        (nEnd < strName.GetLength() && strName[nEnd] != '\\'))
      continue;
    numbers.insert(std::string(strName.Mid(nPrefix, nDigits).GetString()));
  }
  return static_cast<DWORD>(numbers.size());
}
