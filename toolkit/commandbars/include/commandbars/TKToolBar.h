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

/// Where a tool bar was docked and floated last, and the mouse loop that
/// moves it between the dock bars and floating, or resizes it floating. The
/// bar is docked or moved live at every mouse step (src/docking).
class CTKDockContext {
 public:
  explicit CTKDockContext(CTKToolBar* pBar);
  virtual ~CTKDockContext() {}
  /// Drags the bar from a screen point until the button is released or Esc
  /// is pressed (the bar stays where the last step put it).
  virtual void StartDrag(CPoint ptScreen);
  /// Resizes the floating bar by a sizing border (HTLEFT..HTBOTTOMRIGHT).
  virtual void StartResize(UINT nHitTest, CPoint ptScreen);
  /// Docks a floating bar where it was last dropped; floats a docked one
  /// when "DblClickFloat" is on. FALSE when the bar may not go there.
  virtual BOOL ToggleDocking();
  /// The modal loop; nothing when another window has the capture or the
  /// bar has no command bars.
  virtual void Track();

  /// The place the bar was dropped at in its dock bar (client coordinates).
  CRect m_rectMRUDockPos;
  /// The side it was docked on last.
  int m_nMRUDockPosition;
  /// The top-left corner it floated at last (screen coordinates).
  CPoint m_ptMRUFloatPos;

  /// How far a rectangle stays on the work area when pulled off it.
  static const int kKeepOnWorkArea = 10;
  /// Moves `rc` by the least amounts that make it hold `pt`.
  static void AFX_CDECL OffsetRectToContain(CRect& rc, CPoint pt);
  /// Keeps 10 pixels of `rc` on the work area under the cursor.
  static void AFX_CDECL KeepOnWorkArea(CRect& rc);

 protected:
  virtual void MoveDrag(CPoint pt);
  virtual void ResizeFloating(CPoint pt);
  /// Floats the bar at `pt` with the size it measures floating.
  void FloatAt(CPoint pt);

  CTKToolBar* m_pBar;
  /// 1 while moving, the sizing border's hit code while resizing.
  int m_nDragMode = 0;
  CPoint m_ptLast = CPoint(0, 0);
  CRect m_rectDragDock;
  CRect m_rectDragFloat;
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

  // Saved state and layout (src/persist) ---------------------------------------------

  /// One bar's place as the profile keeps it in a "<profile>-Bar<n>" section.
  class CToolBarInfo {
   public:
    CToolBarInfo();
    /// Writes the section `n` of `lpszProfileName`, emptied first; values
    /// that equal what a load assumes are left out.
    void SaveState(LPCTSTR lpszProfileName, int nIndex);
    /// Reads the section, the positions scaled by `pDockState`; FALSE when
    /// the section holds no bar.
    BOOL LoadState(LPCTSTR lpszProfileName, int nIndex, class CTKCommandBarsDockState* pDockState);

    UINT m_nBarID;
    BOOL m_bVisible;
    BOOL m_bFloating;
    CPoint m_pointPos;
    int m_nMRUWidth;
    int m_uMRUDockPosition;
    CRect m_rectMRUDockPos;
    CPoint m_ptMRUFloatPos;
    CTKToolBar* m_pBar;
    BOOL m_bDialogBar;
    CSize m_szDockingClient;
    CSize m_szFloatingClient;
  };

  virtual void GetBarInfo(CToolBarInfo* pInfo);
  virtual void SetBarInfo(CToolBarInfo* pInfo);
  /// Customisable, and its controls differ from its built-in ones.
  virtual BOOL ShouldSaveState();
  /// The tool-bar record after the command-bar record.
  void DoPropExchange(CTKPropExchange* pPX) override;
  /// Takes over a bar of the same id read from a layout. `nMode` 6 keeps
  /// this bar's new definition, 7 takes the loaded controls, any other asks
  /// when the definition changed under the user's customisation.
  virtual void RestoreFromLoaded(CTKToolBar* pLoaded, BOOL bSilent, int nMode);
  void RestoreFromLoadedSilently(CTKToolBar* pLoaded, BOOL bSilent) {
    RestoreFromLoaded(pLoaded, bSilent, 0);
  }
  BOOL IsCustomizeDialogPresent() const { return m_bCustomizeDialogPresent; }
  /// A dialog bar's client sizes docked and floating; other bars have none.
  virtual void GetDialogBarClientSizes(CSize& /*szDocking*/, CSize& /*szFloating*/) const {}
  virtual void SetDialogBarClientSizes(CSize /*szDocking*/, CSize /*szFloating*/) {}

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
  // The tool-bar context menu (TKToolBarContextMenu.cpp)
  afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
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

  // Saved state and layout
  BOOL m_bCustomizeDialogPresent = TRUE;

  // Floating: sizing borders and the frame's activation (TKToolBarFloating.cpp)
  afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
  afx_msg BOOL OnNcCreate(LPCREATESTRUCT lpCreateStruct);
  afx_msg LRESULT OnFloatStatus(WPARAM wParam, LPARAM lParam);

  // Resetting (TKToolBarCustomize.cpp)
  /// Asks whether the user's changes to the bar may go; TRUE for OK.
  BOOL AskReset() const;
};
