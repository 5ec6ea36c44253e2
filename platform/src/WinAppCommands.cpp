// The commands the application object answers itself.
#include <afxwin.h>

BEGIN_MESSAGE_MAP(CWinApp, CWinThread)
ON_COMMAND(ID_APP_EXIT, OnAppExit)
END_MESSAGE_MAP()

void CWinApp::OnAppExit() {
  // Closing (not destroying) lets the frame ask its questions first.
  if (m_pMainWnd != nullptr && m_pMainWnd->m_hWnd != nullptr) m_pMainWnd->SendMessage(WM_CLOSE);
}
