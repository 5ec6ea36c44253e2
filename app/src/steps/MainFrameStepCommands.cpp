// CMainFrame: the step-editing commands and the about box.
#include "app/MainFrame.h"

void CMainFrame::OnAddBuildStep() {}
void CMainFrame::OnCopyBuildStep() {}
void CMainFrame::OnCopyStepsToClipboard() {}
void CMainFrame::OnDeleteBuildSteps() {}
void CMainFrame::OnEditBuildStep() {}
void CMainFrame::OnMoveStepDown() {}
void CMainFrame::OnMoveStepUp() {}
void CMainFrame::OnPasteSteps() {}
void CMainFrame::OnPauseSelectedSteps() {}
void CMainFrame::OnResumeSelectedSteps() {}
void CMainFrame::OnSelectAllSteps() {}
void CMainFrame::OnAppAbout() {}
