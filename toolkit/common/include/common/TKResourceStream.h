// Resource URLs ("file://" and "res://"), read-only streams over what they
// name, and the widening of loaded text by its byte-order mark.
#pragma once

#include <afx.h>
#include <objidl.h>

/// A parsed resource URL (ParseResourceUrl).
struct TK_RESOURCE_URL {
  /// 0 a file, 1 a resource.
  int nKind;
  /// The file's full path, or the full path of the module holding the resource.
  char szPath[MAX_PATH + 1];
  /// The resource type: a string or MAKEINTRESOURCE id; null to look it up by
  /// the name.
  LPCSTR lpszType;
  /// The resource name: a string or MAKEINTRESOURCE id.
  LPCSTR lpszName;
  char szTypeBuffer[50];
  char szNameBuffer[50];
};

/// Parses "file://path", a bare path (both relative to the executable's
/// folder unless absolute) or "res://" followed by "[module/][type/]name"
/// ("." or nothing is the executable; a name "#n" or a positive number is a
/// numeric id). pDefaultType, when given and not null, is the type of a URL
/// that names none; otherwise the name's extension decides. 0 on success,
/// E_POINTER, 0x80070003 (a '\' in a bare resource name), 0x8007006F (a part
/// too long) or 0x800700CE (a path too long).
HRESULT ParseResourceUrl(LPCSTR lpszUrl, TK_RESOURCE_URL* pUrl, LPCSTR* pDefaultType = NULL);

/// A read-only stream over the parsed URL's file or resource (a copy in
/// memory); E_INVALIDARG for an unknown kind, else the error of the system.
HRESULT OpenResourceUrlStream(const TK_RESOURCE_URL* pUrl, IStream** ppStream);

/// Passes reads, seeks and queries to the stream it wraps and refuses every
/// change with E_ACCESSDENIED. It has no reference count of its own: it goes
/// when the inner stream's count reaches 0 through it.
class CReadOnlyStreamWrapper : public IStream {
 public:
  /// Takes over one reference of pInner.
  explicit CReadOnlyStreamWrapper(IStream* pInner) : m_pInner(pInner) {}

  STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
  STDMETHODIMP_(ULONG) AddRef() override;
  STDMETHODIMP_(ULONG) Release() override;
  STDMETHODIMP Read(void* pv, ULONG cb, ULONG* pcbRead) override;
  STDMETHODIMP Write(const void* pv, ULONG cb, ULONG* pcbWritten) override;
  STDMETHODIMP Seek(LARGE_INTEGER dlibMove, DWORD dwOrigin,
                    ULARGE_INTEGER* plibNewPosition) override;
  STDMETHODIMP SetSize(ULARGE_INTEGER libNewSize) override;
  STDMETHODIMP CopyTo(IStream* pstm, ULARGE_INTEGER cb, ULARGE_INTEGER* pcbRead,
                      ULARGE_INTEGER* pcbWritten) override;
  STDMETHODIMP Commit(DWORD grfCommitFlags) override;
  STDMETHODIMP Revert() override;
  STDMETHODIMP LockRegion(ULARGE_INTEGER libOffset, ULARGE_INTEGER cb, DWORD dwLockType) override;
  STDMETHODIMP UnlockRegion(ULARGE_INTEGER libOffset, ULARGE_INTEGER cb, DWORD dwLockType) override;
  STDMETHODIMP Stat(STATSTG* pstatstg, DWORD grfStatFlag) override;
  STDMETHODIMP Clone(IStream** ppstm) override;

 private:
  virtual ~CReadOnlyStreamWrapper() = default;
  IStream* m_pInner;
};

/// Widens loaded text: UTF-16 after an FF FE mark, UTF-8 after EF BB BF, text
/// that IsTextUnicode takes for UTF-16, else the ANSI code page; up to the
/// first NUL. *pnLength is the buffer's capacity in wide characters on the
/// way in and the number stored (a NUL follows) on the way out. FALSE for null
/// arguments, a buffer too small for UTF-16, nothing converted, or an empty
/// text with no room at all.
BOOL ConvertTextToWide(const BYTE* pBytes, DWORD nSize, WCHAR* pWide, int* pnLength);
