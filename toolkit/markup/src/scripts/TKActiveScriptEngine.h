// CTKActiveScriptEngine: one Active Scripting engine, found by its language's
// ProgID, with the site the engine talks to and the objects that scripts
// know by name.
#pragma once

#include "afxdisp.h"

#include <activscp.h>
#include <servprov.h>
#include <urlmon.h>

#include <map>
#include <string>

class CTKMarkupObject;

#ifdef _WIN64
typedef IActiveScriptParse64 ITKActiveScriptParse;
#else
typedef IActiveScriptParse32 ITKActiveScriptParse;
#endif

/// Reference counted (CCmdTarget). Its own site passes every call on to the
/// outer site given to Create, after keeping a copy of a script error's
/// EXCEPINFO. The engine is told that its scripts are untrusted data, and
/// the site's host security manager refuses every object a script asks to
/// make. Used on one thread: the thread of the markup context.
class CTKActiveScriptEngine : public CCmdTarget {
 public:
  CTKActiveScriptEngine();
  ~CTKActiveScriptEngine() override;

  /// Closes any engine, then makes the engine of `lpszProgID` (for instance
  /// "JScript") and gives it this object's site; `pOuterSite` is held with a
  /// reference. Only scripting engines are made, in this process: a name of
  /// any other class fails as an unknown one (CO_E_CLASSSTRING). The first
  /// failing HRESULT (after closing again), else S_OK.
  HRESULT Create(LPCWSTR lpszProgID, IActiveScriptSite* pOuterSite);
  /// The engine's AddNamedItem; on success with an object, the object is
  /// remembered under the name (without a reference).
  HRESULT AddNamedItem(LPCWSTR lpszName, CTKMarkupObject* pObject, DWORD dwFlags);
  /// The object remembered under exactly that name, or null.
  CTKMarkupObject* LookupNamedItem(LPCWSTR lpszName) const;
  /// What the engine gets for that name: a proxy of the object that does not
  /// keep it alive (one reference for the caller); E_NOINTERFACE without one.
  HRESULT GetNamedItemUnknown(LPCWSTR lpszName, IUnknown** ppUnknown);
  /// Forgets an object that is going away, under whatever names it has.
  void ForgetNamedObject(CTKMarkupObject* pObject);
  /// Initialised state, then the text is parsed as visible global code.
  HRESULT ParseScriptText(LPCWSTR lpszText);
  /// Connected state: the parsed code runs and events reach it.
  HRESULT Run();
  /// Disconnects and closes the engine and drops what it holds; safe to call
  /// twice.
  void Close();
  BOOL IsOpen() const { return m_pScript != nullptr; }
  /// The engine (no reference added), or null.
  IActiveScript* GetActiveScript() const { return m_pScript; }

  /// The EXCEPINFO of the last script error, or null.
  const EXCEPINFO* GetLastExceptionInfo() const { return m_pLastError; }
  /// Keeps a copy of `info` (its strings duplicated) as the last error.
  void SetErrorInfo(const EXCEPINFO& info);
  void ClearErrorInfo();

  BEGIN_INTERFACE_PART(ActiveScriptSite, IActiveScriptSite)
  STDMETHOD(GetLCID)(LCID* plcid) override;
  STDMETHOD(GetItemInfo)
  (LPCOLESTR pstrName, DWORD dwReturnMask, IUnknown** ppiunkItem, ITypeInfo** ppti) override;
  STDMETHOD(GetDocVersionString)(BSTR* pbstrVersion) override;
  STDMETHOD(OnScriptTerminate)(const VARIANT* pvarResult, const EXCEPINFO* pexcepinfo) override;
  STDMETHOD(OnStateChange)(SCRIPTSTATE ssScriptState) override;
  STDMETHOD(OnScriptError)(IActiveScriptError* pscripterror) override;
  STDMETHOD(OnEnterScript)() override;
  STDMETHOD(OnLeaveScript)() override;
  END_INTERFACE_PART(ActiveScriptSite)

  BEGIN_INTERFACE_PART(ServiceProvider, IServiceProvider)
  STDMETHOD(QueryService)(REFGUID guidService, REFIID riid, void** ppv) override;
  END_INTERFACE_PART(ServiceProvider)

  BEGIN_INTERFACE_PART(HostSecurityManager, IInternetHostSecurityManager)
  STDMETHOD(GetSecurityId)(BYTE* pbSecurityId, DWORD* pcbSecurityId, DWORD_PTR dwReserved) override;
  STDMETHOD(ProcessUrlAction)
  (DWORD dwAction, BYTE* pPolicy, DWORD cbPolicy, BYTE* pContext, DWORD cbContext, DWORD dwFlags,
   DWORD dwReserved) override;
  STDMETHOD(QueryCustomPolicy)
  (REFGUID guidKey, BYTE** ppPolicy, DWORD* pcbPolicy, BYTE* pContext, DWORD cbContext,
   DWORD dwReserved) override;
  END_INTERFACE_PART(HostSecurityManager)

  DECLARE_INTERFACE_MAP()

 private:
  IActiveScriptSite* m_pOuterSite;
  IActiveScript* m_pScript;
  ITKActiveScriptParse* m_pParse;
  EXCEPINFO* m_pLastError;
  std::map<std::wstring, CTKMarkupObject*> m_namedItems;
  std::map<CTKMarkupObject*, IDispatch*> m_proxies;  // one reference each

  void DropProxy(CTKMarkupObject* pObject);
};

/// IActiveScriptSite {DB01A1E3-A42B-11CF-8F20-00805F2CD064}.
extern const IID kIID_IActiveScriptSite;
