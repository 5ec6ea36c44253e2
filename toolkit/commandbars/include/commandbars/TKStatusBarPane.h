// One pane of a status bar: a command id with a text (plain or markup), an
// icon, colours, padding, a style in the status-bar style bits, hide flags, an
// optional child window over it and optional button behaviour.
#pragma once

#include <afxwin.h>

#include <afxext.h>

class CTKImageManagerIcon;
class CTKMarkupUIElement;
class CTKStatusBar;

class CTKStatusBarPane : public CCmdTarget {
  DECLARE_DYNAMIC(CTKStatusBarPane)

 public:
  /// Hide flags: the pane is visible only while none is set.
  enum HideFlags { hideProgram = 0x1, hideNoRoom = 0x2, hideUser = 0x10 };
  enum Alignment { alignLeft = 0, alignCenter = DT_CENTER, alignRight = DT_RIGHT };

  CTKStatusBarPane();
  ~CTKStatusBarPane() override;

  /// The width the layout gives the pane: the fixed width when above 0, else
  /// the text (or markup) measured in the pane's font plus the padding, and
  /// the icon with a 2-pixel gap before a text.
  virtual int GetWidth();
  /// Its own font, else the bar's.
  virtual CFont* GetFont();
  /// The icon of the icon id in the bar's image manager; null for none.
  virtual CTKImageManagerIcon* GetImage();
  /// Through the status-bar paint manager of the bar's theme.
  virtual void Draw(CDC* pDC, CRect rc);
  /// A button pane's press: tracks the mouse until release, Esc or a cancel
  /// and tells the bar of a click released over the pane.
  virtual void OnLButtonDown(CPoint point);
  virtual void OnMouseMove(CPoint /*point*/) {}
  virtual INT_PTR OnToolHitTest(CPoint /*point*/, TOOLINFO* /*pTI*/) const { return -1; }

  UINT GetID() const { return m_nID; }
  CTKStatusBar* GetStatusBar() const { return m_pStatusBar; }
  int GetIndex() const { return m_nIndex; }

  /// Upper-cased when the bar shows its panes so.
  CString GetText() const;
  /// Nothing for an equal text; else reparses markup and redraws, or lays
  /// the bar out again when the measured width changes.
  void SetText(LPCTSTR lpszText);
  CTKMarkupUIElement* GetMarkupElement() const { return m_pMarkupElement; }

  UINT GetStyle() const { return m_nStyle; }
  void SetStyle(UINT nStyle);
  BOOL IsEnabled() const { return (m_nStyle & SBPS_DISABLED) == 0; }
  void SetEnabled(BOOL bEnabled);
  BOOL IsPopout() const { return (m_nStyle & SBPS_POPOUT) != 0; }
  BOOL HasBorders() const { return (m_nStyle & SBPS_NOBORDERS) == 0; }
  BOOL IsStretch() const { return (m_nStyle & SBPS_STRETCH) != 0; }

  BOOL IsVisible() const { return m_dwHideFlags == 0; }
  /// Hidden by the program; the layout follows when `bRecalcLayout` is set.
  void SetVisible(BOOL bVisible, BOOL bRecalcLayout = TRUE);
  BOOL IsCustomizeVisible() const { return (m_dwHideFlags & hideUser) == 0; }
  /// Hidden by the user (the customise pop-up); the layout follows.
  void SetCustomizeVisible(BOOL bVisible);
  DWORD GetHideFlags() const { return m_dwHideFlags; }

  /// Above 0 the pane's width; 0 measures it.
  int GetFixedWidth() const { return m_nFixedWidth; }
  void SetWidth(int nWidth);
  int GetComputedWidth() const { return m_nComputedWidth; }

  COLORREF GetTextColor() const { return m_clrText; }
  void SetTextColor(COLORREF clr);
  COLORREF GetTextGrayColor() const { return m_clrTextGray; }
  void SetTextGrayColor(COLORREF clr);
  COLORREF GetBackgroundColor() const { return m_clrBackground; }
  void SetBackgroundColor(COLORREF clr);
  int GetTextAlignment() const { return m_nAlignment; }
  void SetTextAlignment(int nAlignment);
  BOOL IsDarkBackground() const { return m_bDarkBackground; }
  void SetDarkBackground(BOOL bDark) { m_bDarkBackground = bDark; }

  CString GetTooltip() const { return m_strTooltip; }
  void SetTooltip(LPCTSTR lpszTooltip) { m_strTooltip = lpszTooltip; }
  CRect GetRect() const { return m_rcPane; }
  CRect GetPadding() const { return m_rcPadding; }
  void SetPadding(int cxLeft, int cyTop, int cxRight, int cyBottom);
  CRect GetMargins() const { return m_rcMargins; }
  void SetMargins(int cxLeft, int cyTop, int cxRight, int cyBottom);

  void SetFont(CFont* pFont);
  int GetIconId() const { return m_nIconId; }
  void SetIconId(int nIconId);

  /// A window placed over the pane by the layout; with `bAutoDelete` its
  /// object is deleted with the pane.
  void SetChild(CWnd* pChild, BOOL bAutoDelete = FALSE);
  HWND GetChild() const { return m_hWndChild; }

  BOOL IsButton() const { return m_bButton; }
  void SetButton(BOOL bButton) { m_bButton = bButton; }
  BOOL IsPressed() const { return m_bPressed; }

  BOOL IsBeginGroup() const { return m_bBeginGroup; }
  void SetBeginGroup(BOOL bBeginGroup);
  CString GetCustomizeCaption() const { return m_strCustomizeCaption; }
  void SetCustomizeCaption(LPCTSTR lpszCaption) { m_strCustomizeCaption = lpszCaption; }
  CString GetValueText() const { return m_strValueText; }
  void SetValueText(LPCTSTR lpszText) { m_strValueText = lpszText; }
  BOOL IsCustomizable() const { return m_bCustomizable; }
  void SetCustomizable(BOOL bCustomizable) { m_bCustomizable = bCustomizable; }

  /// Invalidates the pane's rectangle in the bar while it is visible.
  void Redraw() const;

 protected:
  friend class CTKStatusBar;

  /// Runs the press loop; whether it ended with the button released over
  /// the pane.
  BOOL TrackPress();
  /// Parses the text anew when the bar has a markup context.
  void UpdateMarkupElement();
  /// Lays the bar out again, or redraws only, as the pane's change needs.
  void RecalcBarLayout() const;

  UINT m_nID;
  int m_nFixedWidth;
  UINT m_nStyle;
  CString m_strText;
  DWORD m_dwHideFlags;
  COLORREF m_clrText;
  COLORREF m_clrTextGray;
  COLORREF m_clrBackground;
  CString m_strTooltip;
  CRect m_rcPane;
  HWND m_hWndChild;
  CWnd* m_pChild;
  BOOL m_bAutoDeleteChild;
  CTKStatusBar* m_pStatusBar;
  int m_nIndex;
  CFont m_font;
  int m_nIconId;
  CRect m_rcPadding;
  CRect m_rcMargins;
  BOOL m_bButton;
  BOOL m_bPressed;
  CTKMarkupUIElement* m_pMarkupElement;
  BOOL m_bBeginGroup;
  CString m_strCustomizeCaption;
  CString m_strValueText;
  int m_nComputedWidth;
  BOOL m_bCustomizable;
  int m_nAlignment;
  BOOL m_bDarkBackground;
};
