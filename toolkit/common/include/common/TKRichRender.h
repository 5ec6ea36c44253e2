// Rich text (RTF or plain) measured and drawn without a window, through the
// rich-edit control's windowless text services.
#pragma once

#include <afxwin.h>
#include <richedit.h>
#include <textserv.h>

/// The rich-edit class at `nIndex` of the class table (0 "RichEdit10A" of
/// riched32.dll; 1 to 4 "RichEdit20A" .. "RichEdit40A" of riched20.dll; 5 to 8
/// "RichEdit41A" .. "RichEdit70A" of msftedit.dll). Mode 0 tests only that
/// entry; mode 1 tests from 8 down to `nIndex`; mode 2 from 8 down to 0. The
/// first class that exists gives TRUE, its index in `nIndex` and its class in
/// `wndClass` (instance: the library). FALSE at once with bSkip. Libraries are
/// loaded on first need and kept for the life of the process.
BOOL AFXAPI FindRichEditClass(BOOL bSkip, int nMode, int& nIndex, WNDCLASSA& wndClass);

/// Hosts one text-services object. Without a rich-edit library newer than
/// riched32 (or when the library cannot make text services) it stays empty:
/// SetText and GetTextExtent give 0 and Draw draws nothing. UI thread only.
class CTKRichRender : public CCmdTarget {
 public:
  /// Defaults from the system's message font and button-text colour.
  CTKRichRender();
  ~CTKRichRender() override;

  BOOL HasTextServices() const { return m_pTextServices != nullptr; }
  ITextServices* GetTextServices() const { return m_pTextServices; }

  /// Replaces the default character format (also in the text services).
  void SetDefaultCharFormat(const CHARFORMATW& cf);
  const CHARFORMATW& GetDefaultCharFormat() const { return m_cfDefault; }
  /// Text that begins with '{' and loads as RTF is RTF; anything else is
  /// plain text. The count of characters read (0 for null or empty text).
  long SetText(LPCSTR lpszText);
  /// The size the text wants when wrapped at about nWidth pixels.
  CSize GetTextExtent(CDC* pDC, int nWidth);
  /// Draws the text into `rc` of the DC.
  void Draw(CDC* pDC, const CRect& rc);

 protected:
  /// Streams the text in with the format SF_RTF or SF_TEXT; characters read.
  long StreamIn(LPCSTR lpszText, UINT nFormat);
  /// Draws into a rectangle one pixel high and nWidth wide, so that the text
  /// services report the size they want.
  void RequestSizeAt(HDC hDC, int nWidth);
  static DWORD CALLBACK StreamInCallback(DWORD_PTR dwCookie, LPBYTE pbBuff, LONG cb, LONG* pcb);

  BEGIN_INTERFACE_PART(TextHost, ITextHost)
  HDC TxGetDC() override;
  INT TxReleaseDC(HDC hdc) override;
  BOOL TxShowScrollBar(INT fnBar, BOOL fShow) override;
  BOOL TxEnableScrollBar(INT fuSBFlags, INT fuArrowflags) override;
  BOOL TxSetScrollRange(INT fnBar, LONG nMinPos, INT nMaxPos, BOOL fRedraw) override;
  BOOL TxSetScrollPos(INT fnBar, INT nPos, BOOL fRedraw) override;
  void TxInvalidateRect(LPCRECT prc, BOOL fMode) override;
  void TxViewChange(BOOL fUpdate) override;
  BOOL TxCreateCaret(HBITMAP hbmp, INT xWidth, INT yHeight) override;
  BOOL TxShowCaret(BOOL fShow) override;
  BOOL TxSetCaretPos(INT x, INT y) override;
  BOOL TxSetTimer(UINT idTimer, UINT uTimeout) override;
  void TxKillTimer(UINT idTimer) override;
  void TxScrollWindowEx(INT dx, INT dy, LPCRECT lprcScroll, LPCRECT lprcClip, HRGN hrgnUpdate,
                        LPRECT lprcUpdate, UINT fuScroll) override;
  void TxSetCapture(BOOL fCapture) override;
  void TxSetFocus() override;
  void TxSetCursor(HCURSOR hcur, BOOL fText) override;
  BOOL TxScreenToClient(LPPOINT lppt) override;
  BOOL TxClientToScreen(LPPOINT lppt) override;
  HRESULT TxActivate(LONG* plOldState) override;
  HRESULT TxDeactivate(LONG lNewState) override;
  HRESULT TxGetClientRect(LPRECT prc) override;
  HRESULT TxGetViewInset(LPRECT prc) override;
  HRESULT TxGetCharFormat(const CHARFORMATW** ppCF) override;
  HRESULT TxGetParaFormat(const PARAFORMAT** ppPF) override;
  COLORREF TxGetSysColor(int nIndex) override;
  HRESULT TxGetBackStyle(TXTBACKSTYLE* pstyle) override;
  HRESULT TxGetMaxLength(DWORD* plength) override;
  HRESULT TxGetScrollBars(DWORD* pdwScrollBar) override;
  HRESULT TxGetPasswordChar(TCHAR* pch) override;
  HRESULT TxGetAcceleratorPos(LONG* pcp) override;
  HRESULT TxGetExtent(LPSIZEL lpExtent) override;
  HRESULT OnTxCharFormatChange(const CHARFORMATW* pcf) override;
  HRESULT OnTxParaFormatChange(const PARAFORMAT* ppf) override;
  HRESULT TxGetPropertyBits(DWORD dwMask, DWORD* pdwBits) override;
  HRESULT TxNotify(DWORD iNotify, void* pv) override;
  HIMC TxImmGetContext() override;
  void TxImmReleaseContext(HIMC himc) override;
  HRESULT TxGetSelectionBarWidth(LONG* lSelBarWidth) override;
  END_INTERFACE_PART(TextHost)

  DECLARE_INTERFACE_MAP()

  ITextServices* m_pTextServices = nullptr;
  CHARFORMATW m_cfDefault;
  PARAFORMAT2 m_pfDefault;
  HMODULE m_hModule = NULL;
  /// Width and height of the last EN_REQUESTRESIZE.
  CSize m_sizeRequest;
  /// The rectangle of the draw in progress: what the text services see as
  /// the client area while they lay the text out.
  CRect m_rcDraw;
};
