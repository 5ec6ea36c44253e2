// CTKControlGallery: the scroll part, immediate and smooth scrolling.
#include <algorithm>

#include <cmath>

#include "commandbars/TKCommandBar.h"
#include "commandbars/TKCommandBarsSystem.h"
#include "commandbars/TKControlGallery.h"
#include "commandbars/TKPaintManager.h"

namespace {
// Above this auto-repeat interval (the first, slow repeat of a held button)
// a glide takes eight steps, else three.
const UINT kSlowRepeat = 200;
}  // namespace

CWnd* CTKControlGallery::GetParentWindow() const { return m_pParent; }

BOOL CTKControlGallery::IsScrollBarEnabled() const { return GetEnabled(); }

CTKScrollBarPaintManager* CTKControlGallery::GetScrollBarPaintManager() const {
  CTKPaintManager* pPaintManager = GetPaintManager();
  return pPaintManager != nullptr ? pPaintManager->GetScrollBarPaintManager() : nullptr;
}

void CTKControlGallery::GetScrollInfo(SCROLLINFO* pInfo) {
  pInfo->nMin = 0;
  pInfo->nMax = std::max(m_nContentHeight - 1, 0);
  pInfo->nPage = static_cast<UINT>(std::max(GetItemsRect().Height(), 0));
  pInfo->nPos = m_nScrollOffset;
  pInfo->nTrackPos = m_nScrollOffset;
}

void CTKControlGallery::RedrawScrollBar() { RedrawParent(FALSE); }

void CTKControlGallery::UpdateScrollBar() {
  if (!m_bShowScrollBar) return;
  if (HasPopupButtons() ? GetGalleryPaintManager() == nullptr : GetScrollBarPaintManager() == nullptr)
    return;
  UpdateScrollBarInfo();
}

void CTKControlGallery::CalcScrollBarInfo(LPRECT lprc, TK_SCROLLBAR_LAYOUT* pLayout,
                                          SCROLLINFO* pInfo) {
  if (!HasPopupButtons()) {
    CTKScrollBase::CalcScrollBarInfo(lprc, pLayout, pInfo);
    return;
  }
  // Up, down and more buttons from the top; no track and no thumb.
  CTKControlGalleryPaintManager* pPaintManager = GetGalleryPaintManager();
  TK_SCROLLBAR_LAYOUT& l = *pLayout;
  l.rc = *lprc;
  l.bVertical = TRUE;
  l.pxStart = lprc->top;
  l.pxEnd = lprc->bottom;
  l.pxCrossStart = lprc->left;
  l.pxCrossEnd = lprc->right;
  l.nMin = pInfo->nMin;
  l.nMax = pInfo->nMax;
  l.nPage = static_cast<int>(pInfo->nPage);
  l.nPos = pInfo->nPos;
  const int nDownTop = lprc->top + pPaintManager->m_cyPopupUp;
  l.pxArrowEnd = nDownTop;
  l.pxArrowStart = nDownTop;
  l.pxThumbStart = l.pxThumbEnd = nDownTop;
  l.pxThumbSize = 0;
  l.pxThumbMin = nDownTop;
  l.pxThumbRange = 0;
  // Beyond the down button lies the more button (hit code 65).
  l.pxLimit = nDownTop + pPaintManager->m_cyPopupDown - 1;
}

void CTKControlGallery::SetScrollPos(int nOffset) {
  nOffset = std::max(0, std::min(nOffset, GetMaxScrollPos()));
  if (IsAnimating()) {
    SetAnimating(FALSE);
    if (m_pParent != nullptr && m_pParent->GetSafeHwnd() != NULL)
      TKCommandBarsSystem()->KillTimer(m_pParent->GetSafeHwnd(), TKSB_TIMER_ANIMATE);
  }
  if (nOffset == m_nScrollOffset) return;
  m_nScrollOffset = nOffset;
  RecalcLayout();
  RedrawParent(FALSE);
}

