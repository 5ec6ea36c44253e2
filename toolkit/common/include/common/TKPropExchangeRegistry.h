// The registry back end of the settings exchange: one key per exchange, with
// typed registry values.
#pragma once

#include "common/TKPropExchange.h"

/// A registry key under a parent key. Numbers are REG_DWORD, strings,
/// rectangles and sizes REG_SZ, floats, doubles and blobs REG_BINARY.
class CTKPropExchangeRegistry : public CTKPropExchange {
  DECLARE_DYNAMIC(CTKPropExchangeRegistry)
 public:
  /// A null `hParentKey` stands for the application's registry key, which the
  /// exchange then opens and closes itself. The key opens on first use.
  CTKPropExchangeRegistry(BOOL bLoading, HKEY hParentKey, LPCTSTR pszSection);
  ~CTKPropExchangeRegistry() override;

  HKEY GetKey() const { return m_hSectionKey; }

  BOOL ExchangeProp(LPCTSTR pszPropName, VARTYPE vtProp, void* pvProp,
                    const void* pvDefault) override;
  BOOL ExchangeBlob(LPCTSTR pszPropName, BYTE** ppData, DWORD* pcbData) override;
  /// The section's parent keeps a child's key open while the child is in use.
  CTKPropExchange* GetSection(LPCTSTR pszSection) override;
  /// Deletes the key and everything below it; the next value creates it again.
  void EmptySection() override;
  BOOL SupportsDefaults() override;
  BOOL SupportsBlobs() override;
  /// Opens (creating) the key once; a key that cannot be made stays closed.
  BOOL OnBeforeExchange() override;
  /// The numbered sub-keys of the key.
  DWORD CountStoredSections(LPCTSTR pszPrefix) override;

 protected:
  CTKPropExchangeRegistry(BOOL bLoading, HKEY hParentKey, LPCTSTR pszSection, BOOL bAppKeyWhenNull);

  HKEY m_hSectionKey = nullptr;
  HKEY m_hParentKey;
  CString m_strSectionName;
  BOOL m_bCloseParentKey = FALSE;

 private:
  BOOL LoadValue(LPCTSTR pszPropName, VARTYPE vtProp, void* pvProp, const void* pvDefault);
  BOOL StoreValue(LPCTSTR pszPropName, VARTYPE vtProp, void* pvProp);
  BOOL QueryString(LPCTSTR pszPropName, CString& strValue);
};
