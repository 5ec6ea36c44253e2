// CTKVisualStudio2005Theme: the gradient theme without its own scheme tables,
// recoloured from the colour manager's scheme.
#include "themes/TKVisualStudioThemes.h"

#include "TKControlDrawState.h"
#include "common/TKColorManager.h"

namespace {

struct Shade {
  COLORREF clrLight;
  COLORREF clrDark;
  float fFactor;
};

struct IndexedColor {
  int nIndex;
  COLORREF clr;
};

const COLORREF kUnchanged = static_cast<COLORREF>(-1);

/// What one colour scheme gives the theme; a gradient whose light colour is
/// kUnchanged stays as it is.
struct Scheme {
  Shade toolBar;
  Shade expandButton;
  Shade dockBar;
  COLORREF clrToolBarShadow;
  Shade expandedPopupBand;
  Shade popupExpandImage;  // kUnchanged: the tool-bar face's
  Shade disabledIcons;
  COLORREF clrTearOffGripper;
  COLORREF clrFloatingCaption;
  IndexedColor indexed[14];  // ends at index 0
};

const Scheme kBlue = {
    {0xF5F9FA, 0xA8C0C0, 0.75f}, {0xEAEDEE, 0x7E9898, 0.75f}, {0xD7E5E5, 0xE7F1F4, 0.5f},
    0x7CA3A3,
    {0xBAC7CC, 0xBAC7CC, 0.5f},  {kUnchanged, 0, 0.5f},        {0xF9F5F7, 0x99797A, 0.5f},
    kUnchanged, kUnchanged, {{0, 0}}};

const Scheme kOlive = {
    {0xF5F9FA, 0xA8C0C0, 0.75f}, {0xEAEDEE, 0x9EACB0, 0.75f}, {0xD7E5E5, 0xE7F1F4, 0.5f},
    0x7CA3A3,
    {0xBAC7CC, 0xBAC7CC, 0.5f},  {kUnchanged, 0, 0.5f},        {0xD8E9EC, 0x99A8AC, 0.5f},
    kUnchanged, kUnchanged,
    {{31, 0x8DC6B6}, {36, 0x8DC6B6}, {33, 0x70A093}, {47, 0xFFFFFF}, {0, 0}}};

const Scheme kSilver = {
    {0xFAF4F3, 0xB59799, 0.75f}, {0xC8B2B3, 0x927476, 0.75f}, {0xE5D7D7, 0xF7F3F3, 0.5f},
    0x947C7C,
    {0xE2D7D7, 0xA28385, 0.5f},  {0xF1E8E8, 0xC5AEB0, 0.5f},   {0xF9F5F7, 0x99797A, 0.5f},
    0xD3C0C0, 0x99797A,
    {{30, 0xE4DADB}, {31, 0xC2EEFF}, {32, 0x6F4B4B}, {37, 0x6F4B4B}, {50, 0x6F4B4B},
     {33, 0x3E80FE}, {35, 0x8D8D8D}, {60, 0x8D8D8D}, {36, 0x6FC0FF}, {38, 0x755454},
     {39, 0x8F6D6E}, {47, 0x000000}, {61, 0x99797A}, {0, 0}}};

void Set(CTKPaintManagerColorGradient& grc, const Shade& shade) {
  grc.SetStandardValue(shade.clrLight, shade.clrDark, shade.fFactor);
}

}  // namespace

CTKVisualStudio2005Theme::CTKVisualStudio2005Theme() {
  // The gradient theme's own scheme tables stay unused: this theme has its own.
  m_nSystemTheme = 0;
  m_bPlainSeparators = TRUE;
  m_bPlainGrippers = FALSE;
  m_nSeparatorInset = TKScaleX(4);
  m_nPopupTextGap = TKScaleX(4);
  m_bStatusTextFromVisualStyle = TRUE;
}

void CTKVisualStudio2005Theme::RefreshMetrics() {
  CTKCommandBarsOffice2003Theme::RefreshMetrics();
  if (CTKColorManager::IsLowResolution())
    m_grcExpandButton.SetStandardSolid(GetIndexedColor(15));
  else
    m_grcExpandButton.SetStandardValue(
        CTKColorManager::MixColors(GetIndexedColor(5), GetIndexedColor(15), 550),
        GetIndexedColor(16), 0.5f);

  const Scheme* pScheme = nullptr;
  switch (TKColorManager()->GetCurrentSystemTheme()) {
    case tkSchemeLunaBlue:
      pScheme = &kBlue;
      break;
    case tkSchemeLunaOlive:
      pScheme = &kOlive;
      break;
    case tkSchemeLunaSilver:
      pScheme = &kSilver;
      break;
    default:
      break;
  }
  if (pScheme != nullptr) {
    Set(m_grcToolBar, pScheme->toolBar);
    Set(m_grcExpandButton, pScheme->expandButton);
    Set(m_grcDockBar, pScheme->dockBar);
    m_clrToolBarShadow.SetStandardValue(pScheme->clrToolBarShadow);
    Set(m_grcExpandedPopupBand, pScheme->expandedPopupBand);
    if (pScheme->popupExpandImage.clrLight == kUnchanged)
      m_grcPopupExpandImage.SetStandardFrom(m_grcToolBar);
    else
      Set(m_grcPopupExpandImage, pScheme->popupExpandImage);
    Set(m_grcDisabledIcons, pScheme->disabledIcons);
    if (pScheme->clrTearOffGripper != kUnchanged)
      m_clrTearOffGripper.SetStandardValue(pScheme->clrTearOffGripper);
    if (pScheme->clrFloatingCaption != kUnchanged)
      m_clrFloatingCaptionBack.SetStandardValue(pScheme->clrFloatingCaption);
    for (const IndexedColor* p = pScheme->indexed; p->nIndex != 0; ++p)
      SetIndexedColors(1, &p->nIndex, &p->clr);
  }
  m_grcPopupBand.SetStandardFrom(m_grcToolBar);
  RebuildPopupExpandImage();
}
