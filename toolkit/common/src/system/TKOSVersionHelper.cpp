// Version tests through VerifyVersionInfo, with GetVersionEx where it is missing.
#include "common/TKOSVersionHelper.h"

#include "common/TKSingletonPointer.h"

TK_IMPLEMENT_SINGLETON(CTKOSVersionHelper, TKOSVersionHelper)

namespace {

// Written once; two threads computing them at once write the same value.
DWORD g_dwComCtlVersion = 0;
int g_nOEMCPMaxCharSize = -1;

}  // namespace

CTKOSVersionHelper::CTKOSVersionHelper()
    : m_pfnVerifyVersionInfo(nullptr), m_pfnVerSetConditionMask(nullptr) {
  if (m_modKernel.Init("Kernel32.dll")) {
    m_modKernel.GetProcAddress(&m_pfnVerifyVersionInfo, "VerifyVersionInfoA");
    m_modKernel.GetProcAddress(&m_pfnVerSetConditionMask, "VerSetConditionMask");
  }
}

void CTKOSVersionHelper::ForgetVerifyVersionInfo() {
  m_pfnVerifyVersionInfo = nullptr;
  m_pfnVerSetConditionMask = nullptr;
}

HRESULT CTKOSVersionHelper::VerifyVersion(int nCondition, DWORD dwMajor, DWORD dwMinor,
                                          DWORD dwPlatformId) {
  if (m_pfnVerifyVersionInfo == nullptr || m_pfnVerSetConditionMask == nullptr) return E_NOTIMPL;
  OSVERSIONINFOEXA info = {};
  info.dwOSVersionInfoSize = sizeof info;
  info.dwMajorVersion = dwMajor;
  info.dwMinorVersion = dwMinor;
  info.dwPlatformId = dwPlatformId;
  BYTE condition = static_cast<BYTE>(nCondition);
  ULONGLONG mask = m_pfnVerSetConditionMask(0, VER_MAJORVERSION, condition);
  mask = m_pfnVerSetConditionMask(mask, VER_MINORVERSION, condition);
  mask = m_pfnVerSetConditionMask(mask, VER_PLATFORMID, condition);
  BOOL bMatch =
      m_pfnVerifyVersionInfo(&info, VER_MAJORVERSION | VER_MINORVERSION | VER_PLATFORMID, mask);
  return bMatch ? S_OK : S_FALSE;
}

BOOL CTKOSVersionHelper::CompareVersionInfo(int nCondition, DWORD dwMajor, DWORD dwMinor,
                                            DWORD dwPlatformId) {
  OSVERSIONINFOA info = {};
  info.dwOSVersionInfoSize = sizeof info;
  if (!::GetVersionExA(&info)) return FALSE;
  if (nCondition == conditionEqual) {
    return info.dwPlatformId == dwPlatformId && info.dwMajorVersion == dwMajor &&
           info.dwMinorVersion == dwMinor;
  }
  if (nCondition == conditionAtLeast) {
    if (info.dwPlatformId < dwPlatformId) return FALSE;
    return info.dwMajorVersion > dwMajor ||
           (info.dwMajorVersion == dwMajor && info.dwMinorVersion >= dwMinor);
  }
  return FALSE;
}

BOOL CTKOSVersionHelper::CheckVersion(int nCondition, DWORD dwMajor, DWORD dwMinor,
                                      DWORD dwPlatformId) {
  HRESULT hr = VerifyVersion(nCondition, dwMajor, dwMinor, dwPlatformId);
  if (hr == E_NOTIMPL) return CompareVersionInfo(nCondition, dwMajor, dwMinor, dwPlatformId);
  return hr == S_OK;
}

DWORD CTKOSVersionHelper::GetComCtlVersion() {
  if (g_dwComCtlVersion == 0) {
    CTKModuleHandle comctl("COMCTL32.DLL");
    DWORD dwVersion = comctl.GetVersion();
    g_dwComCtlVersion = dwVersion != 0 ? dwVersion : 0x40000;
  }
  return g_dwComCtlVersion;
}

int CTKOSVersionHelper::GetOEMCPMaxCharSize() {
  if (g_nOEMCPMaxCharSize < 0) {
    CPINFO info = {};
    g_nOEMCPMaxCharSize = ::GetCPInfo(::GetOEMCP(), &info) ? static_cast<int>(info.MaxCharSize) : 1;
  }
  return g_nOEMCPMaxCharSize;
}
