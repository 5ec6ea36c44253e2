// The status-bar variants of the Office XP, Office 2003 and Visual Studio
// 2010 and 2012 themes.
#include "commandbars/TKStatusBar.h"
#include "common/TKColorManager.h"
#include "common/TKDCHelpers.h"
#include "common/TKDpiHelper.h"
#include "common/TKResourceImages.h"
#include "themes/TKPaintManagerBase.h"
#include "themes/TKStatusBarPaintManagerBase.h"

// Office XP -----------------------------------------------------------------------------------

void CTKStatusBarThemeOfficeXP::DrawPaneBorder(CDC* pDC, CRect rc, CTKStatusBarPane*, BOOL) {
  m_pOwner->Draw3dRectIndexed(pDC, rc, 16, 16);
}

void CTKStatusBarThemeOfficeXP::DrawPaneSeparator(CDC* pDC, CRect rc, CTKStatusBarPane*) {
  m_pOwner->DrawVerticalLine(pDC, rc.right - TKDpiHelper()->ScaleX(2), rc.top, rc.bottom,
                             TKColorManager()->GetColor(39));
}

// Office 2003 ---------------------------------------------------------------------------------

void CTKStatusBarThemeOffice2003::RefreshMetrics() {
  CTKStatusBarPaintManagerBase::RefreshMetrics();
  CTKColorManager* pColors = TKColorManager();
  COLORREF clrBack = CTKColorManager::MixColors(pColors->GetColor(15), pColors->GetColor(5), 70);
  switch (m_pOwner->GetCurrentSystemTheme()) {
    case 3:  // metallic
      clrBack = 0x00DAEAEC;
      break;
    case 1:
    case 2:
    case 4:
    case 5:
      clrBack = 0x00D3D3D3;
      break;
    default:
      break;
  }
  m_clrBackground.SetCustomValue(clrBack);
}

void CTKStatusBarThemeOffice2003::DrawPaneBorder(CDC* pDC, CRect rc, CTKStatusBarPane* pPane,
                                                 BOOL bGripperPane) {
  if (IsAppThemed()) {
    CTKStatusBarPaintManagerBase::DrawPaneBorder(pDC, rc, pPane, bGripperPane);
    return;
  }
  pDC->Draw3dRect(rc, m_clrBackground, m_clrBackground);
}

void CTKStatusBarThemeOffice2003::DrawGripper(CDC* pDC, CRect rcClient) {
  if (IsThemed()) {
    CTKStatusBarPaintManagerBase::DrawGripper(pDC, rcClient);
    return;
  }
  const int nDpi = TKDpiHelper()->GetDpiX();
  const int nDark = nDpi >= 144 ? 4 : 3;
  const int nStep = 5 + (nDpi >= 120 ? 1 : 0) + (nDpi >= 144 ? 1 : 0);
  const int W2 = rcClient.Width() - 2, H2 = rcClient.Height() - 2;
  int y = H2;
  for (int nGroup = 0; nGroup < 3; ++nGroup, y -= nStep) {
    for (int j = 1; j < nStep; ++j) {
      CTKPenDC pen(pDC->GetSafeHdc(), j <= nDark ? m_clrGripperDark : m_clrGripperLite);
      m_pOwner->MoveToLineTo(pDC, W2 - H2 + y - j, H2, W2, y - j);
    }
  }
}

// Visual Studio 2010
// --------------------------------------------------------------------------------

void CTKStatusBarThemeVisualStudio2010::RefreshMetrics() {
  CTKStatusBarPaintManagerBase::RefreshMetrics();
  m_clrBackground.SetCustomValue(0x00553929);
  m_clrText.SetCustomValue(0x00FFFFFF);
}

void CTKStatusBarThemeVisualStudio2010::DrawStatusBarBackground(CDC* pDC, CTKStatusBar* pBar) {
  FillBackground(pDC, pBar);
}

void CTKStatusBarThemeVisualStudio2010::DrawGripper(CDC* pDC, CRect rcClient) {
  if (!IsAppThemed()) {
    CTKStatusBarPaintManagerBase::DrawGripper(pDC, rcClient);
    return;
  }
  CTKDpiHelper* pDpi = TKDpiHelper();
  const int cx3 = pDpi->ScaleX(3), cy3 = pDpi->ScaleY(3);
  for (int a = 0; a <= 3; ++a) {
    for (int i = 0; i <= 3 - a; ++i) {
      const int x = rcClient.right - i * cx3 - pDpi->ScaleX(4);
      const int y = rcClient.bottom - a * cy3 - pDpi->ScaleY(4);
      pDC->SetPixel(x, y, 0x00FAF9F8);
      pDC->SetPixel(x + 1, y, 0x00DDCEC6);
      pDC->SetPixel(x, y + 1, 0x00EEE7E3);
      pDC->SetPixel(x + 1, y + 1, 0x00CDB7AA);
    }
  }
}

// Visual Studio 2012
// -----------------------------------------------------------------------------------

void CTKStatusBarThemeVisualStudio2012::RefreshMetrics() {
  static const char kSection[] = "StatusBar";
  CTKStatusBarPaintManagerBase::RefreshMetrics();
  m_clrBackground.SetCustomValue(GetThemeIniColor(kSection, "BackgroundColor", 0x00D07801));
  m_clrTextGray.SetCustomValue(GetThemeIniColor(kSection, "TextGrayColor", m_clrBackground));
  m_clrGripperLite.SetCustomValue(GetThemeIniColor(kSection, "GripperLite", 0x00FFBF54));
  m_clrGripperDark.SetCustomValue(GetThemeIniColor(kSection, "GripperDark", 0x009E5B00));
}

void CTKStatusBarThemeVisualStudio2012::DrawStatusBarBackground(CDC* pDC, CTKStatusBar* pBar) {
  FillBackground(pDC, pBar);
}

void CTKStatusBarThemeVisualStudio2012::DrawGripper(CDC* pDC, CRect rcClient) {
  DrawDotsGripper(pDC, rcClient);
}
