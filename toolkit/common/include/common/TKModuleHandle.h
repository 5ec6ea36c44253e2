// One module held by name, with its entry points looked up on demand.
#pragma once

#include <afx.h>
#include <shlwapi.h>

/// A module reference: found already loaded (not owned) or loaded (owned and
/// freed again). Entry points may be asked for only from a minimum version of
/// the module on.
class CTKModuleHandle {
 public:
  CTKModuleHandle();
  /// Init(lpszModuleName).
  explicit CTKModuleHandle(LPCSTR lpszModuleName);
  virtual ~CTKModuleHandle();
  CTKModuleHandle(const CTKModuleHandle&) = delete;
  CTKModuleHandle& operator=(const CTKModuleHandle&) = delete;

  enum { moduleNone = 0, moduleFound = 1, moduleLoaded = 2 };

  /// The loaded module of that name, else loads it; TRUE when one is held.
  BOOL Init(LPCSTR lpszModuleName);
  /// Lets go of what is held, then takes the already loaded module.
  BOOL GetModuleHandle(LPCSTR lpszModuleName);
  /// Lets go of what is held, then loads the module (owned).
  BOOL LoadLibrary(LPCSTR lpszModuleName);
  /// Frees the module only when this object loaded it; forgets it either way.
  BOOL FreeLibrary();

  /// The module's own version as (major << 16) | minor from its DllGetVersion,
  /// asked once; 0 without one.
  DWORD GetVersion();
  /// Stores the entry point `lpszProcName` in `ppfn` (nothing when no module
  /// is held). With dwMinVersion set, a module below that version gives null.
  /// TRUE when an entry point was found.
  template <class PFN>
  BOOL GetProcAddress(PFN* ppfn, LPCSTR lpszProcName, DWORD dwMinVersion = 0) {
    FARPROC pfn = nullptr;
    if (!GetProcAddressRaw(&pfn, lpszProcName, dwMinVersion, ppfn != nullptr)) {
      if (m_hModule != NULL && ppfn) *ppfn = nullptr;
      return FALSE;
    }
    *ppfn = reinterpret_cast<PFN>(pfn);
    return TRUE;
  }

  HMODULE GetHandle() const { return m_hModule; }
  operator HMODULE() const { return m_hModule; }
  int GetState() const { return m_nState; }
  const CString& GetName() const { return m_strModuleName; }

 private:
  void GetDllVersion();
  BOOL GetProcAddressRaw(FARPROC* ppfn, LPCSTR lpszProcName, DWORD dwMinVersion, BOOL bHaveOut);

  CString m_strModuleName;
  HMODULE m_hModule;
  int m_nState;
  DLLVERSIONINFO m_version;
};
