// The dockable, floatable bar: a child of one of its frame's dock bars or a
// floating window of its own. It sizes itself for a length, adds an expand
// button for controls that did not fit and a close button when floating, and
// keeps its built-in controls so that customising can be undone.
#pragma once

#include "commandbars/TKCommandBar.h"
#include "commandbars/TKControlClasses.h"

class CTKDockBar;
class CTKPopupBar;
class CTKToolBar;

// Behaviour flags of a tool bar (CTKCommandBar::GetFlags).
#define TKBARFLAG_ALIGN_TOP 0x01
#define TKBARFLAG_ALIGN_BOTTOM 0x02
#define TKBARFLAG_ALIGN_LEFT 0x04
#define TKBARFLAG_ALIGN_RIGHT 0x08
#define TKBARFLAG_FLOATING 0x10
#define TKBARFLAG_HIDEWRAP 0x20
#define TKBARFLAG_STRETCHED 0x40
#define TKBARFLAG_FILLROW 0x100000
/// Docking anywhere and floating: the bar can be dragged.
#define TKBARFLAG_MOVABLE 0x1F

// Ids of the tool bar's own controls (their captions are string resources).
#define TKID_TOOLBAR_OPTIONS 9148
#define TKID_TOOLBAR_HIDE 9149
#define TKID_TOOLBAR_RESET 9123

/// Where a tool bar was docked and floated last; the drag itself is the
/// dock context's own business.
class CTKDockContext {
 public:
  explicit CTKDockContext(CTKToolBar* pBar);
  virtual ~CTKDockContext() {}
  /// Starts dragging the bar from a screen point.
  virtual void StartDrag(CPoint ptScreen);
  /// Docks a floating bar at its last place, floats a docked one.
  virtual void ToggleDocking();

  /// The place the bar was dropped at in its dock bar (client coordinates).
  CRect m_rectMRUDockPos;
  /// The side it was docked on last.
  int m_nMRUDockPosition;
  /// The top-left corner it floated at last (screen coordinates).
  CPoint m_ptMRUFloatPos;

  // Resizing a floating bar (TKDockContextResize.cpp)
  /// Resizes the floating bar from a sizing border (HTLEFT..HTBOTTOMRIGHT)
  /// until the button goes up, Esc is pressed or the capture is lost; then
  /// remembers its place and width.
  virtual void StartResize(UINT nHitTest, CPoint ptScreen);

 protected:
  CTKToolBar* m_pBar;

  // Resizing a floating bar (TKDockContextResize.cpp)
  /// The modal loop: each mouse step resizes; nothing while another window
  /// holds the capture or without command bars.
  virtual void Track();
  /// One mouse step: the dragged edge moves and the bar takes the size its
  /// layout gives for the new length.
  void ResizeFloating(CPoint ptScreen);
  /// The sizing border held, 0 when idle.
  UINT m_nDragMode = 0;
  CPoint m_ptLast;
  /// The rectangle the dragged edge has reached (screen coordinates).
  CRect m_rectFloat;
};

class CTKToolBar : public CTKCommandBar {
  DECLARE_DYNCREATE(CTKToolBar)

 public:
  /// The button that opens the controls that did not fit.
  class CControlButtonExpand : public CTKControlPopup {
    DECLARE_DYNCREATE(CControlButtonExpand)

   public:
    CControlButtonExpand();
    /// Also recomputes whether the bar hides controls for lack of room.
    void SetRect(CRect rcControl) override;
    BOOL HasHiddenControls() const { return m_bHiddenControls; }
    void Draw(CDC* pDC) override;
    CSize GetSize(CDC* pDC) override;
    /// Opens a pop-up with the controls hidden for lack of room and the
    /// "Add or Remove Buttons" lists, or closes it (TKToolBarExpand.cpp).
    BOOL OnSetPopup(BOOL bPopup) override;

   protected:
    void FillPopup(CTKPopupBar* pPopup);

    BOOL m_bHiddenControls;
  };

  /// The close button of a floating bar: executing it hides the bar.
  class CControlButtonHide : public CTKControlButton {
    DECLARE_DYNCREATE(CControlButtonHide)

   public:
    CControlButtonHide();
    void OnExecute() override;
    void Draw(CDC* pDC) override;
    CSize GetSize(CDC* pDC) override;
  };

  CTKToolBar();
  ~CTKToolBar() override;

  // Place and visibility ------------------------------------------------------------

