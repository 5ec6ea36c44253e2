// CMenu: ownership of a menu handle, the map that finds the owner, and the
// members that need more than one call.
#include "afxwin.h"
#include "afxmenu.h"

#include "WndState.h"

IMPLEMENT_DYNCREATE(CMenu, CObject)

namespace {

// Owners and temporaries live with the thread's other handle maps, which idle
// time empties of temporaries.
CHandleMap<CMenu, HMENU>& MenuMap() { return AfxGetWndThreadState()->m_mapHMENU; }

HBITMAP BitmapOf(const CBitmap* pBmp) { return static_cast<HBITMAP>(CGdiObject::SafeHandle(pBmp)); }

}  // namespace

CMenu::CMenu() : m_hMenu(NULL) {}

CMenu::~CMenu() { DestroyMenu(); }

CMenu* PASCAL CMenu::FromHandle(HMENU hMenu) { return MenuMap().FromHandle(hMenu); }

void PASCAL CMenu::DeleteTempMap() { MenuMap().DeleteTemp(); }

BOOL CMenu::Attach(HMENU hMenu) {
  if (hMenu == NULL) return FALSE;
  if (m_hMenu != NULL) MenuMap().RemoveHandle(m_hMenu);
  m_hMenu = hMenu;
  MenuMap().SetPermanent(hMenu, this);
  return TRUE;
}

HMENU CMenu::Detach() {
  HMENU hMenu = m_hMenu;
  if (hMenu != NULL && MenuMap().LookupPermanent(hMenu) == this) MenuMap().RemoveHandle(hMenu);
  m_hMenu = NULL;
  return hMenu;
}

BOOL CMenu::DestroyMenu() {
  if (m_hMenu == NULL) return FALSE;
  return ::DestroyMenu(Detach());
}

BOOL CMenu::LoadMenu(LPCTSTR lpszResourceName) {
  HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, RT_MENU);
  return Attach(::LoadMenu(hInst, lpszResourceName));
}

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, const CBitmap* pBmp) {
  return ::AppendMenu(m_hMenu, nFlags | MF_BITMAP, nIDNewItem,
                      reinterpret_cast<LPCTSTR>(BitmapOf(pBmp)));
}

BOOL CMenu::SetMenuItemBitmaps(UINT nPosition, UINT nFlags, const CBitmap* pBmpUnchecked,
                               const CBitmap* pBmpChecked) {
  return ::SetMenuItemBitmaps(m_hMenu, nPosition, nFlags, BitmapOf(pBmpUnchecked),
                              BitmapOf(pBmpChecked));
}

int CMenu::GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const {
  // The length query excludes the terminator.
  int nLen = ::GetMenuString(m_hMenu, nIDItem, NULL, 0, nFlags);
  if (nLen <= 0) {
    rString.Empty();
    return 0;
  }
  ::GetMenuString(m_hMenu, nIDItem, rString.GetBuffer(nLen + 1), nLen + 1, nFlags);
  rString.ReleaseBuffer();
  return rString.GetLength();
}

BOOL CMenu::TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect) {
  HWND hWnd = pWnd != NULL ? pWnd->m_hWnd : NULL;
  return ::TrackPopupMenu(m_hMenu, nFlags, x, y, 0, hWnd, lpRect);
}

BOOL CMenu::TrackPopupMenuEx(UINT fuFlags, int x, int y, CWnd* pWnd, LPTPMPARAMS lptpm) {
  HWND hWnd = pWnd != NULL ? pWnd->m_hWnd : NULL;
  return ::TrackPopupMenuEx(m_hMenu, fuFlags, x, y, hWnd, lptpm);
}

void CMenu::DrawItem(LPDRAWITEMSTRUCT) {}

void CMenu::MeasureItem(LPMEASUREITEMSTRUCT) {}
