// The script state of a markup context and the site its engine talks to.
// Private to the context.
#pragma once

#include "TKActiveScriptEngine.h"

#include <string>
#include <vector>

class CTKActiveScriptStdRuntime;
class CTKMarkupContext;

/// The context's side of the engine's site: names the runtime, the context's
/// automation object and the tree's named elements. Its reference count is
/// not the context's: the context closes the engine (the only holder of the
/// site) before it goes, and an engine holding the context alive through its
/// site would keep a context with scripts, and its timeouts, alive for ever.
class CTKMarkupContextScriptSite : public IActiveScriptSite {
 public:
  explicit CTKMarkupContextScriptSite(CTKMarkupContext* pContext) : m_pContext(pContext) {}
  virtual ~CTKMarkupContextScriptSite() = default;

  STDMETHOD(QueryInterface)(REFIID iid, LPVOID* ppvObj) override;
  STDMETHOD_(ULONG, AddRef)() override { return 1; }
  STDMETHOD_(ULONG, Release)() override { return 1; }
  STDMETHOD(GetLCID)(LCID*) override { return E_NOTIMPL; }
  STDMETHOD(GetItemInfo)
  (LPCOLESTR pstrName, DWORD dwReturnMask, IUnknown** ppiunkItem, ITypeInfo** ppti) override;
  STDMETHOD(GetDocVersionString)(BSTR*) override { return E_NOTIMPL; }
  STDMETHOD(OnScriptTerminate)(const VARIANT*, const EXCEPINFO*) override { return S_OK; }
  STDMETHOD(OnStateChange)(SCRIPTSTATE) override { return S_OK; }
  // The engine has kept the error's EXCEPINFO already.
  STDMETHOD(OnScriptError)(IActiveScriptError*) override { return E_NOTIMPL; }
  STDMETHOD(OnEnterScript)() override { return S_OK; }
  STDMETHOD(OnLeaveScript)() override { return S_OK; }

 private:
  CTKMarkupContext* m_pContext;
};

/// Raises "'%ls' script engine is not allowed to use when '%ls' is already
/// used." (the new language, then the one in use).
[[noreturn]] void ThrowMarkupLanguageConflict(LPCWSTR lpszLanguage, LPCWSTR lpszInUse);
/// Raises "Script error [0x%08X]: %ls" from the engine's last error, or the
/// COM error of `hr` without one.
[[noreturn]] void ThrowMarkupScriptError(CTKActiveScriptEngine* pEngine, HRESULT hr);

/// What a context keeps while its latest tree has scripts.
struct CTKMarkupContextScripts {
  explicit CTKMarkupContextScripts(CTKMarkupContext* pContext) : site(pContext) {}
  CTKMarkupContextScriptSite site;
  std::wstring strLanguage;  // empty: no engine
  CTKActiveScriptEngine* pEngine = nullptr;
  std::vector<std::wstring> texts;
  CTKActiveScriptStdRuntime* pRuntime = nullptr;
};
