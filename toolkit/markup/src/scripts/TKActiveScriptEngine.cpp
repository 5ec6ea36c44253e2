// CTKActiveScriptEngine: creating, feeding and closing one Active Scripting
// engine, and its site.
#include "markup/TKActiveScriptEngine.h"

#include "TKMarkupNamedItemProxy.h"

const IID kIID_IActiveScriptSite = __uuidof(IActiveScriptSite);

namespace {

BSTR CopyBstr(BSTR bstr) {
  return bstr != nullptr ? SysAllocStringLen(bstr, SysStringLen(bstr)) : nullptr;
}

void FreeExcepInfo(EXCEPINFO* pInfo) {
  SysFreeString(pInfo->bstrSource);
  SysFreeString(pInfo->bstrDescription);
  SysFreeString(pInfo->bstrHelpFile);
  delete pInfo;
}

}  // namespace

BEGIN_INTERFACE_MAP(CTKActiveScriptEngine, CCmdTarget)
INTERFACE_PART(CTKActiveScriptEngine, kIID_IActiveScriptSite, ActiveScriptSite)
END_INTERFACE_MAP()

CTKActiveScriptEngine::CTKActiveScriptEngine()
    : m_pOuterSite(nullptr), m_pScript(nullptr), m_pParse(nullptr), m_pLastError(nullptr) {}

CTKActiveScriptEngine::~CTKActiveScriptEngine() { Close(); }

HRESULT CTKActiveScriptEngine::Create(LPCWSTR lpszProgID, IActiveScriptSite* pOuterSite) {
  Close();
  if (lpszProgID == nullptr) return E_INVALIDARG;
  CLSID clsid;
  HRESULT hr = CLSIDFromProgID(lpszProgID, &clsid);
  if (SUCCEEDED(hr))
    hr = CoCreateInstance(clsid, nullptr, CLSCTX_ALL, __uuidof(IActiveScript),
                          reinterpret_cast<void**>(&m_pScript));
  if (SUCCEEDED(hr))
    hr = m_pScript->QueryInterface(__uuidof(IActiveScriptParse),
                                   reinterpret_cast<void**>(&m_pParse));
  if (SUCCEEDED(hr)) hr = m_pParse->InitNew();
  if (SUCCEEDED(hr)) hr = m_pScript->SetScriptSite(&m_xActiveScriptSite);
  if (FAILED(hr)) {
    Close();
    return hr;
  }
  m_pOuterSite = pOuterSite;
  if (m_pOuterSite != nullptr) m_pOuterSite->AddRef();
  return S_OK;
}

HRESULT CTKActiveScriptEngine::AddNamedItem(LPCWSTR lpszName, CTKMarkupObject* pObject,
                                            DWORD dwFlags) {
  if (m_pScript == nullptr) return E_UNEXPECTED;
  if (lpszName == nullptr) return E_INVALIDARG;
  HRESULT hr = m_pScript->AddNamedItem(lpszName, dwFlags);
  if (SUCCEEDED(hr) && pObject != nullptr) m_namedItems[lpszName] = pObject;
  return hr;
}

CTKMarkupObject* CTKActiveScriptEngine::LookupNamedItem(LPCWSTR lpszName) const {
  if (lpszName == nullptr) return nullptr;
  auto it = m_namedItems.find(lpszName);
  return it != m_namedItems.end() ? it->second : nullptr;
}

HRESULT CTKActiveScriptEngine::GetNamedItemUnknown(LPCWSTR lpszName, IUnknown** ppUnknown) {
  CTKMarkupObject* pObject = LookupNamedItem(lpszName);
  if (pObject == nullptr) return E_NOINTERFACE;
  IDispatch*& pProxy = m_proxies[pObject];
  if (pProxy == nullptr) pProxy = new CTKMarkupNamedItemProxy(pObject);
  return pProxy->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(ppUnknown));
}

void CTKActiveScriptEngine::DropProxy(CTKMarkupObject* pObject) {
  auto it = m_proxies.find(pObject);
  if (it == m_proxies.end()) return;
  static_cast<CTKMarkupNamedItemProxy*>(it->second)->Detach();
  it->second->Release();
  m_proxies.erase(it);
}

void CTKActiveScriptEngine::ForgetNamedObject(CTKMarkupObject* pObject) {
  DropProxy(pObject);
  for (auto it = m_namedItems.begin(); it != m_namedItems.end();) {
    if (it->second == pObject)
      it = m_namedItems.erase(it);
    else
      ++it;
  }
}

HRESULT CTKActiveScriptEngine::ParseScriptText(LPCWSTR lpszText) {
  if (m_pScript == nullptr || m_pParse == nullptr) return E_UNEXPECTED;
  HRESULT hr = m_pScript->SetScriptState(SCRIPTSTATE_INITIALIZED);
  if (FAILED(hr)) return hr;
  return m_pParse->ParseScriptText(lpszText, nullptr, nullptr, nullptr, 0, 0, SCRIPTTEXT_ISVISIBLE,
                                   nullptr, nullptr);
}

HRESULT CTKActiveScriptEngine::Run() {
  if (m_pScript == nullptr) return E_UNEXPECTED;
  return m_pScript->SetScriptState(SCRIPTSTATE_CONNECTED);
}

void CTKActiveScriptEngine::Close() {
  ClearErrorInfo();
  if (m_pScript != nullptr) m_pScript->SetScriptState(SCRIPTSTATE_DISCONNECTED);
  if (m_pOuterSite != nullptr) {
    m_pOuterSite->Release();
    m_pOuterSite = nullptr;
  }
  if (m_pParse != nullptr) {
    m_pParse->Release();
    m_pParse = nullptr;
  }
  if (m_pScript != nullptr) {
    m_pScript->Close();
    m_pScript->Release();
    m_pScript = nullptr;
  }
  while (!m_proxies.empty()) DropProxy(m_proxies.begin()->first);
  m_namedItems.clear();
}

