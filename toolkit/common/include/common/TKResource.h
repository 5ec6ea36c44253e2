// CTKResource: one resource block of a module, found, loaded and locked.
#pragma once

#include <windows.h>

/// Locates and locks one resource. The block is never freed: resources stay
/// mapped as long as their module.
class CTKResource {
 public:
  CTKResource();
  virtual ~CTKResource();

  /// FindResource, SizeofResource, LoadResource and LockResource in turn;
  /// FALSE at the first that fails, and for an empty resource.
  BOOL LoadResource(HMODULE hModule, LPCSTR lpszName, LPCSTR lpszType);

  HRSRC m_hResource;
  HGLOBAL m_hGlobal;
  LPVOID m_lpData;
  DWORD m_dwSize;
};
