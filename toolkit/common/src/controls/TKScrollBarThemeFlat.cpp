// The flat scroll bars: fixed light and dark colours, theme-text colours, and
// the bordered parts of the Office 2013 look.
#include "common/TKDrawHelpers.h"
#include "common/TKDpiHelper.h"
#include "common/TKResourceImages.h"
#include "common/TKScrollBarThemes.h"

namespace {

const CTKScrollBarThemeVisualStudio2012::COLORS kLight = {
    RGB(232, 232, 236), RGB(202, 203, 211), RGB(134, 137, 153), RGB(28, 151, 234),
    RGB(0, 122, 204),   RGB(208, 209, 215), RGB(136, 136, 136), RGB(106, 106, 106)};
const CTKScrollBarThemeVisualStudio2012::COLORS kDark = {
    RGB(62, 62, 66),  RGB(85, 85, 88),    RGB(153, 153, 153), RGB(28, 151, 234),
    RGB(0, 122, 204), RGB(104, 104, 104), RGB(158, 158, 158), RGB(239, 235, 239)};

const char kScrollBarSection[] = "Common.ScrollBar";

/// The thumb narrowed across the axis.
RECT NarrowThumb(const RECT& rcThumb, BOOL bVertical) {
  RECT rc = rcThumb;
  if (bVertical) {
    int n = TKDpiHelper()->ScaleX(5);
    rc.left += n;
    rc.right -= n;
  } else {
    int n = TKDpiHelper()->ScaleY(5);
    rc.top += n;
    rc.bottom -= n;
  }
  return rc;
}

}  // namespace

// Visual Studio 2012 ---------------------------------------------------------------

void CTKScrollBarThemeVisualStudio2012::DrawScrollBar(CDC* pDC, CTKScrollBase* pScroll) {
  const TK_SCROLLBAR_LAYOUT& l = pScroll->GetLayout();
  if (l.pxCrossEnd - l.pxCrossStart <= 0) return;
  const TK_SCROLLBAR_TRACKINFO* pTrack = pScroll->GetTrackInfo();
  m_nPressed = (pTrack != NULL && (pTrack->bOverPart || pTrack->bDraggingThumb)) ? l.nHitPart : -1;
  m_nHot = pTrack == NULL ? l.nHitPart : -1;
  m_bEnabled = (l.nMax - l.nPage - l.nMin + 1) > 0 && pScroll->IsScrollBarEnabled();
  LoadColors(pScroll);
  CTKScrollBarPaintManager::DrawScrollBar(pDC, pScroll);
}

void CTKScrollBarThemeVisualStudio2012::LoadColors(const CTKScrollBase* pScroll) {
  m_colors = pScroll->GetScrollBarStyle() == 9 ? kDark : kLight;
}

COLORREF CTKScrollBarThemeVisualStudio2012::ArrowColor(int nArrowPart) const {
  if (!m_bEnabled) return m_colors.clrArrowDisabled;
  if (m_nPressed == nArrowPart) return m_colors.clrArrowPressed;
  if (m_nHot == nArrowPart) return m_colors.clrArrowHot;
  return m_colors.clrArrowNormal;
}

void CTKScrollBarThemeVisualStudio2012::DrawThumb(CDC* pDC, const TK_SCROLLBAR_PARTS& p,
                                                  BOOL bVertical) {
  RECT rc = NarrowThumb(p.rcThumb, bVertical);
  if (::IsRectEmpty(&rc)) return;
  COLORREF clr = m_nPressed == TKSB_HT_THUMB ? m_colors.clrThumbPressed
                 : m_nHot == TKSB_HT_THUMB   ? m_colors.clrThumbHot
                                             : m_colors.clrThumbNormal;
  pDC->FillSolidRect(&rc, clr);
}

