// Active Accessibility for toolkit objects that are not windows of their own.
#pragma once

#include <afxwin.h>
#include <oleacc.h>

/// The accessibility mix-in. A class derives from CCmdTarget and this, returns
/// itself from GetAccessibleCmdTarget, lists IID_IAccessible -> Accessible in
/// its interface map, overrides the answers it supports and answers
/// WM_GETOBJECT with LresultFromObject. The IAccessible it hands out
/// (m_xAccessible) forwards each call to the operation of the same name; the
/// answers it does not override are E_NOTIMPL (S_FALSE for focus and
/// selection). OLEACC and NotifyWinEvent are bound at run time, so the toolkit
/// runs (without accessibility) where they are missing.
class CTKAccessible {
 public:
  CTKAccessible();
  /// Frees OLEACC when this object loaded it.
  virtual ~CTKAccessible();

  virtual HRESULT GetAccessibleParent(IDispatch** ppdispParent);
  virtual HRESULT GetAccessibleChildCount(long* pcountChildren);
  virtual HRESULT GetAccessibleChild(VARIANT varChild, IDispatch** ppdispChild);
  virtual HRESULT GetAccessibleName(VARIANT varChild, BSTR* pszName);
  virtual HRESULT GetAccessibleValue(VARIANT varChild, BSTR* pszValue);
  virtual HRESULT GetAccessibleDescription(VARIANT varChild, BSTR* pszDescription);
  virtual HRESULT GetAccessibleRole(VARIANT varChild, VARIANT* pvarRole);
  virtual HRESULT GetAccessibleState(VARIANT varChild, VARIANT* pvarState);
  virtual HRESULT GetAccessibleHelp(VARIANT varChild, BSTR* pszHelp);
  virtual HRESULT GetAccessibleHelpTopic(BSTR* pszHelpFile, VARIANT varChild, long* pidTopic);
  virtual HRESULT GetAccessibleKeyboardShortcut(VARIANT varChild, BSTR* pszKeyboardShortcut);
  virtual HRESULT GetAccessibleFocus(VARIANT* pvarChild);
  virtual HRESULT GetAccessibleSelection(VARIANT* pvarChildren);
  virtual HRESULT GetAccessibleDefaultAction(VARIANT varChild, BSTR* pszDefaultAction);
  virtual HRESULT AccessibleSelect(long flagsSelect, VARIANT varChild);
  virtual HRESULT AccessibleLocation(long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight,
                                     VARIANT varChild);
  virtual HRESULT AccessibleNavigate(long navDir, VARIANT varStart, VARIANT* pvarEndUpAt);
  virtual HRESULT AccessibleHitTest(long xLeft, long yTop, VARIANT* pvarChild);
  virtual HRESULT AccessibleDoDefaultAction(VARIANT varChild);
  virtual HRESULT PutAccessibleName(VARIANT varChild, BSTR szName);
  virtual HRESULT PutAccessibleValue(VARIANT varChild, BSTR szValue);
  /// The object that gives the interface its COM identity and reference
  /// count (the deriving object itself); null in the base.
  virtual CCmdTarget* GetAccessibleCmdTarget();

  /// The system's NotifyWinEvent; nothing where it is missing.
  void NotifyWinEvent(DWORD event, HWND hWnd, LONG idObject, LONG idChild);
  /// OLEACC's AccessibleObjectFromWindow; E_FAIL without it.
  HRESULT AccessibleObjectFromWindow(HWND hWnd, DWORD dwObjectId, REFIID riid, void** ppvObject);
  /// OLEACC's LresultFromObject, the answer to WM_GETOBJECT; E_FAIL without it.
  LRESULT LresultFromObject(REFIID riid, WPARAM wParam, LPUNKNOWN punk);

  /// The child a VARIANT names: VT_EMPTY the object itself (0), VT_I2 / VT_I4
  /// (also by reference) their value, a VARIANT by reference the index of the
  /// one it points to; -1 for anything else or a null reference.
  static long GetChildIndex(const VARIANT* pvarChild);

