#include <afx.h>

#include <algorithm>
#include <set>
#include <vector>

namespace {

// The objects of one thread, indexed by slot number.
struct ThreadData {
  std::vector<CNoTrackObject*> objects;
};

void DeleteObjects(std::vector<CNoTrackObject*>& objects) {
  // Later slots may use earlier ones (thread state) while they go away.
  for (auto it = objects.rbegin(); it != objects.rend(); ++it) {
    CNoTrackObject* p = *it;
    *it = nullptr;
    delete p;
  }
}

void WINAPI OnThreadEnd(void* p);

// Fiber-local storage is used, not TLS, because its callback also runs when a
// thread started with plain CreateThread ends.
class Registry {
 public:
  Registry() : m_fls(FlsAlloc(&OnThreadEnd)) { InitializeCriticalSection(&m_lock); }

  static Registry& Get() {
    // Never destroyed: threads may end during or after static destruction.
    static Registry* registry = new Registry;
    return *registry;
  }

  CRITICAL_SECTION* Lock() { return &m_lock; }
  int NewSlot() { return static_cast<int>(InterlockedIncrement(&m_lastSlot)); }

  ThreadData* Current(bool create) {
    ThreadData* data = static_cast<ThreadData*>(FlsGetValue(m_fls));
    if (data == nullptr && create) {
      data = new ThreadData;
      FlsSetValue(m_fls, data);
      EnterCriticalSection(&m_lock);
      m_threads.insert(data);
      LeaveCriticalSection(&m_lock);
    }
    return data;
  }

  void ThreadEnded(ThreadData* data) {
    EnterCriticalSection(&m_lock);
    m_threads.erase(data);
    LeaveCriticalSection(&m_lock);
    DeleteObjects(data->objects);
    delete data;
  }

  // Removes the slot's object from every thread and deletes them.
  void FreeSlot(int slot) {
    std::vector<CNoTrackObject*> doomed;
    EnterCriticalSection(&m_lock);
    for (ThreadData* data : m_threads) {
      if (slot < static_cast<int>(data->objects.size()) && data->objects[slot] != nullptr) {
        doomed.push_back(data->objects[slot]);
        data->objects[slot] = nullptr;
      }
    }
    LeaveCriticalSection(&m_lock);
    DeleteObjects(doomed);
  }

 private:
  DWORD m_fls;
  CRITICAL_SECTION m_lock;
  LONG m_lastSlot = 0;
  std::set<ThreadData*> m_threads;
};

void WINAPI OnThreadEnd(void* p) {
  if (p != nullptr) Registry::Get().ThreadEnded(static_cast<ThreadData*>(p));
}

}  // namespace

void* PASCAL CNoTrackObject::operator new(size_t nSize) {
  void* p = LocalAlloc(LPTR, nSize);
  if (p == nullptr) AfxThrowMemoryException();
  return p;
}

void PASCAL CNoTrackObject::operator delete(void* p) {
  if (p != nullptr) LocalFree(p);
}

int CThreadLocalObject::Slot() {
  if (m_nSlot == 0) {
    LONG slot = Registry::Get().NewSlot();
    // Another thread may have won the race; its slot is then the one.
    InterlockedCompareExchange(&m_nSlot, slot, 0);
  }
  return static_cast<int>(m_nSlot);
}

CNoTrackObject* CThreadLocalObject::GetData(CNoTrackObject*(AFXAPI* pfnCreateObject)()) {
  int slot = Slot();
  ThreadData* data = Registry::Get().Current(true);
  if (slot < static_cast<int>(data->objects.size()) && data->objects[slot] != nullptr)
    return data->objects[slot];
  CNoTrackObject* object = pfnCreateObject();
  CRITICAL_SECTION* lock = Registry::Get().Lock();
  EnterCriticalSection(lock);
  if (slot >= static_cast<int>(data->objects.size())) data->objects.resize(slot + 1);
  data->objects[slot] = object;
  LeaveCriticalSection(lock);
  return object;
}

CNoTrackObject* CThreadLocalObject::GetDataNA() {
  if (m_nSlot == 0) return nullptr;
  ThreadData* data = Registry::Get().Current(false);
  if (data == nullptr || m_nSlot >= static_cast<LONG>(data->objects.size())) return nullptr;
  return data->objects[m_nSlot];
}

CThreadLocalObject::~CThreadLocalObject() {
  if (m_nSlot != 0) Registry::Get().FreeSlot(static_cast<int>(m_nSlot));
}

CNoTrackObject* CProcessLocalObject::GetData(CNoTrackObject*(AFXAPI* pfnCreateObject)()) {
  if (m_pObject == nullptr) {
    CRITICAL_SECTION* lock = Registry::Get().Lock();
    EnterCriticalSection(lock);
    if (m_pObject == nullptr) m_pObject = pfnCreateObject();
    LeaveCriticalSection(lock);
  }
  return m_pObject;
}

CProcessLocalObject::~CProcessLocalObject() {
  delete m_pObject;
  m_pObject = nullptr;
}
