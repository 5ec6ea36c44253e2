// The window base of every bar: it owns the bar's controls, keeps the hot and
// the open control, gives its controls their site, paint manager and image
// manager, and redraws them. Tool bars, menus, pop-ups and the ribbon derive
// from it.
#pragma once

#include <afxtempl.h>
#include <afxwin.h>

#include "commandbars/TKCommandBarAnimation.h"
#include "commandbars/TKCommandBarsLayoutBars.h"
#include "commandbars/TKCommandBarsDefines.h"
#include "commandbars/TKPaintManager.h"
#include "common/TKAccessible.h"

class CTKCommandBarKeyboardTip;
class CommandBarsDragHelper;
class CTKCommandBars;
class CTKControl;
class CTKControls;
class CTKImageManager;
class CTKRibbonPaintManager;
class CTKPropExchange;
struct TK_BARS_EXCHANGE_PARAM;

class CTKCommandBar : public CWnd, public CTKAccessible {
  DECLARE_DYNCREATE(CTKCommandBar)

 public:
  CTKCommandBar();
  ~CTKCommandBar() override;

  // Controls -------------------------------------------------------------------

  CTKControls* GetControls() const { return m_pControls; }
  int GetControlCount() const;
  /// Null out of range.
  CTKControl* GetControl(int nIndex) const;
  /// Replaces the collection (releasing the old one) and becomes its parent.
  void SetControls(CTKControls* pControls);
  /// Fills the bar from a menu; FALSE for a null or invalid menu.
  virtual BOOL LoadMenu(CMenu* pMenu, BOOL bRemoveControls = TRUE);
  /// Marks the layout pending and forgets the hot and open controls.
  virtual void OnControlsChanged();
  /// Takes the kind, place, id, flags, title, sizes and command bars of
  /// `pBar`, then a copy of its controls (their pop-ups too with `bRecursive`).
  virtual void Copy(CTKCommandBar* pBar, BOOL bRecursive = FALSE);
  /// A new bar of this bar's class holding a copy of it.
  virtual CTKCommandBar* Clone(BOOL bRecursive = FALSE);
  /// The command bars dropped the bar: it leaves tracking, loses its
  /// controls and its window.
  virtual void OnRemoved();

  // Owners ---------------------------------------------------------------------

  CTKCommandBars* GetCommandBars() const;
  void SetCommandBars(CTKCommandBars* pCommandBars) { m_pCommandBars = pCommandBars; }
  virtual CTKCommandBar* GetParentCommandBar() const { return nullptr; }
  CTKCommandBar* GetRootParent() const;
  /// The window that receives the bar's messages.
  CWnd* GetSite() const;
  /// The window that receives the commands of the bar's controls.
  CWnd* GetOwnerSite() const;
  /// The site when it is a frame window, else null.
  CFrameWnd* GetFrameSite() const;
  void SetOwner(CWnd* pOwner) { m_pOwner = pOwner; }
  void SetCommandTarget(CWnd* pTarget) { m_pCommandTarget = pTarget; }
  CTKPaintManager* GetPaintManager() const;
  void SetPaintManager(CTKPaintManager* pPaintManager);
  CTKImageManager* GetImageManager() const;
  void SetImageManager(CTKImageManager* pImageManager);
  BOOL IsCustomizeMode() const;
  virtual BOOL IsCustomizable() const { return m_bCustomizable; }
  void SetCustomizable(BOOL bCustomizable) { m_bCustomizable = bCustomizable; }

  // Kind and place -------------------------------------------------------------

