// CBuildStepDisplay: rows and steps, and the run state the drivers show.
#include "app/BuildStepDisplay.h"

#include "app/AppDisplayOwner.h"
#include "app/AppRunResources.h"
#include "app/MainDisplay.h"
#include "uilib/UIUtilities.h"

namespace {

// Row image numbers of the step types 0 .. 17 (image n draws icon n - 1).
const int kImageOfType[StepTypeCount] = {1, 2, 11, 11, 10, 12, 3, 4, 5, 6, 7, 8, 9, 13, 14, 15, 16, 17};

}  // namespace

void CBuildStepDisplayEntry::SetImageFromType() {
  if (m_pStep != nullptr && m_pStep->m_stepType >= 0 && m_pStep->m_stepType < StepTypeCount)
    m_nImage = kImageOfType[m_pStep->m_stepType];
}

CBuildStepDisplay::CBuildStepDisplay()
    : m_pOwnerDisplay(nullptr),
      m_pOwner(nullptr),
      m_bModified(false),
      m_bSizing(false),
      m_bInnerSizing(false) {
  m_fileManager.SetOwner(this);
  m_xmlManager.SetOwner(this);
  m_bMultiSelect = true;
  m_bWrap = true;
  SetBorder(false);
}

CBuildStepDisplay::~CBuildStepDisplay() {
  RemoveAllEntries();
  m_fileManager.Clear();
  m_bModified = false;
}

bool CBuildStepDisplay::CanChange() {
  return m_pOwnerDisplay == nullptr || !m_pOwnerDisplay->IsRunActive();
}

void CBuildStepDisplay::FillRow(CBuildStepDisplayEntry* row) {
  CBuildStepDataDefinition* step = row->m_pStep;
  row->SetImageFromType();
  row->SetColumnText(0, step->m_stepName);
  row->SetColumnText(1, step->GetElapsedTimeText(false));
  for (int field = 1; field < CBuildStepDataDefinition::TextFieldCount; ++field)
    row->SetColumnText(field + 1, *step->GetTextField(field));
  const COLORREF color = step->m_paused ? kPausedColor : RGB(0, 0, 0);
  for (int column = 0; column < CBuildStepDataDefinition::TextFieldCount + 1; ++column)
    row->SetColumnTextColor(column, color);
}

bool CBuildStepDisplay::AddEntryForStep(CBuildStepDataDefinition* step) {
  if (step == nullptr || m_pOwner == nullptr) return false;
  CReentrantLockGuard guard(m_lock);
  CBuildStepDisplayEntry* row = new CBuildStepDisplayEntry(step);
  row->SetImageFromType();
  if (!AddEntry(row)) {
    delete row;
    return false;
  }
  FillRow(row);
  return true;
}

bool CBuildStepDisplay::AddStep(CBuildStepDataDefinition* step, bool redraw) {
  if (step == nullptr || (redraw && !CanChange())) return false;
  CTesselList& steps = m_fileManager.GetStepList();
  if (!steps.AddTail(step)) return false;
  if (!AddEntryForStep(step)) {
    // The caller keeps the step: nothing may point at it any more.
    steps.Remove(step);
    return false;
  }
  if (redraw) {
    AutoSizeAllColumns();
    m_bModified = true;
    RedrawDisplay();
  }
  return true;
}

bool CBuildStepDisplay::RefreshEntry(CBuildStepDisplayEntry* row, bool redraw) {
  if (row == nullptr || row->m_pStep == nullptr || m_pOwner == nullptr || !CanChange()) return false;
  {
    CReentrantLockGuard guard(m_lock);
    FillRow(row);
    row->SetColumnText(1, CTesselString());
  }
  RebuildDisplayList();
  AutoSizeAllColumns();
  if (redraw) RedrawDisplay();
  m_bModified = true;
  return true;
}

bool CBuildStepDisplay::DeleteStep(CBuildStepDataDefinition* step) {
  if (!CanChange()) return false;
  CBuildStepDisplayEntry* row = FindEntryForStep(step);
  if (row == nullptr || !RemoveEntry(row->GetId(), true)) return false;
  if (!m_fileManager.GetStepList().Remove(step)) return false;
  m_bModified = true;
  delete step;
  return true;
}

CBuildStepDisplayEntry* CBuildStepDisplay::FindEntryForStep(CBuildStepDataDefinition* step) {
  CReentrantLockGuard guard(m_lock);
  for (int i = 0; i < GetDisplayCount(); ++i) {
    CBuildStepDisplayEntry* row = GetRow(i);
    if (row != nullptr && row->m_pStep == step) return row;
  }
  return nullptr;
}

bool CBuildStepDisplay::RebuildEntries() {
  CColumnViewControl::DeselectAll();
  bool added = false;
  CTesselList& steps = m_fileManager.GetStepList();
  for (void* step = steps.IterateFirst(); step != nullptr; step = steps.IterateNext())
    added = AddEntryForStep(static_cast<CBuildStepDataDefinition*>(step)) || added;
  steps.IterateEnd();
  return added;
}

