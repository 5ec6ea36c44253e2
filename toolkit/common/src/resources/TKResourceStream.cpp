// Resource URLs, the read-only stream over what they name, and text widening.
#include "common/TKResourceStream.h"

#include <shlwapi.h>
#include <stdlib.h>
#include <string.h>

#include "common/TKResourceManager.h"
#include "common/TKScopedHandle.h"

namespace {

const char kFilePrefix[] = "file://";
const char kResourcePrefix[] = "res://";
const HRESULT kPathNotFound = 0x80070003;     // HRESULT_FROM_WIN32(ERROR_PATH_NOT_FOUND)
const HRESULT kBufferOverflow = 0x8007006F;   // HRESULT_FROM_WIN32(ERROR_BUFFER_OVERFLOW)
const HRESULT kFileNameTooLong = 0x800700CE;  // HRESULT_FROM_WIN32(ERROR_FILENAME_EXCED_RANGE)

HRESULT LastError() { return HRESULT_FROM_WIN32(::GetLastError()); }

HRESULT ExecutablePath(char* pszPath) {
  if (::GetModuleFileNameA(NULL, pszPath, MAX_PATH) == 0) return LastError();
  return S_OK;
}

/// lpszPath (nLength characters of it) beside the executable, or itself when
/// absolute.
HRESULT BesideExecutable(LPCSTR lpszPath, size_t nLength, char* pszOut, HRESULT hrTooLong) {
  char szFolder[MAX_PATH + 1];
  HRESULT hr = ExecutablePath(szFolder);
  if (FAILED(hr)) return hr;
  ::PathRemoveFileSpecA(szFolder);
  if (strlen(szFolder) + nLength >= MAX_PATH + 1) return hrTooLong;
  char szPart[MAX_PATH + 1];
  memcpy(szPart, lpszPath, nLength);
  szPart[nLength] = 0;
  if (::PathCombineA(pszOut, szFolder, szPart) == NULL) return hrTooLong;
  return S_OK;
}

/// A positive decimal number, all digits.
BOOL IsPositiveNumber(LPCSTR lpsz) {
  if (*lpsz == 0) return FALSE;
  for (LPCSTR p = lpsz; *p != 0; ++p)
    if (*p < '0' || *p > '9') return FALSE;
  return atoi(lpsz) > 0;
}

LPCSTR DefaultType(LPCSTR* pDefaultType, LPCSTR lpszName) {
  if (pDefaultType != NULL && *pDefaultType != NULL) return *pDefaultType;
  return ResourceTypeForExtension(lpszName);
}

HRESULT ParseResourcePart(LPCSTR lpszRest, TK_RESOURCE_URL* pUrl, LPCSTR* pDefaultType) {
  pUrl->nKind = 1;
  LPCSTR pLast = strrchr(lpszRest, '/');
  if (pLast == NULL) {
    if (strchr(lpszRest, '\\') != NULL) return kPathNotFound;
    HRESULT hr = ExecutablePath(pUrl->szPath);
    if (FAILED(hr)) return hr;
    if (lpszRest[0] == '#') {
      pUrl->lpszName = MAKEINTRESOURCEA(atoi(lpszRest + 1));
    } else {
      if (strlen(lpszRest) > 48) return kBufferOverflow;
      strcpy(pUrl->szNameBuffer, lpszRest);
      pUrl->lpszName = pUrl->szNameBuffer;
    }
    pUrl->lpszType = DefaultType(pDefaultType, pUrl->lpszName);
    return S_OK;
  }
  LPCSTR lpszName = pLast + 1;
  pUrl->lpszName = IsPositiveNumber(lpszName) ? MAKEINTRESOURCEA(atoi(lpszName)) : lpszName;
  // The type lies between the last two slashes, when there are two.
  LPCSTR pModuleEnd = pLast;
  LPCSTR pTypeStart = NULL;
  for (LPCSTR p = pLast - 1; p >= lpszRest; --p) {
    if (*p == '/') {
      pTypeStart = p + 1;
      pModuleEnd = p;
      break;
    }
  }
  if (pTypeStart != NULL) {
    size_t nType = (size_t)(pLast - pTypeStart);
    if (nType > 49) return kBufferOverflow;
    memcpy(pUrl->szTypeBuffer, pTypeStart, nType);
    pUrl->szTypeBuffer[nType] = 0;
    int nNumber = atoi(pUrl->szTypeBuffer);
    pUrl->lpszType = nNumber != 0 ? MAKEINTRESOURCEA(nNumber) : pUrl->szTypeBuffer;
  } else {
    pUrl->lpszType = DefaultType(pDefaultType, pUrl->lpszName);
  }
  size_t nModule = (size_t)(pModuleEnd - lpszRest);
  if (nModule == 1 && lpszRest[0] == '.') return ExecutablePath(pUrl->szPath);
  if (nModule > MAX_PATH) return kBufferOverflow;
  return BesideExecutable(lpszRest, nModule, pUrl->szPath, kBufferOverflow);
}

}  // namespace

