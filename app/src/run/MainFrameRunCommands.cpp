// CMainFrame: the run and build-file commands.
#include "app/MainFrame.h"

void CMainFrame::RunCommand(CMainDisplay::RunKind kind) {
  if (!m_bRunning) m_mainDisplay.RunCommand(kind);
}

void CMainFrame::OnRunAllSteps() { RunCommand(CMainDisplay::runAll); }
void CMainFrame::OnRunFromCursor() { RunCommand(CMainDisplay::runFromCursor); }
void CMainFrame::OnRunSelectedSteps() { RunCommand(CMainDisplay::runSelected); }
void CMainFrame::OnCancelRun() { m_mainDisplay.CancelRunCommand(); }

void CMainFrame::OnOpenBuildFile() { m_buildFile.OnOpenBuildFile(); }
void CMainFrame::OnCloseBuildFile() { m_buildFile.OnCloseBuildFile(); }
void CMainFrame::OnSave() { m_buildFile.OnSave(); }
void CMainFrame::OnSaveAs() { m_buildFile.OnSaveAs(); }

LRESULT CMainFrame::OnOpenLastBuildFile(WPARAM, LPARAM) {
  m_buildFile.OpenLastBuildFile();
  return 0;
}

bool CMainFrame::CanCloseFrame() {
  // A run holds the frame, the list and the executor on the stack below us:
  // it is cancelled, and its end posts the close again.
  return m_mainDisplay.CanCloseFrame() && m_buildFile.PromptToSave();
}
