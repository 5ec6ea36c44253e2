// The application's own base of its dialogs that need no more than the UI
// library's dialog base (the about dialog).
#pragma once

#include "uilib/NonResizableDialog.h"

class CMainFrame;

class CVelmoranNonResizableDialog : public CNonResizableDialog {
 public:
  CVelmoranNonResizableDialog(UINT nIDTemplate, CWnd* pParentWnd);
  ~CVelmoranNonResizableDialog() override;

  // The application's frame ----------------------------------------------------------
  /// The frame for help and messages, set by whoever opens the dialog; not
  /// owned. Held here until the frame derives from the frame base that
  /// m_pMainFrame points at.
  CMainFrame* m_pFrame = nullptr;

 protected:
  DECLARE_MESSAGE_MAP()
};
