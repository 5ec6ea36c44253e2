// Velmoran.exe: the application object, which opens the main window.
#include <afxwin.h>

#include "app/AppResources.h"
#include "app/MainFrame.h"

class CVelmoranApp : public CWinApp {
 public:
  CVelmoranApp() : CWinApp(NULL) {}

  BOOL InitInstance() override {
    const BOOL result = CWinApp::InitInstance();
    CMainFrame* pFrame = new CMainFrame;
    m_pMainWnd = pFrame;
    if (!pFrame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, NULL, NULL)) {
      // A frame that failed to load has deleted itself: nothing to run.
      m_pMainWnd = NULL;
      return FALSE;
    }
    pFrame->ShowWindow(SW_SHOW);
    pFrame->UpdateWindow();
    return result;
  }
};

CVelmoranApp theApp;
