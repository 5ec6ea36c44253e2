// The bar that drops down from a pop-up control or opens as a context menu: a
// top-level tool window that never takes the activation, one control per row,
// placed beside or below its control within the work area, showing only the
// used commands until it is expanded.
#pragma once

#include <functional>

#include "commandbars/TKCommandBar.h"
#include "commandbars/TKControlClasses.h"
#include "common/TKHookManager.h"

class CTKControlGallery;

class CTKPopupBar : public CTKCommandBar, public CTKHookManagerHookAble {
  DECLARE_DYNCREATE(CTKPopupBar)

 public:
  /// The button at the bottom of a short menu that shows the hidden items.
  class CControlExpandButton : public CTKControlButton {
   public:
    CControlExpandButton();
    void OnExecute() override;
    CSize GetSize(CDC* pDC) override;
    void Draw(CDC* pDC) override;
  };

  /// Pop-up flags: open to the left of the anchor, drop down below the
  /// control (else cascade beside it), end at the anchor point.
  enum { kPopupLeft = 0x1, kPopupDown = 0x2, kPopupAlignBottom = 0x4 };
  /// Timers of the pop-up.
  static constexpr UINT_PTR kTimerExpand = 5004;
  static constexpr UINT kExpandElapse = 900;
  /// The command id of the expand button.
  static constexpr int kIdExpandButton = 9150;

  CTKPopupBar();
  ~CTKPopupBar() override;

  /// A new pop-up bar of the command bars' pop-up class (this class
  /// without command bars), owned by the caller.
  static CTKPopupBar* AFX_CDECL CreatePopupBar(CTKCommandBars* pCommandBars);

  BOOL IsPopupBar() const override { return TRUE; }
  CTKCommandBar* GetParentCommandBar() const override;
  /// The control that opens the bar.
  CTKControl* GetControlPopup() const { return m_pControlPopup; }
  void SetControlPopup(CTKControl* pControl) { m_pControlPopup = pControl; }

  // Opening and closing --------------------------------------------------------

  /// Creates the window once; TRUE when it exists.
  virtual BOOL Create();
  /// Opens the pop-up for a control; FALSE when it cannot be shown.
  BOOL Popup(CTKControl* pControl, BOOL bSelectFirst = FALSE) override;
  /// Opens the pop-up at a screen point, away from `lpExclude` when given.
  BOOL PopupAtPoint(int x, int y, LPCRECT lpExclude = NULL);
  BOOL SetTrackingMode(int bMode, BOOL bSelectFirst = TRUE, BOOL bKeyboard = FALSE) override;
  BOOL DestroyWindow() override;
  BOOL IsVisible() const override;
  void DelayRedraw() override;
  void OnControlsChanged() override;
  BOOL SetSelected(int nSelected, int nReason = 0) override;

  // Placement --------------------------------------------------------------------

  DWORD GetPopupFlags() const { return m_popupFlags; }
  void SetPopupFlags(DWORD dwFlags) { m_popupFlags = dwFlags; }
  CRect GetExcludeRect() const { return m_rcExclude; }
  void SetExcludeRect(const CRect& rc) { m_rcExclude = rc; }
  CPoint GetAnchor() const { return m_ptPopup; }
  void SetAnchor(CPoint pt) { m_ptPopup = pt; }
  /// The flags, exclude rectangle and anchor from the opening control.
  virtual void UpdatePopupFlags();
  /// The window rectangle for a pop-up of that size at the anchor.
  virtual CRect CalcPopupPosition(CPoint pt, CSize sz);
  /// The paint manager moves the border part that touches the control.
  virtual void AdjustExcludeRect(CRect& rc, BOOL bVertical);
  /// Height limit (0 none).
  void SetMaxHeight(int nHeight) { m_nMaxHeight = nHeight; }
  /// Whether the last placement made the pop-up scroll.
  BOOL IsScrolling() const { return m_bScrolling; }

  // Scrolling ----------------------------------------------------------------------

