// The main window's status bar: four panes whose ids equal their indexes,
// where setting a pane's text also sizes the pane to that text.
#pragma once

#include <afxwin.h>

#include "commandbars/TKStatusBar.h"
#include "foundation/TesselString.h"

class CApplicationMainFrameStatusBarContext;

/// Pane 0 stretches and carries the general status text, pane 1 the
/// secondary text, pane 2 the elapsed time of a run. UI thread only.
class CStatusBarManager : public CTKStatusBar {
 public:
  /// The pane width of an empty text, and what a measured text gets added.
  static const int kEmptyPaneWidth = 50;
  static const int kTextPadding = 30;

  CStatusBarManager();
  ~CStatusBarManager() override;

  /// Creates the bar at the bottom of `pParent` with its four panes; false
  /// for no parent or when the window or its panes cannot be made.
  bool CreateStatusBar(CWnd* pParent);
  bool AllocateIndicators();
  /// Every pane back to id = index, 50 wide, pane 0 stretching.
  bool ResetPanes();

  /// Sets the text and fits the pane to it; the bar is repainted either way.
  /// False when there is no such pane.
  bool SetPaneText(int nIndex, CTesselString* pText);
  bool SetPane0Text(CTesselString* pText) { return SetPaneText(0, pText); }
  bool SetPane1Text(CTesselString* pText) { return SetPaneText(1, pText); }
  /// The pane gets its index as id and the text's width (in the bar's font)
  /// plus 30, or 50 for an empty text. Always false.
  bool FitPaneToText(int nIndex, CTesselString* pText);

  /// By command id; false when there is no such pane.
  bool HidePane(int nId);
  bool ShowPane(int nId);
  bool HidePane1() { return HidePane(1); }
  bool ShowPane1() { return ShowPane(1); }

  /// The text and visibility of the panes with ids 0 to 3; true when any
  /// was found.
  bool CollectPaneStates(CApplicationMainFrameStatusBarContext* pContext);

  /// Removes the pane text's '&'s before the toolkit draws it.
  void DrawPaneEntry(CDC* pDC, int nIndex, CRect rcItem) override;
  bool RemoveAmpersandsFromPane(int nIndex);
  /// The text without any '&', in its own width.
  static CTesselString StripAmpersands(CTesselString text);

  CWnd* GetParentFrame() const { return m_pParent; }
  int GetPaneCountSetting() const { return m_nPaneCount; }

 protected:
  bool ShowPaneById(int nId, bool bShow);

  UINT* m_pIndicators;
  CWnd* m_pParent;
  int m_nPaneCount;
  /// The bar's DC while FitPaneToText measures.
  HDC m_hMeasureDC;
};
