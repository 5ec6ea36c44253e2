#include "common/TKResource.h"

CTKResource::CTKResource() : m_hResource(NULL), m_hGlobal(NULL), m_lpData(NULL), m_dwSize(0) {}

CTKResource::~CTKResource() {
  m_hResource = NULL;
  m_hGlobal = NULL;
  m_lpData = NULL;
  m_dwSize = 0;
}

BOOL CTKResource::LoadResource(HMODULE hModule, LPCSTR lpszName, LPCSTR lpszType) {
  m_hResource = ::FindResourceA(hModule, lpszName, lpszType);
  if (m_hResource == NULL) return FALSE;
  m_dwSize = ::SizeofResource(hModule, m_hResource);
  if (m_dwSize == 0) return FALSE;
  m_hGlobal = ::LoadResource(hModule, m_hResource);
  if (m_hGlobal == NULL) return FALSE;
  m_lpData = ::LockResource(m_hGlobal);
  return m_lpData != NULL;
}
