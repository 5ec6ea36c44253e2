// The Visual Studio 2005 and 2008 sets: the Office 2003 Luna colours while
// the Windows colour scheme is in effect, their own scheme tables when
// scheme colours are disabled.
#include "common/TKColorManager.h"
#include "tabs/TKTabColorSetVisualStudio.h"
#include "tabs/TKTabManager.h"
#include "tabs/TKTabManagerItem.h"
#include "tabs/TKTabPaintManager.h"

namespace {

COLORREF Sys(int nIndex) { return TKColorManager()->GetColor(nIndex); }

/// The toolkit colour of the 2005 and 2008 frames.
const int kFrameColor = 57;

int Scheme() { return TKColorManager()->GetCurrentSystemTheme(); }

/// The entries both sets start from.
void RefreshCommon(CTKTabColorSetOffice2003& set) {
  set.CTKTabPaintManagerColorSet::RefreshMetrics();
  set.m_clrButtonSelected = Sys(COLOR_WINDOW);
  set.m_clrTextSelected = Sys(COLOR_WINDOWTEXT);
  set.m_bLunaColors = FALSE;
  set.m_clrButtonHighlighted = Sys(36);
  set.m_clrButtonPressed = Sys(33);
  set.m_clrTextHighlighted = Sys(COLOR_BTNTEXT);
}

/// Text selected highlighted and button selected highlighted follow text and
/// button, standard and custom values.
void CopyHighlightedFromNormal(CTKTabPaintManagerColorSet& set) {
  set.m_clrTextSelectedHighlighted = set.m_clrText;
  set.m_clrButtonSelectedHighlighted = set.m_clrButtonNormal;
}

BOOL SchemeColorsDisabled(const CTKTabPaintManager* pPaintManager) {
  return pPaintManager != NULL && pPaintManager->AreSchemeColorsDisabled();
}

/// Hot, unless it is the selected tab of an active strip (no strip counts as active).
BOOL IsHotUnselected(const CTKTabManagerItem* pItem) {
  if (!pItem->IsHighlighted()) return FALSE;
  const CTKTabManager* pStrip = pItem->GetManager();
  return !(pItem->IsSelected() && (pStrip == NULL || pStrip->IsActive()));
}

}  // namespace

void CColorSetVisualStudio2005::RefreshMetrics() {
  RefreshCommon(*this);
  m_bGradientItems = FALSE;
  if (SchemeColorsDisabled(m_pPaintManager)) {
    const int nScheme = Scheme();
    if (nScheme == tkSchemeLunaBlue || nScheme == tkSchemeLunaOlive) {
      m_clrHeaderFace.SetStandardSolid(0xD5E2E4);
      m_bGradientItems = TRUE;
    } else if (nScheme == tkSchemeLunaSilver) {
      m_clrButtonNormal = 0xF8F5F5;
      m_clrHeaderFace.SetStandardSolid(0xEEEEEE);
      m_bGradientItems = TRUE;
    }
    m_clrSlantedSelectedBorder = Sys(kFrameColor);
    m_clrFrameBorder = Sys(kFrameColor);
  } else {
    CTKTabColorSetOffice2003::RefreshMetrics();
  }
  CopyHighlightedFromNormal(*this);
}

COLORREF CColorSetVisualStudio2005::FillItem(CDC* pDC, CRect rc, const CTKTabManagerItem* pItem) {
  COLORREF clr = GetItemColor(pItem);
  if (pItem->IsHighlighted()) clr = m_clrButtonHighlighted;
  if (m_bGradientItems)
    FillGradientByPosition(pDC, rc, CTKColorManager::MixColors(clr, 0xFFFFFF, 300), clr,
                           GetStripPosition());
  else
    pDC->FillSolidRect(rc, clr);
  return clr;
}

void CTKTabColorSetVisualStudio2008::RefreshMetrics() {
  struct SchemeColors {
    int nScheme;
    COLORREF clrSelected, clrHighlighted, clrFrame, clrButton;
  };
  static const SchemeColors kSchemes[] = {
      {tkSchemeLunaBlue, 0xEED2C1, 0xE3BFA7, 0xE2B598, CLR_NONE},
      {tkSchemeRoyale, 0xEED2C1, 0xE3BFA7, 0xE2B598, CLR_NONE},
      {tkSchemeLunaOlive, 0x8DC6B6, 0x8EAFAF, 0x70A093, CLR_NONE},
      {tkSchemeLunaSilver, 0xECE2E1, 0x80C9FF, 0xB09193, CLR_NONE},
      {tkSchemeAero, 0xFAE6D2, 0xF1D081, 0xBFA169, 0xD2B498}};
  RefreshCommon(*this);
  m_bGradientItems = FALSE;
  m_clrSlantedSelectedBorder = Sys(kFrameColor);
  m_clrFrameBorder = Sys(kFrameColor);
  m_clrButtonSelected = Sys(COLOR_BTNFACE);
  m_clrButtonHighlighted = Sys(COLOR_WINDOW);
  m_clrButtonNormal = Sys(COLOR_BTNFACE);
  m_clrHeaderFace.SetStandardSolid(Sys(COLOR_BTNFACE));
  if (SchemeColorsDisabled(m_pPaintManager)) {
    const int nScheme = Scheme();
    for (const SchemeColors& scheme : kSchemes) {
      if (scheme.nScheme != nScheme) continue;
      m_clrButtonSelected = scheme.clrSelected;
      m_clrButtonHighlighted = scheme.clrHighlighted;
      m_clrFrameBorder = scheme.clrFrame;
      if (scheme.clrButton != CLR_NONE) m_clrButtonNormal = scheme.clrButton;
      m_bGradientItems = TRUE;
      m_clrSlantedSelectedBorder = static_cast<COLORREF>(m_clrFrameBorder);
    }
  } else {
    CTKTabColorSetOffice2003::RefreshMetrics();
  }
  CopyHighlightedFromNormal(*this);
}

COLORREF CTKTabColorSetVisualStudio2008::FillItem(CDC* pDC, CRect rc,
                                                  const CTKTabManagerItem* pItem) {
  COLORREF clr = GetItemColor(pItem);
  if (IsHotUnselected(pItem)) clr = m_clrButtonHighlighted;
  const CTKTabManager* pStrip = pItem->GetManager();
  const BOOL bActiveSelected = pItem->IsSelected() && (pStrip == NULL || pStrip->IsActive());
  if (m_bGradientItems || bActiveSelected)
    FillGradientByPosition(pDC, rc, 0xFDFDFD, clr, GetStripPosition());
  else
    pDC->FillSolidRect(rc, clr);
  return clr;
}
