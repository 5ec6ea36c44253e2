// The classic Windows scroll bar and the visual-styles one that falls back to it.
#include "common/TKColorManager.h"
#include "common/TKDpiHelper.h"
#include "common/TKScrollBarThemes.h"
#include "common/TKWinThemeWrapper.h"

// After the Windows headers the layer's headers bring in.
#include <uxtheme.h>
#include <vssym32.h>

int CTKScrollBarThemeWindowsClassic::PressedPart(const CTKScrollBase* pScroll) {
  return pScroll->GetTrackInfo() != NULL ? pScroll->GetLayout().nHitPart : 0;
}

void CTKScrollBarThemeWindowsClassic::DrawClassicVertArrows(CDC* pDC, CTKScrollBase* pScroll,
                                                            const TK_SCROLLBAR_PARTS& p) {
  UINT nState = p.bEnabled ? 0 : DFCS_INACTIVE;
  int nPressed = PressedPart(pScroll);
  RECT rc = p.rcArrowFirst;
  ::DrawFrameControl(pDC->m_hDC, &rc, DFC_SCROLL,
                     DFCS_SCROLLUP | nState | (nPressed == TKSB_HT_UP ? DFCS_PUSHED : 0));
  rc = p.rcArrowSecond;
  ::DrawFrameControl(pDC->m_hDC, &rc, DFC_SCROLL,
                     DFCS_SCROLLDOWN | nState | (nPressed == TKSB_HT_DOWN ? DFCS_PUSHED : 0));
}

void CTKScrollBarThemeWindowsClassic::DrawClassicHorzArrows(CDC* pDC, CTKScrollBase* pScroll,
                                                            const TK_SCROLLBAR_PARTS& p) {
  UINT nState = p.bEnabled ? 0 : DFCS_INACTIVE;
  int nPressed = PressedPart(pScroll);
  RECT rc = p.rcArrowFirst;
  ::DrawFrameControl(pDC->m_hDC, &rc, DFC_SCROLL,
                     DFCS_SCROLLLEFT | nState | (nPressed == TKSB_HT_UP ? DFCS_PUSHED : 0));
  rc = p.rcArrowSecond;
  ::DrawFrameControl(pDC->m_hDC, &rc, DFC_SCROLL,
                     DFCS_SCROLLRIGHT | nState | (nPressed == TKSB_HT_DOWN ? DFCS_PUSHED : 0));
}

void CTKScrollBarThemeWindowsClassic::DrawClassicTrack(CDC* pDC, CTKScrollBase* pScroll,
                                                       const TK_SCROLLBAR_PARTS& p) {
  CWnd* pParent = pScroll->GetParentWindow();
  HWND hParent = pParent != NULL ? pParent->GetSafeHwnd() : NULL;
  HBRUSH hBrush = hParent != NULL ? (HBRUSH)::DefWindowProcA(hParent, WM_CTLCOLORSCROLLBAR,
                                                             (WPARAM)pDC->m_hDC, (LPARAM)hParent)
                                  : NULL;
  if (hBrush == NULL) hBrush = ::GetSysColorBrush(COLOR_SCROLLBAR);
  ::FillRect(pDC->m_hDC, &p.rcTrack, hBrush);
  int nPressed = PressedPart(pScroll);
  if (nPressed == TKSB_HT_PAGEUP) ::InvertRect(pDC->m_hDC, &p.rcPageBefore);
  if (nPressed == TKSB_HT_PAGEDOWN) ::InvertRect(pDC->m_hDC, &p.rcPageAfter);
  if (::IsRectEmpty(&p.rcTrack) || ::IsRectEmpty(&p.rcThumb)) return;
  RECT rcThumb = p.rcThumb;
  pDC->FillSolidRect(&rcThumb, TKColorManager()->GetColor(COLOR_BTNFACE));
  ::DrawEdge(pDC->m_hDC, &rcThumb, EDGE_RAISED, BF_RECT | BF_ADJUST);
}

