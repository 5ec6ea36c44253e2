// CMainFrame: the run and build-file commands.
#include "app/MainFrame.h"

void CMainFrame::OnRunSelectedSteps() {}
void CMainFrame::OnCancelRun() {}
void CMainFrame::OnCloseBuildFile() {}
void CMainFrame::OnOpenBuildFile() {}
void CMainFrame::OnRunAllSteps() {}
void CMainFrame::OnRunFromCursor() {}
void CMainFrame::OnSaveAs() {}
void CMainFrame::OnSave() {}
