// CControlBar: a band of a frame's layout with delayed show and hide and
// idle-time updates of its items.
#include <afxwin.h>

BEGIN_MESSAGE_MAP(CControlBar, CWnd)
ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
ON_WM_WINDOWPOSCHANGING()
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_ERASEBKGND()
ON_WM_NCPAINT()
ON_WM_NCCALCSIZE()
END_MESSAGE_MAP()

IMPLEMENT_DYNAMIC(CControlBar, CWnd)

CControlBar::CControlBar()
    : m_bAutoDelete(FALSE),
      m_cxLeftBorder(6),
      m_cxRightBorder(6),
      m_cyTopBorder(2),
      m_cyBottomBorder(2),
      m_cxDefaultGap(2),
      m_nMRUWidth(32767),
      m_nCount(0),
      m_dwStyle(0),
      m_dwDockStyle(0),
      m_nStateFlags(0),
      m_pDockSite(nullptr) {}

CControlBar::~CControlBar() {}

BOOL CControlBar::PreCreateWindow(CREATESTRUCT& cs) {
  if (!CWnd::PreCreateWindow(cs)) return FALSE;
  // The bar paints its own background; the frame's client must not.
  cs.style |= WS_CLIPSIBLINGS;
  return TRUE;
}

int CControlBar::OnCreate(LPCREATESTRUCT lpcs) {
  if (CWnd::OnCreate(lpcs) == -1) return -1;
  CWnd* pParent = CWnd::FromHandlePermanent(::GetParent(m_hWnd));
  if (pParent != nullptr && pParent->IsKindOf(RUNTIME_CLASS(CFrameWnd))) {
    m_pDockSite = static_cast<CFrameWnd*>(pParent);
    m_pDockSite->AddControlBar(this);
  }
  return 0;
}

void CControlBar::OnDestroy() {
  if (m_pDockSite != nullptr) {
    m_pDockSite->RemoveControlBar(this);
    m_pDockSite = nullptr;
  }
  CWnd::OnDestroy();
}

void CControlBar::PostNcDestroy() {
  if (m_bAutoDelete) delete this;
}

BOOL CControlBar::PreTranslateMessage(MSG* pMsg) { return CWnd::PreTranslateMessage(pMsg); }

// Messages to the owner --------------------------------------------------------------------

namespace {

// What a bar's controls, its tool tip and the menus it tracks tell their
// parent or owner, the bar: the owner's business.
bool IsOwnerMessage(UINT message) {
  switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_COMPAREITEM:
    case WM_DELETEITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
      return true;
    default:
      return false;
  }
}

// A tool tip's request for its text that the owner left without an answer.
bool IsUnansweredTipRequest(UINT message, LPARAM lParam) {
  if (message != WM_NOTIFY) return false;
  const NMHDR* pNMHDR = reinterpret_cast<const NMHDR*>(lParam);
  if (pNMHDR->code == TTN_NEEDTEXTA) {
    const NMTTDISPINFOA* pInfo = reinterpret_cast<const NMTTDISPINFOA*>(lParam);
    return pInfo->lpszText == nullptr ||
           (!IS_INTRESOURCE(pInfo->lpszText) && pInfo->lpszText[0] == '\0');
  }
  if (pNMHDR->code == TTN_NEEDTEXTW) {
    const NMTTDISPINFOW* pInfo = reinterpret_cast<const NMTTDISPINFOW*>(lParam);
    return pInfo->lpszText == nullptr ||
           (!IS_INTRESOURCE(pInfo->lpszText) && pInfo->lpszText[0] == L'\0');
  }
  return false;
}

}  // namespace