HRESULT ParseResourceUrl(LPCSTR lpszUrl, TK_RESOURCE_URL* pUrl, LPCSTR* pDefaultType) {
  if (lpszUrl == NULL || pUrl == NULL) return E_POINTER;
  memset(pUrl, 0, sizeof(*pUrl));
  if (strncmp(lpszUrl, kResourcePrefix, sizeof(kResourcePrefix) - 1) == 0)
    return ParseResourcePart(lpszUrl + sizeof(kResourcePrefix) - 1, pUrl, pDefaultType);
  LPCSTR lpszPath = lpszUrl;
  if (strncmp(lpszUrl, kFilePrefix, sizeof(kFilePrefix) - 1) == 0)
    lpszPath += sizeof(kFilePrefix) - 1;
  pUrl->nKind = 0;
  return BesideExecutable(lpszPath, strlen(lpszPath), pUrl->szPath, kFileNameTooLong);
}

namespace {

HRESULT OpenResourceCopy(const TK_RESOURCE_URL* pUrl, IStream** ppInner) {
  CTKScopedModule module(::LoadLibraryExA(
      pUrl->szPath, NULL, LOAD_LIBRARY_AS_IMAGE_RESOURCE | LOAD_LIBRARY_AS_DATAFILE));
  if (!module) return LastError();
  HMODULE hModule = module.Get();
  HRESULT hr = S_OK;
  CString strType;
  LPCSTR lpszType = pUrl->lpszType;
  if (lpszType == NULL) {
    strType = FindResourceTypeOfName(hModule, pUrl->lpszName);
    lpszType = strType;
  }
  HRSRC hResource = ::FindResourceA(hModule, pUrl->lpszName, lpszType);
  if (hResource == NULL) {
    strType = FindResourceTypeOfName(hModule, pUrl->lpszName);
    hResource = ::FindResourceA(hModule, pUrl->lpszName, strType);
  }
  HGLOBAL hData = hResource != NULL ? ::LoadResource(hModule, hResource) : NULL;
  const void* pData = hData != NULL ? ::LockResource(hData) : NULL;
  DWORD nSize = hResource != NULL ? ::SizeofResource(hModule, hResource) : 0;
  HGLOBAL hCopy = pData != NULL ? ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, nSize) : NULL;
  if (hCopy == NULL) {
    hr = LastError();
    if (SUCCEEDED(hr)) hr = E_FAIL;
  } else {
    memcpy(::GlobalLock(hCopy), pData, nSize);
    ::GlobalUnlock(hCopy);
    hr = ::CreateStreamOnHGlobal(hCopy, TRUE, ppInner);
    if (FAILED(hr)) ::GlobalFree(hCopy);
  }
  return hr;
}

}  // namespace

HRESULT OpenResourceUrlStream(const TK_RESOURCE_URL* pUrl, IStream** ppStream) {
  if (pUrl == NULL || ppStream == NULL) return E_POINTER;
  *ppStream = NULL;
  IStream* pInner = NULL;
  HRESULT hr;
  if (pUrl->nKind == 0)
    hr = ::SHCreateStreamOnFileA(pUrl->szPath, STGM_READ | STGM_SHARE_DENY_WRITE, &pInner);
  else if (pUrl->nKind == 1)
    hr = OpenResourceCopy(pUrl, &pInner);
  else
    return E_INVALIDARG;
  if (FAILED(hr)) return hr;
  *ppStream = new CReadOnlyStreamWrapper(pInner);
  return S_OK;
}

// CReadOnlyStreamWrapper -----------------------------------------------------

STDMETHODIMP CReadOnlyStreamWrapper::QueryInterface(REFIID riid, void** ppv) {
  return m_pInner->QueryInterface(riid, ppv);
}

STDMETHODIMP_(ULONG) CReadOnlyStreamWrapper::AddRef() { return m_pInner->AddRef(); }

STDMETHODIMP_(ULONG) CReadOnlyStreamWrapper::Release() {
  ULONG nCount = m_pInner->Release();
  if (nCount == 0) delete this;
  return nCount;
}

STDMETHODIMP CReadOnlyStreamWrapper::Read(void* pv, ULONG cb, ULONG* pcbRead) {
  return m_pInner->Read(pv, cb, pcbRead);
}

