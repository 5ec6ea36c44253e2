// The toolkit's settings exchange: one routine per persistable object walks
// its state through an exchange, which reads or writes depending on its
// direction. The back ends are the archive, INI-file and registry exchanges.
#pragma once

#include "afxwin.h"
#include "afxdisp.h"

class CTKPropExchangeEnumerator;

/// Value codes beyond the OLE variant types: a CRect and a CSize (or CPoint).
enum { VT_TK_RECT = 100, VT_TK_SIZE = 101 };

/// The abstract exchange. Reference-counted (CCmdTarget): the creator holds one
/// reference and releases it with InternalRelease. Every operation returns 0 on
/// failure; on a failed load the caller's variable keeps its value unless a
/// default was copied into it.
class CTKPropExchange : public CCmdTarget {
  DECLARE_DYNAMIC(CTKPropExchange)
 public:
  /// The layout version a new exchange writes.
  static const int CurrentSchema = 42;

  BOOL IsLoading() const { return m_bLoading; }
  BOOL IsStoring() const { return !m_bLoading; }
  int GetSchema() const { return m_nSchema; }
  void SetSchema(int nSchema) { m_nSchema = nSchema; }
  /// True on every exchange made by GetSection.
  BOOL IsChildSection() const { return m_bChildSection; }
  /// True after EmptySection: stores of default values delete nothing.
  BOOL IsSectionEmpty() const { return m_bEmptySection; }
  /// A word the owner may hang on a root exchange; sections copy it.
  DWORD_PTR GetData() const { return m_dwData; }
  void SetData(DWORD_PTR dwData) { m_dwData = dwData; }
  /// When off, loads ignore their default (a missing value fails) and stores
  /// write every value. Both are on for a new exchange.
  void UseDefaultOnLoad(BOOL bUse) { m_bUseDefaultOnLoad = bUse; }
  void UseDefaultOnSave(BOOL bUse) { m_bUseDefaultOnSave = bUse; }
  BOOL IsUseDefaultOnLoad() const { return m_bUseDefaultOnLoad; }
  BOOL IsUseDefaultOnSave() const { return m_bUseDefaultOnSave; }

  /// Exchanges one named value of code `vtProp`: `pvProp` points at the
  /// caller's variable, `pvDefault` at a default of the same type or is null.
  virtual BOOL ExchangeProp(LPCTSTR pszPropName, VARTYPE vtProp, void* pvProp,
                            const void* pvDefault) = 0;
  /// A binary block. Loading with a null *ppData allocates it with malloc
  /// (the caller frees it) and sets *pcbData; a given block must be large enough.
  virtual BOOL ExchangeBlob(LPCTSTR pszPropName, BYTE** ppData, DWORD* pcbData);
  /// A class by its name. Loading a missing name gives `pDefaultClass`; an
  /// unknown one gives null and fails.
  virtual BOOL ExchangeRuntimeClass(LPCTSTR pszPropName, CRuntimeClass*& pClass,
                                    CRuntimeClass* pDefaultClass);
  /// The object's class under "Class"; loading creates a new object of the
  /// stored class, which must derive from `pObjectRuntime`.
  virtual BOOL ExchangeObjectInstance(CObject*& pObject, CRuntimeClass* pObjectRuntime);
  /// An archive over the blob `pszPropName` for objects that serialise
  /// themselves; null when loading and the blob is missing or empty. Give it
  /// back to ReleaseArchive.
  virtual CArchive* GetArchive(LPCTSTR pszPropName);
  /// Finishes an archive of GetArchive: stores the blob when storing.
  virtual void ReleaseArchive(LPCTSTR pszPropName, CArchive* pArchive);
  /// A new child exchange for a named sub-section; the caller releases it.
  virtual CTKPropExchange* GetSection(LPCTSTR pszSection) = 0;
  /// Before a store: makes the section forget its old values.
  virtual void EmptySection();
  virtual void WriteCount(DWORD dwCount);
  /// 0 when no count is stored.
  virtual DWORD ReadCount();
  virtual BOOL WriteBlob(LPCTSTR pszPropName, BYTE* pData, DWORD nBytes);
  /// Reads into the caller's buffer; `nBytes` on success, 0 on failure.
  virtual DWORD ReadBlob(LPCTSTR pszPropName, BYTE* pBuffer, DWORD nBytes);
  /// Whether values equal to their default may be left out of the store.
  virtual BOOL SupportsDefaults();
  /// Whether the back end keeps binary values natively.
  virtual BOOL SupportsBlobs();
  /// Opens the back end's store; every value operation fails when it fails.
  virtual BOOL OnBeforeExchange();
  /// A new enumerator over the sections `pszSection`0, 1, 2 ...; the caller
  /// owns it (hold it in a CTKPropExchangeEnumeratorPtr).
  virtual CTKPropExchangeEnumerator* GetEnumerator(LPCTSTR pszSection);
  /// How many of the sections `pszPrefix`0, 1, 2 ... below this one the store
  /// holds; a load walks no more of them than that. (DWORD)-1 when the back
  /// end cannot tell beforehand (an archive holds its sections in line).
  virtual DWORD CountStoredSections(LPCTSTR pszPrefix);
  /// The layout version as "Schema": a missing one loads as 32.
  virtual void ExchangeSchema();

