// CTKMessageBarThemeOffice2003: the message bar in the bars' gradient.
#include <algorithm>

#include "common/TKColorManager.h"
#include "common/TKDrawHelpers.h"
#include "themes/TKMessageBarPaintManager.h"

void CTKMessageBarThemeOffice2003::RefreshMetrics() {
  CTKMessageBarPaintManager::RefreshMetrics();
  if (m_grcBarFace.m_clrLight.GetStandardColor() == CTKPaintManagerColor::COLORREF_NONE)
    m_grcBarFace.SetStandardSolid(m_clrBack);
  if (m_clrBarBorder.GetStandardColor() == CTKPaintManagerColor::COLORREF_NONE)
    m_clrBarBorder.SetStandardValue(m_clrBorder);
}

void CTKMessageBarThemeOffice2003::FillMessageBar(CDC* pDC, ITKMessageBarView* pBar) {
  const CRect rcClient = pBar->GetClientRect();
  const int nWidth = std::max(rcClient.Width(), ::GetSystemMetrics(SM_CXFULLSCREEN) / 2);
  const CRect rcGradient(rcClient.left, rcClient.top, rcClient.left + nWidth, rcClient.bottom);
  TKDrawHelpers()->GradientFillTwoPart(pDC, rcGradient, m_grcBarFace, TRUE, rcClient);
  CRect rcMessage = pBar->GetMessageRect();
  pDC->Draw3dRect(rcMessage, m_clrBarBorder, m_clrBarBorder);
  rcMessage.DeflateRect(1, 1);
  pDC->FillSolidRect(rcMessage, TKColorManager()->GetColor(24));
}