STDMETHODIMP CReadOnlyStreamWrapper::Write(const void*, ULONG, ULONG*) { return E_ACCESSDENIED; }

STDMETHODIMP CReadOnlyStreamWrapper::Seek(LARGE_INTEGER dlibMove, DWORD dwOrigin,
                                          ULARGE_INTEGER* plibNewPosition) {
  return m_pInner->Seek(dlibMove, dwOrigin, plibNewPosition);
}

STDMETHODIMP CReadOnlyStreamWrapper::SetSize(ULARGE_INTEGER) { return E_ACCESSDENIED; }

STDMETHODIMP CReadOnlyStreamWrapper::CopyTo(IStream* pstm, ULARGE_INTEGER cb,
                                            ULARGE_INTEGER* pcbRead, ULARGE_INTEGER* pcbWritten) {
  return m_pInner->CopyTo(pstm, cb, pcbRead, pcbWritten);
}

STDMETHODIMP CReadOnlyStreamWrapper::Commit(DWORD) { return E_ACCESSDENIED; }

STDMETHODIMP CReadOnlyStreamWrapper::Revert() { return E_ACCESSDENIED; }

STDMETHODIMP CReadOnlyStreamWrapper::LockRegion(ULARGE_INTEGER libOffset, ULARGE_INTEGER cb,
                                                DWORD dwLockType) {
  return m_pInner->LockRegion(libOffset, cb, dwLockType);
}

STDMETHODIMP CReadOnlyStreamWrapper::UnlockRegion(ULARGE_INTEGER libOffset, ULARGE_INTEGER cb,
                                                  DWORD dwLockType) {
  return m_pInner->UnlockRegion(libOffset, cb, dwLockType);
}

STDMETHODIMP CReadOnlyStreamWrapper::Stat(STATSTG* pstatstg, DWORD grfStatFlag) {
  return m_pInner->Stat(pstatstg, grfStatFlag);
}

STDMETHODIMP CReadOnlyStreamWrapper::Clone(IStream** ppstm) {
  if (ppstm == NULL) return E_POINTER;
  IStream* pClone = NULL;
  HRESULT hr = m_pInner->Clone(&pClone);
  if (FAILED(hr)) return hr;
  *ppstm = new CReadOnlyStreamWrapper(pClone);
  return S_OK;
}

// Text widening ------------------------------------------------------------------

namespace {

BOOL CopyWide(const BYTE* pBytes, DWORD nChars, WCHAR* pWide, int& nLength) {
  const WCHAR* pFrom = reinterpret_cast<const WCHAR*>(pBytes);
  DWORD nCount = 0;
  while (nCount < nChars && pFrom[nCount] != 0) ++nCount;
  if (nLength - 1 < (int)nCount) return FALSE;
  memcpy(pWide, pFrom, nCount * sizeof(WCHAR));
  pWide[nCount] = 0;
  nLength = (int)nCount;
  return TRUE;
}

}  // namespace

BOOL ConvertTextToWide(const BYTE* pBytes, DWORD nSize, WCHAR* pWide, int* pnLength) {
  if (pBytes == NULL || pWide == NULL || pnLength == NULL) return FALSE;
  int& nLength = *pnLength;
  if (nSize > 2 && pBytes[0] == 0xFF && pBytes[1] == 0xFE)
    return CopyWide(pBytes + 2, (nSize - 2) / 2, pWide, nLength);
  UINT nCodePage = CP_ACP;
  if (nSize > 3 && pBytes[0] == 0xEF && pBytes[1] == 0xBB && pBytes[2] == 0xBF) {
    pBytes += 3;
    nSize -= 3;
    nCodePage = CP_UTF8;
  }
  if (nSize == 0) {
    if (nLength <= 0) return FALSE;
    pWide[0] = 0;
    nLength = 0;
    return TRUE;
  }
  if (nCodePage == CP_ACP && ::IsTextUnicode(pBytes, (int)nSize, NULL))
    return CopyWide(pBytes, nSize / 2, pWide, nLength);
  if (nLength <= 1) return FALSE;
  int nBytes = 0;
  while ((DWORD)nBytes < nSize && pBytes[nBytes] != 0) ++nBytes;
  int nConverted = ::MultiByteToWideChar(nCodePage, 0, reinterpret_cast<LPCSTR>(pBytes), nBytes,
                                         pWide, nLength - 1);
  if (nConverted <= 0) return FALSE;
  pWide[nConverted] = 0;
  nLength = nConverted;
  return TRUE;
}
