// The frame shadow's life: creation, following the frame, the look's setters
// and the manager's options.
#include "common/TKFrameShadow.h"

#include "TKFrameShadowGdiPlus.h"

BEGIN_MESSAGE_MAP(CTKFrameShadow, CWnd)
ON_WM_PAINT()
ON_WM_DESTROY()
ON_WM_TIMER()
ON_WM_SETCURSOR()
ON_WM_LBUTTONDOWN()
ON_WM_MOUSEACTIVATE()
END_MESSAGE_MAP()

namespace {
const UINT_PTR kRestoreTimer = 1;
const UINT kRestoreDelayMs = 250;
const UINT kMoveFlags = SWP_NOREDRAW | SWP_NOACTIVATE | SWP_NOCOPYBITS | SWP_NOOWNERZORDER;
}  // namespace

CTKFrameShadow::CTKFrameShadow(HWND hWndFrame)
    : m_pManager(TKFrameShadowManager()),
      m_hWndFrame(hWndFrame),
      m_bCreated(FALSE),
      m_bShown(FALSE),
      m_nSize(0),
      m_nInnerSize(0),
      m_nOffsetX(0),
      m_nOffsetY(0),
      m_clr(0),
      m_nTransparency(0),
      m_bMinimized(FALSE),
      m_nResizeState(-1),
      m_pGeometry(nullptr),
      m_bGdiPlus(FALSE),
      m_bInDestroy(FALSE),
      m_bDeleting(FALSE),
      m_bDeleteAfterNcDestroy(FALSE),
      m_nPaintedAlpha(0),
      m_bPainted(FALSE) {
  m_bGdiPlus = TKFrameShadowGdiPlusStartup();
  m_pManager->AddObserver(this);
}

CTKFrameShadow::~CTKFrameShadow() {
  m_pManager->RemoveObserver(this);
  delete m_pGeometry;
  m_pGeometry = nullptr;
  if (m_bGdiPlus) TKFrameShadowGdiPlusShutdown();
}

void CTKFrameShadow::OnFinalRelease() {
  if (m_bDeleting) return;
  if (m_bInDestroy) {
    // The window is going away right now; its WM_NCDESTROY deletes us.
    m_bDeleteAfterNcDestroy = TRUE;
    return;
  }
  m_bDeleting = TRUE;
  if (m_hWnd != nullptr) DestroyWindow();
  delete this;
}

void CTKFrameShadow::PostNcDestroy() {
  if (m_bDeleteAfterNcDestroy && !m_bDeleting) {
    m_bDeleting = TRUE;
    delete this;
  }
}

BOOL CTKFrameShadow::IsLayeredWindowSupported() {
  static int s_nSupported = -1;
  if (s_nSupported < 0) {
    HMODULE hUser = ::GetModuleHandleA("user32");
    s_nSupported =
        (hUser != nullptr && ::GetProcAddress(hUser, "UpdateLayeredWindow") != nullptr) ? 1 : 0;
  }
  return s_nSupported;
}

BOOL CTKFrameShadow::CanResize() const {
  return (::GetWindowLong(m_hWndFrame, GWL_STYLE) & WS_THICKFRAME) &&
         !(m_pManager->GetEffectiveOptions() & TKFRAMESHADOW_NORESIZE);
}

BOOL CTKFrameShadow::Create(COLORREF clr, int nSize, int nInnerSize, int nOffsetX, int nOffsetY,
                            BYTE nTransparency) {
  if (!IsLayeredWindowSupported()) return FALSE;
  DWORD dwExStyle = WS_EX_NOACTIVATE | WS_EX_LAYERED | WS_EX_TOOLWINDOW;
  if (!CanResize()) dwExStyle |= WS_EX_TRANSPARENT;
  if (!CreateEx(dwExStyle, AfxRegisterWndClass(0), "TKFrameShadow", WS_POPUP, CW_USEDEFAULT,
                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr))
    return FALSE;
  m_nSize = nSize;
  m_clr = clr;
  m_nInnerSize = nInnerSize;
  m_nOffsetY = nOffsetY;
  m_nOffsetX = nOffsetX;
  m_nTransparency = nTransparency;
  m_bCreated = TRUE;
  SetDefaultCenterBlend();
  if (::IsWindowVisible(m_hWndFrame)) Show();
  return TRUE;
}

void CTKFrameShadow::Show() {
  if (m_bShown) return;
  m_bShown = TRUE;
  ShowWindow(SW_SHOWNA);
  Update(TRUE, TRUE);
}

void CTKFrameShadow::Hide() {
  ShowWindow(SW_HIDE);
  m_bShown = FALSE;
}

void CTKFrameShadow::StartRestoreTimer() { SetTimer(kRestoreTimer, kRestoreDelayMs, nullptr); }

void CTKFrameShadow::Update(BOOL bMove, BOOL bRebuild) {
  if (!m_bCreated || !m_bShown) return;
  if (m_bMinimized || !::IsWindowVisible(m_hWndFrame)) return;
  m_bMinimized = ::IsIconic(m_hWndFrame);
  if ((::GetWindowLong(m_hWndFrame, GWL_STYLE) & WS_MAXIMIZE) || m_bMinimized) {
    ShowWindow(SW_HIDE);
    return;
  }
  if (bMove) {
    CRect rcFrame;
    ::GetWindowRect(m_hWndFrame, &rcFrame);
    CSize szNew(rcFrame.Width() + 2 * m_nSize, rcFrame.Height() + 2 * m_nSize);
    CPoint pt(rcFrame.left + m_nOffsetX - m_nSize, rcFrame.top + m_nOffsetY - m_nSize);
    CRect rcClient;
    GetClientRect(&rcClient);
    UINT nFlags = kMoveFlags;
    if (szNew != rcClient.Size())
      bRebuild = TRUE;
    else
      nFlags |= SWP_NOSIZE;
    if (!IsWindowVisible()) nFlags |= SWP_SHOWWINDOW;
    ::SetWindowPos(m_hWnd, m_hWndFrame, pt.x, pt.y, szNew.cx, szNew.cy, nFlags);
  }
  if (bRebuild) {
    RebuildGeometry();
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
    ::UpdateWindow(m_hWnd);
  }
}

