// CMainFrame: the step-editing commands and the about box. Every handler
// checks its own condition again: the commands also come from keys, the
// list's double click and its Delete key, which see no enable rule. While a
// run walks the list, nothing here changes it.
#include "app/AboutDialog.h"
#include "app/AppDisplayOwner.h"
#include "app/AppResources.h"
#include "app/AppSystem.h"
#include "app/EditStepDialog.h"
#include "app/MainFrame.h"
#include "engine/BuildStepDataDefinition.h"
#include "foundation/TimeUtilities.h"

namespace {

bool IsRunActive(CMainFrame& frame) {
  return frame.IsRunning() || frame.GetMainDisplay().IsRunActive();
}

/// The one selected row, or null when not exactly one row is selected.
CBuildStepDisplayEntry* SingleSelectedRow(CBuildStepDisplay& list) {
  if (list.GetSelectedCount() != 1) return nullptr;
  CBuildStepDisplayEntry* row = static_cast<CBuildStepDisplayEntry*>(list.GetFirstSelectedEntry());
  return row != nullptr && row->m_pStep != nullptr ? row : nullptr;
}

/// The status text (when asked) and the command bars after a command.
void RefreshFrame(CMainFrame& frame, bool status) {
  IAppDisplayOwner* owner = frame.GetMainDisplay().GetOwner();
  if (owner == nullptr) {
    if (frame.GetCommandBars() != nullptr) frame.GetCommandBars()->RefreshAllBars();
    return;
  }
  if (status) owner->UpdateStatusText();
  owner->RefreshCommandBars();
}

/// After rows went or changed colour: back to the top, rows and columns
/// laid out again.
void RelayOutFromTop(CBuildStepDisplay& list) {
  list.m_nFirstVisible = 0;
  list.RebuildDisplayList();
  list.UpdateScrollBars();
  list.AutoSizeAllColumns();
  list.RedrawDisplay();
}

void PrepareStepDialog(CMainFrame& frame, CAddStepDialog& dialog) {
  dialog.m_pFrame = &frame;
  dialog.m_pStepDisplay = &frame.GetMainDisplay().GetStepDisplay();
}

/// The edit dialog on `row`; true when it ended with OK.
bool RunEditDialog(CMainFrame& frame, CBuildStepDisplayEntry* row, bool copy) {
  CEditStepDialog dialog(&frame);
  PrepareStepDialog(frame, dialog);
  dialog.m_pEntry = row;
  dialog.m_bCopy = copy;
  return AppSystem()->RunDialog(&dialog) == IDOK;
}

void SetPausedOfSelection(CMainFrame& frame, bool paused) {
  CBuildStepDisplay& list = frame.GetMainDisplay().GetStepDisplay();
  if (!IsRunActive(frame) && list.GetSelectedCount() > 0) {
    CTesselList rows;
    list.GetSelectedEntries(&rows);
    for (int i = 0; i < rows.GetCount(); ++i) {
      CBuildStepDisplayEntry* row = static_cast<CBuildStepDisplayEntry*>(rows.GetAt(i));
      if (row == nullptr || row->m_pStep == nullptr) continue;
      row->m_pStep->m_paused = paused;
      list.RefreshEntry(row, true);
    }
    rows.RemoveAll();
    RelayOutFromTop(list);
  }
  RefreshFrame(frame, true);
}

}  // namespace

void CMainFrame::OnAddBuildStep() {
  if (!IsRunActive(*this)) {
    CAddStepDialog dialog(this, IDD_BUILD_STEP);
    PrepareStepDialog(*this, dialog);
    if (AppSystem()->RunDialog(&dialog) == IDOK) {
      CBuildStepDisplay& list = m_mainDisplay.GetStepDisplay();
      list.RebuildDisplayList();
      list.AutoSizeAllColumns();
    }
  }
  RefreshFrame(*this, true);
}

