// The flat status bars of the Office 2013 and Visual Studio 2015 themes.
#include "commandbars/TKStatusBar.h"
#include "common/TKColorManager.h"
#include "common/TKResourceImages.h"
#include "themes/TKPaintManagerBase.h"
#include "themes/TKStatusBarPaintManagerBase.h"

namespace {
BOOL IsHotPane(CTKStatusBarPane* pPane) {
  return pPane->GetStatusBar() != nullptr && pPane->GetStatusBar()->GetHotPane() == pPane;
}
}  // namespace

void CTKStatusBarThemeOffice2013::RefreshMetrics() {
  static const char kSection[] = "CommandBars.StatusBar";
  m_clrText.SetStandardValue(GetThemeIniColor(kSection, "TextColor", 0x00FFFFFF));
  m_clrTextGray.SetStandardValue(GetThemeIniColor(kSection, "TextGrayColor", 0x009A572B));
  m_clrBackground.SetStandardValue(GetThemeIniColor(kSection, "BackgroundColor", 0x009A572B));
  m_clrButtonBack.SetStandardValue(GetThemeIniColor(kSection, "ButtonBack", 0x009A572B));
  m_clrButtonBackChecked.SetStandardValue(
      GetThemeIniColor(kSection, "ButtonBackChecked", 0x008A4719));
  m_clrButtonBackPushed.SetStandardValue(
      GetThemeIniColor(kSection, "ButtonBackPushed", 0x008A4719));
  m_clrButtonBackHighlight.SetStandardValue(
      GetThemeIniColor(kSection, "ButtonBackHighlight", 0x00B56D3E));
  m_clrButtonTextChecked.SetStandardValue(
      GetThemeIniColor(kSection, "ButtonTextChecked", 0x00444444));
  m_clrButtonTextPushed.SetStandardValue(
      GetThemeIniColor(kSection, "ButtonTextPushed", 0x00444444));
  m_clrButtonTextHighlight.SetStandardValue(
      GetThemeIniColor(kSection, "ButtonTextHighlight", 0x00444444));
  m_clrGripperLite.SetStandardValue(m_clrBackground);
  m_clrGripperDark.SetStandardValue(m_clrBackground);
  RefreshStatusFont();
}

void CTKStatusBarThemeOffice2013::DrawStatusBarBackground(CDC* pDC, CTKStatusBar* pBar) {
  FillBackground(pDC, pBar);
}

void CTKStatusBarThemeOffice2013::DrawPaneButtonFace(CDC* pDC, CRect rc, CTKStatusBarPane* pPane) {
  COLORREF clr = m_clrButtonBack;
  if (pPane->IsPressed())
    clr = m_clrButtonBackPushed;
  else if (IsHotPane(pPane))
    clr = m_clrButtonBackHighlight;
  else if (pPane->IsPopout())
    clr = m_clrButtonBackChecked;
  pDC->FillSolidRect(rc, clr);
}

COLORREF CTKStatusBarThemeOffice2013::GetPaneTextColor(CTKStatusBarPane* pPane) {
  if (pPane->IsPressed()) return m_clrButtonTextPushed;
  if (pPane->IsPopout()) return m_clrButtonTextChecked;
  if (IsHotPane(pPane)) return m_clrButtonTextHighlight;
  return m_clrText;
}

// Visual Studio 2015
// ----------------------------------------------------------------------------------

void CTKStatusBarThemeVisualStudio2015::RefreshMetrics() {
  CTKStatusBarThemeOffice2013::RefreshMetrics();
  CTKColorManager* pColors = TKColorManager();
  m_clrGripperLite.SetStandardValue(
      CTKColorManager::MixColors(m_clrBackground, pColors->GetColor(5), 50));
  m_clrGripperDark.SetStandardValue(
      CTKColorManager::MixColors(m_clrBackground, pColors->GetColor(8), 75));
}

void CTKStatusBarThemeVisualStudio2015::DrawGripper(CDC* pDC, CRect rcClient) {
  DrawDotsGripper(pDC, rcClient);
}

void CTKStatusBarThemeVisualStudio2015::SetBackgroundColor(COLORREF clr) {
  if (clr == CTKPaintManagerColor::COLORREF_NONE) {
    for (CTKPaintManagerColor* pColor :
         {&m_clrTextGray, &m_clrBackground, &m_clrButtonBack, &m_clrGripperLite, &m_clrGripperDark,
          &m_clrButtonBackPushed, &m_clrButtonBackHighlight, &m_clrButtonBackChecked})
      pColor->SetDefaultValue();
    return;
  }
  CTKColorManager* pColors = TKColorManager();
  m_clrTextGray.SetCustomValue(clr);
  m_clrBackground.SetCustomValue(clr);
  m_clrButtonBack.SetCustomValue(clr);
  m_clrGripperLite.SetCustomValue(CTKColorManager::MixColors(clr, pColors->GetColor(5), 50));
  m_clrGripperDark.SetCustomValue(CTKColorManager::MixColors(clr, pColors->GetColor(8), 75));
  // The pushed and checked faces are the dark gripper colour, the hot face the
  // light one; their theme colours stay beneath, for -1 to bring back.
  m_clrButtonBackPushed.SetCustomValue(m_clrGripperDark.GetCustomValue());
  m_clrButtonBackChecked.SetCustomValue(m_clrGripperDark.GetCustomValue());
  m_clrButtonBackHighlight.SetCustomValue(m_clrGripperLite.GetCustomValue());
}
