// Section and value names formatted into growing strings, and the profile
// functions of the application.
#include "TKProfile.h"

namespace tkprofile {

namespace {
/// A default no stored value takes: its absence means "not there".
const int kAbsent = static_cast<int>(0x80000001u);
}  // namespace

CString SectionName(LPCTSTR lpszProfileName, LPCTSTR lpszSuffix) {
  CString strName;
  strName.Format("%s%s", lpszProfileName != nullptr ? lpszProfileName : "", lpszSuffix);
  return strName;
}

CString SectionName(LPCTSTR lpszProfileName, LPCTSTR lpszSuffix, int nIndex) {
  CString strName;
  strName.Format("%s%s%d", lpszProfileName != nullptr ? lpszProfileName : "", lpszSuffix, nIndex);
  return strName;
}

CString ValueName(LPCTSTR lpszName, int nIndex) {
  CString strName;
  strName.Format("%s%d", lpszName, nIndex);
  return strName;
}

int GetInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault) {
  CWinApp* pApp = AfxGetApp();
  return pApp != nullptr ? static_cast<int>(pApp->GetProfileInt(lpszSection, lpszEntry, nDefault))
                         : nDefault;
}

void WriteInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue) {
  if (CWinApp* pApp = AfxGetApp()) pApp->WriteProfileInt(lpszSection, lpszEntry, nValue);
}

BOOL HasValue(LPCTSTR lpszSection, LPCTSTR lpszEntry) {
  return GetInt(lpszSection, lpszEntry, kAbsent) != kAbsent;
}

void EmptySection(LPCTSTR lpszSection) {
  if (CWinApp* pApp = AfxGetApp()) pApp->WriteProfileString(lpszSection, nullptr, nullptr);
}

}  // namespace tkprofile
