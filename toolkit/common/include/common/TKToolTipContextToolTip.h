// The toolkit's own tip windows: one window that speaks the part of the
// tooltip-control protocol the context uses, and its looks.
#pragma once

#include <afxcmn.h>
#include <afxwin.h>

#include <vector>

#include "common/TKToolTipContext.h"

class CTKImageManagerIcon;
class CTKRichRender;
class CTKMarkupContext;
class CTKMarkupUIElement;
class ITKMarkupCaptionApi;
struct IWebBrowser2;

/// Styles 0 and 1: the common-controls tooltip, which only answers
/// TTM_WINDOWFROMPOINT the toolkit's way.
class CTKToolTipContext::CStandardToolTip : public CToolTipCtrl {
 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

/// A tip window of the toolkit (style 2 itself; the other looks derive from
/// it). It keeps its own tools, shows the tool under the cursor after the
/// initial delay (at once when another tip was shown within the reshow
/// delay), hides it when the mouse leaves, and draws through CalcSize,
/// DrawEntry and DrawBackground. Time, cursor and timers go through
/// TKToolTipSystem(). UI thread only.
class CTKToolTipContextToolTip : public CWnd {
 public:
  /// One added tool.
  struct TOOLITEM {
    CString strText;
    /// The text is still to be asked of the tool's window (TTN_GETDISPINFO).
    BOOL bTextCallback = FALSE;
    UINT uFlags = 0;
    CRect rect;
    HINSTANCE hInstance = NULL;
    HWND hWnd = NULL;
    UINT_PTR nID = 0;
    /// Client coordinates of the tool window; empty: the tip goes to the cursor.
    CRect rcAnchor;
  };

  enum { timerShow = 1, timerAutoPop = 3 };

  explicit CTKToolTipContextToolTip(CTKToolTipContext* pContext);
  ~CTKToolTipContextToolTip() override;

  /// The popup window owned by pOwner; FALSE when it cannot be made.
  virtual BOOL Create(CWnd* pOwner);

  /// The size of the tip of pTool; 0 x 0 when there is nothing to show.
  virtual CSize CalcSize(TOOLITEM* pTool);
  /// Draws the content of pTool into rc (the client rectangle).
  virtual void DrawEntry(CDC* pDC, TOOLITEM* pTool, CRect rc);
  virtual void DrawBackground(CDC* pDC, TOOLITEM* pTool, CRect rc);
  virtual void OnVisibleChanged(BOOL bVisible);

  CTKToolTipContext* GetContext() const { return m_pContext; }
  int GetToolCount() const { return static_cast<int>(m_arrTools.size()); }
  /// The tool on show, or null.
  TOOLITEM* GetCurrentTool() const { return m_pCurrentTool; }
  TOOLITEM* GetPendingTool() const { return m_pPendingTool; }
  TOOLITEM* GetPressedTool() const { return m_pPressedTool; }
  BOOL IsActive() const { return m_bActive; }
  const CString& GetTitle() const { return m_strTitle; }
  CTKImageManagerIcon* GetIcon() const { return m_pIcon; }
  int GetInitialDelay() const { return m_nDelayInitial; }
  int GetReshowDelay() const { return m_nDelayReshow; }
  int GetAutoPopDelay() const { return m_nDelayAutoPop; }

  /// The text of the tool (asked once of its window when it is a callback).
  CString GetToolText(TOOLITEM* pTool);
  /// How far the visible cursor reaches below its hot spot; 21 when the
  /// cursor cannot be read.
  static int PASCAL GetVisibleCursorHeight();
  /// The tip's paint: background, colours, font, content.
  void Paint(CDC* pDC);

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  LRESULT OnToolTipMessage(UINT message, WPARAM wParam, LPARAM lParam, BOOL& bHandled);

  void AddTool(const TOOLINFO* pTI);
  void DeleteTool(HWND hWnd, UINT_PTR nID);
  void UpdateTipText(const TOOLINFO* pTI);
  void Activate(BOOL bActivate);
  void SetDelayTime(WPARAM nKind, int nDelay);
  TOOLITEM* FindTool(HWND hWnd, UINT_PTR nID) const;
  /// The tool under the cursor, or null.
  TOOLITEM* HitTest() const;
  void RelayEvent(const MSG* pMsg);
  void OnTimer(UINT_PTR nID);
  void OnDestroy();
  /// Shows pTool; null hides the tip.
  void ShowTool(TOOLITEM* pTool);
  /// Where the tip of that size goes for pTool (screen coordinates).
  CRect PlaceTip(TOOLITEM* pTool, CSize size) const;
  void InstallMouseHook();
  void RemoveMouseHook();
  static LRESULT CALLBACK MouseHookProc(int nCode, WPARAM wParam, LPARAM lParam);
  BOOL IsRightToLeft(TOOLITEM* pTool) const;

