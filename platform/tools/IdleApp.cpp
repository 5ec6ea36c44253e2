// A small application on the layer's own WinMain. It closes its main window
// after the first full idle round; the exit code tells the test what the
// message loop did (bit flags above 0x10).
#include <afxwin.h>

namespace {

const int kRan = 0x10;
const int kMainUpdated = 0x01;
const int kChildUpdated = 0x02;
const int kTempsDeleted = 0x04;
const UINT IDC_CHILD = 100;

int g_result = kRan;

/// A window that marks the result when the idle update reaches it.
class CMarkingWnd : public CWnd {
 public:
  explicit CMarkingWnd(int nMark) : m_nMark(nMark) {}

 protected:
  afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM, LPARAM) {
    g_result |= m_nMark;
    return 0;
  }
  void PostNcDestroy() override { delete this; }
  DECLARE_MESSAGE_MAP()

 private:
  int m_nMark;
};

BEGIN_MESSAGE_MAP(CMarkingWnd, CWnd)
ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

class CIdleApp : public CWinApp {
 public:
  BOOL InitInstance() override {
    CMarkingWnd* pMain = new CMarkingWnd(kMainUpdated);
    if (!pMain->CreateEx(0, NULL, "IdleApp", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, NULL, NULL))
      return FALSE;
    m_pMainWnd = pMain;
    CMarkingWnd* pChild = new CMarkingWnd(kChildUpdated);
    pChild->Create(NULL, "", WS_VISIBLE, CRect(0, 0, 10, 10), pMain, IDC_CHILD);
    pMain->ShowWindow(SW_SHOWNOACTIVATE);
    m_hForeign = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, NULL, NULL, NULL, NULL);
    CWnd::FromHandle(m_hForeign);
    return TRUE;
  }

  BOOL OnIdle(LONG lCount) override {
    BOOL bMore = CWinApp::OnIdle(lCount);
    // The temporary object of a foreign window is marked (an extra
    // reference) in the first round; after the clean-up round a lookup
    // must give a fresh, unmarked one.
    if (lCount == 0) {
      CWnd::FromHandle(m_hForeign)->InternalAddRef();
    } else if (lCount == 1) {
      if (CWnd::FromHandle(m_hForeign)->m_dwRef == 1) g_result |= kTempsDeleted;
      m_pMainWnd->PostMessage(WM_CLOSE);
    }
    return bMore;
  }

  int ExitInstance() override {
    CWinApp::ExitInstance();
    return g_result;
  }

 private:
  HWND m_hForeign = nullptr;
};

CIdleApp theApp;

}  // namespace
