// Placeholders of menus that expand, each time their pop-up is laid out, into
// a run of generated items right after them: the open MDI windows, the tool
// bars, the OLE verbs of the active object, the recent files and the MDI tab
// workspace commands. The placeholder itself is hidden then; in customise
// mode it shows with its own caption instead.
#pragma once

#include "commandbars/TKControlClasses.h"

class CRecentFileList;

/// The caption of generated item `nPosition` (counted from 1): every "&" of
/// the text doubled, then "&1 " to "&9 ", "1&0 " or "11 " and above in
/// front; position 0 gives the escaped text alone.
CString AFX_CDECL FormatMnemonicCaption(LPCSTR lpszText, int nPosition);

/// The MDI child windows of the site, at most nine.
class CTKControlWindowList : public CTKControlButton {
  DECLARE_DYNCREATE(CTKControlWindowList)
 public:
  void OnCalcDynamicSize(DWORD dwMode) override;
  BOOL CanDropOnBar(CTKCommandBar* pBar, CPoint pt, DWORD& dwEffect) override;
  /// The id the MDI client gives its first child (0xFF00, 0x8000 or 1).
  static int AFX_CDECL GetFirstMDIChildId() { return s_nFirstMDIChild; }

 private:
  static int s_nFirstMDIChild;
};

/// The tool bars of the command bars, each checked while shown; running one
/// shows or hides its bar.
class CTKControlToolbars : public CTKControlButton {
  DECLARE_DYNCREATE(CTKControlToolbars)
 public:
  /// One generated item; its tag is its bar's index in the command bars.
  class CTKControlToolbar : public CTKControlButton {
    DECLARE_DYNCREATE(CTKControlToolbar)
   public:
    void OnExecute() override;
  };

  void OnCalcDynamicSize(DWORD dwMode) override;
  BOOL CanDropOnBar(CTKCommandBar* pBar, CPoint pt, DWORD& dwEffect) override;
  /// Inserts into `pBar` from `nIndex` an item of id `nId` for every tool
  /// bar listed in context menus that may be closed; with `bCustomize` the
  /// customise command follows when the site offers it.
  static void AFX_CDECL AddToolbarItems(CTKCommandBar* pBar, int nIndex, int nId,
                                        BOOL bCustomize, BOOL bBeginGroup);
};

/// The verbs of the OLE object active in place in the site's active view.
class CTKControlOleItems : public CTKControlButton {
  DECLARE_DYNCREATE(CTKControlOleItems)
 public:
  void OnCalcDynamicSize(DWORD dwMode) override;
  BOOL CanDropOnBar(CTKCommandBar* pBar, CPoint pt, DWORD& dwEffect) override;
};

/// The application's recent files.
class CTKControlRecentFileList : public CTKControlButton {
  DECLARE_DYNCREATE(CTKControlRecentFileList)
 public:
  void OnCalcDynamicSize(DWORD dwMode) override;
  BOOL CanDropOnBar(CTKCommandBar* pBar, CPoint pt, DWORD& dwEffect) override;
  /// The application's list, or null.
  virtual CRecentFileList* GetRecentFileList();
  /// The command id of the first entry (ID_FILE_MRU_FILE1).
  virtual int GetFirstMruID() { return TKID_MDI_FILELIST; }
};

/// The commands of an MDI tab workspace. The command bars have no tab
/// workspace, so the control only clears what it generated before.
class CTKControlWorkspaceActions : public CTKControlButton {
  DECLARE_DYNCREATE(CTKControlWorkspaceActions)
 public:
  void OnCalcDynamicSize(DWORD dwMode) override;
};