void CTKScrollBarThemeVisualStudio2012::DrawBackgroundH(CDC* pDC, CTKScrollBase*,
                                                        const TK_SCROLLBAR_PARTS& p) {
  pDC->FillSolidRect(&p.rcBar, m_colors.clrBackground);
}
void CTKScrollBarThemeVisualStudio2012::DrawBackgroundV(CDC* pDC, CTKScrollBase* pScroll,
                                                        const TK_SCROLLBAR_PARTS& p) {
  DrawBackgroundH(pDC, pScroll, p);
}
void CTKScrollBarThemeVisualStudio2012::DrawArrowButtonsH(CDC* pDC, CTKScrollBase*,
                                                          const TK_SCROLLBAR_PARTS& p) {
  pDC->FillSolidRect(&p.rcArrowFirst, m_colors.clrBackground);
  pDC->FillSolidRect(&p.rcArrowSecond, m_colors.clrBackground);
}
void CTKScrollBarThemeVisualStudio2012::DrawArrowButtonsV(CDC* pDC, CTKScrollBase* pScroll,
                                                          const TK_SCROLLBAR_PARTS& p) {
  DrawArrowButtonsH(pDC, pScroll, p);
}
void CTKScrollBarThemeVisualStudio2012::DrawArrowGlyphsH(CDC* pDC, CTKScrollBase*,
                                                         const TK_SCROLLBAR_PARTS& p) {
  DrawArrowGlyph(pDC, p.rcArrowFirst, 0, m_bEnabled, ArrowColor(TKSB_HT_UP));
  DrawArrowGlyph(pDC, p.rcArrowSecond, 1, m_bEnabled, ArrowColor(TKSB_HT_DOWN));
}
void CTKScrollBarThemeVisualStudio2012::DrawArrowGlyphsV(CDC* pDC, CTKScrollBase*,
                                                         const TK_SCROLLBAR_PARTS& p) {
  DrawArrowGlyph(pDC, p.rcArrowFirst, 2, m_bEnabled, ArrowColor(TKSB_HT_UP));
  DrawArrowGlyph(pDC, p.rcArrowSecond, 3, m_bEnabled, ArrowColor(TKSB_HT_DOWN));
}
void CTKScrollBarThemeVisualStudio2012::DrawThumbH(CDC* pDC, CTKScrollBase*,
                                                   const TK_SCROLLBAR_PARTS& p) {
  DrawThumb(pDC, p, FALSE);
}
void CTKScrollBarThemeVisualStudio2012::DrawThumbV(CDC* pDC, CTKScrollBase*,
                                                   const TK_SCROLLBAR_PARTS& p) {
  DrawThumb(pDC, p, TRUE);
}
void CTKScrollBarThemeVisualStudio2012::DrawSizeGrip(CDC* pDC, CTKScrollBase* pScroll) {
  LoadColors(pScroll);
  pDC->FillSolidRect(&pScroll->GetLayout().rc, m_colors.clrBackground);
}

// Visual Studio 2015 ---------------------------------------------------------------

void CTKScrollBarThemeVisualStudio2015::LoadColors(const CTKScrollBase*) {
  const char* s = kScrollBarSection;
  m_colors.clrBackground = GetThemeIniColor(s, "NormalBack", RGB(243, 243, 243));
  m_colors.clrArrowDisabled = GetThemeIniColor(s, "DisabledScrollArrow", RGB(171, 171, 171));
  m_colors.clrArrowNormal = GetThemeIniColor(s, "NormalScrollArrow", RGB(119, 119, 119));
  m_colors.clrArrowHot = GetThemeIniColor(s, "SelectedScrollArrow", RGB(119, 119, 119));
  m_colors.clrArrowPressed = GetThemeIniColor(s, "PressedScrollArrow", RGB(119, 119, 119));
  m_colors.clrThumbNormal = GetThemeIniColor(s, "NormalThumbBack", RGB(255, 255, 255));
  m_colors.clrThumbHot = GetThemeIniColor(s, "SelectedThumbBack", RGB(240, 240, 240));
  m_colors.clrThumbPressed = GetThemeIniColor(s, "PressedThumbBack", RGB(240, 240, 240));
}

// Office 2013 ----------------------------------------------------------------------

void CTKScrollBarThemeOffice2013::RefreshMetrics() {
  CTKScrollBarPaintManager::RefreshMetrics();
  static const char* const kStates[STATE_COUNT] = {"Normal", "Pressed", "Selected", "Disabled"};
  static const char* const kColumns[COL_COUNT] = {"Back",        "ScrollBorder", "ScrollBack",
                                                  "ScrollArrow", "ThumbBorder",  "ThumbBack"};
  static const BYTE kDefaults[STATE_COUNT][COL_COUNT] = {
      {0xF3, 0xAB, 0xFF, 0x77, 0xAB, 0xFF},
      {0xF3, 0x77, 0xF0, 0x77, 0x77, 0xF0},
      {0xF3, 0x77, 0xFF, 0x77, 0xAB, 0xF0},
      {0xF3, 0xF3, 0xF3, 0xAB, 0xF3, 0xF3},
  };
  for (int s = 0; s < STATE_COUNT; ++s) {
    for (int c = 0; c < COL_COUNT; ++c) {
      CString strKey = CString(kStates[s]) + kColumns[c];
      BYTE g = kDefaults[s][c];
      m_clr[s][c] = GetThemeIniColor(kScrollBarSection, strKey, RGB(g, g, g));
    }
  }
}

