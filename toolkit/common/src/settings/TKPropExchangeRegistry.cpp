// The registry back end of the settings exchange.
#include "common/TKPropExchangeRegistry.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <vector>

#include "NumberedSections.h"

IMPLEMENT_DYNAMIC(CTKPropExchangeRegistry, CTKPropExchange)

namespace {

BOOL IsDwordType(VARTYPE vt) { return vt == VT_I2 || vt == VT_I4 || vt == VT_BOOL || vt == VT_UI1; }

BOOL IsRegistryType(VARTYPE vt) {
  return IsDwordType(vt) || vt == VT_R4 || vt == VT_R8 || vt == VT_LPSTR || vt == VT_TK_RECT ||
         vt == VT_TK_SIZE;
}

// The size of a value, or -1 when it is missing.
LONG QuerySize(HKEY hKey, LPCTSTR pszName, DWORD* pcbData) {
  *pcbData = 0;
  return ::RegQueryValueExA(hKey, pszName, nullptr, nullptr, nullptr, pcbData);
}

}  // namespace

CTKPropExchangeRegistry::CTKPropExchangeRegistry(BOOL bLoading, HKEY hParentKey, LPCTSTR pszSection)
    : CTKPropExchangeRegistry(bLoading, hParentKey, pszSection, TRUE) {}

CTKPropExchangeRegistry::CTKPropExchangeRegistry(BOOL bLoading, HKEY hParentKey, LPCTSTR pszSection,
                                                 BOOL bAppKeyWhenNull)
    : CTKPropExchange(bLoading), m_hParentKey(hParentKey), m_strSectionName(pszSection) {
  if (m_hParentKey == nullptr && bAppKeyWhenNull) {
    CWinApp* pApp = AfxGetApp();
    m_hParentKey = pApp != nullptr ? pApp->GetAppRegistryKey() : nullptr;
    m_bCloseParentKey = m_hParentKey != nullptr;
  }
}

CTKPropExchangeRegistry::~CTKPropExchangeRegistry() {
  if (m_hSectionKey != nullptr) ::RegCloseKey(m_hSectionKey);
  if (m_bCloseParentKey) ::RegCloseKey(m_hParentKey);
}

BOOL CTKPropExchangeRegistry::OnBeforeExchange() {
  if (m_hParentKey == nullptr) return FALSE;
  if (!m_bInitialized) {
    // Tried once: a key that cannot be made fails every value from then on.
    m_bInitialized = TRUE;
    ::RegCreateKeyExA(m_hParentKey, m_strSectionName, 0, nullptr, REG_OPTION_NON_VOLATILE,
                      m_bLoading ? KEY_READ : KEY_WRITE, nullptr, &m_hSectionKey, nullptr);
  }
  return m_hSectionKey != nullptr;
}

BOOL CTKPropExchangeRegistry::QueryString(LPCTSTR pszPropName, CString& strValue) {
  DWORD cbData = 0;
  if (QuerySize(m_hSectionKey, pszPropName, &cbData) != ERROR_SUCCESS) return FALSE;
  // One byte more than the value, so that text stored without its zero still ends.
  std::vector<char> buffer(cbData + 1, '\0');
  DWORD cbRead = cbData;
  if (::RegQueryValueExA(m_hSectionKey, pszPropName, nullptr, nullptr,
                         reinterpret_cast<BYTE*>(buffer.data()), &cbRead) != ERROR_SUCCESS)
    return FALSE;
  buffer[cbRead < cbData ? cbRead : cbData] = '\0';
  strValue = buffer.data();
  return TRUE;
}

BOOL CTKPropExchangeRegistry::LoadValue(LPCTSTR pszPropName, VARTYPE vtProp, void* pvProp,
                                        const void* pvDefault) {
  if (IsDwordType(vtProp)) {
    DWORD dwValue = 0;
    DWORD cbData = sizeof dwValue;
    if (::RegQueryValueExA(m_hSectionKey, pszPropName, nullptr, nullptr,
                           reinterpret_cast<BYTE*>(&dwValue), &cbData) != ERROR_SUCCESS)
      return CopyDefaultValue(vtProp, pvProp, pvDefault);
    memcpy(pvProp, &dwValue, GetVariantTypeSize(vtProp));
    return TRUE;
  }
  if (vtProp == VT_R4 || vtProp == VT_R8) {
    // Read back as stored: the raw bytes of exactly that size.
    BYTE bytes[sizeof(double)] = {};
    DWORD cbWanted = static_cast<DWORD>(GetVariantTypeSize(vtProp));
    DWORD cbData = sizeof bytes;
    DWORD dwType = REG_NONE;
    if (::RegQueryValueExA(m_hSectionKey, pszPropName, nullptr, &dwType, bytes, &cbData) !=
            ERROR_SUCCESS ||
        dwType != REG_BINARY || cbData != cbWanted)
      return CopyDefaultValue(vtProp, pvProp, pvDefault);
    memcpy(pvProp, bytes, cbWanted);
    return TRUE;
  }
  CString strText;
  if (!QueryString(pszPropName, strText)) return CopyDefaultValue(vtProp, pvProp, pvDefault);
  if (vtProp == VT_LPSTR) {
    *static_cast<CString*>(pvProp) = strText;
    return TRUE;
  }
  // Rectangles and sizes share the INI file's text forms.
  return VariantFromText(vtProp, pvProp, pvDefault, strText);
}