  /// The names the command bars use for SupportsDefaults and SupportsBlobs.
  BOOL CanSkipValues() { return SupportsDefaults(); }
  BOOL UseBinarySerialization() { return SupportsBlobs(); }

  /// The bytes of a value of the code that stores compare; 0 for strings and
  /// codes that are not compared bytewise or not supported.
  static int PASCAL GetVariantTypeSize(VARTYPE vt);
  /// Whether `vt` is one of the codes an exchange knows.
  static BOOL PASCAL IsSupportedType(VARTYPE vt);

  /// Converts in the exchange's direction between the value and its text
  /// form: a store fills `strText`; a load parses it into the value, copying
  /// the default where a rectangle or size does not parse.
  BOOL VariantFromText(VARTYPE vtProp, void* pvProp, const void* pvDefault, CString& strText);
  /// Applies (store) or undoes (load) the backslash escapes of string values.
  void EscapeString(CString& strValue);
  /// A missing value on load: copies the default; FALSE when there is none.
  static BOOL PASCAL CopyDefaultValue(VARTYPE vtProp, void* pvProp, const void* pvDefault);
  /// Whether a value equals its default (same pointer; never when either is null).
  static BOOL PASCAL IsValueEqualToDefault(VARTYPE vtProp, const void* pvProp,
                                           const void* pvDefault);

 protected:
  explicit CTKPropExchange(BOOL bLoading);
  /// Takes the parent's settings, as every new section does.
  void InheritFrom(const CTKPropExchange* pParent);

  DWORD_PTR m_dwData = 0;
  BOOL m_bLoading;
  int m_nSchema = CurrentSchema;
  BOOL m_bChildSection = FALSE;
  BOOL m_bEmptySection = FALSE;
  BOOL m_bInitialized = FALSE;  // set by the first OnBeforeExchange
  BOOL m_bUseDefaultOnLoad = TRUE;
  BOOL m_bUseDefaultOnSave = TRUE;
};

/// Walks the numbered sections of an exchange: prefix0, prefix1, ...
class CTKPropExchangeEnumerator {
 public:
  CTKPropExchangeEnumerator(CTKPropExchange* pContainer, LPCTSTR pszSection);
  virtual ~CTKPropExchangeEnumerator() = default;

  /// Starts a walk over `dwCount` sections (the count is written on store and
  /// read on load: as an archive count when `bCompatible`, else as "Count").
  /// A count loaded is held to the sections the store holds, so a damaged one
  /// opens no sections that are not there. A non-null position when there is
  /// at least one section.
  virtual POSITION GetPosition(DWORD dwCount = 0, BOOL bCompatible = FALSE);
  /// The next section, which the caller releases; `pos` becomes null after the last.
  virtual CTKPropExchange* GetNext(POSITION& pos);
  virtual DWORD GetCount() const { return m_nCount; }

 protected:
  CTKPropExchange* m_pContainer;  // not owned
  CString m_strSectionName;
  DWORD m_nCount = 0;
};

/// Owns one enumerator.
class CTKPropExchangeEnumeratorPtr {
 public:
  explicit CTKPropExchangeEnumeratorPtr(CTKPropExchangeEnumerator* pEnumerator)
      : m_pEnumerator(pEnumerator) {}
  virtual ~CTKPropExchangeEnumeratorPtr() { delete m_pEnumerator; }
  CTKPropExchangeEnumeratorPtr(const CTKPropExchangeEnumeratorPtr&) = delete;
  CTKPropExchangeEnumeratorPtr& operator=(const CTKPropExchangeEnumeratorPtr&) = delete;

  CTKPropExchangeEnumerator* operator->() const { return m_pEnumerator; }
  operator CTKPropExchangeEnumerator*() const { return m_pEnumerator; }

 private:
  CTKPropExchangeEnumerator* m_pEnumerator;
};

