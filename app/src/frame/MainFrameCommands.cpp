// CMainFrame: the command table's enable rules and the frame's own commands.
#include "app/AppResources.h"
#include "app/MainFrame.h"
#include "uilib/UIUtilities.h"

namespace {

typedef bool (*EnableRule)(const CFrameCommandState& s);

bool NoRun(const CFrameCommandState& s) { return !s.running; }
bool OneSelectedNoRun(const CFrameCommandState& s) { return s.selectedRows == 1 && !s.running; }
bool AnySelected(const CFrameCommandState& s) { return s.selectedRows >= 1; }
bool AnySelectedNoRun(const CFrameCommandState& s) { return s.selectedRows >= 1 && !s.running; }
bool ClipboardText(const CFrameCommandState& s) { return s.clipboardText; }
bool RowsAndRun(const CFrameCommandState& s) { return s.rows > 0 && s.running; }
bool RowsNoRun(const CFrameCommandState& s) { return s.rows > 0 && !s.running; }
bool PathNoRun(const CFrameCommandState& s) { return s.hasPath && !s.running; }
bool Always(const CFrameCommandState&) { return true; }
bool LogEntries(const CFrameCommandState& s) { return s.logEntries; }
// A named build file with unsaved changes must be saved or closed first; an
// unnamed list can be replaced.
bool CanOpen(const CFrameCommandState& s) { return !s.running && !(s.hasPath && s.modified); }
bool CanSaveAs(const CFrameCommandState& s) { return !s.running && (s.hasPath || s.modified); }
bool CanSave(const CFrameCommandState& s) { return !s.running && s.hasPath && s.modified; }
bool OneVariableNoRun(const CFrameCommandState& s) {
  return s.selectedVariables == 1 && !s.running;
}
bool AnyVariableNoRun(const CFrameCommandState& s) {
  return s.selectedVariables >= 1 && !s.running;
}

const struct {
  UINT id;
  EnableRule rule;
} kRules[] = {
    {ID_ADD_BUILD_STEP, NoRun},
    {ID_COPY_BUILD_STEP, OneSelectedNoRun},
    {ID_COPY_STEPS_TO_CLIPBOARD, AnySelected},
    {ID_DELETE_BUILD_STEPS, AnySelectedNoRun},
    {ID_EDIT_BUILD_STEP, OneSelectedNoRun},
    {ID_MOVE_STEP_DOWN, OneSelectedNoRun},
    {ID_MOVE_STEP_UP, OneSelectedNoRun},
    {ID_PASTE_STEPS, ClipboardText},
    {ID_PAUSE_SELECTED_STEPS, AnySelectedNoRun},
    {ID_RESUME_SELECTED_STEPS, AnySelectedNoRun},
    {ID_RUN_SELECTED_STEPS, AnySelectedNoRun},
    {ID_CANCEL_RUN, RowsAndRun},
    {ID_CLOSE_BUILD_FILE, PathNoRun},
    {ID_FIND_TEXT, AnySelected},
    {ID_FIND_AND_REPLACE, RowsNoRun},
    {ID_SEND_SUPPORT_MAIL, Always},
    {ID_CLEAR_LOG_DISPLAY, LogEntries},
    {ID_COPY_LOG_TO_CLIPBOARD, LogEntries},
    {ID_OPEN_BUILD_FILE, CanOpen},
    {ID_RUN_ALL_STEPS, RowsNoRun},
    {ID_RUN_FROM_CURSOR, OneSelectedNoRun},
    {ID_SAVE_AS, CanSaveAs},
    {ID_SAVE, CanSave},
    {ID_SELECT_ALL_STEPS, AnySelected},
    {ID_HELP_TOPIC, Always},
    {ID_PRODUCT_HELP, Always},
    {ID_ADD_VARIABLE, NoRun},
    {ID_DELETE_VARIABLES, AnyVariableNoRun},
    {ID_EDIT_VARIABLE, OneVariableNoRun},
    {ID_APP_ABOUT, Always},
    {ID_APP_EXIT, Always},
};

const char kSupportAddress[] = "support@velmoran.com";

}  // namespace

bool CMainFrame::IsCommandEnabled(UINT id, const CFrameCommandState& state) {
  for (const auto& entry : kRules)
    if (entry.id == id) return entry.rule(state);
  return true;
}

CFrameCommandState CMainFrame::GetCommandState() {
  CFrameCommandState state = {};
  state.running = m_bRunning;
  state.clipboardText = IsClipboardTextAvailable();
  state.selectedVariables = m_variableDisplay.GetList().GetSelectedCount();
  FillRunState(&state);
  return state;
}

void CMainFrame::OnUpdateCommand(CCmdUI* pCmdUI) {
  pCmdUI->Enable(IsCommandEnabled(pCmdUI->m_nID, GetCommandState()));
}

bool CMainFrame::CanAddStep() { return NoRun(GetCommandState()); }
bool CMainFrame::CanChangeSelectedSteps() { return AnySelectedNoRun(GetCommandState()); }
bool CMainFrame::CanChangeOneStep() { return OneSelectedNoRun(GetCommandState()); }
bool CMainFrame::CanCancelRun() { return RowsAndRun(GetCommandState()); }
bool CMainFrame::CanRunSteps() { return RowsNoRun(GetCommandState()); }

void CMainFrame::OnSendSupportMail() { SendMailThroughMapi(kSupportAddress, "", ""); }

