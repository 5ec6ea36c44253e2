// The ribbon: a menu bar that stands at the top of the main frame in place of
// the Win32 menu. It owns the tab strip (whose items are the tabs, each
// owning its groups, whose controls live in the bar's own collection), the
// quick-access bar with its customise and more buttons, an optional system
// button, and the context headers of contextual tab sets.
//
// How a frame builds its ribbon (the application does exactly this):
//
//   CTKRibbonBar* pRibbon = ...;                    // made by the frame base
//   pRibbon->AddSystemButton(ID_SYSTEM_MENU);       // 0 leaves the id unset
//   CTKRibbonTab* pTab = pRibbon->AddTab(IDS_TAB_HOME);   // "\nTooltip\nCaption\nKeyTip"
//   CTKRibbonGroup* pGroup = pTab->AddGroup(IDR_GROUP_BUILD);  // tool-bar resource
//   pGroup->AddControl(tkControlButton, ID_RUN);    // type 1
//   pGroup->AddControl(tkControlCheckBox, ID_LOG);  // type 9
//   pRibbon->AllowQuickAccessCustomization(FALSE);
//   pRibbon->GetControlQuickAccess()->SetHideFlags(TKHIDE_HIDE);
//   ... options keep IsRibbonMinimized() and IsQuickAccessBelowRibbon(),
//   restored through SetRibbonMinimized() and ShowQuickAccessBelowRibbon().
//
// Laying it out: the ribbon is a bar of the top dock bar, so the frame does
// nothing of its own: RecalcLayout sizes the dock bars, which ask the ribbon
// for CalcLayout(client width, LM_HORZ | LM_HORZDOCK | LM_COMMIT). Its height
// is the caption, tab row and groups (0 below SetMinimumVisibleWidth, 250 by
// default: the ribbon hides); the committed call places everything and reduces
// the selected tab's groups to fit. With EnableFrameTheme(TRUE) the ribbon
// draws the frame's caption, title and caption buttons in its own caption band:
//
//   pCommandBars->SetTheme(6);                   // a look with a ribbon paint manager
//   pRibbon->EnableFrameTheme(TRUE);             // after the tabs exist
//   pFrame->RecalcLayout();                      // once shown; later ones come by themselves
//
// Changing tabs, groups or controls later calls OnRecalcLayout() (or
// DelayLayout() for the next idle pass).
#pragma once

#include <vector>

#include "commandbars/TKMenuBar.h"
#include "ribbon/TKRibbonScrollableBar.h"
#include "ribbon/TKRibbonTab.h"

/// Sent to the site when the ribbon was minimised or restored (wParam the bar).
#define TK_WM_RIBBONMINIMIZECHANGED 0x286D
/// Asks the site to pop up its system menu at a screen point (lParam).
#define TK_WM_POPUPSYSTEMMENU 0x313

/// The record of the tab-change notifications (TCN_SELCHANGING, TCN_SELCHANGE).
struct NMTKRIBBONTAB : NMTKCONTROL {
  CTKRibbonTab* pTab;
};

class CTKCommandBarsFrameHook;
class CTKPopupBar;
class CTKRibbonControlTab;
class CTKRibbonGroup;
class CTKRibbonPaintManager;
class CTKRibbonQuickAccessControls;

/// The application (system) button at the left of the tab row.
class CTKRibbonControlSystemButton : public CTKControlPopup {
  DECLARE_DYNCREATE(CTKRibbonControlSystemButton)

 public:
  BOOL HasOwnFace() const override { return TRUE; }
  CTKControl* Clone(BOOL bRecursive = FALSE) override;

  // The button and its look (src/system/TKRibbonSystemButton.cpp)
  CTKRibbonControlSystemButton();
  /// Upper-cased when the command bars ask for upper-case menus.
  CString GetCaption() const override;
  /// A file-style button is at least ScaleX(56) x ScaleY(23).
  CSize GetSize(CDC* pDC) override;
  void Draw(CDC* pDC) override;
  /// Closes the pop-ups; a round button of a top-level frame then closes the
  /// frame (with its flag set), any other runs its command.
  BOOL OnLButtonDblClk(CPoint pt) override;
  /// The round button's pop-up slides its top band behind the button.
  void AdjustExcludeRect(CRect& rc, BOOL bVertical) override;
  /// Any style but 0 (the round button in the caption) makes a file button
  /// drawn like a tab.
  BOOL IsSystemButtonFileStyle() const { return GetStyle() != 0; }
  void SetCloseOnDblClick(BOOL bClose) { m_bCloseOnDblClick = bClose; }
  BOOL GetCloseOnDblClick() const { return m_bCloseOnDblClick; }