void CTKActiveScriptEngine::SetErrorInfo(const EXCEPINFO& info) {
  ClearErrorInfo();
  m_pLastError = new EXCEPINFO(info);
  m_pLastError->bstrSource = CopyBstr(info.bstrSource);
  m_pLastError->bstrDescription = CopyBstr(info.bstrDescription);
  m_pLastError->bstrHelpFile = CopyBstr(info.bstrHelpFile);
}

void CTKActiveScriptEngine::ClearErrorInfo() {
  if (m_pLastError != nullptr) FreeExcepInfo(m_pLastError);
  m_pLastError = nullptr;
}

// The site ------------------------------------------------------------------------------

STDMETHODIMP_(ULONG) CTKActiveScriptEngine::XActiveScriptSite::AddRef() {
  METHOD_PROLOGUE(CTKActiveScriptEngine, ActiveScriptSite)
  return pThis->ExternalAddRef();
}

STDMETHODIMP_(ULONG) CTKActiveScriptEngine::XActiveScriptSite::Release() {
  METHOD_PROLOGUE(CTKActiveScriptEngine, ActiveScriptSite)
  return pThis->ExternalRelease();
}

STDMETHODIMP CTKActiveScriptEngine::XActiveScriptSite::QueryInterface(REFIID iid, LPVOID* ppvObj) {
  METHOD_PROLOGUE(CTKActiveScriptEngine, ActiveScriptSite)
  return static_cast<HRESULT>(pThis->ExternalQueryInterface(&iid, ppvObj));
}

STDMETHODIMP CTKActiveScriptEngine::XActiveScriptSite::GetLCID(LCID* plcid) {
  METHOD_PROLOGUE(CTKActiveScriptEngine, ActiveScriptSite)
  return pThis->m_pOuterSite != nullptr ? pThis->m_pOuterSite->GetLCID(plcid) : E_NOTIMPL;
}

STDMETHODIMP CTKActiveScriptEngine::XActiveScriptSite::GetItemInfo(LPCOLESTR pstrName,
                                                                   DWORD dwReturnMask,
                                                                   IUnknown** ppiunkItem,
                                                                   ITypeInfo** ppti) {
  METHOD_PROLOGUE(CTKActiveScriptEngine, ActiveScriptSite)
  if (pThis->m_pOuterSite == nullptr) return TYPE_E_ELEMENTNOTFOUND;
  return pThis->m_pOuterSite->GetItemInfo(pstrName, dwReturnMask, ppiunkItem, ppti);
}

STDMETHODIMP CTKActiveScriptEngine::XActiveScriptSite::GetDocVersionString(BSTR* pbstrVersion) {
  METHOD_PROLOGUE(CTKActiveScriptEngine, ActiveScriptSite)
  if (pThis->m_pOuterSite == nullptr) return E_NOTIMPL;
  return pThis->m_pOuterSite->GetDocVersionString(pbstrVersion);
}

STDMETHODIMP CTKActiveScriptEngine::XActiveScriptSite::OnScriptTerminate(
    const VARIANT* pvarResult, const EXCEPINFO* pexcepinfo) {
  METHOD_PROLOGUE(CTKActiveScriptEngine, ActiveScriptSite)
  if (pThis->m_pOuterSite == nullptr) return S_OK;
  return pThis->m_pOuterSite->OnScriptTerminate(pvarResult, pexcepinfo);
}

STDMETHODIMP CTKActiveScriptEngine::XActiveScriptSite::OnStateChange(SCRIPTSTATE ssScriptState) {
  METHOD_PROLOGUE(CTKActiveScriptEngine, ActiveScriptSite)
  if (pThis->m_pOuterSite == nullptr) return S_OK;
  return pThis->m_pOuterSite->OnStateChange(ssScriptState);
}

STDMETHODIMP CTKActiveScriptEngine::XActiveScriptSite::OnScriptError(
    IActiveScriptError* pscripterror) {
  METHOD_PROLOGUE(CTKActiveScriptEngine, ActiveScriptSite)
  if (pscripterror != nullptr) {
    EXCEPINFO info = {};
    if (SUCCEEDED(pscripterror->GetExceptionInfo(&info))) {
      // Some engines fill the strings only through the deferred fill-in.
      if (info.pfnDeferredFillIn != nullptr) info.pfnDeferredFillIn(&info);
      pThis->SetErrorInfo(info);
      SysFreeString(info.bstrSource);
      SysFreeString(info.bstrDescription);
      SysFreeString(info.bstrHelpFile);
    }
  }
  if (pThis->m_pOuterSite == nullptr) return E_NOTIMPL;
  return pThis->m_pOuterSite->OnScriptError(pscripterror);
}

STDMETHODIMP CTKActiveScriptEngine::XActiveScriptSite::OnEnterScript() {
  METHOD_PROLOGUE(CTKActiveScriptEngine, ActiveScriptSite)
  return pThis->m_pOuterSite != nullptr ? pThis->m_pOuterSite->OnEnterScript() : S_OK;
}

STDMETHODIMP CTKActiveScriptEngine::XActiveScriptSite::OnLeaveScript() {
  METHOD_PROLOGUE(CTKActiveScriptEngine, ActiveScriptSite)
  return pThis->m_pOuterSite != nullptr ? pThis->m_pOuterSite->OnLeaveScript() : S_OK;
}