  int GetType() const { return m_barType; }
  void SetType(int nType) { m_barType = nType; }
  int GetPosition() const { return m_barPosition; }
  void SetBarPosition(int nPosition) { m_barPosition = nPosition; }
  UINT GetBarID() const { return m_nBarID; }
  void SetBarID(UINT nID) { m_nBarID = nID; }
  CString GetTitle() const { return m_strTitle; }
  void SetTitle(LPCSTR lpszTitle);
  DWORD GetFlags() const { return m_dwFlags; }
  void SetFlags(DWORD dwFlags) { m_dwFlags = dwFlags; }
  DWORD GetStyle() const { return m_dwStyle; }
  void SetStyle(DWORD dwStyle) { m_dwStyle = dwStyle; }
  BOOL GetShowGripper() const { return (m_dwStyle & kStyleGripper) != 0; }
  void SetShowGripper(BOOL bShow) {
    m_dwStyle = bShow ? (m_dwStyle | kStyleGripper) : (m_dwStyle & ~kStyleGripper);
  }
  virtual BOOL IsPopupBar() const { return FALSE; }
  virtual BOOL IsRibbonBar() const { return FALSE; }
  virtual BOOL IsDialogBar() const { return FALSE; }
  virtual BOOL IsVisible() const { return FALSE; }
  BOOL IsLayoutRTL() const;
  /// Inside the window, and for a pop-up with a window region inside that.
  virtual BOOL IsPointInside(CPoint ptScreen) const;
  /// Mnemonics are underlined now: the command bars' state, always without.
  virtual BOOL IsKeyboardCuesVisible() const;
  /// A top bar of command bars whose frame hook draws on glass.
  BOOL IsDwmEnabled() const;
  /// The style a control of style 0 takes on this bar.
  int GetDefaultButtonStyle() const { return m_nDefaultButtonStyle; }
  void SetDefaultButtonStyle(int nStyle) { m_nDefaultButtonStyle = nStyle; }

  // Sizes ----------------------------------------------------------------------

  virtual CSize GetIconSize() const;
  void SetIconSize(CSize sz) { m_szIcons = sz; }
  virtual CSize GetButtonSize() const;
  void SetButtonSize(CSize sz) { m_szButtons = sz; }
  CSize GetLargeIconSize() const;
  void SetLargeIconSize(CSize sz) { m_szLargeIcons = sz; }
  virtual CRect GetBorders();
  virtual int GetResizeMode() const { return 0; }
  /// Space between neighbouring controls along and across the bar.
  CSize GetControlsSpacing() const { return m_szControlsSpacing; }
  void SetControlsSpacing(CSize sz) { m_szControlsSpacing = sz; }
  /// The length the bar keeps for itself (floating shape, 0: none).
  int GetFixedLength() const { return m_nFixedLength; }
  void SetFixedLength(int nLength) { m_nFixedLength = nLength; }
  int GetMRULength() const { return m_nMRULength; }
  void SetMRULength(int nLength) { m_nMRULength = nLength; }
  BOOL IsMultiColumn() const { return m_bMultiColumn; }
  void SetMultiColumn(BOOL bMultiColumn) { m_bMultiColumn = bMultiColumn; }
  virtual CSize CalcDynamicLayout(int nLength, DWORD dwMode);
  virtual void OnRecalcLayout() {}

  // Selection and tracking -------------------------------------------------------

  int GetSelected() const { return m_nSelected; }
  /// The reason given with the last selection: 0 mouse, 1 keyboard, 2
  /// keyboard forward, 3 keyboard backward.
  int GetSelectionReason() const { return m_nSelectionReason; }
  /// Whether a control made hot by the mouse starts the hover timer.
  void SetHoverSelect(BOOL bHover) { m_bHoverSelect = bHover; }
  virtual BOOL SetSelected(int nSelected, int nReason = 0);
  int GetPopuped() const { return m_nPopuped; }
  virtual BOOL SetPopuped(int nPopuped, BOOL bKeyboard = FALSE);
  virtual BOOL SetTrackingMode(int bMode, BOOL bSelectFirst = TRUE, BOOL bKeyboard = FALSE);
  int IsTrackingMode() const { return m_nTracking; }
  virtual void CancelTracking();
  virtual void ClearSelection() { SetSelected(-1); }
  virtual void OnControlSelected(BOOL bSelected, CTKControl* pControl);
  virtual void EnsureVisible(CTKControl*) {}
  /// The control whose enabled state the bar decides, -1 none.
  virtual int GetControlEnabledOverride(CTKControl*) const { return -1; }
  /// Tracking was entered without keyboard and without selecting the first control.
  BOOL IsEnteredByMouse() const { return m_bEnteredByMouse; }
  /// A right-button release acts as a click (pop-ups tracked with the right button).
  void SetRightButtonTracking(BOOL bRight) { m_bRightButtonTracking = bRight; }
  /// The control under a client point, null none.
  CTKControl* ControlFromPoint(CPoint point) const;
  int* GetReturnCommandSlot() const { return m_pReturnCmd; }
  void SetReturnCommandSlot(int* pReturnCmd) { m_pReturnCmd = pReturnCmd; }

