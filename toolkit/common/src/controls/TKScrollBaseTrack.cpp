// CTKScrollBase: the modal tracking of a pressed arrow, page or thumb, with
// the native scroll bar's repeat delays and thumb snap-back rectangle.
#include <algorithm>

#include "common/TKScrollBase.h"

#include "common/TKScrollBarPaintManager.h"

namespace {

/// A rectangle over the bar's cross extent and the given span along it.
RECT PartRect(const TK_SCROLLBAR_LAYOUT& l, int nFrom, int nTo) {
  RECT rc;
  if (l.bVertical)
    ::SetRect(&rc, l.pxCrossStart, nFrom, l.pxCrossEnd, nTo);
  else
    ::SetRect(&rc, nFrom, l.pxCrossStart, nTo, l.pxCrossEnd);
  return rc;
}

BOOL IsMouseMessage(UINT nMessage) {
  return nMessage >= WM_MOUSEFIRST && nMessage <= WM_MOUSEWHEEL;
}

}  // namespace

void CTKScrollBase::TrackScrollBar(HWND hWnd, POINT pt, TK_SCROLLBAR_LAYOUT* pLayout,
                                   BOOL bJumpToPoint) {
  delete m_pTrack;
  m_pTrack = new TK_SCROLLBAR_TRACKINFO();
  m_pTrack->nCommand = -1;
  m_pTrack->hWnd = hWnd;
  m_pTrack->pLayout = pLayout;
  TK_SCROLLBAR_LAYOUT& l = *pLayout;
  int c = l.bVertical ? pt.y : pt.x;

  RECT rcPart = {};
  BOOL bThumb = FALSE;
  if (c < l.pxArrowEnd) {
    l.nHitPart = TKSB_HT_UP;
    m_pTrack->nCommand = SB_LINEUP;
    rcPart = PartRect(l, l.pxStart, l.pxArrowEnd);
  } else if (c >= l.pxArrowStart) {
    l.nHitPart = TKSB_HT_DOWN;
    m_pTrack->nCommand = SB_LINEDOWN;
    rcPart = PartRect(l, l.pxArrowStart, l.pxEnd);
  } else if (c < l.pxThumbStart) {
    l.nHitPart = TKSB_HT_PAGEUP;
    m_pTrack->nCommand = SB_PAGEUP;
    rcPart = PartRect(l, l.pxArrowEnd, l.pxThumbStart);
  } else if (c < l.pxThumbEnd) {
    l.nHitPart = TKSB_HT_THUMB;
    bThumb = TRUE;
  } else {
    l.nHitPart = TKSB_HT_PAGEDOWN;
    m_pTrack->nCommand = SB_PAGEDOWN;
    rcPart = PartRect(l, l.pxThumbEnd, l.pxArrowStart);
  }

  // A thumb without room to move, pressed directly or through a page click
  // with bJumpToPoint, does nothing.
  BOOL bPage = m_pTrack->nCommand == SB_PAGEUP || m_pTrack->nCommand == SB_PAGEDOWN;
  if (bThumb || (bJumpToPoint && bPage)) {
    if (l.pxArrowStart - l.pxArrowEnd <= l.pxThumbSize) {
      delete m_pTrack;
      m_pTrack = NULL;
      return;
    }
    m_pTrack->nCommand = SB_THUMBPOSITION;
    CalcTrackDragRect(&m_pTrack->rcTrack);
    l.pxDragStart = l.pxThumbStart;
    m_pTrack->pxLastThumb = l.pxThumbStart;
    m_pTrack->nLastPos = m_pTrack->nNewPos = l.nPos;
    m_pTrack->pxThumbGrab = l.pxDragStart - c;
    m_pTrack->bDraggingThumb = TRUE;
    ::SetCapture(hWnd);
    DoScroll(SB_THUMBTRACK, l.nPos);
  }
  if (bJumpToPoint && m_pTrack->nCommand == SB_THUMBPOSITION)
    m_pTrack->pxThumbGrab = -(l.pxThumbSize / 2);

  ::SetCapture(hWnd);
  if (!m_pTrack->bDraggingThumb) m_pTrack->rcTrack = rcPart;
  if (m_pTrack->bDraggingThumb) {
    MoveThumb(WM_LBUTTONDOWN, pt);
    RedrawScrollBar();
  } else {
    TrackScrollPart(WM_LBUTTONDOWN, pt);
  }

  while (::GetCapture() == hWnd) {
    MSG msg;
    if (!::GetMessageA(&msg, NULL, 0, 0)) {
      ::PostQuitMessage((int)msg.wParam);
      break;
    }
    if (!::IsWindow(hWnd)) break;
    if (msg.message == WM_TIMER && msg.wParam == TKSB_TIMER_REPEAT) {
      OnScrollTimer();
    } else if (msg.message == WM_TIMER && msg.wParam == TKSB_TIMER_ANIMATE) {
      DoAnimate();
    } else if (IsMouseMessage(msg.message)) {
      POINT ptClient = msg.pt;
      ::ScreenToClient(hWnd, &ptClient);
      if (m_pTrack != NULL && m_pTrack->bDraggingThumb)
        MoveThumb(msg.message, ptClient);
      else
        TrackScrollPart(msg.message, ptClient);
    } else {
      ::TranslateMessage(&msg);
      ::DispatchMessageA(&msg);
    }
  }

  ::KillTimer(hWnd, TKSB_TIMER_REPEAT);
  delete m_pTrack;
  m_pTrack = NULL;
  if (::IsWindow(hWnd)) {
    POINT ptCursor;
    ::GetCursorPos(&ptCursor);
    ::ScreenToClient(hWnd, &ptCursor);
    l.nHitPart = HitTestScrollBar(ptCursor);
    RedrawScrollBar();
  }
  // A running animation ends before the tracking returns.
  while (::IsWindow(hWnd) && m_bAnimating) {
    MSG msg;
    if (!::GetMessageA(&msg, NULL, 0, 0)) {
      ::PostQuitMessage((int)msg.wParam);
      break;
    }
    if (msg.message == WM_TIMER && msg.wParam == TKSB_TIMER_ANIMATE) {
      DoAnimate();
    } else {
      ::TranslateMessage(&msg);
      ::DispatchMessageA(&msg);
    }
  }
}