/// Holds one exchange and releases it when it goes.
class CTKPropExchangeSection {
 public:
  /// Takes over a section from GetSection (or any exchange with one reference).
  explicit CTKPropExchangeSection(CTKPropExchange* px) : m_px(px) {}
  /// A section of the application profile: a registry key under the
  /// application's key when it has one, else a section of its profile file.
  /// A storing section is emptied first.
  CTKPropExchangeSection(BOOL bLoading, LPCTSTR pszSection);
  ~CTKPropExchangeSection();
  CTKPropExchangeSection(const CTKPropExchangeSection&) = delete;
  CTKPropExchangeSection& operator=(const CTKPropExchangeSection&) = delete;

  CTKPropExchange* GetExchange() const { return m_px; }
  CTKPropExchange* operator->() const { return m_px; }
  operator CTKPropExchange*() const { return m_px; }

 private:
  CTKPropExchange* m_px;
};

// The text forms that the INI file (and the registry for rectangles and sizes) keep.

/// Store: backslash, line feed, carriage return and tab become "\\", "\n",
/// "\r" and "\t". Load: undone.
void AFXAPI EscapeExchangeString(CString& strValue, BOOL bLoading);
/// "%Y-%d-%m", "%H:%M:%S" or both joined by 'T'; empty for a null date and
/// "Invalid DateTime" for an invalid one.
CString AFXAPI FormatExchangeDateTime(const COleDateTime& dt);
/// Reads the text of FormatExchangeDateTime; a date must survive conversion
/// unchanged (31 April fails). FALSE leaves `dt` alone.
BOOL AFXAPI ParseExchangeDateTime(LPCTSTR pszText, COleDateTime& dt);
/// Each byte as two letters: 'A' + low four bits, then 'A' + high four bits.
CString AFXAPI EncodeBlobAsText(const BYTE* pData, DWORD cbData);
/// Undoes EncodeBlobAsText. A null *ppData is allocated with malloc; a given
/// block must hold the bytes (its size is left alone). FALSE for odd lengths.
BOOL AFXAPI DecodeBlobFromText(LPCTSTR pszText, BYTE** ppData, DWORD* pcbData);

// Helpers for every persistable object. Each returns 0 at once for a null
// exchange, else the result of the exchange.

BOOL AFXAPI ExchangeByteProp(CTKPropExchange* px, LPCTSTR pszPropName, BYTE& nValue, BYTE nDefault);
BOOL AFXAPI ExchangeShortProp(CTKPropExchange* px, LPCTSTR pszPropName, short& sValue,
                              short sDefault);
BOOL AFXAPI ExchangeIntNoDefault(CTKPropExchange* px, LPCTSTR pszPropName, int& nValue);
BOOL AFXAPI ExchangeIntProp(CTKPropExchange* px, LPCTSTR pszPropName, int& nValue, int nDefault);
BOOL AFXAPI ExchangeBoolProp(CTKPropExchange* px, LPCTSTR pszPropName, BOOL& bValue, BOOL bDefault);
BOOL AFXAPI ExchangeStringNoDefault(CTKPropExchange* px, LPCTSTR pszPropName, CString& strValue);
BOOL AFXAPI ExchangeStringProp(CTKPropExchange* px, LPCTSTR pszPropName, CString& strValue,
                               LPCTSTR pszDefault);
BOOL AFXAPI ExchangeSizeProp(CTKPropExchange* px, LPCTSTR pszPropName, CSize& szValue,
                             CSize szDefault);
/// Pixel measures: held at the screen DPI, stored at 96 DPI.
BOOL AFXAPI ExchangeDpiXProp(CTKPropExchange* px, LPCTSTR pszPropName, int& nValue, int nDefault);
BOOL AFXAPI ExchangeDpiYProp(CTKPropExchange* px, LPCTSTR pszPropName, int& nValue, int nDefault);
BOOL AFXAPI ExchangeDpiSizeProp(CTKPropExchange* px, LPCTSTR pszPropName, CSize& szValue,
                                CSize szDefault);
/// A rectangle of four 0x80000000 sides (no rectangle) is stored as it is.
BOOL AFXAPI ExchangeDpiRectProp(CTKPropExchange* px, LPCTSTR pszPropName, CRect& rcValue,
                                CRect rcDefault);
BOOL AFXAPI ExchangeRuntimeClassProp(CTKPropExchange* px, LPCTSTR pszPropName,
                                     CRuntimeClass*& pClass, CRuntimeClass* pDefaultClass);
BOOL AFXAPI ExchangeBinaryProp(CTKPropExchange* px, LPCTSTR pszPropName, BYTE** ppData,
                               DWORD* pcbData);
/// Serialises the object through GetArchive; an archive or OLE exception
/// thrown while it does gives 0.
BOOL AFXAPI ExchangeSerializableProp(CTKPropExchange* px, LPCTSTR pszPropName, CObject* pObject);
