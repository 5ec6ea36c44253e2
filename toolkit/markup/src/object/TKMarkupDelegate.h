// Delegates: the handlers that markup event attributes name, bound to methods
// of automation objects (scripts or the host).
#pragma once

#include "markup/TKMarkupObject.h"

#include <map>
#include <string>

class CTKMarkupDelegateMap;

/// A handler, reference counted (1 after construction).
class CTKMarkupDelegate {
 public:
  CTKMarkupDelegate() : m_nRef(1) {}
  virtual ~CTKMarkupDelegate() = default;
  CTKMarkupDelegate(const CTKMarkupDelegate&) = delete;
  CTKMarkupDelegate& operator=(const CTKMarkupDelegate&) = delete;

  DWORD AddRef() { return InterlockedIncrement(&m_nRef); }
  DWORD Release();

  /// Runs the handler with (sender, args); failures are swallowed.
  virtual void Execute(CTKMarkupObject* pSender, CTKMarkupObject* pArgs) = 0;

 protected:
  /// Calls the method `lpszMethod` of `pObject` with the two objects' IDispatch
  /// as its two arguments; nothing when the object has no such method.
  static void InvokeMethod(IDispatch* pObject, LPCWSTR lpszMethod, CTKMarkupObject* pSender,
                           CTKMarkupObject* pArgs);

 private:
  LONG m_nRef;
};

/// Calls one method of one object (the object is held with a reference).
class CTKMarkupOleDelegate : public CTKMarkupDelegate {
 public:
  CTKMarkupOleDelegate(IDispatch* pObject, LPCWSTR lpszMethod);
  ~CTKMarkupOleDelegate() override;
  void Execute(CTKMarkupObject* pSender, CTKMarkupObject* pArgs) override;

 private:
  IDispatch* m_pObject;
  std::wstring m_strMethod;
};

/// Calls the method of its name on the map's default handler object of the
/// moment of the call; nothing without one.
class CTKMarkupOleAutoDelegate : public CTKMarkupDelegate {
 public:
  CTKMarkupOleAutoDelegate(LPCWSTR lpszMethod, CTKMarkupDelegateMap* pMap)
      : m_strMethod(lpszMethod), m_pMap(pMap) {}
  void Execute(CTKMarkupObject* pSender, CTKMarkupObject* pArgs) override;

 private:
  std::wstring m_strMethod;
  CTKMarkupDelegateMap* m_pMap;
};

/// The delegates of a context by handler name, and the default handler object.
class CTKMarkupDelegateMap {
 public:
  CTKMarkupDelegateMap() : m_pHandler(nullptr), m_bHandlerFromScript(FALSE) {}
  ~CTKMarkupDelegateMap();
  CTKMarkupDelegateMap(const CTKMarkupDelegateMap&) = delete;
  CTKMarkupDelegateMap& operator=(const CTKMarkupDelegateMap&) = delete;

  /// The delegate stored under the name, or null (no reference).
  CTKMarkupDelegate* Lookup(LPCWSTR lpszName) const;
  /// Stores `pDelegate` under the name (taking over its reference), releasing
  /// an earlier one. `bFromScript` marks a delegate a script registered.
  void SetAt(LPCWSTR lpszName, CTKMarkupDelegate* pDelegate, BOOL bFromScript = FALSE);
  /// The default handler object (no reference), or null.
  IDispatch* GetHandler() const { return m_pHandler; }
  /// Replaces the default handler, holding a reference to the new one.
  void SetHandler(IDispatch* pHandler, BOOL bFromScript = FALSE);
  /// Releases the delegates and the default handler that scripts registered
  /// (their engine is closing).
  void DropScriptDelegates();

 private:
  std::map<std::wstring, CTKMarkupDelegate*> m_delegates;
  std::map<std::wstring, bool> m_fromScript;
  IDispatch* m_pHandler;
  BOOL m_bHandlerFromScript;
};