void CTKScrollBase::CalcTrackDragRect(RECT* prc) const {
  const TK_SCROLLBAR_LAYOUT& l = *m_pTrack->pLayout;
  int nWidth = l.pxCrossEnd - l.pxCrossStart;
  int nCross0 = l.pxCrossStart - 8 * nWidth;
  int nCross1 = l.pxCrossEnd + 8 * nWidth;
  int nThumb = ::GetSystemMetrics(l.bVertical ? SM_CYVTHUMB : SM_CXHTHUMB);
  int nAlong0 = l.pxStart - 2 * nThumb;
  int nAlong1 = l.pxEnd + 2 * nThumb;
  if (l.bVertical)
    ::SetRect(prc, nCross0, nAlong0, nCross1, nAlong1);
  else
    ::SetRect(prc, nAlong0, nCross0, nAlong1, nCross1);
}

void CTKScrollBase::TrackScrollPart(UINT nMessage, POINT pt) {
  if (nMessage != 0 && !IsMouseMessage(nMessage)) return;
  TK_SCROLLBAR_TRACKINFO& t = *m_pTrack;
  const TK_SCROLLBAR_LAYOUT& l = *t.pLayout;
  // The pressed page shrinks as the thumb comes towards the mouse.
  if (t.nCommand == SB_PAGEUP) {
    (l.bVertical ? t.rcTrack.bottom : t.rcTrack.right) = l.pxThumbStart;
  } else if (t.nCommand == SB_PAGEDOWN) {
    (l.bVertical ? t.rcTrack.top : t.rcTrack.left) = l.pxThumbEnd;
  }
  BOOL bOver = ::PtInRect(&t.rcTrack, pt);
  BOOL bChanged = bOver != t.bOverPart;
  if (bChanged) {
    t.bOverPart = bOver;
    RedrawScrollBar();
  }
  UINT nInterval;
  if (nMessage == WM_LBUTTONDOWN) {
    nInterval = ::GetDoubleClickTime() * 4 / 5;
  } else if (nMessage == WM_MOUSEMOVE) {
    nInterval = ::GetDoubleClickTime() / 10;
  } else {
    if (nMessage == WM_LBUTTONUP) EndScroll(FALSE);
    return;
  }
  if (bOver && bChanged) {
    m_nRepeatInterval = nInterval;
    t.nTimerId = ::SetTimer(t.hWnd, TKSB_TIMER_REPEAT, nInterval, NULL);
    DoScroll(t.nCommand, 0);
  }
}