 protected:
  CTKRibbonBar* GetRibbonBar() const;
  BOOL m_bCloseOnDblClick;
};

/// The pop-up of the system button.
class CTKRibbonSystemPopupBar : public CTKPopupBar {
  DECLARE_DYNCREATE(CTKRibbonSystemPopupBar)

 public:
  // Borders, bottom row and look (src/system/TKRibbonSystemButton.cpp)
  CTKRibbonSystemPopupBar();
  /// The borders the background image is sized by, as they stand.
  CRect GetBorders() override { return m_rcBorders; }
  /// The pop-up bar's layout with the bottom buttons left out, then those
  /// buttons in a right-aligned row in the bottom border.
  CSize CalcDynamicLayout(int nLength, DWORD dwMode) override;
  void FillCommandBarEntry(CDC* pDC) override;
  /// Places `buttons` (measured in `pDC`) right-aligned, last first, in the
  /// bottom border of a pop-up of `sz`.
  void ArrangeBottomButtons(CDC* pDC, CSize sz, const std::vector<CTKControl*>& buttons);

 protected:
  afx_msg LRESULT OnNcHitTestSystem(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()

  CRect m_rcBorders;
};

/// The drop-down button at the end of the quick-access bar.
class CTKRibbonBarControlQuickAccessPopup : public CTKControlPopup {
  DECLARE_DYNCREATE(CTKRibbonBarControlQuickAccessPopup)

 public:
  CTKRibbonBarControlQuickAccessPopup();
  CSize GetSize(CDC* pDC) override;
  void Draw(CDC* pDC) override;
  /// Asks the root bar for a fresh customise menu each time it opens.
  BOOL OnSetPopup(BOOL bPopup) override;
  CTKControl* Clone(BOOL bRecursive = FALSE) override;
};

/// The overflow button of the quick-access bar: shown only when not every
/// command fitted.
class CTKRibbonControlQuickAccessMorePopup : public CTKRibbonBarControlQuickAccessPopup {
  DECLARE_DYNCREATE(CTKRibbonControlQuickAccessMorePopup)

 public:
  CTKRibbonControlQuickAccessMorePopup();
  void Draw(CDC* pDC) override;
  BOOL OnSetPopup(BOOL bPopup) override;
};

class CTKRibbonBar : public CTKMenuBar, public CTKRibbonScrollableBar {
  DECLARE_DYNCREATE(CTKRibbonBar)

 public:
  /// The overflow button of the quick-access bar.
  using CControlQuickAccessMorePopup = CTKRibbonControlQuickAccessMorePopup;

  /// One entry of the customise menu's command list: checked while its
  /// command is on the quick-access bar; executing it adds or removes it.
  class CControlQuickAccessCommand : public CTKControlButton {
   public:
    CControlQuickAccessCommand(CTKRibbonQuickAccessControls* pQuickAccess = nullptr,
                               CTKControl* pControl = nullptr);
    void SetQuickAccessControl(CTKControl* pQuickAccessControl);
    CTKControl* GetQuickAccessControl() const { return m_pQuickAccessControl; }
    void OnExecute() override;

   protected:
    CTKControl* m_pControl;
    CTKControl* m_pQuickAccessControl;
    CTKRibbonQuickAccessControls* m_pQuickAccess;
  };

  CTKRibbonBar();
  ~CTKRibbonBar() override;

  // Building ----------------------------------------------------------------------

