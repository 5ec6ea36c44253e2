// The site of one OLE control hosted in a window (CWnd::CreateControl).
#pragma once

#include "afxwin.h"

#include <ocidl.h>
#include <ole2.h>

/// Hosts one windowed OLE control in place inside a parent window: client
/// site, in-place site and a minimal in-place frame. Owned by the CWnd that
/// carries the control's window (CWnd::m_pCtrlSite); reference counted, so
/// that a control that still holds the site when it goes does no harm.
class COleControlSite : public CCmdTarget {
 public:
  COleControlSite();
  ~COleControlSite() override;

  /// Creates, initialises and activates the control, and binds its window to
  /// pWndCtrl. On failure everything made is released again.
  HRESULT CreateControl(CWnd* pWndCtrl, REFCLSID clsid, LPCTSTR lpszWindowName, DWORD dwStyle,
                        const RECT& rect, CWnd* pParentWnd, UINT nID);
  /// Deactivates, closes and releases the control; its window goes with it.
  void DestroyControl();
  /// Moves and sizes the control through IOleInPlaceObject::SetObjectRects,
  /// then applies the z-order and show flags to its window.
  BOOL SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags);

  LPUNKNOWN m_pObject = nullptr;
  IOleObject* m_pOleObject = nullptr;
  IOleInPlaceObject* m_pInPlaceObject = nullptr;
  HWND m_hWnd = NULL;
  HWND m_hWndParent = NULL;
  /// In the parent's client coordinates.
  CRect m_rect;

 protected:
  BEGIN_INTERFACE_PART(OleClientSite, IOleClientSite)
  STDMETHOD(SaveObject)() override;
  STDMETHOD(GetMoniker)(DWORD dwAssign, DWORD dwWhichMoniker, IMoniker** ppmk) override;
  STDMETHOD(GetContainer)(IOleContainer** ppContainer) override;
  STDMETHOD(ShowObject)() override;
  STDMETHOD(OnShowWindow)(BOOL fShow) override;
  STDMETHOD(RequestNewObjectLayout)() override;
  END_INTERFACE_PART(OleClientSite)

  BEGIN_INTERFACE_PART(OleInPlaceSite, IOleInPlaceSite)
  STDMETHOD(GetWindow)(HWND* phwnd) override;
  STDMETHOD(ContextSensitiveHelp)(BOOL fEnterMode) override;
  STDMETHOD(CanInPlaceActivate)() override;
  STDMETHOD(OnInPlaceActivate)() override;
  STDMETHOD(OnUIActivate)() override;
  STDMETHOD(GetWindowContext)
  (IOleInPlaceFrame** ppFrame, IOleInPlaceUIWindow** ppDoc, LPRECT lprcPosRect, LPRECT lprcClipRect,
   LPOLEINPLACEFRAMEINFO lpFrameInfo) override;
  STDMETHOD(Scroll)(SIZE scrollExtant) override;
  STDMETHOD(OnUIDeactivate)(BOOL fUndoable) override;
  STDMETHOD(OnInPlaceDeactivate)() override;
  STDMETHOD(DiscardUndoState)() override;
  STDMETHOD(DeactivateAndUndo)() override;
  STDMETHOD(OnPosRectChange)(LPCRECT lprcPosRect) override;
  END_INTERFACE_PART(OleInPlaceSite)

  BEGIN_INTERFACE_PART(OleInPlaceFrame, IOleInPlaceFrame)
  STDMETHOD(GetWindow)(HWND* phwnd) override;
  STDMETHOD(ContextSensitiveHelp)(BOOL fEnterMode) override;
  STDMETHOD(GetBorder)(LPRECT lprectBorder) override;
  STDMETHOD(RequestBorderSpace)(LPCBORDERWIDTHS pborderwidths) override;
  STDMETHOD(SetBorderSpace)(LPCBORDERWIDTHS pborderwidths) override;
  STDMETHOD(SetActiveObject)(IOleInPlaceActiveObject* pActiveObject, LPCOLESTR pszObjName) override;
  STDMETHOD(InsertMenus)(HMENU hmenuShared, LPOLEMENUGROUPWIDTHS lpMenuWidths) override;
  STDMETHOD(SetMenu)(HMENU hmenuShared, HOLEMENU holemenu, HWND hwndActiveObject) override;
  STDMETHOD(RemoveMenus)(HMENU hmenuShared) override;
  STDMETHOD(SetStatusText)(LPCOLESTR pszStatusText) override;
  STDMETHOD(EnableModeless)(BOOL fEnable) override;
  STDMETHOD(TranslateAccelerator)(LPMSG lpmsg, WORD wID) override;
  END_INTERFACE_PART(OleInPlaceFrame)

  DECLARE_INTERFACE_MAP()
};

/// Whether AfxEnableControlContainer has been called.
BOOL AFXAPI AfxIsControlContainerEnabled();
