// CColumnViewControlHeader: the view's header window, its position while the
// rows scroll sideways, title clicks and width changes.
#include "uilib/ColumnViewControlHeader.h"

#include "common/TKHeaderCtrlTheme.h"
#include "common/TKPopupMenuTracker.h"
#include "uilib/ColumnViewControl.h"

namespace {
const int kSortAscendingCommand = 9325;
const int kSortDescendingCommand = 9326;
const int kHeaderMenuIconsToolBar = 9307;
const int kResourceTheme = 7;
const int kMinColumnWidth = 20;
const int kSortArrowGap = 5;
}  // namespace

BEGIN_MESSAGE_MAP(CColumnViewControlHeader, CTKHeaderCtrl)
  ON_WM_RBUTTONDOWN()
  // The view handles no WM_NOTIFY, so the header's notices come back reflected.
  ON_NOTIFY_REFLECT(HDN_ITEMCLICKA, OnItemClickMsg)
  ON_NOTIFY_REFLECT(HDN_ITEMCHANGEDA, OnItemChangedMsg)
  ON_COMMAND(kSortAscendingCommand, OnSortAscending)
  ON_COMMAND(kSortDescendingCommand, OnSortDescending)
  ON_UPDATE_COMMAND_UI(kSortAscendingCommand, OnUpdateSortCommand)
  ON_UPDATE_COMMAND_UI(kSortDescendingCommand, OnUpdateSortCommand)
END_MESSAGE_MAP()

CColumnViewControlHeader::CColumnViewControlHeader() : m_pOwner(NULL), m_headerRect() {}

bool CColumnViewControlHeader::CreateHeader() {
  if (m_pOwner == NULL) return false;
  if (!Create(WS_CHILD | HDS_BUTTONS | HDS_HOTTRACK | HDS_FULLDRAG, CRect(0, 0, 0, 0), m_pOwner,
              kColumnViewHeaderId))
    return false;
  SendMessage(WM_SETFONT, m_pOwner->SendMessage(WM_GETFONT), TRUE);
  SetFontBold(FALSE);
  SetMinColumnWidth(kMinColumnWidth);
  SetTheme(kResourceTheme);
  // The arrow is a style of the theme object, so it is asked for once the
  // theme that stays has been made.
  ShowSortArrow(TRUE);
  InitializeFont(FALSE);
  if (GetTheme() != NULL) GetTheme()->m_nSortArrowGap = kSortArrowGap;
  ShowWindow(SW_SHOWNORMAL);
  return true;
}

void CColumnViewControlHeader::InitializeFont(BOOL) {
  if (m_pOwner == NULL || !::IsWindow(m_hWnd)) return;
  SendMessage(WM_SETFONT, m_pOwner->SendMessage(WM_GETFONT), TRUE);
}

void CColumnViewControlHeader::OnItemClick(NMHEADER* header, LRESULT* result) {
  if (m_pOwner == NULL || header == NULL || result == NULL) return;
  *result = 0;
  m_pOwner->SortByColumn(header->iItem);
}

void CColumnViewControlHeader::OnItemChanged(NMHEADER* header, LRESULT* result) {
  if (m_pOwner == NULL || header == NULL || result == NULL) return;
  *result = 0;
  m_pOwner->RecalcLayout();
}

void CColumnViewControlHeader::OnItemClickMsg(NMHDR* header, LRESULT* result) {
  OnItemClick(reinterpret_cast<NMHEADER*>(header), result);
}

void CColumnViewControlHeader::OnItemChangedMsg(NMHDR* header, LRESULT* result) {
  OnItemChanged(reinterpret_cast<NMHEADER*>(header), result);
}

bool CColumnViewControlHeader::RepositionHeader() {
  if (m_pOwner == NULL || !::IsWindow(m_hWnd)) return false;
  int offset = m_pOwner->m_nHorizontalOffset;
  return SetWindowPos(NULL, -offset, 0, m_headerRect.right - m_headerRect.left + offset,
                      m_headerRect.bottom - m_headerRect.top, SWP_NOACTIVATE | SWP_NOZORDER) != FALSE;
}

bool CColumnViewControlHeader::InsertHeaderItem(int index, CTesselString title) {
  if (!::IsWindow(m_hWnd)) return false;
  HDITEMA item = {};
  item.mask = HDI_TEXT | HDI_WIDTH;
  item.cxy = 50;
  item.pszText = const_cast<char*>(title.GetText());
  item.cchTextMax = title.GetLength();
  return SendMessage(HDM_INSERTITEMA, index, reinterpret_cast<LPARAM>(&item)) != -1;
}

bool CColumnViewControlHeader::DeleteAllHeaderItems() {
  if (!::IsWindow(m_hWnd)) return false;
  int count = static_cast<int>(SendMessage(HDM_GETITEMCOUNT));
  for (int i = 0; i < count; ++i) SendMessage(HDM_DELETEITEM, 0);
  return true;
}

void CColumnViewControlHeader::OnRButtonDown(UINT, CPoint point) {
  m_ptRightClick = point;
  CPoint screen = point;
  ClientToScreen(&screen);
  if (!m_bPopupMenu || m_nPopupMenuId == 0) return;
  CMenu menu;
  if (!menu.LoadMenu(m_nPopupMenuId)) return;
  if (CMenu* popup = menu.GetSubMenu(m_nPopupSubMenu))
    TrackCommandBarsPopupMenu(popup, TPM_RIGHTBUTTON, screen.x, screen.y, this,
                              kHeaderMenuIconsToolBar, TRUE);
  menu.DestroyMenu();
}

void CColumnViewControlHeader::OnSortAscending() {
  if (m_pOwner != NULL) m_pOwner->SortByColumnDirection(GetSortedCol(), true);
}

void CColumnViewControlHeader::OnSortDescending() {
  if (m_pOwner != NULL) m_pOwner->SortByColumnDirection(GetSortedCol(), false);
}

void CColumnViewControlHeader::OnUpdateSortCommand(CCmdUI* cmdUI) { cmdUI->Enable(TRUE); }
