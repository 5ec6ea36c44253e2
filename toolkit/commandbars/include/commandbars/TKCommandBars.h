// The one object per frame or dialog that owns and coordinates its command
// bars: the site window, its tool bars and four dock bars, the actions,
// customise mode, Alt access and keyboard cues, the frame messages it takes
// before the site, and the paint and image managers the bars inherit.
#pragma once

#include <afxtempl.h>
#include <afxwin.h>

#include <memory>

#include "commandbars/TKCommandBarKeyboardTip.h"
#include "commandbars/TKCommandBarsLayoutBars.h"
#include "commandbars/TKCommandBarsDefines.h"
#include "commandbars/TKPaintManager.h"
#include "commandbars/TKShortcutManager.h"
#include "common/TKRefPtr.h"

class CTKCommandBar;
class CTKControl;
class CTKControls;
class CTKControlAction;
class CTKControlActions;
class CTKCommandBarsOptions;
class CTKImageManager;
class CTKDockBar;
class CTKPopupBar;
class CTKToolBar;
class CTKCommandBarsFrameHook;
class CTKCommandBarsContextMenus;
class CTKToolTipContext;
class CTKCommandBarsDockState;
class CTKPropExchange;
class CTKStatusBar;
class CommandBarsDragHelper;

/// Deletes a frame hook where its class is complete.
struct CTKFrameHookDeleter {
  void operator()(CTKCommandBarsFrameHook* pHook) const;
};
class CTKKeyboardManager;
class CTKMouseManager;

class CTKCommandBars : public CCmdTarget {
  DECLARE_DYNCREATE(CTKCommandBars)

 public:
  CTKCommandBars();
  ~CTKCommandBars() override;

  CWnd* GetSite() const { return m_pFrame; }
  /// Remembers the site, whether it offers the customise command and its
  /// reading order.
  void SetSite(CWnd* pFrame);
  BOOL IsLayoutRTL() const;
  void SetLayoutRTL(BOOL bRightToLeft) { m_bRightToLeft = bRightToLeft; }
  BOOL IsCustomizeCommandOffered() const { return m_bCustomizeAvail; }

  // Tool bars ------------------------------------------------------------------

  /// A new bar of `pClass` (the tool-bar class by default) placed at
  /// `nPosition` (0-3 docked, 4 floating); null when it cannot go there.
  CTKToolBar* Add(LPCTSTR lpszTitle, int nPosition, CRuntimeClass* pClass = NULL);
  /// Takes over the caller's reference to `pBar`; on failure the bar is
  /// released and the result is null.
  CTKToolBar* AddToolBar(CTKToolBar* pBar, LPCTSTR lpszTitle, int nPosition);
  /// A bar the user makes: the site is told first (TK_WM_CREATECOMMANDBAR).
  virtual CTKToolBar* AddCustomBar(LPCTSTR lpszTitle, UINT nId, BOOL bFloat = FALSE);
  int GetCount() const { return static_cast<int>(m_arrBars.GetSize()); }
  /// Null out of range.
  CTKToolBar* GetAt(int nIndex) const;
  int FindIndex(CTKToolBar* pBar) const;
  /// The first bar of that bar id; null for 0 or none.
  CTKToolBar* GetToolBar(UINT nId) const;
  /// Bar 1 when it is a menu bar (the ribbon is one), else null.
  virtual CTKToolBar* GetMenuBar() const;
  void ToggleToolBarVisible(int nIndex);
  /// Hides, undocks and releases a listed bar.
  void Remove(CTKToolBar* pBar);
  /// Removes every bar and lays the frame out once.
  void RemoveAllToolBars();
  /// Every bar's command states now.
  void RefreshAllBars();
  /// Hides or shows every bar around print preview.
  void OnSetPreviewMode(BOOL bPreview);
  BOOL IsPreviewMode() const { return m_bPreviewMode; }
  virtual void AddToReBar(CTKToolBar* pBar);
  virtual void RemoveFromReBar(CTKToolBar* pBar);

  // Menus of the tool bars --------------------------------------------------------

  /// Copies into `pPopup` the controls that the bars of `pBar`'s dock row
  /// hide for lack of room, shown.
  virtual void AddHiddenControlsToPopup(CTKToolBar* pBar, CTKPopupBar* pPopup);
  /// A show/hide menu for `pBar` (for each bar of its dock row when docked),
  /// and the customise command when the site offers it.
  virtual void AddShowHideButtonsPopups(CTKToolBar* pBar, CTKPopupBar* pPopup);
  void AddShowHideButtonsPopup(CTKToolBar* pBar, CTKPopupBar* pPopup);

