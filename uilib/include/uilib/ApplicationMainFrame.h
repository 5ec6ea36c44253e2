// CApplicationMainFrame: the one top-level window of a program. It turns the
// toolkit's MDI frame into a frame whose panes fill the client area directly
// (the MDI client is kept, hidden and disabled): at creation it sets up the
// command bars with a ribbon, the theme, the tooltips and the status bar.
// Beyond that it offers a derived frame status texts, help, the display
// rectangle, the frame bounds, profile hooks for splitter positions, a list
// of windows that can be asked to close, and helpers that fill the ribbon.
//
// Every handler of the message map is a virtual member (an entry bound to a
// virtual calls the override), so a derived frame changes a handler by
// overriding it and needs no entry of its own. Everything runs on the UI thread but
// the window-list operations, which hold the window-list lock.
#pragma once

#include <afxwin.h>

#include "commandbars/TKFrameWnd.h"
#include "foundation/ReentrantLock.h"
#include "foundation/TesselMap.h"
#include "foundation/TesselString.h"
#include "uilib/ApplicationMainFrameStatusBarContext.h"
#include "uilib/MessageForwardingManager.h"
#include "uilib/StatusBarManager.h"

class COptionsStore;
class CSplitterWindow;
class CTKRibbonBar;
class CTKRibbonGroup;

/// Posted to a dialog in the window list to ask it to close (the dialog
/// base's close request).
#define WM_APP_FRAME_CLOSE_REQUEST (WM_USER + 107)
/// Posted to a hosted child frame after its status context was refreshed.
#define WM_APP_FRAME_STATUS_FORWARDED (WM_USER + 145)

class CApplicationMainFrame : public CTKMDIFrameWnd {
  DECLARE_DYNCREATE(CApplicationMainFrame)

 public:
  /// The smallest size the frame can be dragged to unless a derived frame
  /// sets another.
  static const int kDefaultMinTrackWidth = 675;
  static const int kDefaultMinTrackHeight = 550;
  /// The theme of the frame's command bars and its theme text.
  static const int kFrameTheme = 6;
  static const char kFrameThemeIni[];
  /// The title of the ribbon bar among the command bars.
  static const char kRibbonBarTitle[];
  /// The gap a splitter keeps from either end of its parent.
  static const int kSplitterMargin = 50;

  CApplicationMainFrame();
  ~CApplicationMainFrame() override;

  // Creation -----------------------------------------------------------------------
  /// Command bars, ribbon, theme and tooltips; the MDI client hidden and
  /// disabled. -1 when the frame, its command bars or its ribbon cannot be
  /// made (the rest of the set-up still runs for the last two).
  virtual int OnCreate(LPCREATESTRUCT lpcs);
  /// The same set-up with classic command bars and no ribbon.
  virtual int OnCreateWithCommandBars(LPCREATESTRUCT lpcs);
  /// Only the frame's own creation.
  virtual int OnCreateFrameOnly(LPCREATESTRUCT lpcs);
  /// No client edge; a class of its own without cursor, brush or icon.
  BOOL PreCreateWindow(CREATESTRUCT& cs) override;
  /// The MDI client, then the status bar.
  BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override;
  /// Adds the ribbon bar "Ribbon Bar" (the frame menu goes), calls the two
  /// ribbon hooks and lets the ribbon draw the caption; false without
  /// command bars or when the bar cannot be made.
  virtual bool CreateRibbonBar();
  /// The Office tip style with title, description and image; false
  /// without command bars or their tooltip context.
  virtual bool ConfigureToolTips(CTKCommandBars* pCommandBars);
  /// Ribbon hooks, called by CreateRibbonBar in this order; the base does
  /// nothing and answers false.
  virtual bool LoadRibbonImages() { return false; }
  virtual bool CreateQuickAccessControls() { return false; }

  // Closing --------------------------------------------------------------------------
  /// Closes the help window, hides the frame and lets the frame close.
  virtual void OnClose();
  virtual void CloseQuietly();
  /// False when no help window is remembered.
  virtual bool CloseHelpWindow();

