// Hosting OLE controls in windows: the control site and CWnd::CreateControl.
#include "afxocc.h"

#include "afxdisp.h"

namespace {
BOOL g_bControlContainer = FALSE;
}  // namespace

void AFXAPI AfxEnableControlContainer() { g_bControlContainer = TRUE; }

BOOL AFXAPI AfxIsControlContainerEnabled() { return g_bControlContainer; }

BEGIN_INTERFACE_MAP(COleControlSite, CCmdTarget)
INTERFACE_PART(COleControlSite, IID_IOleClientSite, OleClientSite)
INTERFACE_PART(COleControlSite, IID_IOleWindow, OleInPlaceSite)
INTERFACE_PART(COleControlSite, IID_IOleInPlaceSite, OleInPlaceSite)
INTERFACE_PART(COleControlSite, IID_IOleInPlaceFrame, OleInPlaceFrame)
INTERFACE_PART(COleControlSite, IID_IOleInPlaceUIWindow, OleInPlaceFrame)
END_INTERFACE_MAP()

COleControlSite::COleControlSite() {}

COleControlSite::~COleControlSite() { DestroyControl(); }

HRESULT COleControlSite::CreateControl(CWnd* pWndCtrl, REFCLSID clsid, LPCTSTR lpszWindowName,
                                       DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                                       UINT nID) {
  if (!g_bControlContainer || pParentWnd == nullptr || pParentWnd->GetSafeHwnd() == NULL)
    return E_FAIL;
  m_hWndParent = pParentWnd->GetSafeHwnd();
  m_rect = rect;
  HRESULT hr = ::CoCreateInstance(clsid, NULL, CLSCTX_INPROC_SERVER, IID_IUnknown,
                                  reinterpret_cast<void**>(&m_pObject));
  if (SUCCEEDED(hr))
    hr = m_pObject->QueryInterface(IID_IOleObject, reinterpret_cast<void**>(&m_pOleObject));
  if (SUCCEEDED(hr)) hr = m_pOleObject->SetClientSite(&m_xOleClientSite);
  if (SUCCEEDED(hr)) {
    IPersistStreamInit* pInit = nullptr;
    if (SUCCEEDED(
            m_pObject->QueryInterface(IID_IPersistStreamInit, reinterpret_cast<void**>(&pInit)))) {
      pInit->InitNew();
      pInit->Release();
    }
    hr = m_pOleObject->DoVerb(OLEIVERB_INPLACEACTIVATE, NULL, &m_xOleClientSite, 0, m_hWndParent,
                              &m_rect);
  }
  if (SUCCEEDED(hr))
    hr = m_pObject->QueryInterface(IID_IOleInPlaceObject,
                                   reinterpret_cast<void**>(&m_pInPlaceObject));
  if (SUCCEEDED(hr)) hr = m_pInPlaceObject->GetWindow(&m_hWnd);
  if (SUCCEEDED(hr) && (m_hWnd == NULL || !pWndCtrl->Attach(m_hWnd))) hr = E_FAIL;
  if (FAILED(hr)) {
    m_hWnd = NULL;
    DestroyControl();
    return hr;
  }
  ::SetWindowLongPtr(m_hWnd, GWLP_ID, nID);
  if (lpszWindowName != nullptr) ::SetWindowTextA(m_hWnd, lpszWindowName);
  ::ShowWindow(m_hWnd, (dwStyle & WS_VISIBLE) ? SW_SHOWNA : SW_HIDE);
  return S_OK;
}

void COleControlSite::DestroyControl() {
  if (m_pInPlaceObject != nullptr) {
    m_pInPlaceObject->InPlaceDeactivate();
    m_pInPlaceObject->Release();
    m_pInPlaceObject = nullptr;
  }
  if (m_pOleObject != nullptr) {
    m_pOleObject->Close(OLECLOSE_NOSAVE);
    m_pOleObject->SetClientSite(NULL);
    m_pOleObject->Release();
    m_pOleObject = nullptr;
  }
  if (m_pObject != nullptr) {
    m_pObject->Release();
    m_pObject = nullptr;
  }
  // A control that left its window behind loses it here.
  if (m_hWnd != NULL && ::IsWindow(m_hWnd)) ::DestroyWindow(m_hWnd);
  m_hWnd = NULL;
}