int CBuildStepDisplay::GetSelectedCount() {
  CTesselList selected;
  GetSelectedEntries(&selected);
  const int count = selected.GetCount();
  selected.RemoveAll();
  return count;
}

bool CBuildStepDisplay::RebuildAfterReorder(CBuildStepDataDefinition* select) {
  SetRedraw(FALSE);
  RemoveAllEntries();
  const bool result = RebuildEntries();
  AutoSizeAllColumns();
  RebuildDisplayListUnsorted();
  CBuildStepDisplayEntry* row = FindEntryForStep(select);
  if (row != nullptr) {
    SelectById(row->GetId());
    EnsureVisible(row->GetDisplayIndex());
  }
  UpdateScrollBars();
  SetRedraw(TRUE);
  RedrawDisplay();
  m_bModified = true;
  return result;
}

namespace {

// The index of `step` in the list, the last one when it occurs twice; -1 when absent.
int IndexOfStep(CTesselList& steps, CBuildStepDataDefinition* step) {
  int found = -1;
  int index = 0;
  for (void* item = steps.IterateFirst(); item != nullptr; item = steps.IterateNext(), ++index)
    if (item == step) found = index;
  steps.IterateEnd();
  return found;
}

}  // namespace

bool CBuildStepDisplay::MoveStepUp(CBuildStepDisplayEntry* row) {
  if (row == nullptr || row->m_pStep == nullptr || !CanChange()) return false;
  CTesselList& steps = m_fileManager.GetStepList();
  const int index = IndexOfStep(steps, row->m_pStep);
  if (index <= 0) return false;
  CBuildStepDataDefinition* step = row->m_pStep;
  steps.SwapData(steps.GetAt(index), steps.GetAt(index - 1));
  return RebuildAfterReorder(step);
}

bool CBuildStepDisplay::MoveStepDown(CBuildStepDisplayEntry* row) {
  if (row == nullptr || row->m_pStep == nullptr || !CanChange()) return false;
  CTesselList& steps = m_fileManager.GetStepList();
  const int index = IndexOfStep(steps, row->m_pStep);
  if (index < 0 || index >= steps.GetCount() - 1) return false;
  CBuildStepDataDefinition* step = row->m_pStep;
  steps.SwapData(steps.GetAt(index), steps.GetAt(index + 1));
  return RebuildAfterReorder(step);
}

namespace {

void ResetRow(CBuildStepDisplayEntry* row) {
  row->SetImageFromType();
  row->m_pStep->m_elapsedTime = 0;
  row->SetColumnText(1, CTesselString());
  row->SetColumnTextColor(0, RGB(0, 0, 0));
}

}  // namespace

bool CBuildStepDisplay::ResetRunState() {
  CReentrantLockGuard guard(m_lock);
  bool any = false;
  for (int i = 0; i < GetDisplayCount(); ++i) {
    CBuildStepDisplayEntry* row = GetRow(i);
    if (row == nullptr || row->m_pStep == nullptr) continue;
    any = true;
    if (!row->m_pStep->m_paused) ResetRow(row);
  }
  return any;
}

bool CBuildStepDisplay::ResetRunStateOfSelection() {
  CReentrantLockGuard guard(m_lock);
  bool any = false;
  for (int i = 0; i < GetDisplayCount(); ++i) {
    CBuildStepDisplayEntry* row = GetRow(i);
    if (row == nullptr || row->m_pStep == nullptr || !row->m_bSelected) continue;
    any = true;
    if (!row->m_pStep->m_paused) ResetRow(row);
  }
  return any;
}

bool CBuildStepDisplay::UpdateElapsedTime(CBuildStepDisplayEntry* row) {
  if (row == nullptr || row->m_pStep == nullptr) return false;
  {
    CReentrantLockGuard guard(m_lock);
    row->m_pStep->UpdateElapsedTime();
    row->SetColumnText(1, row->m_pStep->GetElapsedTimeText(true));
  }
  AutoSizeAllColumns();
  RedrawDisplay();
  return true;
}

bool CBuildStepDisplay::SetStepResult(CBuildStepDisplayEntry* row, bool success) {
  if (row == nullptr || row->m_pStep == nullptr || m_pOwner == nullptr) return false;
  if (row->m_pStep->m_paused) return true;
  {
    CReentrantLockGuard guard(m_lock);
    row->m_pStep->UpdateElapsedTime();
    row->SetImageFromType();
    row->SetColumnText(1, row->m_pStep->GetElapsedTimeText(true));
    row->SetColumnTextColor(0, success ? kSuccessColor : kFailureColor);
  }
  FitEntriesToColumns();
  AutoSizeAllColumns();
  RedrawDisplay();
  return true;
}
