// Per-thread and per-process data of the layer. Thread data lives until its
// thread ends, whether the thread was started by the layer or by CreateThread.
#pragma once

#include "afxdiag.h"
#include <stddef.h>

/// Base of objects kept in thread- or process-local storage: allocated outside
/// the program's heap tracking and deleted through the virtual destructor.
class CNoTrackObject {
 public:
  void* PASCAL operator new(size_t nSize);
  void PASCAL operator delete(void* p);
  virtual ~CNoTrackObject() {}
};

/// One slot of thread-local data. GetData creates the calling thread's object
/// on first use; the object is deleted when that thread ends or when the slot
/// itself is destroyed.
class CThreadLocalObject {
 public:
  CThreadLocalObject() = default;
  CThreadLocalObject(const CThreadLocalObject&) = delete;
  CThreadLocalObject& operator=(const CThreadLocalObject&) = delete;
  ~CThreadLocalObject();
  CNoTrackObject* GetData(CNoTrackObject*(AFXAPI* pfnCreateObject)());
  /// The calling thread's object, or null when it has none yet.
  CNoTrackObject* GetDataNA();

 private:
  int Slot();
  LONG m_nSlot = 0;  // 0: not yet allocated
};

/// One process-wide object, created on first use (thread-safe) and deleted
/// with the CProcessLocal itself.
class CProcessLocalObject {
 public:
  CProcessLocalObject() = default;
  CProcessLocalObject(const CProcessLocalObject&) = delete;
  CProcessLocalObject& operator=(const CProcessLocalObject&) = delete;
  ~CProcessLocalObject();
  CNoTrackObject* GetData(CNoTrackObject*(AFXAPI* pfnCreateObject)());

 private:
  CNoTrackObject* volatile m_pObject = nullptr;
};

template <class TYPE>
class CThreadLocal : public CThreadLocalObject {
 public:
  TYPE* GetData() { return static_cast<TYPE*>(CThreadLocalObject::GetData(&CreateObject)); }
  TYPE* GetDataNA() { return static_cast<TYPE*>(CThreadLocalObject::GetDataNA()); }
  operator TYPE*() { return GetData(); }
  TYPE* operator->() { return GetData(); }
  static CNoTrackObject* AFXAPI CreateObject() { return new TYPE; }
};

template <class TYPE>
class CProcessLocal : public CProcessLocalObject {
 public:
  TYPE* GetData() { return static_cast<TYPE*>(CProcessLocalObject::GetData(&CreateObject)); }
  operator TYPE*() { return GetData(); }
  TYPE* operator->() { return GetData(); }
  static CNoTrackObject* AFXAPI CreateObject() { return new TYPE; }
};

#define THREAD_LOCAL(class_name, ident_name) CThreadLocal<class_name> ident_name;
#define EXTERN_THREAD_LOCAL(class_name, ident_name) extern CThreadLocal<class_name> ident_name;
#define PROCESS_LOCAL(class_name, ident_name) CProcessLocal<class_name> ident_name;
#define EXTERN_PROCESS_LOCAL(class_name, ident_name) extern CProcessLocal<class_name> ident_name;
