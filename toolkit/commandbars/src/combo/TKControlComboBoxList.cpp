// CTKControlComboBoxList: the list-box window, its items, opening, tracking,
// the mouse and keys over it, its painting and its property exchange.
#include "commandbars/TKCommandBarsLayoutBars.h"
#include "commandbars/TKControlComboBoxList.h"

#include <algorithm>

#include "commandbars/TKCommandBars.h"
#include "commandbars/TKMouseManager.h"
#include "commandbars/TKPaintManager.h"
#include "common/TKColorManager.h"
#include "common/TKDCHelpers.h"
#include "common/TKDpiHelper.h"
#include "common/TKImageManager.h"
#include "common/TKImageManagerIcon.h"
#include "common/TKPropExchange.h"

TK_IMPLEMENT_LAYOUT_CLASS(CTKControlComboBoxList, CTKControlComboBoxPopupBar)

BEGIN_MESSAGE_MAP(CTKControlComboBoxList, CTKControlComboBoxPopupBar)
  ON_WM_PAINT()
  ON_WM_NCPAINT()
  ON_WM_ERASEBKGND()
  ON_WM_MOUSEMOVE()
  ON_WM_LBUTTONDOWN()
  ON_WM_LBUTTONUP()
  ON_WM_LBUTTONDBLCLK()
  ON_WM_RBUTTONDOWN()
  ON_WM_RBUTTONUP()
  ON_WM_NCHITTEST()
  ON_MESSAGE(WM_MOUSELEAVE, OnMouseLeave)
END_MESSAGE_MAP()

namespace {

/// Item data of lists saved before this schema was not kept.
const int kItemDataSchema = 37;
/// "ListIconId" came with this schema.
const int kListIconSchema = 24;
/// The paint manager's colour of the list's outer frame.
const int kListFrameColor = 53;
const DWORD kRtlExStyles = WS_EX_RIGHT | WS_EX_RTLREADING | WS_EX_LEFTSCROLLBAR;

}  // namespace

CTKControlComboBoxList::CTKControlComboBoxList(BOOL bOwnItemHeight)
    : m_nListIconId(-1), m_nListWidth(0), m_bOwnItemHeight(bOwnItemHeight) {
  // The style word's bits are extra list-box styles here.
  m_dwStyle = 0;
  m_barPosition = tkBarListBox;
}

// The window and its items ---------------------------------------------------------------------

BOOL CTKControlComboBoxList::CreateListBox() {
  if (GetSafeHwnd() != NULL) return TRUE;
  const DWORD dwStyle = m_dwStyle & ~kStyleGripper;
  const DWORD dwExStyle = WS_EX_TOOLWINDOW | WS_EX_CLIENTEDGE;
  const CRect rc(0, 0, 0, TKDpiHelper()->ScaleY(50));
  CWnd* pSite = GetOwnerSite();
  if ((dwStyle & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) != 0 && pSite != nullptr &&
      pSite->GetSafeHwnd() != NULL) {
    // Made as the site's child so that the site receives the owner-draw
    // messages, then turned into a pop-up that the site still owns.
    if (!CreateEx(dwExStyle, "LISTBOX", "",
                  dwStyle | WS_CHILD | WS_CLIPCHILDREN | WS_VSCROLL | LBS_NOTIFY, rc, pSite, 0))
      return FALSE;
    ::SetParent(m_hWnd, NULL);
    ModifyStyle(WS_CHILD, WS_POPUP);
    ::SetWindowLongPtrA(m_hWnd, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(pSite->GetSafeHwnd()));
  } else if (!CreateEx(dwExStyle, "LISTBOX", "", dwStyle | WS_POPUP | WS_CLIPCHILDREN | WS_VSCROLL,
                       rc, nullptr, 0)) {
    return FALSE;
  }
  ApplyItemHeight();
  return TRUE;
}

void CTKControlComboBoxList::ApplyItemHeight() {
  if (!m_bOwnItemHeight) return;
  CTKDpiHelper* pDpi = TKDpiHelper();
  int nHeight = 0;
  if (m_nListIconId == -1) {
    HGDIOBJ hFont = reinterpret_cast<HGDIOBJ>(SendMessage(WM_GETFONT));
    if (hFont == NULL) hFont = ::GetStockObject(DEFAULT_GUI_FONT);
    LOGFONTA lf = {};
    if (hFont != NULL && ::GetObjectA(hFont, sizeof(lf), &lf) != 0)
      nHeight = abs(lf.lfHeight) + pDpi->ScaleY(4);
  } else if (CTKImageManager* pImages = GetImageManager()) {
    if (CTKImageManagerIcon* pIcon = pImages->GetImage(m_nListIconId, 0))
      nHeight = pDpi->ScaleY(pIcon->GetExtent().cy) + pDpi->ScaleY(4);
  }
  if (nHeight > 0) SendMessage(LB_SETITEMHEIGHT, 0, nHeight);
}

