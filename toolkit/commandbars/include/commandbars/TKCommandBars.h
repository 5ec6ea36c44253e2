// The one object per frame or dialog that owns and coordinates its command
// bars: the site window, the actions, customise mode, and the paint and image
// managers the bars inherit.
#pragma once

#include <afxtempl.h>
#include <afxwin.h>

#include "commandbars/TKCommandBarKeyboardTip.h"
#include "commandbars/TKCommandBarsDefines.h"
#include "commandbars/TKPaintManager.h"
#include "commandbars/TKShortcutManager.h"
#include "common/TKRefPtr.h"

class CTKControl;
class CTKControlAction;
class CTKControlActions;
class CTKCommandBarsOptions;
class CTKImageManager;

class CTKCommandBars : public CCmdTarget {
  DECLARE_DYNCREATE(CTKCommandBars)

 public:
  CTKCommandBars();
  ~CTKCommandBars() override;

  CWnd* GetSite() const { return m_pFrame; }
  void SetSite(CWnd* pFrame) { m_pFrame = pFrame; }

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
  /// Records a hidden command as used.
  void SetCommandUsed(UINT nId);
  void HideCommand(UINT nId);
  BOOL IsCommandUsed(UINT nId) const;
  /// Closes every tracked pop-up.
  virtual void CloseAllPopups() {}

  // Options ----------------------------------------------------------------------

  CTKCommandBarsOptions* GetCommandBarsOptions() const { return m_pOptions; }
  /// Stores or loads the options in the profile section "<profile>-Options".
  void SaveOptionsSection(LPCTSTR pszProfileName);
  void LoadOptionsSection(LPCTSTR pszProfileName);

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

 protected:
  CTKGlobalPaintManagerRef m_globalPaintManager;
  CWnd* m_pFrame;
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
};