  /// The existing system button, or a new one at index 0 with its pop-up;
  /// an id of 0 or less leaves the button's id unset.
  CTKControl* AddSystemButton(int nId = 0);
  CTKControl* GetSystemButton() const { return m_pControlSystemButton; }
  /// A tab captioned by the string resource `nIDTab`: a string with line
  /// feeds is "\ntooltip\ncaption\nkey tip".
  CTKRibbonTab* InsertTab(int nIndex, UINT nIDTab);
  CTKRibbonTab* InsertTab(int nIndex, LPCTSTR lpszCaption, int nId);
  CTKRibbonTab* AddTab(UINT nIDTab) { return InsertTab(-1, nIDTab); }
  CTKRibbonTab* AddTab(LPCTSTR lpszCaption, int nId = 0) { return InsertTab(-1, lpszCaption, nId); }
  /// Adds a tab made elsewhere (taking over the caller's reference).
  CTKRibbonTab* InsertTabItem(int nIndex, CTKRibbonTab* pTab);

  // Tabs and groups -----------------------------------------------------------------

  int GetTabCount() const;
  CTKRibbonTab* GetTab(int nIndex) const;
  int GetCurSel() const;
  void SetCurSel(int nIndex);
  CTKRibbonTab* GetSelectedTab() const;
  CTKRibbonControlTab* GetControlTab() const { return m_pControlTab; }
  /// The first group with the id, tab by tab.
  CTKRibbonGroup* FindGroup(int nId) const;
  /// Shows the controls of `pTab`'s visible groups, hides every other group's.
  void UpdateGroupsVisibility(CTKRibbonTab* pTab);

  // States -----------------------------------------------------------------------------

  BOOL IsRibbonMinimized() const { return m_bMinimized; }
  virtual void SetRibbonMinimized(BOOL bMinimized);
  BOOL IsQuickAccessBelowRibbon() const { return m_bShowQuickAccessBelow; }
  void ShowQuickAccessBelowRibbon(BOOL bBelow);
  BOOL IsQuickAccessVisible() const { return m_bShowQuickAccess; }
  void ShowQuickAccess(BOOL bShow) { m_bShowQuickAccess = bShow; }
  BOOL IsTabsVisible() const { return m_bTabsVisible; }
  void SetTabsVisible(BOOL bVisible) { m_bTabsVisible = bVisible; }
  /// Groups shown, a tab selected and the ribbon not minimised.
  BOOL IsGroupsVisible() const;
  void SetGroupsVisible(BOOL bVisible) { m_bGroupsVisible = bVisible; }
  BOOL IsCaptionVisible() const;
  void ShowCaptionAlways(BOOL bShow) { m_bShowCaptionAlways = bShow; }
  BOOL IsAllowMinimize() const { return m_bAllowMinimize; }
  void AllowMinimize(BOOL bAllow) { m_bAllowMinimize = bAllow; }
  BOOL IsAllowQuickAccessDuplicates() const { return m_bAllowQuickAccessDuplicates; }
  void AllowQuickAccessDuplicates(BOOL bAllow) { m_bAllowQuickAccessDuplicates = bAllow; }
  BOOL IsAllowQuickAccessCustomization() const { return m_bAllowQuickAccessCustomization; }
  void AllowQuickAccessCustomization(BOOL bAllow) { m_bAllowQuickAccessCustomization = bAllow; }
  void SetQuickAccessEmptyIconId(int nIconId) { m_nQuickAccessEmptyIconId = nIconId; }
  void SetFixedGroupsHeight(int nHeight) { m_nFixedGroupsHeight = nHeight; }
  void SetFixedGroupsContentHeight(int nHeight) { m_nFixedGroupsContentHeight = nHeight; }
  void SetMinimumVisibleWidth(int nWidth) { m_nMinVisibleWidth = nWidth; }
  void SetMinimumVisibleFrameHeight(int nHeight) { m_nMinVisibleFrameHeight = nHeight; }
  BOOL IsBackstageViewVisible() const;

  // Frame -------------------------------------------------------------------------------