// Whatever the bar's map and the controls' reflection leave of these
// messages reaches the owner (the frame) instead of the bar's default
// procedure: commands of its controls and of the pop-up menus it tracks,
// notifications of its controls and its tool tip, owner-drawn items. Only
// a tool tip's text that the owner did not give is left to the bar itself.
LRESULT CControlBar::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  CWnd* pOwner = IsOwnerMessage(message) ? GetOwner() : nullptr;
  if (pOwner == nullptr || pOwner->m_hWnd == m_hWnd)
    return CWnd::DefWindowProc(message, wParam, lParam);
  LRESULT lResult = pOwner->SendMessage(message, wParam, lParam);
  if (IsUnansweredTipRequest(message, lParam))
    lResult = CWnd::DefWindowProc(message, wParam, lParam);
  return lResult;
}

void CControlBar::SetBarStyle(DWORD dwStyle) {
  DWORD dwOldStyle = m_dwStyle;
  m_dwStyle = dwStyle & CBRS_ALL;
  if (dwOldStyle != m_dwStyle) OnBarStyleChange(dwOldStyle, m_dwStyle);
}

void CControlBar::OnBarStyleChange(DWORD, DWORD) {}

CFrameWnd* CControlBar::GetDockingFrame() const {
  CFrameWnd* pFrame = GetParentFrame();
  return pFrame != nullptr ? pFrame : m_pDockSite;
}

// Visibility -------------------------------------------------------------------------------

BOOL CControlBar::IsVisible() const {
  if (m_nStateFlags & delayHide) return FALSE;
  return (m_nStateFlags & delayShow) != 0 || (GetStyle() & WS_VISIBLE) != 0;
}

void CControlBar::DelayShow(BOOL bShow) {
  m_nStateFlags &= ~(delayHide | delayShow);
  const BOOL bVisible = (GetStyle() & WS_VISIBLE) != 0;
  if (bShow && !bVisible)
    m_nStateFlags |= delayShow;
  else if (!bShow && bVisible)
    m_nStateFlags |= delayHide;
}

DWORD CControlBar::RecalcDelayShow(AFX_SIZEPARENTPARAMS* lpLayout) {
  DWORD dwStyle = (m_dwStyle & (CBRS_ALIGN_ANY | CBRS_BORDER_ANY)) | (GetStyle() & WS_VISIBLE);
  if ((m_nStateFlags & (delayHide | delayShow)) == 0) return dwStyle;
  UINT swpFlags = 0;
  if ((m_nStateFlags & delayHide) && (dwStyle & WS_VISIBLE))
    swpFlags = SWP_HIDEWINDOW;
  else if ((m_nStateFlags & delayShow) && !(dwStyle & WS_VISIBLE))
    swpFlags = SWP_SHOWWINDOW;
  if (swpFlags == 0) {
    m_nStateFlags &= ~(delayHide | delayShow);
    return dwStyle;
  }
  // A measuring pass only pretends; the layout pass that moves windows shows or hides.
  if (lpLayout->hDWP != nullptr) {
    lpLayout->hDWP =
        ::DeferWindowPos(lpLayout->hDWP, m_hWnd, nullptr, 0, 0, 0, 0,
                         swpFlags | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    m_nStateFlags &= ~(delayHide | delayShow);
  }
  return dwStyle ^ WS_VISIBLE;
}

// Layout ---------------------------------------------------------------------------------------

namespace {
// The gripper: a 3-pixel bar with 2 pixels of space on either side.
const int kGripperWidth = 3;
const int kGripperBorder = 2;
}  // namespace

CSize CControlBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz) {
  return CSize(bStretch && bHorz ? 32767 : 0, bStretch && !bHorz ? 32767 : 0);
}

CSize CControlBar::CalcDynamicLayout(int nLength, DWORD nMode) {
  if (nLength == -1 && !(nMode & (LM_MRUWIDTH | LM_COMMIT)) &&
      (nMode & (LM_HORZDOCK | LM_VERTDOCK)))
    return CalcFixedLayout(nMode & LM_STRETCH, nMode & LM_HORZDOCK);
  return CalcFixedLayout(nMode & LM_STRETCH, nMode & LM_HORZ);
}

