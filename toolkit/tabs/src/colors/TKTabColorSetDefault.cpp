// The default colour set: the root's colours with a dithered selected state
// button and inner lines only on the selected trapezoid.
#include "common/TKColorManager.h"
#include "tabs/TKTabManagerNavigateButton.h"
#include "tabs/TKTabPaintManagerColorSet.h"

void CTKTabColorSetDefault::RefreshMetrics() {
  CTKTabPaintManagerColorSet::RefreshMetrics();
  CTKColorManager* pColors = TKColorManager();
  m_clrPushedButtonFill.SetStandardSolid(static_cast<COLORREF>(-2));
  m_clrPushedButtonBorder.SetStandardValue(pColors->GetColor(COLOR_BTNSHADOW),
                                           pColors->GetColor(COLOR_3DHIGHLIGHT));
  m_clrTrapezoidSelectedOuter = pColors->GetColor(COLOR_BTNTEXT);
  m_clrTrapezoidSelectedTrailing = pColors->GetColor(COLOR_BTNTEXT);
  m_clrTrapezoidSelectedInnerLight = pColors->GetColor(COLOR_WINDOW);
  m_clrTrapezoidSelectedInnerShadow = pColors->GetColor(COLOR_BTNSHADOW);
  CopyTrapezoidToNormal();
  m_clrTrapezoidNormalInnerLight = CLR_NONE;
  m_clrTrapezoidNormalInnerShadow = CLR_NONE;
  if (GetAppearanceId() == 7) {
    m_clrButtonSelected = pColors->GetColor(COLOR_BTNFACE);
    m_clrButtonNormal = pColors->GetColor(COLOR_WINDOW);
    m_clrFrameBorder = pColors->GetColor(COLOR_BTNTEXT);
  }
}

void CTKTabColorSetDefault::DrawBevelledButton(CDC* pDC, CTKTabManagerNavigateButton* pButton,
                                               CRect rc, COLORREF clrLight, COLORREF clrDark,
                                               COLORREF clrText, COLORREF clrGlyph) {
  if (pButton->IsEnabled()) {
    if (pButton->IsPressed()) {
      pDC->Draw3dRect(rc, clrDark, clrLight);
      rc.OffsetRect(1, 1);
    } else if (pButton->IsHighlighted()) {
      pDC->Draw3dRect(rc, clrLight, clrDark);
    }
  }
  pDC->SetTextColor(clrText);
  pButton->Draw(pDC, rc, clrGlyph, pButton->IsEnabled());
}

void CTKTabColorSetDefault::DrawNavigateButton(CDC* pDC, CTKTabManagerNavigateButton* pButton,
                                               CRect rc) {
  CTKColorManager* pColors = TKColorManager();
  DrawBevelledButton(pDC, pButton, rc, pColors->GetColor(COLOR_3DHIGHLIGHT),
                     pColors->GetColor(COLOR_BTNSHADOW), pColors->GetColor(COLOR_BTNTEXT), m_clrGlyph);
}
