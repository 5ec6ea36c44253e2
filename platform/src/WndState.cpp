// The per-thread window state and the life of temporary objects.
#include "WndState.h"

#include "afxcmn.h"

namespace {

CThreadLocal<AFX_WND_THREAD_STATE> g_wndThreadState;

CWnd* NewTempWnd(HWND h) {
  CWnd* p = new CWnd;
  p->m_hWnd = h;
  return p;
}
void ReleaseTempWnd(CWnd* p) { p->m_hWnd = nullptr; }

CDC* NewTempDC(HDC h) {
  CDC* p = new CDC;
  p->m_hDC = p->m_hAttribDC = h;
  return p;
}
void ReleaseTempDC(CDC* p) { p->m_hDC = p->m_hAttribDC = nullptr; }

CGdiObject* NewTempGdiObject(HGDIOBJ h) {
  CGdiObject* p = new CGdiObject;
  p->m_hObject = h;
  return p;
}
void ReleaseTempGdiObject(CGdiObject* p) { p->m_hObject = nullptr; }

}  // namespace

AFX_WND_THREAD_STATE::AFX_WND_THREAD_STATE()
    : m_mapHWND(&NewTempWnd, &ReleaseTempWnd),
      m_mapHDC(&NewTempDC, &ReleaseTempDC),
      m_mapHGDIOBJ(&NewTempGdiObject, &ReleaseTempGdiObject) {}

AFX_WND_THREAD_STATE* AfxGetWndThreadState() { return g_wndThreadState.GetData(); }

void AFXAPI AfxLockTempMaps() { ++AfxGetWndThreadState()->m_nTempMapLock; }

BOOL AFXAPI AfxUnlockTempMaps(BOOL bDeleteTemps) {
  AFX_WND_THREAD_STATE* state = AfxGetWndThreadState();
  if (state->m_nTempMapLock > 0 && --state->m_nTempMapLock > 0) return FALSE;
  if (bDeleteTemps) {
    // Windows first: their destructors may still hand out DCs and fonts.
    state->m_mapHWND.DeleteTemp();
    state->m_mapHDC.DeleteTemp();
    state->m_mapHGDIOBJ.DeleteTemp();
    CMenu::DeleteTempMap();
    CImageList::DeleteTempMap();
  }
  return TRUE;
}