  BOOL EnableFrameTheme(BOOL bEnable = TRUE);
  CTKCommandBarsFrameHook* GetFrameHook() const;
  BOOL IsFrameThemeEnabled() const { return GetFrameHook() != nullptr; }
  BOOL IsDwmFrameEnabled() const;
  int GetDwmTopBorder() const;
  CRect GetCaptionRect() const { return m_rcCaption; }
  CRect GetTabControlRect() const { return m_rcTabControl; }
  CRect GetQuickAccessRect() const { return m_rcQuickAccess; }
  int GetQuickAccessHeight() const { return m_nQuickAccessHeight; }
  CTKRibbonTabContextHeaders* GetContextHeaders() const { return m_pContextHeaders; }
  /// Builds the header records for the tabs' current places, fitted between
  /// the caption's free edges (part of each committed layout).
  void RepositionContextHeaders();
  /// Fits the headers between `nLeft` and `nRight` keeping ScaleX(40) each; FALSE when they do not fit.
  BOOL FitContextHeaders(int nLeft, int nRight);
  /// Sets the caption band and its free part the context headers go into.
  void SetCaptionRects(CRect rcCaption, CRect rcCaptionText, CRect rcFree);
  CRect GetCaptionTextRect() const { return m_rcCaptionText; }

  // Metrics ------------------------------------------------------------------------------

  virtual int GetTabsHeight() const;
  virtual int GetGroupsAreaHeight() const;
  virtual int GetGroupsContentHeight() const;
  virtual int CalcGroupsHeight(int nContentHeight) const;
  virtual int GetGroupsHeight() const;

  // Quick access ----------------------------------------------------------------------------

  CTKRibbonQuickAccessControls* GetQuickAccessControls() const { return m_pQuickAccessControls; }
  CTKControl* GetControlQuickAccess() const { return m_pControlQuickAccess; }
  CTKControl* GetControlQuickAccessMore() const { return m_pControlQuickAccessMore; }
  BOOL IsQuickAccessControl(CTKControl* pControl) const;
  virtual BOOL IsAllowQuickAccessControl(CTKControl* pControl);
  virtual CTKPopupBar* CreateQuickAccessCustomizePopup(CTKControl* pControl);
  virtual CTKPopupBar* CreateMoreQuickAccessPopup();
  void ShowQuickAccessContextMenu(CPoint point, CTKControl* pControl);
  /// The commands of the customise menus; TRUE when handled.
  BOOL OnCustomizeCommand(UINT nId, NMTKCONTROL* pNotify);
  void OnQuickAccessPosition(UINT nId);

  // Tab changes -------------------------------------------------------------------------------

  /// TCN_SELCHANGING to the site; non-zero vetoes.
  virtual LRESULT OnTabChanging(CTKRibbonTab* pTab);
  virtual void OnTabChanged(CTKRibbonTab* pTab);
  virtual CTKPopupBar* CreateTabPopupToolBar(CTKRibbonTab* pTab);

  // Command bar and tool bar ---------------------------------------------------------------

  BOOL IsRibbonBar() const override { return TRUE; }
  CSize GetIconSize() const override;
  CSize GetButtonSize() const override;
  BOOL IsKeyboardCuesVisible() const override;
  void EnsureVisible(CTKControl* pControl) override;
  int GetControlEnabledOverride(CTKControl* pControl) const override;
  void SetVisible(BOOL bVisible) override;
  void Copy(CTKCommandBar* pBar, BOOL bRecursive = FALSE) override;
  CTKCommandBar* Clone(BOOL bRecursive = FALSE) override;
  void OnRemoved() override;
  void Reset(BOOL bAsk) override;
  void RestoreFromLoaded(CTKToolBar* pLoaded, BOOL bSilent, int nMode) override;
  /// The menu bar's buttons; a changed window title makes the next idle pass
  /// measure the caption again.
  void UpdateMdiButtons() override;
  BOOL IntersectsGlassArea(LPCRECT lpRect) const override;
  INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const override;
  void DoPropExchange(CTKPropExchange* pPX) override;
  void GenerateCommandBarList(int* pnNextId, CTKLayoutBars& bars,
                              TK_BARS_EXCHANGE_PARAM* pParam) override;
  void RestoreCommandBarList(CTKLayoutBars& bars) override;

  // Scrolling groups ----------------------------------------------------------------------

  void OnGroupsScroll(BOOL bScrollLeft) override;
  CRect GetGroupsRect() const override { return m_rcGroups; }
  CTKRibbonGroup* HitTestGroup(CPoint point) const override;

  // Layout and painting (src/layout) ---------------------------------------------------------

