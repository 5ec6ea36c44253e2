// A tool bar that hosts a child window (a dialog or pane) below a caption
// strip. It docks and floats like any tool bar, is sized by dragging its free
// edges and keeps one client size docked and another floating. Its caption
// holds a close button and a caption control that can open a menu.
#pragma once

#include "commandbars/TKPopupBar.h"
#include "commandbars/TKToolBar.h"

// Ids of the dialog bar's caption controls.
#define TKID_DIALOGBAR_CAPTION 9147

class CTKDialogBar : public CTKToolBar {
  DECLARE_DYNCREATE(CTKDialogBar)

 public:
  /// The close button of the caption: hides the bar.
  class CControlButtonHide : public CTKToolBar::CControlButtonHide {
    DECLARE_DYNCREATE(CControlButtonHide)

   public:
    CControlButtonHide();
    void Draw(CDC* pDC) override;
  };

  /// Shows the caption and opens the caption menu when it has items.
  class CControlCaptionPopup : public CTKControlPopup {
    DECLARE_DYNCREATE(CControlCaptionPopup)

   public:
    CControlCaptionPopup();
    BOOL OnSetPopup(BOOL bPopup) override;
    void AdjustExcludeRect(CRect& rc, BOOL bVertical) override;
    void Draw(CDC* pDC) override;
    CSize GetSize(CDC* pDC) override { return GetRect().Size(); }
    BOOL HasCaptionPopup() const { return m_bCaptionPopup; }
    void SetCaptionPopup(BOOL bPopup) { m_bCaptionPopup = bPopup; }

   private:
    BOOL m_bCaptionPopup = FALSE;
  };

  /// The caption menu: opens below the caption, left-aligned.
  class CCaptionPopupBar : public CTKPopupBar {
    DECLARE_DYNCREATE(CCaptionPopupBar)

   public:
    void UpdatePopupFlags() override;
  };

  CTKDialogBar();
  ~CTKDialogBar() override;

  BOOL IsDialogBar() const override { return TRUE; }
  CTKCommandBar* Clone(BOOL bRecursive = FALSE) override;

  // Child and caption ------------------------------------------------------------------

  void SetChild(CWnd* pChild);
  HWND GetChildHwnd() const { return m_hWndChild; }
  void SetCaption(LPCTSTR lpszCaption);
  CString GetCaption() const { return m_strCaption; }
  void ShowCaption(BOOL bShow) { m_bCaption = bShow; }
  BOOL IsCaptionVisible() const { return m_bCaption; }
  void EnableCaptionPopup(BOOL bEnable) { m_bCaptionPopup = bEnable; }
  CCaptionPopupBar* GetCaptionPopupBar() const { return m_pPopupBar; }
  /// The keyboard focus is inside the bar (the caption is drawn active).
  BOOL IsActive() const { return m_bActive; }
  CControlCaptionPopup* GetCaptionControl() const;

  // Sizes ----------------------------------------------------------------------------

  void SetResizable(BOOL bResizable) { m_bResizable = bResizable; }
  BOOL IsResizable() const { return m_bResizable; }
  void SetMinimumClientSize(CSize sz) { m_szMinimumClient = sz; }
  CSize GetMinimumClientSize() const { return m_szMinimumClient; }
  void GetDialogBarClientSizes(CSize& szDocking, CSize& szFloating) const override;
  void SetDialogBarClientSizes(CSize szDocking, CSize szFloating) override;

  CSize CalcLayout(int nLength, DWORD dwMode, int nExtra = 0) override;
  CSize CalcDynamicLayout(int nLength, DWORD dwMode) override;
  /// Takes the rectangle a sizing drag reached (screen coordinates); refused
  /// when the client would be smaller than the minimum.
  virtual void ResizeToRect(int nLeft, int nTop, int nRight, int nBottom, UINT nHitCode);
  /// The borders around the child, the caption included.
  CRect GetClientBorders();
  /// Fits the child into the rectangle inside the client borders.
  void PositionChild(int nLeft, int nTop, int nRight, int nBottom);

  /// Only the caption takes part in the mouse manager's tracking: -2 below it.
  BOOL IsPointInside(CPoint ptScreen) const override;
  void OnIdleUpdateCmdUI(WPARAM wParam = 0, LPARAM lParam = 0) override;

 protected:
  CSize CalcSize(int nLength, DWORD dwMode, CSize szClient);
  void LayOutCaptionControls(int nRight, CSize szCaption);
  BOOL IsFocusInside() const;

  afx_msg LRESULT OnNcHitTest(CPoint point);
  afx_msg void OnSize(UINT nType, int cx, int cy);
  DECLARE_MESSAGE_MAP()

  CRect m_rcBorders;
  BOOL m_bResizable;
  CSize m_szMinimumClient;
  BOOL m_bCaption;
  BOOL m_bCaptionPopup;
  int m_nCaptionHeight;
  CSize m_szDockingClient;
  CSize m_szFloatingClient;
  HWND m_hWndChild;
  CString m_strCaption;
  CCaptionPopupBar* m_pPopupBar;
  BOOL m_bActive;
};
