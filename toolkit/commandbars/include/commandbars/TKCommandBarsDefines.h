// Numbers shared by the command bars: control types, bar positions, hide and
// behaviour bits, the private messages sent to the site window, and the
// records that travel with them.
#pragma once

#include <afxwin.h>

class CTKControl;
class CTKCommandBar;
class CTKPopupBar;

// Control types.
enum TKControlType {
  tkControlError = 0,
  tkControlButton = 1,
  tkControlPopup = 2,
  tkControlButtonPopup = 3,
  tkControlSplitButtonPopup = 4,
  tkControlComboBox = 5,
  tkControlEdit = 6,
  tkControlCustom = 7,
  tkControlLabel = 8,
  tkControlCheckBox = 9,
  tkControlGallery = 10,
  tkControlRadioButton = 11,
};

// Bar positions.
enum TKBarPosition {
  tkBarTop = 0,
  tkBarBottom = 1,
  tkBarLeft = 2,
  tkBarRight = 3,
  tkBarFloating = 4,
  tkBarPopup = 5,
  tkBarListBox = 6,
  tkBarNone = 7,
};

// Bar types.
enum TKBarType { tkBarTypeMenuBar = 0, tkBarTypeNormal = 1, tkBarTypePopup = 2, tkBarTypeRibbon = 3 };

// Button styles.
enum TKButtonStyle {
  tkButtonAutomatic = 0,
  tkButtonCaption = 1,
  tkButtonIcon = 2,
  tkButtonIconAndCaption = 3,
  tkButtonIconAndCaptionBelow = 4,
  tkButtonCaptionAndDescription = 5,
};

// Why a control is hidden, one bit per reason.
#define TKHIDE_GENERIC 0x1
#define TKHIDE_WRAP 0x2
#define TKHIDE_POSITION 0x4
#define TKHIDE_UNNEEDED 0x8
#define TKHIDE_CUSTOMIZE 0x10
#define TKHIDE_EXPAND 0x20
#define TKHIDE_DOCTEMPLATE 0x40
#define TKHIDE_RIBBONGROUP 0x80
/// The reasons that belong to one layout or one menu opening; copies drop them.
#define TKHIDE_TRANSIENT (TKHIDE_WRAP | TKHIDE_POSITION | TKHIDE_UNNEEDED | TKHIDE_EXPAND)

// Control behaviour bits.
#define TKFLAG_RIGHTALIGN 0x1
#define TKFLAG_SKIPFOCUS 0x2
#define TKFLAG_MANUALUPDATE 0x8
#define TKFLAG_NOMOVABLE 0x10
#define TKFLAG_STRETCHED 0x20
#define TKFLAG_WRAPROW 0x80

// Bar style bit: the controls change size to fit (column layout).
#define TKCBRS_SIZECONTROLS 0x200000

// Layout mode bits (the class layer's LM_* and the toolkit's additions).
#define TKLM_STRETCH 0x1
#define TKLM_MRUWIDTH 0x4
#define TKLM_HORZDOCK 0x8
#define TKLM_VERTDOCK 0x10
#define TKLM_LENGTHY 0x20
#define TKLM_COMMIT 0x40
#define TKLM_HIDEWRAP 0x80
#define TKLM_POPUP 0x100

// Private messages sent to the command bars' site window.
#define TK_WM_BARVISIBLECHANGED 0x2855
#define TK_WM_CONTROLSELECTED 0x2856
#define TK_WM_DRAGCONTROLCHANGED 0x2857
#define TK_WM_MENUBARTRACKING 0x2858
#define TK_WM_CONTROLRBUTTONUP 0x2859
#define TK_WM_TRACKINGKEYDOWN 0x285A
#define TK_WM_INITPOPUP 0x285B
#define TK_WM_TOOLBARCONTEXTMENU 0x285C
#define TK_WM_POPUPCLOSED 0x285D
#define TK_WM_CREATECONTROL 0x285E
#define TK_WM_CONTROLCREATED 0x285F
#define TK_WM_GETWINDOWICON 0x2860
#define TK_WM_CREATECOMMANDBAR 0x2861
#define TK_WM_CONTROLNOTIFY 0x2862
#define TK_WM_BARRESET 0x2864

/// Notification code of a control that runs its command.
#define TKN_EXECUTE 100

// Command ids the toolkit gives controls of its own.
#define TKID_WINDOWLIST 35000
#define TKID_CUSTOMIZE 35001
#define TKID_WORKSPACE_ACTIONS 35002
#define TKID_RECENTFILELIST 35003
#define TKID_OLE_VERBS 0xE210
#define TKID_TOOLBARLIST 0xE800
#define TKID_MDI_FILELIST 0xE110
#define TKID_SEPARATOR_MENU 0xFF00
#define TKID_TOOLKIT_FIRST 9100
#define TKID_TOOLKIT_LAST 9299
#define TKID_TOOLBAR_EXPAND 9122

/// Sent with TK_WM_CONTROLNOTIFY: a real NMHDR (so a handler of the class
/// layer's notification map reads it as one), then the control.
struct NMTKCONTROL {
  NMHDR hdr;
  CTKControl* pControl;
};

/// Sent with TK_WM_CREATECONTROL and TK_WM_CONTROLCREATED while a bar is filled
/// from a menu: the site may change the id, caption, type and style, or hand
/// back a control of its own.
struct TKCREATECONTROLSTRUCT {
  int nId;
  CTKControl* pControl;
  BOOL bToolBar;
  int nIndex;
  CMenu* pMenu;
  CTKCommandBar* pCommandBar;
  CString strCaption;
  int nType;
  int nStyle;
};

/// Sent with TK_WM_CREATECOMMANDBAR: the site may supply the bar.
struct TKCREATEBARSTRUCT {
  CTKCommandBar* pCommandBar;
  BOOL bPopup;
  BOOL bExpandBar;
  BOOL bCustomBar;
  BOOL bFloat;
  LPCSTR lpcstrCaption;
  UINT nID;
};

/// True for the positions whose controls run top to bottom.
inline bool IsVerticalBarPosition(int nPosition) {
  return nPosition == tkBarLeft || nPosition == tkBarRight || nPosition == tkBarPopup;
}

/// Sent with TK_WM_TRACKINGKEYDOWN: the key a tracking bar received.
struct TKTRACKINGKEY {
  UINT nChar;
  LPARAM lParam;
};
