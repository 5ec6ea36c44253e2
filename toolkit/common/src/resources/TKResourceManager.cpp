// The resource manager: its loads, the selected language and text in it.
#include "common/TKResourceManager.h"

#include <string.h>

#include <vector>

#include "common/TKOSVersionHelper.h"

namespace {

const LANGID kEnglishUS = 1033;
const WORD kStringsPerBlock = 16;

PROCESS_LOCAL(CTKResourceManager, g_resourceManager)

CNoTrackObject* AFXAPI CreateResourceManager() { return new CTKResourceManager; }

HMODULE ExecutableModule() { return ::GetModuleHandleA(nullptr); }

// The resource in the executable, else in the module the resource search names.
HRSRC FindOwnFirst(LPCTSTR lpszName, LPCTSTR lpszType, HMODULE* phModule) {
  *phModule = ExecutableModule();
  if (HRSRC hResource = ::FindResourceA(*phModule, lpszName, lpszType)) return hResource;
  *phModule = AfxFindResourceHandle(lpszName, lpszType);
  return *phModule != nullptr ? ::FindResourceA(*phModule, lpszName, lpszType) : nullptr;
}

}  // namespace

CTKResourceManager* AFXAPI TKResourceManager() {
  CTKResourceManager* pManager = static_cast<CTKResourceManager*>(
      g_resourceManager.CProcessLocalObject::GetData(&CreateResourceManager));
  if (pManager == nullptr) AfxThrowInvalidArgException();
  return pManager;
}

CTKResourceManager::CTKResourceManager() : m_pLanguageInfo(LookupLanguageInfo(kEnglishUS)) {
  LOGFONTA lf = {};
  ::SystemParametersInfoA(SPI_GETICONTITLELOGFONT, sizeof lf, &lf, 0);
  m_nFontCharSet = lf.lfCharSet;
}

CTKResourceManager::~CTKResourceManager() { FreeResourceModule(); }

void CTKResourceManager::SetLanguageInfo(LANGID wLanguage) {
  const TK_LANGUAGE_INFO* pInfo = LookupLanguageInfo(wLanguage);
  m_pLanguageInfo = pInfo != nullptr ? pInfo : LookupLanguageInfo(kEnglishUS);
}

LANGID CTKResourceManager::GetLanguage() const { return m_pLanguageInfo->wLanguage; }

void CTKResourceManager::DetectResourceLanguage() {
  SetLanguageInfo(DetectModuleLanguage(ExecutableModule()));
}

void CTKResourceManager::FreeResourceModule() {
  if (m_hResourceFile == nullptr) return;
  ::FreeLibrary(m_hResourceFile);
  m_hResourceFile = nullptr;
}

CString CTKResourceManager::LoadString(UINT nID, BOOL* pbError) {
  CString str;
  BOOL bLoaded = LoadStringInto(str, nID);
  if (pbError != nullptr) *pbError = !bLoaded;
  return str;
}

BOOL CTKResourceManager::LoadStringInto(CString& str, UINT nID) { return str.LoadString(nID); }

BOOL CTKResourceManager::LoadMenu(CMenu* pMenu, UINT nID) {
  if (pMenu == nullptr) return FALSE;
  LPCTSTR lpszName = MAKEINTRESOURCE(nID);
  HMENU hMenu = ::LoadMenuA(AfxFindResourceHandle(lpszName, RT_MENU), lpszName);
  return hMenu != nullptr && pMenu->Attach(hMenu);
}

BOOL CTKResourceManager::LoadToolBar(CToolBar* pToolBar, UINT nID) {
  return pToolBar != nullptr && pToolBar->LoadToolBar(nID);
}

BOOL CTKResourceManager::LoadBitmap(CBitmap* pBitmap, LPCTSTR lpszResourceName) {
  if (pBitmap == nullptr) return FALSE;
  HBITMAP hBitmap =
      ::LoadBitmapA(AfxFindResourceHandle(lpszResourceName, RT_BITMAP), lpszResourceName);
  return hBitmap != nullptr && pBitmap->Attach(hBitmap);
}

