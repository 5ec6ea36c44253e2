// CWinApp: the application object and its start-up.
#include "WndState.h"

#include <afxadv.h>

IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

namespace {

int AFXAPI AppMessageBox(LPCSTR lpszText, UINT nType, UINT nIDHelp) {
  CWinApp* pApp = AfxGetApp();
  if (pApp != nullptr) return pApp->DoMessageBox(lpszText, nType, nIDHelp);
  return ::MessageBoxA(::GetActiveWindow(), lpszText, nullptr, nType);
}

}  // namespace

CWinApp::CWinApp(LPCTSTR lpszAppName)
    : m_pszAppName(lpszAppName),
      m_hInstance(nullptr),
      m_lpCmdLine(nullptr),
      m_nCmdShow(SW_SHOWNORMAL),
      m_pszExeName(nullptr) {
  AFX_MODULE_STATE* pModuleState = AfxGetModuleState();
  pModuleState->m_pCurrentWinApp = this;
  pModuleState->m_lpszCurrentAppName = m_pszAppName;
  AFX_WND_THREAD_STATE* state = AfxGetWndThreadState();
  state->m_pCurrentWinThread = this;
  m_hThread = ::GetCurrentThread();
  m_nThreadID = ::GetCurrentThreadId();
  // Messages of the program go through the application, unless something
  // (a test) has put its own handler in place.
  AFX_MESSAGEBOX_PROC previous = AfxSetMessageBoxProc(&AppMessageBox);
  if (previous != nullptr) AfxSetMessageBoxProc(previous);
}

CWinApp::~CWinApp() {
  DeleteDocTemplates();
  delete m_pRecentFileList;
  m_pRecentFileList = nullptr;
  AFX_MODULE_STATE* pModuleState = AfxGetModuleState();
  if (pModuleState->m_pCurrentWinApp == this) {
    pModuleState->m_pCurrentWinApp = nullptr;
    pModuleState->m_lpszCurrentAppName = nullptr;
  }
  AFX_MESSAGEBOX_PROC previous = AfxSetMessageBoxProc(nullptr);
  if (previous != &AppMessageBox) AfxSetMessageBoxProc(previous);
}

BOOL CWinApp::InitApplication() { return TRUE; }

BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::Run() {
  if (m_pMainWnd == nullptr) AfxPostQuitMessage(0);
  return CWinThread::Run();
}

BOOL CWinApp::OnIdle(LONG lCount) {
  if (lCount <= 0) {
    CWinThread::OnIdle(lCount);
    return TRUE;  // one more round: the temporary objects
  }
  if (lCount == 1) CWinThread::OnIdle(lCount);
  return FALSE;
}

int CWinApp::ExitInstance() { return CWinThread::ExitInstance(); }

int CWinApp::DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT) {
  if ((nType & MB_ICONMASK) == 0) {
    switch (nType & MB_TYPEMASK) {
      case MB_OK:
      case MB_OKCANCEL:
        nType |= MB_ICONEXCLAMATION;
        break;
      case MB_YESNO:
      case MB_YESNOCANCEL:
        nType |= MB_ICONQUESTION;
        break;
      default:
        break;
    }
  }
  HWND hWndTop = nullptr;
  HWND hWndOwner = CWnd::GetSafeOwner_(nullptr, &hWndTop);
  int nResult = ::MessageBox(hWndOwner, lpszPrompt, m_pszAppName, nType);
  if (hWndTop != nullptr) ::EnableWindow(hWndTop, TRUE);
  return nResult;
}

HCURSOR CWinApp::LoadCursor(LPCTSTR lpszResourceName) const {
  return ::LoadCursor(AfxFindResourceHandle(lpszResourceName, RT_GROUP_CURSOR), lpszResourceName);
}
HCURSOR CWinApp::LoadCursor(UINT nIDResource) const {
  return LoadCursor(MAKEINTRESOURCE(nIDResource));
}
HICON CWinApp::LoadIcon(LPCTSTR lpszResourceName) const {
  return ::LoadIcon(AfxFindResourceHandle(lpszResourceName, RT_GROUP_ICON), lpszResourceName);
}
HICON CWinApp::LoadIcon(UINT nIDResource) const { return LoadIcon(MAKEINTRESOURCE(nIDResource)); }

BOOL AFXAPI AfxWinInit(HINSTANCE hInstance, HINSTANCE, LPTSTR lpCmdLine, int nCmdShow) {
  AFX_MODULE_STATE* pModuleState = AfxGetModuleState();
  pModuleState->m_hCurrentInstanceHandle = hInstance;
  pModuleState->m_hCurrentResourceHandle = hInstance;
  CWinApp* pApp = AfxGetApp();
  if (pApp != nullptr) {
    pApp->m_hInstance = hInstance;
    pApp->m_lpCmdLine = lpCmdLine;
    pApp->m_nCmdShow = nCmdShow;
    char path[MAX_PATH];
    DWORD n = ::GetModuleFileNameA(hInstance, path, MAX_PATH);
    CString name(path, static_cast<int>(n));
    name = name.Mid(name.ReverseFind('\\') + 1);
    int dot = name.ReverseFind('.');
    if (dot >= 0) name = name.Left(dot);
    pApp->m_strAppName = name;
    pApp->m_pszExeName = pApp->m_strAppName;
    if (pApp->m_pszAppName == nullptr) pApp->m_pszAppName = pApp->m_strAppName;
    pModuleState->m_lpszCurrentAppName = pApp->m_pszAppName;
  }
  return TRUE;
}

int AFXAPI AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine,
                      int nCmdShow) {
  CWinThread* pThread = AfxGetThread();
  CWinApp* pApp = AfxGetApp();
  if (pThread == nullptr || !AfxWinInit(hInstance, hPrevInstance, lpCmdLine, nCmdShow)) return -1;
  if (pApp != nullptr && !pApp->InitApplication()) return -1;
  if (!pThread->InitInstance()) {
    if (pThread->m_pMainWnd != nullptr) pThread->m_pMainWnd->DestroyWindow();
    return pThread->ExitInstance();
  }
  return pThread->Run();
}
