// CTKMarkupGdiPlusApi: loading, starting and stopping GDI+, and the lazy
// look-up of its flat functions.
#include "TKMarkupGdiPlusApi.h"

#include "common/TKSingletonPointer.h"

TK_IMPLEMENT_SINGLETON(CTKMarkupGdiPlusApi, TKMarkupGdiPlusApi)

namespace {

const char kDefaultLibrary[] = "GdiPlus.dll";
LPCSTR g_lpszLibrary = kDefaultLibrary;

FARPROC DefaultResolver(HMODULE hModule, LPCSTR lpszName) {
  return GetProcAddress(hModule, lpszName);
}
TK_GDIPLUS_PROC_RESOLVER g_pfnResolver = &DefaultResolver;

// Receives the notification procedures of the start-up; cleared before every
// start so that a failed start never leaves stale procedures behind.
Gdiplus::GdiplusStartupOutput g_startupOutput;

typedef Gdiplus::GpStatus(WINAPI* TK_GDIPLUS_STARTUP)(ULONG_PTR*,
                                                      const Gdiplus::GdiplusStartupInput*,
                                                      Gdiplus::GdiplusStartupOutput*);
typedef VOID(WINAPI* TK_GDIPLUS_SHUTDOWN)(ULONG_PTR);

}  // namespace

CTKMarkupGdiPlusApi::CTKMarkupGdiPlusApi()
    : m_hModule(nullptr),
      m_nToken(0),
      m_nHookToken(0),
      m_nRefCount(0),
      m_nGeneration(0),
      m_bHooked(FALSE),
      m_nLookups(0) {
  for (Entry& entry : m_functions) entry = Entry{nullptr, -1};
}

void CTKMarkupGdiPlusApi::SetLibraryName(LPCSTR lpszName) {
  g_lpszLibrary = lpszName != nullptr ? lpszName : kDefaultLibrary;
}

void CTKMarkupGdiPlusApi::SetProcResolver(TK_GDIPLUS_PROC_RESOLVER pfnResolver) {
  g_pfnResolver = pfnResolver != nullptr ? pfnResolver : &DefaultResolver;
}

FARPROC CTKMarkupGdiPlusApi::Resolve(int nId, LPCSTR lpszName) {
  Entry& entry = m_functions[nId];
  if (entry.nGeneration != m_nGeneration) {
    entry.pfn = m_hModule != nullptr ? g_pfnResolver(m_hModule, lpszName) : nullptr;
    entry.nGeneration = m_nGeneration;
    ++m_nLookups;
  }
  return entry.pfn;
}

void CTKMarkupGdiPlusApi::Initialize(BOOL bStart) {
  if (bStart) {
    ++m_nGeneration;
    if (++m_nRefCount == 1) Start();
    return;
  }
  if (m_nRefCount <= 0) return;
  if (--m_nRefCount == 0) Stop();
}

void CTKMarkupGdiPlusApi::Start() {
  m_hModule = LoadLibraryA(g_lpszLibrary);
  if (m_hModule == nullptr) return;
  auto pfnStartup =
      reinterpret_cast<TK_GDIPLUS_STARTUP>(Resolve(kGdiplusStartup, "GdiplusStartup"));
  Gdiplus::GdiplusStartupInput input;
  input.GdiplusVersion = 1;
  input.DebugEventCallback = nullptr;
  input.SuppressBackgroundThread = TRUE;
  input.SuppressExternalCodecs = FALSE;
  g_startupOutput = Gdiplus::GdiplusStartupOutput();
  ULONG_PTR nToken = 0;
  if (pfnStartup == nullptr || pfnStartup(&nToken, &input, &g_startupOutput) != Gdiplus::Ok ||
      nToken == 0) {
    // A failed start counts as not running: nothing to hook, shut down or
    // keep loaded.
    FreeLibrary(m_hModule);
    m_hModule = nullptr;
    return;
  }
  m_nToken = nToken;
  // The background thread is suppressed, so the hook runs its work instead.
  if (g_startupOutput.NotificationHook != nullptr &&
      g_startupOutput.NotificationHook(&m_nHookToken) == Gdiplus::Ok)
    m_bHooked = TRUE;
}

void CTKMarkupGdiPlusApi::Stop() {
  if (m_hModule != nullptr) {
    if (m_bHooked && g_startupOutput.NotificationUnhook != nullptr)
      g_startupOutput.NotificationUnhook(m_nHookToken);
    auto pfnShutdown =
        reinterpret_cast<TK_GDIPLUS_SHUTDOWN>(Resolve(kGdiplusShutdown, "GdiplusShutdown"));
    if (m_nToken != 0 && pfnShutdown != nullptr) pfnShutdown(m_nToken);
    FreeLibrary(m_hModule);
  }
  m_bHooked = FALSE;
  m_nHookToken = 0;
  m_hModule = nullptr;
  m_nToken = 0;
}

Gdiplus::GpGraphics* CTKMarkupGdiPlusApi::CreateGraphicsForDC(HDC hDC, HDC hAttributeDC) {
  if (m_nToken == 0 || hDC == nullptr) return nullptr;
  Gdiplus::GpGraphics* pGraphics = nullptr;
  Gdiplus::GpStatus status = hAttributeDC == nullptr || hAttributeDC == hDC
                                 ? GdipCreateFromHDC(hDC, &pGraphics)
                                 : GdipCreateFromHDC2(hDC, hAttributeDC, &pGraphics);
  return status == Gdiplus::Ok ? pGraphics : nullptr;
}

Gdiplus::GpGraphics* CreateGdiPlusGraphicsForDC(HDC hDC, HDC hAttributeDC) {
  return TKMarkupGdiPlusApi()->CreateGraphicsForDC(hDC, hAttributeDC);
}
