// CBuildFileCommands: opening, closing and saving the build file.
#include "app/BuildFileCommands.h"

#include <string.h>

#include "app/AppDisplayOwner.h"
#include "app/AppRunResources.h"
#include "app/AppText.h"
#include "app/MainDisplay.h"
#include "foundation/FileUtilities.h"
#include "uilib/BrowseForFile.h"

const char CBuildFileCommands::kLastFileSection[] = "Options";
const char CBuildFileCommands::kLastFileKey[] = "LastBuildFilePath";
const char CBuildFileCommands::kExtension[] = ".velm";

namespace {

// Pairs of description and pattern, the whole ending in an extra NUL.
const char kFilter[] = "Velmoran Files\0*.velm\0All Files\0*.*\0";

}  // namespace

CBuildFileCommands::CBuildFileCommands(IAppDisplayOwner* owner, CMainDisplay* display)
    : m_pOwner(owner), m_pDisplay(display) {}

CTesselString CBuildFileCommands::AskOpenPath() {
  CBrowseForFile browse;
  browse.m_pOwner = m_pOwner->GetFrameWindow();
  return browse.BrowseForOpenFile(kFilter, sizeof(kFilter), false);
}

CTesselString CBuildFileCommands::AskSavePath() {
  CBrowseForFile browse;
  browse.m_pOwner = m_pOwner->GetFrameWindow();
  return browse.BrowseForSaveFile(kFilter, sizeof(kFilter), nullptr, true);
}

bool CBuildFileCommands::OpenBuildFile(const CTesselString& path) {
  if (path.IsEmpty() || !FileExists(path) || m_pDisplay->IsRunActive()) return false;
  m_pOwner->WriteSetting(kLastFileSection, kLastFileKey, path);
  CWaitCursor wait;
  // Rows of the old file's variables must not outlive the records loading deletes.
  m_pOwner->ClearVariables();
  const bool loaded = m_pDisplay->LoadBuildFile(path);
  if (loaded) m_pOwner->ReloadVariables();
  m_pOwner->UpdateStatusText();
  UpdateTitle();
  return loaded;
}

bool CBuildFileCommands::OnOpenBuildFile() {
  const CTesselString path = AskOpenPath();
  if (path.IsEmpty() || !OnCloseBuildFile()) return false;
  const bool opened = OpenBuildFile(path);
  m_pOwner->RefreshCommandBars();
  return opened;
}

bool CBuildFileCommands::OnCloseBuildFile() {
  if (m_pDisplay->IsRunActive() || !PromptToSave()) return false;
  {
    CWaitCursor wait;
    m_pDisplay->ClearBuildFile();
    m_pOwner->ClearVariables();
    m_pDisplay->GetStepDisplay().GetFileManager().Close();
    UpdateTitle();
  }
  m_pOwner->RefreshCommandBars();
  m_pOwner->UpdateStatusText();
  return true;
}

bool CBuildFileCommands::PromptToSave() {
  if (!IsModified()) return true;
  const CTesselString question = m_pDisplay->HasBuildFilePath()
                                     ? FormatAppText(IDS_SAVE_CHANGES_TO_QUESTION, m_pDisplay->GetBuildFilePath())
                                     : LoadAppText(IDS_SAVE_CHANGES_QUESTION);
  const int answer = m_pOwner->ShowMessage(question, MB_YESNO | MB_ICONHAND, m_pOwner->GetFrameWindow());
  if (answer == IDNO) return true;
  // Yes goes on only once the changes are on disk; Esc keeps everything.
  return answer == IDYES && OnSave();
}

bool CBuildFileCommands::OnSave() {
  return m_pDisplay->GetBuildFilePath().IsEmpty() ? OnSaveAs() : SaveBuildFile();
}

CTesselString CBuildFileCommands::WithExtension(const CTesselString& path) {
  CTesselString result(path);
  if (result.FindNoCase(kExtension, 0) < 0) result.AddText(kExtension);
  return result;
}

bool CBuildFileCommands::OnSaveAs() {
  const CTesselString path = AskSavePath();
  if (path.IsEmpty()) return false;
  const bool saved = SaveBuildFileAs(WithExtension(path));
  m_pOwner->UpdateStatusText();
  return saved;
}

void CBuildFileCommands::AfterSave() {
  m_pOwner->UpdateStatusText();
  m_pOwner->RefreshCommandBars();
  UpdateTitle();
}

bool CBuildFileCommands::SaveBuildFile() {
  bool saved;
  {
    CWaitCursor wait;
    saved = m_pDisplay->SaveBuildFile();
  }
  if (!saved)
    m_pOwner->ShowMessage(FormatAppText(IDS_SAVE_FAILED, m_pDisplay->GetBuildFilePath()), MB_OK | MB_ICONHAND,
                          m_pOwner->GetFrameWindow());
  else
    m_pOwner->ClearVariablesModified();
  AfterSave();
  return saved;
}

bool CBuildFileCommands::SaveBuildFileAs(const CTesselString& path) {
  bool saved;
  {
    CWaitCursor wait;
    saved = m_pDisplay->SaveBuildFileAs(path);
  }
  if (!saved)
    m_pOwner->ShowMessage(FormatAppText(IDS_SAVE_FAILED, path), MB_OK | MB_ICONHAND, m_pOwner->GetFrameWindow());
  else
    m_pOwner->ClearVariablesModified();
  AfterSave();
  return saved;
}

bool CBuildFileCommands::IsModified() { return m_pDisplay->IsModified() || m_pOwner->AreVariablesModified(); }

CTesselString CBuildFileCommands::GetTitle() {
  if (!m_pDisplay->HasBuildFilePath()) return LoadAppText(IDR_MAINFRAME);
  return FormatAppText(IDS_TITLE_WITH_PATH, m_pDisplay->GetBuildFilePath());
}

void CBuildFileCommands::UpdateTitle() {
  CWnd* frame = m_pOwner->GetFrameWindow();
  if (frame == nullptr || !::IsWindow(frame->m_hWnd)) return;
  CTesselString title = GetTitle();
  frame->SetWindowText(title.GetText());
}

bool CBuildFileCommands::OpenLastBuildFile() {
  CTesselString path;
  if (!m_pOwner->ReadSetting(kLastFileSection, kLastFileKey, &path) || path.IsEmpty()) return false;
  return OpenBuildFile(path);
}
