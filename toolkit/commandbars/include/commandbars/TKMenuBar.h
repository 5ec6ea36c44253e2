// The tool bar that stands in for the frame's Win32 menu: filled from a menu
// resource, it takes the Win32 menu away from the frame (and gives it back
// before the frame goes), opens on Alt or F10, shows the maximised MDI child's
// system menu and its minimise, restore and close buttons, and keeps a
// customised set of controls per document template of an MDI frame.
#pragma once

#include "commandbars/TKToolBar.h"
#include "commandbars/TKPopupBar.h"
#include "common/TKHookManager.h"

class CTKMenuBar;
class CTKOriginalControls;

// Behaviour flags only the menu bar reads (CTKCommandBar::GetFlags).
#define TKMENUBARFLAG_NOMINIMIZE 0x100
#define TKMENUBARFLAG_NORESTORE 0x200
#define TKMENUBARFLAG_IGNOREMDISETMENU 0x400
#define TKMENUBARFLAG_NOCLOSE 0x1000
#define TKMENUBARFLAG_SYSMENU 0x2000

// Ids of the MDI child's controls on the menu bar (their tooltips are string
// resources, TKCommandBarsBars.rc) and of the bitmap of the window icons.
#define TKID_MDI_CLOSE 9151
#define TKID_MDI_RESTORE 9152
#define TKID_MDI_MINIMIZE 9153
#define TKID_MDI_SYSMENU 9154
#define TK_IDB_MDIBUTTONS 9102

/// The customised menu of one document template.
class CTKMenuBarMDIMenuInfo : public CCmdTarget {
 public:
  /// Finds the template of that resource id among the application's templates
  /// for its names and icon.
  explicit CTKMenuBarMDIMenuInfo(CTKCommandBars* pCommandBars, UINT nIDResource);
  ~CTKMenuBarMDIMenuInfo() override;

  /// Held with one reference; starts empty.
  CTKControls* m_pControls;
  CString m_strDocName;
  CString m_strFileTypeName;
  HICON m_hIcon;
  UINT m_nIDResource;
  /// Whether the controls differ from their original controls (filled when
  /// the layout is saved).
  BOOL m_bChanged;
};

/// The per-template menus of a menu bar, by template id; each entry holds one
/// reference.
class CTKMenuBarMDIMenus : public CCmdTarget {
 public:
  explicit CTKMenuBarMDIMenus(CTKMenuBar* pMenuBar);
  ~CTKMenuBarMDIMenus() override;

  CTKMenuBarMDIMenuInfo* Lookup(UINT nIDResource) const;
  /// Stores `pInfo` (taking over the caller's reference), releasing an entry
  /// it replaces.
  void SetAt(UINT nIDResource, CTKMenuBarMDIMenuInfo* pInfo);
  /// Removes and releases the entry.
  void Remove(UINT nIDResource);
  void RemoveAll();
  int GetCount() const { return static_cast<int>(m_map.GetCount()); }
  POSITION GetStartPosition() const { return m_map.GetStartPosition(); }
  CTKMenuBarMDIMenuInfo* GetNext(POSITION& pos) const;

 protected:
  CMap<UINT, UINT, CTKMenuBarMDIMenuInfo*, CTKMenuBarMDIMenuInfo*> m_map;
  CTKMenuBar* m_pMenuBar;
};

class CTKMenuBar : public CTKToolBar, public CTKHookManagerHookAble {
  DECLARE_DYNCREATE(CTKMenuBar)

 public:
  /// The minimise, restore or close button of the maximised MDI child; its
  /// parameter is the glyph the paint manager draws.
  class CControlMDIButton : public CTKControlButton {
    DECLARE_DYNCREATE(CControlMDIButton)

   public:
    CControlMDIButton();
    CSize GetSize(CDC* pDC) override;
    void Draw(CDC* pDC) override;
    /// Sends the system command to the active MDI child.
    void OnExecute() override;
  };

  /// The maximised child's icon, opening its system menu.
  class CControlMDISysMenuPopup : public CTKControlPopup {
    DECLARE_DYNCREATE(CControlMDISysMenuPopup)

   public:
    /// The system menu's bar: no shortcut texts of its own, never customised.
    class CTKSysMenuPopupBar : public CTKPopupBar {
     public:
      CTKSysMenuPopupBar() { m_bCustomizable = FALSE; }
      BOOL IsCustomizable() const override { return FALSE; }
    };