  CTKDockBar* GetDockBar() const { return m_pDockBar; }
  void SetDockBar(CTKDockBar* pDockBar) { m_pDockBar = pDockBar; }
  CTKDockContext* GetDockContext() const { return m_pDockContext; }
  /// Creates the window as a child of `pParent` or floating over it.
  virtual BOOL CreateToolBar(CWnd* pParent, BOOL bFloating);
  /// 0-3 docks on that side, 4 floats; FALSE without command bars.
  virtual BOOL SetPosition(int nPosition);
  BOOL IsVisible() const override { return m_bVisible; }
  virtual void SetVisible(BOOL bVisible);
  BOOL IsBuiltIn() const { return m_bBuiltIn; }
  void SetBuiltIn(BOOL bBuiltIn) { m_bBuiltIn = bBuiltIn; }
  BOOL IsTearOff() const { return m_bTearOff; }
  void SetTearOff(BOOL bTearOff) { m_bTearOff = bTearOff; }
  BOOL IsTemporary() const { return m_bTemporary; }
  void SetTemporary(BOOL bTemporary) { m_bTemporary = bTemporary; }
  BOOL IsCloseable() const { return m_bCloseable; }
  void SetCloseable(BOOL bCloseable) { m_bCloseable = bCloseable; }
  BOOL IsContextMenuPresent() const { return m_bContextMenuPresent; }
  void SetContextMenuPresent(BOOL bPresent) { m_bContextMenuPresent = bPresent; }
  void ShowExpandButton(BOOL bShow) { m_bShowExpandButton = bShow; }
  /// Hides the bar while print preview is on and shows it again afterwards.
  virtual void OnSetPreviewMode(BOOL bPreview);

  // Filling ------------------------------------------------------------------------

  /// Fills the bar from an RT_TOOLBAR resource and keeps the result as its
  /// built-in controls; the resource id becomes the bar id.
  virtual BOOL LoadToolBar(UINT nIDResource, BOOL bLoadIcons = TRUE);

  // Layout ---------------------------------------------------------------------------

  /// The docked size for `nLength` in `dwMode`; makes room for the expand
  /// button when controls are hidden (and always with "ShowExpandButtonAlways").
  virtual CSize CalcLayout(int nLength, DWORD dwMode, int nExtra = 0);
  /// The floating size, with the caption and its close and expand buttons.
  CSize CalcDynamicLayout(int nLength, DWORD dwMode) override;
  CRect GetBorders() override;
  void OnRecalcLayout() override;
  // Customising ----------------------------------------------------------------------

  /// Fills `pPopup` with the "Add or Remove Buttons" list: an entry per
  /// control, built-in ones the user removed included (put back hidden at
  /// their places), and the reset entry.
  void BuildCustomizePopup(CTKPopupBar* pPopup);
  /// Brings the built-in controls back, after asking when `bAsk`.
  virtual void Reset(BOOL bAsk);

  /// The expand button, added the first time it is needed.
  CControlButtonExpand* GetExpandButton(BOOL bCreate);
  CControlButtonHide* GetHideButton(BOOL bCreate);

 protected:
  /// Whether the gripper's move cursor and dragging apply.
  BOOL IsMovable() const { return m_pDockContext != nullptr && (m_dwFlags & TKBARFLAG_MOVABLE); }
  BOOL IsGripperPoint(CPoint point) const;
  /// Called for each control while the customise list is built.
  virtual void OnBuildCustomizeEntry(CTKControl* /*pControl*/) {}

  afx_msg LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
  afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
  afx_msg LRESULT OnNcHitTest(CPoint point);
  afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
  DECLARE_MESSAGE_MAP()

  friend class CTKCommandBars;

  CTKDockBar* m_pDockBar;
  CTKDockContext* m_pDockContext;
  BOOL m_bBuiltIn;
  BOOL m_bTearOff;
  BOOL m_bPreviewVisible;
  BOOL m_bPreview;
  BOOL m_bTemporary;
  BOOL m_bShowExpandButton;
  BOOL m_bContextMenuPresent;
  BOOL m_bInRecalcLayout;
  BOOL m_bVisible;
  BOOL m_bCloseable;

  // Floating: sizing borders and the frame's activation (TKToolBarFloating.cpp)
  afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
  afx_msg BOOL OnNcCreate(LPCREATESTRUCT lpCreateStruct);
  afx_msg LRESULT OnFloatStatus(WPARAM wParam, LPARAM lParam);

  // Resetting (TKToolBarCustomize.cpp)
  /// Asks whether the user's changes to the bar may go; TRUE for OK.
  BOOL AskReset() const;
};
