// The user-visible settings of one command-bars manager: how menus show their
// commands, tips, icon sizes, animation, floating bars, keyboard cues and the
// record of used commands; saved and loaded through the settings exchange.
#pragma once

#include <afxtempl.h>
#include <afxwin.h>

class CTKCommandBars;
class CTKPropExchange;

/// Command ids; only the keys matter.
class CTKCommandIdSet : public CMap<UINT, UINT, BOOL, BOOL> {
 public:
  CTKCommandIdSet() { InitHashTable(10); }
};

class CTKCommandBarsOptions : public CCmdTarget {
 public:
  CTKCommandBarsOptions();
  ~CTKCommandBarsOptions() override;

  /// Runs the exchange; with `bUserOptionsOnly` only the first five flags,
  /// the used commands and the animation.
  void ExchangeProperties(CTKPropExchange* px, BOOL bUserOptionsOnly);
  /// Every value through an archive exchange.
  void Serialize(CArchive& ar) override;
  /// 0 follows nothing and shows cues, 1 hides them until Alt, 2 follows the
  /// system's setting.
  void ShowKeyboardCues(int nMode);
  int GetShowKeyboardCues() const { return m_nShowKeyboardCues; }

  BOOL bAlwaysShowFullMenus = TRUE;
  BOOL bShowFullAfterDelay = TRUE;
  BOOL bToolBarScreenTips = TRUE;
  BOOL bToolBarAccelTips = FALSE;
  BOOL bLargeIcons = FALSE;
  BOOL bSyncFloatingBars = TRUE;
  BOOL bShowExpandButtonAlways = TRUE;
  BOOL bDblClickFloat = FALSE;
  BOOL bShowTextBelowIcons = FALSE;
  BOOL bAltDragCustomization = TRUE;
  BOOL bAutoHideUnusedPopups = TRUE;
  /// Set when bars move, show, hide or are customised; memory only.
  BOOL bDirty = FALSE;
  BOOL bShowPopupBarToolTips = FALSE;
  BOOL bShowContextMenuAccelerators = FALSE;
  /// Pop-up animation: 0 as the system, 1 random, others fixed.
  int animationType = 0;
  BOOL bAutoUpdateShortcuts = TRUE;
  /// Bit 0: Alt letters reach the visible tool bars; bit 2: first caption
  /// letters never match; 2 alone: Alt letters go to the frame.
  int keyboardCuesUse = 1;
  BOOL bShowDescriptions = TRUE;
  CSize szIcons = CSize(0, 0);
  CSize szLargeIcons = CSize(0, 0);
  CSize szPopupIcons = CSize(0, 0);
  BOOL bUseKeypadAccelerators = FALSE;
  BOOL bUseSystemSaveBitsStyle = TRUE;
  BOOL bDisableCommandIfNoHandler = TRUE;
  BOOL bFlyByStatus = FALSE;
  CTKCommandIdSet m_mapHiddenCommands;
  CTKCommandIdSet m_mapUsedCommands;
  BOOL bShowKeyboardTips = FALSE;
  BOOL bAutoScaleDpiGalleryItems = TRUE;
  BOOL bAutoScaleDpiToolbarIcons = FALSE;
  /// The owner, set by it.
  CTKCommandBars* m_pCommandBars = nullptr;

  // Pop-ups: memory only.
  /// A pop-up that does not fit moves beside its control or takes more
  /// columns instead of scrolling.
  BOOL bDontScrollPopups = FALSE;

 private:
  void ExchangeIdSet(CTKPropExchange* px, LPCTSTR pszName, CTKCommandIdSet& set);
  void ExchangeIconsInfo(CTKPropExchange* px);

  int m_nShowKeyboardCues = 0;
};