CSize CControlBar::SizeAroundContent(CSize sizeContent, BOOL bStretch, BOOL bHorz) const {
  CRect inside(0, 0, 0, 0);
  CalcInsideRect(inside, bHorz);
  CSize size(sizeContent.cx - inside.Width(), sizeContent.cy - inside.Height());
  if (bStretch) (bHorz ? size.cx : size.cy) = 32767;
  return size;
}

void CControlBar::CalcInsideRect(CRect& rect, BOOL bHorz) const {
  const DWORD dwStyle = m_dwStyle;
  if (dwStyle & CBRS_BORDER_LEFT) rect.left += ::GetSystemMetrics(SM_CXBORDER) * 2;
  if (dwStyle & CBRS_BORDER_TOP) rect.top += ::GetSystemMetrics(SM_CYBORDER) * 2;
  if (dwStyle & CBRS_BORDER_RIGHT) rect.right -= ::GetSystemMetrics(SM_CXBORDER) * 2;
  if (dwStyle & CBRS_BORDER_BOTTOM) rect.bottom -= ::GetSystemMetrics(SM_CYBORDER) * 2;
  // The leading border runs along the bar, and so does the gripper of a
  // docked bar (a floating one is moved by its caption).
  const int nGripper = (dwStyle & (CBRS_GRIPPER | CBRS_FLOATING)) == CBRS_GRIPPER
                           ? kGripperBorder + kGripperWidth + kGripperBorder
                           : 0;
  if (bHorz) {
    rect.left += m_cxLeftBorder + nGripper;
    rect.top += m_cyTopBorder;
    rect.right -= m_cxRightBorder;
    rect.bottom -= m_cyBottomBorder;
  } else {
    rect.left += m_cyTopBorder;
    rect.top += m_cxLeftBorder + nGripper;
    rect.right -= m_cyBottomBorder;
    rect.bottom -= m_cxRightBorder;
  }
}

LRESULT CControlBar::OnSizeParent(WPARAM, LPARAM lParam) {
  AFX_SIZEPARENTPARAMS* lpLayout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
  DWORD dwStyle = RecalcDelayShow(lpLayout);
  if (!(dwStyle & WS_VISIBLE) || !(dwStyle & CBRS_ALIGN_ANY)) return 0;

  CRect rect(lpLayout->rect);
  const CSize sizeAvail = rect.Size();
  DWORD dwMode = lpLayout->bStretch ? LM_STRETCH : 0;
  if ((m_dwStyle & CBRS_SIZE_DYNAMIC) && (m_dwStyle & CBRS_FLOATING))
    dwMode |= LM_HORZ | LM_MRUWIDTH;
  else if (dwStyle & CBRS_ORIENT_HORZ)
    dwMode |= LM_HORZ | LM_HORZDOCK;
  else
    dwMode |= LM_VERTDOCK;
  CSize size = CalcDynamicLayout(-1, dwMode);
  size.cx = std::min(size.cx, sizeAvail.cx);
  size.cy = std::min(size.cy, sizeAvail.cy);

  if (dwStyle & CBRS_ORIENT_HORZ) {
    lpLayout->sizeTotal.cy += size.cy;
    lpLayout->sizeTotal.cx = std::max(lpLayout->sizeTotal.cx, size.cx);
    if (dwStyle & CBRS_ALIGN_TOP) {
      lpLayout->rect.top += size.cy;
    } else {
      rect.top = rect.bottom - size.cy;
      lpLayout->rect.bottom -= size.cy;
    }
  } else {
    lpLayout->sizeTotal.cx += size.cx;
    lpLayout->sizeTotal.cy = std::max(lpLayout->sizeTotal.cy, size.cy);
    if (dwStyle & CBRS_ALIGN_LEFT) {
      lpLayout->rect.left += size.cx;
    } else {
      rect.left = rect.right - size.cx;
      lpLayout->rect.right -= size.cx;
    }
  }
  rect.right = rect.left + size.cx;
  rect.bottom = rect.top + size.cy;
  if (lpLayout->hDWP != nullptr) AfxRepositionWindow(lpLayout, m_hWnd, &rect);
  return 0;
}

