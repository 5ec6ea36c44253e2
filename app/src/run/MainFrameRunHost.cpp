// CMainFrame as the run host of the step executor and the owner of the panes:
// the build file's variables, the wait of a process step, the status texts,
// the exit code and the frame's services the panes reach.
#include "app/AppResources.h"
#include "app/AppRunResources.h"
#include "app/MainFrame.h"
#include "app/RunMessagePump.h"
#include "app/VelmoranApp.h"
#include "commandbars/TKCommandBars.h"

namespace {

/// Status panes of the step text and of the elapsed time.
const int kStepPane = 1;
const int kElapsedPane = 2;

}  // namespace

void CMainFrame::AttachRunPanes() {
  m_mainDisplay.SetOwner(this);
  m_mainDisplay.SetRunHost(this);
  m_variableDisplay.SetOwner(this);
}

void CMainFrame::FillRunState(CFrameCommandState* state) {
  CBuildStepDisplay& steps = m_mainDisplay.GetStepDisplay();
  state->running = state->running || m_mainDisplay.IsRunActive();
  state->rows = steps.GetDisplayCount();
  state->selectedRows = steps.GetSelectedCount();
  state->hasPath = m_mainDisplay.HasBuildFilePath();
  state->modified = IsModified();
  state->logEntries = m_mainDisplay.GetLogDisplay().GetEntryCount() > 0;
}

// The run host -----------------------------------------------------------------------

CTesselString CMainFrame::GetBuildFilePath() { return m_mainDisplay.GetBuildFilePath(); }

CVariableDefDataDefinition* CMainFrame::GetFirstVariable() {
  return m_mainDisplay.GetStepDisplay().GetFileManager().GetFirstVariable();
}

CVariableDefDataDefinition* CMainFrame::GetNextVariable() {
  return m_mainDisplay.GetStepDisplay().GetFileManager().GetNextVariable();
}

void CMainFrame::EndVariableIteration() {
  m_mainDisplay.GetStepDisplay().GetFileManager().EndVariableIteration();
}

CTesselString CMainFrame::GetNestedBuildProgram() {
  char path[MAX_PATH] = "";
  const DWORD length = ::GetModuleFileNameA(NULL, path, sizeof(path));
  // A cut path would start some other program.
  if (length == 0 || length >= sizeof(path)) return CTesselString();
  return CTesselString(path);
}

DWORD CMainFrame::WaitForStepHandles(DWORD count, const HANDLE* handles) {
  return WaitForHandlesDispatching(count, handles);
}

// The panes' owner -----------------------------------------------------------------

int CMainFrame::ShowMessage(const CTesselString& text, UINT style, CWnd* parent) {
  return ShowMessage(parent, text, style);
}

UINT CMainFrame::TrackPopupMenu(CMenu* popup, UINT flags, int x, int y, CWnd* window) {
  return CApplicationMainFrame::TrackPopupMenu(popup, flags, x, y, window);
}

bool CMainFrame::ReadSetting(const char* section, const char* key, CTesselString* value) {
  return ReadProfileString(section, key, value);
}

bool CMainFrame::WriteSetting(const char* section, const char* key, const CTesselString& value) {
  return WriteProfileString(section, key, value);
}

bool CMainFrame::UpdateStatusText() {
  if (!::IsWindow(m_statusBarManager.m_hWnd) || !m_statusBarManager.IsVisible()) return false;
  CReentrantLockGuard guard(m_statusLock);
  // Without a text the pane stays, empty and narrow.
  CTesselString text = m_mainDisplay.GetStepStatusText();
  m_statusBarManager.ShowPane(kStepPane);
  return m_statusBarManager.SetPaneText(kStepPane, &text) && !text.IsEmpty();
}

bool CMainFrame::UpdateElapsedTime() {
  CBuildStepDisplayEntry* running = m_mainDisplay.GetCurrentEntry();
  if (running != nullptr && running->m_pStep != nullptr)
    m_mainDisplay.GetStepDisplay().UpdateElapsedTime(running);
  if (!::IsWindow(m_statusBarManager.m_hWnd) || !m_statusBarManager.IsVisible()) return false;
  CReentrantLockGuard guard(m_statusLock);
  m_statusBarManager.HidePane(kElapsedPane);
  CTesselString text;
  if (!m_mainDisplay.GetElapsedTimeText(&text) || text.IsEmpty()) return false;
  m_statusBarManager.ShowPane(kElapsedPane);
  return m_statusBarManager.SetPaneText(kElapsedPane, &text);
}

LRESULT CMainFrame::OnElapsedTimeMessage(WPARAM, LPARAM) {
  UpdateElapsedTime();
  return 0;
}

void CMainFrame::RefreshCommandBars() {
  CTKCommandBars* bars = GetCommandBars();
  if (bars != nullptr) bars->RefreshAllBars();
}

CWnd* CMainFrame::GetFrameWindow() { return ::IsWindow(m_hWnd) ? this : nullptr; }

void CMainFrame::SetExitCode(int code) {
  CVelmoranApp* app = CVelmoranApp::GetCurrent();
  if (app != nullptr)
    app->SetExitCode(code);
  else
    m_nExitCode = code;
}

int CMainFrame::GetExitCode() {
  CVelmoranApp* app = CVelmoranApp::GetCurrent();
  return app != nullptr ? app->GetExitCode() : m_nExitCode;
}

// The variable list comes into its page with its own commands; until then a
// build file's variables live in the file manager alone and nothing of them
// is shown or changed.
bool CMainFrame::AreVariablesModified() { return false; }
void CMainFrame::ClearVariablesModified() {}
void CMainFrame::ReloadVariables() {}
void CMainFrame::ClearVariables() {}
