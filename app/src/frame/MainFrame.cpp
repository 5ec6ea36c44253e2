// CMainFrame: creation, layout, keys, messages to the user, help and closing.
#include "app/MainFrame.h"

#include "app/AppResources.h"
#include "app/AppRunResources.h"
#include "app/AppSystem.h"
#include "app/MessageBoxDialog.h"
#include "foundation/FileUtilities.h"
#include "foundation/WindowUtilities.h"
#include "ribbon/TKRibbonBar.h"

IMPLEMENT_DYNCREATE(CMainFrame, CApplicationMainFrame)

// WM_CREATE, WM_CLOSE and WM_GETMINMAXINFO come through the base's map to
// the virtual handlers this frame overrides.
BEGIN_MESSAGE_MAP(CMainFrame, CApplicationMainFrame)
  ON_WM_SIZE()
  ON_WM_PAINT()
  ON_WM_KEYDOWN()
  ON_MESSAGE(TK_WM_RIBBONMINIMIZECHANGED, OnRibbonMinimized)
  ON_COMMAND(ID_ADD_BUILD_STEP, OnAddBuildStep)
  ON_COMMAND(ID_COPY_BUILD_STEP, OnCopyBuildStep)
  ON_COMMAND(ID_COPY_STEPS_TO_CLIPBOARD, OnCopyStepsToClipboard)
  ON_COMMAND(ID_DELETE_BUILD_STEPS, OnDeleteBuildSteps)
  ON_COMMAND(ID_EDIT_BUILD_STEP, OnEditBuildStep)
  ON_COMMAND(ID_MOVE_STEP_DOWN, OnMoveStepDown)
  ON_COMMAND(ID_MOVE_STEP_UP, OnMoveStepUp)
  ON_COMMAND(ID_PASTE_STEPS, OnPasteSteps)
  ON_COMMAND(ID_PAUSE_SELECTED_STEPS, OnPauseSelectedSteps)
  ON_COMMAND(ID_RESUME_SELECTED_STEPS, OnResumeSelectedSteps)
  ON_COMMAND(ID_RUN_SELECTED_STEPS, OnRunSelectedSteps)
  ON_COMMAND(ID_CANCEL_RUN, OnCancelRun)
  ON_COMMAND(ID_CLOSE_BUILD_FILE, OnCloseBuildFile)
  ON_COMMAND(ID_FIND_TEXT, OnFindText)
  ON_COMMAND(ID_FIND_AND_REPLACE, OnFindAndReplace)
  ON_COMMAND(ID_SEND_SUPPORT_MAIL, OnSendSupportMail)
  ON_COMMAND(ID_OPEN_BUILD_FILE, OnOpenBuildFile)
  ON_COMMAND(ID_RUN_ALL_STEPS, OnRunAllSteps)
  ON_COMMAND(ID_RUN_FROM_CURSOR, OnRunFromCursor)
  ON_COMMAND(ID_SAVE_AS, OnSaveAs)
  ON_COMMAND(ID_SAVE, OnSave)
  ON_COMMAND(ID_SELECT_ALL_STEPS, OnSelectAllSteps)
  ON_COMMAND(ID_HELP_TOPIC, OnHelp)
  ON_COMMAND(ID_PRODUCT_HELP, OnProductHelp)
  ON_COMMAND(ID_APP_ABOUT, OnAppAbout)
  ON_UPDATE_COMMAND_UI_RANGE(ID_ADD_BUILD_STEP, ID_EDIT_VARIABLE, OnUpdateCommand)
  // Runs and the build file.
  ON_MESSAGE(WM_APP_ELAPSEDTIME, OnElapsedTimeMessage)
  ON_MESSAGE(WM_APP_OPENLASTFILE, OnOpenLastBuildFile)
END_MESSAGE_MAP()

namespace {

const DWORD kTopicBuildSteps = 1015;
const DWORD kTopicVariables = 1018;
const DWORD kTopicProduct = 1019;

/// The program's window is smaller than the base's default allows.
const int kMinTrackWidth = 400;
const int kMinTrackHeight = 300;

CTesselString LoadText(UINT id) {
  CTesselString text;
  text.LoadString(static_cast<int>(id), AfxGetResourceHandle());
  return text;
}

}  // namespace