void CControlBar::OnWindowPosChanging(WINDOWPOS* lpWndPos) {
  CWnd::OnWindowPosChanging(lpWndPos);
  // The borders depend on the size; repaint them whenever it changes.
  if (!(lpWndPos->flags & SWP_NOSIZE))
    ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
}

// Idle update ------------------------------------------------------------------------------------

LRESULT CControlBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM) {
  const BOOL bVisible = (GetStyle() & WS_VISIBLE) != 0;
  UINT swpFlags = 0;
  if ((m_nStateFlags & delayHide) && bVisible)
    swpFlags = SWP_HIDEWINDOW;
  else if ((m_nStateFlags & delayShow) && !bVisible)
    swpFlags = SWP_SHOWWINDOW;
  m_nStateFlags &= ~(delayShow | delayHide);
  if (swpFlags != 0)
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                   swpFlags | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

  if (GetStyle() & WS_VISIBLE) {
    CWnd* pOwner = GetOwner();
    CFrameWnd* pTarget = (pOwner != nullptr && pOwner->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
                             ? static_cast<CFrameWnd*>(pOwner)
                             : GetDockingFrame();
    if (pTarget != nullptr) OnUpdateCmdUI(pTarget, static_cast<BOOL>(wParam));
  }
  return 0;
}

// Painting ---------------------------------------------------------------------------------------

BOOL CControlBar::OnEraseBkgnd(CDC* pDC) {
  RECT rect;
  ::GetClientRect(m_hWnd, &rect);
  ::FillRect(pDC->GetSafeHdc(), &rect, ::GetSysColorBrush(COLOR_BTNFACE));
  return TRUE;
}

void CControlBar::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS* lpncsp) {
  // The CBRS_BORDER_ lines are drawn outside the client area.
  RECT& rc = lpncsp->rgrc[0];
  const int cxBorder = ::GetSystemMetrics(SM_CXBORDER) * 2,
            cyBorder = ::GetSystemMetrics(SM_CYBORDER) * 2;
  if (m_dwStyle & CBRS_BORDER_LEFT) rc.left += cxBorder;
  if (m_dwStyle & CBRS_BORDER_TOP) rc.top += cyBorder;
  if (m_dwStyle & CBRS_BORDER_RIGHT) rc.right -= cxBorder;
  if (m_dwStyle & CBRS_BORDER_BOTTOM) rc.bottom -= cyBorder;
  if (rc.right < rc.left) rc.right = rc.left;
  if (rc.bottom < rc.top) rc.bottom = rc.top;
}

void CControlBar::OnNcPaint() { EraseNonClient(); }

void CControlBar::EraseNonClient() {
  HDC hDC = ::GetWindowDC(m_hWnd);
  RECT rectClient, rectWindow;
  ::GetClientRect(m_hWnd, &rectClient);
  ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<POINT*>(&rectClient), 2);
  ::GetWindowRect(m_hWnd, &rectWindow);
  ::OffsetRect(&rectClient, -rectWindow.left, -rectWindow.top);
  ::ExcludeClipRect(hDC, rectClient.left, rectClient.top, rectClient.right, rectClient.bottom);
  ::OffsetRect(&rectWindow, -rectWindow.left, -rectWindow.top);
  ::FillRect(hDC, &rectWindow, ::GetSysColorBrush(COLOR_BTNFACE));
  if (m_dwStyle & CBRS_BORDER_ANY) {
    UINT nEdges = ((m_dwStyle & CBRS_BORDER_LEFT) ? BF_LEFT : 0) |
                  ((m_dwStyle & CBRS_BORDER_TOP) ? BF_TOP : 0) |
                  ((m_dwStyle & CBRS_BORDER_RIGHT) ? BF_RIGHT : 0) |
                  ((m_dwStyle & CBRS_BORDER_BOTTOM) ? BF_BOTTOM : 0);
    ::DrawEdge(hDC, &rectWindow, EDGE_ETCHED, nEdges);
  }
  ::ReleaseDC(m_hWnd, hDC);
}
