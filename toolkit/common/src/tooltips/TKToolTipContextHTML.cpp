// The HTML tip: the browser control, its host interfaces and the search for
// the narrowest width that keeps the page's height.
#include "common/TKToolTipContextHTML.h"

#include "common/TKToolTipSystem.h"

#include <afxdisp.h>
#include <exdisp.h>
#include <mshtml.h>

#include "common/TKDpiHelper.h"

namespace {

int Sx(int n) { return TKDpiHelper()->ScaleX(n); }
int Sy(int n) { return TKDpiHelper()->ScaleY(n); }

const CLSID kCLSID_WebBrowser = {
    0x8856F961, 0x340A, 0x11D0, {0xA9, 0x6B, 0x00, 0xC0, 0x4F, 0xD7, 0x05, 0xA2}};
const IID kIID_IWebBrowser2 = {
    0xD30C1661, 0xCDAF, 0x11D0, {0x8A, 0x3E, 0x00, 0xC0, 0x4F, 0xC9, 0xE2, 0x6E}};
const IID kIID_IHTMLDocument2 = {
    0x332C4425, 0x26CB, 0x11D0, {0xB4, 0x83, 0x00, 0xC0, 0x4F, 0xD9, 0x01, 0x19}};
const IID kIID_IHTMLTextContainer = {
    0x3050F230, 0x98B5, 0x11CF, {0xBB, 0x82, 0x00, 0xAA, 0x00, 0xBD, 0xCE, 0x0B}};
const IID kIID_IDocHostUIHandler = {
    0xBD3F23C0, 0xD43E, 0x11CF, {0x89, 0x3B, 0x00, 0xAA, 0x00, 0xBD, 0xCE, 0x1A}};

const UINT kBrowserID = 0xE900;
// Long enough for a local page on a slow machine; a browser that never
// finishes must not hold the mouse handling that asked for the tip.
const DWORD kDefaultLoadTimeout = 5000;
DWORD g_dwLoadTimeout = 0;

const char kPageTemplate[] =
    "about:<head><style> body {font-family:%s; font-size:%i;}table {font-family:%s; "
    "font-size:%i;}</style></head><body topmargin=0 leftmargin=0 bottommargin=0 rightmargin=0 "
    "bgColor=%s></body>";

/// The body of the browser's document with its text container, or nothing.
struct PageBody {
  CTKComPtr<IHTMLElement> element;
  CTKComPtr<IHTMLTextContainer> container;
  long ScrollHeight() {
    long n = 0;
    container->get_scrollHeight(&n);
    return n;
  }
  long ScrollWidth() {
    long n = 0;
    container->get_scrollWidth(&n);
    return n;
  }
};

BOOL GetPageBody(IWebBrowser2* pBrowser, PageBody& page) {
  CTKComPtr<IDispatch> dispatch;
  if (FAILED(pBrowser->get_Document(dispatch.ReleaseAndGetAddressOf())) || dispatch == nullptr)
    return FALSE;
  CTKComPtr<IHTMLDocument2> document;
  HRESULT hr = dispatch->QueryInterface(
      kIID_IHTMLDocument2, reinterpret_cast<void**>(document.ReleaseAndGetAddressOf()));
  if (FAILED(hr) || document == nullptr) return FALSE;
  hr = document->get_body(page.element.ReleaseAndGetAddressOf());
  if (FAILED(hr) || page.element == nullptr) return FALSE;
  hr = page.element->QueryInterface(
      kIID_IHTMLTextContainer, reinterpret_cast<void**>(page.container.ReleaseAndGetAddressOf()));
  return SUCCEEDED(hr) && page.container != nullptr;
}

}  // namespace

BEGIN_INTERFACE_MAP(CTKToolTipContext::CHTMLToolTip, CTKToolTipContextToolTip)
INTERFACE_PART(CTKToolTipContext::CHTMLToolTip, IID_IOleClientSite, OleClientSite)
INTERFACE_PART(CTKToolTipContext::CHTMLToolTip, kIID_IDocHostUIHandler, DocHostUIHandler)
END_INTERFACE_MAP()