void CMainFrame::OnEditBuildStep() {
  CBuildStepDisplay& list = m_mainDisplay.GetStepDisplay();
  CBuildStepDisplayEntry* row = SingleSelectedRow(list);
  if (row != nullptr && !IsRunActive(*this) && RunEditDialog(*this, row, false))
    list.RefreshEntry(row, true);
  RefreshFrame(*this, false);
}

void CMainFrame::OnCopyBuildStep() {
  CBuildStepDisplay& list = m_mainDisplay.GetStepDisplay();
  CBuildStepDisplayEntry* row = SingleSelectedRow(list);
  if (row != nullptr && !IsRunActive(*this)) {
    // The copy is a step of its own: it starts unpaused and unrun.
    CBuildStepDataDefinition* copy = new CBuildStepDataDefinition;
    copy->CopyFrom(*row->m_pStep);
    copy->SetStartTime(GetCurrentUtcTime());
    copy->m_elapsedTime = 0;
    CBuildStepDisplayEntry* copyRow = nullptr;
    if (!list.AddStep(copy, true))
      delete copy;
    else
      copyRow = list.FindEntryForStep(copy);
    if (copyRow != nullptr) {
      list.DeselectAll();
      list.SelectById(copyRow->GetId());
      list.RedrawDisplay();
      if (RunEditDialog(*this, copyRow, true)) {
        list.RefreshEntry(copyRow, true);
        list.RebuildDisplayList();
        list.AutoSizeAllColumns();
      }
    }
  }
  RefreshFrame(*this, true);
}

void CMainFrame::OnDeleteBuildSteps() {
  CBuildStepDisplay& list = m_mainDisplay.GetStepDisplay();
  if (!IsRunActive(*this) && list.GetSelectedCount() > 0) {
    CTesselString question;
    question.LoadString(IDS_DELETE_STEPS_QUESTION, AfxGetResourceHandle());
    if (ShowMessage(this, question, MB_YESNO | MB_ICONHAND | MB_DEFBUTTON2) == IDYES) {
      CTesselList rows;
      list.GetSelectedEntries(&rows);
      for (int i = 0; i < rows.GetCount(); ++i) {
        CBuildStepDisplayEntry* row = static_cast<CBuildStepDisplayEntry*>(rows.GetAt(i));
        if (row != nullptr) list.DeleteStep(row->m_pStep);
      }
      rows.RemoveAll();
      RelayOutFromTop(list);
    }
  }
  RefreshFrame(*this, true);
}

void CMainFrame::OnMoveStepUp() {
  CBuildStepDisplayEntry* row = SingleSelectedRow(m_mainDisplay.GetStepDisplay());
  if (row != nullptr && !IsRunActive(*this)) m_mainDisplay.GetStepDisplay().MoveStepUp(row);
  RefreshFrame(*this, false);
}

void CMainFrame::OnMoveStepDown() {
  CBuildStepDisplayEntry* row = SingleSelectedRow(m_mainDisplay.GetStepDisplay());
  if (row != nullptr && !IsRunActive(*this)) m_mainDisplay.GetStepDisplay().MoveStepDown(row);
  RefreshFrame(*this, false);
}

void CMainFrame::OnPauseSelectedSteps() { SetPausedOfSelection(*this, true); }

void CMainFrame::OnResumeSelectedSteps() { SetPausedOfSelection(*this, false); }

void CMainFrame::OnSelectAllSteps() {
  CBuildStepDisplay& list = m_mainDisplay.GetStepDisplay();
  list.SelectAll();
  list.RedrawDisplay();
}

void CMainFrame::OnCopyStepsToClipboard() { m_mainDisplay.GetStepDisplay().CopyStepsToClipboard(); }

void CMainFrame::OnPasteSteps() {
  if (!IsRunActive(*this)) m_mainDisplay.GetStepDisplay().PasteStepsFromClipboard();
}

void CMainFrame::OnAppAbout() {
  CAboutDialog dialog(this);
  dialog.m_pFrame = this;
  AppSystem()->RunDialog(&dialog);
  // Closed only now: the dialog and this handler are gone from the stack
  // before the frame goes.
  if (dialog.IsUpdateStarted()) PostMessage(WM_CLOSE);
}