  // Dock bars ------------------------------------------------------------------

  /// The four dock bars of the site; a failed creation throws the resource
  /// exception.
  void CreateDockBars();
  /// 0 top, 1 bottom, 2 left, 3 right; null before CreateDockBars.
  CTKDockBar* GetDockBar(int nSide) const;
  BOOL DockCommandBar(CTKToolBar* pBar, LPCRECT lpRect, CTKDockBar* pDockBar);
  BOOL DockAtSide(CTKToolBar* pBar, UINT nSide);
  BOOL FloatCommandBar(CTKToolBar* pBar);
  /// `pPreferred`, else the first dock bar whose window rectangle grown by
  /// 20 scaled pixels holds the screen point; null when none does.
  CTKDockBar* DockBarFromPoint(CPoint ptScreen, CTKDockBar* pPreferred = NULL) const;
  /// Lays the site out now or at its next idle time; nothing while locked.
  virtual void RecalcFrameLayout(BOOL bDelay = FALSE);
  /// Runs a layout a frame site was asked to delay.
  void RecalcLayoutIfDelayed();
  BOOL IsLayoutLocked() const { return m_bLockLayout; }

  // Frame messages ---------------------------------------------------------------

  /// The site's messages before its own handling; TRUE when consumed.
  BOOL HandleFrameMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
  /// Every control hears of the new look, every bar is laid out again and the
  /// frame is recalculated and redrawn.
  void UpdateAfterThemeChange();
  void SetTheme(int nTheme);
  /// The help id of the hot control, for F1 (0 none).
  void SetHelpId(int nHelpId) { m_nHelpId = nHelpId; }
  int GetHelpId() const { return m_nHelpId; }

  // Actions --------------------------------------------------------------------

  /// Actions are off until enabled.
  void EnableActions(BOOL bEnable = TRUE);
  BOOL IsActionsEnabled() const { return m_bEnableActions; }
  CTKControlActions* GetActions() const { return m_pActions; }
  /// The action of an id, or null.
  CTKControlAction* GetAction(int nId) const;
  /// The action of an id, made when there is none.
  CTKControlAction* CreateAction(int nId);

  // Customising ----------------------------------------------------------------

  BOOL IsCustomizeMode() const { return m_bCustomizeMode; }
  void SetCustomizeMode(BOOL bMode);
  /// Every bar counts as customisable.
  BOOL IsCustomizeAllAllowed() const { return m_bCustomizeAll; }
  void AllowCustomizeAll(BOOL bAllow) { m_bCustomizeAll = bAllow; }
  CTKControl* GetDragControl() const { return m_pDragControl; }
  void SetDragControl(CTKControl* pControl);

  // Commands ---------------------------------------------------------------------

  BOOL IsControlHidden(UINT nId) const;
  /// Hidden in a menu: its command is, or it opens a pop-up whose every
  /// control is (with "AutoHideUnusedPopups"; an empty pop-up is not).
  virtual BOOL IsControlHiddenInMenu(CTKControl* pControl) const;
  /// Records a hidden command as used.
  void SetCommandUsed(UINT nId);
  void HideCommand(UINT nId);
  BOOL IsCommandUsed(UINT nId) const;
  /// Closes every tracked pop-up.
  virtual void CloseAllPopups();
  /// Runs the thread's messages while `pBar` tracks. A WM_QUIT that ends
  /// the loop is posted again, so that the program still ends.
  static void AFX_CDECL PumpTrackingMessages(CTKCommandBar* pBar);

  // Options ----------------------------------------------------------------------

  CTKCommandBarsOptions* GetCommandBarsOptions() const { return m_pOptions; }
  /// Stores or loads the options in the profile section "<profile>-Options".
  void SaveOptionsSection(LPCTSTR pszProfileName);
  void LoadOptionsSection(LPCTSTR pszProfileName);

  // Keys -------------------------------------------------------------------------

