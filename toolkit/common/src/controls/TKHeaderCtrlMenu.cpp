// CTKHeaderCtrl: the right-click menu and its sort and alignment commands.
#include "common/TKHeaderCtrl.h"
#include "common/TKPopupMenuTracker.h"
#include "common/TKResourceIds.h"
#include "common/TKResourceManager.h"

namespace {

/// The index of the header's sub-menu in the toolkit's right-click menus.
const int kHeaderSubMenu = 2;

}  // namespace

CWnd* CTKHeaderCtrl::GetParentList() const {
  // A list view window, whichever class wraps it (a list control or a view).
  CWnd* pParent = GetParent();
  if (pParent == NULL) return NULL;
  char szClass[64] = {};
  ::GetClassNameA(pParent->GetSafeHwnd(), szClass, sizeof(szClass));
  return lstrcmpiA(szClass, WC_LISTVIEWA) == 0 ? pParent : NULL;
}

void CTKHeaderCtrl::OnRButtonDown(UINT, CPoint point) {
  m_ptRightClick = point;
  CPoint ptScreen = point;
  ClientToScreen(&ptScreen);
  CWnd* pParent = GetParent();
  if ((pParent != NULL && (pParent->GetStyle() & LVS_NOSORTHEADER)) || !m_bPopupMenu) {
    Default();
    return;
  }
  if (m_nPopupMenuId != 0) {
    CMenu menu;
    if (menu.LoadMenu(m_nPopupMenuId)) {
      CMenu* pPopup = menu.GetSubMenu(m_nPopupSubMenu);
      CWnd* pOwner = GetOwner() != NULL ? GetOwner() : pParent;
      if (pPopup != NULL)
        ::TrackPopupMenu(pPopup->GetSafeHmenu(), TPM_RIGHTBUTTON, ptScreen.x, ptScreen.y, 0,
                         pOwner->GetSafeHwnd(), NULL);
      menu.DestroyMenu();
    }
    return;
  }
  int nItem = HitTest(point);
  if (nItem < 0) return;
  CMenu menu;
  if (!TKResourceManager()->LoadMenu(&menu, TK_IDR_RCLICKMENUS)) return;
  CMenu* pPopup = menu.GetSubMenu(kHeaderSubMenu);
  if (pPopup == NULL) return;
  if (nItem == m_nSortedCol)
    pPopup->CheckMenuItem(m_bAscending ? TK_ID_HEADER_SORTASCENDING : TK_ID_HEADER_SORTDESCENDING,
                          MF_BYCOMMAND | MF_CHECKED);
  if (CWnd* pList = GetParentList()) {
    LVCOLUMN column = {};
    column.mask = LVCF_FMT;
    if (pList->SendMessage(LVM_GETCOLUMN, nItem, (LPARAM)&column)) {
      UINT nCheck = (column.fmt & LVCFMT_JUSTIFYMASK) == LVCFMT_RIGHT    ? TK_ID_HEADER_ALIGNRIGHT
                    : (column.fmt & LVCFMT_JUSTIFYMASK) == LVCFMT_CENTER ? TK_ID_HEADER_ALIGNCENTER
                                                                         : TK_ID_HEADER_ALIGNLEFT;
      pPopup->CheckMenuItem(nCheck, MF_BYCOMMAND | MF_CHECKED);
    }
  }
  TrackCommandBarsPopupMenu(pPopup, TPM_RIGHTBUTTON, ptScreen.x, ptScreen.y, this,
                            TK_IDR_HEADERMENUICONS, TRUE);
}

void CTKHeaderCtrl::SortRightClicked(BOOL bAscending) {
  int nItem = HitTest(m_ptRightClick);
  if (nItem < 0 || (nItem == m_nSortedCol && m_bAscending == bAscending)) return;
  m_bAscending = bAscending;
  m_nSortedCol = nItem;
  CWnd* pList = GetParentList();
  if (pList == NULL) return;
  char szText[256] = {};
  HDITEM hdi = {};
  hdi.mask = HDI_WIDTH | HDI_TEXT | HDI_FORMAT | HDI_LPARAM | HDI_BITMAP | HDI_IMAGE | HDI_ORDER;
  hdi.pszText = szText;
  hdi.cchTextMax = sizeof(szText);
  GetItem(nItem, &hdi);
  NMHEADERA nmh = {};
  nmh.hdr.hwndFrom = m_hWnd;
  nmh.hdr.idFrom = GetDlgCtrlID();
  nmh.hdr.code = HDN_ITEMCLICKA;
  nmh.iItem = nItem;
  nmh.iButton = 1;
  nmh.pitem = &hdi;
  // As if the item had been clicked: the list and everything in it hear of it.
  pList->SendMessage(WM_NOTIFY, nmh.hdr.idFrom, (LPARAM)&nmh);
  pList->SendMessageToDescendants(WM_NOTIFY, nmh.hdr.idFrom, (LPARAM)&nmh, TRUE, TRUE);
}

void CTKHeaderCtrl::OnSortAscending() { SortRightClicked(TRUE); }

void CTKHeaderCtrl::OnSortDescending() { SortRightClicked(FALSE); }

void CTKHeaderCtrl::SetColumnAlignment(int nFormat) {
  int nItem = HitTest(m_ptRightClick);
  CWnd* pList = GetParentList();
  if (nItem < 0 || pList == NULL) return;
  LVCOLUMN column = {};
  column.mask = LVCF_FMT;
  if (!pList->SendMessage(LVM_GETCOLUMN, nItem, (LPARAM)&column)) return;
  column.fmt = (column.fmt & ~LVCFMT_JUSTIFYMASK) | (nFormat & LVCFMT_JUSTIFYMASK);
  pList->SendMessage(LVM_SETCOLUMN, nItem, (LPARAM)&column);
  pList->SendMessage(LVM_SETWORKAREAS, 0, 0);
}

void CTKHeaderCtrl::OnAlignLeft() { SetColumnAlignment(LVCFMT_LEFT); }

void CTKHeaderCtrl::OnAlignCenter() { SetColumnAlignment(LVCFMT_CENTER); }

void CTKHeaderCtrl::OnAlignRight() { SetColumnAlignment(LVCFMT_RIGHT); }