BOOL CTKResourceManager::LoadBitmapById(CBitmap* pBitmap, UINT nID) {
  return LoadBitmap(pBitmap, MAKEINTRESOURCE(nID));
}

HCURSOR CTKResourceManager::LoadCursor(UINT nID) {
  LPCTSTR lpszName = MAKEINTRESOURCE(nID);
  // A cursor is found by its group; its images carry numbers of their own.
  return ::LoadCursorA(AfxFindResourceHandle(lpszName, RT_GROUP_CURSOR), lpszName);
}

LPCDLGTEMPLATE CTKResourceManager::LoadDialogTemplate(UINT nID) {
  if (nID == 0) return nullptr;
  HGLOBAL hTemplate = LoadDialogResource(MAKEINTRESOURCE(nID));
  return hTemplate != nullptr ? static_cast<LPCDLGTEMPLATE>(::LockResource(hTemplate)) : nullptr;
}

HGLOBAL CTKResourceManager::LoadDialogResource(LPCTSTR lpszName) {
  HMODULE hModule = AfxFindResourceHandle(lpszName, RT_DIALOG);
  if (hModule == nullptr) return nullptr;
  HRSRC hResource = ::FindResourceA(ExecutableModule(), lpszName, RT_DIALOG);
  if (hResource != nullptr)
    hModule = ExecutableModule();
  else
    hResource = ::FindResourceA(hModule, lpszName, RT_DIALOG);
  return hResource != nullptr ? ::LoadResource(hModule, hResource) : nullptr;
}

BOOL CTKResourceManager::LoadHTML(CString* pText, LPCTSTR lpszName) {
  if (pText == nullptr) return FALSE;
  HMODULE hModule;
  HRSRC hResource = FindOwnFirst(lpszName, RT_HTML, &hModule);
  if (hResource == nullptr) return FALSE;
  DWORD cbData = ::SizeofResource(hModule, hResource);
  HGLOBAL hData = ::LoadResource(hModule, hResource);
  const char* pData = hData != nullptr ? static_cast<const char*>(::LockResource(hData)) : nullptr;
  if (pData == nullptr || cbData == 0) return FALSE;
  // The page ends at its first zero byte, or with the resource.
  const void* pZero = memchr(pData, 0, cbData);
  size_t nLength = pZero != nullptr ? static_cast<const char*>(pZero) - pData : cbData;
  *pText = CString(pData, static_cast<int>(nLength));
  return TRUE;
}

BOOL CTKResourceManager::LoadHTMLById(CString* pText, UINT nID) {
  return LoadHTML(pText, MAKEINTRESOURCE(nID));
}

HICON CTKResourceManager::LoadIconById(UINT nID, int cx, int cy) {
  return LoadIcon(MAKEINTRESOURCE(nID), cx, cy);
}

HICON CTKResourceManager::LoadIcon(LPCTSTR lpszName, int cx, int cy) {
  HMODULE hModule = AfxFindResourceHandle(lpszName, RT_GROUP_ICON);
  return static_cast<HICON>(::LoadImageA(hModule, lpszName, IMAGE_ICON, cx, cy, LR_DEFAULTCOLOR));
}

