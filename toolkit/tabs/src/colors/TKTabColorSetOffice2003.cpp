// The Office 2003 colour set: system colours, or under a Luna scheme its
// fixed blue, olive or silver colours; tabs fill with a white-to-colour
// gradient.
#include "common/TKColorManager.h"
#include "common/TKDrawHelpers.h"
#include "tabs/TKTabManagerItem.h"
#include "tabs/TKTabManagerNavigateButton.h"
#include "tabs/TKTabPaintManager.h"
#include "tabs/TKTabPaintManagerColorSet.h"
#include "tabs/TKTabPaintManagerTheme.h"

namespace {

COLORREF Sys(int nIndex) { return TKColorManager()->GetColor(nIndex); }

struct LunaColors {
  COLORREF clrFrameBorder;
  COLORREF clrDarkShadow;
  COLORREF clrShadow;
  COLORREF clrPushedBorder;
  COLORREF clrHeaderLight;
  COLORREF clrHeaderDark;
  COLORREF clrButton;
  COLORREF clrHighlighted;
};

const LunaColors kBlue = {0x9C613B, 0x9A3500, 0xF1A675, 0x800000,
                          0xFADAC4, 0xFEFDFC, 0xF6C0A2, 0xC9F0FF};
const LunaColors kOlive = {0x588060, 0x6B7760, 0x8CC2B0, 0x385D3F,
                           0xE4F1F2, 0xFEFEFC, 0xAADED0, 0xC7F0FF};
const LunaColors kSilver = {0x947C7C, 0x927476, 0xCEB9BA, 0x6F4B4B,
                            0xF7F3F3, 0xFEFEFC, 0xE6D9D9, 0xC2EEFF};

const LunaColors* LunaColorsOf(int nScheme) {
  switch (nScheme) {
    case tkSchemeLunaBlue:
    case tkSchemeRoyale:
    case tkSchemeAero:
      return &kBlue;
    case tkSchemeLunaOlive:
      return &kOlive;
    case tkSchemeLunaSilver:
      return &kSilver;
    default:
      return NULL;
  }
}

}  // namespace

void CTKTabColorSetOffice2003::RefreshMetrics() {
  CTKTabPaintManagerColorSet::RefreshMetrics();
  m_clrHeaderFace.SetStandardValue(Sys(COLOR_BTNFACE),
                                   CTKColorManager::MixColors(Sys(COLOR_BTNFACE), Sys(COLOR_WINDOW), 205));
  m_clrPushedButtonFill.SetStandardSolid(Sys(36));
  m_clrPushedButtonBorder.SetStandardSolid(Sys(37));
  m_clrButtonHighlighted = Sys(36);
  m_clrButtonPressed = Sys(33);
  m_clrTextHighlighted = Sys(COLOR_BTNTEXT);
  m_bLunaColors = FALSE;
  if (m_pPaintManager == NULL || !m_pPaintManager->AreSchemeColorsDisabled()) {
    if (const LunaColors* pLuna = LunaColorsOf(TKColorManager()->GetCurrentSystemTheme())) {
      m_clrFrameBorder = pLuna->clrFrameBorder;
      m_clrSlantedSelectedBorder = pLuna->clrFrameBorder;
      m_clrClassicDarkShadow = pLuna->clrDarkShadow;
      m_clrSlantedBorder = pLuna->clrDarkShadow;
      m_clrClassicShadow = pLuna->clrShadow;
      m_clrSlantedInnerLight = pLuna->clrShadow;
      m_clrSlantedInnerShadow = 0xFFFFFF;
      m_clrPushedButtonFill.SetStandardSolid(0x6FC0FF);
      m_clrPushedButtonBorder.SetStandardSolid(pLuna->clrPushedBorder);
      m_clrHeaderFace.SetStandardValue(pLuna->clrHeaderLight, pLuna->clrHeaderDark);
      m_clrButtonNormal = pLuna->clrButton;
      m_clrButtonSelected = 0x73C2FF;
      m_clrButtonHighlighted = pLuna->clrHighlighted;
      m_clrButtonFrame = pLuna->clrPushedBorder;
      m_bLunaColors = TRUE;
    } else {
      m_clrButtonSelected = Sys(36);
    }
  }
  if (m_bLunaColors) m_clrButtonPressed = 0x4B8EFE;
  m_clrTrapezoidSelectedOuter = static_cast<COLORREF>(m_clrFrameBorder);
  m_clrTrapezoidSelectedTrailing = static_cast<COLORREF>(m_clrFrameBorder);
  m_clrTrapezoidSelectedInnerLight = CLR_NONE;
  m_clrTrapezoidSelectedInnerShadow = CLR_NONE;
  CopyTrapezoidToNormal();
  if (GetAppearanceId() == 4) {
    m_clrHeaderFace.SetStandardSolid(Sys(COLOR_BTNFACE));
    m_clrPushedButtonBorder.SetStandardSolid(Sys(COLOR_BTNFACE));
  }
}

COLORREF CTKTabColorSetOffice2003::FillItem(CDC* pDC, CRect rc, const CTKTabManagerItem* pItem) {
  COLORREF clr = GetItemColor(pItem);
  if (pItem->IsPressed())
    clr = m_clrButtonPressed;
  else if (pItem->IsHighlighted())
    clr = m_clrButtonHighlighted;
  FillGradientByPosition(pDC, rc, CTKColorManager::MixColors(clr, 0xFFFFFF, 300), clr,
                         GetStripPosition());
  return clr;
}

void CTKTabColorSetOffice2003::DrawNavigateButton(CDC* pDC, CTKTabManagerNavigateButton* pButton,
                                                  CRect rc) {
  const BOOL bHot = pButton->IsEnabled() && (pButton->IsHighlighted() || pButton->IsPressed());
  COLORREF clrText = Sys(COLOR_BTNTEXT);
  if (bHot) {
    const BOOL bPressed = pButton->IsPressed() && pButton->IsHighlighted();
    if (m_bLunaColors) {
      TKDrawHelpers()->GradientFill(pDC, rc, bPressed ? 0x4B8EFE : 0xC8F2FF,
                                    bPressed ? 0x8BCFFF : 0x97D4FF, FALSE);
      pDC->Draw3dRect(rc, m_clrButtonFrame, m_clrButtonFrame);
    } else {
      pDC->FillSolidRect(rc, Sys(bPressed ? 33 : 31));
      const COLORREF clrBorder = Sys(bPressed ? 50 : 32);
      pDC->Draw3dRect(rc, clrBorder, clrBorder);
      clrText = Sys(bPressed ? 47 : 45);
    }
  }
  pDC->SetTextColor(clrText);
  pButton->Draw(pDC, rc, m_clrGlyph, pButton->IsEnabled());
}