  // Bars a pop-up control opens (pop-up bars, the ribbon's backstage view)
  /// Opens the bar for the control that owns it; FALSE for a bar that cannot
  /// be opened that way (the base).
  virtual BOOL Popup(CTKControl* /*pControl*/, BOOL /*bSelectFirst*/ = FALSE) { return FALSE; }

  // Drawing --------------------------------------------------------------------

  virtual void DelayRedraw() { m_dwState |= kStateRedrawPending; }
  void DelayLayout() { m_dwState |= kStateLayoutPending; }
  BOOL IsLayoutPending() const { return (m_dwState & kStateLayoutPending) != 0; }
  virtual void Redraw(LPCRECT lpRect = NULL, BOOL bAnimate = FALSE);
  /// Redraws this bar and every bar above it.
  void RedrawWithParents();
  virtual void FillCommandBarEntry(CDC* pDC);
  virtual void DrawCommandBar(CDC* pDC, CRect rcClipBox);
  /// Fades the rectangles of controls whose look changes.
  void EnableAnimation(BOOL bEnable = TRUE) { m_animation.EnableAnimation(bEnable); }
  /// The bar's own setting or its look's.
  BOOL IsAnimationEnabled() const { return m_animation.IsAnimationEnabled(); }
  /// Paints from a kept picture of the whole bar.
  void EnableDoubleBuffer(BOOL bEnable = TRUE) { m_animation.EnableDoubleBuffer(bEnable); }
  CTKCommandBarAnimation* GetAnimation() { return &m_animation; }
  void LockRedraw() { ++m_nLockRedraw; }
  void UnlockRedraw();
  /// For a visible window: the controls' command states, then a pending
  /// redraw and layout.
  virtual void OnIdleUpdateCmdUI(WPARAM wParam = 0, LPARAM lParam = 0);
  /// Asks the bar's own map, then the owner site, for each control's state.
  void OnUpdateCmdUI();
  /// Hides the controls that the active document template does not show.
  void UpdateDocTemplateControls();
  /// A bar tracked without notifications asks the frame nothing.
  void SetNoNotifications(BOOL bNone) { m_bNoNotifications = bNone; }

  // Keys -------------------------------------------------------------------------

  /// What the navigation keys ask of a bar.
  enum {
    kNavigateNext = 0,
    kNavigatePrevious = 1,
    kNavigateClose = 2,
    kNavigateOpen = 3,
    kNavigateEscape = 4,
    kNavigateEnter = 5,
    kNavigateFirst = 6,
    kNavigateLast = 7,
    kNavigateLeft = 8,
    kNavigateRight = 9,
    kNavigateSystemMenu = 10,
  };
  /// The navigation code of a key for this bar's direction and reading
  /// order, -1 for a key that is no navigation key.
  int GetKeyNavigationCode(UINT nKey) const;
  /// Moves the selection, clicks the hot control or opens the window menu;
  /// TRUE when the code was handled.
  virtual BOOL ProcessKeyNavigation(int nCode);
  /// A key that reaches the bar while it tracks: 1 handled, 2 pass it on to
  /// the focus window.
  virtual int OnHookKeyDown(UINT nChar, LPARAM lParam);
  /// The control whose mnemonic the key types, searched from the one after
  /// the hot control: explicit mnemonics first, then first letters of
  /// captions without one; `*pbAmbiguous` when a second control matches.
  CTKControl* FindAccel(UINT nKey, BOOL* pbAmbiguous) const;
  /// While locked the bar ignores timers, keys and the mouse leaving it.
  BOOL IsLocked() const { return m_bLocked; }
  void SetLocked(BOOL bLocked) { m_bLocked = bLocked; }
  /// The site is a frame in context-help mode (Shift+F1).
  BOOL IsHelpMode() const;

