// The holder of one process-wide toolkit service: made on first use in zeroed
// memory, destroyed at exit (or at application shutdown, whichever is first),
// and never made again after that.
#pragma once

#include "common/TKApplication.h"

#include <new>

/// Constructs the object in the zeroed memory; FALSE when that failed.
typedef BOOL (*TK_SINGLETON_CREATE)(void* pMemory);
/// Runs the object's destructor in place (the memory is freed by the holder).
typedef void (*TK_SINGLETON_DESTROY)(void* pObject);

/// One singleton. It observes the application (it is constructed after the
/// application object, so at exit it is destroyed before it).
class CTKSingletonPointer : public ITKApplicationEvents {
 public:
  /// Registers with TKApplication(), so after shutdown this raises
  /// COleException(E_FAIL).
  CTKSingletonPointer(int nSize, TK_SINGLETON_CREATE pfnCreate, TK_SINGLETON_DESTROY pfnDestroy);
  virtual ~CTKSingletonPointer();
  CTKSingletonPointer(const CTKSingletonPointer&) = delete;
  CTKSingletonPointer& operator=(const CTKSingletonPointer&) = delete;

  /// The object, created on first use (one object however many threads race).
  /// Raises CMemoryException once destroyed, or when creation failed (a later
  /// call tries again). An exception of the create callback passes through,
  /// with nothing left allocated.
  void* GetInstance();
  /// Destroys the object, once, and unregisters from the application.
  void Destroy();
  BOOL IsDestroyed() const { return m_bDestroyed; }
  /// Creation is guarded by this section; users may guard their own data with it.
  CRITICAL_SECTION* GetCriticalSection() { return &m_cs; }

  void OnBeforeApplicationShutdown(CTKApplication* pApplication) override;
  void OnApplicationShutdown(CTKApplication* pApplication) override;

 private:
  void* volatile m_pInstance;
  CRITICAL_SECTION m_cs;
  int m_nSize;
  TK_SINGLETON_CREATE m_pfnCreate;
  TK_SINGLETON_DESTROY m_pfnDestroy;
  BOOL m_bDestroyed;
  CTKApplication* m_pApplication;
};

/// In one .cpp: defines `theClass* accessor()` over a function-local
/// CTKSingletonPointer (its destructor runs at exit in reverse order of first
/// use). The class needs a default constructor; the class's header declares
/// the accessor.
#define TK_IMPLEMENT_SINGLETON(theClass, accessor)                            \
  static BOOL TKCreate_##accessor(void* pMemory) {                            \
    new (pMemory) theClass();                                                 \
    return TRUE;                                                              \
  }                                                                           \
  static void TKDestroy_##accessor(void* pObject) {                           \
    static_cast<theClass*>(pObject)->~theClass();                             \
  }                                                                           \
  static CTKSingletonPointer& TKHolder_##accessor() {                         \
    static CTKSingletonPointer holder(sizeof(theClass), &TKCreate_##accessor, \
                                      &TKDestroy_##accessor);                 \
    return holder;                                                            \
  }                                                                           \
  theClass* accessor() { return static_cast<theClass*>(TKHolder_##accessor().GetInstance()); }