  /// The bar's size for the frame's client width; only LM_COMMIT places
  /// anything. Below the minimum width (or frame height) the bar is hidden: height 0.
  CSize CalcLayout(int nLength, DWORD dwMode, int nExtra = 0) override;
  /// The caption band's height: the theme's with a caption, at least the
  /// quick-access bar's when it stands in the caption.
  virtual int GetCaptionHeight() const;
  int CalcQuickAccessHeight() const;
  /// Places caption, system button, tab-row controls, quick access, tab strip and groups.
  virtual void LayoutRibbon(int nWidth, int nHeight);
  /// Places the groups of the selected tab in `rcGroups`.
  void RepositionGroups(CDC* pDC, CRect rcGroups);
  /// The close, restore, maximise and minimise buttons and the title's place.
  void RepositionCaptionButtons();
  /// Adds, places or removes the caption button `nId` at the right end of
  /// `rcFree`, which loses its width.
  void AddCaptionButton(int nId, BOOL bVisible, BOOL bEnabled, CRect& rcFree);
  /// Caption band, tab strip, groups and the free controls through the ribbon paint manager.
  void DrawCommandBar(CDC* pDC, CRect rcClipBox) override;
  /// Whether the last layout found room to show the ribbon.
  BOOL IsRibbonShown() const { return m_bRibbonBarVisible; }
  CRect GetCaptionFreeRect() const { return m_rcCaptionFree; }
  /// A group was reduced when its pass began and is not any more.
  void OnGroupReducedChanged() { m_bGroupReducedChanged = TRUE; }

  // Mouse and frame (src/input) ---------------------------------------------------------

  /// Shown on a themed frame: the frame hook leaves its caption to the ribbon.
  BOOL IsFrameCaptionTakenOver() const override;
  /// GetCaptionHeight, for the frame hook.
  int GetFrameCaptionHeight() const override;
  /// The caption part under a client point while the ribbon draws the frame's
  /// caption: HTCAPTION, HTSYSMENU or HTTOP; 0 for no caption part.
  virtual int HitTestCaption(CPoint point) const;
  /// The frame's wheel over the ribbon steps the tabs: the next one with
  /// `bForward` (a delta of 0 or below); TRUE when taken.
  BOOL OnFrameMouseWheel(BOOL bForward) override;
  /// The site's messages while the ribbon tracks (context menu, wheel, F10),
  /// then the menu bar's.
  int OnHookMessage(HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam,
                    LRESULT& lResult) override;
  /// Moves the tab strip's selection one tab on, as the arrow keys do.
  void StepSelectedTab(BOOL bNext);

  // Customise drops (src/input/TKRibbonBarCustomize.cpp) ------------------------------------

  /// The tool bar's drop place, with no mark on the system button or the
  /// quick-access bar; over a group's free part, the end of that group.
  void CalcDropPosition(CTKControl* pDragged, CPoint point, CRect& rcMark, int& nIndex,
                        BOOL& bAfter) override;
  /// A copy into the group of the drop place, or into the bar (right-aligned
  /// right after the tab strip); on itself only starts or ends a group.
  void OnCustomizeDrop(CTKControl* pDataObject, DWORD& dwDropEffect, CPoint ptDrop,
                       CPoint ptDrag) override;

  // Keyboard access (src/keytips) ----------------------------------------------------------

  /// The tips of the current level: 1 quick access, tabs and system button
  /// (or the bar's free controls without tabs), 2 the selected tab's groups.
  void CreateKeyboardTips() override;
  /// Alt, the quick-access digits and the tabs' mnemonics; FALSE with Ctrl down.
  BOOL OnFrameAccel(UINT nKey) override;
  void OnKeyboardTip(CTKCommandBarKeyboardTip* pTip) override;
  BOOL ProcessKeyNavigation(int nCode) override;
  /// Letters and digits go to the shown tips first.
  int OnHookKeyDown(UINT nChar, LPARAM lParam) override;
  /// The `nIndex`-th visible quick-access control, null past the last.
  CTKControl* GetVisibleQuickAccessControl(int nIndex) const;

  // Pop-ups (src/popups) ------------------------------------------------------------------

