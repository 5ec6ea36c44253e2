// CMainFrame: creation, layout, keys, messages to the user, help and closing.
#include "app/MainFrame.h"

#include "app/AppResources.h"
#include "app/AppRunResources.h"
#include "app/AppSystem.h"
#include "app/MessageBoxDialog.h"
#include "common/TKImageManager.h"
#include "foundation/FileUtilities.h"
#include "foundation/WindowUtilities.h"
#include "themes/TKCommandBarsOffice2000Theme.h"
#include "uilib/UIUtilities.h"

IMPLEMENT_DYNCREATE(CMainFrame, CTKMDIFrameWnd)

BEGIN_MESSAGE_MAP(CMainFrame, CTKMDIFrameWnd)
  ON_WM_CREATE()
  ON_WM_CLOSE()
  ON_WM_SIZE()
  ON_WM_PAINT()
  ON_WM_KEYDOWN()
  ON_WM_GETMINMAXINFO()
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

/// The command ids whose icons the frame registers, in the order of the strips.
const UINT kIconCommands[] = {ID_OPEN_BUILD_FILE, ID_SAVE, ID_CLOSE_BUILD_FILE,
                              ID_ADD_BUILD_STEP, ID_EDIT_BUILD_STEP, ID_DELETE_BUILD_STEPS,
                              ID_COPY_BUILD_STEP, ID_MOVE_STEP_UP, ID_MOVE_STEP_DOWN,
                              ID_RUN_SELECTED_STEPS, ID_RUN_FROM_CURSOR, ID_RUN_ALL_STEPS,
                              ID_CANCEL_RUN, ID_PRODUCT_HELP, ID_APP_ABOUT, ID_SEND_SUPPORT_MAIL};

const DWORD kTopicBuildSteps = 1015;
const DWORD kTopicVariables = 1018;
const DWORD kTopicProduct = 1019;

CTesselString LoadText(UINT id) {
  CTesselString text;
  text.LoadString(static_cast<int>(id), AfxGetResourceHandle());
  return text;
}

}  // namespace

CMainFrame::CMainFrame() : m_bRunning(false), m_minTrackSize(400, 300), m_hIcon(NULL) {
  m_displayManager.m_pMainFrame = this;
  m_mainDisplay.m_pMainFrame = this;
  m_variableDisplay.m_pMainFrame = this;
  AttachRunPanes();
}

CMainFrame::~CMainFrame() {}

BOOL CMainFrame::OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) {
  if (!CTKMDIFrameWnd::OnCreateClient(lpcs, pContext) || !CreateCommandBars() ||
      !m_statusBar.CreateStatusBar(this))
    return FALSE;
  m_hIcon = ::LoadIcon(AfxGetResourceHandle(), MAKEINTRESOURCE(IDR_MAINFRAME));
  SetIcon(m_hIcon, TRUE);
  SetIcon(m_hIcon, FALSE);
  RestoreWindowPosition();
  return TRUE;
}

int CMainFrame::OnCreate(LPCREATESTRUCT lpcs) {
  if (CTKMDIFrameWnd::OnCreate(lpcs) == -1) return -1;
  CTKCommandBars* pCommandBars = GetCommandBars();
  if (pCommandBars != nullptr) {
    pCommandBars->SetPaintManager(new CTKCommandBarsOffice2000Theme);
    // Both strips carry the same icons; either one is enough.
    CTKImageManager* pImages = pCommandBars->GetImageManager();
    const int nCount = static_cast<int>(sizeof(kIconCommands) / sizeof(kIconCommands[0]));
    pImages->SetIconsFromBitmapResource(IDB_COMMANDS, kIconCommands, nCount, 20, 20);
    pImages->SetIconsFromBitmapResource(IDB_COMMANDS_KEYED, kIconCommands, nCount, 20, 20);
  }
  // The commands come from the command bars, not from a window menu.
  HMENU hMenu = ::GetMenu(m_hWnd);
  ::SetMenu(m_hWnd, NULL);
  if (hMenu != NULL) ::DestroyMenu(hMenu);
  m_hMenuDefault = NULL;
  m_displayManager.CreateControl(this);
  // The display manager takes the MDI client's place; a sibling left visible
  // under it would paint over it.
  if (m_hWndMDIClient != NULL) ::ShowWindow(m_hWndMDIClient, SW_HIDE);
  ShowControlBar(&m_statusBar, TRUE, FALSE);
  SetWindowText(LoadText(IDR_MAINFRAME).GetText());
  ::SetCursor(::LoadCursor(NULL, IDC_ARROW));
  return 0;
}

RECT* CMainFrame::GetDisplayRect(RECT* rect) {
  if (rect == NULL || !::IsWindow(m_hWnd)) return rect;
  RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, reposQuery, rect);
  return rect;
}

void CMainFrame::OnSize(UINT nType, int cx, int cy) {
  CTKMDIFrameWnd::OnSize(nType, cx, cy);
  m_displayManager.FitToParent();
}

void CMainFrame::OnPaint() {
  Default();
  m_displayManager.RedrawDisplay();
}

void CMainFrame::OnGetMinMaxInfo(MINMAXINFO* pInfo) {
  CTKMDIFrameWnd::OnGetMinMaxInfo(pInfo);
  pInfo->ptMinTrackSize.x = m_minTrackSize.cx;
  pInfo->ptMinTrackSize.y = m_minTrackSize.cy;
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
  box.m_pMainFrame = NULL;  // the frame base is not this frame's base yet
  box.SetCaption(caption);
  box.SetText(text);
  box.m_nFlags = flags;
  return AppSystem()->RunMessageBox(&box);
}

CTesselString CMainFrame::GetHelpFilePath() {
  CTesselString path = GetModuleFolder();
  path.AddTrailingBackslash();
  path += LoadText(IDS_HELP_FILE_NAME);
  return path;
}

bool CMainFrame::ShowHelp(DWORD topic) {
  HWND hHelp = NULL;
  CTesselString path = GetHelpFilePath();
  return OpenHtmlHelpWindow(path.GetText(), topic, &hHelp);
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
  CTKMDIFrameWnd::OnClose();
}