CTKToolTipContext::CHTMLToolTip::CHTMLToolTip(CTKToolTipContext* pContext)
    : CTKToolTipContextToolTip(pContext) {
  AfxEnableControlContainer();
}

CTKToolTipContext::CHTMLToolTip::~CHTMLToolTip() { ReleaseBrowser(); }

void CTKToolTipContext::CHTMLToolTip::ReleaseBrowser() {
  m_browser.Reset();
  if (m_wndBrowser.GetControlUnknown() != nullptr || m_wndBrowser.GetSafeHwnd() != NULL)
    m_wndBrowser.DestroyWindow();
}

LRESULT CTKToolTipContext::CHTMLToolTip::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  // The control goes before its parent window does.
  if (message == WM_DESTROY) ReleaseBrowser();
  return CTKToolTipContextToolTip::WindowProc(message, wParam, lParam);
}

DWORD CTKToolTipContext::CHTMLToolTip::GetLoadTimeout() {
  return g_dwLoadTimeout != 0 ? g_dwLoadTimeout : kDefaultLoadTimeout;
}

void CTKToolTipContext::CHTMLToolTip::SetLoadTimeout(DWORD dwMilliseconds) {
  g_dwLoadTimeout = dwMilliseconds;
}

CString CTKToolTipContext::CHTMLToolTip::FormatPageTemplate(LPCSTR lpszFace, int nSize,
                                                            COLORREF clrBack) {
  CString strColor;
  strColor.Format("#%0.2x%0.2x%0.2x", GetRValue(clrBack), GetGValue(clrBack), GetBValue(clrBack));
  CString strPage;
  strPage.Format(kPageTemplate, lpszFace, nSize, lpszFace, nSize, static_cast<LPCSTR>(strColor));
  return strPage;
}

BOOL CTKToolTipContext::CHTMLToolTip::CreateBrowser() {
  CRect rc(0, 0, Sx(200), Sy(200));
  if (!m_wndBrowser.CreateControl(kCLSID_WebBrowser, NULL, WS_CHILD | WS_VISIBLE, rc, this,
                                  kBrowserID))
    return FALSE;
  LPUNKNOWN pUnknown = m_wndBrowser.GetControlUnknown();
  if (pUnknown == nullptr ||
      FAILED(pUnknown->QueryInterface(
          kIID_IWebBrowser2, reinterpret_cast<void**>(m_browser.ReleaseAndGetAddressOf())))) {
    m_browser.Reset();
    m_wndBrowser.DestroyWindow();
    return FALSE;
  }
  CTKComPtr<IOleObject> oleObject;
  if (SUCCEEDED(pUnknown->QueryInterface(
          IID_IOleObject, reinterpret_cast<void**>(oleObject.ReleaseAndGetAddressOf()))))
    oleObject->SetClientSite(&m_xOleClientSite);
  CString strFace = "Arial";
  int nSize = Sy(11);
  LOGFONT lf;
  if (m_pContext->GetFont()->GetLogFont(&lf)) {
    strFace = lf.lfFaceName;
    nSize = abs(lf.lfHeight);
  }
  CString strPage = FormatPageTemplate(strFace, nSize, m_pContext->GetBackColor());
  BSTR bstrUrl = strPage.AllocSysString();
  VARIANT vEmpty;
  ::VariantInit(&vEmpty);
  m_browser->Navigate(bstrUrl, &vEmpty, &vEmpty, &vEmpty, &vEmpty);
  ::SysFreeString(bstrUrl);
  return TRUE;
}