  BEGIN_INTERFACE_PART(Accessible, IAccessible)
  STDMETHOD(GetTypeInfoCount)(UINT* pctinfo) override;
  STDMETHOD(GetTypeInfo)(UINT iTInfo, LCID lcid, ITypeInfo** ppTInfo) override;
  STDMETHOD(GetIDsOfNames)
  (REFIID riid, LPOLESTR* rgszNames, UINT cNames, LCID lcid, DISPID* rgDispId) override;
  STDMETHOD(Invoke)
  (DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags, DISPPARAMS* pDispParams,
   VARIANT* pVarResult, EXCEPINFO* pExcepInfo, UINT* puArgErr) override;
  STDMETHOD(get_accParent)(IDispatch** ppdispParent) override;
  STDMETHOD(get_accChildCount)(long* pcountChildren) override;
  STDMETHOD(get_accChild)(VARIANT varChild, IDispatch** ppdispChild) override;
  STDMETHOD(get_accName)(VARIANT varChild, BSTR* pszName) override;
  STDMETHOD(get_accValue)(VARIANT varChild, BSTR* pszValue) override;
  STDMETHOD(get_accDescription)(VARIANT varChild, BSTR* pszDescription) override;
  STDMETHOD(get_accRole)(VARIANT varChild, VARIANT* pvarRole) override;
  STDMETHOD(get_accState)(VARIANT varChild, VARIANT* pvarState) override;
  STDMETHOD(get_accHelp)(VARIANT varChild, BSTR* pszHelp) override;
  STDMETHOD(get_accHelpTopic)(BSTR* pszHelpFile, VARIANT varChild, long* pidTopic) override;
  STDMETHOD(get_accKeyboardShortcut)(VARIANT varChild, BSTR* pszKeyboardShortcut) override;
  STDMETHOD(get_accFocus)(VARIANT* pvarChild) override;
  STDMETHOD(get_accSelection)(VARIANT* pvarChildren) override;
  STDMETHOD(get_accDefaultAction)(VARIANT varChild, BSTR* pszDefaultAction) override;
  STDMETHOD(accSelect)(long flagsSelect, VARIANT varChild) override;
  STDMETHOD(accLocation)
  (long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight, VARIANT varChild) override;
  STDMETHOD(accNavigate)(long navDir, VARIANT varStart, VARIANT* pvarEndUpAt) override;
  STDMETHOD(accHitTest)(long xLeft, long yTop, VARIANT* pvarChild) override;
  STDMETHOD(accDoDefaultAction)(VARIANT varChild) override;
  STDMETHOD(put_accName)(VARIANT varChild, BSTR szName) override;
  STDMETHOD(put_accValue)(VARIANT varChild, BSTR szValue) override;
  END_INTERFACE_PART(Accessible)

 protected:
  /// The library the OLEACC calls come from (tests name one without them).
  CString m_strOleAccModule;

 private:
  BOOL BindOleAcc(FARPROC* ppfn, LPCSTR lpszName);

  typedef void(WINAPI* PFNNOTIFYWINEVENT)(DWORD, HWND, LONG, LONG);
  typedef LRESULT(WINAPI* PFNLRESULTFROMOBJECT)(REFIID, WPARAM, LPUNKNOWN);
  typedef HRESULT(WINAPI* PFNACCESSIBLEOBJECTFROMWINDOW)(HWND, DWORD, REFIID, void**);

  PFNNOTIFYWINEVENT m_pfnNotifyWinEvent;
  PFNLRESULTFROMOBJECT m_pfnLresultFromObject;
  PFNACCESSIBLEOBJECTFROMWINDOW m_pfnAccessibleObjectFromWindow;
  /// Null until first used, -1 once NotifyWinEvent proved missing.
  HMODULE m_hUser32;
  /// Null until first used, -1 once an OLEACC entry point proved missing.
  HMODULE m_hOleAcc;
};
