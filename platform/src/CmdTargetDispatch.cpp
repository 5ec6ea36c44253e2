// CCmdTarget's IDispatch: names and dispatch ids from the dispatch maps, and
// Invoke, which runs the entry's thunk and turns exceptions into EXCEPINFO.
#include "afxdisp.h"

#include <olectl.h>

#include <string.h>

const AFX_DISPMAP* PASCAL CCmdTarget::GetThisDispatchMap() {
  static const AFX_DISPMAP_ENTRY entries[] = {AfxDispEndEntry()};
  static const AFX_DISPMAP map = {nullptr, &entries[0]};
  return &map;
}

const AFX_DISPMAP* CCmdTarget::GetDispatchMap() const { return GetThisDispatchMap(); }

void CCmdTarget::EnableAutomation() { m_bAutomation = TRUE; }

LPDISPATCH CCmdTarget::GetIDispatch(BOOL bAddRef) {
  if (!m_bAutomation) return nullptr;
  if (bAddRef) ExternalAddRef();
  return &m_xDispatch;
}

CCmdTarget* PASCAL CCmdTarget::FromIDispatch(LPDISPATCH lpDispatch) {
  if (lpDispatch == nullptr) return nullptr;
  // Only our own dispatch implementation has this vtable; anything else (a
  // script's function object, another program's object) is no CCmdTarget.
  static XDispatch probe;
  if (*reinterpret_cast<void**>(lpDispatch) != *reinterpret_cast<void**>(&probe)) return nullptr;
  return static_cast<XDispatch*>(lpDispatch)->Owner();
}

namespace {

// The standard automation errors of a property that goes one way only; a
// script sees them as an exception with this number and text.
[[noreturn]] void ThrowPropertyError(SCODE sc, LPCSTR lpszDescription) {
  COleDispatchException* e = new COleDispatchException(lpszDescription, 0, 0);
  e->m_scError = sc;
  throw e;
}

}  // namespace

void CCmdTarget::GetNotSupported() {
  ThrowPropertyError(CTL_E_GETNOTSUPPORTED, "Property is write-only.");
}

void CCmdTarget::SetNotSupported() {
  ThrowPropertyError(CTL_E_SETNOTSUPPORTED, "Property is read-only.");
}

namespace {

// Visits the entries from the object's own class to CCmdTarget with their
// dispatch ids. An id assigned by position is (index in its map + 1) in the
// low word and the map's distance from the object's class in the high word,
// so it stays the same for every call on the object.
template <class Visit>
const AFX_DISPMAP_ENTRY* FindEntry(const AFX_DISPMAP* pMap, DISPID* pId, Visit visit) {
  for (WORD nLevel = 0; pMap != nullptr;
       pMap = pMap->pfnGetBaseMap ? pMap->pfnGetBaseMap() : nullptr, ++nLevel) {
    WORD nIndex = 0;
    for (const AFX_DISPMAP_ENTRY* pEntry = pMap->lpEntries; pEntry->kind != afxDispEnd;
         ++pEntry, ++nIndex) {
      DISPID id = pEntry->lDispID != DISPID_UNKNOWN
                      ? pEntry->lDispID
                      : static_cast<DISPID>(MAKELONG(nIndex + 1, nLevel));
      if (visit(*pEntry, id)) {
        if (pId != nullptr) *pId = id;
        return pEntry;
      }
    }
  }
  return nullptr;
}

BSTR AllocOrNull(const CString& str) { return str.IsEmpty() ? nullptr : str.AllocSysString(); }

// What the caller of Invoke learns about an exception thrown by a member.
void FillExcepInfo(EXCEPINFO* pInfo, const CException* pException) {
  if (pInfo == nullptr) return;
  memset(pInfo, 0, sizeof(*pInfo));
  if (pException->IsKindOf(RUNTIME_CLASS(COleDispatchException))) {
    const COleDispatchException* e = static_cast<const COleDispatchException*>(pException);
    // EXCEPINFO carries either a code or an SCODE, never both.
    pInfo->wCode = e->m_wCode;
    pInfo->scode = e->m_wCode != 0 ? S_OK : (e->m_scError != S_OK ? e->m_scError : E_UNEXPECTED);
    pInfo->bstrDescription = AllocOrNull(e->m_strDescription);
    pInfo->bstrSource = AllocOrNull(e->m_strSource);
    pInfo->bstrHelpFile = AllocOrNull(e->m_strHelpFile);
    pInfo->dwHelpContext = e->m_dwHelpContext;
    return;
  }
  pInfo->scode = COleException::Process(pException);
  char szText[512];
  if (pException->GetErrorMessage(szText, sizeof(szText)))
    pInfo->bstrDescription = AllocOrNull(CString(szText));
}

}  // namespace

const AFX_DISPMAP_ENTRY* CCmdTarget::FindDispEntry(DISPID id) const {
  return FindEntry(GetDispatchMap(), nullptr,
                   [id](const AFX_DISPMAP_ENTRY&, DISPID entryId) { return entryId == id; });
}

DISPID CCmdTarget::FindDispID(LPCSTR lpszName) const {
  DISPID id = DISPID_UNKNOWN;
  FindEntry(GetDispatchMap(), &id, [lpszName](const AFX_DISPMAP_ENTRY& entry, DISPID) {
    return _stricmp(entry.lpszName, lpszName) == 0;
  });
  return id;
}

