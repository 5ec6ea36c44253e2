// CTKMarkupScrollBarTracker: the nested loop that follows a pressed scroll-bar
// part, with the native bar's repeat delays and thumb snap-back.
#include "TKMarkupScrollBarTracker.h"

#include <algorithm>

namespace {

BOOL IsMouseMessage(UINT nMessage) {
  return nMessage >= WM_MOUSEFIRST && nMessage <= WM_MOUSEWHEEL;
}

CTKMarkupScrollBarSystem g_win32System;
CTKMarkupScrollBarSystem* g_pSystem = &g_win32System;

}  // namespace

// The system ---------------------------------------------------------------------------

BOOL CTKMarkupScrollBarSystem::GetMessage(MSG* pMsg) {
  int nResult = ::GetMessageA(pMsg, nullptr, 0, 0);
  if (nResult < 0) pMsg->message = 0;
  return nResult > 0;
}

void CTKMarkupScrollBarSystem::DispatchMessage(const MSG* pMsg) {
  ::TranslateMessage(pMsg);
  ::DispatchMessageA(pMsg);
}

void CTKMarkupScrollBarSystem::PostQuitMessage(int nExitCode) { AfxPostQuitMessage(nExitCode); }

UINT_PTR CTKMarkupScrollBarSystem::SetTimer(HWND hWnd, UINT_PTR nId, UINT nElapse) {
  return ::SetTimer(hWnd, nId, nElapse, nullptr);
}

void CTKMarkupScrollBarSystem::KillTimer(HWND hWnd, UINT_PTR nId) { ::KillTimer(hWnd, nId); }

SHORT CTKMarkupScrollBarSystem::GetKeyState(int nKey) { return ::GetKeyState(nKey); }

POINT CTKMarkupScrollBarSystem::GetCursorPos() {
  POINT pt = {};
  ::GetCursorPos(&pt);
  return pt;
}

UINT CTKMarkupScrollBarSystem::GetDoubleClickTime() { return ::GetDoubleClickTime(); }

BOOL CTKMarkupScrollBarSystem::IsWindow(HWND hWnd) { return ::IsWindow(hWnd); }

CTKMarkupScrollBarSystem* CTKMarkupScrollBarSystem::Get() { return g_pSystem; }

CTKMarkupScrollBarSystem* CTKMarkupScrollBarSystem::Set(CTKMarkupScrollBarSystem* pSystem) {
  CTKMarkupScrollBarSystem* pOld = g_pSystem;
  g_pSystem = pSystem != nullptr ? pSystem : &g_win32System;
  return pOld;
}

// The tracking --------------------------------------------------------------------------

CTKMarkupScrollBarTracker::CTKMarkupScrollBarTracker(ITKMarkupScrollBarTrackHost* pHost,
                                                     TK_MARKUP_SCROLLBAR_POSINFO* pInfo)
    : m_pHost(pHost), m_pInfo(pInfo), m_pTrack(nullptr) {}

CTKMarkupScrollBarTracker::~CTKMarkupScrollBarTracker() { delete m_pTrack; }

void CTKMarkupScrollBarTracker::PerformTrack(HWND hWnd, int x, int y, BOOL bShift) {
  TK_MARKUP_SCROLLBAR_POSINFO& p = *m_pInfo;
  int z = p.fVert ? y : x;
  delete m_pTrack;
  m_pTrack = new TK_MARKUP_SCROLLBAR_TRACKINFO();
  m_pTrack->cmd = -1;
  m_pTrack->hwnd = hWnd;
  m_pTrack->pPosInfo = m_pInfo;

  RECT rcPart = TKMarkupScrollBarPartRect(p, p.pxTop, p.pxBottom);
  POINT pt = {x, y};
  p.ht = TKMarkupHitTestScrollBar(p, m_pHost->IsScrollBarEnabled(), pt);
  switch (p.ht) {
    case TKMSB_HT_UP:
      m_pTrack->cmd = SB_LINEUP;
      rcPart = TKMarkupScrollBarPartRect(p, p.pxTop, p.pxUpArrow);
      break;
    case TKMSB_HT_DOWN:
      m_pTrack->cmd = SB_LINEDOWN;
      rcPart = TKMarkupScrollBarPartRect(p, p.pxDownArrow, p.pxBottom);
      break;
    case TKMSB_HT_PAGEUP:
      m_pTrack->cmd = SB_PAGEUP;
      rcPart = TKMarkupScrollBarPartRect(p, p.pxUpArrow, p.pxThumbTop);
      break;
    case TKMSB_HT_PAGEDOWN:
      m_pTrack->cmd = SB_PAGEDOWN;
      rcPart = TKMarkupScrollBarPartRect(p, p.pxThumbBottom, p.pxDownArrow);
      break;
    case TKMSB_HT_THUMB:
      StartThumbDrag(z);
      if (m_pTrack == nullptr) return;
      break;
  }

  // Shift-click on the track jumps the thumb's middle to the pointer.
  if (bShift && m_pTrack->cmd != SB_LINEUP && m_pTrack->cmd != SB_LINEDOWN) {
    if (m_pTrack->cmd != SB_THUMBPOSITION) {
      // Where the thumb has no room, the record is gone: nothing to centre.
      StartThumbDrag(z);
      if (m_pTrack == nullptr) return;
    }
    m_pTrack->dpxThumb = -(p.cpxThumb / 2);
  }

  m_pHost->CaptureMouse();
  if (m_pTrack->cmd != SB_THUMBPOSITION) m_pTrack->rcTrack = rcPart;
  if (m_pTrack->bThumbTracking)
    TrackThumb(WM_LBUTTONDOWN, x, y);
  else
    TrackBox(WM_LBUTTONDOWN, x, y);
  RunLoop();
  FinishTrack();
}

