// The per-thread maps behind FromHandle of the wrapper classes.
//
// An object that owns a handle (Attach, Create...) is entered in the permanent
// map, so FromHandle on that handle finds the owner itself. Any other handle
// gets a temporary wrapper that lives until DeleteTemp (idle time): callers
// may keep the pointer only while handling the current message.
#pragma once

#include <windows.h>

#include <unordered_map>

template <class T, class H>
class CHandleMap {
 public:
  /// `pfnNew` makes a temporary wrapper of a handle; `pfnRelease` takes the
  /// handle out of one again so that deleting it leaves the handle alone.
  CHandleMap(T* (*pfnNew)(H), void (*pfnRelease)(T*))
      : m_pfnNew(pfnNew), m_pfnRelease(pfnRelease) {}
  ~CHandleMap() { DeleteTemp(); }
  CHandleMap(const CHandleMap&) = delete;
  CHandleMap& operator=(const CHandleMap&) = delete;

  /// The owner of `h`, else a temporary wrapper; null for a null handle.
  T* FromHandle(H h) {
    if (h == nullptr) return nullptr;
    if (T* pPermanent = LookupPermanent(h)) return pPermanent;
    T*& pTemp = m_temporary[h];
    if (pTemp == nullptr) pTemp = m_pfnNew(h);
    return pTemp;
  }

  T* LookupPermanent(H h) const {
    auto it = m_permanent.find(h);
    return it == m_permanent.end() ? nullptr : it->second;
  }
  void SetPermanent(H h, T* pObject) { m_permanent[h] = pObject; }
  void RemoveHandle(H h) { m_permanent.erase(h); }

  /// Deletes the temporary wrappers but not the handles they wrap.
  void DeleteTemp() {
    // Move the map out first: a wrapper's destructor may call FromHandle.
    std::unordered_map<H, T*> temporary;
    temporary.swap(m_temporary);
    for (auto& entry : temporary) {
      m_pfnRelease(entry.second);
      delete entry.second;
    }
  }

 private:
  T* (*m_pfnNew)(H);
  void (*m_pfnRelease)(T*);
  std::unordered_map<H, T*> m_permanent;
  std::unordered_map<H, T*> m_temporary;
};
