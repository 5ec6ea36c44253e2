// CArchive: the binary stream of serialised objects, byte-compatible with the
// established MFC archive format (little-endian values, counted strings, class
// tags and an object table that turns repeated objects into back references).
#pragma once

#include "afxfile.h"

#include <unordered_map>
#include <vector>

/// Reads or writes a CFile through a buffer. Short reads of typed values and
/// format errors throw CArchiveException*.
class CArchive {
 public:
  enum Mode { store = 0, load = 1, bNoFlushOnDelete = 2, bNoByteSwap = 4 };

  CArchive(CFile* pFile, UINT nMode, int nBufSize = 4096, void* lpBuf = NULL);
  /// Flushes a storing archive unless opened with bNoFlushOnDelete.
  ~CArchive();
  CArchive(const CArchive&) = delete;
  CArchive& operator=(const CArchive&) = delete;

  BOOL IsLoading() const { return (m_nMode & load) != 0; }
  BOOL IsStoring() const { return (m_nMode & load) == 0; }
  BOOL IsByteSwapping() const { return FALSE; }
  BOOL IsBufferEmpty() const { return m_nPos >= m_buffer.size(); }
  CFile* GetFile() const { return m_pFile; }

  /// Returns up to nMax bytes; fewer at the end of the file.
  UINT Read(void* lpBuf, UINT nMax);
  void Write(const void* lpBuf, UINT nMax);
  /// Storing: writes the buffer to the file. Loading: seeks the file back
  /// over the bytes read ahead, so that it stands where the reader does.
  void Flush();
  /// Flushes (either way) and detaches from the file.
  void Close();
  /// Detaches from the file without flushing or throwing.
  void Abort();

  /// Counts: a WORD, or 0xFFFF and a DWORD, or 0xFFFF, 0xFFFFFFFF and a 64-bit value.
  void WriteCount(DWORD_PTR dwCount);
  DWORD_PTR ReadCount();

  /// Writes the object's class and state, or a back reference to an object
  /// written before. A class that is not serialisable (no IMPLEMENT_SERIAL)
  /// throws CNotSupportedException before anything is written; so does
  /// WriteClass.
  void WriteObject(const CObject* pOb);
  /// Reads an object (or a reference to one read before); badClass when it is
  /// not a `pClass`, badSchema when its stored schema does not match.
  CObject* ReadObject(const CRuntimeClass* pClass);
  void WriteClass(const CRuntimeClass* pClassRef);
  /// Reads a class tag; the stored schema goes to `pSchema` (or GetObjectSchema).
  /// With `pObTag` a tag that refers to an object returns null and its number.
  CRuntimeClass* ReadClass(const CRuntimeClass* pClassRefRequested = NULL, UINT* pSchema = NULL,
                           DWORD* pObTag = NULL);
  void SerializeClass(const CRuntimeClass* pClassRef);
  /// Enters an object into the table as if it had been written or read, so that
  /// later references to it become back references.
  void MapObject(const CObject* pOb);

  /// The schema stored with the object being read; (UINT)-1 once asked.
  UINT GetObjectSchema();
  void SetObjectSchema(UINT nSchema) { m_nObjectSchema = nSchema; }

  CArchive& operator<<(BYTE b) { return WriteRaw(b); }
  CArchive& operator<<(WORD w) { return WriteRaw(w); }
  CArchive& operator<<(LONG l) { return WriteRaw(l); }
  CArchive& operator<<(DWORD dw) { return WriteRaw(dw); }
  CArchive& operator<<(float f) { return WriteRaw(f); }
  CArchive& operator<<(double d) { return WriteRaw(d); }
  CArchive& operator<<(LONGLONG n) { return WriteRaw(n); }
  CArchive& operator<<(ULONGLONG n) { return WriteRaw(n); }
  CArchive& operator<<(int i) { return WriteRaw(i); }
  CArchive& operator<<(short s) { return WriteRaw(s); }
  CArchive& operator<<(char ch) { return WriteRaw(ch); }
  CArchive& operator<<(wchar_t ch) { return WriteRaw(ch); }
  CArchive& operator<<(unsigned u) { return WriteRaw(u); }
  CArchive& operator<<(bool b) { return WriteRaw(static_cast<BYTE>(b ? 1 : 0)); }
  CArchive& operator<<(const CObject* pOb) {
    WriteObject(pOb);
    return *this;
  }