HICON CTKResourceManager::CreateIconFromResource(HMODULE hModule, LPCTSTR lpszName, int cx,
                                                 int cy) {
  HRSRC hGroup = ::FindResourceA(hModule, lpszName, RT_GROUP_ICON);
  HGLOBAL hGroupData = hGroup != nullptr ? ::LoadResource(hModule, hGroup) : nullptr;
  BYTE* pDirectory =
      hGroupData != nullptr ? static_cast<BYTE*>(::LockResource(hGroupData)) : nullptr;
  if (pDirectory == nullptr) return nullptr;
  int nIconId = ::LookupIconIdFromDirectoryEx(pDirectory, TRUE, cx, cy, 0);
  HRSRC hIcon =
      nIconId != 0 ? ::FindResourceA(hModule, MAKEINTRESOURCE(nIconId), RT_ICON) : nullptr;
  HGLOBAL hIconData = hIcon != nullptr ? ::LoadResource(hModule, hIcon) : nullptr;
  BYTE* pBits = hIconData != nullptr ? static_cast<BYTE*>(::LockResource(hIconData)) : nullptr;
  if (pBits == nullptr) return nullptr;
  return ::CreateIconFromResourceEx(pBits, ::SizeofResource(hModule, hIcon), TRUE, 0x30000, cx, cy,
                                    0);
}

int CTKResourceManager::ShowMessageBox(LPCTSTR lpszText, UINT nType) {
  UINT nCodePage = m_pLanguageInfo->nCodePage;
  if (nCodePage == 1255 || nCodePage == 1256) nType |= MB_RTLREADING;
  return AfxMessageBox(lpszText, nType);
}

int CTKResourceManager::GetMenuString(CMenu* pMenu, UINT nIDItem, CString& rString, UINT nFlags) {
  if (pMenu == nullptr || pMenu->m_hMenu == nullptr) return 0;
  int nLength = ::GetMenuStringA(pMenu->m_hMenu, nIDItem, nullptr, 0, nFlags);
  if (nLength < 1) {
    rString.Empty();
    return nLength;
  }
  if (!TKOSVersionHelper()->IsWin2KOrGreater()) {
    ::GetMenuStringA(pMenu->m_hMenu, nIDItem, rString.GetBuffer(nLength + 1), nLength + 1, nFlags);
    rString.ReleaseBuffer();
    return nLength;
  }
  std::vector<WCHAR> wide(nLength + 1, L'\0');
  ::GetMenuStringW(pMenu->m_hMenu, nIDItem, wide.data(), nLength + 1, nFlags);
  int nBytes = ::WideCharToMultiByte(m_pLanguageInfo->nCodePage, 0, wide.data(), nLength, nullptr,
                                     0, nullptr, nullptr);
  ::WideCharToMultiByte(m_pLanguageInfo->nCodePage, 0, wide.data(), nLength,
                        rString.GetBufferSetLength(nBytes), nBytes, nullptr, nullptr);
  rString.ReleaseBuffer(nBytes);
  return nLength;
}

int CTKResourceManager::LoadStringFromModule(HMODULE hModule, UINT nID, CString& rString) {
  rString.Empty();
  LPCTSTR lpszBlock = MAKEINTRESOURCE(nID / kStringsPerBlock + 1);
  HRSRC hResource = ::FindResourceA(hModule, lpszBlock, RT_STRING);
  HGLOBAL hData = hResource != nullptr ? ::LoadResource(hModule, hResource) : nullptr;
  const WCHAR* p = hData != nullptr ? static_cast<const WCHAR*>(::LockResource(hData)) : nullptr;
  if (p == nullptr) return 0;
  // Each string is its length and its characters; none may run past the block.
  const WCHAR* pEnd = p + ::SizeofResource(hModule, hResource) / sizeof(WCHAR);
  for (UINT i = nID % kStringsPerBlock; i > 0; --i) {
    if (p >= pEnd || *p > pEnd - p - 1) return 0;
    p += 1 + *p;
  }
  if (p >= pEnd || *p == 0 || *p > pEnd - p - 1) return 0;
  int nChars = *p;
  int nBytes = ::WideCharToMultiByte(m_pLanguageInfo->nCodePage, 0, p + 1, nChars, nullptr, 0,
                                     nullptr, nullptr);
  if (nBytes <= 0) return 0;
  ::WideCharToMultiByte(m_pLanguageInfo->nCodePage, 0, p + 1, nChars,
                        rString.GetBufferSetLength(nBytes), nBytes, nullptr, nullptr);
  rString.ReleaseBuffer(nBytes);
  return nBytes;
}
