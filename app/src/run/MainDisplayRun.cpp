// CMainDisplay: the run drivers, the frame's run commands and the run's texts.
#include "app/MainDisplay.h"

#include "app/AppDisplayOwner.h"
#include "app/AppRunResources.h"
#include "app/AppText.h"
#include "app/RunMessagePump.h"
#include "foundation/TimeUtilities.h"

bool CMainDisplay::RunCommand(RunKind kind) {
  if (m_bRunActive) return false;
  m_bRunActive = true;
  if (m_pOwner != nullptr) m_pOwner->RefreshCommandBars();
  if (::IsWindow(m_hWnd)) RedrawDisplay();
  switch (kind) {
    case runAll: RunAllSteps(); break;
    case runFromCursor: RunFromCursor(); break;
    case runSelected: RunSelectedSteps(); break;
  }
  m_bRunActive = false;
  if (m_pOwner != nullptr) {
    m_pOwner->RefreshCommandBars();
    if (kind == runSelected) m_pOwner->UpdateStatusText();
  }
  if (::IsWindow(m_hWnd)) RedrawDisplay();
  if (m_bCloseAfterRun) {
    // The frame was asked to close during the run; now nothing runs under it.
    m_bCloseAfterRun = false;
    CWnd* frame = m_pOwner != nullptr ? m_pOwner->GetFrameWindow() : nullptr;
    if (frame != nullptr && ::IsWindow(frame->m_hWnd)) frame->PostMessage(WM_CLOSE, 0, 0);
  }
  return true;
}

bool CMainDisplay::CancelRunCommand() {
  const bool wasRunning = CancelRun();
  if (m_pOwner != nullptr) m_pOwner->RefreshCommandBars();
  if (::IsWindow(m_hWnd)) RedrawDisplay();
  return wasRunning;
}

bool CMainDisplay::CanCloseFrame() {
  if (!m_bRunActive) return true;
  m_bCloseAfterRun = true;
  CancelRun();
  return false;
}

bool CMainDisplay::BeginRun() {
  if (m_pOwner == nullptr) return false;
  CWnd* frame = m_pOwner->GetFrameWindow();
  m_hFrame = frame != nullptr ? frame->m_hWnd : NULL;
  m_runStartTime = m_runEndTime = GetCurrentUtcTime();
  m_bTimingActive = true;
  m_timer.Enable();
  m_pOwner->SetExitCode(0);
  m_executor.SetRunning(true);
  return true;
}

bool CMainDisplay::RunRows(CTesselList& rows) {
  bool result = true;
  for (int i = 0; i < rows.GetCount() && result && m_executor.IsRunning(); ++i) {
    CBuildStepDisplayEntry* row = static_cast<CBuildStepDisplayEntry*>(rows.GetAt(i));
    m_stepDisplay.DeselectAll();
    m_stepDisplay.SelectById(row->GetId());
    m_stepDisplay.EnsureVisible(row->GetDisplayIndex());
    if (::IsWindow(m_stepDisplay.m_hWnd)) m_stepDisplay.RedrawDisplay();
    PumpMessages();
    m_pOwner->UpdateStatusText();
    if (!ExecuteEntry(row)) {
      m_pOwner->SetExitCode(1);
      result = false;
    }
    if (!m_executor.IsRunning() && row->m_pStep != nullptr) m_stepDisplay.SetStepResult(row, false);
  }
  return result;
}

bool CMainDisplay::FinishRun(bool result) {
  if (!m_executor.IsRunning()) {
    m_logDisplay.AddCancelledEntry();
    m_pOwner->SetExitCode(1);
  }
  EndRun();
  return result;
}

namespace {

// The rows from display index `first` to the end.
void CollectRows(CBuildStepDisplay& display, int first, CTesselList* rows) {
  for (int i = first; i < display.GetDisplayCount(); ++i)
    if (display.GetEntryAt(i) != nullptr) rows->AddTail(display.GetEntryAt(i));
}

}  // namespace

bool CMainDisplay::RunAllSteps() {
  if (!BeginRun()) return false;
  m_logDisplay.RemoveAllEntries();
  m_stepDisplay.ResetRunState();
  CTesselList rows;
  CollectRows(m_stepDisplay, 0, &rows);
  bool result = false;
  if (rows.GetCount() > 0) {
    m_pOwner->UpdateElapsedTime();
    result = RunRows(rows);
  }
  rows.RemoveAll();
  return FinishRun(result);
}

