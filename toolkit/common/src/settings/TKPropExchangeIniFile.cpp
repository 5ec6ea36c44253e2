// The INI-file back end of the settings exchange.
#include "common/TKPropExchangeIniFile.h"

#include <vector>

#include "NumberedSections.h"

IMPLEMENT_DYNAMIC(CTKPropExchangeIniFile, CTKPropExchange)

namespace {

const DWORD kShortValue = 256;
const DWORD kLongValue = 16000;
const DWORD kSectionNames = 8000;

// The codes the INI file keeps as text.
BOOL IsTextType(VARTYPE vt) {
  switch (vt) {
    case VT_I2:
    case VT_I4:
    case VT_BOOL:
    case VT_UI1:
    case VT_R4:
    case VT_R8:
    case VT_DATE:
    case VT_VARIANT:
    case VT_LPSTR:
    case VT_TK_RECT:
    case VT_TK_SIZE:
      return TRUE;
    default:
      return FALSE;
  }
}

}  // namespace

CTKPropExchangeIniFile::CTKPropExchangeIniFile(BOOL bLoading, LPCTSTR pszParentSection,
                                               LPCTSTR pszSection)
    : CTKPropExchange(bLoading), m_bTempFile(TRUE) {
  m_strSectionName = pszParentSection != nullptr
                         ? CString(pszParentSection) + "\\" + CString(pszSection)
                         : CString(pszSection);
  // Nothing older can be in a file that is still to be made.
  m_bEmptySection = TRUE;
}

CTKPropExchangeIniFile::~CTKPropExchangeIniFile() {
  if (m_bTempFile && !m_bChildSection && !m_strFileName.IsEmpty()) ::DeleteFileA(m_strFileName);
}

void CTKPropExchangeIniFile::AssignFile(LPCTSTR pszFile) {
  m_strFileName = pszFile;
  m_bTempFile = FALSE;
  m_bEmptySection = FALSE;
}

BOOL CTKPropExchangeIniFile::OnBeforeExchange() {
  if (m_strFileName.IsEmpty()) {
    char szFolder[MAX_PATH];
    char szFile[MAX_PATH];
    if (::GetTempPathA(MAX_PATH, szFolder) == 0 ||
        ::GetTempFileNameA(szFolder, "tk", 0, szFile) == 0)
      return FALSE;
    m_strFileName = szFile;
    m_bTempFile = TRUE;
  }
  m_bInitialized = TRUE;
  return !m_strFileName.IsEmpty();
}

BOOL CTKPropExchangeIniFile::ReadValue(LPCTSTR pszPropName, CString& strValue) {
  DWORD nLength =
      ::GetPrivateProfileStringA(m_strSectionName, pszPropName, "", strValue.GetBuffer(kShortValue),
                                 kShortValue, m_strFileName);
  strValue.ReleaseBuffer(static_cast<int>(nLength));
  if (nLength == kShortValue - 1) {
    nLength = ::GetPrivateProfileStringA(m_strSectionName, pszPropName, "",
                                         strValue.GetBuffer(kLongValue), kLongValue, m_strFileName);
    strValue.ReleaseBuffer(static_cast<int>(nLength));
  }
  return !strValue.IsEmpty();
}

BOOL CTKPropExchangeIniFile::ExchangeProp(LPCTSTR pszPropName, VARTYPE vtProp, void* pvProp,
                                          const void* pvDefault) {
  if (!IsTextType(vtProp) || pvProp == nullptr) return FALSE;
  if (IsLoading()) {
    if (!m_bUseDefaultOnLoad) pvDefault = nullptr;
    if (!OnBeforeExchange()) return CopyDefaultValue(vtProp, pvProp, pvDefault);
    CString strText;
    // An empty value reads like a missing one.
    if (!ReadValue(pszPropName, strText)) return CopyDefaultValue(vtProp, pvProp, pvDefault);
    return VariantFromText(vtProp, pvProp, pvDefault, strText);
  }
  if (!m_bUseDefaultOnSave) pvDefault = nullptr;
  if (!OnBeforeExchange()) return FALSE;
  if (IsValueEqualToDefault(vtProp, pvProp, pvDefault)) {
    if (!m_bEmptySection)
      ::WritePrivateProfileStringA(m_strSectionName, pszPropName, nullptr, m_strFileName);
    return TRUE;
  }
  CString strText;
  if (!VariantFromText(vtProp, pvProp, pvDefault, strText)) return FALSE;
  return ::WritePrivateProfileStringA(m_strSectionName, pszPropName, strText, m_strFileName);
}

CTKPropExchange* CTKPropExchangeIniFile::GetSection(LPCTSTR pszSection) {
  // The file is made before children share it.
  OnBeforeExchange();
  CTKPropExchangeIniFile* pSection =
      new CTKPropExchangeIniFile(m_bLoading, m_strSectionName, pszSection);
  pSection->InheritFrom(this);
  pSection->m_strFileName = m_strFileName;
  pSection->m_bTempFile = m_bTempFile;
  return pSection;
}

std::vector<CString> CTKPropExchangeIniFile::ReadSectionNames() const {
  std::vector<char> names(kSectionNames);
  DWORD nLength;
  for (;;) {
    nLength = ::GetPrivateProfileSectionNamesA(names.data(), static_cast<DWORD>(names.size()),
                                               m_strFileName);
    if (nLength != names.size() - 2) break;
    names.resize(names.size() * 2);
  }
  // The list ends with an empty name; a cut list still ends inside the buffer.
  names.resize(nLength + 2, '\0');
  names[nLength] = names[nLength + 1] = '\0';
  std::vector<CString> result;
  for (const char* p = names.data(); *p != '\0'; p += strlen(p) + 1) result.push_back(p);
  return result;
}

void CTKPropExchangeIniFile::EmptySection() {
  if (m_bEmptySection || m_strSectionName.IsEmpty()) return;
  m_bEmptySection = TRUE;
  if (m_strFileName.IsEmpty()) return;
  const CString strPrefix = m_strSectionName + "\\";
  std::vector<CString> doomed;
  for (const CString& strName : ReadSectionNames()) {
    if (strName == m_strSectionName || strName.Left(strPrefix.GetLength()) == strPrefix)
      doomed.push_back(strName);
  }
  for (const CString& strName : doomed)
    ::WritePrivateProfileStringA(strName, nullptr, nullptr, m_strFileName);
}

DWORD CTKPropExchangeIniFile::CountStoredSections(LPCTSTR pszPrefix) {
  if (!OnBeforeExchange()) return 0;
  // The file finds sections without regard to case, and so does this count.
  const CString strParent = m_strSectionName + "\\";
  std::vector<CString> below;
  for (const CString& strName : ReadSectionNames()) {
    if (strName.Left(strParent.GetLength()).CompareNoCase(strParent) == 0)
      below.push_back(strName.Mid(strParent.GetLength()));
  }
  return CountNumberedSections(below, pszPrefix);
}