BOOL CTKToolTipContext::CHTMLToolTip::WaitForPage() {
  CTKToolTipSystem* pSystem = TKToolTipSystem();
  DWORD dwStart = pSystem->GetTickCount();
  DWORD dwLimit = GetLoadTimeout();
  for (;;) {
    READYSTATE state = READYSTATE_UNINITIALIZED;
    if (m_browser == nullptr || FAILED(m_browser->get_ReadyState(&state))) return FALSE;
    if (state == READYSTATE_COMPLETE) return TRUE;
    DWORD dwElapsed = pSystem->GetTickCount() - dwStart;
    if (dwElapsed >= dwLimit) return FALSE;
    MSG msg;
    if (::PeekMessage(&msg, NULL, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) {
        // The application is ending: the quit belongs to the outer loop.
        ::PostQuitMessage(static_cast<int>(msg.wParam));
        return FALSE;
      }
      ::TranslateMessage(&msg);
      ::DispatchMessage(&msg);
      continue;
    }
    // Wakes for the next message, or in time to look at the state again.
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, std::min<DWORD>(dwLimit - dwElapsed, 50),
                                QS_ALLINPUT);
  }
}

CSize CTKToolTipContext::CHTMLToolTip::CalcSize(TOOLITEM* pTool) {
  if (m_wndBrowser.GetSafeHwnd() == NULL) {
    if (!CreateBrowser()) return CSize(0, 0);
    WaitForPage();
  }
  if (m_browser == nullptr) return CSize(0, 0);
  CString strText = GetToolText(pTool);
  if (strText.IsEmpty()) return CSize(0, 0);
  PageBody body;
  if (!GetPageBody(m_browser.Get(), body)) return CSize(0, 0);
  BSTR bstrText = strText.AllocSysString();
  body.element->put_innerHTML(bstrText);
  ::SysFreeString(bstrText);

  m_wndBrowser.MoveWindow(0, 0, Sx(650), Sy(200));
  long nHeight = body.ScrollHeight();
  int nMaxWidth = m_pContext->GetMaxTipWidth();
  int nLow = 0;
  int nHigh = 2 * nMaxWidth;
  int nBest = nMaxWidth;
  long nLastHeight = nHeight;
  while (nLow <= nHigh) {
    int nMiddle = (nLow + nHigh) / 2;
    m_wndBrowser.MoveWindow(0, 0, nMiddle, nLastHeight);
    long h = body.ScrollHeight();
    long w = body.ScrollWidth();
    nLastHeight = h;
    if (w > nMiddle) {
      // Wider than the window: an element that does not wrap sets the width.
      if (h <= nHeight) {
        nBest = w;
        break;
      }
      nLow = nMiddle + 1;
    } else if (h > nHeight) {
      nLow = nMiddle + 1;
    } else {
      nHigh = nMiddle - 1;
      nBest = nMiddle;
    }
  }
  const CRect& rcMargin = m_pContext->GetMargin();
  m_wndBrowser.MoveWindow(rcMargin.left + Sx(3), rcMargin.top + Sy(3), nBest, nHeight);
  return CSize(nBest + Sx(3) + Sx(3) + rcMargin.left + rcMargin.right,
               nHeight + Sy(3) + Sy(3) + rcMargin.top + rcMargin.bottom);
}

void CTKToolTipContext::CHTMLToolTip::DrawEntry(CDC*, TOOLITEM*, CRect) {}

void CTKToolTipContext::CHTMLToolTip::DrawBackground(CDC* pDC, TOOLITEM*, CRect rc) {
  m_pContext->DrawBackground(pDC, rc);
}

// Host interfaces: both count on the tip and answer through its map ---------------------------

#define HTML_PART_IUNKNOWN(part)                                                                 \
  ULONG CTKToolTipContext::CHTMLToolTip::X##part::AddRef() {                                     \
    METHOD_PROLOGUE(CTKToolTipContext::CHTMLToolTip, part);                                      \
    return pThis->ExternalAddRef();                                                              \
  }                                                                                              \
  ULONG CTKToolTipContext::CHTMLToolTip::X##part::Release() {                                    \
    METHOD_PROLOGUE(CTKToolTipContext::CHTMLToolTip, part);                                      \
    return pThis->ExternalRelease();                                                             \
  }                                                                                              \
  HRESULT CTKToolTipContext::CHTMLToolTip::X##part::QueryInterface(REFIID iid, LPVOID* ppvObj) { \
    METHOD_PROLOGUE(CTKToolTipContext::CHTMLToolTip, part);                                      \
    return static_cast<HRESULT>(pThis->ExternalQueryInterface(&iid, ppvObj));                    \
  }

