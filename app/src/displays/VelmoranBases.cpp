// The application's display and dialog bases: empty message maps over the
// UI library's.
#include "app/VelmoranNativeDisplayControl.h"
#include "app/VelmoranNonResizableDialog.h"

BEGIN_MESSAGE_MAP(CVelmoranNativeDisplayControl, CNativeDisplayControl)
END_MESSAGE_MAP()

CVelmoranNativeDisplayControl::CVelmoranNativeDisplayControl() {}

CVelmoranNativeDisplayControl::~CVelmoranNativeDisplayControl() {}

BEGIN_MESSAGE_MAP(CVelmoranNonResizableDialog, CNonResizableDialog)
END_MESSAGE_MAP()

CVelmoranNonResizableDialog::CVelmoranNonResizableDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : CNonResizableDialog(nIDTemplate, pParentWnd) {}

CVelmoranNonResizableDialog::~CVelmoranNonResizableDialog() {}
