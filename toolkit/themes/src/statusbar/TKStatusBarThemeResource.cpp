// CTKStatusBarThemeResource: the status bar of the image themes.
#include "commandbars/TKStatusBar.h"
#include "common/TKColorManager.h"
#include "common/TKDpiHelper.h"
#include "common/TKResourceImage.h"
#include "common/TKResourceImages.h"
#include "themes/TKPaintManagerBase.h"
#include "themes/TKStatusBarPaintManagerBase.h"

namespace {
const char kSection[] = "StatusBar";
const COLORREF kMagenta = 0x00FF00FF;

CRect WholeImage(CTKResourceImage* pImage) {
  return CRect(0, 0, pImage->GetWidth(), pImage->GetHeight());
}
}  // namespace

void CTKStatusBarThemeResource::RefreshMetrics() {
  CTKStatusBarPaintManagerBase::RefreshMetrics();
  m_clrText.SetCustomValue(
      GetThemeIniColor(kSection, "StatusBarText", ::GetSysColor(COLOR_BTNTEXT)));
  m_clrTextGray.SetCustomValue(
      GetThemeIniColor(kSection, "StatusBarTextGray", ::GetSysColor(COLOR_GRAYTEXT)));
  m_clrGripperLite.SetCustomValue(GetThemeIniColor(kSection, "GripperLite", 0x00FFFFFF));
  m_clrGripperDark.SetCustomValue(
      GetThemeIniColor(kSection, "GripperDark", TKColorManager()->GetColor(39)));
}

void CTKStatusBarThemeResource::DrawStatusBarBackground(CDC* pDC, CTKStatusBar* pBar) {
  CTKResourceImages* pImages = TKResourceImages();
  if (!pImages->IsLoaded()) return;
  CRect rcClient;
  pBar->GetClientRect(&rcClient);
  CTKResourceImage* pLight = pImages->LoadImage("STATUSBARLIGHT");
  if (pLight != nullptr) pLight->StretchImage(pDC, rcClient, WholeImage(pLight));

  CTKResourceImage* pDark = nullptr;
  for (int i = 0; i < pBar->GetPaneCount(); ++i) {
    CTKStatusBarPane* pPane = pBar->GetPane(i);
    if (!pPane->IsDarkBackground() || !pPane->IsVisible()) continue;
    if (pDark == nullptr) pDark = pImages->LoadImage("STATUSBARDARK");
    if (pDark == nullptr) return;
    BOOL bLast = TRUE;
    for (int j = i + 1; j < pBar->GetPaneCount() && bLast; ++j)
      bLast = !(pBar->GetPane(j)->IsDarkBackground() && pBar->GetPane(j)->IsVisible());
    const CRect rcPane = pPane->GetRect();
    const CRect rcDest(rcPane.left, rcClient.top, bLast ? rcClient.right : rcPane.right,
                       rcClient.bottom);
    pDark->StretchImage(pDC, rcDest, WholeImage(pDark));
  }
}

void CTKStatusBarThemeResource::DrawPaneBorder(CDC* pDC, CRect rc, CTKStatusBarPane*,
                                               BOOL bGripperPane) {
  if (bGripperPane) return;
  CTKDpiHelper* pDpi = TKDpiHelper();
  const int nBottom = rc.bottom - pDpi->ScaleY(2);
  m_pOwner->DrawVerticalLine(pDC, rc.right - pDpi->ScaleX(1), rc.top, nBottom, m_clrGripperDark);
  m_pOwner->DrawVerticalLine(pDC, rc.right, rc.top, nBottom, m_clrGripperLite);
}

void CTKStatusBarThemeResource::DrawGripper(CDC* pDC, CRect rcClient) {
  CTKResourceImages* pImages = TKResourceImages();
  if (!pImages->IsLoaded()) return;
  CTKResourceImage* pImage = pImages->LoadImage("STATUSBARGRIPPER");
  if (pImage == nullptr) return;
  CTKDpiHelper* pDpi = TKDpiHelper();
  const CSize sz(pDpi->ScaleX(pImage->GetWidth()), pDpi->ScaleY(pImage->GetHeight()));
  const CPoint ptBottomRight(rcClient.right - pDpi->ScaleX(1), rcClient.bottom - pDpi->ScaleY(4));
  const CRect rcDest(ptBottomRight - sz, sz);
  pImage->DrawImageTransparent(pDC, rcDest, WholeImage(pImage), CRect(0, 0, 0, 0), kMagenta);
}