    CControlMDISysMenuPopup();
    CControlMDISysMenuPopup(HWND hWndChild, HMENU hSystemMenu);
    ~CControlMDISysMenuPopup() override;
    /// Takes the child's icon and rebuilds the pop-up from its system menu.
    void UpdateSystemMenu(HWND hWndChild, HMENU hSystemMenu);
    HMENU GetSystemMenu() const { return m_hSystemMenu; }
    HICON GetIcon() const { return m_hIcon; }
    CSize GetSize(CDC* pDC) override;
    void Draw(CDC* pDC) override;
    void AdjustExcludeRect(CRect& rc, BOOL bVertical) override;

   protected:
    HMENU m_hSystemMenu;
    HICON m_hIcon;
  };

  /// The timer posted to the bar after an MDI change, so that the buttons
  /// follow once the change is done.
  static constexpr UINT_PTR kTimerRefreshMdi = 12223;

  CTKMenuBar();
  ~CTKMenuBar() override;

  // Menus ------------------------------------------------------------------------

  /// Fills the bar from a menu resource (0: keeps the controls), then takes
  /// the frame's Win32 menu away; FALSE, with the bar unchanged, when the
  /// resource cannot be loaded or filled in.
  virtual BOOL LoadMenuBar(UINT nIDMenu);
  /// Shows the menu of another document template, keeping the customised
  /// controls of the one it leaves.
  virtual void SwitchMDIMenu(UINT nIDResource, CMenu* pMenu = NULL);
  UINT GetDefaultMenuId() const { return m_nIdResource; }
  UINT GetCurrentMenuId() const { return m_nIdResourceCur; }
  CTKMenuBarMDIMenus* GetMDIMenus() const { return m_pMDIMenus; }
  /// The Win32 menu taken from the frame, null when none.
  HMENU GetSavedFrameMenu() const { return m_hMenuSaved; }

  // The MDI child ------------------------------------------------------------------

  /// The system-menu pop-up and the window buttons of the active child, as
  /// its maximised state and style ask.
  virtual void UpdateMdiButtons();
  /// Hooks the active child and, while the bar shows, updates the buttons.
  void RefreshMdiState();
  void HookActiveMdiChild();
  /// The active MDI child, and whether it is maximised; null without one.
  HWND GetActiveMdiChild(BOOL* pbMaximized = NULL) const;

  // Saving -------------------------------------------------------------------------

  /// Switches to the default menu for saving when there are per-template
  /// menus and marks each changed one; TRUE when any changed.
  BOOL IsMDIMenusChanged();
  /// The frame puts its menu back on the bar after saving.
  void RestoreFrameMenu();
  /// Customised menus of any template, or a bar that differs from its built-in controls.
  virtual BOOL ShouldSaveState();

  // Tool-bar operations the menu bar changes ---------------------------------------

  void Reset(BOOL bAsk) override;
  void Copy(CTKCommandBar* pBar, BOOL bRecursive = FALSE) override;
  CTKCommandBar* Clone(BOOL bRecursive = FALSE) override;
  /// The menu bar leaves the wheel to the frame; the ribbon takes it.
  virtual BOOL OnFrameMouseWheel(BOOL /*bForward*/) { return FALSE; }

  int OnHookMessage(HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam,
                    LRESULT& lResult) override;

  // The frame's caption a ribbon draws (read by the frame hook) ----------------

  /// The bar is shown and draws the frame's caption in a band of its own;
  /// a menu bar never does.
  virtual BOOL IsFrameCaptionTakenOver() const { return FALSE; }
  /// The height of that band, without the frame's top border.
  virtual int GetFrameCaptionHeight() const { return 0; }

 protected:
  void InitMenuBar();
  void SetupHook();
  /// The frame shows another menu (for another document template).
  void OnMDISetMenu(HMENU hMenu);
  /// Gives the saved Win32 menu back to the site and forgets it.
  void RestoreSavedMenu();
  BOOL OnSysKeyMenu(LPARAM lParam);
  BOOL OnMDISetMenuMessage(WPARAM& wParam, LRESULT& lResult);
  void UpdateSysMenuPopup(HWND hWndChild, BOOL bMaximized);
  /// Lets go of the shown collection without emptying it (a template's entry
  /// may hold it), or shows another one.
  void DetachControls();
  void AttachControls(CTKControls* pControls);
  /// The controls a menu fills a bar with, as built-in controls.
  CTKOriginalControls* MakeOriginalControls(CMenu* pMenu);
  /// The frame's MDI client, null for another site.
  HWND GetMDIClient() const;

  afx_msg void OnTimer(UINT_PTR nIDEvent);
  afx_msg void OnDestroy();
  DECLARE_MESSAGE_MAP()

  BOOL m_bMdiApp;
  HWND m_hWndActiveChild;
  HMENU m_hMenuSaved;
  UINT m_nIdResource;
  UINT m_nIdResourceCur;
  CTKMenuBarMDIMenus* m_pMDIMenus;
  BOOL m_bDirtyMenu;
};
