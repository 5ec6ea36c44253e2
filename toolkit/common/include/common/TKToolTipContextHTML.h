// The HTML tip: the tool's text shown by an embedded web-browser control.
#pragma once

#include <mshtmhst.h>
#include <oleidl.h>

#include "common/TKRefPtr.h"
#include "common/TKToolTipContextToolTip.h"

/// Style 6. The browser is created on the first CalcSize; a browser engine
/// that is missing or never finishes its page gives a 0 x 0 size (no tip).
class CTKToolTipContext::CHTMLToolTip : public CTKToolTipContextToolTip {
 public:
  explicit CHTMLToolTip(CTKToolTipContext* pContext);
  ~CHTMLToolTip() override;
  CSize CalcSize(TOOLITEM* pTool) override;
  void DrawEntry(CDC* pDC, TOOLITEM* pTool, CRect rc) override;
  void DrawBackground(CDC* pDC, TOOLITEM* pTool, CRect rc) override;

  IWebBrowser2* GetBrowser() const { return m_browser.Get(); }
  CWnd* GetBrowserWindow() { return &m_wndBrowser; }
  /// How long CalcSize waits for the first page, in milliseconds.
  static DWORD GetLoadTimeout();
  /// Test seam: another wait (0: the default again).
  static void SetLoadTimeout(DWORD dwMilliseconds);
  /// The page the tip navigates to once, for a face, a size and a colour.
  static CString FormatPageTemplate(LPCSTR lpszFace, int nSize, COLORREF clrBack);

 protected:
  /// Creates the browser and loads the empty page; FALSE on any failure.
  BOOL CreateBrowser();
  /// Pumps messages until the page is complete; FALSE when the time is up
  /// or the application is ending.
  BOOL WaitForPage();
  /// Releases the browser and destroys its window.
  void ReleaseBrowser();
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

  BEGIN_INTERFACE_PART(OleClientSite, IOleClientSite)
  STDMETHOD(SaveObject)() override;
  STDMETHOD(GetMoniker)(DWORD dwAssign, DWORD dwWhichMoniker, IMoniker** ppmk) override;
  STDMETHOD(GetContainer)(IOleContainer** ppContainer) override;
  STDMETHOD(ShowObject)() override;
  STDMETHOD(OnShowWindow)(BOOL fShow) override;
  STDMETHOD(RequestNewObjectLayout)() override;
  END_INTERFACE_PART(OleClientSite)

  BEGIN_INTERFACE_PART(DocHostUIHandler, IDocHostUIHandler)
  STDMETHOD(ShowContextMenu)
  (DWORD dwID, POINT* ppt, IUnknown* pcmdtReserved, IDispatch* pdispReserved) override;
  STDMETHOD(GetHostInfo)(DOCHOSTUIINFO* pInfo) override;
  STDMETHOD(ShowUI)
  (DWORD dwID, IOleInPlaceActiveObject* pActiveObject, IOleCommandTarget* pCommandTarget,
   IOleInPlaceFrame* pFrame, IOleInPlaceUIWindow* pDoc) override;
  STDMETHOD(HideUI)() override;
  STDMETHOD(UpdateUI)() override;
  STDMETHOD(EnableModeless)(BOOL fEnable) override;
  STDMETHOD(OnDocWindowActivate)(BOOL fActivate) override;
  STDMETHOD(OnFrameWindowActivate)(BOOL fActivate) override;
  STDMETHOD(ResizeBorder)
  (LPCRECT prcBorder, IOleInPlaceUIWindow* pUIWindow, BOOL fRameWindow) override;
  STDMETHOD(TranslateAccelerator)(LPMSG lpMsg, const GUID* pguidCmdGroup, DWORD nCmdID) override;
  STDMETHOD(GetOptionKeyPath)(LPOLESTR* pchKey, DWORD dw) override;
  STDMETHOD(GetDropTarget)(IDropTarget* pDropTarget, IDropTarget** ppDropTarget) override;
  STDMETHOD(GetExternal)(IDispatch** ppDispatch) override;
  STDMETHOD(TranslateUrl)(DWORD dwTranslate, OLECHAR* pchURLIn, OLECHAR** ppchURLOut) override;
  STDMETHOD(FilterDataObject)(IDataObject* pDO, IDataObject** ppDORet) override;
  END_INTERFACE_PART(DocHostUIHandler)

  DECLARE_INTERFACE_MAP()

  CWnd m_wndBrowser;
  CTKComPtr<IWebBrowser2> m_browser;
};