void CTKScrollBase::OnScrollTimer() {
  POINT pt;
  ::GetCursorPos(&pt);
  ::ScreenToClient(m_pTrack->hWnd, &pt);
  TrackScrollPart(0, pt);
  if (m_pTrack != NULL && m_pTrack->bOverPart) {
    m_nRepeatInterval = ::GetDoubleClickTime() / 10;
    m_pTrack->nTimerId = ::SetTimer(m_pTrack->hWnd, TKSB_TIMER_REPEAT, m_nRepeatInterval, NULL);
    DoScroll(m_pTrack->nCommand, 0);
  }
}

void CTKScrollBase::MoveThumb(UINT nMessage, POINT pt) {
  if (!IsMouseMessage(nMessage)) return;
  TK_SCROLLBAR_TRACKINFO& t = *m_pTrack;
  const TK_SCROLLBAR_LAYOUT& l = *t.pLayout;
  int pxThumb;
  if (::PtInRect(&t.rcTrack, pt) || GetScrollBarPaintManager()->m_nThumbSize > 0) {
    pxThumb = (l.bVertical ? pt.y : pt.x) + t.pxThumbGrab;
    pxThumb = std::max(pxThumb, l.pxThumbMin);
    pxThumb = std::min(pxThumb, l.pxThumbMin + l.pxThumbRange);
  } else {
    pxThumb = l.pxDragStart;
  }
  SetThumbPosition(pxThumb);
  if (nMessage == WM_LBUTTONUP || (LeftButtonState() & 0x8000) == 0) EndScroll(FALSE);
}

void CTKScrollBase::SetThumbPosition(int pxThumbStart) {
  TK_SCROLLBAR_TRACKINFO& t = *m_pTrack;
  TK_SCROLLBAR_LAYOUT& l = *t.pLayout;
  if (pxThumbStart == t.pxLastThumb) return;
  t.nNewPos = ScrollPosFromTrackOffset(&l, pxThumbStart);
  while (t.nNewPos != t.nLastPos) {
    DoScroll(SB_THUMBTRACK, t.nNewPos);
    t.nLastPos = t.nNewPos;
    // At the end of the range the owner's new layout may reach further.
    if (pxThumbStart < l.pxThumbMin + l.pxThumbRange) break;
    t.nNewPos = ScrollPosFromTrackOffset(&l, l.pxThumbMin + l.pxThumbRange);
  }
  l.pxThumbStart = pxThumbStart;
  l.pxThumbEnd = pxThumbStart + l.pxThumbSize;
  t.pxLastThumb = pxThumbStart;
  RedrawScrollBar();
}

void CTKScrollBase::EndScroll(BOOL bRevert) {
  TK_SCROLLBAR_TRACKINFO& t = *m_pTrack;
  t.nCommand = 0;
  ::ReleaseCapture();
  if (t.bDraggingThumb) {
    if (bRevert) t.nLastPos = t.pLayout->nPos;
    DoScroll(SB_THUMBPOSITION, t.nLastPos);
    RedrawScrollBar();
  } else {
    ::KillTimer(t.hWnd, TKSB_TIMER_REPEAT);
  }
  DoScroll(SB_ENDSCROLL, 0);
}
