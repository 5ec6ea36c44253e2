// Visual-styles calls bound at run time, with their fixed answers when
// UxTheme or an entry point is missing.
#include "common/TKWinThemeWrapper.h"

#include "common/TKOSVersionHelper.h"

namespace {

const char* const kEntryNames[CTKWinThemeWrapper::slotCount] = {
    "DrawThemeBackground", "CloseThemeData",     "OpenThemeData",    "IsThemeActive",
    "IsAppThemed",         "GetThemeSysColor",   "GetThemeSysBool",  "GetThemeColor",
    "GetCurrentThemeName", "BeginBufferedPaint", "EndBufferedPaint", "DrawThemeTextEx"};

const COLORREF kNoColor = static_cast<COLORREF>(-1);

void BuildTable(CTKWinThemeWrapper::CFunctionTable* pTable, LPCSTR lpszModule) {
  pTable->dwComCtlVersion = TKOSVersionHelper()->GetComCtlVersion();
  for (FARPROC& pfn : pTable->pfn) pfn = nullptr;
  // Never freed: handles and drawing code of it may be anywhere in the process.
  pTable->hModule = ::LoadLibraryA(lpszModule);
}

CTKWinThemeWrapper::CFunctionTable* SharedTable(BOOL bRecheck) {
  static CTKWinThemeWrapper::CFunctionTable s_tables[2];
  static volatile LONG s_bBuilt[2];
  int kind = bRecheck ? 1 : 0;
  if (!s_bBuilt[kind]) {
    BuildTable(&s_tables[kind], "UXTHEME.DLL");
    s_bBuilt[kind] = TRUE;
  }
  return &s_tables[kind];
}

typedef HRESULT(WINAPI* PFNDRAWTHEMEBACKGROUND)(HTHEME, HDC, int, int, const RECT*, const RECT*);
typedef HRESULT(WINAPI* PFNCLOSETHEMEDATA)(HTHEME);
typedef HTHEME(WINAPI* PFNOPENTHEMEDATA)(HWND, LPCWSTR);
typedef BOOL(WINAPI* PFNBOOL)();
typedef COLORREF(WINAPI* PFNGETTHEMESYSCOLOR)(HTHEME, int);
typedef BOOL(WINAPI* PFNGETTHEMESYSBOOL)(HTHEME, int);
typedef HRESULT(WINAPI* PFNGETTHEMECOLOR)(HTHEME, int, int, int, COLORREF*);
typedef HRESULT(WINAPI* PFNGETCURRENTTHEMENAME)(LPWSTR, int, LPWSTR, int, LPWSTR, int);
typedef HPAINTBUFFER(WINAPI* PFNBEGINBUFFEREDPAINT)(HDC, const RECT*, BP_BUFFERFORMAT,
                                                    BP_PAINTPARAMS*, HDC*);
typedef HRESULT(WINAPI* PFNENDBUFFEREDPAINT)(HPAINTBUFFER, BOOL);
typedef HRESULT(WINAPI* PFNDRAWTHEMETEXTEX)(HTHEME, HDC, int, int, LPCWSTR, int, DWORD, LPRECT,
                                            const DTTOPTS*);

}  // namespace

CTKWinThemeWrapper::CTKWinThemeWrapper(BOOL bRecheck)
    : m_hTheme(NULL), m_bRecheck(bRecheck), m_pPrivateTable(nullptr), m_hThemeModule(NULL) {}

CTKWinThemeWrapper::~CTKWinThemeWrapper() {
  CloseThemeData();
  delete m_pPrivateTable;
}

CTKWinThemeWrapper::CFunctionTable* CTKWinThemeWrapper::GetFunctionTable() {
  return m_pPrivateTable ? m_pPrivateTable : SharedTable(m_bRecheck);
}

void CTKWinThemeWrapper::UsePrivateFunctionTable(LPCSTR lpszModule) {
  CloseThemeData();
  if (m_pPrivateTable == nullptr) m_pPrivateTable = new CFunctionTable;
  BuildTable(m_pPrivateTable, lpszModule);
}

void CTKWinThemeWrapper::RefreshFunctionTable() {
  if (!m_bRecheck) return;
  CFunctionTable* pTable = GetFunctionTable();
  HMODULE hLoaded = ::GetModuleHandleA("UXTHEME.DLL");
  if (hLoaded == pTable->hModule) return;
  pTable->hModule = hLoaded;
  for (FARPROC& pfn : pTable->pfn) pfn = nullptr;
}

