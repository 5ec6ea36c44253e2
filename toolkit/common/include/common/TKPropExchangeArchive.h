// The settings exchange over an MFC archive: a positional binary stream.
#pragma once

#include "common/TKPropExchange.h"

/// Reads or writes values in call order; names, defaults and section names are
/// ignored. Errors of the archive (a short read, an unknown class) are thrown
/// as CArchiveException* to the caller; a blob larger than the caller's block,
/// or whose bytes are not all there, fails instead.
class CTKPropExchangeArchive : public CTKPropExchange {
  DECLARE_DYNAMIC(CTKPropExchangeArchive)
 public:
  /// The archive is not owned and must outlive the exchange and its sections.
  explicit CTKPropExchangeArchive(CArchive& ar);

  /// The header written before the schema.
  static const DWORD SchemaMarker = 0x0FF0ADBF;
  /// The schema of a stream written before the header existed.
  static const int HeaderlessSchema = 17;

  BOOL ExchangeProp(LPCTSTR pszPropName, VARTYPE vtProp, void* pvProp,
                    const void* pvDefault) override;
  BOOL ExchangeBlob(LPCTSTR pszPropName, BYTE** ppData, DWORD* pcbData) override;
  BOOL ExchangeRuntimeClass(LPCTSTR pszPropName, CRuntimeClass*& pClass,
                            CRuntimeClass* pDefaultClass) override;
  BOOL ExchangeObjectInstance(CObject*& pObject, CRuntimeClass* pObjectRuntime) override;
  /// The exchange's own archive.
  CArchive* GetArchive(LPCTSTR pszPropName) override;
  void ReleaseArchive(LPCTSTR pszPropName, CArchive* pArchive) override;
  CTKPropExchange* GetSection(LPCTSTR pszSection) override;
  void WriteCount(DWORD dwCount) override;
  DWORD ReadCount() override;
  BOOL WriteBlob(LPCTSTR pszPropName, BYTE* pData, DWORD nBytes) override;
  DWORD ReadBlob(LPCTSTR pszPropName, BYTE* pBuffer, DWORD nBytes) override;
  BOOL SupportsDefaults() override;
  BOOL SupportsBlobs() override;
  /// Store: the marker and the schema. Load: the same when the next word is
  /// the marker, else the schema becomes 17 and nothing is read.
  void ExchangeSchema() override;

 protected:
  CArchive& m_ar;
};
