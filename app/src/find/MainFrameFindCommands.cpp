// CMainFrame: finding and replacing text in the steps.
#include "app/MainFrame.h"

void CMainFrame::OnFindText() {}
void CMainFrame::OnFindAndReplace() {}
