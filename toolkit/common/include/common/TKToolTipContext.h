// The tooltips of one toolkit window family: which tool is under the mouse,
// one tip window of the chosen style, and the mouse events relayed to it.
#pragma once

#include <afxwin.h>
#include <commctrl.h>

class CTKImageManager;

/// What a TOOLINFO of the larger size (TTTOOLINFO_V3_SIZE, the context shows
/// a title or an image) carries in its lParam. Texts are calloc'ed; the
/// context frees them after use.
struct TK_TOOLINFO_EXTENSION {
  LPSTR lpszDescription;
  LPSTR lpszTitle;
  CTKImageManager* pImageManager;
  /// In the tool window's client coordinates: when not empty the tip is
  /// placed below it rather than at the cursor.
  RECT rcAnchor;
};

/// Flags of a tool in TOOLINFO::uFlags that only the context reads.
enum {
  /// The tip shows while the tool's top-level window is not active.
  TTF_TK_SHOWINACTIVE = 0x40000000,
  TTF_TK_RESERVED = 0x80000000,
};

/// The tooltips of one owner window (command bars, status bar, markup
/// context). The owner passes its mouse and key messages to
/// FilterToolTipMessage (or RelayToolTipMessage); the context asks the window
/// for the tool under the mouse (its OnToolHitTest), makes the tip window of
/// the chosen style on the first mouse message and drives it through the
/// tooltip-control messages. Any appearance setting drops the tip window, so
/// that the next mouse message makes it afresh. UI thread only.
class CTKToolTipContext : public CCmdTarget {
 public:
  class CStandardToolTip;
  class CRichEditToolTip;
  class CLunaToolTip;
  class COfficeToolTip;
  class CHTMLToolTip;
  class CMarkupToolTip;
  class COffice2013ToolTip;

  /// Styles of SetStyle: the tip window each makes.
  enum {
    styleStandard = 0,
    styleBalloon = 1,
    stylePlain = 2,
    styleRichText = 3,
    styleLuna = 4,
    styleOffice = 5,
    styleHTML = 6,
    styleMarkup = 7,
    styleOffice2013 = 8,
  };
  /// Tip window style bits the toolkit adds to TTS_NOPREFIX and friends.
  enum {
    tipPlainFrame = 0x1000,
    tipNoShadow = 0x2000,
    tipOfficeLook = 0x4000,
    tipOffice2013Look = 0x8000,
  };

  /// Fonts from the system's status-bar font; COMCTL32's version read once.
  CTKToolTipContext();
  ~CTKToolTipContext() override;

  /// The new tip window of the current style owned by pOwner, or null.
  virtual CWnd* CreateToolTip(CWnd* pOwner);
  /// The tool of pWnd under `point` (client coordinates) filled into pTI; -1
  /// for none. This one asks the window's OnToolHitTest.
  virtual INT_PTR OnToolHitTest(CWnd* pWnd, CPoint point, TOOLINFO* pTI);

  // Settings.
  /// Ignored for the current style and for the balloon with COMCTL32 5.79
  /// or older.
  void SetStyle(int nStyle);
  int GetStyle() const { return m_nStyle; }
  /// New bits = add | (bits & ~remove); a change drops the tip window.
  void ModifyToolTipStyle(DWORD dwRemove, DWORD dwAdd);
  DWORD GetToolTipStyle() const { return m_dwTipStyle; }
  void SetMaxTipWidth(int nWidth);
  /// The maximum width, or SM_CXSCREEN for -1.
  int GetMaxTipWidth() const;
  void SetMargin(const RECT& rcMargin);
  const CRect& GetMargin() const { return m_rcMargin; }
  /// nKind: TTDT_RESHOW (1), TTDT_AUTOPOP (2), TTDT_INITIAL (3); -1 keeps
  /// the tip window's own default.
  void SetDelayTime(int nKind, int nDelay);
  void SetFont(CFont* pFont);
  void SetFontIndirect(const LOGFONT* pLogFont);
  CFont* GetFont() { return &m_font; }
  CFont* GetBoldFont() { return &m_fontBold; }
  void ShowTitleAndDescription(BOOL bShow, int nTitleIcon = TTI_INFO);
  BOOL IsShowTitleAndDescription() const { return m_bShowTitleAndDescription; }
  /// The icon of command id nImageBase + hit-test result at nImageWidth.
  void ShowImage(BOOL bShow, int nImageBase, int nImageWidth = 1);
  /// -1: the default colour.
  void SetTipBkColor(COLORREF clr);
  void SetTipTextColor(COLORREF clr);
  COLORREF GetBackColor() const;
  COLORREF GetTextColor() const;
  void SetStripTrailingDots(BOOL bStrip) { m_bStripTrailingDots = bStrip; }
  DWORD GetComCtlVersion() const { return m_dwComCtlVersion; }