  /// Pops the system menu up on the site at a point of the screen.
  void ShowSystemMenu(CPoint ptScreen);

 protected:
  /// The quick-access controls of a popup that has commands, after the site saw it.
  void NotifyQuickAccessPopup(CTKPopupBar* pPopup);
  void FillCustomizePopup(CTKPopupBar* pPopup, CTKControl* pControl, BOOL bCustomizeMenu);
  /// Closes the command bars' pop-ups, when there are command bars.
  void CloseAllPopups();

  afx_msg LRESULT OnControlNotify(WPARAM wParam, LPARAM lParam);
  afx_msg void OnQuickAccessPositionCommand(UINT nId);
  DECLARE_MESSAGE_MAP()

  // Mouse and frame messages (src/input)
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnRButtonUp(UINT nFlags, CPoint point);
  afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
  afx_msg void OnSysColorChange();
  afx_msg void OnMouseMove(UINT nFlags, CPoint point);
  afx_msg LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);
  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
  afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
  afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
  afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
  afx_msg LRESULT OnNcHitTest(CPoint point);
  /// The site's window style, 0 without one.
  DWORD GetSiteStyle() const;
  /// A caption part was pressed: the frame moves, sizes or shows its menu.
  void OnCaptionPressed(int nHitCode, CPoint point);

  // Keyboard access (src/keytips)
  void BuildKeyboardTips(int nLevel) override;
  /// Tracking as from the keyboard, with `pSelect` (may be null) hot.
  void EnterKeyboardTracking(CTKControl* pSelect);
  /// Selects the tab with the strip focused, then its tips or its pop-up.
  void SelectTabFromKeyboard(CTKRibbonTab* pTab);

  CRect m_rcTabControl;
  CRect m_rcGroups;
  CRect m_rcCaption;
  CRect m_rcCaptionText;
  CRect m_rcCaptionFree;
  CRect m_rcQuickAccess;
  BOOL m_bRibbonBarVisible;
  BOOL m_bGroupsVisible;
  BOOL m_bTabsVisible;
  BOOL m_bShowQuickAccessBelow;
  BOOL m_bShowQuickAccess;
  BOOL m_bAllowQuickAccessDuplicates;
  BOOL m_bAllowQuickAccessCustomization;
  BOOL m_bGroupReducedChanged;
  int m_nQuickAccessHeight;
  BOOL m_bAllowMinimize;
  CTKRibbonQuickAccessControls* m_pQuickAccessControls;
  CTKRibbonControlTab* m_pControlTab;
  CTKControl* m_pControlQuickAccess;
  CTKControl* m_pControlQuickAccessMore;
  CTKControl* m_pControlSystemButton;
  BOOL m_bTabSelectedClick;
  int m_nMinVisibleWidth;
  int m_nMinVisibleFrameHeight;
  CTKRibbonTabContextHeaders* m_pContextHeaders;
  int m_nFixedGroupsHeight;
  int m_nFixedGroupsContentHeight;
  BOOL m_bMinimized;
  BOOL m_bShowCaptionAlways;
  CString m_strCaptionText;
  int m_nQuickAccessMargin;
  int m_nQuickAccessEmptyIconId;

  // Layout (src/layout)
  /// Steps of LayoutRibbon; each returns or takes the x where the tab row goes on.
  void SortLayoutControls(std::vector<CTKControl*>& quickAccess, std::vector<CTKControl*>& tabRow) const;
  /// The quick-access band below the groups or in the caption, right of the
  /// system button's reserve `nReserve`.
  void PlaceQuickAccessRect(int nReserve, int nWidth);
  int LayoutSystemButton(int nReserve, BOOL bCaption);
  int LayoutTabRowLeft(const std::vector<CTKControl*>& tabRow, int x);
  void LayoutQuickAccess(const std::vector<CTKControl*>& quickAccess, int& x, BOOL bCaption, int nWidth);
  int LayoutTabRowRight(const std::vector<CTKControl*>& tabRow, int nWidth);
  void LayoutTabStrip(CDC* pDC, int x, int r);
  /// Places the title in the caption's free part.
  void RepositionCaptionText();

  friend class CTKRibbonControls;
  friend class CTKRibbonQuickAccessControls;
};
