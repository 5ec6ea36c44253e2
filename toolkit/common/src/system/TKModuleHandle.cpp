// Module references and version-gated entry-point look-ups.
#include "common/TKModuleHandle.h"

CTKModuleHandle::CTKModuleHandle() : m_hModule(NULL), m_nState(moduleNone), m_version() {}

CTKModuleHandle::CTKModuleHandle(LPCSTR lpszModuleName) : CTKModuleHandle() {
  Init(lpszModuleName);
}

CTKModuleHandle::~CTKModuleHandle() { FreeLibrary(); }

BOOL CTKModuleHandle::Init(LPCSTR lpszModuleName) {
  if (GetModuleHandle(lpszModuleName)) return TRUE;
  return LoadLibrary(lpszModuleName);
}

BOOL CTKModuleHandle::GetModuleHandle(LPCSTR lpszModuleName) {
  FreeLibrary();
  m_hModule = ::GetModuleHandleA(lpszModuleName);
  if (m_hModule == NULL) return FALSE;
  m_strModuleName = lpszModuleName;
  m_nState = moduleFound;
  return TRUE;
}

BOOL CTKModuleHandle::LoadLibrary(LPCSTR lpszModuleName) {
  FreeLibrary();
  m_hModule = ::LoadLibraryA(lpszModuleName);
  if (m_hModule == NULL) return FALSE;
  m_strModuleName = lpszModuleName;
  m_nState = moduleLoaded;
  return TRUE;
}

BOOL CTKModuleHandle::FreeLibrary() {
  BOOL bResult = TRUE;
  if (m_nState == moduleLoaded && m_hModule != NULL) bResult = ::FreeLibrary(m_hModule);
  m_hModule = NULL;
  m_nState = moduleNone;
  m_strModuleName.Empty();
  m_version = DLLVERSIONINFO();
  return bResult;
}

void CTKModuleHandle::GetDllVersion() {
  if (m_version.cbSize != 0) return;
  m_version.cbSize = sizeof(DLLVERSIONINFO);
  if (m_hModule == NULL) return;
  DLLGETVERSIONPROC pfnGetVersion =
      reinterpret_cast<DLLGETVERSIONPROC>(::GetProcAddress(m_hModule, "DllGetVersion"));
  if (pfnGetVersion) pfnGetVersion(&m_version);
}

DWORD CTKModuleHandle::GetVersion() {
  GetDllVersion();
  return MAKELONG(LOWORD(m_version.dwMinorVersion), LOWORD(m_version.dwMajorVersion));
}

BOOL CTKModuleHandle::GetProcAddressRaw(FARPROC* ppfn, LPCSTR lpszProcName, DWORD dwMinVersion,
                                        BOOL bHaveOut) {
  if (m_hModule == NULL || !bHaveOut) return FALSE;
  // The high words (major) decide first, then the low words (minor).
  if (dwMinVersion != 0 && GetVersion() < dwMinVersion) return FALSE;
  *ppfn = ::GetProcAddress(m_hModule, lpszProcName);
  return *ppfn != nullptr;
}
