// CTKMarkupScrollBar: layout, hot part, tracking and drawing of the element.
#include "TKMarkupScrollBar.h"

#include <memory>

#include "common/TKWinThemeWrapper.h"
#include "markup/TKMarkupContext.h"
#include "TKMarkupDedicatedDC.h"
#include "markup/TKMarkupDrawingContext.h"
#include "markup/TKMarkupScrollViewer.h"
#include "TKMarkupTypeTable.h"

IMPLEMENT_MARKUP_TYPE(CTKMarkupScrollBar, TKMarkupRow_ScrollBar)
IMPLEMENT_MARKUP_FACTORY(CTKMarkupScrollBar)

CTKMarkupScrollBar::CTKMarkupScrollBar()
    : m_nOrientation(1),
      m_info(),
      m_tracker(this, &m_info),
      m_si(),
      m_pTheme(new CTKWinThemeWrapper(TRUE)),
      m_nThemeSerial(-1) {}

CTKMarkupScrollBar::~CTKMarkupScrollBar() { delete m_pTheme; }

void CTKMarkupScrollBar::SetScrollInfo(const SCROLLINFO& si) {
  if (si.nMax == m_si.nMax && si.nPage == m_si.nPage && si.nPos == m_si.nPos) return;
  m_si = si;
  // The parts are laid out by the next arrange, even at the same rectangle.
  InvalidateArrangement();
}

CSize CTKMarkupScrollBar::MeasureOverride(CTKMarkupDrawingContext*, int, int) {
  if (m_nOrientation) return CSize(::GetSystemMetrics(SM_CXVSCROLL), 0);
  return CSize(0, ::GetSystemMetrics(SM_CYHSCROLL));
}

CSize CTKMarkupScrollBar::ArrangeOverride(int nFinalWidth, int nFinalHeight) {
  RECT rc = {0, 0, nFinalWidth, nFinalHeight};
  int nArrow = ::GetSystemMetrics(m_nOrientation ? SM_CYVSCROLL : SM_CXHSCROLL);
  TKMarkupCalcScrollBarInfo(rc, m_si, m_nOrientation, nArrow, &m_info);
  return CSize(nFinalWidth, nFinalHeight);
}

void CTKMarkupScrollBar::OnRender(CTKMarkupDrawingContext* pDC) {
  const TK_MARKUP_SCROLLBAR_TRACKINFO* pTrack = m_tracker.GetTrackInfo();
  TK_MARKUP_SCROLLBAR_DRAWSTATE state = {};
  if (pTrack != nullptr && (pTrack->inside || pTrack->bThumbTracking))
    state.nPressedPart = m_info.ht;
  if (pTrack == nullptr) state.nHotPart = m_info.ht;
  state.bEnabled = IsScrollBarEnabled();
  state.pTheme = GetTheme();
  std::unique_ptr<CTKMarkupDedicatedDC> dc(
      pDC->GetDeviceContext()->CreateDedicatedDC(m_info.rc));
  if (HDC hDC = dc->GetDC()) {
    TKMarkupDrawScrollBar(hDC, dc->GetOriginOffset(), m_info, state);
    dc->Commit();
  }
}

void CTKMarkupScrollBar::OnMouseMove(CTKMarkupMouseEventArgs* pArgs) {
  POINT pt = pArgs->GetPosition(this);
  int ht = TKMarkupHitTestScrollBar(m_info, IsScrollBarEnabled(), pt);
  if (ht != m_info.ht) {
    m_info.ht = ht;
    InvalidateVisual();
  }
  pArgs->SetHandled(TRUE);
}

void CTKMarkupScrollBar::OnMouseLeave(CTKMarkupMouseEventArgs* pArgs) {
  if (m_info.ht != 0) {
    m_info.ht = 0;
    InvalidateVisual();
  }
  CTKMarkupControl::OnMouseLeave(pArgs);
}

void CTKMarkupScrollBar::OnMouseLeftButtonDown(CTKMarkupMouseButtonEventArgs* pArgs) {
  pArgs->SetHandled(TRUE);
  if (!IsScrollBarEnabled()) return;
  POINT pt = pArgs->GetPosition(this);
  BOOL bShift = (CTKMarkupScrollBarSystem::Get()->GetKeyState(VK_SHIFT) & 0x8000) != 0;
  // The element must outlive its own tracking loop.
  CTKMarkupAutoPtr<> keep(this);
  AddRef();
  m_tracker.PerformTrack(pArgs->GetWindow(), pt.x, pt.y, bShift);
}

void CTKMarkupScrollBar::OnMouseLeftButtonUp(CTKMarkupMouseButtonEventArgs*) {}

void CTKMarkupScrollBar::DoScroll(int nCode, int nPos) {
  if (CTKMarkupScrollViewer* pViewer = MarkupCast<CTKMarkupScrollViewer>(GetParent()))
    pViewer->Scroll(m_info.fVert, nCode, nPos);
}

void CTKMarkupScrollBar::RedrawScrollBar() { InvalidateVisual(); }

void CTKMarkupScrollBar::CaptureMouse() { CTKMarkupControl::CaptureMouse(); }

void CTKMarkupScrollBar::ReleaseMouseCapture() { CTKMarkupControl::ReleaseMouseCapture(); }

BOOL CTKMarkupScrollBar::HoldsMouseCapture() {
  return GetContext() != nullptr && GetContext()->GetCaptureElement() == this;
}

POINT CTKMarkupScrollBar::ScreenToElement(HWND hWnd, POINT ptScreen) {
  ::ScreenToClient(hWnd, &ptScreen);
  CPoint ptOffset = GetAbsoluteOffset();
  return POINT{ptScreen.x - ptOffset.x, ptScreen.y - ptOffset.y};
}

BOOL CTKMarkupScrollBar::IsScrollBarEnabled() { return TKMarkupIsScrollBarEnabled(m_si); }

CTKWinThemeWrapper* CTKMarkupScrollBar::GetTheme() {
  CTKMarkupContext* pContext = GetContext();
  int nSerial = pContext != nullptr ? pContext->GetThemeSerial() : 0;
  if (m_nThemeSerial != nSerial) {
    m_nThemeSerial = nSerial;
    m_pTheme->OpenThemeData(nullptr, L"SCROLLBAR");
  }
  return m_pTheme;
}
