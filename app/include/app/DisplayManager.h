// CDisplayManager: the tab control that fills the main window between its
// command bars and its status bar, with the pages "Build Steps" and
// "Variable Definition". It creates the pages' windows; the frame owns the
// page objects. UI thread only.
#pragma once

#include "uilib/TabControl.h"

class CMainFrame;

/// Control id of both pages.
const int kDisplayPageControlId = 355;

class CDisplayManager : public CTabControl {
 public:
  CDisplayManager();

  /// The tab control, then, with an owner frame, both pages as tabs 0 and 1.
  bool CreateControl(CWnd* parent) override;
  /// Covers the owner frame's display rectangle and lays out strip and pages.
  bool FitToParent() override;
  /// The page sees the click first (posted), then the tab control hit-tests it.
  void OnLButtonDown(UINT nFlags, CPoint point) override;

  virtual void OnMouseMove(UINT nFlags, CPoint point);
  virtual void OnLButtonUp(UINT nFlags, CPoint point);

  /// Set by the frame before the control is created; not owned.
  CMainFrame* m_pMainFrame;

 protected:
  /// Posts the message with the point as received to the selected page.
  void ForwardToSelectedPage(UINT message, CPoint point);

  DECLARE_MESSAGE_MAP()
};