void CTKScrollBarThemeWindowsClassic::DrawClassicSizeGrip(CDC* pDC, CTKScrollBase* pScroll) {
  RECT rc = pScroll->GetLayout().rc;
  ::DrawFrameControl(pDC->m_hDC, &rc, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
}

void CTKScrollBarThemeWindowsClassic::DrawArrowButtonsH(CDC* pDC, CTKScrollBase* pScroll,
                                                        const TK_SCROLLBAR_PARTS& p) {
  DrawClassicHorzArrows(pDC, pScroll, p);
}

void CTKScrollBarThemeWindowsClassic::DrawArrowButtonsV(CDC* pDC, CTKScrollBase* pScroll,
                                                        const TK_SCROLLBAR_PARTS& p) {
  DrawClassicVertArrows(pDC, pScroll, p);
}

void CTKScrollBarThemeWindowsClassic::DrawTrackH(CDC* pDC, CTKScrollBase* pScroll,
                                                 const TK_SCROLLBAR_PARTS& p) {
  DrawClassicTrack(pDC, pScroll, p);
}

void CTKScrollBarThemeWindowsClassic::DrawTrackV(CDC* pDC, CTKScrollBase* pScroll,
                                                 const TK_SCROLLBAR_PARTS& p) {
  DrawClassicTrack(pDC, pScroll, p);
}

void CTKScrollBarThemeWindowsClassic::DrawSizeGrip(CDC* pDC, CTKScrollBase* pScroll) {
  DrawClassicSizeGrip(pDC, pScroll);
}

// Visual styles ----------------------------------------------------------------

namespace {

/// State 1 normal, 2 hot, 3 pressed, 4 disabled of a part, plus nBase. A part
/// held while the mouse is off it looks normal.
int PartState(const CTKScrollBase* pScroll, int nPart, BOOL bEnabled, int nBase = 0) {
  if (!bEnabled) return nBase + 4;
  if (pScroll->IsPartPressed(nPart)) return nBase + 3;
  return nBase + (pScroll->IsPartHot(nPart) ? 2 : 1);
}

}  // namespace

CTKScrollBarThemeWindowsUx::CTKScrollBarThemeWindowsUx() : m_pTheme(new CTKWinThemeWrapper()) {}

CTKScrollBarThemeWindowsUx::~CTKScrollBarThemeWindowsUx() { delete m_pTheme; }

void CTKScrollBarThemeWindowsUx::RefreshMetrics() {
  CTKScrollBarThemeWindowsClassic::RefreshMetrics();
  m_pTheme->CloseThemeData();
  m_pTheme->OpenThemeData(NULL, L"SCROLLBAR");
  if (!m_pTheme->IsThemingAvailable()) CTKScrollBarThemeWindowsClassic::RefreshMetrics();
}

void CTKScrollBarThemeWindowsUx::DrawThemedArrows(CDC* pDC, CTKScrollBase* pScroll,
                                                  const TK_SCROLLBAR_PARTS& p) {
  BOOL bVertical = pScroll->GetLayout().bVertical;
  int nFirst = bVertical ? 0 : 8;
  m_pTheme->DrawThemeBackground(pDC->m_hDC, SBP_ARROWBTN,
                                PartState(pScroll, TKSB_HT_UP, p.bEnabled, nFirst), &p.rcArrowFirst,
                                NULL);
  m_pTheme->DrawThemeBackground(pDC->m_hDC, SBP_ARROWBTN,
                                PartState(pScroll, TKSB_HT_DOWN, p.bEnabled, nFirst + 4),
                                &p.rcArrowSecond, NULL);
}

void CTKScrollBarThemeWindowsUx::DrawThemedTrack(CDC* pDC, CTKScrollBase* pScroll,
                                                 const TK_SCROLLBAR_PARTS& p) {
  if (::IsRectEmpty(&p.rcBar)) return;
  BOOL bVertical = pScroll->GetLayout().bVertical;
  if (!::IsRectEmpty(&p.rcPageBefore))
    m_pTheme->DrawThemeBackground(pDC->m_hDC, bVertical ? SBP_LOWERTRACKVERT : SBP_LOWERTRACKHORZ,
                                  PartState(pScroll, TKSB_HT_PAGEUP, p.bEnabled), &p.rcPageBefore,
                                  NULL);
  if (!::IsRectEmpty(&p.rcPageAfter))
    m_pTheme->DrawThemeBackground(pDC->m_hDC, bVertical ? SBP_UPPERTRACKVERT : SBP_UPPERTRACKHORZ,
                                  PartState(pScroll, TKSB_HT_PAGEDOWN, p.bEnabled), &p.rcPageAfter,
                                  NULL);
}

void CTKScrollBarThemeWindowsUx::DrawThemedThumb(CDC* pDC, CTKScrollBase* pScroll,
                                                 const TK_SCROLLBAR_PARTS& p) {
  if (::IsRectEmpty(&p.rcBar) || ::IsRectEmpty(&p.rcThumb)) return;
  BOOL bVertical = pScroll->GetLayout().bVertical;
  int nState = PartState(pScroll, TKSB_HT_THUMB, p.bEnabled);
  m_pTheme->DrawThemeBackground(pDC->m_hDC, bVertical ? SBP_THUMBBTNVERT : SBP_THUMBBTNHORZ, nState,
                                &p.rcThumb, NULL);
  int nLength = bVertical ? p.rcThumb.bottom - p.rcThumb.top : p.rcThumb.right - p.rcThumb.left;
  int nGripperMin = bVertical ? TKDpiHelper()->ScaleY(13) : TKDpiHelper()->ScaleX(13);
  if (nLength > nGripperMin)
    m_pTheme->DrawThemeBackground(pDC->m_hDC, bVertical ? SBP_GRIPPERVERT : SBP_GRIPPERHORZ, nState,
                                  &p.rcThumb, NULL);
}

void CTKScrollBarThemeWindowsUx::DrawArrowButtonsH(CDC* pDC, CTKScrollBase* pScroll,
                                                   const TK_SCROLLBAR_PARTS& p) {
  if (m_pTheme->IsThemingAvailable())
    DrawThemedArrows(pDC, pScroll, p);
  else
    DrawClassicHorzArrows(pDC, pScroll, p);
}

void CTKScrollBarThemeWindowsUx::DrawArrowButtonsV(CDC* pDC, CTKScrollBase* pScroll,
                                                   const TK_SCROLLBAR_PARTS& p) {
  if (m_pTheme->IsThemingAvailable())
    DrawThemedArrows(pDC, pScroll, p);
  else
    DrawClassicVertArrows(pDC, pScroll, p);
}

void CTKScrollBarThemeWindowsUx::DrawTrackH(CDC* pDC, CTKScrollBase* pScroll,
                                            const TK_SCROLLBAR_PARTS& p) {
  if (m_pTheme->IsThemingAvailable())
    DrawThemedTrack(pDC, pScroll, p);
  else
    DrawClassicTrack(pDC, pScroll, p);
}

void CTKScrollBarThemeWindowsUx::DrawTrackV(CDC* pDC, CTKScrollBase* pScroll,
                                            const TK_SCROLLBAR_PARTS& p) {
  DrawTrackH(pDC, pScroll, p);
}

void CTKScrollBarThemeWindowsUx::DrawThumbH(CDC* pDC, CTKScrollBase* pScroll,
                                            const TK_SCROLLBAR_PARTS& p) {
  // The classic track routine draws the classic thumb.
  if (m_pTheme->IsThemingAvailable()) DrawThemedThumb(pDC, pScroll, p);
}

void CTKScrollBarThemeWindowsUx::DrawThumbV(CDC* pDC, CTKScrollBase* pScroll,
                                            const TK_SCROLLBAR_PARTS& p) {
  DrawThumbH(pDC, pScroll, p);
}

void CTKScrollBarThemeWindowsUx::DrawSizeGrip(CDC* pDC, CTKScrollBase* pScroll) {
  if (!m_pTheme->IsThemingAvailable()) {
    DrawClassicSizeGrip(pDC, pScroll);
    return;
  }
  RECT rc = pScroll->GetLayout().rc;
  pDC->FillSolidRect(&rc, m_pTheme->GetThemeSysColor(COLOR_BTNFACE));
  m_pTheme->DrawThemeBackground(pDC->m_hDC, SBP_SIZEBOX, 0, &rc, NULL);
}
