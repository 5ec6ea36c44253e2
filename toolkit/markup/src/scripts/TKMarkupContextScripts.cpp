// CTKMarkupContext: the script host of the latest tree: the engine made for
// the first script block, the names scripts see, running the queued texts
// after the build, and script errors as build errors.
#include "TKMarkupContextScripts.h"

#include "TKMarkupMessageText.h"
#include "TKMarkupScriptCheck.h"
#include "TKActiveScriptStdRuntime.h"
#include "markup/TKMarkupBuilder.h"
#include "markup/TKMarkupContext.h"
#include "TKMarkupDelegate.h"
#include "markup/TKMarkupDependencyProperty.h"
#include "TKMarkupString.h"

namespace {

const WCHAR kRuntimeItem[] = L"__TKActiveScriptStdRuntime";
const WCHAR kContextItem[] = L"MarkupContext";

HRESULT ControllingUnknown(LPDISPATCH pDispatch, IUnknown** ppUnknown) {
  if (pDispatch == nullptr) return E_NOINTERFACE;
  return pDispatch->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(ppUnknown));
}

}  // namespace

void ThrowMarkupLanguageConflict(LPCWSTR lpszLanguage, LPCWSTR lpszInUse) {
  CTKMarkupBuilder::ThrowBuilderError(
      "'%ls' script engine is not allowed to use when '%ls' is already used.", lpszLanguage,
      lpszInUse);
}

void ThrowMarkupScriptError(CTKActiveScriptEngine* pEngine, HRESULT hr) {
  const EXCEPINFO* pInfo = pEngine != nullptr ? pEngine->GetLastExceptionInfo() : nullptr;
  if (pInfo == nullptr) CTKMarkupBuilder::ThrowComError(hr);
  const unsigned nCode = pInfo->wCode != 0 ? pInfo->wCode : static_cast<unsigned>(pInfo->scode);
  CString message;
  message.Format("Script error [0x%08X]: ", nCode);
  message += pInfo->bstrDescription != nullptr ? MarkupMessageText(pInfo->bstrDescription)
                                               : CString("<unknown>");
  CTKMarkupBuilder::ThrowBuilderError(message);
}

CTKMarkupContextScripts* CTKMarkupContext::Scripts() {
  if (m_pScripts == nullptr) m_pScripts = new CTKMarkupContextScripts(this);
  return m_pScripts;
}

CTKActiveScriptEngine* CTKMarkupContext::GetScriptEngine() const {
  return m_pScripts != nullptr ? m_pScripts->pEngine : nullptr;
}

CTKActiveScriptStdRuntime* CTKMarkupContext::GetScriptRuntime() const {
  return m_pScripts != nullptr ? m_pScripts->pRuntime : nullptr;
}

void CTKMarkupContext::AddScript(CTKMarkupBuilder* pBuilder, LPCWSTR lpszLanguage,
                                 LPCWSTR lpszText) {
  if (pBuilder == nullptr || lpszText == nullptr) return;
  if (lpszLanguage == nullptr || *lpszLanguage == 0) lpszLanguage = L"JScript";
  // A validation compiles the blocks on an engine of its own; a caption, a
  // tip or a parse from inside a script hands nothing to an engine.
  if (CTKMarkupScriptCheck* pCheck = pBuilder->GetScriptCheck()) {
    pCheck->AddScript(lpszLanguage, lpszText);
    return;
  }
  if (!pBuilder->RunsScripts()) return;
  CTKMarkupContextScripts* pScripts = Scripts();
  if (pScripts->pEngine == nullptr) {
    pScripts->pEngine = new CTKActiveScriptEngine;
    HRESULT hr = pScripts->pEngine->Create(lpszLanguage, &pScripts->site);
    if (SUCCEEDED(hr))
      hr = pScripts->pEngine->AddNamedItem(kRuntimeItem, nullptr, SCRIPTITEM_GLOBALMEMBERS);
    std::vector<std::wstring> names;
    GetScriptNamedItems(names);
    for (size_t i = 0; SUCCEEDED(hr) && i < names.size(); ++i)
      hr = pScripts->pEngine->AddNamedItem(names[i].c_str(), nullptr, SCRIPTITEM_ISVISIBLE);
    if (FAILED(hr)) {
      CloseScripts();
      CTKMarkupBuilder::ThrowComError(hr);
    }
    pScripts->strLanguage = lpszLanguage;
  } else if (pScripts->strLanguage != lpszLanguage) {
    ThrowMarkupLanguageConflict(lpszLanguage, pScripts->strLanguage.c_str());
  }
  pScripts->texts.push_back(lpszText);
}

void CTKMarkupContext::AddNamedItems(CTKMarkupBuilder* pBuilder, CTKMarkupObject* pObject) {
  CTKActiveScriptEngine* pEngine = GetScriptEngine();
  if (pEngine == nullptr || pObject == nullptr) return;
  LPCWSTR lpszName = MarkupStringText(pObject->GetValue(CTKMarkupObject::NameProperty));
  if (lpszName != nullptr && *lpszName != 0) {
    HRESULT hr = pEngine->AddNamedItem(lpszName, pObject, SCRIPTITEM_ISVISIBLE);
    if (FAILED(hr)) CTKMarkupBuilder::ThrowComError(hr);
  }
  const int nCount = pObject->GetLogicalChildrenCount();
  for (int i = 0; i < nCount; ++i) AddNamedItems(pBuilder, pObject->GetLogicalChild(i));
}