BOOL COleControlSite::SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy,
                                   UINT nFlags) {
  if (!(nFlags & SWP_NOMOVE) || !(nFlags & SWP_NOSIZE)) {
    CRect rcNew = m_rect;
    if (!(nFlags & SWP_NOMOVE)) rcNew.MoveToXY(x, y);
    if (!(nFlags & SWP_NOSIZE)) {
      rcNew.right = rcNew.left + cx;
      rcNew.bottom = rcNew.top + cy;
    }
    m_rect = rcNew;
    if (m_pInPlaceObject != nullptr) m_pInPlaceObject->SetObjectRects(&rcNew, &rcNew);
  }
  nFlags |= SWP_NOMOVE | SWP_NOSIZE;
  return ::SetWindowPos(m_hWnd, pWndInsertAfter->GetSafeHwnd(), 0, 0, 0, 0, nFlags);
}

// IOleClientSite ---------------------------------------------------------------------

#define SITE_PART_IUNKNOWN(part)                                                 \
  ULONG COleControlSite::X##part::AddRef() {                                     \
    METHOD_PROLOGUE_EX_(COleControlSite, part);                                  \
    return pThis->ExternalAddRef();                                              \
  }                                                                              \
  ULONG COleControlSite::X##part::Release() {                                    \
    METHOD_PROLOGUE_EX_(COleControlSite, part);                                  \
    return pThis->ExternalRelease();                                             \
  }                                                                              \
  HRESULT COleControlSite::X##part::QueryInterface(REFIID iid, LPVOID* ppvObj) { \
    METHOD_PROLOGUE_EX_(COleControlSite, part);                                  \
    return static_cast<HRESULT>(pThis->ExternalQueryInterface(&iid, ppvObj));    \
  }

SITE_PART_IUNKNOWN(OleClientSite)
SITE_PART_IUNKNOWN(OleInPlaceSite)
SITE_PART_IUNKNOWN(OleInPlaceFrame)

HRESULT COleControlSite::XOleClientSite::SaveObject() { return E_NOTIMPL; }
HRESULT COleControlSite::XOleClientSite::GetMoniker(DWORD, DWORD, IMoniker** ppmk) {
  *ppmk = nullptr;
  return E_NOTIMPL;
}
HRESULT COleControlSite::XOleClientSite::GetContainer(IOleContainer** ppContainer) {
  *ppContainer = nullptr;
  return E_NOINTERFACE;
}
HRESULT COleControlSite::XOleClientSite::ShowObject() { return S_OK; }
HRESULT COleControlSite::XOleClientSite::OnShowWindow(BOOL) { return S_OK; }
HRESULT COleControlSite::XOleClientSite::RequestNewObjectLayout() { return E_NOTIMPL; }

// IOleInPlaceSite ----------------------------------------------------------------------

HRESULT COleControlSite::XOleInPlaceSite::GetWindow(HWND* phwnd) {
  METHOD_PROLOGUE_EX_(COleControlSite, OleInPlaceSite);
  *phwnd = pThis->m_hWndParent;
  return S_OK;
}
HRESULT COleControlSite::XOleInPlaceSite::ContextSensitiveHelp(BOOL) { return E_NOTIMPL; }
HRESULT COleControlSite::XOleInPlaceSite::CanInPlaceActivate() { return S_OK; }
HRESULT COleControlSite::XOleInPlaceSite::OnInPlaceActivate() { return S_OK; }
HRESULT COleControlSite::XOleInPlaceSite::OnUIActivate() { return S_OK; }

HRESULT COleControlSite::XOleInPlaceSite::GetWindowContext(IOleInPlaceFrame** ppFrame,
                                                           IOleInPlaceUIWindow** ppDoc,
                                                           LPRECT lprcPosRect, LPRECT lprcClipRect,
                                                           LPOLEINPLACEFRAMEINFO lpFrameInfo) {
  METHOD_PROLOGUE_EX_(COleControlSite, OleInPlaceSite);
  *ppFrame = &pThis->m_xOleInPlaceFrame;
  (*ppFrame)->AddRef();
  *ppDoc = nullptr;
  *lprcPosRect = pThis->m_rect;
  *lprcClipRect = pThis->m_rect;
  if (lpFrameInfo != nullptr) {
    lpFrameInfo->fMDIApp = FALSE;
    lpFrameInfo->hwndFrame = pThis->m_hWndParent;
    lpFrameInfo->haccel = NULL;
    lpFrameInfo->cAccelEntries = 0;
  }
  return S_OK;
}

