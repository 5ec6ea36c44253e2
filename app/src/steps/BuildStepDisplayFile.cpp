// CBuildStepDisplay: the build file and the clipboard.
#include "app/BuildStepDisplay.h"

#include "app/AppDisplayOwner.h"
#include "app/AppRunResources.h"
#include "app/AppText.h"
#include "foundation/FileUtilities.h"
#include "uilib/UIUtilities.h"

bool CBuildStepDisplay::LoadBuildFile(const CTesselString& path) {
  if (!ClearBuildFile()) return false;
  if (!FileExists(path) || !m_fileManager.LoadBuildFile(path)) return false;
  SetRedraw(FALSE);
  RebuildEntries();
  RebuildDisplayListUnsorted();
  m_bModified = false;
  AutoSizeAllColumns();
  UpdateScrollBars();
  SetRedraw(TRUE);
  RedrawDisplay();
  return true;
}

bool CBuildStepDisplay::ClearBuildFile() {
  if (!CanChange()) return false;
  RemoveAllEntries();
  m_fileManager.Clear();
  m_bModified = false;
  if (::IsWindow(m_hWnd)) RedrawDisplay();
  return true;
}

bool CBuildStepDisplay::SaveBuildFile() {
  if (!m_fileManager.HasFilePath() || m_fileManager.GetFilePath().IsEmpty()) return false;
  return SaveBuildFileAs(m_fileManager.GetFilePath());
}

bool CBuildStepDisplay::SaveBuildFileAs(const CTesselString& path) {
  if (path.IsEmpty()) return false;
  // A failed save keeps the flag: the changes are still not on disk.
  if (!m_fileManager.SaveBuildFile(path)) return false;
  m_bModified = false;
  return true;
}

CTesselString CBuildStepDisplay::MakeClipboardText() {
  CTesselList selected;
  GetSelectedEntries(&selected);
  CTesselString text("<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<stepgroup>\r\n");
  for (void* item = selected.IterateFirst(); item != nullptr; item = selected.IterateNext()) {
    CBuildStepDisplayEntry* row = static_cast<CBuildStepDisplayEntry*>(item);
    CTesselString xml;
    if (row->m_pStep != nullptr && m_xmlManager.StepToXml(row->m_pStep, &xml) && !xml.IsEmpty()) {
      text.AddText("\r\n");
      text.AddString(xml);
    }
  }
  selected.IterateEnd();
  selected.RemoveAll();
  text.AddText("</stepgroup>\r\n");
  return text;
}

bool CBuildStepDisplay::CopyStepsToClipboard() {
  if (!HasSelection()) return false;
  CTesselString text = MakeClipboardText();
  return SetClipboardText(m_hWnd, text);
}

bool CBuildStepDisplay::CanPaste() { return IsClipboardTextAvailable(); }

bool CBuildStepDisplay::PasteStepsFromClipboard() {
  m_xmlManager.ResetParse();
  if (!IsClipboardTextAvailable() || m_pOwner == nullptr || !CanChange()) return false;
  CTesselString text = GetClipboardText();
  text.MakeNarrow(true);
  if (text.IsEmpty()) return false;

  CColumnViewControlEntry* first = GetFirstSelectedEntry();
  const int insertAt = first != nullptr ? first->GetDisplayIndex() : -1;
  CTesselList& steps = m_fileManager.GetStepList();
  CTesselList oldSteps;
  for (void* step = steps.IterateFirst(); step != nullptr; step = steps.IterateNext())
    oldSteps.AddTail(step);
  steps.IterateEnd();

  const bool parsed = m_xmlManager.ParseStepsXml(&text);
  CTesselList& pasted = m_xmlManager.GetPastedSteps();
  if (!parsed) {
    // Steps read before the error stay at the end of the list: the file has
    // changed, so it must say so.
    if (pasted.GetCount() > 0) {
      m_bModified = true;
      RebuildDisplayListUnsorted();
      AutoSizeAllColumns();
      UpdateScrollBars();
      RedrawDisplay();
    }
    m_pOwner->ShowMessage(LoadAppText(IDS_PASTE_NOT_STEPS), MB_ICONHAND, this);
  } else {
    SetRedraw(FALSE);
    m_bModified = true;
    steps.RemoveAll();
    int index = 0;
    for (void* step = oldSteps.IterateFirst(); step != nullptr; step = oldSteps.IterateNext(), ++index) {
      if (index == insertAt)
        for (void* p = pasted.IterateFirst(); p != nullptr; p = pasted.IterateNext()) steps.AddTail(p);
      if (index == insertAt) pasted.IterateEnd();
      steps.AddTail(step);
    }
    oldSteps.IterateEnd();
    if (insertAt < 0 || insertAt >= oldSteps.GetCount()) {
      for (void* p = pasted.IterateFirst(); p != nullptr; p = pasted.IterateNext()) steps.AddTail(p);
      pasted.IterateEnd();
    }
    RemoveAllEntries();
    RebuildEntries();
    RebuildDisplayListUnsorted();
    AutoSizeAllColumns();
    UpdateScrollBars();
    for (void* p = pasted.IterateFirst(); p != nullptr; p = pasted.IterateNext()) {
      CBuildStepDisplayEntry* row = FindEntryForStep(static_cast<CBuildStepDataDefinition*>(p));
      if (row != nullptr) ToggleSelection(row);
    }
    pasted.IterateEnd();
    SetRedraw(TRUE);
    RedrawDisplay();
    m_pOwner->UpdateStatusText();
  }
  oldSteps.RemoveAll();
  m_xmlManager.ResetParse();
  return parsed;
}