  /// The site's key and mouse-wheel messages before translation; TRUE when
  /// consumed.
  BOOL PreTranslateFrameMessage(MSG* pMsg);
  /// Alt+key: selects (and, when the match is unique, runs) the control
  /// whose mnemonic the key is; TRUE when one was found.
  BOOL OnFrameAccel(UINT nKey);
  /// The control of `pBar` the key is a mnemonic of, searched from the one
  /// after the hot control; `*pbAmbiguous` when a second one matches too.
  CTKControl* FindAccelControl(CTKCommandBar* pBar, UINT nKey, BOOL* pbAmbiguous);
  /// The next visible control after `nIndex`, going on into the next
  /// visible bars when Alt letters reach every bar; null when none.
  CTKControl* GetNextAccelControl(CTKControls* pControls, int nIndex);
  /// The next bar visible on screen from `nIndex` in `nStep` (+1, -1),
  /// wrapping once; -1 when none.
  int FindNextVisibleIndex(int nIndex, int nStep) const;
  /// Enters `pBar` (direction 0) or the next or previous visible bar by keyboard.
  BOOL FocusToolBar(CTKToolBar* pBar, int nDirection = 0);
  /// Called by a bar that entered or left tracking: a bar left by keyboard
  /// hides the cues again when they follow Alt.
  virtual void OnTrackingModeChanged(CTKCommandBar* pBar, BOOL bTracking);
  int GetKeyboardTipLevel() const { return m_nKeyboardTipsLevel; }
  void SetKeyboardTipLevel(int nLevel) { m_nKeyboardTipsLevel = nLevel; }
  /// The shortcut shown for a command that has none of its own; empty until
  /// the shortcut manager answers.
  virtual CString FindDefaultShortcutText(UINT nId) const;

  // Document templates of the bars' controls (TKCommandBarsDocTemplate.cpp) ------

  /// The resource id of the template whose controls show now: 0 unless the
  /// site is an MDI frame; without an active child the default id; a child
  /// without a document its own id; else its document's template id, or the
  /// application's template the child names instead (0 when it has none).
  virtual UINT GetActiveDocTemplate() const;
  void SetDefaultDocTemplate(UINT nId) { m_nDefaultDocTemplate = nId; }

  // Keyboard cues ----------------------------------------------------------------

  /// Whether mnemonics are underlined now.
  BOOL IsKeyboardCuesVisible() const { return m_bKeyboardCuesVisible; }
  /// Whether the cues follow Alt (the system hides them until it is pressed).
  BOOL IsKeyboardCuesManaged() const { return m_bKeyboardCuesManaged; }
  /// Sets both flags at once, as the options' keyboard-cue mode decides.
  void SetKeyboardCuesState(BOOL bVisible, BOOL bManaged);
  /// Shows or hides managed cues (customise mode shows them always).
  void ShowKeyboardCues(BOOL bShow);

  // Managers -------------------------------------------------------------------

  CTKPaintManager* GetPaintManager() const;
  void SetPaintManager(CTKPaintManager* pPaintManager);
  CTKImageManager* GetImageManager() const;
  void SetImageManager(CTKImageManager* pImageManager);
  CRuntimeClass* GetPopupBarClass() const { return m_pPopupBarClass; }
  void SetPopupBarClass(CRuntimeClass* pClass) { m_pPopupBarClass = pClass; }

  // Shortcuts --------------------------------------------------------------------

  /// The accelerators of the frame; lives as long as the command bars.
  CTKShortcutManager* GetShortcutManager() const { return m_pShortcutManager.Get(); }

  // Keyboard tips ----------------------------------------------------------------

  /// Builds and shows the tips of a window (a bar) at a level; nothing while
  /// the options' keyboard tips are off.
  void BuildKeyboardTipWindows(CWnd* pWnd, int nLevel);
  /// Destroys the shown tips and forgets their window, level and letters.
  void HideKeyboardTips();
  /// Asks the window, when it is a bar, for its tips.
  virtual void CreateKeyboardTipsForBar(CWnd* pWnd);
  CTKKeyboardTips* GetKeyboardTips() { return &m_keyboardTips; }
  const CTKKeyboardTips* GetKeyboardTips() const { return &m_keyboardTips; }

  // Frame theme (src/bars/TKCommandBarsFrame.cpp) -------------------------------