bool CMainDisplay::RunFromCursor() {
  if (!BeginRun()) return false;
  bool result = false;
  CTesselList rows;
  if (m_stepDisplay.GetSelectedCount() == 1) {
    m_stepDisplay.ResetRunStateOfSelection();
    m_pOwner->UpdateElapsedTime();
    CollectRows(m_stepDisplay, m_stepDisplay.GetFirstSelectedEntry()->GetDisplayIndex(), &rows);
    if (rows.GetCount() > 0) result = RunRows(rows);
  }
  rows.RemoveAll();
  return FinishRun(result);
}

bool CMainDisplay::RunSelectedSteps() {
  if (!BeginRun()) return false;
  bool result = false;
  CTesselList rows;
  if (m_stepDisplay.GetSelectedCount() >= 1) {
    m_stepDisplay.ResetRunStateOfSelection();
    m_stepDisplay.GetSelectedEntries(&rows);
    if (rows.GetCount() > 0) {
      m_pOwner->UpdateElapsedTime();
      result = RunRows(rows);
    }
  }
  result = FinishRun(result);
  // The user's selection comes back; the last row run stays selected too.
  for (int i = 0; i < rows.GetCount(); ++i)
    m_stepDisplay.SelectById(static_cast<CColumnViewControlEntry*>(rows.GetAt(i))->GetId());
  rows.RemoveAll();
  return result;
}

bool CMainDisplay::ExecuteEntry(CBuildStepDisplayEntry* row) {
  if (row == nullptr || row->m_pStep == nullptr) return false;
  m_pCurrentEntry = row;
  row->m_pStep->SetStartTime(GetCurrentUtcTime());
  const bool result = m_executor.ExecuteStep(row->m_pStep);
  m_stepDisplay.SetStepResult(row, result);
  m_pCurrentEntry = nullptr;
  return result;
}

bool CMainDisplay::CancelRun() {
  const bool wasRunning = m_executor.IsRunning();
  m_executor.CancelCurrentStep();
  return wasRunning;
}

bool CMainDisplay::EndRun() {
  m_timer.Disable();
  m_runEndTime = GetCurrentUtcTime();
  m_bTimingActive = false;
  const HWND frame = m_hFrame;
  if (m_pOwner == nullptr || frame == NULL) return false;
  // A last refresh shows the final elapsed time.
  ::PostMessageA(frame, WM_APP_ELAPSEDTIME, 0, 0);
  return true;
}

bool CMainDisplay::GetElapsedTimeText(CTesselString* text) {
  const int64_t end = m_bTimingActive ? GetCurrentUtcTime() : m_runEndTime;
  int32_t days = 0, hours = 0, minutes = 0, seconds = 0, milliseconds = 0;
  if (text == nullptr ||
      !SplitTimeSpan(GetTimeSpan(m_runStartTime, end), &days, &hours, &minutes, &seconds, &milliseconds))
    return false;
  if (days >= 1) {
    CTesselString dayText;
    dayText.Format("%ld %s%s  ", static_cast<long>(days), "day", days >= 2 ? "s" : "");
    text->AddString(dayText);
  }
  CTesselString clock;
  clock.Format("Elapsed Time: %02ld:%02ld:%02ld", static_cast<long>(hours), static_cast<long>(minutes),
               static_cast<long>(seconds));
  text->AddString(clock);
  return true;
}

CTesselString CMainDisplay::GetStepStatusText() {
  CTesselString text;
  if (GetBuildFilePath().IsEmpty()) return text;
  const long steps = m_stepDisplay.GetStepCount();
  if (steps == 1) return LoadAppText(IDS_ONE_STEP);
  if (m_stepDisplay.GetSelectedCount() == 1) {
    CColumnViewControlEntry* row = m_stepDisplay.GetFirstSelectedEntry();
    if (row != nullptr)
      text.FormatString(LoadAppText(IDS_STEP_OF_STEPS), static_cast<long>(row->GetDisplayIndex() + 1),
                        steps);
    return text;
  }
  text.FormatString(LoadAppText(IDS_STEP_COUNT), steps);
  return text;
}

bool CMainDisplay::PumpMessages() { return DispatchRunMessages(); }
