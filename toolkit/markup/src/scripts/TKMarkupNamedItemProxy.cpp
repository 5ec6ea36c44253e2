// The proxies of named elements that script engines hold.
#include "TKMarkupNamedItemProxy.h"

const IID kIID_TKMarkupNamedItemProxy = {
    0x5b0e6b52, 0x8c3e, 0x4d7a, {0x9a, 0x43, 0x1f, 0x2b, 0x7c, 0x9d, 0x0e, 0x61}};

STDMETHODIMP CTKMarkupNamedItemProxy::QueryInterface(REFIID iid, LPVOID* ppvObj) {
  if (ppvObj == nullptr) return E_POINTER;
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) ||
      IsEqualIID(iid, kIID_TKMarkupNamedItemProxy)) {
    *ppvObj = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
  }
  *ppvObj = nullptr;
  return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) CTKMarkupNamedItemProxy::Release() {
  const LONG nRef = InterlockedDecrement(&m_nRef);
  if (nRef == 0) delete this;
  return nRef;
}

STDMETHODIMP CTKMarkupNamedItemProxy::GetTypeInfoCount(UINT* pctinfo) {
  if (pctinfo == nullptr) return E_POINTER;
  *pctinfo = 0;
  return S_OK;
}

STDMETHODIMP CTKMarkupNamedItemProxy::GetTypeInfo(UINT, LCID, ITypeInfo** ppTInfo) {
  if (ppTInfo != nullptr) *ppTInfo = nullptr;
  return E_NOTIMPL;
}

STDMETHODIMP CTKMarkupNamedItemProxy::GetIDsOfNames(REFIID riid, LPOLESTR* rgszNames, UINT cNames,
                                                    LCID lcid, DISPID* rgDispId) {
  IDispatch* pTarget = Target();
  if (pTarget == nullptr) return E_UNEXPECTED;
  return pTarget->GetIDsOfNames(riid, rgszNames, cNames, lcid, rgDispId);
}

STDMETHODIMP CTKMarkupNamedItemProxy::Invoke(DISPID dispIdMember, REFIID riid, LCID lcid,
                                             WORD wFlags, DISPPARAMS* pDispParams,
                                             VARIANT* pVarResult, EXCEPINFO* pExcepInfo,
                                             UINT* puArgErr) {
  IDispatch* pTarget = Target();
  if (pTarget == nullptr) return E_UNEXPECTED;
  // The element stays for the call, whatever the call does to the tree.
  pTarget->AddRef();
  HRESULT hr = pTarget->Invoke(dispIdMember, riid, lcid, wFlags, pDispParams, pVarResult,
                               pExcepInfo, puArgErr);
  pTarget->Release();
  return hr;
}

CTKMarkupObject* MarkupObjectFromNamedItemProxy(LPDISPATCH pDispatch) {
  if (pDispatch == nullptr) return nullptr;
  IDispatch* pProxy = nullptr;
  if (FAILED(pDispatch->QueryInterface(kIID_TKMarkupNamedItemProxy,
                                       reinterpret_cast<void**>(&pProxy))))
    return nullptr;
  CTKMarkupObject* pObject = static_cast<CTKMarkupNamedItemProxy*>(pProxy)->GetObject();
  pProxy->Release();
  return pObject;
}
