// Delegates: calling handler methods of automation objects.
#include "TKMarkupDelegate.h"

DWORD CTKMarkupDelegate::Release() {
  LONG nRef = InterlockedDecrement(&m_nRef);
  if (nRef == 0) delete this;
  return nRef;
}

void CTKMarkupDelegate::InvokeMethod(IDispatch* pObject, LPCWSTR lpszMethod,
                                     CTKMarkupObject* pSender, CTKMarkupObject* pArgs) {
  if (pObject == nullptr || lpszMethod == nullptr) return;
  DISPID dispid = DISPID_UNKNOWN;
  LPOLESTR lpszName = const_cast<LPOLESTR>(lpszMethod);
  if (FAILED(pObject->GetIDsOfNames(IID_NULL, &lpszName, 1, LOCALE_SYSTEM_DEFAULT, &dispid)))
    return;
  // rgvarg holds the arguments last first: the sender is the first argument.
  VARIANT args[2];
  V_VT(&args[1]) = VT_DISPATCH;
  V_DISPATCH(&args[1]) = pSender != nullptr ? pSender->GetIDispatch(FALSE) : nullptr;
  V_VT(&args[0]) = VT_DISPATCH;
  V_DISPATCH(&args[0]) = pArgs != nullptr ? pArgs->GetIDispatch(FALSE) : nullptr;
  DISPPARAMS params = {args, nullptr, 2, 0};
  pObject->Invoke(dispid, IID_NULL, LOCALE_SYSTEM_DEFAULT, DISPATCH_METHOD, &params, nullptr,
                  nullptr, nullptr);
}

CTKMarkupOleDelegate::CTKMarkupOleDelegate(IDispatch* pObject, LPCWSTR lpszMethod)
    : m_pObject(pObject), m_strMethod(lpszMethod) {
  if (m_pObject != nullptr) m_pObject->AddRef();
}

CTKMarkupOleDelegate::~CTKMarkupOleDelegate() {
  if (m_pObject != nullptr) m_pObject->Release();
}

void CTKMarkupOleDelegate::Execute(CTKMarkupObject* pSender, CTKMarkupObject* pArgs) {
  InvokeMethod(m_pObject, m_strMethod.c_str(), pSender, pArgs);
}

void CTKMarkupOleAutoDelegate::Execute(CTKMarkupObject* pSender, CTKMarkupObject* pArgs) {
  InvokeMethod(m_pMap->GetHandler(), m_strMethod.c_str(), pSender, pArgs);
}

CTKMarkupDelegateMap::~CTKMarkupDelegateMap() {
  for (auto& entry : m_delegates) entry.second->Release();
  SetHandler(nullptr);
}

CTKMarkupDelegate* CTKMarkupDelegateMap::Lookup(LPCWSTR lpszName) const {
  auto it = m_delegates.find(lpszName);
  return it != m_delegates.end() ? it->second : nullptr;
}

void CTKMarkupDelegateMap::SetAt(LPCWSTR lpszName, CTKMarkupDelegate* pDelegate, BOOL bFromScript) {
  CTKMarkupDelegate*& pSlot = m_delegates[lpszName];
  CTKMarkupDelegate* pOld = pSlot;
  pSlot = pDelegate;
  m_fromScript[lpszName] = bFromScript != FALSE;
  if (pOld != nullptr) pOld->Release();
}

void CTKMarkupDelegateMap::SetHandler(IDispatch* pHandler, BOOL bFromScript) {
  if (pHandler != nullptr) pHandler->AddRef();
  if (m_pHandler != nullptr) m_pHandler->Release();
  m_pHandler = pHandler;
  m_bHandlerFromScript = bFromScript;
}

void CTKMarkupDelegateMap::DropScriptDelegates() {
  for (auto it = m_delegates.begin(); it != m_delegates.end();) {
    if (m_fromScript[it->first]) {
      it->second->Release();
      m_fromScript.erase(it->first);
      it = m_delegates.erase(it);
    } else {
      ++it;
    }
  }
  if (m_bHandlerFromScript) SetHandler(nullptr);
}
