// CTKActiveScriptEngine: creating, feeding and closing one Active Scripting
// engine, and its site.
#include "TKActiveScriptEngine.h"

#include "TKMarkupNamedItemProxy.h"
#include "common/TKRefPtr.h"

#include <comcat.h>
#include <objsafe.h>
#include <servprov.h>
#include <urlmon.h>

const IID kIID_IActiveScriptSite = __uuidof(IActiveScriptSite);

namespace {

// {F0B7A1A1-9847-11CF-8F20-00805F2CD064}: classes that are scripting engines.
const CATID kCatidActiveScript = {
    0xF0B7A1A1, 0x9847, 0x11CF, {0x8F, 0x20, 0x00, 0x80, 0x5F, 0x2C, 0xD0, 0x64}};
// {0002E005-0000-0000-C000-000000000046}
const CLSID kClsidComponentCategories = {
    0x0002E005, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
// {F414C260-6AC0-11CF-B6D1-00AA00BBBB58} and {B54F3741-5B07-11CF-A4B0-00AA004A55E8}:
// the system's two engines, accepted even where their category is not
// registered.
const CLSID kClsidJScript = {
    0xF414C260, 0x6AC0, 0x11CF, {0xB6, 0xD1, 0x00, 0xAA, 0x00, 0xBB, 0xBB, 0x58}};
const CLSID kClsidVBScript = {
    0xB54F3741, 0x5B07, 0x11CF, {0xA4, 0xB0, 0x00, 0xAA, 0x00, 0x4A, 0x55, 0xE8}};
// {CB5BDC81-93C1-11CF-8F20-00805F2CD064}
const IID kIID_IObjectSafety = {
    0xCB5BDC81, 0x93C1, 0x11CF, {0x8F, 0x20, 0x00, 0x80, 0x5F, 0x2C, 0xD0, 0x64}};

bool IsScriptEngineClass(REFCLSID clsid) {
  if (IsEqualCLSID(clsid, kClsidJScript) || IsEqualCLSID(clsid, kClsidVBScript)) return true;
  CTKComPtr<ICatInformation> categories;
  if (FAILED(CoCreateInstance(kClsidComponentCategories, nullptr, CLSCTX_INPROC_SERVER,
                              __uuidof(ICatInformation),
                              reinterpret_cast<void**>(categories.ReleaseAndGetAddressOf()))))
    return false;
  CATID implemented = kCatidActiveScript;
  return categories->IsClassOfCategories(clsid, 1, &implemented, static_cast<ULONG>(-1),
                                         nullptr) == S_OK;
}

// The engine of a language name: only scripting engines, made in this
// process (a language name must not start a server or any other class).
// An unknown name and a class that is no engine fail alike.
HRESULT CreateScriptEngine(LPCWSTR lpszProgID, IActiveScript** ppScript) {
  *ppScript = nullptr;
  CLSID clsid;
  HRESULT hr = CLSIDFromProgID(lpszProgID, &clsid);
  if (FAILED(hr)) return hr;
  if (!IsScriptEngineClass(clsid)) return CO_E_CLASSSTRING;
  CTKComPtr<IUnknown> unknown;
  hr = CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                        reinterpret_cast<void**>(unknown.ReleaseAndGetAddressOf()));
  if (FAILED(hr)) return hr;
  hr = unknown->QueryInterface(__uuidof(IActiveScript), reinterpret_cast<void**>(ppScript));
  if (FAILED(hr) || *ppScript == nullptr) {
    *ppScript = nullptr;
    return CO_E_CLASSSTRING;
  }
  return S_OK;
}

// Markup text is untrusted data: the engine must promise to treat it so,
// and to ask the site's security manager before it makes an object.
HRESULT MakeEngineSafe(IActiveScript* pScript) {
  CTKComPtr<IObjectSafety> safety;
  HRESULT hr = pScript->QueryInterface(kIID_IObjectSafety,
                                       reinterpret_cast<void**>(safety.ReleaseAndGetAddressOf()));
  if (FAILED(hr)) return hr;
  const DWORD dwWanted = INTERFACESAFE_FOR_UNTRUSTED_DATA | INTERFACE_USES_SECURITY_MANAGER;
  hr = safety->SetInterfaceSafetyOptions(__uuidof(IActiveScriptParse), dwWanted, dwWanted);
  if (FAILED(hr))
    hr = safety->SetInterfaceSafetyOptions(__uuidof(IActiveScriptParse),
                                           INTERFACESAFE_FOR_UNTRUSTED_DATA,
                                           INTERFACESAFE_FOR_UNTRUSTED_DATA);
  return hr;
}

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
INTERFACE_PART(CTKActiveScriptEngine, __uuidof(IServiceProvider), ServiceProvider)
INTERFACE_PART(CTKActiveScriptEngine, __uuidof(IInternetHostSecurityManager), HostSecurityManager)
END_INTERFACE_MAP()

CTKActiveScriptEngine::CTKActiveScriptEngine()
    : m_pOuterSite(nullptr), m_pScript(nullptr), m_pParse(nullptr), m_pLastError(nullptr) {}

CTKActiveScriptEngine::~CTKActiveScriptEngine() { Close(); }

HRESULT CTKActiveScriptEngine::Create(LPCWSTR lpszProgID, IActiveScriptSite* pOuterSite) {
  Close();
  if (lpszProgID == nullptr) return E_INVALIDARG;
  HRESULT hr = CreateScriptEngine(lpszProgID, &m_pScript);
  if (SUCCEEDED(hr))
    hr = m_pScript->QueryInterface(__uuidof(IActiveScriptParse),
                                   reinterpret_cast<void**>(&m_pParse));
  if (SUCCEEDED(hr)) hr = MakeEngineSafe(m_pScript);
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
  // Only a started engine is disconnected: an engine that merely compiled
  // could run its queued code on the way through that state.
  SCRIPTSTATE state = SCRIPTSTATE_UNINITIALIZED;
  if (m_pScript != nullptr && SUCCEEDED(m_pScript->GetScriptState(&state)) &&
      (state == SCRIPTSTATE_STARTED || state == SCRIPTSTATE_CONNECTED))
    m_pScript->SetScriptState(SCRIPTSTATE_DISCONNECTED);
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

// Object creation -------------------------------------------------------------------------
// The engine asks the site for a host security manager before a script makes
// an object; this one refuses every object.

STDMETHODIMP_(ULONG) CTKActiveScriptEngine::XServiceProvider::AddRef() {
  METHOD_PROLOGUE(CTKActiveScriptEngine, ServiceProvider)
  return pThis->ExternalAddRef();
}

STDMETHODIMP_(ULONG) CTKActiveScriptEngine::XServiceProvider::Release() {
  METHOD_PROLOGUE(CTKActiveScriptEngine, ServiceProvider)
  return pThis->ExternalRelease();
}

STDMETHODIMP CTKActiveScriptEngine::XServiceProvider::QueryInterface(REFIID iid, LPVOID* ppvObj) {
  METHOD_PROLOGUE(CTKActiveScriptEngine, ServiceProvider)
  return static_cast<HRESULT>(pThis->ExternalQueryInterface(&iid, ppvObj));
}

STDMETHODIMP CTKActiveScriptEngine::XServiceProvider::QueryService(REFGUID guidService,
                                                                    REFIID riid, void** ppv) {
  METHOD_PROLOGUE(CTKActiveScriptEngine, ServiceProvider)
  if (ppv == nullptr) return E_POINTER;
  *ppv = nullptr;
  if (!IsEqualGUID(guidService, __uuidof(IInternetHostSecurityManager))) return E_NOINTERFACE;
  return static_cast<HRESULT>(pThis->ExternalQueryInterface(&riid, ppv));
}

STDMETHODIMP_(ULONG) CTKActiveScriptEngine::XHostSecurityManager::AddRef() {
  METHOD_PROLOGUE(CTKActiveScriptEngine, HostSecurityManager)
  return pThis->ExternalAddRef();
}

STDMETHODIMP_(ULONG) CTKActiveScriptEngine::XHostSecurityManager::Release() {
  METHOD_PROLOGUE(CTKActiveScriptEngine, HostSecurityManager)
  return pThis->ExternalRelease();
}

STDMETHODIMP CTKActiveScriptEngine::XHostSecurityManager::QueryInterface(REFIID iid,
                                                                          LPVOID* ppvObj) {
  METHOD_PROLOGUE(CTKActiveScriptEngine, HostSecurityManager)
  return static_cast<HRESULT>(pThis->ExternalQueryInterface(&iid, ppvObj));
}

STDMETHODIMP CTKActiveScriptEngine::XHostSecurityManager::GetSecurityId(BYTE*, DWORD*, DWORD_PTR) {
  return E_NOTIMPL;
}

STDMETHODIMP CTKActiveScriptEngine::XHostSecurityManager::ProcessUrlAction(DWORD, BYTE* pPolicy,
                                                                           DWORD cbPolicy, BYTE*,
                                                                           DWORD, DWORD, DWORD) {
  if (pPolicy != nullptr && cbPolicy >= sizeof(DWORD)) {
    const DWORD dwPolicy = URLPOLICY_DISALLOW;
    memcpy(pPolicy, &dwPolicy, sizeof(dwPolicy));
  }
  return S_FALSE;
}

STDMETHODIMP CTKActiveScriptEngine::XHostSecurityManager::QueryCustomPolicy(
    REFGUID, BYTE** ppPolicy, DWORD* pcbPolicy, BYTE*, DWORD, DWORD) {
  if (ppPolicy == nullptr || pcbPolicy == nullptr) return E_POINTER;
  *ppPolicy = static_cast<BYTE*>(CoTaskMemAlloc(sizeof(DWORD)));
  *pcbPolicy = 0;
  if (*ppPolicy == nullptr) return E_OUTOFMEMORY;
  const DWORD dwPolicy = URLPOLICY_DISALLOW;
  memcpy(*ppPolicy, &dwPolicy, sizeof(dwPolicy));
  *pcbPolicy = sizeof(dwPolicy);
  return S_OK;
}