BOOL CTKControlComboBoxList::DestroyWindow() {
  if (GetSafeHwnd() != NULL) ShowWindow(SW_HIDE);
  return TRUE;
}

int CTKControlComboBoxList::AddString(LPCSTR lpszText) {
  if (!CreateListBox()) return LB_ERR;
  return static_cast<int>(SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(lpszText)));
}

void CTKControlComboBoxList::SetItemData(int nIndex, DWORD_PTR dwData) {
  if (GetSafeHwnd() != NULL) SendMessage(LB_SETITEMDATA, nIndex, static_cast<LPARAM>(dwData));
}

DWORD_PTR CTKControlComboBoxList::GetItemData(int nIndex) const {
  if (GetSafeHwnd() == NULL) return 0;
  return static_cast<DWORD_PTR>(::SendMessageA(m_hWnd, LB_GETITEMDATA, nIndex, 0));
}

void CTKControlComboBoxList::ResetContent() {
  if (GetSafeHwnd() != NULL) SendMessage(LB_RESETCONTENT);
}

int CTKControlComboBoxList::GetItemCount() const {
  return GetSafeHwnd() != NULL ? static_cast<int>(::SendMessageA(m_hWnd, LB_GETCOUNT, 0, 0)) : 0;
}

// The list-like interface -------------------------------------------------------------------

int CTKControlComboBoxList::GetCurSel() const {
  return GetSafeHwnd() != NULL ? static_cast<int>(::SendMessageA(m_hWnd, LB_GETCURSEL, 0, 0)) : -1;
}

int CTKControlComboBoxList::FindString(int nStart, LPCSTR lpszText) const {
  if (GetSafeHwnd() == NULL) return -1;
  return static_cast<int>(
      ::SendMessageA(m_hWnd, LB_FINDSTRING, nStart, reinterpret_cast<LPARAM>(lpszText)));
}

int CTKControlComboBoxList::FindStringExact(int nStart, LPCSTR lpszText) const {
  if (GetSafeHwnd() == NULL) return -1;
  return static_cast<int>(
      ::SendMessageA(m_hWnd, LB_FINDSTRINGEXACT, nStart, reinterpret_cast<LPARAM>(lpszText)));
}

int CTKControlComboBoxList::SetTopIndex(int nIndex) {
  if (GetSafeHwnd() == NULL) return -1;
  return static_cast<int>(SendMessage(LB_SETTOPINDEX, nIndex));
}

void CTKControlComboBoxList::SetCurSel(int nIndex) {
  if (GetSafeHwnd() != NULL) SendMessage(LB_SETCURSEL, nIndex);
}

void CTKControlComboBoxList::GetText(int nIndex, CString& strText) const {
  strText.Empty();
  if (GetSafeHwnd() == NULL) return;
  const int nLength = static_cast<int>(::SendMessageA(m_hWnd, LB_GETTEXTLEN, nIndex, 0));
  if (nLength == LB_ERR) return;
  ::SendMessageA(m_hWnd, LB_GETTEXT, nIndex,
                 reinterpret_cast<LPARAM>(strText.GetBuffer(nLength + 1)));
  strText.ReleaseBuffer(nLength);
}

// Opening and tracking ---------------------------------------------------------------------------

BOOL CTKControlComboBoxList::Popup(CTKControl* pControl, BOOL) {
  CTKControlComboBox* pCombo = DYNAMIC_DOWNCAST(CTKControlComboBox, pControl);
  if (pCombo == nullptr || !CreateListBox()) return FALSE;
  m_pControlPopup = pCombo;
  if (CTKPaintManager* pPaintManager = GetPaintManager())
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(pPaintManager->m_fontRegular.GetSafeHandle()),
                TRUE);
  CWnd* pSite = GetOwnerSite();
  if (pSite != nullptr && pSite->GetSafeHwnd() != NULL)
    pSite->SendMessage(TK_WM_INITPOPUP, 0, reinterpret_cast<LPARAM>(this));
  CTKCommandBars* pCommandBars = GetCommandBars();
  if (pCommandBars != nullptr && pCommandBars->IsLayoutRTL())
    ModifyStyleEx(WS_EX_LAYOUTRTL, kRtlExStyles);
  else
    ModifyStyleEx(kRtlExStyles, 0);

  SetTrackingMode(TRUE, FALSE, FALSE);
  UpdatePopupFlags();
  const int nItems = std::max(GetItemCount(), 1);
  const int nRows = std::min(pCombo->GetDropDownItemCount(), nItems);
  const int nItemHeight = static_cast<int>(SendMessage(LB_GETITEMHEIGHT, 0));
  const CSize sz(m_nListWidth > 0 ? m_nListWidth : pCombo->GetRect().Width(),
                 nRows * nItemHeight + TKDpiHelper()->ScaleY(4));
  UpdateLocation(sz);
  EnableWindow(TRUE);
  return TRUE;
}

