// The Office 2007 and Access 2007 sets: the Office 2003 Luna colours with
// the loaded theme text's tab, ribbon and window colours on top, and
// navigate buttons on the theme's tool-bar button image.
#include "common/TKColorManager.h"
#include "common/TKResourceImage.h"
#include "common/TKResourceImages.h"
#include "tabs/TKTabColorSetOffice.h"
#include "tabs/TKTabManagerNavigateButton.h"

namespace {

COLORREF Sys(int nIndex) { return TKColorManager()->GetColor(nIndex); }

/// The loaded theme text's colour, or the default without a text.
COLORREF Ini(LPCSTR lpszSection, LPCSTR lpszKey, COLORREF clrDefault) {
  CTKResourceImages* pImages = TKResourceImages();
  return pImages->IsLoaded() ? pImages->GetIniColor(lpszSection, lpszKey, clrDefault) : clrDefault;
}

/// A colour the application set wins over the one read.
COLORREF CustomOr(const CTKPaintManagerColor& clr, COLORREF clrRead) {
  return clr.IsCustomValue() ? clr.GetCustomValue() : clrRead;
}

}  // namespace

void CTKTabColorSetOffice2007::RefreshMetrics() {
  CTKTabColorSetOffice2003::RefreshMetrics();
  m_clrButtonPressed = Sys(33);
  m_clrPushedButtonFill.SetStandardSolid(0x6FC0FF);
  m_clrPushedButtonBorder.SetStandardSolid(0x800000);
  m_clrButtonFrame = 0x800000;

  const BOOL bLoaded = TKResourceImages()->IsLoaded();
  m_clrFrameBorder = Ini("TabManager", "FrameBorder", 0x9C613B);
  m_clrSlantedSelectedBorder = CustomOr(m_clrFrameBorder, m_clrFrameBorder.GetStandardColor());
  m_clrClassicDarkShadow = Ini("TabManager", "DarkShadow", 0x9A3500);
  m_clrSlantedBorder = CustomOr(m_clrClassicDarkShadow, m_clrClassicDarkShadow.GetStandardColor());
  m_clrClassicShadow = Ini("TabManager", "LightShadow", 0xF1A675);
  m_clrSlantedInnerLight = CustomOr(m_clrClassicShadow, m_clrClassicShadow.GetStandardColor());
  m_clrSlantedInnerShadow = 0xFFFFFF;
  if (bLoaded)
    m_clrHeaderFace.SetStandardSolid(Ini("Ribbon", "RibbonFace", 0xFADAC4));
  else
    m_clrHeaderFace.SetStandardValue(0xFADAC4, 0xFEFDFC, 0.5f);
  m_clrButtonNormal = Ini("Window", "ButtonFace", 0xF6C0A2);
  m_clrButtonSelected = Ini("Window", "HighlightChecked", 0x73C2FF);
  m_clrButtonHighlighted = Ini("Window", "HighlightSelected", 0xC9F0FF);
  if (bLoaded) m_clrButtonFrame = Ini("Window", "WindowFrame", CLR_NONE);
  const COLORREF clrText = Ini("Ribbon", "TabNormalText", 0x8B4215);
  m_clrTextHighlighted = clrText;
  m_clrText = clrText;
  m_clrTextSelected = Ini("Ribbon", "TabSelectedText", 0x8B4215);
  m_bLunaColors = TRUE;
  m_clrNavigateButtonText = static_cast<COLORREF>(m_clrText);
}

void CTKTabColorSetOffice2007::DrawNavigateButton(CDC* pDC, CTKTabManagerNavigateButton* pButton,
                                                  CRect rc) {
  if (!TKResourceImages()->IsLoaded()) {
    CTKTabColorSetDefault::DrawNavigateButton(pDC, pButton, rc);
    return;
  }
  if (pButton->IsStripButton()) pDC->SetTextColor(m_clrNavigateButtonText);
  if (pButton->IsEnabled() && (pButton->IsPressed() || pButton->IsHighlighted())) {
    CTKResourceImage* pImage = TKResourceImages()->LoadImage("TOOLBARBUTTONS22");
    if (pImage == NULL) return;
    pImage->DrawImageTransparent(pDC, rc, pImage->GetSourceRect(pButton->IsPressed() ? 1 : 0, 4),
                                 CRect(8, 8, 8, 8), CLR_NONE);
    pDC->SetTextColor(0);
  }
  pButton->Draw(pDC, rc, m_clrGlyph, pButton->IsEnabled());
}

void CTKTabColorSetOffice2007Access::RefreshMetrics() {
  CTKTabColorSetOffice2007::RefreshMetrics();
  if (!TKResourceImages()->IsLoaded()) return;
  m_clrTextSelected = 0;
  m_clrText = 0;
  m_clrTextHighlighted = 0;
  m_clrFrameBorder = Ini("TabManager", "AccessBorder", CLR_NONE);
  m_clrSlantedSelectedBorder = CustomOr(m_clrFrameBorder, m_clrFrameBorder.GetStandardColor());
  m_clrHeaderFace.SetStandardSolid(Ini("TabManager", "AccessHeader", 0xFADAC4));
  m_clrNavigateButtonText = Ini("Ribbon", "TabNormalText", CLR_NONE);
}
