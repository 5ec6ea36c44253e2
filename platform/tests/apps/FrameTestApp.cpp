// A frame application started by the frame test: it loads its frame from
// resources, lays out two bars and a client, routes a menu command, an
// application command and an accelerator, updates a command state at idle
// time, and closes through ID_APP_EXIT. Each step is posted to the frame
// (or waits for the next idle time), so it runs inside the real message
// loop. Failed checks go to the log named on the command line; the exit
// code is 42 when every step ran and passed.
#include <afxwin.h>

#include <stdio.h>

#include "FrameTestAppRes.h"

namespace {

FILE* g_log = nullptr;
int g_nFailures = 0;
bool g_bFinished = false;
bool g_bFrameDeleted = false;

#define CHECK(cond)                                                        \
  do {                                                                     \
    if (!(cond)) {                                                         \
      ++g_nFailures;                                                       \
      if (g_log) fprintf(g_log, "line %d: failed: %s\n", __LINE__, #cond); \
    }                                                                      \
  } while (0)

bool RectIs(HWND hWnd, HWND hWndParent, int l, int t, int r, int b) {
  RECT rc;
  ::GetWindowRect(hWnd, &rc);
  ::MapWindowPoints(nullptr, hWndParent, reinterpret_cast<POINT*>(&rc), 2);
  if (rc.left == l && rc.top == t && rc.right == r && rc.bottom == b) return true;
  if (g_log)
    fprintf(g_log, "rect (%ld,%ld,%ld,%ld), expected (%d,%d,%d,%d)\n", rc.left, rc.top, rc.right,
            rc.bottom, l, t, r, b);
  return false;
}

/// The one item of a test bar: remembers what the update handler chose.
class CBarItemCmdUI : public CCmdUI {
 public:
  explicit CBarItemCmdUI(BOOL* pbEnabled) : m_pbEnabled(pbEnabled) {}
  void Enable(BOOL bOn) override {
    m_bEnableChanged = TRUE;
    *m_pbEnabled = bOn;
  }

 private:
  BOOL* m_pbEnabled;
};

/// A bar of fixed thickness across the frame with one command item.
class CTestBar : public CControlBar {
 public:
  explicit CTestBar(int nThickness) : m_nThickness(nThickness) {}

  BOOL Create(CWnd* pParent, DWORD dwStyle, UINT nID) {
    m_dwStyle = dwStyle & CBRS_ALL;
    return CWnd::CreateEx(0, AfxRegisterWndClass(0), "", dwStyle & ~CBRS_ALL, CRect(0, 0, 0, 0),
                          pParent, nID);
  }
  CSize CalcFixedLayout(BOOL, BOOL bHorz) override {
    return bHorz ? CSize(32767, m_nThickness) : CSize(m_nThickness, 32767);
  }
  void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override {
    CBarItemCmdUI state(&m_bItemEnabled);
    state.m_nID = ID_TEST_STATE;
    state.DoUpdate(pTarget, bDisableIfNoHndler);
    ++m_nUpdates;
  }

  BOOL m_bItemEnabled = -1;
  int m_nUpdates = 0;

 private:
  int m_nThickness;
};

class CTestFrame : public CFrameWnd {
 public:
  ~CTestFrame() override { g_bFrameDeleted = true; }

  CTestBar m_barTop{24};
  CTestBar m_barBottom{18};
  CWnd m_wndClient;
  int m_nMenu = 0, m_nAccel = 0;
  BOOL m_bStateEnabled = TRUE;

 protected:
  BOOL OnCreateClient(LPCREATESTRUCT, CCreateContext*) override {
    return m_wndClient.CreateEx(0, "STATIC", "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this,
                                AFX_IDW_PANE_FIRST);
  }
  afx_msg int OnCreate(LPCREATESTRUCT lpcs) {
    if (CFrameWnd::OnCreate(lpcs) == -1) return -1;
    if (!m_barTop.Create(this, WS_CHILD | WS_VISIBLE | CBRS_TOP, AFX_IDW_TOOLBAR)) return -1;
    if (!m_barBottom.Create(this, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, AFX_IDW_STATUS_BAR))
      return -1;
    return 0;
  }
  afx_msg void OnTestMenu() { ++m_nMenu; }
  afx_msg void OnTestAccel() { ++m_nAccel; }
  afx_msg void OnUpdateTestState(CCmdUI* pCmdUI) { pCmdUI->Enable(m_bStateEnabled); }
  afx_msg LRESULT OnStep(WPARAM wParam, LPARAM);

  void CheckResources();
  void CheckLayout(bool bBottomBar);

  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestFrame, CFrameWnd)
ON_WM_CREATE()
ON_COMMAND(ID_TEST_MENU, OnTestMenu)
ON_COMMAND(ID_TEST_ACCEL, OnTestAccel)
ON_UPDATE_COMMAND_UI(ID_TEST_STATE, OnUpdateTestState)
ON_MESSAGE(WM_APP, OnStep)
END_MESSAGE_MAP()

class CTestApp : public CWinApp {
 public:
  BOOL InitInstance() override;
  BOOL OnIdle(LONG lCount) override;
  int ExitInstance() override;

  /// The step to post once the next idle time has run, or -1.
  int m_nStepAfterIdle = -1;
  int m_nAppCommands = 0;

 protected:
  afx_msg void OnAppCommand() { ++m_nAppCommands; }

  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestApp, CWinApp)
ON_COMMAND(ID_TEST_APPCMD, OnAppCommand)
END_MESSAGE_MAP()

CTestApp theApp;

BOOL CTestApp::InitInstance() {
  if (m_lpCmdLine != nullptr && *m_lpCmdLine != '\0') g_log = fopen(m_lpCmdLine, "w");
  CTestFrame* pFrame = new CTestFrame;
  m_pMainWnd = pFrame;
  if (!pFrame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE)) {
    CHECK(!"LoadFrame");
    return FALSE;
  }
  pFrame->SetWindowPos(nullptr, 10, 10, 420, 320, SWP_NOZORDER);
  pFrame->ShowWindow(SW_SHOW);
  pFrame->UpdateWindow();
  pFrame->PostMessage(WM_APP, 0);
  return TRUE;
}

BOOL CTestApp::OnIdle(LONG lCount) {
  BOOL bMore = CWinApp::OnIdle(lCount);
  if (lCount == 0 && m_nStepAfterIdle >= 0 && m_pMainWnd != nullptr) {
    m_pMainWnd->PostMessage(WM_APP, m_nStepAfterIdle);
    m_nStepAfterIdle = -1;
  }
  return bMore;
}

int CTestApp::ExitInstance() {
  CWinApp::ExitInstance();
  CHECK(g_bFrameDeleted);
  CHECK(g_bFinished);
  if (g_log) fclose(g_log);
  return g_nFailures == 0 && g_bFinished ? 42 : 1;
}

void CTestFrame::CheckResources() {
  char szText[64];
  ::GetWindowText(m_hWnd, szText, sizeof(szText));
  CHECK(lstrcmp(szText, "Velm Frame Test") == 0);
  CHECK(GetTitle() == "Velm Frame Test");
  CHECK((GetStyle() & (FWS_ADDTOTITLE | FWS_PREFIXTITLE)) == (FWS_ADDTOTITLE | FWS_PREFIXTITLE));
  HMENU hMenu = ::GetMenu(m_hWnd);
  CHECK(hMenu != nullptr && hMenu == m_hMenuDefault);
  CHECK(::GetMenuString(hMenu, ID_TEST_MENU, szText, sizeof(szText), MF_BYCOMMAND) > 0 &&
        lstrcmp(szText, "&Test") == 0);
  CHECK(m_hAccelTable != nullptr);
  CHECK(m_nIDHelp == IDR_MAINFRAME);
  HICON hIcon = ::LoadIcon(AfxGetInstanceHandle(), MAKEINTRESOURCE(IDR_MAINFRAME));
  CHECK(hIcon != nullptr &&
        reinterpret_cast<HICON>(::GetClassLongPtr(m_hWnd, GCLP_HICON)) == hIcon);
}

void CTestFrame::CheckLayout(bool bBottomBar) {
  RecalcLayout();
  RECT rc;
  GetClientRect(&rc);
  CHECK(RectIs(m_barTop, m_hWnd, 0, 0, rc.right, 24));
  if (bBottomBar) {
    CHECK(m_barBottom.IsWindowVisible());
    CHECK(RectIs(m_barBottom, m_hWnd, 0, rc.bottom - 18, rc.right, rc.bottom));
    CHECK(RectIs(m_wndClient, m_hWnd, 0, 24, rc.right, rc.bottom - 18));
  } else {
    CHECK(!m_barBottom.IsWindowVisible());
    CHECK(RectIs(m_wndClient, m_hWnd, 0, 24, rc.right, rc.bottom));
  }
}

LRESULT CTestFrame::OnStep(WPARAM wParam, LPARAM) {
  switch (wParam) {
    case 0:
      CheckResources();
      CheckLayout(true);
      // A menu command, one only the application handles, and an
      // accelerator key typed into the client window.
      PostMessage(WM_COMMAND, ID_TEST_MENU);
      PostMessage(WM_COMMAND, ID_TEST_APPCMD);
      m_wndClient.PostMessage(WM_KEYDOWN, VK_F7, 0x00410001);
      m_wndClient.PostMessage(WM_KEYUP, VK_F7, 0xC0410001);
      theApp.m_nStepAfterIdle = 1;
      break;
    case 1: {
      CHECK(m_nMenu == 1);
      CHECK(theApp.m_nAppCommands == 1);
      CHECK(m_nAccel == 1);
      CHECK(m_barTop.m_nUpdates > 0 && m_barTop.m_bItemEnabled == TRUE);
      m_bStateEnabled = FALSE;
      // A disabled command is not carried out, nor is its menu item enabled.
      HMENU hPopup = ::GetSubMenu(::GetMenu(m_hWnd), 0);
      SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hPopup), 0);
      CHECK(::GetMenuState(hPopup, ID_TEST_STATE, MF_BYCOMMAND) & MF_GRAYED);
      CHECK(!(::GetMenuState(hPopup, ID_TEST_MENU, MF_BYCOMMAND) & MF_GRAYED));
      theApp.m_nStepAfterIdle = 2;
      break;
    }
    case 2:
      CHECK(m_barTop.m_bItemEnabled == FALSE);
      CHECK(m_barBottom.m_bItemEnabled == FALSE);
      // The application's own text stays through idle time...
      SetWindowText("Custom Title");
      theApp.m_nStepAfterIdle = 3;
      break;
    case 3: {
      char szText[64];
      ::GetWindowText(m_hWnd, szText, sizeof(szText));
      CHECK(lstrcmp(szText, "Custom Title") == 0);
      // ...until the frame is asked to retitle itself.
      SetTitle("Renamed");
      DelayUpdateFrameTitle();
      theApp.m_nStepAfterIdle = 4;
      break;
    }
    case 4: {
      char szText[64];
      ::GetWindowText(m_hWnd, szText, sizeof(szText));
      CHECK(lstrcmp(szText, "Renamed") == 0);
      // The bar's own id hides it, and the client takes its place.
      PostMessage(WM_COMMAND, ID_VIEW_STATUS_BAR);
      PostMessage(WM_APP, 5);
      break;
    }
    case 5:
      CheckLayout(false);
      g_bFinished = true;
      PostMessage(WM_COMMAND, ID_APP_EXIT);
      break;
  }
  return 0;
}

}  // namespace