  // Customise drag-and-drop ------------------------------------------------------

  /// Where `pDragged` dropped at `point` lands: beside control `nIndex`
  /// (after it with `bAfter`), shown by `rcMark`; -1 and a mark across the
  /// empty bar when no control can take it (on the ribbon no mark then); an
  /// empty mark on the dragged control itself.
  virtual void CalcDropPosition(CTKControl* pDragged, CPoint point, CRect& rcMark, int& nIndex,
                                BOOL& bAfter);
  /// The drag effect this bar takes the control with; DROPEFFECT_NONE refused.
  virtual DWORD OnCustomizeDragEnter(CTKControl* pDataObject, CPoint point);
  virtual void OnCustomizeDragLeave();
  virtual DWORD OnCustomizeDragOver(CTKControl* pDataObject, CPoint point);
  /// Inserts a copy of the dragged control where it was dropped, or, dropped
  /// on itself, only starts or ends a group (`dwDropEffect` becomes 5).
  virtual void OnCustomizeDrop(CTKControl* pDataObject, DWORD& dwDropEffect, CPoint ptDrop,
                               CPoint ptDrag);
  CRect GetInsertMark() const { return m_rcInsertMark; }
  /// The I-beam of a drop place, standing across the run of the controls.
  static void DrawInsertMark(CDC* pDC, CRect rc, BOOL bVertical);
  /// The drag helper that lists the bar as a drop place, null none; the
  /// helper sets it as it lists and forgets the bar.
  CommandBarsDragHelper* GetDragHelper() const { return m_pDragHelper; }
  void SetDragHelper(CommandBarsDragHelper* pHelper) { m_pDragHelper = pHelper; }

  // What the ribbon overrides --------------------------------------------------

  virtual BOOL OnFrameAccel(UINT /*chAccel*/) { return FALSE; }
  virtual void CreateKeyboardTips();
  virtual void OnPopupContextMenu(CTKCommandBar* /*pPopup*/, CPoint /*point*/) {}
  /// The ribbon's look (the global paint manager's).
  CTKRibbonPaintManager* GetRibbonPaintManager() const;
  /// True when `lpRect` meets the part of a ribbon that lies on glass.
  virtual BOOL IntersectsGlassArea(LPCRECT /*lpRect*/) const { return FALSE; }

  // Tool-bar resources and visibility (TKToolBarResource.cpp) ------------------

  /// Fills the bar from an RT_TOOLBAR resource (and its icons with
  /// `bLoadIcons`); FALSE, with the bar emptied, when the resource is missing.
  virtual BOOL LoadToolBar(UINT nIDResource, BOOL bLoadIcons = TRUE);
  /// Makes a button for each id; 0 starts a group before the next control.
  BOOL SetButtons(const UINT* pButtons, int nCount);
  /// The item ids (0 for separators) and image size of an RT_TOOLBAR
  /// resource; FALSE when it is missing. The ribbon's groups read them too.
  static BOOL AFX_CDECL ReadToolBarResource(UINT nIDResource, CArray<UINT, UINT>& arrItems,
                                            CSize& szImage);
  /// Has a window that shows and is not empty, and counts itself visible.
  BOOL IsVisibleOnScreen() const;
  /// The tip of the control under the point, with its shortcut (TKToolBarToolTips.cpp).
  INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const override;
  /// Every message passes the command bars' tooltips first (TKCommandBarToolTipRelay.cpp).
  BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

  // The expand pop-up's content (TKToolBarExpand.cpp) --------------------------

  /// Appends to `pTarget` shown copies of the controls this bar hides for
  /// lack of room.
  void CopyHiddenControlsTo(CTKCommandBar* pTarget) const;

  // Accessibility ----------------------------------------------------------------