void CTKControlGallery::AnimatedScrollTo(int nOffset) {
  nOffset = std::max(0, std::min(nOffset, GetMaxScrollPos()));
  if (IsAnimating() ? nOffset == m_nTargetOffset : nOffset == m_nScrollOffset) return;
  SetAnimating(TRUE);
  m_nTargetOffset = nOffset;
  m_dAnimationStep =
      static_cast<double>(nOffset - m_nScrollOffset) / (m_nRepeatInterval > kSlowRepeat ? 8 : 3);
  if (m_dAnimationStep > 0 && m_dAnimationStep < 1) m_dAnimationStep = 1;
  if (m_dAnimationStep < 0 && m_dAnimationStep > -1) m_dAnimationStep = -1;
  if (m_pParent != nullptr && m_pParent->GetSafeHwnd() != NULL)
    TKCommandBarsSystem()->SetTimer(m_pParent->GetSafeHwnd(), TKSB_TIMER_ANIMATE,
                                    kAnimationElapse);
  OnAnimationStep();
}

void CTKControlGallery::OnAnimationStep() {
  if (!IsAnimating()) return;
  if (std::fabs(m_dAnimationStep) < std::abs(m_nTargetOffset - m_nScrollOffset)) {
    m_nScrollOffset = static_cast<int>(m_nScrollOffset + m_dAnimationStep);
  } else {
    m_nScrollOffset = m_nTargetOffset;
    SetAnimating(FALSE);
    if (m_pParent != nullptr && m_pParent->GetSafeHwnd() != NULL)
      TKCommandBarsSystem()->KillTimer(m_pParent->GetSafeHwnd(), TKSB_TIMER_ANIMATE);
  }
  RecalcLayout();
  RedrawParent(FALSE);
  if (m_pParent != nullptr && m_pParent->GetSafeHwnd() != NULL) m_pParent->UpdateWindow();
}

void CTKControlGallery::DoScroll(int nCommand, int nPos) {
  const int nFrom = IsAnimating() ? m_nTargetOffset : m_nScrollOffset;
  const int nItemsHeight = GetItemsRect().Height();
  int nOffset = nFrom;
  switch (nCommand) {
    case SB_LINEUP: nOffset = nFrom - GetItemHeight(); break;
    case SB_LINEDOWN: nOffset = nFrom + GetItemHeight(); break;
    case SB_PAGEUP: nOffset = nFrom - nItemsHeight; break;
    case SB_PAGEDOWN: nOffset = nFrom + nItemsHeight; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: nOffset = nPos; break;
    case SB_TOP: nOffset = 0; break;
    case SB_BOTTOM: nOffset = m_nContentHeight; break;
    default: break;
  }
  const BOOL bSmooth = HasPopupButtons() &&
                       (nCommand == SB_LINEUP || nCommand == SB_LINEDOWN || nCommand == SB_ENDSCROLL);
  if (bSmooth)
    AnimatedScrollTo(nOffset);
  else
    SetScrollPos(nOffset);
}

BOOL CTKControlGallery::OnHookMouseWheel(UINT nMessage, WPARAM wParam, LPARAM lParam) {
  if (IsShowAsButton()) return CTKControlPopup::OnHookMouseWheel(nMessage, wParam, lParam);
  const int nDelta = GET_WHEEL_DELTA_WPARAM(wParam);
  const int nNotches = nDelta / WHEEL_DELTA;
  SetScrollPos(m_nScrollOffset - nNotches * 3 * GetItemHeight());
  return TRUE;
}

// The bar's share: its timer steps the glides of its galleries ---------------------------

void CTKCommandBar::OnGalleryAnimationTimer() {
  for (int i = 0; i < GetControlCount(); ++i) {
    CTKControlGallery* pGallery = DYNAMIC_DOWNCAST(CTKControlGallery, GetControl(i));
    if (pGallery != nullptr && pGallery->IsAnimating()) pGallery->OnAnimationStep();
  }
}