HTML_PART_IUNKNOWN(OleClientSite)
HTML_PART_IUNKNOWN(DocHostUIHandler)

typedef CTKToolTipContext::CHTMLToolTip HTMLTip;

HRESULT HTMLTip::XOleClientSite::SaveObject() { return E_NOTIMPL; }
HRESULT HTMLTip::XOleClientSite::GetMoniker(DWORD, DWORD, IMoniker**) { return E_NOTIMPL; }
HRESULT HTMLTip::XOleClientSite::GetContainer(IOleContainer**) { return E_NOTIMPL; }
HRESULT HTMLTip::XOleClientSite::ShowObject() { return E_NOTIMPL; }
HRESULT HTMLTip::XOleClientSite::OnShowWindow(BOOL) { return E_NOTIMPL; }
HRESULT HTMLTip::XOleClientSite::RequestNewObjectLayout() { return E_NOTIMPL; }

// The page looks like tip content: no menu, border or scroll bars.
HRESULT HTMLTip::XDocHostUIHandler::ShowContextMenu(DWORD, POINT*, IUnknown*, IDispatch*) {
  return S_OK;
}
HRESULT HTMLTip::XDocHostUIHandler::GetHostInfo(DOCHOSTUIINFO* pInfo) {
  pInfo->dwFlags = DOCHOSTUIFLAG_DIALOG | DOCHOSTUIFLAG_NO3DBORDER | DOCHOSTUIFLAG_SCROLL_NO |
                   DOCHOSTUIFLAG_THEME;
  pInfo->dwDoubleClick = DOCHOSTUIDBLCLK_DEFAULT;
  return S_OK;
}
HRESULT HTMLTip::XDocHostUIHandler::ShowUI(DWORD, IOleInPlaceActiveObject*, IOleCommandTarget*,
                                           IOleInPlaceFrame*, IOleInPlaceUIWindow*) {
  return S_OK;
}
HRESULT HTMLTip::XDocHostUIHandler::HideUI() { return S_OK; }
HRESULT HTMLTip::XDocHostUIHandler::UpdateUI() { return S_OK; }
HRESULT HTMLTip::XDocHostUIHandler::EnableModeless(BOOL) { return E_NOTIMPL; }
HRESULT HTMLTip::XDocHostUIHandler::OnDocWindowActivate(BOOL) { return E_NOTIMPL; }
HRESULT HTMLTip::XDocHostUIHandler::OnFrameWindowActivate(BOOL) { return E_NOTIMPL; }
HRESULT HTMLTip::XDocHostUIHandler::ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL) {
  return E_NOTIMPL;
}
HRESULT HTMLTip::XDocHostUIHandler::TranslateAccelerator(LPMSG, const GUID*, DWORD) {
  return S_FALSE;
}
HRESULT HTMLTip::XDocHostUIHandler::GetOptionKeyPath(LPOLESTR*, DWORD) { return E_NOTIMPL; }
HRESULT HTMLTip::XDocHostUIHandler::GetDropTarget(IDropTarget*, IDropTarget**) { return E_NOTIMPL; }
HRESULT HTMLTip::XDocHostUIHandler::GetExternal(IDispatch**) { return E_NOTIMPL; }
HRESULT HTMLTip::XDocHostUIHandler::TranslateUrl(DWORD, OLECHAR*, OLECHAR**) { return E_NOTIMPL; }
HRESULT HTMLTip::XDocHostUIHandler::FilterDataObject(IDataObject*, IDataObject**) {
  return E_NOTIMPL;
}