HRESULT CCmdTarget::InvokeEntry(const AFX_DISPMAP_ENTRY& entry, AFX_DISPCALL& call,
                                EXCEPINFO* pExcepInfo) {
  const DISPPARAMS& params = *call.pParams;
  AFX_DISPTHUNK pfnThunk = nullptr;
  void (CCmdTarget::*pfnRefuse)() = nullptr;  // a property's missing direction
  if (call.wFlags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) {
    if (entry.kind != afxDispProperty) return DISP_E_MEMBERNOTFOUND;
    if (params.cNamedArgs > 1 ||
        (params.cNamedArgs == 1 && params.rgdispidNamedArgs[0] != DISPID_PROPERTYPUT))
      return DISP_E_NONAMEDARGS;
    pfnThunk = entry.pfnSet;
    pfnRefuse = &CCmdTarget::SetNotSupported;
  } else if (call.wFlags & (DISPATCH_METHOD | DISPATCH_PROPERTYGET)) {
    if (params.cNamedArgs != 0) return DISP_E_NONAMEDARGS;
    pfnThunk = entry.pfnGet;
    if (entry.kind == afxDispProperty) pfnRefuse = &CCmdTarget::GetNotSupported;
  }
  if (pfnThunk == nullptr && pfnRefuse == nullptr) return DISP_E_MEMBERNOTFOUND;

  // Exceptions must not cross the COM boundary: they become DISP_E_EXCEPTION.
  try {
    if (pfnThunk == nullptr) (this->*pfnRefuse)();
    return pfnThunk(this, entry, call);
  } catch (CException* e) {
    FillExcepInfo(pExcepInfo, e);
    e->Delete();
  } catch (...) {
    if (pExcepInfo != nullptr) {
      memset(pExcepInfo, 0, sizeof(*pExcepInfo));
      pExcepInfo->scode = E_UNEXPECTED;
    }
  }
  if (call.pResult != nullptr) VariantClear(call.pResult);
  return DISP_E_EXCEPTION;
}

// The IDispatch part --------------------------------------------------------------

CCmdTarget* CCmdTarget::XDispatch::Owner() {
  return reinterpret_cast<CCmdTarget*>(reinterpret_cast<BYTE*>(this) -
                                       offsetof(CCmdTarget, m_xDispatch));
}

STDMETHODIMP_(ULONG) CCmdTarget::XDispatch::AddRef() { return Owner()->ExternalAddRef(); }

STDMETHODIMP_(ULONG) CCmdTarget::XDispatch::Release() { return Owner()->ExternalRelease(); }

STDMETHODIMP CCmdTarget::XDispatch::QueryInterface(REFIID iid, LPVOID* ppvObj) {
  return static_cast<HRESULT>(Owner()->ExternalQueryInterface(&iid, ppvObj));
}

STDMETHODIMP CCmdTarget::XDispatch::GetTypeInfoCount(UINT* pctinfo) {
  if (pctinfo == nullptr) return E_POINTER;
  *pctinfo = 0;  // members are found by name only
  return S_OK;
}

STDMETHODIMP CCmdTarget::XDispatch::GetTypeInfo(UINT, LCID, ITypeInfo** ppTInfo) {
  if (ppTInfo == nullptr) return E_POINTER;
  *ppTInfo = nullptr;
  return DISP_E_BADINDEX;
}

STDMETHODIMP CCmdTarget::XDispatch::GetIDsOfNames(REFIID riid, LPOLESTR* rgszNames, UINT cNames,
                                                  LCID, DISPID* rgDispId) {
  if (!IsEqualIID(riid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
  if (rgszNames == nullptr || rgDispId == nullptr) return E_POINTER;
  if (cNames == 0) return E_INVALIDARG;
  rgDispId[0] = Owner()->FindDispID(CString(rgszNames[0]));
  HRESULT hr = rgDispId[0] == DISPID_UNKNOWN ? DISP_E_UNKNOWNNAME : S_OK;
  // Parameters have no names here.
  for (UINT i = 1; i < cNames; ++i) {
    rgDispId[i] = DISPID_UNKNOWN;
    hr = DISP_E_UNKNOWNNAME;
  }
  return hr;
}

STDMETHODIMP CCmdTarget::XDispatch::Invoke(DISPID dispIdMember, REFIID riid, LCID, WORD wFlags,
                                           DISPPARAMS* pDispParams, VARIANT* pVarResult,
                                           EXCEPINFO* pExcepInfo, UINT* puArgErr) {
  if (!IsEqualIID(riid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
  if (pDispParams == nullptr) return E_POINTER;
  CCmdTarget* pThis = Owner();
  const AFX_DISPMAP_ENTRY* pEntry = pThis->FindDispEntry(dispIdMember);
  if (pEntry == nullptr) return DISP_E_MEMBERNOTFOUND;
  if (pVarResult != nullptr) VariantInit(pVarResult);
  AFX_DISPCALL call = {wFlags, pDispParams, pVarResult, puArgErr};
  return pThis->InvokeEntry(*pEntry, call, pExcepInfo);
}