FARPROC CTKWinThemeWrapper::Entry(FunctionSlot slot) {
  CFunctionTable* pTable = GetFunctionTable();
  if (pTable->hModule == NULL) return nullptr;
  if (pTable->pfn[slot] == nullptr)
    pTable->pfn[slot] = ::GetProcAddress(pTable->hModule, kEntryNames[slot]);
  return pTable->pfn[slot];
}

FARPROC CTKWinThemeWrapper::ThemedEntry(FunctionSlot slot) {
  if (m_hTheme == NULL || GetFunctionTable()->hModule != m_hThemeModule) return nullptr;
  return Entry(slot);
}

void CTKWinThemeWrapper::OpenThemeData(HWND hWnd, LPCWSTR pszClassList) {
  // Closed by the module that opened it, before a recheck may change modules.
  CloseThemeData();
  RefreshFunctionTable();
  if (pszClassList == nullptr) return;
  PFNOPENTHEMEDATA pfn = reinterpret_cast<PFNOPENTHEMEDATA>(Entry(slotOpenThemeData));
  if (pfn == nullptr) return;
  m_hTheme = pfn(hWnd, pszClassList);
  m_hThemeModule = m_hTheme ? GetFunctionTable()->hModule : NULL;
}

void CTKWinThemeWrapper::CloseThemeData() {
  if (m_hTheme != NULL) {
    PFNCLOSETHEMEDATA pfn = reinterpret_cast<PFNCLOSETHEMEDATA>(ThemedEntry(slotCloseThemeData));
    if (pfn) pfn(m_hTheme);
  }
  m_hTheme = NULL;
  m_hThemeModule = NULL;
}

HRESULT CTKWinThemeWrapper::DrawThemeBackground(HDC hDC, int iPartId, int iStateId,
                                                const RECT* pRect, const RECT* pClipRect) {
  PFNDRAWTHEMEBACKGROUND pfn =
      reinterpret_cast<PFNDRAWTHEMEBACKGROUND>(ThemedEntry(slotDrawThemeBackground));
  if (pfn == nullptr || hDC == NULL || pRect == nullptr) return E_FAIL;
  return pfn(m_hTheme, hDC, iPartId, iStateId, pRect, pClipRect);
}

HRESULT CTKWinThemeWrapper::GetThemeColor(int iPartId, int iStateId, int iPropId,
                                          COLORREF* pColor) {
  PFNGETTHEMECOLOR pfn = reinterpret_cast<PFNGETTHEMECOLOR>(ThemedEntry(slotGetThemeColor));
  if (pfn == nullptr || pColor == nullptr) return E_FAIL;
  COLORREF color = *pColor;
  HRESULT hr = pfn(m_hTheme, iPartId, iStateId, iPropId, &color);
  if (SUCCEEDED(hr)) *pColor = color;
  return hr;
}

COLORREF CTKWinThemeWrapper::GetThemeSysColor(int iColorId) {
  // A null theme is allowed here: it asks for the system's colour.
  PFNGETTHEMESYSCOLOR pfn = reinterpret_cast<PFNGETTHEMESYSCOLOR>(Entry(slotGetThemeSysColor));
  if (pfn == nullptr) return kNoColor;
  return pfn(m_hTheme, iColorId);
}

BOOL CTKWinThemeWrapper::GetThemeSysBool(int iBoolId) {
  PFNGETTHEMESYSBOOL pfn = reinterpret_cast<PFNGETTHEMESYSBOOL>(Entry(slotGetThemeSysBool));
  if (pfn == nullptr) return FALSE;
  return pfn(m_hTheme, iBoolId);
}

HRESULT CTKWinThemeWrapper::DrawThemeTextEx(HDC hDC, int iPartId, int iStateId, LPCWSTR pszText,
                                            int cchText, DWORD dwTextFlags, LPRECT pRect,
                                            const DTTOPTS* pOptions) {
  PFNDRAWTHEMETEXTEX pfn = reinterpret_cast<PFNDRAWTHEMETEXTEX>(ThemedEntry(slotDrawThemeTextEx));
  if (pfn == nullptr || hDC == NULL || pszText == nullptr || pRect == nullptr) return E_FAIL;
  return pfn(m_hTheme, hDC, iPartId, iStateId, pszText, cchText, dwTextFlags, pRect, pOptions);
}

HRESULT CTKWinThemeWrapper::GetCurrentThemeName(LPWSTR pszThemeFileName, int cchMaxNameChars,
                                                LPWSTR pszColorBuff, int cchMaxColorChars,
                                                LPWSTR pszSizeBuff, int cchMaxSizeChars) {
  RefreshFunctionTable();
  PFNGETCURRENTTHEMENAME pfn =
      reinterpret_cast<PFNGETCURRENTTHEMENAME>(Entry(slotGetCurrentThemeName));
  if (pfn == nullptr) return E_FAIL;
  if ((pszThemeFileName == nullptr && cchMaxNameChars > 0) ||
      (pszColorBuff == nullptr && cchMaxColorChars > 0) ||
      (pszSizeBuff == nullptr && cchMaxSizeChars > 0))
    return E_FAIL;
  return pfn(pszThemeFileName, cchMaxNameChars, pszColorBuff, cchMaxColorChars, pszSizeBuff,
             cchMaxSizeChars);
}