HRESULT COleControlSite::XOleInPlaceSite::Scroll(SIZE) { return E_NOTIMPL; }
HRESULT COleControlSite::XOleInPlaceSite::OnUIDeactivate(BOOL) { return S_OK; }
HRESULT COleControlSite::XOleInPlaceSite::OnInPlaceDeactivate() { return S_OK; }
HRESULT COleControlSite::XOleInPlaceSite::DiscardUndoState() { return S_OK; }
HRESULT COleControlSite::XOleInPlaceSite::DeactivateAndUndo() { return S_OK; }

HRESULT COleControlSite::XOleInPlaceSite::OnPosRectChange(LPCRECT lprcPosRect) {
  METHOD_PROLOGUE_EX_(COleControlSite, OleInPlaceSite);
  pThis->m_rect = *lprcPosRect;
  if (pThis->m_pInPlaceObject != nullptr)
    pThis->m_pInPlaceObject->SetObjectRects(lprcPosRect, lprcPosRect);
  return S_OK;
}

// IOleInPlaceFrame: a frame without menus, borders or status text -------------------------

HRESULT COleControlSite::XOleInPlaceFrame::GetWindow(HWND* phwnd) {
  METHOD_PROLOGUE_EX_(COleControlSite, OleInPlaceFrame);
  *phwnd = pThis->m_hWndParent;
  return S_OK;
}
HRESULT COleControlSite::XOleInPlaceFrame::ContextSensitiveHelp(BOOL) { return E_NOTIMPL; }
HRESULT COleControlSite::XOleInPlaceFrame::GetBorder(LPRECT) { return INPLACE_E_NOTOOLSPACE; }
HRESULT COleControlSite::XOleInPlaceFrame::RequestBorderSpace(LPCBORDERWIDTHS) {
  return INPLACE_E_NOTOOLSPACE;
}
HRESULT COleControlSite::XOleInPlaceFrame::SetBorderSpace(LPCBORDERWIDTHS) { return S_OK; }
HRESULT COleControlSite::XOleInPlaceFrame::SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) {
  return S_OK;
}
HRESULT COleControlSite::XOleInPlaceFrame::InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) {
  return E_NOTIMPL;
}
HRESULT COleControlSite::XOleInPlaceFrame::SetMenu(HMENU, HOLEMENU, HWND) { return S_OK; }
HRESULT COleControlSite::XOleInPlaceFrame::RemoveMenus(HMENU) { return E_NOTIMPL; }
HRESULT COleControlSite::XOleInPlaceFrame::SetStatusText(LPCOLESTR) { return S_OK; }
HRESULT COleControlSite::XOleInPlaceFrame::EnableModeless(BOOL) { return S_OK; }
HRESULT COleControlSite::XOleInPlaceFrame::TranslateAccelerator(LPMSG, WORD) { return S_FALSE; }

// CWnd's side --------------------------------------------------------------------------

BOOL CWnd::CreateControl(REFCLSID clsid, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                         CWnd* pParentWnd, UINT nID, CFile* pPersist, BOOL, BSTR bstrLicKey) {
  if (m_hWnd != NULL || m_pCtrlSite != nullptr || pPersist != nullptr || bstrLicKey != nullptr)
    return FALSE;
  COleControlSite* pSite = new COleControlSite();
  if (FAILED(pSite->CreateControl(this, clsid, lpszWindowName, dwStyle, rect, pParentWnd, nID))) {
    pSite->InternalRelease();
    return FALSE;
  }
  m_pCtrlSite = pSite;
  return TRUE;
}

LPUNKNOWN CWnd::GetControlUnknown() {
  return m_pCtrlSite != nullptr ? m_pCtrlSite->m_pObject : nullptr;
}

void CWnd::MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint) {
  if (m_pCtrlSite != nullptr) {
    m_pCtrlSite->SetWindowPos(nullptr, x, y, nWidth, nHeight,
                              SWP_NOZORDER | SWP_NOACTIVATE | (bRepaint ? 0 : SWP_NOREDRAW));
    return;
  }
  ::MoveWindow(m_hWnd, x, y, nWidth, nHeight, bRepaint);
}

BOOL CWnd::SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags) {
  if (m_pCtrlSite != nullptr)
    return m_pCtrlSite->SetWindowPos(pWndInsertAfter, x, y, cx, cy, nFlags);
  return ::SetWindowPos(m_hWnd, pWndInsertAfter->GetSafeHwnd(), x, y, cx, cy, nFlags);
}
