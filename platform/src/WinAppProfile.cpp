// CWinApp's profile: values by section and entry, kept in the registry
// under the application's key or in an INI file.
#include <afxwin.h>

#include <stdlib.h>
#include <string.h>

#include <memory>

namespace {

/// Closes a registry key when it goes out of scope.
struct RegKey {
  HKEY hKey;
  explicit RegKey(HKEY h) : hKey(h) {}
  ~RegKey() {
    if (hKey != nullptr) ::RegCloseKey(hKey);
  }
  RegKey(const RegKey&) = delete;
  RegKey& operator=(const RegKey&) = delete;
};

HKEY CreateKey(HKEY hParent, LPCTSTR lpszName) {
  HKEY hKey = nullptr;
  DWORD dw;
  if (::RegCreateKeyEx(hParent, lpszName, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE,
                       nullptr, &hKey, &dw) != ERROR_SUCCESS)
    return nullptr;
  return hKey;
}

}  // namespace

CWinApp::ProfileStrings::~ProfileStrings() {
  free(const_cast<LPTSTR>(pApp->m_pszRegistryKey));
  free(const_cast<LPTSTR>(pApp->m_pszProfileName));
  pApp->m_pszRegistryKey = pApp->m_pszProfileName = nullptr;
}

void CWinApp::SetRegistryKey(LPCTSTR lpszRegistryKey) {
  free(const_cast<LPTSTR>(m_pszRegistryKey));
  m_pszRegistryKey = _strdup(lpszRegistryKey);
  // In the registry the profile name is the application's name.
  free(const_cast<LPTSTR>(m_pszProfileName));
  m_pszProfileName = _strdup(m_pszAppName != nullptr ? m_pszAppName : "");
}

void CWinApp::SetRegistryKey(UINT nIDRegistryKey) {
  CString strKey;
  strKey.LoadString(nIDRegistryKey);
  SetRegistryKey(strKey);
}

HKEY CWinApp::GetAppRegistryKey() {
  if (m_pszRegistryKey == nullptr || m_pszProfileName == nullptr) return nullptr;
  RegKey software(CreateKey(HKEY_CURRENT_USER, "Software"));
  if (software.hKey == nullptr) return nullptr;
  RegKey company(CreateKey(software.hKey, m_pszRegistryKey));
  return company.hKey != nullptr ? CreateKey(company.hKey, m_pszProfileName) : nullptr;
}

HKEY CWinApp::GetSectionKey(LPCTSTR lpszSection) {
  RegKey app(GetAppRegistryKey());
  return app.hKey != nullptr ? CreateKey(app.hKey, lpszSection) : nullptr;
}

namespace {

/// The INI file of an application without a registry key.
CString IniFileName(const CWinApp* pApp) {
  if (pApp->m_pszProfileName != nullptr) return pApp->m_pszProfileName;
  CString strName = pApp->m_pszExeName != nullptr ? pApp->m_pszExeName : pApp->m_pszAppName;
  return strName + ".INI";
}

}  // namespace

// Integers ----------------------------------------------------------------------------------------

UINT CWinApp::GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault) {
  if (m_pszRegistryKey == nullptr)
    return ::GetPrivateProfileInt(lpszSection, lpszEntry, nDefault, IniFileName(this));
  RegKey section(GetSectionKey(lpszSection));
  DWORD dwValue, dwType, dwCount = sizeof(DWORD);
  if (section.hKey == nullptr ||
      ::RegQueryValueEx(section.hKey, lpszEntry, nullptr, &dwType,
                        reinterpret_cast<LPBYTE>(&dwValue), &dwCount) != ERROR_SUCCESS ||
      dwType != REG_DWORD)
    return nDefault;
  return dwValue;
}

BOOL CWinApp::WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue) {
  if (m_pszRegistryKey == nullptr) {
    char szValue[16];
    wsprintf(szValue, "%d", nValue);
    return ::WritePrivateProfileString(lpszSection, lpszEntry, szValue, IniFileName(this));
  }
  RegKey section(GetSectionKey(lpszSection));
  return section.hKey != nullptr &&
         ::RegSetValueEx(section.hKey, lpszEntry, 0, REG_DWORD,
                         reinterpret_cast<const BYTE*>(&nValue), sizeof(nValue)) == ERROR_SUCCESS;
}

// Strings -----------------------------------------------------------------------------------------

CString CWinApp::GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault) {
  CString strDefault = lpszDefault != nullptr ? lpszDefault : "";
  if (m_pszRegistryKey == nullptr) {
    // Grow the buffer until the value fits (the API fills it to size - 1).
    for (DWORD nSize = 4096;; nSize *= 2) {
      CString strValue;
      DWORD n = ::GetPrivateProfileString(lpszSection, lpszEntry, strDefault,
                                          strValue.GetBuffer(nSize), nSize, IniFileName(this));
      strValue.ReleaseBuffer(n);
      if (n < nSize - 1) return strValue;
    }
  }
  RegKey section(GetSectionKey(lpszSection));
  DWORD dwType, dwCount;
  if (section.hKey == nullptr ||
      ::RegQueryValueEx(section.hKey, lpszEntry, nullptr, &dwType, nullptr, &dwCount) !=
          ERROR_SUCCESS ||
      dwType != REG_SZ)
    return strDefault;
  CString strValue;
  LPTSTR pBuffer = strValue.GetBuffer(dwCount / sizeof(TCHAR) + 1);
  LONG lResult = ::RegQueryValueEx(section.hKey, lpszEntry, nullptr, &dwType,
                                   reinterpret_cast<LPBYTE>(pBuffer), &dwCount);
  pBuffer[dwCount / sizeof(TCHAR)] = '\0';
  strValue.ReleaseBuffer();
  return lResult == ERROR_SUCCESS ? strValue : strDefault;
}

