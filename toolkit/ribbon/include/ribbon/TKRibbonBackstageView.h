// The backstage view: a page the ribbon's system button opens instead of its
// pop-up. It covers the frame's client area below the ribbon's tab row, shows
// a menu pane of tabs, commands and separators (ribbon/TKRibbonBackstageControls.h)
// at its left and the active tab's page window to the right.
//
// How a frame gives its system button a backstage view:
//
//   CTKRibbonBackstageView* pView = CTKRibbonBackstageView::CreateBackstageView(pCommandBars);
//   pView->GetControls()->Add(new CTKRibbonBackstageTab(pageDialog.m_hWnd), ID_INFO);
//   pView->GetControls()->Add(new CTKRibbonBackstageCommand, ID_FILE_SAVE);
//   static_cast<CTKControlPopup*>(pRibbon->GetSystemButton())->SetCommandBar(pView);
//
// While it shows, the frame's other child windows but the top dock bar are
// hidden, the ribbon disables its controls, and the view takes the keys
// through the thread's keyboard manager and hears the frame's closing.
#pragma once

#include <afxtempl.h>

#include "commandbars/TKCommandBar.h"
#include "common/TKHookManager.h"

class CTKImageManagerIcon;
class CTKRibbonBackstagePaintManager;
class CTKRibbonControlSystemButton;

/// The control notification a tab sends its site as it becomes active.
#define TK_BN_BACKSTAGETABACTIVATED 0x1100

class CTKRibbonBackstageView : public CTKCommandBar, public CTKHookManagerHookAble {
  DECLARE_DYNCREATE(CTKRibbonBackstageView)

 public:
  /// System colours, then the resource look (SetTheme(5)).
  CTKRibbonBackstageView();
  ~CTKRibbonBackstageView() override;

  /// A view of the command bars (the caller holds its one reference).
  static CTKRibbonBackstageView* AFX_CDECL CreateBackstageView(CTKCommandBars* pCommandBars);

  // Look ---------------------------------------------------------------------------

  /// 12 the Office 2013 look, 16 the Visual Studio 2015 look, any other id
  /// the resource look; then the text and background colours of the theme text.
  void SetTheme(int nThemeId);
  CTKRibbonBackstagePaintManager* GetBackstagePaintManager() const { return m_pPaintManager; }
  CFont* GetCommandFont() { return &m_fontCommand; }
  CFont* GetTabFont() { return &m_fontTab; }
  COLORREF GetTextColor() const { return m_clrText; }
  COLORREF GetBackgroundColor() const { return m_clrBackground; }
  int GetMenuWidth() const { return m_nMenuWidth; }

  // Opening and closing ----------------------------------------------------------------

  /// Opens over the site frame for a system button; FALSE for any other control.
  BOOL Popup(CTKControl* pControl, BOOL bSelectFirst = FALSE) override;
  /// Leaves tracking mode, which destroys the window.
  virtual void Close();
  /// Entering and leaving: the ribbon's controls re-evaluate their state;
  /// leaving destroys the window and tells the site (TK_WM_POPUPCLOSED).
  BOOL SetTrackingMode(int bMode, BOOL bSelectFirst = TRUE, BOOL bKeyboard = FALSE) override;
  CTKRibbonControlSystemButton* GetSystemButton() const { return m_pSystemButton; }

  // Layout -----------------------------------------------------------------------------

  /// Places the view below the ribbon's tab row, the menu entries and the
  /// active tab's page, and redraws.
  virtual void RecalcLayout();
  /// The look's background, then every entry, each starting from black text.
  void DrawCommandBar(CDC* pDC, CRect rcClipBox) override;

  // Entries ----------------------------------------------------------------------------

  /// Shows the tab's page (null: none) unless the current property page
  /// refuses to be left.
  void SetActiveTab(CTKControl* pControl);
  CTKControl* GetActiveTab() const { return m_pActiveTab; }
  /// The keyboard mark; an enabled tab also becomes the active tab.
  void SetFocusedControl(CTKControl* pControl);
  CTKControl* GetFocusedControl() const { return m_pFocusedControl; }
  CTKControl* GetHotControl() const { return m_pHotControl; }
  /// Closes the view and runs the control.
  void ExecuteCommand(CTKControl* pControl);
  /// The active tab's page window when it exists, else null.
  CWnd* GetActiveTabPage() const;
  CTKControl* HitTest(CPoint point) const;
  /// The entry's icon of that width in the view's image manager, null none.
  CTKImageManagerIcon* GetControlIcon(const CTKControl* pControl, int nWidth) const;

  BOOL IsActiveTab(const CTKControl* pControl) const { return pControl == m_pActiveTab; }
  BOOL IsHotControl(const CTKControl* pControl) const { return pControl == m_pHotControl; }
  BOOL IsFocusedControl(const CTKControl* pControl) const { return pControl == m_pFocusedControl; }
  static BOOL AFX_CDECL IsCommand(const CTKControl* pControl);
  static BOOL AFX_CDECL IsMenuSeparator(const CTKControl* pControl);

  // Keys -------------------------------------------------------------------------------

  /// Esc in a multi-line edit of a page closes the view; then the dialog
  /// manager's Tab and mnemonics inside the pages.
  BOOL PreTranslateMessage(MSG* pMsg) override;
  /// The site frame's messages and the thread's key-downs (see the .cpp).
  int OnHookMessage(HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam,
                    LRESULT& lResult) override;

 protected:
  /// Creates the window over the frame, hooks the frame and the keyboard,
  /// hides the frame's other children and focuses the first default entry.
  BOOL ShowBackstage();
  /// The frame's visible, enabled children but the top dock bar and the view.
  void HideFrameChildren();
  /// Makes the control the active tab without asking the current page.
  void SwitchTab(CTKControl* pControl);
  /// The menu pane's width for the visible entries.
  int CalcMenuWidth(CDC* pDC);
  /// Places the visible entries top down.
  void PlaceControls();
  /// Where the view starts below the frame's client top.
  int GetTopOffset() const;
  void ReadColors();
  void CreateFonts();
  /// The next visible entry from `pFrom` in `nDirection`, wrapping.
  CTKControl* GetNextControl(CTKControl* pFrom, int nDirection) const;
  /// The enabled entry under the point, null none.
  CTKControl* EnabledControlAt(CPoint point) const;

  afx_msg void OnPaint();
  afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnCancel();
  afx_msg void OnMouseMove(UINT nFlags, CPoint point);
  afx_msg LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
  afx_msg UINT OnGetDlgCode();
  afx_msg void OnDestroy();
  DECLARE_MESSAGE_MAP()

  int m_nMenuWidth;
  CFont m_fontCommand;
  CFont m_fontTab;
  COLORREF m_clrText;
  COLORREF m_clrBackground;
  CTKRibbonBackstagePaintManager* m_pPaintManager;
  CTKRibbonControlSystemButton* m_pSystemButton;
  CTKControl* m_pActiveTab;
  CTKControl* m_pHotControl;
  CTKControl* m_pFocusedControl;
  CArray<HWND, HWND> m_arrHiddenWindows;
};
