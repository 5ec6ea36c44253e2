// CTKPopupBar: the band at the bottom of a pop-up that shows a resizable
// gallery, dragged to resize the gallery, and the modal drag loop that the
// band and the tear-off share.
#include <algorithm>

#include "commandbars/TKCommandBarsSystem.h"
#include "commandbars/TKControlGallery.h"
#include "commandbars/TKControls.h"
#include "commandbars/TKMouseManager.h"
#include "commandbars/TKPopupBar.h"
#include "commandbars/TKShadowManager.h"
#include "common/TKDpiHelper.h"

namespace {

/// Resize modes: width only, height only (both in mode 3).
const int kResizeWidthOnly = 1;
const int kResizeHeightOnly = 2;
/// The band's height by mode, in 96-DPI pixels.
const int kBandHeightOnly = 8;
const int kBandBoth = 11;

}  // namespace

BOOL CTKPopupBar::RunDragLoop(const std::function<void(CPoint)>& onMove) {
  const HWND hWnd = m_hWnd;
  ::SetCapture(hWnd);
  BOOL bEscape = FALSE;
  MSG msg;
  while (::GetCapture() == hWnd) {
    if (!::GetMessage(&msg, NULL, 0, 0)) {
      ::PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (msg.message == WM_LBUTTONUP) break;
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) {
      bEscape = TRUE;
      break;
    }
    if (msg.message != WM_MOUSEMOVE) {
      ::TranslateMessage(&msg);
      ::DispatchMessage(&msg);
      continue;
    }
    CPoint pt(static_cast<short>(LOWORD(msg.lParam)), static_cast<short>(HIWORD(msg.lParam)));
    ::ClientToScreen(msg.hwnd, &pt);
    onMove(pt);
  }
  if (::GetCapture() == hWnd) ::ReleaseCapture();
  return bEscape;
}

CTKControlGallery* CTKPopupBar::GetResizableGallery() const {
  for (int i = 0; i < GetControlCount(); ++i) {
    CTKControl* pControl = GetControl(i);
    if (pControl->GetType() == tkControlGallery && pControl->IsVisible())
      return DYNAMIC_DOWNCAST(CTKControlGallery, pControl);
  }
  return nullptr;
}

int CTKPopupBar::UpdateResizeMode() {
  CTKControlGallery* pGallery = GetResizableGallery();
  m_nResizeMode = pGallery != nullptr ? pGallery->IsResizable() : 0;
  if (m_nResizeMode == 0) return 0;
  return TKDpiHelper()->ScaleY(m_nResizeMode == kResizeHeightOnly ? kBandHeightOnly : kBandBoth);
}

BOOL CTKPopupBar::HitTestResizeGripper(CPoint pt) const {
  if (m_rcResizeGripper.IsRectEmpty() || !m_rcResizeGripper.PtInRect(pt)) return FALSE;
  if (m_nResizeMode == kResizeHeightOnly) return TRUE;
  CRect rcSquare = m_rcResizeGripper;
  rcSquare.left = rcSquare.right - rcSquare.Height();
  return rcSquare.PtInRect(pt);
}

void CTKPopupBar::TrackResize(CPoint ptStart) {
  CTKControlGallery* pGallery = GetResizableGallery();
  if (pGallery == nullptr || GetSafeHwnd() == NULL) return;
  const CSize szOld(pGallery->GetWidth(), pGallery->GetHeight());
  SetPopuped(-1);
  SetSelected(-1);
  ClientToScreen(&ptStart);
  const BOOL bWidth = m_nResizeMode != kResizeHeightOnly;
  const BOOL bHeight = m_nResizeMode != kResizeWidthOnly;
  const BOOL bRtl = IsLayoutRTL();
  auto resizeTo = [&](CSize sz) {
    pGallery->SetWidth(sz.cx);
    pGallery->SetHeight(sz.cy);
    ResizeToLayout();
  };
  // While the band is dragged, tracked pop-ups ignore the mouse.
  CTKMouseManager* pMouseManager = CTKMouseManager::GetThreadManager();
  pMouseManager->LockTrack();
  const BOOL bEscape = RunDragLoop([&](CPoint pt) {
    CSize sz = szOld;
    if (bWidth)
      sz.cx = std::max<LONG>(pGallery->GetCustomizeMinWidth(),
                       szOld.cx + (bRtl ? ptStart.x - pt.x : pt.x - ptStart.x));
    if (bHeight)
      sz.cy = std::max<LONG>(pGallery->GetCustomizeMinHeight(), szOld.cy + pt.y - ptStart.y);
    resizeTo(sz);
  });
  if (bEscape) resizeTo(szOld);
  pMouseManager->UnlockTrack();
  CTKMouseManager::ResetLastMousePosition();
}

void CTKPopupBar::ResizeToLayout() {
  if (GetSafeHwnd() == NULL || !m_nTracking || m_bInLayout) return;
  CRect rcOld;
  GetWindowRect(&rcOld);
  const CSize sz = CalcDynamicLayout(0, 0);
  HideKeyboardTips();
  SetWindowRgn(NULL, FALSE);
  // The corner the pop-up hangs from stays put.
  const int nLeft = IsLayoutRTL() ? rcOld.right - sz.cx : rcOld.left;
  const CRect rcNew(CPoint(nLeft, rcOld.top), sz);
  if (CTKShadowManager* pShadowManager = GetShadowManagerToUse()) pShadowManager->RemoveShadow(this);
  MoveTo(rcNew);
  UpdateShadows();
  Redraw();
}

BOOL CTKPopupBar::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message) {
  CPoint pt;
  TKCommandBarsSystem()->GetCursorPos(&pt);
  ScreenToClient(&pt);
  if (nHitTest != HTCLIENT || !HitTestResizeGripper(pt))
    return CTKCommandBar::OnSetCursor(pWnd, nHitTest, message);
  LPCSTR lpszCursor = m_nResizeMode == kResizeHeightOnly ? IDC_SIZENS
                      : IsLayoutRTL()                    ? IDC_SIZENESW
                                                         : IDC_SIZENWSE;
  ::SetCursor(::LoadCursor(NULL, lpszCursor));
  return TRUE;
}