void CTKMarkupContext::RunScripts(CTKMarkupBuilder* pBuilder) {
  CTKActiveScriptEngine* pEngine = GetScriptEngine();
  if (pEngine == nullptr) return;
  // An engine may run global code while parsing or connecting and report an
  // error there only to the site: a kept error fails the build all the same.
  for (const std::wstring& text : m_pScripts->texts) {
    pEngine->ClearErrorInfo();
    HRESULT hr = pEngine->ParseScriptText(text.c_str());
    if (FAILED(hr) || pEngine->GetLastExceptionInfo() != nullptr)
      ThrowScriptError(pBuilder, FAILED(hr) ? hr : E_FAIL);
  }
  pEngine->ClearErrorInfo();
  HRESULT hr = pEngine->Run();
  if (FAILED(hr) || pEngine->GetLastExceptionInfo() != nullptr)
    ThrowScriptError(pBuilder, FAILED(hr) ? hr : E_FAIL);
}

void CTKMarkupContext::CloseScripts() {
  if (m_pScripts == nullptr) return;
  CTKMarkupContextScripts* pScripts = m_pScripts;
  pScripts->texts.clear();
  pScripts->strLanguage.clear();
  // Handlers that the closed scripts registered belong to their engine: a
  // later tree (with or without scripts of its own) must not reach them.
  if (m_pDelegates != nullptr) m_pDelegates->DropScriptDelegates();
  if (pScripts->pEngine != nullptr) {
    CTKActiveScriptEngine* pEngine = pScripts->pEngine;
    pScripts->pEngine = nullptr;
    pEngine->Close();
    pEngine->InternalRelease();
  }
  if (pScripts->pRuntime != nullptr) {
    CTKActiveScriptStdRuntime* pRuntime = pScripts->pRuntime;
    pScripts->pRuntime = nullptr;
    // The engine may still hold the runtime; its timeouts end now all the same.
    pRuntime->CancelTimeouts();
    pRuntime->InternalRelease();
  }
}

void CTKMarkupContext::ThrowScriptError(CTKMarkupBuilder*, HRESULT hr) {
  ThrowMarkupScriptError(GetScriptEngine(), hr);
}

void CTKMarkupContext::GetScriptNamedItems(std::vector<std::wstring>& names) {
  names.push_back(kContextItem);
}

HRESULT CTKMarkupContext::GetScriptNamedItem(LPCWSTR lpszName, IUnknown** ppUnknown) {
  if (lpszName == nullptr || wcscmp(lpszName, kContextItem) != 0) return E_NOINTERFACE;
  return ControllingUnknown(GetInternalDispatch(), ppUnknown);
}

HRESULT CTKMarkupContext::GetScriptItem(LPCWSTR lpszName, IUnknown** ppUnknown) {
  if (lpszName != nullptr && wcscmp(lpszName, kRuntimeItem) == 0) {
    CTKMarkupContextScripts* pScripts = Scripts();
    if (pScripts->pRuntime == nullptr) pScripts->pRuntime = new CTKActiveScriptStdRuntime;
    return ControllingUnknown(pScripts->pRuntime->GetIDispatch(FALSE), ppUnknown);
  }
  HRESULT hr = GetScriptNamedItem(lpszName, ppUnknown);
  if (*ppUnknown != nullptr) return hr;
  CTKActiveScriptEngine* pEngine = GetScriptEngine();
  if (pEngine == nullptr || pEngine->LookupNamedItem(lpszName) == nullptr) return hr;
  return pEngine->GetNamedItemUnknown(lpszName, ppUnknown);
}

// The site -----------------------------------------------------------------------------

STDMETHODIMP CTKMarkupContextScriptSite::QueryInterface(REFIID iid, LPVOID* ppvObj) {
  if (ppvObj == nullptr) return E_POINTER;
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, kIID_IActiveScriptSite)) {
    *ppvObj = static_cast<IActiveScriptSite*>(this);
    AddRef();
    return S_OK;
  }
  *ppvObj = nullptr;
  return E_NOINTERFACE;
}

STDMETHODIMP CTKMarkupContextScriptSite::GetItemInfo(LPCOLESTR pstrName, DWORD dwReturnMask,
                                                     IUnknown** ppiunkItem, ITypeInfo** ppti) {
  // No type information is offered.
  if ((dwReturnMask & SCRIPTINFO_ITYPEINFO) != 0 && ppti != nullptr) *ppti = nullptr;
  if ((dwReturnMask & SCRIPTINFO_IUNKNOWN) == 0) return TYPE_E_ELEMENTNOTFOUND;
  if (ppiunkItem == nullptr) return E_POINTER;
  *ppiunkItem = nullptr;
  return m_pContext->GetScriptItem(pstrName, ppiunkItem);
}
