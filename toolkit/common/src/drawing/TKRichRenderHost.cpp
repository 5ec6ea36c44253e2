// The text host of the rich renderer: a host without a window, answering
// only what layout and drawing need.
#include "common/TKRichRender.h"

#define HOST_PROLOGUE() METHOD_PROLOGUE_EX_(CTKRichRender, TextHost)

// The host lives inside the renderer, so it counts no references of its own.
ULONG CTKRichRender::XTextHost::AddRef() { return 1; }
ULONG CTKRichRender::XTextHost::Release() { return 1; }

HRESULT CTKRichRender::XTextHost::QueryInterface(REFIID iid, LPVOID* ppvObj) {
  HOST_PROLOGUE();
  return static_cast<HRESULT>(pThis->ExternalQueryInterface(&iid, ppvObj));
}

HDC CTKRichRender::XTextHost::TxGetDC() { return NULL; }
INT CTKRichRender::XTextHost::TxReleaseDC(HDC) { return 0; }
BOOL CTKRichRender::XTextHost::TxShowScrollBar(INT, BOOL) { return FALSE; }
BOOL CTKRichRender::XTextHost::TxEnableScrollBar(INT, INT) { return FALSE; }
BOOL CTKRichRender::XTextHost::TxSetScrollRange(INT, LONG, INT, BOOL) { return FALSE; }
BOOL CTKRichRender::XTextHost::TxSetScrollPos(INT, INT, BOOL) { return FALSE; }
void CTKRichRender::XTextHost::TxInvalidateRect(LPCRECT, BOOL) {}
void CTKRichRender::XTextHost::TxViewChange(BOOL) {}
BOOL CTKRichRender::XTextHost::TxCreateCaret(HBITMAP, INT, INT) { return FALSE; }
BOOL CTKRichRender::XTextHost::TxShowCaret(BOOL) { return FALSE; }
BOOL CTKRichRender::XTextHost::TxSetCaretPos(INT, INT) { return FALSE; }
BOOL CTKRichRender::XTextHost::TxSetTimer(UINT, UINT) { return FALSE; }
void CTKRichRender::XTextHost::TxKillTimer(UINT) {}
void CTKRichRender::XTextHost::TxScrollWindowEx(INT, INT, LPCRECT, LPCRECT, HRGN, LPRECT, UINT) {}
void CTKRichRender::XTextHost::TxSetCapture(BOOL) {}
void CTKRichRender::XTextHost::TxSetFocus() {}
void CTKRichRender::XTextHost::TxSetCursor(HCURSOR, BOOL) {}
BOOL CTKRichRender::XTextHost::TxScreenToClient(LPPOINT) { return FALSE; }
BOOL CTKRichRender::XTextHost::TxClientToScreen(LPPOINT) { return FALSE; }
HRESULT CTKRichRender::XTextHost::TxActivate(LONG*) { return E_FAIL; }
HRESULT CTKRichRender::XTextHost::TxDeactivate(LONG) { return E_FAIL; }
// The text services of some systems read the client rectangle while they
// report a wanted size; without a window it is the rectangle being drawn.
HRESULT CTKRichRender::XTextHost::TxGetClientRect(LPRECT prc) {
  HOST_PROLOGUE();
  *prc = pThis->m_rcDraw;
  return S_OK;
}

HRESULT CTKRichRender::XTextHost::TxGetViewInset(LPRECT prc) {
  ::SetRectEmpty(prc);
  return S_OK;
}

HRESULT CTKRichRender::XTextHost::TxGetCharFormat(const CHARFORMATW** ppCF) {
  HOST_PROLOGUE();
  *ppCF = &pThis->m_cfDefault;
  return S_OK;
}

HRESULT CTKRichRender::XTextHost::TxGetParaFormat(const PARAFORMAT** ppPF) {
  HOST_PROLOGUE();
  *ppPF = reinterpret_cast<const PARAFORMAT*>(&pThis->m_pfDefault);
  return S_OK;
}

COLORREF CTKRichRender::XTextHost::TxGetSysColor(int nIndex) { return ::GetSysColor(nIndex); }

HRESULT CTKRichRender::XTextHost::TxGetBackStyle(TXTBACKSTYLE* pStyle) {
  *pStyle = TXTBACK_TRANSPARENT;
  return S_OK;
}

HRESULT CTKRichRender::XTextHost::TxGetMaxLength(DWORD* pLength) {
  *pLength = 0x1000000;
  return S_OK;
}

HRESULT CTKRichRender::XTextHost::TxGetScrollBars(DWORD* pdwScrollBar) {
  *pdwScrollBar = 0;
  return S_OK;
}

HRESULT CTKRichRender::XTextHost::TxGetPasswordChar(TCHAR*) { return S_FALSE; }

HRESULT CTKRichRender::XTextHost::TxGetAcceleratorPos(LONG* pcp) {
  *pcp = -1;
  return S_OK;
}

HRESULT CTKRichRender::XTextHost::TxGetExtent(LPSIZEL) { return E_NOTIMPL; }
HRESULT CTKRichRender::XTextHost::OnTxCharFormatChange(const CHARFORMATW*) { return E_FAIL; }
HRESULT CTKRichRender::XTextHost::OnTxParaFormatChange(const PARAFORMAT*) { return E_FAIL; }

HRESULT CTKRichRender::XTextHost::TxGetPropertyBits(DWORD dwMask, DWORD* pdwBits) {
  *pdwBits = dwMask & (TXTBIT_RICHTEXT | TXTBIT_MULTILINE | TXTBIT_WORDWRAP);
  return S_OK;
}

HRESULT CTKRichRender::XTextHost::TxNotify(DWORD iNotify, void* pv) {
  HOST_PROLOGUE();
  if (iNotify == EN_REQUESTRESIZE && pv != nullptr) {
    const REQRESIZE* pResize = static_cast<const REQRESIZE*>(pv);
    pThis->m_sizeRequest =
        CSize(pResize->rc.right - pResize->rc.left, pResize->rc.bottom - pResize->rc.top);
  }
  return S_OK;
}

HIMC CTKRichRender::XTextHost::TxImmGetContext() { return NULL; }
void CTKRichRender::XTextHost::TxImmReleaseContext(HIMC) {}

HRESULT CTKRichRender::XTextHost::TxGetSelectionBarWidth(LONG* plSelBarWidth) {
  *plSelBarWidth = 0;
  return S_OK;
}
