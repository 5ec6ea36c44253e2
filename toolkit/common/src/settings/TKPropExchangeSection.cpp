// Numbered sections of an exchange and the scoped holder of a section.
#include "common/TKPropExchange.h"

#include "common/TKPropExchangeIniFile.h"
#include "common/TKPropExchangeRegistry.h"

CTKPropExchangeEnumerator::CTKPropExchangeEnumerator(CTKPropExchange* pContainer,
                                                     LPCTSTR pszSection)
    : m_pContainer(pContainer), m_strSectionName(pszSection) {}

POSITION CTKPropExchangeEnumerator::GetPosition(DWORD dwCount, BOOL bCompatible) {
  m_nCount = dwCount;
  if (m_pContainer == nullptr) return nullptr;
  if (!bCompatible) {
    int nCount = static_cast<int>(dwCount);
    int nDefault = 0;
    m_pContainer->ExchangeProp("Count", VT_I4, &nCount, &nDefault);
    m_nCount = static_cast<DWORD>(nCount);
  } else if (m_pContainer->IsLoading()) {
    m_nCount = m_pContainer->ReadCount();
  } else {
    m_pContainer->WriteCount(dwCount);
  }
  if (m_pContainer->IsLoading() && m_nCount != 0) {
    const DWORD nStored = m_pContainer->CountStoredSections(m_strSectionName);
    if (m_nCount > nStored) m_nCount = nStored;
  }
  return m_nCount != 0 ? reinterpret_cast<POSITION>(1) : nullptr;
}

CTKPropExchange* CTKPropExchangeEnumerator::GetNext(POSITION& pos) {
  DWORD_PTR nPos = reinterpret_cast<DWORD_PTR>(pos);
  if (m_pContainer == nullptr || nPos == 0) return nullptr;
  CString strSection;
  strSection.Format("%s%i", m_strSectionName.GetString(), static_cast<int>(nPos - 1));
  CTKPropExchange* pSection = m_pContainer->GetSection(strSection);
  ++nPos;
  pos = nPos > m_nCount ? nullptr : reinterpret_cast<POSITION>(nPos);
  return pSection;
}

CTKPropExchangeSection::CTKPropExchangeSection(BOOL bLoading, LPCTSTR pszSection) : m_px(nullptr) {
  CWinApp* pApp = AfxGetApp();
  if (pApp != nullptr && pApp->m_pszRegistryKey != nullptr) {
    m_px = new CTKPropExchangeRegistry(bLoading, nullptr, pszSection);
  } else {
    CTKPropExchangeIniFile* pIni = new CTKPropExchangeIniFile(bLoading, nullptr, pszSection);
    if (pApp != nullptr) {
      // The profile file as the application keeps it: its profile name, else
      // the executable's name with ".INI".
      CString strFile = pApp->m_pszProfileName;
      if (strFile.IsEmpty())
        strFile = CString(pApp->m_pszExeName != nullptr ? pApp->m_pszExeName : pApp->m_pszAppName) +
                  ".INI";
      pIni->AssignFile(strFile);
    }
    m_px = pIni;
  }
  if (!bLoading) m_px->EmptySection();
}

CTKPropExchangeSection::~CTKPropExchangeSection() {
  if (m_px != nullptr) m_px->InternalRelease();
}
