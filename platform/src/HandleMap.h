// The per-thread maps behind the FromHandle of the wrapper classes.
//
// An object that owns a handle (Attach, Create...) is entered in the permanent
// map, so FromHandle on that handle finds the owner itself. Any other handle
// gets a temporary wrapper that lives until DeleteTemp: callers may keep the
// pointer only while handling the current message, as with the originals.
#pragma once

#include <windows.h>

#include <memory>
#include <unordered_map>

template <class T>
class CHandleMapT {
 public:
  /// `setHandle` puts a handle into a wrapper; it must not free the old one.
  typedef void (*SetHandleFn)(T* pObject, HANDLE h);

  explicit CHandleMapT(SetHandleFn setHandle) : m_setHandle(setHandle) {}
  ~CHandleMapT() { DeleteTemp(); }

  /// The owner of `h`, else a temporary wrapper of type `U`; null for a null handle.
  template <class U = T>
  T* FromHandle(HANDLE h) {
    if (h == NULL) return nullptr;
    auto it = m_permanent.find(h);
    if (it != m_permanent.end()) return it->second;
    std::unique_ptr<T>& temp = m_temporary[h];
    if (!temp) temp.reset(new U);
    // A wrapper handed out before may have been detached since.
    m_setHandle(temp.get(), h);
    return temp.get();
  }

  T* LookupPermanent(HANDLE h) const {
    auto it = m_permanent.find(h);
    return it == m_permanent.end() ? nullptr : it->second;
  }
  void SetPermanent(HANDLE h, T* pObject) { m_permanent[h] = pObject; }
  void RemoveHandle(HANDLE h) { m_permanent.erase(h); }

  /// Frees the temporary wrappers but not the handles they wrap.
  void DeleteTemp() {
    for (auto& entry : m_temporary) m_setHandle(entry.second.get(), NULL);
    m_temporary.clear();
  }

 private:
  SetHandleFn m_setHandle;
  std::unordered_map<HANDLE, T*> m_permanent;
  std::unordered_map<HANDLE, std::unique_ptr<T>> m_temporary;
};
