// The IAccessible that clients receive: identity and reference count from the
// deriving object, every accessibility call forwarded to its operations.
#include "common/TKAccessible.h"

#define TK_ACCESSIBLE_PROLOGUE METHOD_PROLOGUE_EX(CTKAccessible, Accessible)

STDMETHODIMP_(ULONG) CTKAccessible::XAccessible::AddRef() {
  TK_ACCESSIBLE_PROLOGUE
  CCmdTarget* pTarget = pThis->GetAccessibleCmdTarget();
  return pTarget ? pTarget->ExternalAddRef() : 1;
}

STDMETHODIMP_(ULONG) CTKAccessible::XAccessible::Release() {
  TK_ACCESSIBLE_PROLOGUE
  CCmdTarget* pTarget = pThis->GetAccessibleCmdTarget();
  return pTarget ? pTarget->ExternalRelease() : 1;
}

STDMETHODIMP CTKAccessible::XAccessible::QueryInterface(REFIID iid, LPVOID* ppvObj) {
  TK_ACCESSIBLE_PROLOGUE
  CCmdTarget* pTarget = pThis->GetAccessibleCmdTarget();
  if (pTarget == nullptr) {
    if (ppvObj) *ppvObj = nullptr;
    return E_NOINTERFACE;
  }
  return static_cast<HRESULT>(pTarget->ExternalQueryInterface(&iid, ppvObj));
}

STDMETHODIMP CTKAccessible::XAccessible::GetTypeInfoCount(UINT*) { return E_NOTIMPL; }
STDMETHODIMP CTKAccessible::XAccessible::GetTypeInfo(UINT, LCID, ITypeInfo**) { return E_NOTIMPL; }
STDMETHODIMP CTKAccessible::XAccessible::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) {
  return E_NOTIMPL;
}
STDMETHODIMP CTKAccessible::XAccessible::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*,
                                                EXCEPINFO*, UINT*) {
  return E_NOTIMPL;
}

STDMETHODIMP CTKAccessible::XAccessible::get_accParent(IDispatch** ppdispParent) {
  TK_ACCESSIBLE_PROLOGUE
  return pThis->GetAccessibleParent(ppdispParent);
}

STDMETHODIMP CTKAccessible::XAccessible::get_accChildCount(long* pcountChildren) {
  TK_ACCESSIBLE_PROLOGUE
  return pThis->GetAccessibleChildCount(pcountChildren);
}

STDMETHODIMP CTKAccessible::XAccessible::get_accChild(VARIANT varChild, IDispatch** ppdispChild) {
  TK_ACCESSIBLE_PROLOGUE
  return pThis->GetAccessibleChild(varChild, ppdispChild);
}

STDMETHODIMP CTKAccessible::XAccessible::get_accName(VARIANT varChild, BSTR* pszName) {
  TK_ACCESSIBLE_PROLOGUE
  return pThis->GetAccessibleName(varChild, pszName);
}

STDMETHODIMP CTKAccessible::XAccessible::get_accValue(VARIANT varChild, BSTR* pszValue) {
  TK_ACCESSIBLE_PROLOGUE
  return pThis->GetAccessibleValue(varChild, pszValue);
}

STDMETHODIMP CTKAccessible::XAccessible::get_accDescription(VARIANT varChild,
                                                            BSTR* pszDescription) {
  TK_ACCESSIBLE_PROLOGUE
  return pThis->GetAccessibleDescription(varChild, pszDescription);
}

STDMETHODIMP CTKAccessible::XAccessible::get_accRole(VARIANT varChild, VARIANT* pvarRole) {
  TK_ACCESSIBLE_PROLOGUE
  return pThis->GetAccessibleRole(varChild, pvarRole);
}

STDMETHODIMP CTKAccessible::XAccessible::get_accState(VARIANT varChild, VARIANT* pvarState) {
  TK_ACCESSIBLE_PROLOGUE
  return pThis->GetAccessibleState(varChild, pvarState);
}

STDMETHODIMP CTKAccessible::XAccessible::get_accHelp(VARIANT varChild, BSTR* pszHelp) {
  TK_ACCESSIBLE_PROLOGUE
  return pThis->GetAccessibleHelp(varChild, pszHelp);
}

STDMETHODIMP CTKAccessible::XAccessible::get_accHelpTopic(BSTR* pszHelpFile, VARIANT varChild,
                                                          long* pidTopic) {
  TK_ACCESSIBLE_PROLOGUE
  return pThis->GetAccessibleHelpTopic(pszHelpFile, varChild, pidTopic);
}

STDMETHODIMP CTKAccessible::XAccessible::get_accKeyboardShortcut(VARIANT varChild,
                                                                 BSTR* pszKeyboardShortcut) {
  TK_ACCESSIBLE_PROLOGUE
  return pThis->GetAccessibleKeyboardShortcut(varChild, pszKeyboardShortcut);
}

STDMETHODIMP CTKAccessible::XAccessible::get_accFocus(VARIANT* pvarChild) {
  TK_ACCESSIBLE_PROLOGUE
  return pThis->GetAccessibleFocus(pvarChild);
}

STDMETHODIMP CTKAccessible::XAccessible::get_accSelection(VARIANT* pvarChildren) {
  TK_ACCESSIBLE_PROLOGUE
  return pThis->GetAccessibleSelection(pvarChildren);
}

STDMETHODIMP CTKAccessible::XAccessible::get_accDefaultAction(VARIANT varChild,
                                                              BSTR* pszDefaultAction) {
  TK_ACCESSIBLE_PROLOGUE
  return pThis->GetAccessibleDefaultAction(varChild, pszDefaultAction);
}

STDMETHODIMP CTKAccessible::XAccessible::accSelect(long flagsSelect, VARIANT varChild) {
  TK_ACCESSIBLE_PROLOGUE
  return pThis->AccessibleSelect(flagsSelect, varChild);
}

STDMETHODIMP CTKAccessible::XAccessible::accLocation(long* pxLeft, long* pyTop, long* pcxWidth,
                                                     long* pcyHeight, VARIANT varChild) {
  TK_ACCESSIBLE_PROLOGUE
  return pThis->AccessibleLocation(pxLeft, pyTop, pcxWidth, pcyHeight, varChild);
}

STDMETHODIMP CTKAccessible::XAccessible::accNavigate(long navDir, VARIANT varStart,
                                                     VARIANT* pvarEndUpAt) {
  TK_ACCESSIBLE_PROLOGUE
  return pThis->AccessibleNavigate(navDir, varStart, pvarEndUpAt);
}

STDMETHODIMP CTKAccessible::XAccessible::accHitTest(long xLeft, long yTop, VARIANT* pvarChild) {
  TK_ACCESSIBLE_PROLOGUE
  return pThis->AccessibleHitTest(xLeft, yTop, pvarChild);
}

STDMETHODIMP CTKAccessible::XAccessible::accDoDefaultAction(VARIANT varChild) {
  TK_ACCESSIBLE_PROLOGUE
  return pThis->AccessibleDoDefaultAction(varChild);
}

STDMETHODIMP CTKAccessible::XAccessible::put_accName(VARIANT varChild, BSTR szName) {
  TK_ACCESSIBLE_PROLOGUE
  return pThis->PutAccessibleName(varChild, szName);
}

STDMETHODIMP CTKAccessible::XAccessible::put_accValue(VARIANT varChild, BSTR szValue) {
  TK_ACCESSIBLE_PROLOGUE
  return pThis->PutAccessibleValue(varChild, szValue);
}