void CTKMarkupScrollBarTracker::StartThumbDrag(int z) {
  TK_MARKUP_SCROLLBAR_POSINFO& p = *m_pInfo;
  if (p.pxDownArrow - p.pxUpArrow <= p.cpxThumb) {
    delete m_pTrack;
    m_pTrack = nullptr;
    return;
  }
  TK_MARKUP_SCROLLBAR_TRACKINFO& t = *m_pTrack;
  t.cmd = SB_THUMBPOSITION;
  t.rcTrack = TKMarkupCalcTrackDragRect(p);
  p.pxStart = p.pxThumbTop;
  t.pxOld = p.pxThumbTop;
  t.posOld = t.posNew = p.pos;
  t.dpxThumb = p.pxStart - z;
  t.bThumbTracking = TRUE;
  m_pHost->CaptureMouse();
  m_pHost->DoScroll(SB_THUMBTRACK, t.posOld);
}

void CTKMarkupScrollBarTracker::RunLoop() {
  CTKMarkupScrollBarSystem* pSystem = CTKMarkupScrollBarSystem::Get();
  HWND hWnd = m_pTrack->hwnd;
  while (m_pTrack != nullptr && m_pHost->HoldsMouseCapture()) {
    MSG msg = {};
    if (!pSystem->GetMessage(&msg)) {
      // The application's own loop must still see the quit.
      if (msg.message == WM_QUIT) pSystem->PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (!pSystem->IsWindow(hWnd)) break;
    if (msg.message == WM_TIMER && msg.wParam == TKMSB_TIMER_REPEAT) {
      ContScroll();
    } else if (IsMouseMessage(msg.message)) {
      POINT pt = m_pHost->ScreenToElement(hWnd, msg.pt);
      if (m_pTrack->bThumbTracking)
        TrackThumb(msg.message, pt.x, pt.y);
      else
        TrackBox(msg.message, pt.x, pt.y);
    } else {
      pSystem->DispatchMessage(&msg);
    }
  }
}

void CTKMarkupScrollBarTracker::FinishTrack() {
  if (m_pTrack == nullptr) return;
  CTKMarkupScrollBarSystem* pSystem = CTKMarkupScrollBarSystem::Get();
  HWND hWnd = m_pTrack->hwnd;
  if (m_pTrack->nTimerId != 0) pSystem->KillTimer(hWnd, TKMSB_TIMER_REPEAT);
  delete m_pTrack;
  m_pTrack = nullptr;
  if (pSystem->IsWindow(hWnd)) {
    POINT pt = m_pHost->ScreenToElement(hWnd, pSystem->GetCursorPos());
    m_pInfo->ht = TKMarkupHitTestScrollBar(*m_pInfo, m_pHost->IsScrollBarEnabled(), pt);
    m_pHost->RedrawScrollBar();
  }
}

void CTKMarkupScrollBarTracker::TrackBox(UINT nMessage, int x, int y) {
  if (m_pTrack == nullptr || (nMessage != 0 && !IsMouseMessage(nMessage))) return;
  TK_MARKUP_SCROLLBAR_TRACKINFO& t = *m_pTrack;
  const TK_MARKUP_SCROLLBAR_POSINFO& p = *m_pInfo;
  // The pressed page shrinks as the thumb comes towards the pointer.
  if (t.cmd == SB_PAGEUP) (p.fVert ? t.rcTrack.bottom : t.rcTrack.right) = p.pxThumbTop;
  if (t.cmd == SB_PAGEDOWN) (p.fVert ? t.rcTrack.top : t.rcTrack.left) = p.pxThumbBottom;

  POINT pt = {x, y};
  int bInside = ::PtInRect(&t.rcTrack, pt) ? 1 : 0;
  BOOL bEntered = bInside != t.inside && bInside;
  if (bInside != t.inside) {
    t.inside = bInside;
    m_pHost->RedrawScrollBar();
  }

  CTKMarkupScrollBarSystem* pSystem = CTKMarkupScrollBarSystem::Get();
  UINT nDelay = pSystem->GetDoubleClickTime() / 10;
  if (nMessage == WM_LBUTTONUP) {
    EndScroll();
    return;
  }
  if (nMessage == WM_LBUTTONDOWN) {
    t.nTimerId = 0;
    nDelay = pSystem->GetDoubleClickTime() * 4 / 5;
  }
  // The press scrolls at once; re-entering the part scrolls at once too.
  if (bEntered && nMessage != 0) {
    t.nTimerId = pSystem->SetTimer(t.hwnd, TKMSB_TIMER_REPEAT, nDelay);
    m_pHost->DoScroll(t.cmd, 0);
  }
}

void CTKMarkupScrollBarTracker::ContScroll() {
  if (m_pTrack == nullptr) return;
  CTKMarkupScrollBarSystem* pSystem = CTKMarkupScrollBarSystem::Get();
  POINT pt = m_pHost->ScreenToElement(m_pTrack->hwnd, pSystem->GetCursorPos());
  TrackBox(0, pt.x, pt.y);
  // Outside the part the timer keeps running without scrolling.
  if (m_pTrack != nullptr && m_pTrack->inside) {
    m_pTrack->nTimerId =
        pSystem->SetTimer(m_pTrack->hwnd, TKMSB_TIMER_REPEAT, pSystem->GetDoubleClickTime() / 10);
    m_pHost->DoScroll(m_pTrack->cmd, 0);
  }
}

void CTKMarkupScrollBarTracker::TrackThumb(UINT nMessage, int x, int y) {
  if (m_pTrack == nullptr || !IsMouseMessage(nMessage) || m_pTrack->pPosInfo == nullptr) return;
  const TK_MARKUP_SCROLLBAR_POSINFO& p = *m_pTrack->pPosInfo;
  POINT pt = {x, y};
  int px = p.pxStart;  // strayed too far: back to where the drag began
  if (::PtInRect(&m_pTrack->rcTrack, pt))
    px = std::max(p.pxMin, std::min((p.fVert ? y : x) + m_pTrack->dpxThumb, p.pxMin + p.cpx));
  MoveThumb(px);
  BOOL bButtonUp = (CTKMarkupScrollBarSystem::Get()->GetKeyState(VK_LBUTTON) & 0x8000) == 0;
  if (nMessage == WM_LBUTTONUP || bButtonUp) EndScroll();
}

void CTKMarkupScrollBarTracker::MoveThumb(int px) {
  if (m_pTrack == nullptr) return;
  TK_MARKUP_SCROLLBAR_TRACKINFO& t = *m_pTrack;
  TK_MARKUP_SCROLLBAR_POSINFO& p = *m_pInfo;
  if (px == t.pxOld) return;
  t.posNew = TKMarkupScrollPosFromThumb(p, px);
  while (t.posNew != t.posOld) {
    m_pHost->DoScroll(SB_THUMBTRACK, t.posNew);
    t.posOld = t.posNew;
    if (px != p.pxMin + p.cpx) break;
    // At the end of travel the last position is reached exactly.
    t.posNew = TKMarkupScrollPosFromThumb(p, p.pxMin + p.cpx);
  }
  p.pxThumbTop = px;
  p.pxThumbBottom = px + p.cpxThumb;
  t.pxOld = px;
  m_pHost->RedrawScrollBar();
}

void CTKMarkupScrollBarTracker::EndScroll() {
  if (m_pTrack == nullptr) return;
  TK_MARKUP_SCROLLBAR_TRACKINFO& t = *m_pTrack;
  t.cmd = 0;
  m_pHost->ReleaseMouseCapture();
  if (t.bThumbTracking) {
    m_pHost->DoScroll(SB_THUMBPOSITION, t.posOld);
    m_pHost->RedrawScrollBar();
  } else if (t.nTimerId != 0) {
    CTKMarkupScrollBarSystem::Get()->KillTimer(t.hwnd, TKMSB_TIMER_REPEAT);
    t.nTimerId = 0;
  }
  m_pHost->DoScroll(SB_ENDSCROLL, 0);
}
