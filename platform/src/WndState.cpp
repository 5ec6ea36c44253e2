// The per-thread window state and the life of temporary objects.
#include "WndState.h"

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

CMenu* NewTempMenu(HMENU h) {
  CMenu* p = new CMenu;
  p->m_hMenu = h;
  return p;
}
void ReleaseTempMenu(CMenu* p) { p->m_hMenu = nullptr; }

CImageList* NewTempImageList(HIMAGELIST h) {
  CImageList* p = new CImageList;
  p->m_hImageList = h;
  return p;
}
void ReleaseTempImageList(CImageList* p) { p->m_hImageList = nullptr; }

}  // namespace

AFX_WND_THREAD_STATE::AFX_WND_THREAD_STATE()
    : m_mapHWND(&NewTempWnd, &ReleaseTempWnd),
      m_mapHDC(&NewTempDC, &ReleaseTempDC),
      m_mapHGDIOBJ(&NewTempGdiObject, &ReleaseTempGdiObject),
      m_mapHMENU(&NewTempMenu, &ReleaseTempMenu),
      m_mapHIMAGELIST(&NewTempImageList, &ReleaseTempImageList) {}

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
    state->m_mapHMENU.DeleteTemp();
    state->m_mapHIMAGELIST.DeleteTemp();
  }
  return TRUE;
}