  /// On: a frame hook lets the theme draw the site's caption and borders.
  /// Off: the site gets its standard frame back. The frame is recalculated.
  void EnableFrameTheme(BOOL bEnable = TRUE);
  /// Null unless frame theming is on.
  CTKCommandBarsFrameHook* GetFrameHook() const { return m_pFrameHook.get(); }
  /// Frame theming is on and desktop composition draws the frame.
  BOOL IsDwmEnabled() const;

  // Pop-up menus (src/bars/TKCommandBarsPopups.cpp) --------------------------------

  /// Shows a menu as a pop-up bar at x, y (screen) with TrackPopupMenu's
  /// flags; the command chosen with TPM_RETURNCMD (0 when dismissed), else 1
  /// once the menu closed (0 when it could not open).
  static UINT AFX_CDECL TrackPopupMenu(CMenu* pMenu, UINT nFlags, int x, int y, CWnd* pWnd,
                                       LPCRECT lpExclude = NULL, CWnd* pCommandTarget = NULL,
                                       CTKCommandBars* pCommandBars = NULL);
  /// The same with a bar made by the caller.
  static UINT AFX_CDECL TrackPopupBar(CTKPopupBar* pPopup, UINT nFlags, int x, int y, CWnd* pWnd,
                                      LPCRECT lpExclude = NULL, CWnd* pCommandTarget = NULL);
  /// The thread's managers.
  static CTKMouseManager* AFX_CDECL GetMouseManager();
  static CTKKeyboardManager* AFX_CDECL GetKeyboardManager();
  /// Menu-bar captions show upper-cased.
  BOOL IsMenuUpperCase() const { return m_bMenuUpperCase; }
  void SetMenuUpperCase(BOOL bUpperCase) { m_bMenuUpperCase = bUpperCase; }

  // Bar classes, context menus and tooltips (src/bars/TKCommandBarsContextMenus.cpp) ---

  /// The classes bars are made of: Add's default, the pop-ups of
  /// CTKPopupBar::CreatePopupBar and the dock bars. Filled before the
  /// program's own code runs; a program may put classes of its own in.
  struct TK_RUNTIME_CLASSES {
    CRuntimeClass* pToolBarClass;
    CRuntimeClass* pMenuBarClass;
    CRuntimeClass* pPopupBarClass;
    CRuntimeClass* pPopupToolBarClass;
    CRuntimeClass* pDockBarClass;
  };
  static TK_RUNTIME_CLASSES& AFX_CDECL GetRuntimeClasses();
  /// The pop-up bars kept as the frame's context menus.
  CTKCommandBarsContextMenus* GetContextMenus() const { return m_pContextMenus; }
  /// The tooltips of the bars.
  CTKToolTipContext* GetToolTipContext() const { return m_pToolTipContext; }
  /// The menu of the tool bars (a right-click on a tool bar or a dock bar):
  /// the site may change it (TK_WM_TOOLBARCONTEXTMENU); nothing in customise
  /// mode or when it is empty.
  virtual void ShowToolbarContextMenu(CTKCommandBar* pBar, CPoint ptScreen);
  /// A new pop-up listing the tool bars, each checked while shown, and the
  /// customise command when the site offers it; owned by the caller.
  virtual CTKPopupBar* CreateToolbarMenu();
  // Saved bar states and layouts (src/persist) ----------------------------------------