  /// The scroll buttons' timers: the bottom one scrolls down, the top one up.
  static constexpr UINT_PTR kTimerScrollDown = 5001;
  static constexpr UINT_PTR kTimerScrollUp = 5002;
  static constexpr UINT kScrollElapse = 200;
  /// Lays the controls of a scrolling pop-up out for a size (null: the
  /// window's), downward from the last visible control or upward from the
  /// first.
  void AdjustScrolling(LPSIZE lpSize, BOOL bDown, BOOL bRedraw);
  int GetFirstVisible() const { return m_nFirstVisible; }
  /// One past the last visible control.
  int GetLastVisible() const { return m_nLastVisible; }
  /// The bottom (bDown) or top scroll button, empty when hidden.
  CRect GetScrollButtonRect(BOOL bDown) const { return m_scroll[bDown ? 0 : 1].rc; }

  // Tear-off -----------------------------------------------------------------------

  /// Sent to the site when the pop-up turns into a floating tool bar
  /// (wParam the tool bar, lParam the pop-up).
  static constexpr UINT kMessageTornOff = 0x2867;
  static constexpr UINT_PTR kTimerTearOff = 5003;
  static constexpr UINT kTearOffElapse = 80;
  /// A band above the controls that drags the pop-up out as a tool bar.
  void SetTearOffPopup(LPCSTR lpszCaption, UINT nBarId, int nWidth = 0);
  BOOL IsTearOffPopup() const { return m_bTearOffPopup; }
  CRect GetTearOffRect() const { return m_rcTearOffGripper; }
  /// The modal drag of the band: until release, Esc, loss of capture or quit.
  void TrackTearOff();

  // Resizing a gallery (TKPopupBarResize.cpp) --------------------------------------

  /// The band at the bottom of a pop-up that shows a resizable gallery;
  /// empty without one.
  CRect GetResizeGripperRect() const { return m_rcResizeGripper; }
  /// Whether a client point lies on the band's active part: the whole band
  /// in mode 2 (height only), else the band-high square at its end.
  BOOL HitTestResizeGripper(CPoint pt) const;
  /// The modal drag of the band from a client point: the gallery follows the
  /// mouse until release, loss of capture or quit; Esc restores its size.
  void TrackResize(CPoint ptStart);
  /// Measures the open pop-up again and keeps its top corner where it is.
  void ResizeToLayout();

  // Layout -----------------------------------------------------------------------

  CSize CalcDynamicLayout(int nLength, DWORD dwMode) override;
  void OnRecalcLayout() override;
  CRect GetBorders() override;
  int GetResizeMode() const override { return m_nResizeMode; }

  // Intelligent menus ------------------------------------------------------------

  /// Marks the unused commands hidden until the pop-up is expanded.
  void UpdateExpandingState();
  /// Shows every control (the expand button, Ctrl+Down, the hover timer).
  void ExpandBar();
  BOOL IsExpanded() const { return m_bExpanded; }
  BOOL IsExpandNeeded() const { return m_bNeedsExpand; }
  /// The index (or id) of the first visible default item, -1 none.
  int GetDefaultItem(BOOL bByIndex = TRUE) const;

  // Showing ------------------------------------------------------------------------

  /// 5 none, 4 fade, 3 slide, 2 unfold, as the options and the system say.
  int GetAnimationType() const;
  void SetShowShadow(BOOL bShow) { m_bShowShadow = bShow; }
  BOOL IsShowShadow() const { return m_bShowShadow; }
  /// The paint manager's shadow manager when this pop-up casts shadows now,
  /// else null.
  CTKShadowManager* GetShadowManagerToUse() const;
  /// Opened by a nested menu loop: its shadows spare the pop-ups of its group.
  void SetShadowGroup(BOOL bGroup) { m_bShadowGroup = bGroup; }

  // Icon column ----------------------------------------------------------------------

  /// A second icon column, so that check marks and icons stand side by side.
  BOOL IsDoubleGripper() const { return m_bDoubleGripper; }
  void SetDoubleGripper(BOOL bDouble) { m_bDoubleGripper = bDouble; }

  // Keys ---------------------------------------------------------------------------

  /// A key-down while the pop-up tracks: TRUE when the pop-up took it.
  virtual BOOL OnHookKeyDown(UINT nChar, LPARAM lParam);
  int OnHookMessage(HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam,
                    LRESULT& lResult) override;

  // Copying ------------------------------------------------------------------------

  virtual void Copy(CTKPopupBar* pSource);
  virtual CTKPopupBar* Clone();

  // Context menus of the command bars ----------------------------------------------

  /// Set on the pop-ups the command bars keep as context menus.
  // Saved layout (src/persist/TKCommandBarExchange.cpp) -----------------------------