  /// Fills with GetBackColor, frames it (top-left: button face with the
  /// plain-frame bit, else black; bottom-right black) and selects the text
  /// colour.
  void DrawBackground(CDC* pDC, const CRect& rc);

  // Driving.
  /// Hides the tip (TTM_ACTIVATE FALSE).
  void CancelToolTips();
  /// A message of pWnd, at the cursor position.
  void RelayToolTipMessage(CWnd* pWnd, UINT message, WPARAM wParam, LPARAM lParam);
  void FilterToolTipMessage(CWnd* pWnd, MSG* pMsg);
  /// The current tip window; null before the first mouse message.
  CWnd* GetToolTip() const { return m_pToolTip; }
  const TOOLINFO& GetLastTool() const { return m_lastTool; }

  /// For OnToolHitTest of owner windows: nothing when the size is below the
  /// standard one, else window, id, rectangle and a heap copy of the text.
  static void PASCAL FillInToolInfo(TOOLINFO* pTI, HWND hWnd, const RECT& rc, UINT_PTR nID,
                                    LPCSTR lpszText);
  /// Also the extension record of a larger TOOLINFO: title and description
  /// only when both are given; the image manager in any case.
  static void PASCAL FillInToolInfoEx(TOOLINFO* pTI, HWND hWnd, const RECT& rc, UINT_PTR nID,
                                      LPCSTR lpszText, LPCSTR lpszTitle, LPCSTR lpszDescription,
                                      CTKImageManager* pImageManager);

  /// The TOOLINFO sizes the context uses: standard, and with the extension.
  static const UINT kToolInfoSize;
  static const UINT kToolInfoSizeEx;

 protected:
  /// Destroys the tip window's window; the object stays until the next
  /// mouse message finds it windowless.
  void DestroyToolTipWindow();
  /// Destroys the tip window and deletes the object.
  void DeleteToolTip();
  /// Sends the settings to a new tip window.
  void ConfigureToolTip();
  /// '&' rules and trailing dots on a calloc'ed text (changed in place).
  void CleanText(LPSTR lpszText) const;
  static void FreeToolTexts(TOOLINFO& ti);
  /// Steps of FilterToolTipMessage for mouse messages.
  void FilterMouseMessage(CWnd* pWnd, MSG* pMsg);
  void AddNewTool(TOOLINFO& ti, INT_PTR nHit, BOOL bParentActive);
  void RelayEvent(MSG* pMsg);

  BOOL m_bShowTitleAndDescription = FALSE;
  BOOL m_bShowImage = FALSE;
  int m_nImageWidth = 1;
  int m_nImageBase = 0;
  int m_nStyle = styleStandard;
  DWORD m_dwComCtlVersion = 0;
  int m_nTitleIcon = TTI_INFO;
  int m_nMaxTipWidth = 0;
  DWORD m_dwTipStyle = TTS_NOPREFIX;
  CRect m_rcMargin;
  int m_nDelayInitial = -1;
  int m_nDelayReshow = -1;
  int m_nDelayAutoPop = -1;
  CWnd* m_pToolTip = nullptr;
  TOOLINFO m_lastTool;
  COLORREF m_clrBack = static_cast<COLORREF>(-1);
  COLORREF m_clrText = static_cast<COLORREF>(-1);
  CFont m_font;
  CFont m_fontBold;
  BOOL m_bStripTrailingDots = TRUE;
  /// The extension record of the hit test in progress.
  TK_TOOLINFO_EXTENSION m_extHit;
};
