// The bar states of one save or load: a record per tool bar, and the screen
// sizes between which loaded positions are scaled.
#pragma once

#include <afxtempl.h>
#include <afxwin.h>

#include "commandbars/TKToolBar.h"

class CTKCommandBarsDockState {
 public:
  /// Takes the current screen size from the command bars' system.
  CTKCommandBarsDockState();
  /// Deletes the records.
  ~CTKCommandBarsDockState();
  CTKCommandBarsDockState(const CTKCommandBarsDockState&) = delete;
  CTKCommandBarsDockState& operator=(const CTKCommandBarsDockState&) = delete;

  /// The records as "<profile>-Bar<n>" sections from 0 on and the
  /// "<profile>-Summary" with their number and the screen size.
  void SaveState(LPCTSTR lpszProfileName);
  /// Reads the summary and the records it counts. A count larger than the
  /// sections the profile holds stops at the first missing one.
  void LoadState(LPCTSTR lpszProfileName);
  /// Scaling is on when both sizes are given and differ from the current one.
  void SetSavedScreenSize(CSize szSaved);
  BOOL IsScaling() const { return m_bScaling; }
  /// Scales a position to this screen and keeps an icon's size of it on the
  /// work area of its monitor.
  void ScalePoint(CPoint& pt) const;
  /// Moves a rectangle to its scaled corner (its size kept) and back onto
  /// the nearest work area.
  void ScaleRect(CRect& rc) const;
  void RemoveAll();

  /// The records, owned.
  CArray<CTKToolBar::CToolBarInfo*, CTKToolBar::CToolBarInfo*> m_arrBarInfo;
  int m_nVersion;

 private:
  BOOL m_bScaling;
  CSize m_szScreen;
  CSize m_szSavedScreen;
};