  /// The command-bar record, then the tear-off, border, shadow, gripper and
  /// context-menu values; layouts before the gripper option get the gripper.
  void DoPropExchange(CTKPropExchange* pPX) override;
  BOOL IsContextMenu() const { return m_bContextMenu; }
  void SetContextMenu(BOOL bContextMenu) { m_bContextMenu = bContextMenu; }

 protected:
  void UpdateLocation(CSize sz);
  /// Moves the window (shown) and gives it its region.
  void MoveTo(const CRect& rc);
  /// Grows the window to its expanded rectangle through the paint manager's
  /// animation.
  void AnimateExpanding(const CRect& rcOld, const CRect& rcNew);
  void ShowAnimated();
  /// Closes this pop-up only, leaving its parent tracking.
  void ClosePopup();
  int HitTestControl(CPoint pt) const;
  void DrawCommandBar(CDC* pDC, CRect rcClipBox) override;
  /// Starts or stops a scroll button's timer for a mouse position; TRUE inside.
  BOOL TrackScrollButton(int nButton, CPoint pt);
  void OnScrollTimer(UINT_PTR nIDEvent);
  void StopScrollTimers();
  /// New shadows around the window.
  void UpdateShadows();
  /// Shows the torn-off tool bar at the cursor (outside the band) or the
  /// pop-up again (inside); FALSE when no tool bar can be had.
  BOOL UpdateTearOffBar(BOOL bInside, int x, int y);
  CTKCommandBar* CreateTearOffBar();
  void OnTearOffTimer();
  /// Pumps the thread's messages while the pop-up holds the capture, until
  /// the button goes up, Esc, loss of capture or WM_QUIT (posted again);
  /// mouse moves go to `onMove` at screen points. TRUE when Esc ended it.
  BOOL RunDragLoop(const std::function<void(CPoint)>& onMove);
  /// The resize mode of the first visible gallery; the band's height.
  int UpdateResizeMode();
  CTKControlGallery* GetResizableGallery() const;

  /// One scroll button.
  struct SCROLLBUTTON {
    UINT_PTR nTimerId;
    BOOL bRunning;
    CRect rc;
  };

  afx_msg void OnMouseMove(UINT nFlags, CPoint point);
  afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
  afx_msg void OnRButtonUp(UINT nFlags, CPoint point);
  afx_msg void OnTimer(UINT_PTR nIDEvent);
  afx_msg BOOL OnNcActivate(BOOL bActive);
  afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);

  CTKControl* m_pControlPopup;
  CPoint m_ptPopup;
  CRect m_rcExclude;
  DWORD m_popupFlags;
  BOOL m_bInLayout;
  BOOL m_bNeedsExpand;
  BOOL m_bExpanded;
  BOOL m_bExpanding;
  BOOL m_bShowShadow;
  CRect m_rcBorders;
  BOOL m_bDoubleGripper;
  BOOL m_bContextMenu;
  int m_nResizeMode;
  int m_nMaxHeight;
  BOOL m_bScrolling;
  int m_nFirstVisible;
  int m_nLastVisible;
  SCROLLBUTTON m_scroll[2];
  BOOL m_bShadowGroup;
  BOOL m_bTearOffPopup;
  CRect m_rcTearOffGripper;
  BOOL m_bTearOffSelected;
  BOOL m_bTearOffTimer;
  BOOL m_bTearOffTracking;
  CSize m_szTearOffBar;
  CTKCommandBar* m_pTearOffBar;
  CString m_strTearOffCaption;
  UINT m_nTearOffId;
  int m_nTearOffWidth;
  BOOL m_bKeyboardHooked;
  CRect m_rcResizeGripper;

  DECLARE_MESSAGE_MAP()
};

/// A pop-up whose controls wrap in rows like a tool bar's (a split button's
/// palette).
class CTKPopupToolBar : public CTKPopupBar {
  DECLARE_DYNCREATE(CTKPopupToolBar)

 public:
  CTKPopupToolBar();
  /// A new pop-up tool bar with its command bars, owned by the caller.
  static CTKPopupToolBar* AFX_CDECL CreatePopupToolBar(CTKCommandBars* pCommandBars);
  /// Lays out as a pop-up, whatever the length.
  CSize CalcDynamicLayout(int nLength, DWORD dwMode) override;
  CTKPopupBar* Clone() override;
};