  /// The bar states (rows, positions, visibility) and, when the site offers
  /// the customise command, the changed controls of the bars under a profile
  /// name; `bOnlyChanged` leaves out the bars as they were built.
  void SaveLayoutToProfile(LPCTSTR lpszProfileName, BOOL bOnlyChanged = TRUE);
  /// Loads what SaveLayoutToProfile wrote; `bSilent` asks nothing.
  void LoadLayoutFromProfile(LPCTSTR lpszProfileName, BOOL bSilent = FALSE);
  /// One record per tool bar, in order.
  void GetDockState(CTKCommandBarsDockState& state);
  /// Floats or docks each bar of a record and gives it its place.
  void SetDockState(CTKCommandBarsDockState& state);
  /// The rows of the four dock bars ("<profile>-DockBar<d>") and the status bar.
  void SaveDockBars(LPCTSTR lpszProfileName);
  void LoadDockBars(LPCTSTR lpszProfileName);
  /// The site's status bar (child 0xE801), or null.
  CTKStatusBar* GetStatusBar() const;
  /// The file for a layout too large for the profile: the profile name with
  /// its backslashes made underscores, in the layout folder, else beside
  /// the program.
  void GetLayoutFilePath(CString& strPath, LPCTSTR lpszProfileName) const;
  /// Stores a layout block in "<profile>-Controls": up to 16000 bytes as a
  /// binary value, beyond that in the hidden file, written beside it first
  /// and then put in the old one's place. FALSE, with the profile and the
  /// old file as they were, when the file could not be written.
  BOOL StoreLayoutBlock(LPCTSTR lpszProfileName, const BYTE* pData, UINT nCount);
  /// The layout of the bars (a positional archive) into a file; FALSE when
  /// it could not be written.
  BOOL SaveLayoutToFile(CFile* pFile, BOOL bOnlyChanged);
  /// Reads a layout from a file and merges it into the bars; a damaged one
  /// is dropped whole (FALSE).
  BOOL LoadLayoutFromFile(CFile* pFile, BOOL bSilent);
  /// Which bars a layout keeps.
  virtual void GenerateCommandBarList(CTKLayoutBars& bars, TK_BARS_EXCHANGE_PARAM* pParam);
  /// Merges loaded bars: one of an existing id takes it over, others join.
  virtual void RestoreCommandBarList(CTKLayoutBars& bars, BOOL bSilent);
  /// A loaded context menu: the program's menu of its id takes its controls,
  /// or, when the program makes none any more, it joins the context menus.
  void RestoreContextMenu(CTKPopupBar* pLoaded, CTKLayoutBars& bars);
  /// The "CommandBars" record; FALSE on a damaged archive or an unknown class.
  virtual BOOL SaveCommandBarList(CTKPropExchange* pPX, CTKLayoutBars& bars);
  virtual BOOL LoadCommandBarList(CTKPropExchange* pPX, CTKLayoutBars& bars);
  /// Above this many bytes a layout goes to a file instead of the profile.
  static constexpr UINT kMaxLayoutBlock = 16000;

  // Customise drag-and-drop between bars (src/bars/CommandBarsDragHelper.cpp) -----------

  /// Knows the bars that take drops; lives as long as the command bars.
  CommandBarsDragHelper* GetDragHelper() const { return m_pDragHelper.get(); }

 protected:
  CTKGlobalPaintManagerRef m_globalPaintManager;
  BOOL m_bIgnoreShiftMenuKey;
  int m_nKeyboardTipsLevel;
  CWnd* m_pFrame;
  BOOL m_bCustomizeAvail;
  CArray<CTKToolBar*, CTKToolBar*> m_arrBars;
  CTKDockBar* m_pDocks[4];
  int m_nHelpId;
  BOOL m_bLockLayout;
  BOOL m_bRightToLeft;
  BOOL m_bDestroying;
  BOOL m_bPreviewMode;
  BOOL m_bEnableActions;
  CTKControlActions* m_pActions;
  BOOL m_bCustomizeMode;
  BOOL m_bCustomizeAll;
  CTKControl* m_pDragControl;
  CTKPaintManager* m_pPaintManager;
  CTKImageManager* m_pImageManager;
  CRuntimeClass* m_pPopupBarClass;
  CTKCommandBarsOptions* m_pOptions;
  BOOL m_bKeyboardCuesVisible;
  BOOL m_bKeyboardCuesManaged;

  // Shortcuts
  CTKRefPtr<CTKShortcutManager, CTKInternalRefTraits> m_pShortcutManager =
      CTKRefPtr<CTKShortcutManager, CTKInternalRefTraits>::Adopt(new CTKShortcutManager(this));

  // Keyboard tips
  CTKKeyboardTips m_keyboardTips;

  // Document templates of the bars' controls.
  UINT m_nDefaultDocTemplate = 0;

  // Frame theme
  std::unique_ptr<CTKCommandBarsFrameHook, CTKFrameHookDeleter> m_pFrameHook;

  // Pop-up menus.
  BOOL m_bMenuUpperCase = FALSE;

  // Context menus and tooltips.
  CTKCommandBarsContextMenus* m_pContextMenus = nullptr;
  CTKToolTipContext* m_pToolTipContext = nullptr;

  // Customise drag-and-drop between bars.
  std::unique_ptr<CommandBarsDragHelper> m_pDragHelper;
};

/// Whether the desktop that receives input is another than "Default" (a
/// locked workstation or a secure desktop), or cannot be opened.
BOOL IsInputDesktopNotDefault();
