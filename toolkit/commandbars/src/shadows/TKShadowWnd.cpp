// CTKShadowManager::CShadowWnd: one shadow window, placed beside its owner,
// cut where it would cover what it must not, and following its owner.
#include "commandbars/TKShadowManager.h"
#include "common/TKBitmapFunctions.h"
#include "common/TKColorManager.h"
#include "common/TKScopedHandle.h"

BEGIN_MESSAGE_MAP(CTKShadowManager::CShadowWnd, CWnd)
ON_WM_ERASEBKGND()
ON_WM_PAINT()
ON_WM_SIZE()
ON_WM_NCHITTEST()
END_MESSAGE_MAP()

CTKShadowManager::CShadowWnd::CShadowWnd(CTKShadowManager* pManager, HWND hWndOwner, int nKind,
                                         BOOL bControlShadow, BOOL bGroup)
    : m_hWndOwner(hWndOwner),
      m_nKind(nKind),
      m_bHasRegion(FALSE),
      m_bGroup(bGroup),
      m_bControlShadow(bControlShadow),
      m_pManager(pManager) {}

CTKShadowManager::CShadowWnd::~CShadowWnd() {
  if (m_hWnd != NULL) DestroyWindow();
}

void CTKShadowManager::CShadowWnd::CreateShadow(const CRect& rcOwner) {
  if (m_hWnd == NULL) {
    const UINT nClassStyle = m_pManager->m_bUseSaveBits ? (CS_SAVEBITS | CS_OWNDC) : 0;
    const DWORD dwExStyle =
        WS_EX_TOOLWINDOW | (m_pManager->CanUseAlphaShadow() ? WS_EX_LAYERED : 0);
    // Made at no size, so that the placing below sizes it and pushes its ramp.
    if (!CreateEx(dwExStyle, AfxRegisterWndClass(nClassStyle, ::LoadCursor(NULL, IDC_ARROW)), NULL,
                  WS_POPUP, 0, 0, 0, 0, ::GetParent(m_hWndOwner), NULL))
      return;
  }
  SetWindowRgn(NULL, FALSE);
  m_bHasRegion = FALSE;
  MoveWindow(CalcShadowRect(m_nKind, rcOwner, m_pManager->GetShadowThickness()), FALSE);
}

void CTKShadowManager::CShadowWnd::AdjustForAdjacentShadows() {
  if (m_hWnd == NULL || m_nKind == kShadowCorner) return;
  CRect rc;
  GetWindowRect(&rc);
  const CRect rcOld(rc);
  POSITION pos = m_pManager->m_shadows.GetHeadPosition();
  while (pos != NULL) {
    CShadowWnd* pOther = m_pManager->m_shadows.GetNext(pos);
    if (pOther == this || pOther->m_hWnd == NULL || pOther->m_nKind == kShadowCorner ||
        pOther->m_nKind == m_nKind)
      continue;
    CRect rcOther;
    pOther->GetWindowRect(&rcOther);
    if (m_nKind == kShadowBelow) {
      // A strip below that starts under another pop-up's right-hand strip
      // reaches back over it.
      if (rc.left == rcOther.right - 1 && rcOther.top < rc.top && rcOther.bottom > rc.bottom)
        rc.left -= 2 * rcOther.Width() + 1;
    } else if (rc.top == rcOther.bottom - 1 && rcOther.left < rc.right &&
               rcOther.right > rc.right) {
      rc.top -= 2 * rcOther.Height();
    }
  }
  if (rc != rcOld) MoveWindow(rc, FALSE);
}

void CTKShadowManager::CShadowWnd::ExcludeRect(const CRect& rcExclude) {
  if (m_hWnd == NULL) return;
  CRect rcWindow;
  GetWindowRect(&rcWindow);
  CRect rcCut;
  if (!rcCut.IntersectRect(rcWindow, rcExclude)) return;
  rcCut.OffsetRect(-rcWindow.TopLeft());
  // Earlier cuts stay: each one is taken from the region as it is.
  CTKScopedRgn rgn(::CreateRectRgn(0, 0, rcWindow.Width(), rcWindow.Height()));
  if (m_bHasRegion) ::GetWindowRgn(m_hWnd, rgn.Get());
  CTKScopedRgn rgnCut(::CreateRectRgnIndirect(&rcCut));
  ::CombineRgn(rgn.Get(), rgn.Get(), rgnCut.Get(), RGN_DIFF);
  // The window owns the region from here on.
  if (SetWindowRgn(rgn.Get(), FALSE)) rgn.Detach();
  m_bHasRegion = TRUE;
}

int CTKShadowManager::CShadowWnd::OnHookMessage(HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM&,
                                                LRESULT&) {
  if (nMessage == WM_SHOWWINDOW && m_hWnd != NULL) {
    ShowWindow(wParam != 0 ? SW_SHOWNA : SW_HIDE);
  } else if (nMessage == WM_DESTROY) {
    TKHookManager()->RemoveHook(hWnd, this);
    m_pManager->DestroyShadow(this);  // deletes this object
  }
  return 0;
}

BOOL CTKShadowManager::CShadowWnd::OnEraseBkgnd(CDC*) { return TRUE; }

void CTKShadowManager::CShadowWnd::OnPaint() {
  CPaintDC dc(this);
  CRect rc;
  GetClientRect(&rc);
  // With alpha the layered picture shows, not what is painted here.
  dc.FillSolidRect(rc, m_pManager->CanUseAlphaShadow()
                           ? RGB(0, 0, 0)
                           : TKColorManager()->GetColor(COLOR_BTNSHADOW));
}

void CTKShadowManager::CShadowWnd::OnSize(UINT nType, int cx, int cy) {
  CWnd::OnSize(nType, cx, cy);
  if (cx > 0 && cy > 0 && m_pManager->CanUseAlphaShadow() &&
      m_pManager->m_pfnUpdateLayeredWindow != nullptr && m_hWndOwner != NULL)
    UpdateAlphaShadow(cx, cy);
}

LRESULT CTKShadowManager::CShadowWnd::OnNcHitTest(CPoint) { return HTTRANSPARENT; }

void CTKShadowManager::CShadowWnd::UpdateAlphaShadow(int cx, int cy) {
  LPBYTE pBits = nullptr;
  CTKScopedCreatedDC memDC(::CreateCompatibleDC(NULL));
  CTKScopedBitmap dib(Create32BitDIBSection(memDC.Get(), cx, cy, &pBits));
  if (!memDC || !dib || pBits == nullptr) return;
  FillAlphaShadow(reinterpret_cast<DWORD*>(pBits), cx, cy, m_nKind, m_pManager->GetOptions(),
                  m_pManager->GetShadowColor());
  CTKSelectGuard select(memDC.Get(), dib.Get());
  SIZE size = {cx, cy};
  POINT ptSrc = {0, 0};
  BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  m_pManager->m_pfnUpdateLayeredWindow(m_hWnd, NULL, NULL, &size, memDC.Get(), &ptSrc, 0, &blend,
                                       ULW_ALPHA);
}
