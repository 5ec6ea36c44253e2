// The INI-file back end of the settings exchange: one section per exchange,
// every value as text.
#pragma once

#include <vector>

#include "common/TKPropExchange.h"

/// A section of an INI file. A child's section is its parent's section, a
/// backslash and the child's name. Without an assigned file, the root makes a
/// temporary file on first use and deletes it when it goes.
class CTKPropExchangeIniFile : public CTKPropExchange {
  DECLARE_DYNAMIC(CTKPropExchangeIniFile)
 public:
  /// `pszParentSection` null makes a root section named `pszSection`.
  CTKPropExchangeIniFile(BOOL bLoading, LPCTSTR pszParentSection, LPCTSTR pszSection);
  ~CTKPropExchangeIniFile() override;

  /// Uses `pszFile` from now on; stores of default values delete older values.
  void AssignFile(LPCTSTR pszFile);
  const CString& GetFile() const { return m_strFileName; }
  const CString& GetSectionName() const { return m_strSectionName; }

  BOOL ExchangeProp(LPCTSTR pszPropName, VARTYPE vtProp, void* pvProp,
                    const void* pvDefault) override;
  CTKPropExchange* GetSection(LPCTSTR pszSection) override;
  /// Deletes the section and every section below it from the file.
  void EmptySection() override;
  /// Makes a temporary file when none is assigned; tried again after a failure.
  BOOL OnBeforeExchange() override;
  DWORD CountStoredSections(LPCTSTR pszPrefix) override;

 protected:
  CString m_strSectionName;
  CString m_strFileName;
  BOOL m_bTempFile;

 private:
  BOOL ReadValue(LPCTSTR pszPropName, CString& strValue);
  /// The names of every section of the file.
  std::vector<CString> ReadSectionNames() const;
};
