// CTKScrollBase: the layout of a scroll bar and its hit test.
#include <algorithm>

#include "common/TKScrollBase.h"

#include "common/TKScrollBarPaintManager.h"

namespace {

SHORT WINAPI SystemKeyState(int nKey) { return ::GetKeyState(nKey); }

CTKScrollBase::TK_KEYSTATE_SOURCE g_pfnKeyState = SystemKeyState;

}  // namespace

CTKScrollBase::TK_KEYSTATE_SOURCE CTKScrollBase::SetKeyStateSource(TK_KEYSTATE_SOURCE pfnSource) {
  TK_KEYSTATE_SOURCE pfnOld = g_pfnKeyState == SystemKeyState ? NULL : g_pfnKeyState;
  g_pfnKeyState = pfnSource != NULL ? pfnSource : SystemKeyState;
  return pfnOld;
}

SHORT CTKScrollBase::LeftButtonState() { return g_pfnKeyState(VK_LBUTTON); }

int ScrollPosFromTrackOffset(const TK_SCROLLBAR_LAYOUT* pLayout, int pxThumbStart) {
  const TK_SCROLLBAR_LAYOUT& l = *pLayout;
  if (pxThumbStart < l.pxThumbMin) return l.nMin;
  if (pxThumbStart >= l.pxThumbMin + l.pxThumbRange)
    return l.nPage != 0 ? l.nMax - (l.nPage - 1) : l.nMax;
  if (l.pxThumbRange == 0) return l.nMin - 1;
  int nSpan = l.nMax - l.nMin - (l.nPage != 0 ? l.nPage - 1 : 0);
  return MulDiv(pxThumbStart - l.pxThumbMin, nSpan, l.pxThumbRange) + l.nMin;
}

CTKScrollBase::CTKScrollBase()
    : m_bSizeBox(FALSE),
      m_pTrack(NULL),
      m_nReserved(0),
      m_nStyle(0),
      m_bAnimating(FALSE),
      m_nRepeatInterval(0) {
  memset(&m_layout, 0, sizeof(m_layout));
  m_layout.bVertical = 1;
}

CTKScrollBase::~CTKScrollBase() { delete m_pTrack; }

void CTKScrollBase::UpdateScrollBarInfo() {
  CRect rc;
  GetScrollBarRect(rc);
  SCROLLINFO si = {};
  si.cbSize = sizeof(SCROLLINFO);
  si.fMask = SIF_ALL;
  GetScrollInfo(&si);
  CalcScrollBarInfo(&rc, &m_layout, &si);
}

void CTKScrollBase::CalcScrollBarInfo(LPRECT lprc, TK_SCROLLBAR_LAYOUT* pLayout,
                                      SCROLLINFO* pInfo) {
  TK_SCROLLBAR_LAYOUT& l = *pLayout;
  CTKScrollBarPaintManager* pPaintManager = GetScrollBarPaintManager();
  l.rc = *lprc;
  l.pxLimit = 0;
  int nArrowLength;
  if (l.bVertical) {
    l.pxStart = lprc->top;
    l.pxEnd = lprc->bottom;
    l.pxCrossStart = lprc->left;
    l.pxCrossEnd = lprc->right;
    nArrowLength = pPaintManager->m_cyVScroll;
  } else {
    l.pxStart = lprc->left;
    l.pxEnd = lprc->right;
    l.pxCrossStart = lprc->top;
    l.pxCrossEnd = lprc->bottom;
    nArrowLength = pPaintManager->m_cxHScroll;
  }
  l.pxThumbSize = nArrowLength;
  l.nMin = pInfo->nMin;
  l.nMax = pInfo->nMax;
  l.nPage = (int)pInfo->nPage;
  l.nPos = std::min(pInfo->nPos, l.nMax);
  l.nPos = std::max(l.nPos, l.nMin);

  int nRange = l.nMax - l.nMin + 1;
  int nArrow = std::min(l.pxThumbSize, (l.pxEnd - l.pxStart) / 2);
  l.pxArrowEnd = l.pxStart + nArrow;
  l.pxArrowStart = l.pxEnd - nArrow;
  if (l.nPage != 0 && nRange != 0)
    l.pxThumbSize =
        std::max(MulDiv(l.pxArrowStart - l.pxArrowEnd, l.nPage, nRange), nArrowLength / 2);
  if (pPaintManager->m_nThumbSize > 0) l.pxThumbSize = pPaintManager->m_nThumbSize;

  l.pxThumbMin = l.pxArrowEnd;
  l.pxThumbRange = l.pxEnd - l.pxThumbSize - l.pxThumbMin - nArrow;
  int nPage = l.nPage != 0 ? l.nPage : 1;
  if (nRange == nPage)
    l.pxThumbStart = l.pxThumbMin - 1;
  else
    l.pxThumbStart = MulDiv(l.nPos - l.nMin, l.pxThumbRange, nRange - nPage) + l.pxThumbMin;
  l.pxThumbEnd = l.pxThumbStart + l.pxThumbSize;
}

int CTKScrollBase::HitTestScrollBar(POINT pt) const {
  if (m_bSizeBox || !::PtInRect(&m_layout.rc, pt)) return TKSB_HT_NONE;
  int c = m_layout.bVertical ? pt.y : pt.x;
  if (c < m_layout.pxArrowEnd) return TKSB_HT_UP;
  if (m_layout.pxLimit > 0 && m_layout.pxLimit < c) return TKSB_HT_LIMIT;
  if (c >= m_layout.pxArrowStart) return TKSB_HT_DOWN;
  if (c < m_layout.pxThumbStart) return TKSB_HT_PAGEUP;
  if (c < m_layout.pxThumbEnd) return TKSB_HT_THUMB;
  return TKSB_HT_PAGEDOWN;
}

BOOL CTKScrollBase::IsPartHot(int nPart) const {
  return m_pTrack == NULL && m_layout.nHitPart == nPart;
}

BOOL CTKScrollBase::IsPartPressed(int nPart) const {
  return m_pTrack != NULL && m_layout.nHitPart == nPart &&
         (m_pTrack->bOverPart || m_pTrack->bDraggingThumb);
}