  // The base layout of the plain, Luna and Office looks.
  /// The client rectangle less margins and frame.
  CRect GetContentRect(CRect rcClient) const;
  CSize CalcBaseSize(TOOLITEM* pTool);
  void DrawBaseEntry(CDC* pDC, TOOLITEM* pTool, CRect rc);

  std::vector<TOOLITEM*> m_arrTools;
  BOOL m_bActive = FALSE;
  CTKToolTipContext* m_pContext;
  TOOLITEM* m_pCurrentTool = nullptr;
  TOOLITEM* m_pPressedTool = nullptr;
  TOOLITEM* m_pPendingTool = nullptr;
  BOOL m_bShowTimer = FALSE;
  DWORD m_dwLastChange = 0;
  int m_nDelayInitial = 500;
  int m_nDelayReshow = 200;
  int m_nDelayAutoPop = 0;
  CString m_strTitle;
  CTKImageManagerIcon* m_pIcon = nullptr;
  BOOL m_bRegion = FALSE;
  /// The id of the tool whose TTN_SHOW runs, else -1.
  INT_PTR m_nIDInNotification = -1;
  HWND m_hWndInNotification = NULL;
};

/// The message a tip posts to itself for a TTM_DELTOOL that arrived while
/// that tool's notification ran: wParam the tool's id, lParam its window.
const UINT WM_TK_TOOLTIPDELTOOL = WM_APP + 0x2A4;

/// Style 4: a blue gradient in the colours of the system theme.
class CTKToolTipContext::CLunaToolTip : public CTKToolTipContextToolTip {
 public:
  using CTKToolTipContextToolTip::CTKToolTipContextToolTip;
  void DrawBackground(CDC* pDC, TOOLITEM* pTool, CRect rc) override;
};

/// Style 5: the theme's tooltip gradient and frame, corners cut.
class CTKToolTipContext::COfficeToolTip : public CTKToolTipContextToolTip {
 public:
  using CTKToolTipContextToolTip::CTKToolTipContextToolTip;
  void DrawBackground(CDC* pDC, TOOLITEM* pTool, CRect rc) override;
  /// The Office background, shared with the markup tip.
  static void PASCAL DrawOfficeBackground(CDC* pDC, CRect rc);
};

/// Style 8: white with a grey frame and a layout of its own.
class CTKToolTipContext::COffice2013ToolTip : public CTKToolTipContextToolTip {
 public:
  using CTKToolTipContextToolTip::CTKToolTipContextToolTip;
  CSize CalcSize(TOOLITEM* pTool) override;
  void DrawEntry(CDC* pDC, TOOLITEM* pTool, CRect rc) override;
  void DrawBackground(CDC* pDC, TOOLITEM* pTool, CRect rc) override;

 protected:
  /// The text rectangle and the title rectangle inside rc.
  void Layout(CDC* pDC, CRect rc, CRect& rcTitle, CRect& rcText);
};

/// Style 7: the tool's text is markup, drawn through TKMarkupCaptionApi();
/// text that does not parse (or no markup engine) is shown as plain text.
class CTKToolTipContext::CMarkupToolTip : public CTKToolTipContextToolTip {
 public:
  explicit CMarkupToolTip(CTKToolTipContext* pContext);
  ~CMarkupToolTip() override;
  BOOL Create(CWnd* pOwner) override;
  CSize CalcSize(TOOLITEM* pTool) override;
  void DrawEntry(CDC* pDC, TOOLITEM* pTool, CRect rc) override;
  void DrawBackground(CDC* pDC, TOOLITEM* pTool, CRect rc) override;
  CTKMarkupUIElement* GetElement() const { return m_pElement; }

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void ReleaseMarkup();
  /// Whether the text gives a tree; parsed again only when it, the font or
  /// the colour changed.
  BOOL ParseText(ITKMarkupCaptionApi* pApi, const CString& strText);

  CTKMarkupContext* m_pMarkupContext = nullptr;
  CTKMarkupUIElement* m_pElement = nullptr;
  BOOL m_bParsed = FALSE;  // m_pElement is what the fields below gave
  CString m_strParsed;
  HFONT m_hParsedFont = nullptr;
  COLORREF m_clrParsed = 0;
};

/// Style 3: the tool's text is RTF (or plain text), drawn by a rich renderer.
class CTKToolTipContext::CRichEditToolTip : public CTKToolTipContextToolTip {
 public:
  explicit CRichEditToolTip(CTKToolTipContext* pContext);
  ~CRichEditToolTip() override;
  CSize CalcSize(TOOLITEM* pTool) override;
  void DrawEntry(CDC* pDC, TOOLITEM* pTool, CRect rc) override;
  CTKRichRender* GetRenderer() const { return m_pRender; }

 protected:
  CTKRichRender* m_pRender;
};