BOOL CTKWinThemeWrapper::IsAppThemed() {
  PFNBOOL pfn = reinterpret_cast<PFNBOOL>(Entry(slotIsAppThemed));
  return pfn ? pfn() : FALSE;
}

BOOL CTKWinThemeWrapper::IsThemeActive() {
  if (m_hTheme == NULL) RefreshFunctionTable();
  PFNBOOL pfn = reinterpret_cast<PFNBOOL>(Entry(slotIsThemeActive));
  return pfn ? pfn() : FALSE;
}

HPAINTBUFFER CTKWinThemeWrapper::BeginBufferedPaint(HDC hdcTarget, const RECT* prcTarget,
                                                    BP_BUFFERFORMAT dwFormat,
                                                    BP_PAINTPARAMS* pPaintParams, HDC* phdc) {
  PFNBEGINBUFFEREDPAINT pfn =
      reinterpret_cast<PFNBEGINBUFFEREDPAINT>(Entry(slotBeginBufferedPaint));
  if (pfn == nullptr || hdcTarget == NULL || prcTarget == nullptr || phdc == nullptr) return NULL;
  return pfn(hdcTarget, prcTarget, dwFormat, pPaintParams, phdc);
}

void CTKWinThemeWrapper::EndBufferedPaint(HPAINTBUFFER hBufferedPaint, BOOL fUpdateTarget) {
  PFNENDBUFFEREDPAINT pfn = reinterpret_cast<PFNENDBUFFEREDPAINT>(Entry(slotEndBufferedPaint));
  if (pfn != nullptr && hBufferedPaint != NULL) pfn(hBufferedPaint, fUpdateTarget);
}

BOOL CTKWinThemeWrapper::IsThemingAvailable() {
  if (!IsThemeActive() || !IsAppThemed()) return FALSE;
  CFunctionTable* pTable = GetFunctionTable();
  return pTable->hModule == TK_SKIN_UXTHEME_MODULE || HIWORD(pTable->dwComCtlVersion) > 5;
}

BOOL CTKWinThemeWrapper::IsAppThemedAndOpen() { return IsAppThemed() && m_hTheme != NULL; }

// ---------------------------------------------------------------------------

CTKDwmApi* TKDwmApi() {
  static CTKDwmApi s_api = {nullptr, nullptr, nullptr, ::LoadLibraryA("dwmapi.dll")};
  return &s_api;
}

namespace {

template <class PFN>
PFN DwmEntry(PFN& slot, LPCSTR lpszName) {
  CTKDwmApi* pApi = TKDwmApi();
  if (pApi->m_hModule != NULL && slot == nullptr)
    slot = reinterpret_cast<PFN>(::GetProcAddress(pApi->m_hModule, lpszName));
  return slot;
}

}  // namespace

BOOL TKDwmIsCompositionEnabled() {
  CTKDwmApi* pApi = TKDwmApi();
  if (!DwmEntry(pApi->m_pfnDwmIsCompositionEnabled, "DwmIsCompositionEnabled")) return FALSE;
  BOOL bEnabled = FALSE;
  if (FAILED(pApi->m_pfnDwmIsCompositionEnabled(&bEnabled))) return FALSE;
  return bEnabled;
}

HRESULT TKDwmDefWindowProc(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam,
                           LRESULT* plResult) {
  CTKDwmApi* pApi = TKDwmApi();
  if (!DwmEntry(pApi->m_pfnDwmDefWindowProc, "DwmDefWindowProc") || plResult == nullptr)
    return E_FAIL;
  return pApi->m_pfnDwmDefWindowProc(hWnd, nMessage, wParam, lParam, plResult);
}

HRESULT TKDwmExtendFrameIntoClientArea(HWND hWnd, int cxLeft, int cxRight, int cyTop,
                                       int cyBottom) {
  CTKDwmApi* pApi = TKDwmApi();
  if (!DwmEntry(pApi->m_pfnDwmExtendFrameIntoClientArea, "DwmExtendFrameIntoClientArea"))
    return E_FAIL;
  MARGINS margins = {cxLeft, cxRight, cyTop, cyBottom};
  return pApi->m_pfnDwmExtendFrameIntoClientArea(hWnd, &margins);
}