  HRESULT GetAccessibleParent(IDispatch** ppdispParent) override;
  HRESULT GetAccessibleChildCount(long* pcountChildren) override;
  HRESULT GetAccessibleChild(VARIANT varChild, IDispatch** ppdispChild) override;
  HRESULT GetAccessibleName(VARIANT varChild, BSTR* pszName) override;
  HRESULT GetAccessibleRole(VARIANT varChild, VARIANT* pvarRole) override;
  HRESULT GetAccessibleState(VARIANT varChild, VARIANT* pvarState) override;
  HRESULT AccessibleLocation(long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight,
                             VARIANT varChild) override;
  HRESULT AccessibleHitTest(long xLeft, long yTop, VARIANT* pvarChild) override;
  CCmdTarget* GetAccessibleCmdTarget() override { return this; }

  // Keyboard tips ----------------------------------------------------------------

  /// A tip was completed: its control is activated as by its underline.
  virtual void OnKeyboardTip(CTKCommandBarKeyboardTip* pTip);
  /// One key typed while tips are shown: narrows the tips to those that go
  /// on with it, completes one, or beeps when none does (Shift and Ctrl
  /// alone do nothing).
  void OnKeyboardTipChar(UINT nKey);
  void HideKeyboardTips();
  /// The command bars' tip level while they show tips for this bar, else 0.
  virtual int GetKeyboardTipsLevel() const;

  // Galleries ----------------------------------------------------------------------

  /// Steps the smooth scroll of each of its galleries that glides.
  void OnGalleryAnimationTimer();

  // Captions as the paint manager lays them out (TKCommandBarText.cpp) ---------------

  /// 0 follows the dock side (vertical on the left and right), 1 vertical,
  /// 2 horizontal.
  int GetTextOrientation() const { return m_nTextOrientation; }
  void SetTextOrientation(int nOrientation) { m_nTextOrientation = nOrientation; }
  /// Captions below the icons: the bar's own setting, or with 2 the command
  /// bars' option.
  BOOL IsTextBelowIcons() const;
  void SetTextBelowIcons(int nSetting) { m_nTextBelowIcons = nSetting; }
  // Saved layout (src/persist/TKCommandBarExchange.cpp) --------------------------

  /// The bar's record and its controls' through a settings exchange.
  virtual void DoPropExchange(CTKPropExchange* pPX);
  /// Adds the bar (a reference) and the pop-up bars its controls open to the
  /// bars of a layout; a pop-up bar without an id of its own gets `*pnNextId`.
  virtual void GenerateCommandBarList(int* pnNextId, CTKLayoutBars& bars,
                                      TK_BARS_EXCHANGE_PARAM* pParam);
  /// Gives the pop-up controls of a loaded bar the loaded bars they open.
  virtual void RestoreCommandBarList(CTKLayoutBars& bars);
  /// Gives the bar's collection to the caller, with its controls and the
  /// bar's reference, and leaves the bar an empty one.
  CTKControls* TakeControls();

  enum { kStateLayoutPending = 0x1, kStateRedrawPending = 0x2 };
  /// The style bit of a gripper, on for new bars.
  static constexpr DWORD kStyleGripper = 0x400000;
  /// The one-shot timer after which the mouse's hot control counts as hovered.
  static constexpr UINT_PTR kTimerHover = 112223;
  static constexpr UINT kHoverElapse = 300;

