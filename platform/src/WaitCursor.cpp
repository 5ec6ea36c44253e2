// The wait cursor of CCmdTarget and CWaitCursor, shown by the application's DoWaitCursor.
#include <afxwin.h>

namespace {

// One count for the thread that shows it: nested calls (a command that calls
// another) keep one cursor up until the outermost end.
thread_local int t_nWaitCursorCount = 0;
thread_local HCURSOR t_hcurWaitRestore = NULL;

void ShowWaitCursor(int nCode) {
  if (nCode > 0) {
    HCURSOR hcurPrev = ::SetCursor(::LoadCursor(NULL, IDC_WAIT));
    if (t_nWaitCursorCount++ == 0) t_hcurWaitRestore = hcurPrev;
  } else if (nCode < 0) {
    if (t_nWaitCursorCount == 0) return;
    if (--t_nWaitCursorCount == 0) ::SetCursor(t_hcurWaitRestore);
  } else if (t_nWaitCursorCount > 0) {
    ::SetCursor(::LoadCursor(NULL, IDC_WAIT));
  }
}

// Through the application, which may show its own cursor; a program
// without one (a tool, a test) gets the standard one.
void DoWaitCursor(int nCode) {
  if (CWinApp* pApp = AfxGetApp())
    pApp->DoWaitCursor(nCode);
  else
    ShowWaitCursor(nCode);
}

}  // namespace

void CWinApp::DoWaitCursor(int nCode) { ShowWaitCursor(nCode); }

void CCmdTarget::BeginWaitCursor() { DoWaitCursor(1); }
void CCmdTarget::EndWaitCursor() { DoWaitCursor(-1); }
void CCmdTarget::RestoreWaitCursor() { DoWaitCursor(0); }

CWaitCursor::CWaitCursor() { DoWaitCursor(1); }
CWaitCursor::~CWaitCursor() { DoWaitCursor(-1); }
void CWaitCursor::Restore() { DoWaitCursor(0); }