BOOL CTKPropExchangeRegistry::StoreValue(LPCTSTR pszPropName, VARTYPE vtProp, void* pvProp) {
  if (IsDwordType(vtProp)) {
    DWORD dwValue = 0;
    memcpy(&dwValue, pvProp, GetVariantTypeSize(vtProp));
    return ::RegSetValueExA(m_hSectionKey, pszPropName, 0, REG_DWORD,
                            reinterpret_cast<const BYTE*>(&dwValue),
                            sizeof dwValue) == ERROR_SUCCESS;
  }
  if (vtProp == VT_R4 || vtProp == VT_R8) {
    return ::RegSetValueExA(m_hSectionKey, pszPropName, 0, REG_BINARY,
                            static_cast<const BYTE*>(pvProp),
                            static_cast<DWORD>(GetVariantTypeSize(vtProp))) == ERROR_SUCCESS;
  }
  CString strText;
  if (vtProp == VT_LPSTR) {
    strText = *static_cast<CString*>(pvProp);
  } else if (!VariantFromText(vtProp, pvProp, nullptr, strText)) {
    return FALSE;
  }
  return ::RegSetValueExA(m_hSectionKey, pszPropName, 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(strText.GetString()),
                          static_cast<DWORD>(strText.GetLength() + 1)) == ERROR_SUCCESS;
}

BOOL CTKPropExchangeRegistry::ExchangeProp(LPCTSTR pszPropName, VARTYPE vtProp, void* pvProp,
                                           const void* pvDefault) {
  if (!IsRegistryType(vtProp) || pvProp == nullptr) return FALSE;
  if (IsLoading()) {
    if (!m_bUseDefaultOnLoad) pvDefault = nullptr;
    if (!OnBeforeExchange()) return CopyDefaultValue(vtProp, pvProp, pvDefault);
    return LoadValue(pszPropName, vtProp, pvProp, pvDefault);
  }
  if (!m_bUseDefaultOnSave) pvDefault = nullptr;
  if (!OnBeforeExchange()) return FALSE;
  if (IsValueEqualToDefault(vtProp, pvProp, pvDefault)) {
    if (m_hSectionKey != nullptr && !m_bEmptySection) ::RegDeleteValueA(m_hSectionKey, pszPropName);
    return TRUE;
  }
  return StoreValue(pszPropName, vtProp, pvProp);
}

BOOL CTKPropExchangeRegistry::ExchangeBlob(LPCTSTR pszPropName, BYTE** ppData, DWORD* pcbData) {
  if (!OnBeforeExchange() || ppData == nullptr || pcbData == nullptr) return FALSE;
  if (IsStoring()) {
    return ::RegSetValueExA(m_hSectionKey, pszPropName, 0, REG_BINARY, *ppData, *pcbData) ==
           ERROR_SUCCESS;
  }
  DWORD cbData = 0;
  if (QuerySize(m_hSectionKey, pszPropName, &cbData) != ERROR_SUCCESS) return FALSE;
  BYTE* pData = *ppData;
  if (pData == nullptr) {
    pData = static_cast<BYTE*>(malloc(cbData != 0 ? cbData : 1));
    if (pData == nullptr) return FALSE;
  } else if (*pcbData < cbData) {
    return FALSE;
  }
  // The size is asked again by the read itself: a value that grew meanwhile
  // does not fit and fails rather than overrun the block.
  DWORD cbRead = cbData;
  if (::RegQueryValueExA(m_hSectionKey, pszPropName, nullptr, nullptr, pData, &cbRead) !=
      ERROR_SUCCESS) {
    if (*ppData == nullptr) free(pData);
    return FALSE;
  }
  if (*ppData == nullptr) {
    *ppData = pData;
    *pcbData = cbRead;
  }
  return TRUE;
}

CTKPropExchange* CTKPropExchangeRegistry::GetSection(LPCTSTR pszSection) {
  OnBeforeExchange();
  // The child lives under this key, open or not; never under the application's.
  CTKPropExchangeRegistry* pSection =
      new CTKPropExchangeRegistry(m_bLoading, m_hSectionKey, pszSection, FALSE);
  pSection->InheritFrom(this);
  return pSection;
}

void CTKPropExchangeRegistry::EmptySection() {
  m_bEmptySection = TRUE;
  if (m_hSectionKey != nullptr) {
    ::RegCloseKey(m_hSectionKey);
    m_hSectionKey = nullptr;
  }
  if (m_hParentKey != nullptr && !m_strSectionName.IsEmpty()) {
    ::RegDeleteTreeA(m_hParentKey, m_strSectionName);
    ::RegDeleteKeyA(m_hParentKey, m_strSectionName);
  }
  m_bInitialized = FALSE;
}

DWORD CTKPropExchangeRegistry::CountStoredSections(LPCTSTR pszPrefix) {
  if (!OnBeforeExchange()) return 0;
  std::vector<CString> names;
  char szName[256];  // the longest key name, and its zero
  DWORD cchName = sizeof szName;
  for (DWORD i = 0; ::RegEnumKeyExA(m_hSectionKey, i, szName, &cchName, nullptr, nullptr, nullptr,
                                    nullptr) == ERROR_SUCCESS;
       ++i, cchName = sizeof szName)
    names.push_back(szName);
  return CountNumberedSections(names, pszPrefix);
}

BOOL CTKPropExchangeRegistry::SupportsDefaults() { return TRUE; }

BOOL CTKPropExchangeRegistry::SupportsBlobs() { return TRUE; }
