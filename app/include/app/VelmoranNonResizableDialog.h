// The application's own base of its dialogs that need no more than the UI
// library's dialog base (the about dialog).
#pragma once

#include "uilib/NonResizableDialog.h"

class CVelmoranNonResizableDialog : public CNonResizableDialog {
 public:
  CVelmoranNonResizableDialog(UINT nIDTemplate, CWnd* pParentWnd);
  ~CVelmoranNonResizableDialog() override;

 protected:
  DECLARE_MESSAGE_MAP()
};