  // Activation and the mouse ------------------------------------------------------
  virtual LRESULT OnActivateTopLevel(WPARAM wParam, LPARAM lParam);
  /// Each lets the frame handle the message, then forwards it to the child
  /// window under the cursor.
  virtual void OnLButtonDown(UINT nFlags, CPoint point);
  virtual void OnLButtonUp(UINT nFlags, CPoint point);
  virtual void OnRButtonDown(UINT nFlags, CPoint point);
  virtual void OnRButtonUp(UINT nFlags, CPoint point);
  virtual void OnMouseMove(UINT nFlags, CPoint point);
  /// Not in the message map: reached only by a direct call.
  virtual BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint point);

  // Size and geometry ---------------------------------------------------------------
  virtual void OnGetMinMaxInfo(MINMAXINFO* pInfo);
  virtual SIZE* GetMinTrackSize() { return &m_minTrackSize; }
  virtual void SetMinTrackSize(int nWidth, int nHeight);
  /// The client rectangle less a visible ribbon above and a visible status
  /// bar below; `rect` unchanged without a window.
  virtual RECT* GetDisplayRect(RECT* rect);
  /// The window rectangle corrected for the frame the system draws
  /// (GetFrameBoundsOfWindow); what a derived frame saves as its position.
  virtual RECT* GetFrameBounds(RECT* rect);

  // Status bar -------------------------------------------------------------------------
  /// Shows or hides the status bar window; false.
  virtual bool ShowStatusBar(bool bShow);
  /// Pane 0's text, the pane sized to it.
  virtual bool SetStatusText(CTesselString* pText);
  virtual bool SetStatusTextFromResource(UINT nStringId);
  virtual bool ClearStatusText();
  /// Pane 1 shown with the text, sized to it.
  virtual bool SetSecondaryStatusText(CTesselString* pText);
  /// Pane 1 ends visible, empty and 50 wide.
  virtual bool ClearSecondaryStatusText();
  virtual CStatusBarManager& GetStatusBarManager() { return m_statusBarManager; }
  /// False unless a hosted child frame takes the status texts (never here).
  virtual bool ForwardStatusToHostedChild();

  // Help ------------------------------------------------------------------------------
  /// The folder of the running program with a trailing backslash; `pPath`.
  virtual CTesselString* GetHelpFilePath(CTesselString* pPath);
  /// The help file at the topic, the window remembered; false for an empty
  /// path or when no help window opens.
  virtual bool ShowHelp(UINT nTopic);
  HWND GetHelpWindow() const { return m_hHelpWindow; }

  // Profile hooks: how settings cross into the program --------------------------------
  /// True when a value was found and written to `pValue`; the base finds none.
  virtual bool ReadProfileString(CTesselString section, CTesselString key,
                                 CTesselString* pValue);
  /// True when the value was stored; the base stores nothing.
  virtual bool WriteProfileString(CTesselString section, CTesselString key, CTesselString value);

  // Splitter positions, kept as a fraction of the parent's client extent ----------------
  /// The range 50 pixels inside the bounds along the bar's direction, the
  /// position clamped into it; the clamp's result.
  virtual bool SetSplitterRange(CSplitterWindow* pSplitter);
  /// True only when a stored positive fraction was applied; otherwise the
  /// middle (nothing stored) or 50 (a bad value), clamped into the range.
  virtual bool RestoreSplitterPosition(HWND hParent, CTesselString section, CTesselString key,
                                       CSplitterWindow* pSplitter);
  /// Writes the fraction as "0.2500"; false for no parent or an empty client.
  virtual bool SaveSplitterPosition(HWND hParent, CTesselString section, CTesselString key,
                                    CSplitterWindow* pSplitter);

  // Options store: never attached in this program, so each answers false ---------------
  virtual COptionsStore* GetOptionsStore() { return m_pOptionsStore; }
  virtual void SetOptionsStore(COptionsStore* pStore) { m_pOptionsStore = pStore; }
  virtual bool SaveWindowPlacement() { return false; }
  virtual bool RestoreWindowPlacement() { return false; }
  virtual bool SaveQuickAccessVisibility() { return false; }
  virtual bool RestoreQuickAccessVisibility() { return false; }
  virtual bool RestoreRibbonState() { return false; }
  virtual bool SaveRibbonState() { return false; }

  // The window list (any thread) ----------------------------------------------------------
  /// False for null or a window already listed.
  virtual bool AddWindow(CWnd* pWnd);
  virtual bool RemoveWindow(CWnd* pWnd);
  virtual bool HasWindows();
  /// Posts the close request to every listed window in insertion order;
  /// true when a post succeeded. The entries stay.
  virtual bool RequestCloseAllWindows();
  /// Without the lock: only when no other thread uses the list.
  virtual bool ClearWindowList();
  virtual CTesselMap* GetWindowList() { return &m_windowList; }
  virtual CReentrantLock* GetWindowListLock() { return &m_windowListLock; }

  // The ribbon ---------------------------------------------------------------------------
  virtual CTKRibbonBar* GetRibbonBar() { return m_pRibbonBar; }
  virtual void SetRibbonBar(CTKRibbonBar* pRibbonBar) { m_pRibbonBar = pRibbonBar; }
  /// A large button (icon above its caption) at the end of the group.
  virtual bool AddRibbonButton(CTKRibbonGroup* pGroup, UINT nId, bool bBeginGroup);
  virtual bool AddRibbonCheckBox(CTKRibbonGroup* pGroup, UINT nId, bool bBeginGroup);
  /// An icon-only button at the end of the quick-access bar, its icon
  /// `nIconSize` square; false without ribbon or quick-access controls.
  virtual bool ConfigureRibbonButton(UINT nId, bool bBeginGroup, bool bHidden, int nIconSize);

  // Other -----------------------------------------------------------------------------------
  virtual void CreateImageList(UINT nBitmapId, HIMAGELIST* phImageList, int nCellWidth);
  /// The command bars' pop-up menu (TPM_RETURNCMD gives the command).
  virtual UINT TrackPopupMenu(CMenu* pMenu, UINT nFlags, int x, int y, CWnd* pWnd,
                              const RECT* pExclude = NULL, CWnd* pOwner = NULL);
  virtual bool IsChildHosted() { return m_bChildHosted; }
  virtual void SetChildHosted(bool bHosted) { m_bChildHosted = bHosted; }
  virtual bool ReservedQuery() { return false; }

 protected:
  /// The command bars of the frame with their four dock bars.
  bool CreateFrameCommandBars();
  /// Adds a control of `nType` to the group and, for a button, gives it the
  /// style `nStyle`; false when the group cannot make it.
  bool AddRibbonControl(CTKRibbonGroup* pGroup, int nType, UINT nId, bool bBeginGroup,
                        int nStyle);
  /// The key under which a window is listed: its object's address.
  static int64_t WindowKey(CWnd* pWnd);

  DECLARE_MESSAGE_MAP()

  /// Made by CreateRibbonBar; owned by the command bars.
  CTKRibbonBar* m_pRibbonBar;
  CStatusBarManager m_statusBarManager;
  /// Listed windows: a copy of each handle (owned 32-bit integers) keyed by
  /// the window object's address, in insertion order.
  CTesselMap m_windowList;
  CReentrantLock m_windowListLock;
  SIZE m_minTrackSize;
  /// Not owned; never attached in this program.
  COptionsStore* m_pOptionsStore;
  CMessageForwardingManager m_messageForwarding;
  /// The last help window ShowHelp opened.
  HWND m_hHelpWindow;
  /// A frame hosted inside this one; never set in this program.
  CApplicationMainFrame* m_pHostedChild;
  bool m_bChildHosted;
  CApplicationMainFrameStatusBarContext m_statusBarContext;
};