void CTKFrameShadow::SetSize(int nSize) {
  if (m_nSize == nSize) return;
  m_nSize = nSize;
  Update(TRUE, TRUE);
}

void CTKFrameShadow::SetInnerSize(int nInnerSize) {
  if (m_nInnerSize == nInnerSize) return;
  m_nInnerSize = nInnerSize;
  Update(TRUE, TRUE);
}

void CTKFrameShadow::SetOffset(int x, int y) {
  if (m_nOffsetX == x && m_nOffsetY == y) return;
  m_nOffsetX = x;
  m_nOffsetY = y;
  Update(TRUE, TRUE);
}

void CTKFrameShadow::SetColor(COLORREF clr) {
  if (m_clr == clr) return;
  m_clr = clr;
  Update(FALSE, TRUE);
}

void CTKFrameShadow::SetTransparency(BYTE nTransparency) {
  if (m_nTransparency == nTransparency) return;
  m_nTransparency = nTransparency;
  Update(FALSE, TRUE);
}

void CTKFrameShadow::SetDefaultCenterBlend() {
  m_arrCenterFactors.SetSize(2);
  m_arrCenterPositions.SetSize(2);
  m_arrCenterFactors[0] = m_arrCenterFactors[1] = 0.0f;
  m_arrCenterPositions[0] = 0.0f;
  m_arrCenterPositions[1] = 1.0f;
}

void CTKFrameShadow::SetBlend(int nCount, const float* pFactors, const float* pPositions) {
  if (nCount > 0) {
    m_arrEdgeFactors.SetSize(nCount);
    m_arrEdgePositions.SetSize(nCount);
    m_arrCornerFactors.SetSize(nCount);
    m_arrCornerPositions.SetSize(nCount);
    for (int i = 0; i < nCount; ++i) {
      m_arrEdgeFactors[i] = 1.0f - pFactors[i];
      m_arrEdgePositions[i] = pPositions[i];
      // The corner gradients run from the centre outwards, the edges inwards.
      m_arrCornerFactors[nCount - 1 - i] = pFactors[i];
      m_arrCornerPositions[i] =
          (pPositions[i] > 0.0f && pPositions[i] < 1.0f) ? 1.0f - pPositions[i] : pPositions[i];
    }
    m_arrCenterFactors.SetSize(2);
    m_arrCenterPositions.SetSize(2);
    m_arrCenterFactors[0] = m_arrCenterFactors[1] = m_arrEdgeFactors[0];
    m_arrCenterPositions[0] = 0.0f;
    m_arrCenterPositions[1] = 1.0f;
  } else {
    m_arrEdgeFactors.RemoveAll();
    m_arrEdgePositions.RemoveAll();
    m_arrCornerFactors.RemoveAll();
    m_arrCornerPositions.RemoveAll();
    SetDefaultCenterBlend();
  }
  Update(FALSE, TRUE);
}

void CTKFrameShadow::OnFrameStyleChanged(DWORD dwOldStyle, DWORD dwNewStyle) {
  DWORD dwExStyle = static_cast<DWORD>(GetExStyle());
  BOOL bGained = !(dwOldStyle & WS_THICKFRAME) && (dwNewStyle & WS_THICKFRAME);
  BOOL bLost = (dwOldStyle & WS_THICKFRAME) && !(dwNewStyle & WS_THICKFRAME);
  if (bGained && (dwExStyle & WS_EX_TRANSPARENT))
    ModifyStyleEx(WS_EX_TRANSPARENT, 0);
  else if (bLost && !(dwExStyle & WS_EX_TRANSPARENT))
    ModifyStyleEx(0, WS_EX_TRANSPARENT);
}

void CTKFrameShadow::OnFrameShadowOptionsChanged(CTKFrameShadowManager*, DWORD dwOldOptions,
                                                 DWORD dwNewOptions) {
  if (!m_bCreated) return;
  DWORD dwChanged = dwOldOptions ^ dwNewOptions;
  if (dwChanged & TKFRAMESHADOW_NORESIZE) {
    int nCanResize = CanResize() ? 1 : 0;
    if (nCanResize != m_nResizeState) {
      m_nResizeState = nCanResize;
      if (nCanResize)
        ModifyStyleEx(WS_EX_TRANSPARENT, 0, SWP_FRAMECHANGED);
      else
        ModifyStyleEx(0, WS_EX_TRANSPARENT, SWP_FRAMECHANGED);
    }
  }
  if (dwChanged & TKFRAMESHADOW_HIDDEN) {
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
    ::UpdateWindow(m_hWnd);
  }
}

void CTKFrameShadow::OnTimer(UINT_PTR nIDEvent) {
  if (nIDEvent != kRestoreTimer) {
    CWnd::OnTimer(nIDEvent);
    return;
  }
  m_bMinimized = FALSE;
  Reposition();
  KillTimer(kRestoreTimer);
}

void CTKFrameShadow::OnDestroy() {
  // Hold ourselves while the manager lets go, so its release cannot delete us here.
  m_bInDestroy = TRUE;
  InternalAddRef();
  m_pManager->DisableShadowByHandle(m_hWndFrame);
  CWnd::OnDestroy();
  InternalRelease();
  m_bInDestroy = FALSE;
}
