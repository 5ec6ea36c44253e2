// CTKMessageBarThemeResource: the message bar of the image themes.
#include "common/TKColorManager.h"
#include "common/TKDpiHelper.h"
#include "common/TKDrawHelpers.h"
#include "common/TKResourceImage.h"
#include "common/TKResourceImages.h"
#include "themes/TKMessageBarPaintManager.h"
#include "themes/TKPaintManagerBase.h"

namespace {
const char kSection[] = "MessageBar";
const COLORREF kMagenta = 0x00FF00FF;
}  // namespace

void CTKMessageBarThemeResource::RefreshMetrics() {
  CTKMessageBarPaintManager::RefreshMetrics();
  CTKResourceImages* pImages = TKResourceImages();
  m_nBarHeight = GetThemeIniInt(kSection, "MessageBarHeight", 0);
  m_szButton = pImages->GetIniSize(kSection, "MessageBarDefaultButtonSize", CSize(0, 0));
  m_clrFace.SetStandardValue(GetThemeIniColor(kSection, "MessageBar", m_clrBack));
  m_clrFrame.SetStandardValue(GetThemeIniColor(kSection, "MessageBarFrame", m_clrBorder));
  m_grcMessage.SetStandardValue(GetThemeIniColor(kSection, "MessageBarLight", m_clrMessageBack),
                                GetThemeIniColor(kSection, "MessageBarDark", m_clrMessageBack));
}

void CTKMessageBarThemeResource::FillMessageBar(CDC* pDC, ITKMessageBarView* pBar) {
  pDC->FillSolidRect(pBar->GetClientRect(), m_clrFace);
  CRect rcMessage = pBar->GetMessageRect();
  pDC->Draw3dRect(rcMessage, m_clrFrame, m_clrFrame);
  rcMessage.DeflateRect(1, 1);
  TKDrawHelpers()->GradientFillTwoPart(pDC, rcMessage, m_grcMessage, FALSE, NULL);
}

void CTKMessageBarThemeResource::DrawMessageBarButton(CDC* pDC,
                                                     const TK_MESSAGEBAR_BUTTON& button) {
  CTKResourceImages* pImages = TKResourceImages();
  CTKColorManager* pColors = TKColorManager();
  const BOOL bLoaded = pImages->IsLoaded();
  const BOOL bClose = button.nId == kCloseId;
  if (bClose && button.bPressed && bLoaded) {
    m_pOwner->FillRectWithBorder(pDC, button.rc, pColors->GetColor(50), pColors->GetColor(33));
  } else if (button.bHot && bLoaded) {
    m_pOwner->FillRectWithBorder(pDC, button.rc, pColors->GetColor(32), pColors->GetColor(31));
  } else if (!bClose) {
    m_pOwner->FillRectWithBorder(pDC, button.rc, m_clrFrame, RGB(255, 255, 255));
    return;
  }
  if (!bClose || !bLoaded) return;
  CTKResourceImage* pImage = pImages->LoadImage("FRAMECAPTIONCLOSE17");
  if (pImage == nullptr) return;
  const CRect rcSrc = pImage->GetSourceRect(0, 5);
  CTKDpiHelper* pDpi = TKDpiHelper();
  const CSize sz(pDpi->ScaleX(rcSrc.Width()), pDpi->ScaleY(rcSrc.Height()));
  const CPoint pt = button.rc.CenterPoint() - CSize(sz.cx / 2, sz.cy / 2);
  pImage->DrawImageTransparent(pDC, CRect(pt, sz), rcSrc, CRect(0, 0, 0, 0), kMagenta);
}

CSize CTKMessageBarThemeResource::GetButtonSize() {
  if (m_szButton.cx > 0 && m_szButton.cy > 0) return m_szButton;
  return CTKMessageBarPaintManager::GetButtonSize();
}

int CTKMessageBarThemeResource::GetMessageBarHeight() {
  return m_nBarHeight > 0 ? m_nBarHeight : CTKMessageBarPaintManager::GetMessageBarHeight();
}
