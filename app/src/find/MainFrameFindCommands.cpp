// CMainFrame: finding and replacing text in the steps.
#include "app/AppSystem.h"
#include "app/FindAndReplaceDialog.h"
#include "app/FindDialog.h"
#include "app/MainFrame.h"

void CMainFrame::OnFindText() {
  CBuildStepDisplay& list = m_mainDisplay.GetStepDisplay();
  if (list.GetEntryCount() < 1) return;
  CFindDialog dialog;
  dialog.m_pFrame = this;
  dialog.m_pList = &list;
  AppSystem()->RunDialog(&dialog);
  // The highlight belongs to the open dialog only.
  list.m_bFindActive = false;
  list.RedrawDisplay();
}

void CMainFrame::OnFindAndReplace() {
  CBuildStepDisplay& list = m_mainDisplay.GetStepDisplay();
  if (list.GetEntryCount() < 1 || m_bRunning) return;
  CFindAndReplaceDialog dialog;
  dialog.m_pFrame = this;
  dialog.m_pList = &list;
  if (AppSystem()->RunDialog(&dialog) == IDOK) list.RedrawDisplay();
}
