// Menus shown as the command bars' pop-up bars, for controls of this layer.
#pragma once

#include <afxwin.h>

class CTKImageManager;

/// What the command bars supply so that controls of this layer can show a
/// menu as a toolkit pop-up bar. The command bars install one; until then
/// menus are shown as plain Win32 menus.
class ITKPopupMenuTracker {
 public:
  /// Shows the menu modally at x, y (screen) with TrackPopupMenu's flags and
  /// the icons of pImageManager (null: none); the chosen command goes to
  /// pOwner as WM_COMMAND. The command with TPM_RETURNCMD, else the result
  /// of the tracking.
  virtual UINT TrackPopupMenu(CMenu* pMenu, UINT nFlags, int x, int y, CWnd* pOwner,
                              CTKImageManager* pImageManager) = 0;

 protected:
  ~ITKPopupMenuTracker() = default;
};

/// Installs the tracker (null: plain Win32 menus); returns the previous one.
ITKPopupMenuTracker* SetPopupMenuTracker(ITKPopupMenuTracker* pTracker);

/// Shows the menu as a pop-up bar: with the icons of tool-bar resource
/// nToolBarId when it is positive, and TPM_NONOTIFY added with bNoNotify.
UINT TrackCommandBarsPopupMenu(CMenu* pMenu, UINT nFlags, int x, int y, CWnd* pOwner,
                               UINT nToolBarId, BOOL bNoNotify);
