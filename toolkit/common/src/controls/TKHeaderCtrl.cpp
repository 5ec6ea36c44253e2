// CTKHeaderCtrl: its theme, painting, fonts and hot tracking.
#include "common/TKHeaderCtrl.h"

#include "TKAuxData.h"
#include "common/TKDCHelpers.h"
#include "common/TKHeaderCtrlTheme.h"
#include "common/TKImageManager.h"
#include "common/TKResourceIds.h"
#include "common/TKScopedHandle.h"

IMPLEMENT_DYNAMIC(CTKHeaderCtrl, CHeaderCtrl)

namespace {

const UINT_PTR kHotTrackTimer = 1;

}  // namespace

BEGIN_MESSAGE_MAP(CTKHeaderCtrl, CHeaderCtrl)
ON_WM_PAINT()
ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
ON_MESSAGE(HDM_LAYOUT, OnLayout)
ON_WM_WINDOWPOSCHANGING()
ON_WM_SETCURSOR()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_MOUSEMOVE()
ON_WM_TIMER()
ON_WM_DESTROY()
ON_WM_RBUTTONDOWN()
ON_NOTIFY_REFLECT_EX(HDN_ITEMCHANGINGA, OnItemChanging)
ON_NOTIFY_REFLECT_EX(HDN_ITEMCHANGINGW, OnItemChanging)
ON_COMMAND(TK_ID_HEADER_SORTASCENDING, OnSortAscending)
ON_COMMAND(TK_ID_HEADER_SORTDESCENDING, OnSortDescending)
ON_COMMAND(TK_ID_HEADER_ALIGNLEFT, OnAlignLeft)
ON_COMMAND(TK_ID_HEADER_ALIGNCENTER, OnAlignCenter)
ON_COMMAND(TK_ID_HEADER_ALIGNRIGHT, OnAlignRight)
ON_MESSAGE(WM_TK_SETTHEME, OnSetTheme)
END_MESSAGE_MAP()

CTKHeaderCtrl::CTKHeaderCtrl()
    : m_nMinColumnWidth(0),
      m_nPopupSubMenu(0),
      m_nHotItem(-1),
      m_nSortedCol(-1),
      m_bRTLReading(0),
      m_bAutoFitColumns(0),
      m_bPopupMenu(TRUE),
      m_bAscending(TRUE),
      m_bLBtnDown(FALSE),
      m_bHotItemDrawn(FALSE),
      m_nPopupMenuId(0),
      m_ptRightClick(0, 0),
      m_pTheme(NULL),
      m_pImageManager(NULL) {
  m_bRTLReading = (BYTE)(DetectRTLReading() != FALSE);
  SetTheme(0);
}

CTKHeaderCtrl::~CTKHeaderCtrl() {
  if (m_pTheme != NULL) m_pTheme->InternalRelease();
  if (m_pImageManager != NULL) m_pImageManager->InternalRelease();
}

BOOL CTKHeaderCtrl::SetTheme(int nTheme) {
  if (m_pTheme != NULL) m_pTheme->InternalRelease();
  switch (nTheme) {
    case 1:
    case 2:
    case 3:
    case 4:
      m_pTheme = new CTKHeaderCtrlThemeOfficeXP();
      break;
    case 5:
      m_pTheme = new CTKHeaderCtrlThemeOffice2003();
      break;
    case 6:
    case 8:
    case 9:
    case 10:
      m_pTheme = new CTKHeaderCtrlThemeExplorer();
      m_pTheme->SetDrawStyle(
          TK_HEADER_STYLE_WINXPTHEMES | TK_HEADER_STYLE_HOTTRACK | TK_HEADER_STYLE_SORTARROW, this);
      break;
    case 7:
      m_pTheme = new CTKHeaderCtrlThemeResource();
      break;
    default:
      m_pTheme = new CTKHeaderCtrlTheme();
      break;
  }
  RefreshMetrics();
  return m_pTheme != NULL;
}

void CTKHeaderCtrl::RefreshMetrics() {
  if (m_pTheme != NULL) m_pTheme->RefreshMetrics(this);
  if (::IsWindow(m_hWnd)) Invalidate();
}

void CTKHeaderCtrl::SetImageManager(CTKImageManager* pImageManager) {
  if (pImageManager != NULL) pImageManager->InternalAddRef();
  if (m_pImageManager != NULL) m_pImageManager->InternalRelease();
  m_pImageManager = pImageManager;
}

BOOL CTKHeaderCtrl::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  if (message == WM_SETTINGCHANGE || message == WM_SYSCOLORCHANGE) RefreshMetrics();
  return CHeaderCtrl::OnWndMsg(message, wParam, lParam, pResult);
}

BOOL CTKHeaderCtrl::DetectRTLReading() {
  CTKScopedWindowDC screen(NULL);
  UINT nAlign = ::GetTextAlign(screen.Get());
  return nAlign != GDI_ERROR && (nAlign & TA_RTLREADING) != 0;
}

