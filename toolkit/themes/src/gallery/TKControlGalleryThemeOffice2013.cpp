// CTKControlGalleryOffice2013Theme: flat framed scroll buttons with drawn
// triangles, colours from "CommandBars.Gallery".
#include "commandbars/TKControlGallery.h"
#include "common/TKDCHelpers.h"
#include "common/TKDpiHelper.h"
#include "common/TKDrawHelpers.h"
#include "common/TKResourceImages.h"
#include "themes/TKControlGalleryThemes.h"
#include "themes/TKPaintManagerBase.h"

void CTKControlGalleryOffice2013Theme::RefreshMetrics() {
  CTKControlGalleryTheme::RefreshMetrics();
  static const char kSection[] = "CommandBars.Gallery";
  m_clrBack.SetStandardValue(GetThemeIniColor(kSection, "Back", 0x00FFFFFF));
  m_clrBorder = GetThemeIniColor(kSection, "Border", 0x00B2AFAB);
  m_clrScrollTriangle.SetStandardValue(GetThemeIniColor(kSection, "ScrollTriangle", 0x00777777));
  m_clrScrollTriangleHighlight.SetStandardValue(
      GetThemeIniColor(kSection, "ScrollTriangleHighlight", 0x00444444));
  m_clrScrollTrianglePushed.SetStandardValue(
      GetThemeIniColor(kSection, "ScrollTrianglePushed", 0x00000000));
  m_clrScrollTriangleDisabled.SetStandardValue(
      GetThemeIniColor(kSection, "ScrollTriangleDisabled", 0x00C6C6C6));
  m_clrScrollBorder.SetStandardValue(GetThemeIniColor(kSection, "ScrollBorder", 0x00ABABAB));
  m_clrScrollBorderHighlight.SetStandardValue(
      GetThemeIniColor(kSection, "ScrollBorderHighlight", 0x00E3BDA3));
  m_clrScrollBorderDisabled.SetStandardValue(
      GetThemeIniColor(kSection, "ScrollBorderDisabled", 0x00E1E1E1));
  m_clrScrollBackHighlight.SetStandardValue(
      GetThemeIniColor(kSection, "ScrollBackHighlight", 0x00F2E1D5));
  m_clrScrollBackPushed.SetStandardValue(GetThemeIniColor(kSection, "ScrollBackPushed", 0x00E3BDA3));
}

void CTKControlGalleryOffice2013Theme::FillGallery(CDC* pDC, CTKControlGallery* pGallery,
                                                   CRect rc) {
  FillGalleryWith(pDC, pGallery, rc, m_clrBack, m_clrBorder, m_pOwner->GetIndexedColor(39), 2, 1);
}

void CTKControlGalleryOffice2013Theme::DrawGalleryScrollBar(CDC* pDC,
                                                            CTKControlGallery* pGallery) {
  const CRect rc = pGallery->GetScrollBarRect();
  pDC->FillSolidRect(rc, m_clrBack);
  // Each button overlaps its neighbours by one pixel, so they share frames.
  const int nDownTop = rc.top + m_cyPopupUp;
  const int nMoreTop = nDownTop + m_cyPopupDown;
  const struct {
    int nHitCode;
    CRect rc;
  } buttons[] = {
      {TKSB_HT_UP, CRect(rc.left, rc.top - 1, rc.right + 1, nDownTop)},
      {TKSB_HT_DOWN, CRect(rc.left, nDownTop - 1, rc.right + 1, nMoreTop + 1)},
      {TKSB_HT_LIMIT, CRect(rc.left, nMoreTop, rc.right + 1, rc.bottom + 1)},
  };
  CTKDCSaveState saved(pDC);
  for (const auto& button : buttons) {
    const ButtonState state = GetButtonState(pGallery, button.nHitCode);
    DrawButton(pDC, button.rc, state, button.nHitCode);
    // The next button must not paint over a highlighted frame.
    if (state.bHot || state.bPressed) pDC->ExcludeClipRect(button.rc);
  }
}

void CTKControlGalleryOffice2013Theme::DrawButton(CDC* pDC, CRect rc, const ButtonState& state,
                                                  int nHitCode) {
  CTKDpiHelper* pDpi = TKDpiHelper();
  COLORREF clrTriangle = m_clrScrollTriangle;
  if (state.bHot) {
    m_pOwner->FillRectWithBorder(pDC, rc, m_clrScrollBorderHighlight, m_clrScrollBackHighlight);
    clrTriangle = m_clrScrollTriangleHighlight;
  } else if (state.bPressed) {
    m_pOwner->FillRectWithBorder(pDC, rc, m_clrScrollBorderHighlight, m_clrScrollBackPushed);
    clrTriangle = m_clrScrollTrianglePushed;
  } else {
    pDC->Draw3dRect(rc, m_clrScrollBorder, m_clrScrollBorder);
    if (!state.bEnabled) {
      m_pOwner->DrawVerticalLine(pDC, rc.left, rc.top + pDpi->ScaleY(1),
                                 rc.bottom - pDpi->ScaleY(1), m_clrScrollBorderDisabled);
      clrTriangle = m_clrScrollTriangleDisabled;
    }
  }
  const CPoint c = rc.CenterPoint();
  const int dx = pDpi->ScaleX(2);
  const int n1 = pDpi->ScaleY(1);
  if (nHitCode == TKSB_HT_UP) {
    DrawFilledTriangle(pDC, CPoint(c.x, c.y - n1), CPoint(c.x - dx, c.y + n1),
                       CPoint(c.x + dx, c.y + n1), clrTriangle, clrTriangle);
  } else if (nHitCode == TKSB_HT_DOWN) {
    DrawFilledTriangle(pDC, CPoint(c.x, c.y + n1), CPoint(c.x - dx, c.y - n1),
                       CPoint(c.x + dx, c.y - n1), clrTriangle, clrTriangle);
  } else {
    pDC->FillSolidRect(CRect(c.x - pDpi->ScaleX(3), c.y - pDpi->ScaleY(2), c.x + pDpi->ScaleX(4),
                             c.y - n1),
                       clrTriangle);
    DrawFilledTriangle(pDC, CPoint(c.x, c.y + pDpi->ScaleY(3)), CPoint(c.x - dx, c.y + n1),
                       CPoint(c.x + dx, c.y + n1), clrTriangle, clrTriangle);
  }
}
