// Lazy creation and the one-time destruction of a singleton.
#include "common/TKSingletonPointer.h"

CTKSingletonPointer::CTKSingletonPointer(int nSize, TK_SINGLETON_CREATE pfnCreate,
                                         TK_SINGLETON_DESTROY pfnDestroy)
    : m_pInstance(nullptr),
      m_nSize(nSize),
      m_pfnCreate(pfnCreate),
      m_pfnDestroy(pfnDestroy),
      m_bDestroyed(FALSE),
      m_pApplication(TKApplication()) {
  ::InitializeCriticalSection(&m_cs);
  m_pApplication->RegisterObserver(this);
}

CTKSingletonPointer::~CTKSingletonPointer() {
  Destroy();
  ::DeleteCriticalSection(&m_cs);
}

void* CTKSingletonPointer::GetInstance() {
  if (m_bDestroyed) AfxThrowMemoryException();
  if (m_pInstance != nullptr) return m_pInstance;
  {
    CTKLockGuard guard(m_cs);
    if (m_pInstance == nullptr) {
      void* pMemory = ::HeapAlloc(::GetProcessHeap(), HEAP_ZERO_MEMORY, m_nSize);
      if (pMemory != nullptr) {
        BOOL bCreated = FALSE;
        try {
          bCreated = m_pfnCreate(pMemory);
        } catch (...) {
          ::HeapFree(::GetProcessHeap(), 0, pMemory);
          throw;
        }
        if (bCreated)
          m_pInstance = pMemory;
        else
          ::HeapFree(::GetProcessHeap(), 0, pMemory);
      }
    }
  }
  if (m_pInstance == nullptr) AfxThrowMemoryException();
  return m_pInstance;
}

void CTKSingletonPointer::Destroy() {
  if (m_bDestroyed) return;
  m_pApplication->UnregisterObserver(this);
  if (m_pInstance != nullptr) {
    m_pfnDestroy(m_pInstance);
    ::HeapFree(::GetProcessHeap(), 0, m_pInstance);
    m_pInstance = nullptr;
  }
  m_bDestroyed = TRUE;
}

void CTKSingletonPointer::OnBeforeApplicationShutdown(CTKApplication*) {}

void CTKSingletonPointer::OnApplicationShutdown(CTKApplication*) { Destroy(); }