  CArchive& operator>>(BYTE& b) { return ReadRaw(b); }
  CArchive& operator>>(WORD& w) { return ReadRaw(w); }
  CArchive& operator>>(LONG& l) { return ReadRaw(l); }
  CArchive& operator>>(DWORD& dw) { return ReadRaw(dw); }
  CArchive& operator>>(float& f) { return ReadRaw(f); }
  CArchive& operator>>(double& d) { return ReadRaw(d); }
  CArchive& operator>>(LONGLONG& n) { return ReadRaw(n); }
  CArchive& operator>>(ULONGLONG& n) { return ReadRaw(n); }
  CArchive& operator>>(int& i) { return ReadRaw(i); }
  CArchive& operator>>(short& s) { return ReadRaw(s); }
  CArchive& operator>>(char& ch) { return ReadRaw(ch); }
  CArchive& operator>>(wchar_t& ch) { return ReadRaw(ch); }
  CArchive& operator>>(unsigned& u) { return ReadRaw(u); }
  CArchive& operator>>(bool& b);
  CArchive& operator>>(CObject*& pOb) {
    pOb = ReadObject(NULL);
    return *this;
  }
  CArchive& operator>>(const CObject*& pOb) {
    pOb = ReadObject(NULL);
    return *this;
  }

  CString m_strFileName;
  void* m_pDocument = nullptr;

 private:
  struct LoadEntry {
    void* p;
    bool isClass;
  };

  template <typename V>
  CArchive& WriteRaw(const V& v) {
    Write(&v, sizeof v);
    return *this;
  }
  template <typename V>
  CArchive& ReadRaw(V& v) {
    ReadExactly(&v, sizeof v);
    return *this;
  }
  void ReadExactly(void* lpBuf, UINT n);
  void FillBuffer();
  void CheckMapCount() const;
  DWORD ReadTag(WORD* pwTag);
  void WriteIndexTag(DWORD nIndex, DWORD bigFlag, WORD smallFlag);

  CFile* m_pFile;
  UINT m_nMode;
  UINT m_nBufSize;
  std::vector<BYTE> m_buffer;  // storing: pending bytes; loading: bytes read ahead
  size_t m_nPos = 0;           // loading: next byte in m_buffer
  UINT m_nObjectSchema = (UINT)-1;
  std::vector<LoadEntry> m_loadArray;                 // index = tag; 0 is the null object
  std::unordered_map<const void*, DWORD> m_storeMap;  // class or object -> tag
  DWORD m_nStoreCount = 1;
  std::unordered_map<const CRuntimeClass*, UINT> m_schemas;  // stored schema by class
};

CArchive& AFXAPI operator<<(CArchive& ar, const CStringA& str);
CArchive& AFXAPI operator<<(CArchive& ar, const CStringW& str);
CArchive& AFXAPI operator>>(CArchive& ar, CStringA& str);
CArchive& AFXAPI operator>>(CArchive& ar, CStringW& str);
CArchive& AFXAPI operator<<(CArchive& ar, SIZE size);
CArchive& AFXAPI operator<<(CArchive& ar, POINT point);
CArchive& AFXAPI operator<<(CArchive& ar, const RECT& rect);
CArchive& AFXAPI operator>>(CArchive& ar, SIZE& size);
CArchive& AFXAPI operator>>(CArchive& ar, POINT& point);
CArchive& AFXAPI operator>>(CArchive& ar, RECT& rect);

/// String length prefix: a BYTE below 0xFF, else 0xFF and a WORD below 0xFFFE,
/// else 0xFFFF and a DWORD, else 0xFFFFFFFF and a 64-bit length. Wide strings
/// are preceded by the marker 0xFF 0xFFFE.
void AFXAPI AfxWriteStringLength(CArchive& ar, ULONGLONG nLength, BOOL bUnicode);
/// Reads a length prefix; `nCharSize` becomes 2 after a wide marker, else 1.
ULONGLONG AFXAPI AfxReadStringLength(CArchive& ar, int& nCharSize);