void CTKScrollBarThemeOffice2013::GetPartColors(int nHot, int nPressed, BOOL bEnabled,
                                                PART_COLORS* pColors) const {
  auto arrowState = [&](int nPart) {
    if (!bEnabled) return (int)STATE_DISABLED;
    if (nHot == nPart) return (int)STATE_SELECTED;
    if (nPressed == nPart) return (int)STATE_PRESSED;
    return (int)STATE_NORMAL;
  };
  int nFirst = arrowState(TKSB_HT_UP);
  int nSecond = arrowState(TKSB_HT_DOWN);
  int nThumb = arrowState(TKSB_HT_THUMB);
  pColors->clrBarBack = m_clr[nThumb][COL_BACK];
  pColors->clrFirstArrowBack = m_clr[nFirst][COL_SCROLLBACK];
  pColors->clrFirstArrowGlyph = m_clr[nFirst][COL_SCROLLARROW];
  pColors->clrFirstArrowBorder = m_clr[nFirst][COL_SCROLLBORDER];
  pColors->clrThumbBack = m_clr[nThumb][COL_THUMBBACK];
  pColors->clrThumbBorder = m_clr[nThumb][COL_THUMBBORDER];
  pColors->clrSecondArrowBack = m_clr[nSecond][COL_SCROLLBACK];
  pColors->clrSecondArrowGlyph = m_clr[nSecond][COL_SCROLLARROW];
  pColors->clrSecondArrowBorder = m_clr[nSecond][COL_SCROLLBORDER];
}

void CTKScrollBarThemeOffice2013::DrawScrollBar(CDC* pDC, CTKScrollBase* pScroll) {
  if (!pScroll->IsSizeBox()) {
    const TK_SCROLLBAR_LAYOUT& l = pScroll->GetLayout();
    BOOL bTracking = pScroll->GetTrackInfo() != NULL;
    m_bEnabled = (l.nMax - l.nPage - l.nMin + 1) > 0 && pScroll->IsScrollBarEnabled();
    GetPartColors(bTracking ? -1 : l.nHitPart, bTracking ? l.nHitPart : -1, m_bEnabled, &m_parts);
  }
  CTKScrollBarPaintManager::DrawScrollBar(pDC, pScroll);
}

void CTKScrollBarThemeOffice2013::DrawBackgroundH(CDC* pDC, CTKScrollBase*,
                                                  const TK_SCROLLBAR_PARTS& p) {
  pDC->FillSolidRect(&p.rcBar, m_parts.clrBarBack);
}
void CTKScrollBarThemeOffice2013::DrawBackgroundV(CDC* pDC, CTKScrollBase* pScroll,
                                                  const TK_SCROLLBAR_PARTS& p) {
  DrawBackgroundH(pDC, pScroll, p);
}
void CTKScrollBarThemeOffice2013::DrawArrowButtonsH(CDC* pDC, CTKScrollBase*,
                                                    const TK_SCROLLBAR_PARTS& p) {
  CTKDrawHelpers::FillRectWithBorder(pDC, &p.rcArrowFirst, m_parts.clrFirstArrowBorder,
                                     m_parts.clrFirstArrowBack);
  CTKDrawHelpers::FillRectWithBorder(pDC, &p.rcArrowSecond, m_parts.clrSecondArrowBorder,
                                     m_parts.clrSecondArrowBack);
}
void CTKScrollBarThemeOffice2013::DrawArrowButtonsV(CDC* pDC, CTKScrollBase* pScroll,
                                                    const TK_SCROLLBAR_PARTS& p) {
  DrawArrowButtonsH(pDC, pScroll, p);
}
void CTKScrollBarThemeOffice2013::DrawArrowGlyphsH(CDC* pDC, CTKScrollBase*,
                                                   const TK_SCROLLBAR_PARTS& p) {
  DrawArrowGlyph(pDC, p.rcArrowFirst, 0, m_bEnabled, m_parts.clrFirstArrowGlyph);
  DrawArrowGlyph(pDC, p.rcArrowSecond, 1, m_bEnabled, m_parts.clrSecondArrowGlyph);
}
void CTKScrollBarThemeOffice2013::DrawArrowGlyphsV(CDC* pDC, CTKScrollBase*,
                                                   const TK_SCROLLBAR_PARTS& p) {
  DrawArrowGlyph(pDC, p.rcArrowFirst, 2, m_bEnabled, m_parts.clrFirstArrowGlyph);
  DrawArrowGlyph(pDC, p.rcArrowSecond, 3, m_bEnabled, m_parts.clrSecondArrowGlyph);
}
void CTKScrollBarThemeOffice2013::DrawThumbH(CDC* pDC, CTKScrollBase*,
                                             const TK_SCROLLBAR_PARTS& p) {
  if (m_bEnabled && !::IsRectEmpty(&p.rcThumb))
    CTKDrawHelpers::FillRectWithBorder(pDC, &p.rcThumb, m_parts.clrThumbBorder,
                                       m_parts.clrThumbBack);
}
void CTKScrollBarThemeOffice2013::DrawThumbV(CDC* pDC, CTKScrollBase* pScroll,
                                             const TK_SCROLLBAR_PARTS& p) {
  DrawThumbH(pDC, pScroll, p);
}
void CTKScrollBarThemeOffice2013::DrawSizeGrip(CDC* pDC, CTKScrollBase* pScroll) {
  pDC->FillSolidRect(&pScroll->GetLayout().rc, m_clr[STATE_NORMAL][COL_BACK]);
}
