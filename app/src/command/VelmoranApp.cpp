// CVelmoranApp: start-up, the command line and the exit code.
#include "app/VelmoranApp.h"

#include "app/AppCommandLine.h"
#include "app/AppResources.h"
#include "app/MainFrame.h"

IMPLEMENT_DYNAMIC(CVelmoranApp, CWinApp)

CVelmoranApp::CVelmoranApp() : CWinApp(NULL), m_nExitCode(0) {}

CVelmoranApp* CVelmoranApp::GetCurrent() {
  CWinApp* app = AfxGetApp();
  return app != nullptr && app->IsKindOf(RUNTIME_CLASS(CVelmoranApp)) ? static_cast<CVelmoranApp*>(app)
                                                                      : nullptr;
}

BOOL CVelmoranApp::InitInstance() {
  const BOOL result = CWinApp::InitInstance();
  CMainFrame* frame = new CMainFrame;
  m_pMainWnd = frame;
  if (!frame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, NULL, NULL)) {
    // A frame that failed to load has deleted itself: nothing to run.
    m_pMainWnd = NULL;
    return FALSE;
  }
  frame->ShowWindow(SW_SHOW);
  frame->UpdateWindow();
  ProcessCommandLine(CTesselString(::GetCommandLineA()));
  return result;
}

void CVelmoranApp::ProcessCommandLine(const CTesselString& commandLine) {
  CMainFrame* frame = static_cast<CMainFrame*>(m_pMainWnd);
  if (frame == nullptr || !::IsWindow(frame->m_hWnd)) return;
  ProcessAppCommandLine(commandLine, &frame->GetBuildFileCommands(), &frame->GetMainDisplay(), frame);
}

int CVelmoranApp::ExitInstance() {
  const int result = CWinApp::ExitInstance();
  return result != 0 ? result : m_nExitCode;
}