CMainFrame::CMainFrame() : m_bRunning(false), m_hIcon(NULL) {
  SetMinTrackSize(kMinTrackWidth, kMinTrackHeight);
  m_displayManager.m_pMainFrame = this;
  m_mainDisplay.m_pMainFrame = this;
  m_variableDisplay.m_pMainFrame = this;
  AttachRunPanes();
}

CMainFrame::~CMainFrame() {}

BOOL CMainFrame::OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) {
  if (!CApplicationMainFrame::OnCreateClient(lpcs, pContext)) return FALSE;
  m_hIcon = ::LoadIcon(AfxGetResourceHandle(), MAKEINTRESOURCE(IDR_MAINFRAME));
  SetIcon(m_hIcon, TRUE);
  SetIcon(m_hIcon, FALSE);
  RestoreWindowPosition();
  return TRUE;
}

int CMainFrame::OnCreate(LPCREATESTRUCT lpcs) {
  const int nResult = CApplicationMainFrame::OnCreate(lpcs);
  if (nResult == -1) return -1;
  m_displayManager.CreateControl(this);
  ShowStatusBar(true);
  SetWindowText(LoadText(IDR_MAINFRAME).GetText());
  ::SetCursor(::LoadCursor(NULL, IDC_ARROW));
  return nResult;
}

void CMainFrame::OnSize(UINT nType, int cx, int cy) {
  CApplicationMainFrame::OnSize(nType, cx, cy);
  m_displayManager.FitToParent();
}

void CMainFrame::RecalcLayout(BOOL bNotify) {
  CApplicationMainFrame::RecalcLayout(bNotify);
  m_displayManager.FitToParent();
}

void CMainFrame::OnPaint() {
  Default();
  m_displayManager.RedrawDisplay();
}

LRESULT CMainFrame::OnRibbonMinimized(WPARAM, LPARAM) {
  m_displayManager.FitToParent();
  m_displayManager.RedrawDisplay();
  return 0;
}

void CMainFrame::OnKeyDown(UINT nChar, UINT, UINT) {
  const bool control = IsControlKeyDown();
  if (control && nChar == 'C') OnCopyStepsToClipboard();
  if (control && nChar == 'V') OnPasteSteps();
  if (nChar == VK_F5) {
    if (control)
      OnCancelRun();
    else
      OnRunAllSteps();
  }
  Default();
}

int CMainFrame::ShowMessage(CWnd* parent, CTesselString text, UINT flags) {
  if (text.IsEmpty()) return 0;
  return ShowMessageWithCaption(parent != NULL ? parent : this, text, LoadText(IDS_PRODUCT_NAME),
                                flags);
}

int CMainFrame::ShowMessageWithCaption(CWnd* parent, CTesselString text, CTesselString caption,
                                       UINT flags) {
  if (text.IsEmpty() || caption.IsEmpty()) return 0;
  CMessageBoxDialog box(parent);
  box.m_pMainFrame = this;
  box.SetCaption(caption);
  box.SetText(text);
  box.m_nFlags = flags;
  return AppSystem()->RunMessageBox(&box);
}

CTesselString* CMainFrame::GetHelpFilePath(CTesselString* pPath) {
  CApplicationMainFrame::GetHelpFilePath(pPath);
  *pPath += LoadText(IDS_HELP_FILE_NAME);
  return pPath;
}

void CMainFrame::OnHelp() {
  CTabControlTab* tab = m_displayManager.GetSelectedTab();
  if (tab == NULL) return;
  ShowHelp(tab->m_nId == 1 ? kTopicVariables : kTopicBuildSteps);
}

void CMainFrame::OnProductHelp() { ShowHelp(kTopicProduct); }

void CMainFrame::OnClose() {
  if (!CanCloseFrame()) return;
  SaveWindowPosition();
  ShowWindow(SW_HIDE);
  if (::IsWindow(m_mainDisplay.m_hWnd)) m_mainDisplay.OnClose();
  if (::IsWindow(m_variableDisplay.m_hWnd)) m_variableDisplay.OnClose();
  if (::IsWindow(m_displayManager.m_hWnd)) m_displayManager.OnClose();
  CApplicationMainFrame::OnClose();
}