void CTKHeaderCtrl::InitializeFont(BOOL bBold) {
  CFont& font = bBold ? TKAuxData()->m_fontBold : TKAuxData()->m_font;
  SendMessage(WM_SETFONT, (WPARAM)font.GetSafeHandle(), FALSE);
}

void CTKHeaderCtrl::SetFontBold(BOOL bBold) {
  InitializeFont(bBold);
  if (::IsWindow(m_hWnd)) RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CTKHeaderCtrl::SetPopupMenu(UINT nMenuId, int nSubMenu) {
  m_nPopupMenuId = nMenuId;
  m_nPopupSubMenu = nSubMenu;
}

void CTKHeaderCtrl::ShowSortArrow(BOOL bShow) {
  if (m_pTheme == NULL) return;
  DWORD dwStyle = m_pTheme->GetDrawStyle();
  dwStyle = bShow ? (dwStyle | TK_HEADER_STYLE_SORTARROW) : (dwStyle & ~TK_HEADER_STYLE_SORTARROW);
  m_pTheme->SetDrawStyle(dwStyle, this);
}

int CTKHeaderCtrl::SetSortImage(int nColumn, BOOL bAscending) {
  int nPrevious = m_nSortedCol;
  m_nSortedCol = nColumn;
  m_bAscending = bAscending;
  if (::IsWindow(m_hWnd)) RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  return nPrevious;
}

int CTKHeaderCtrl::GetSortedCol(BOOL* pbAscending) const {
  if (pbAscending != NULL) *pbAscending = m_bAscending;
  return m_nSortedCol;
}

int CTKHeaderCtrl::HitTest(CPoint pt, UINT* pFlags) const {
  HDHITTESTINFO hti = {};
  hti.pt = pt;
  int nItem = (int)::SendMessage(m_hWnd, HDM_HITTEST, 0, (LPARAM)&hti);
  if (pFlags != NULL) *pFlags = hti.flags;
  return nItem;
}

BOOL CTKHeaderCtrl::IsItemPressed(int nItem) {
  if (!m_bLBtnDown) return FALSE;
  CPoint pt;
  ::GetCursorPos(&pt);
  ScreenToClient(&pt);
  UINT nFlags = 0;
  return HitTest(pt, &nFlags) == nItem && (nFlags & HHT_ONHEADER) != 0;
}

BOOL CTKHeaderCtrl::DefaultLayout(HDLAYOUT* pLayout) {
  return (BOOL)DefWindowProc(HDM_LAYOUT, 0, (LPARAM)pLayout);
}

void CTKHeaderCtrl::OnPaint() {
  if (m_pTheme == NULL) {
    Default();
    return;
  }
  CPaintDC dc(this);
  CTKBufferDC memDC(dc);
  m_pTheme->DrawHeader(&memDC, this);
}

LRESULT CTKHeaderCtrl::OnPrintClient(WPARAM wParam, LPARAM) {
  if (m_pTheme == NULL || wParam == 0) return Default();
  m_pTheme->DrawHeader(CDC::FromHandle((HDC)wParam), this);
  return 1;
}

LRESULT CTKHeaderCtrl::OnLayout(WPARAM, LPARAM lParam) {
  if (m_pTheme == NULL) return Default();
  return m_pTheme->Layout(reinterpret_cast<HDLAYOUT*>(lParam), this);
}

void CTKHeaderCtrl::OnLButtonDown(UINT, CPoint) {
  m_bLBtnDown = TRUE;
  Default();
}

void CTKHeaderCtrl::OnLButtonUp(UINT, CPoint) {
  m_bLBtnDown = FALSE;
  Default();
}

void CTKHeaderCtrl::OnMouseMove(UINT, CPoint) {
  if (m_pTheme != NULL && m_pTheme->UseWinXPThemes(this)) SetTimer(kHotTrackTimer, 10, NULL);
  Default();
}

void CTKHeaderCtrl::OnTimer(UINT_PTR nIDEvent) {
  if (nIDEvent == kHotTrackTimer) {
    CPoint pt;
    ::GetCursorPos(&pt);
    ScreenToClient(&pt);
    int nItem = HitTest(pt);
    if (nItem < 0) {
      KillTimer(kHotTrackTimer);
      if (m_bHotItemDrawn) {
        RedrawWindow();
        m_bHotItemDrawn = FALSE;
      }
    } else {
      if (nItem != m_nHotItem) {
        m_nHotItem = nItem;
        m_bHotItemDrawn = FALSE;
      }
      if (!m_bHotItemDrawn) {
        RedrawWindow();
        m_bHotItemDrawn = TRUE;
      }
    }
  }
  Default();
}

void CTKHeaderCtrl::OnDestroy() {
  if (m_pTheme != NULL) m_pTheme->CleanUp(this);
  Default();
}

LRESULT CTKHeaderCtrl::OnSetTheme(WPARAM wParam, LPARAM) {
  SetTheme((int)wParam);
  return 0;
}