BOOL CTKControlComboBoxList::SetTrackingMode(int bMode, BOOL bSelectFirst, BOOL bKeyboard) {
  CTKControlComboBox* pCombo = GetComboBox();
  const BOOL bClosing = !bMode && m_nTracking;
  if (bClosing && pCombo != nullptr) pCombo->NotifySite(CBN_CLOSEUP);
  if (!CTKControlComboBoxPopupBar::SetTrackingMode(bMode, bSelectFirst, bKeyboard)) return FALSE;
  CTKMouseManager* pMouseManager = CTKMouseManager::GetThreadManager();
  if (!bMode) {
    pMouseManager->UnlockTrack();
    return TRUE;
  }
  // A press on an item and its release in the list must not end the tracking.
  pMouseManager->LockTrack();
  if (pCombo != nullptr) {
    pCombo->UpdateListSelection();
    pCombo->NotifySite(CBN_DROPDOWN);
  }
  return TRUE;
}

// Keys ---------------------------------------------------------------------------------------------

int CTKControlComboBoxList::OnHookKeyDown(UINT nChar, LPARAM lParam) {
  return OnListKeyDown(nChar, lParam, TRUE);
}

int CTKControlComboBoxList::OnHookMessage(HWND hWnd, UINT nMessage, WPARAM& wParam,
                                          LPARAM& lParam, LRESULT& lResult) {
  if (nMessage == WM_MOUSEWHEEL && GetSafeHwnd() != NULL) {
    // The open list scrolls under the wheel and stays open.
    DefWindowProc(WM_MOUSEWHEEL, wParam, lParam);
    return 1;
  }
  return CTKControlComboBoxPopupBar::OnHookMessage(hWnd, nMessage, wParam, lParam, lResult);
}

int CTKControlComboBoxList::ProcessKey(CTKControlComboBox* pCombo, UINT nChar, LPARAM lParam) {
  if (GetSafeHwnd() == NULL) return 0;
  const int nOldSel = GetCurSel();
  const BOOL bAlt = IsAltDown();
  const BOOL bArrow = nChar == VK_UP || nChar == VK_DOWN;
  if (pCombo->GetEditCtrl() != nullptr) {
    if (bAlt || !(bArrow || nChar == VK_PRIOR || nChar == VK_NEXT)) return 0;
    DefWindowProc(WM_KEYDOWN, nChar, lParam);
  } else {
    if ((nChar == VK_F4 && !bAlt) || (bAlt && bArrow)) return 0;
    MSG msg = {m_hWnd, WM_KEYDOWN, nChar, lParam, 0, {0, 0}};
    ::IsDialogMessageA(m_hWnd, &msg);
    // The letter the key types selects the next item that begins with it.
    MSG charMsg;
    if (::PeekMessageA(&charMsg, m_hWnd, WM_CHAR, WM_CHAR, PM_REMOVE))
      DefWindowProc(WM_CHAR, charMsg.wParam, charMsg.lParam);
  }
  return ReportSelection(pCombo, nOldSel);
}

// Mouse ------------------------------------------------------------------------------------------

void CTKControlComboBoxList::OnMouseMove(UINT nFlags, CPoint point) {
  const DWORD dwHit =
      static_cast<DWORD>(SendMessage(LB_ITEMFROMPOINT, 0, MAKELPARAM(point.x, point.y)));
  const int nItem = LOWORD(dwHit);
  if (HIWORD(dwHit) == 0 && nItem != GetCurSel()) SetCurSel(nItem);
  CTKControlComboBoxPopupBar::OnMouseMove(nFlags, point);
}

// The press is the list box's no more: the selection follows the pointer and
// the release chooses.
void CTKControlComboBoxList::OnLButtonDown(UINT, CPoint) {}

void CTKControlComboBoxList::OnLButtonUp(UINT, CPoint) {
  CTKControlComboBox* pCombo = GetComboBox();
  if (pCombo == nullptr) return;
  pCombo->OnSelChanged();
  pCombo->OnExecute();
}

void CTKControlComboBoxList::OnLButtonDblClk(UINT, CPoint) {}
void CTKControlComboBoxList::OnRButtonDown(UINT, CPoint) {}
void CTKControlComboBoxList::OnRButtonUp(UINT, CPoint) {}