 protected:
  CTKGlobalPaintManagerRef m_globalPaintManager;
  int m_nSelected;
  int m_nPopuped;
  UINT m_nBarID;
  int m_nTracking;
  CWnd* m_pOwner;
  DWORD m_dwState;
  DWORD m_dwFlags;
  DWORD m_dwStyle;
  CString m_strTitle;
  int m_barType;
  CTKControls* m_pControls;
  int m_barPosition;
  CTKCommandBars* m_pCommandBars;
  CWnd* m_pCommandTarget;
  CSize m_szIcons;
  CSize m_szButtons;
  CSize m_szLargeIcons;
  BOOL m_bCustomizable;
  int m_nSelectionReason;
  BOOL m_bMultiColumn;
  int* m_pReturnCmd;
  int m_nLockRedraw;
  CTKPaintManager* m_pPaintManager;
  CTKImageManager* m_pImageManager;
  CSize m_szControlsSpacing;
  int m_nFixedLength;
  int m_nMRULength;
  int m_nDefaultButtonStyle;
  // Captions as the paint manager lays them out.
  int m_nTextOrientation = 0;
  int m_nTextBelowIcons = 2;
  CTKCommandBarAnimation m_animation;
  BOOL m_bHoverSelect;
  BOOL m_bHideCaret;
  BOOL m_bNoNotifications;
  BOOL m_bLocked;
  BOOL m_bEnteredByMouse;
  BOOL m_bRightButtonTracking;
  /// The window whose caret is hidden while the bar tracks.
  HWND m_hWndCaret;
  CRect m_rcInsertMark;
  BOOL m_bVerticalMark;
  CommandBarsDragHelper* m_pDragHelper = nullptr;

  // Keys (TKCommandBarKeys.cpp)
  BOOL IsHorizontalNavigation() const;
  /// A pop-up laid out as a tool bar.
  BOOL IsPopupToolBar() const;
  BOOL IsFocusInside() const;
  BOOL SelectNavigated(int nIndex, int nReason);
  /// Up and Down across the rows of a wrapped bar.
  BOOL SelectNeighbourRow(int nStep);
  int OnTabKey();
  int OnCharKey(UINT nChar);
  BOOL OnEscapeKey();
  /// Where Ctrl+Tab hands the keyboard to the next (+1) or previous (-1)
  /// visible tool bar of the command bars; FALSE when there is none.
  virtual BOOL FocusNextToolBar(int nDirection);
  /// Where the keyboard tips of the bar are built again at a level.
  virtual void BuildKeyboardTips(int /*nLevel*/) {}

  // Tracking and the mouse (TKCommandBar.cpp, TKCommandBarMouse.cpp)
  void HideCaretWhileTracking();
  void ShowHiddenCaret();
  void TrackMouseLeave();
  /// A press with Alt held drags a tool-bar control as in customise mode.
  BOOL IsAltDragCustomize(CTKControl* pControl) const;
  void AltDragCustomize(CTKControl* pControl, CPoint point);
  void ClearSelectionOnLeave();

  // Customising (TKCommandBarCustomize.cpp)
  /// The controls run top to bottom (docked left or right, pop-ups).
  BOOL IsVerticalRun() const;
  CTKControl* NearestDropControl(CPoint point, BOOL bVertical) const;
  void DropOnItself(CTKControl* pControl, BOOL bAfter, CSize szMoved);
  /// The double frame of the control the customise commands act on.
  void DrawCustomizeSelection(CDC* pDC);

  /// The control a child id names (1 the first), null for the bar or none.
  CTKControl* AccessibleChild(const VARIANT& varChild) const;

  afx_msg void OnPaint();
  afx_msg LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
  afx_msg void OnTimer(UINT_PTR nIDEvent);
  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
  afx_msg void OnDestroy();
  afx_msg LRESULT OnIdleUpdateMessage(WPARAM wParam, LPARAM lParam);
  afx_msg void OnMouseMove(UINT nFlags, CPoint point);
  afx_msg LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);
  afx_msg void OnNcMouseMove(UINT nHitTest, CPoint point);
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
  afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
  afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnRButtonUp(UINT nFlags, CPoint point);
  afx_msg LRESULT OnNcHitTest(CPoint point);
  afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
  afx_msg LRESULT OnGetObject(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnHelpHitTest(WPARAM wParam, LPARAM lParam);
  afx_msg BOOL OnEraseBkgnd(CDC* pDC);

  DECLARE_MESSAGE_MAP()
  DECLARE_INTERFACE_MAP()

  // Saved layout
};

/// True when the bar is a ribbon whose frame draws on glass and the rectangle
/// meets the part of the ribbon that lies there.
BOOL IntersectsRibbonGlassArea(const CTKCommandBar* pBar, LPCRECT lpRect);
