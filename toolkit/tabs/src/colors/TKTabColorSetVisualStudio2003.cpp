// The Visual Studio 2003 set: system colours on a header in the toolkit's
// tab-band colour, with sunk and raised navigate buttons.
#include "common/TKColorManager.h"
#include "tabs/TKTabColorSetVisualStudio.h"
#include "tabs/TKTabManagerNavigateButton.h"

namespace {

COLORREF Sys(int nIndex) { return TKColorManager()->GetColor(nIndex); }

/// The toolkit colours of the tab band and of its captions.
const int kBandColor = 48;
const int kBandTextColor = 49;

/// The looks that keep the default set's header and buttons.
BOOL KeepsDefaultLook(int nAppearance) { return nAppearance == 7 || nAppearance == 4; }

}  // namespace

void CColorSetVisualStudio2003::RefreshMetrics() {
  CTKTabPaintManagerColorSet::RefreshMetrics();
  if (!KeepsDefaultLook(GetAppearanceId())) m_clrHeaderFace.SetStandardSolid(Sys(kBandColor));
  if (GetAppearanceId() == 5) {
    m_clrText = Sys(kBandTextColor);
    m_clrTextSelectedHighlighted = Sys(kBandTextColor);
  }
  m_clrButtonSelectedHighlighted.SetCustomValue(Sys(kBandColor));
}

void CColorSetVisualStudio2003::DrawNavigateButton(CDC* pDC, CTKTabManagerNavigateButton* pButton,
                                                   CRect rc) {
  if (KeepsDefaultLook(GetAppearanceId())) {
    CTKTabColorSetDefault::DrawNavigateButton(pDC, pButton, rc);
    return;
  }
  DrawBevelledButton(pDC, pButton, rc, Sys(COLOR_BTNFACE), Sys(COLOR_BTNTEXT), Sys(kBandTextColor),
                     m_clrGlyph);
}