LRESULT CTKControlComboBoxList::OnNcHitTest(CPoint) { return Default(); }

LRESULT CTKControlComboBoxList::OnMouseLeave(WPARAM, LPARAM) { return Default(); }

// Painting -----------------------------------------------------------------------------------------

void CTKControlComboBoxList::OnPaint() {
  CPaintDC dc(this);
  CRect rcClient;
  GetClientRect(&rcClient);
  CTKBufferDC buffer(dc.GetSafeHdc(), rcClient);
  buffer.FillSolidRect(rcClient, TKColorManager()->GetColor(COLOR_WINDOW));
  DefWindowProc(WM_PAINT, reinterpret_cast<WPARAM>(buffer.GetSafeHdc()), 0);
}

void CTKControlComboBoxList::OnNcPaint() {
  Default();
  CWindowDC dc(this);
  CRect rc;
  GetWindowRect(&rc);
  rc.OffsetRect(-rc.left, -rc.top);
  CTKPaintManager* pPaintManager = GetPaintManager();
  const COLORREF clrFrame = pPaintManager != nullptr ? pPaintManager->GetIndexedColor(kListFrameColor)
                                                     : ::GetSysColor(COLOR_WINDOWFRAME);
  const COLORREF clrWindow = TKColorManager()->GetColor(COLOR_WINDOW);
  dc.Draw3dRect(rc, clrFrame, clrFrame);
  rc.DeflateRect(1, 1);
  dc.Draw3dRect(rc, clrWindow, clrWindow);
}

BOOL CTKControlComboBoxList::OnEraseBkgnd(CDC*) { return static_cast<BOOL>(Default()); }

// Owner-drawn items --------------------------------------------------------------------------------

BOOL CTKControlComboBoxList::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam,
                                           LRESULT* pResult) {
  if (message == WM_DRAWITEM) {
    DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
  } else if (message == WM_MEASUREITEM) {
    MeasureItem(reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
  } else {
    return CTKControlComboBoxPopupBar::OnChildNotify(message, wParam, lParam, pResult);
  }
  if (pResult != nullptr) *pResult = TRUE;
  return TRUE;
}

void CTKControlComboBoxList::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) {
  if (CTKControlComboBox* pCombo = GetComboBox()) pCombo->DrawItem(lpDrawItemStruct);
}

void CTKControlComboBoxList::MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) {
  if (CTKControlComboBox* pCombo = GetComboBox()) pCombo->MeasureItem(lpMeasureItemStruct);
}

// Copying and persistence ---------------------------------------------------------------------------

void CTKControlComboBoxList::Copy(CTKPopupBar* pSource) {
  CTKControlComboBoxPopupBar::Copy(pSource);
  CTKControlComboBoxList* pList = DYNAMIC_DOWNCAST(CTKControlComboBoxList, pSource);
  if (pList == nullptr || pList == this) return;
  m_nListIconId = pList->m_nListIconId;
  m_nListWidth = pList->m_nListWidth;
  m_bOwnItemHeight = pList->m_bOwnItemHeight;
  if (!CreateListBox()) return;
  for (int i = 0; i < pList->GetItemCount(); ++i) {
    CString strText;
    pList->GetText(i, strText);
    SetItemData(AddString(strText), pList->GetItemData(i));
  }
}

void CTKControlComboBoxList::DoPropExchange(CTKPropExchange* pPX) {
  if (pPX->GetSchema() >= kListIconSchema) ExchangeIntProp(pPX, "ListIconId", m_nListIconId, -1);
  CTKPropExchangeSection items(pPX->GetSection("Items"));
  if (items.GetExchange() == nullptr) return;
  const BOOL bItemData = pPX->GetSchema() >= kItemDataSchema;
  const int nCount = items->IsLoading() ? static_cast<int>(items->ReadCount()) : GetItemCount();
  if (items->IsLoading())
    CreateListBox();
  else
    items->WriteCount(static_cast<DWORD>(nCount));
  for (int i = 0; i < nCount; ++i) {
    CString strName;
    strName.Format("Item%i", i);
    CString strText;
    if (!items->IsLoading()) GetText(i, strText);
    ExchangeStringProp(items, strName, strText, "");
    const int nIndex = items->IsLoading() ? AddString(strText) : i;
    if (!bItemData) continue;
    strName.Format("ItemData%i", i);
    int nData = static_cast<int>(GetItemData(nIndex));
    ExchangeIntProp(items, strName, nData, 0);
    if (items->IsLoading()) SetItemData(nIndex, static_cast<DWORD_PTR>(static_cast<DWORD>(nData)));
  }
}