BOOL CWinApp::WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue) {
  if (m_pszRegistryKey == nullptr)
    return ::WritePrivateProfileString(lpszSection, lpszEntry, lpszValue, IniFileName(this));
  if (lpszEntry == nullptr) {
    RegKey app(GetAppRegistryKey());
    return app.hKey != nullptr && ::RegDeleteKey(app.hKey, lpszSection) == ERROR_SUCCESS;
  }
  RegKey section(GetSectionKey(lpszSection));
  if (section.hKey == nullptr) return FALSE;
  if (lpszValue == nullptr) return ::RegDeleteValue(section.hKey, lpszEntry) == ERROR_SUCCESS;
  return ::RegSetValueEx(section.hKey, lpszEntry, 0, REG_SZ,
                         reinterpret_cast<const BYTE*>(lpszValue),
                         static_cast<DWORD>(strlen(lpszValue) + 1)) == ERROR_SUCCESS;
}

LONG CWinApp::DelRegTree(HKEY hParentKey, const CString& strKeyName) {
  HKEY hKey = nullptr;
  LONG lResult = ::RegOpenKeyEx(hParentKey, strKeyName, 0, KEY_READ | KEY_WRITE, &hKey);
  if (lResult != ERROR_SUCCESS) return lResult;
  {
    RegKey key(hKey);
    // The first subkey each time: deleting one renumbers the rest.
    char szSubKey[256];
    for (;;) {
      DWORD cch = sizeof(szSubKey);
      lResult = ::RegEnumKeyEx(hKey, 0, szSubKey, &cch, nullptr, nullptr, nullptr, nullptr);
      if (lResult == ERROR_NO_MORE_ITEMS) break;
      if (lResult != ERROR_SUCCESS) return lResult;
      lResult = DelRegTree(hKey, CString(szSubKey));
      if (lResult != ERROR_SUCCESS) return lResult;
    }
  }
  return ::RegDeleteKey(hParentKey, strKeyName);
}

// Binary values: REG_BINARY in the registry; in an INI file two letters per
// byte, 'A' + low nibble then 'A' + high nibble.

BOOL CWinApp::GetProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE* ppData,
                               UINT* pBytes) {
  *ppData = nullptr;
  *pBytes = 0;
  if (m_pszRegistryKey == nullptr) {
    CString str = GetProfileString(lpszSection, lpszEntry, nullptr);
    if (str.IsEmpty()) return FALSE;
    UINT nBytes = static_cast<UINT>(str.GetLength()) / 2;
    *ppData = new BYTE[nBytes];
    for (UINT i = 0; i < nBytes; ++i)
      (*ppData)[i] = static_cast<BYTE>(((str[i * 2 + 1] - 'A') << 4) | (str[i * 2] - 'A'));
    *pBytes = nBytes;
    return TRUE;
  }
  RegKey section(GetSectionKey(lpszSection));
  DWORD dwType, dwCount;
  if (section.hKey == nullptr ||
      ::RegQueryValueEx(section.hKey, lpszEntry, nullptr, &dwType, nullptr, &dwCount) !=
          ERROR_SUCCESS ||
      dwType != REG_BINARY)
    return FALSE;
  std::unique_ptr<BYTE[]> data(new BYTE[dwCount ? dwCount : 1]);
  if (::RegQueryValueEx(section.hKey, lpszEntry, nullptr, &dwType, data.get(), &dwCount) !=
      ERROR_SUCCESS)
    return FALSE;
  *ppData = data.release();
  *pBytes = dwCount;
  return TRUE;
}

BOOL CWinApp::WriteProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE pData,
                                 UINT nBytes) {
  if (m_pszRegistryKey == nullptr) {
    CString str;
    LPTSTR p = str.GetBuffer(nBytes * 2 + 1);
    for (UINT i = 0; i < nBytes; ++i) {
      p[i * 2] = static_cast<char>((pData[i] & 0x0F) + 'A');
      p[i * 2 + 1] = static_cast<char>(((pData[i] >> 4) & 0x0F) + 'A');
    }
    str.ReleaseBuffer(nBytes * 2);
    return WriteProfileString(lpszSection, lpszEntry, str);
  }
  RegKey section(GetSectionKey(lpszSection));
  return section.hKey != nullptr &&
         ::RegSetValueEx(section.hKey, lpszEntry, 0, REG_BINARY, pData, nBytes) == ERROR_SUCCESS;
}
