// The object a script engine holds for a named element. Private.
#pragma once

#include "markup/TKMarkupObject.h"

/// {5B0E6B52-8C3E-4D7A-9A43-1F2B7C9D0E61}: answered by a proxy with itself.
extern const IID kIID_TKMarkupNamedItemProxy;

/// Forwards IDispatch to a named element without holding it: an engine that
/// kept the element itself would keep it, and through it the context that
/// owns the engine, alive for ever. The element's release detaches the proxy;
/// afterwards every call fails with E_UNEXPECTED.
class CTKMarkupNamedItemProxy : public IDispatch {
 public:
  explicit CTKMarkupNamedItemProxy(CTKMarkupObject* pObject) : m_nRef(1), m_pObject(pObject) {}
  void Detach() { m_pObject = nullptr; }
  /// The element, or null once it went.
  CTKMarkupObject* GetObject() const { return m_pObject; }

  STDMETHOD(QueryInterface)(REFIID iid, LPVOID* ppvObj) override;
  STDMETHOD_(ULONG, AddRef)() override { return InterlockedIncrement(&m_nRef); }
  STDMETHOD_(ULONG, Release)() override;
  STDMETHOD(GetTypeInfoCount)(UINT* pctinfo) override;
  STDMETHOD(GetTypeInfo)(UINT iTInfo, LCID lcid, ITypeInfo** ppTInfo) override;
  STDMETHOD(GetIDsOfNames)
  (REFIID riid, LPOLESTR* rgszNames, UINT cNames, LCID lcid, DISPID* rgDispId) override;
  STDMETHOD(Invoke)
  (DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags, DISPPARAMS* pDispParams,
   VARIANT* pVarResult, EXCEPINFO* pExcepInfo, UINT* puArgErr) override;

 private:
  virtual ~CTKMarkupNamedItemProxy() = default;
  LONG m_nRef;
  CTKMarkupObject* m_pObject;

  IDispatch* Target() const {
    return m_pObject != nullptr ? m_pObject->GetIDispatch(FALSE) : nullptr;
  }
};

/// The element behind a proxy's IDispatch, or null for anything else.
CTKMarkupObject* MarkupObjectFromNamedItemProxy(LPDISPATCH pDispatch);
