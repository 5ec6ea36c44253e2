// The Windows colour scheme, the gradients that follow it, and what the
// colour manager reads of the system.
#include "common/TKColorManager.h"

#include <string.h>

#include "common/TKWinThemeWrapper.h"
#include "common/TKScopedHandle.h"

namespace {

const int kThemeBorderColor = 3801;  // TMT_BORDERCOLOR

struct GradientValue {
  COLORREF clrLight;
  COLORREF clrDark;
  float fFactor;
};

// G0 to G6, then colour 54, for the blue, olive and silver schemes.
struct SchemeValues {
  GradientValue gradients[7];
  COLORREF clrColor54;
};

const SchemeValues kBlue = {{{0xD68759, 0x962D00, 0.5f},
                             {0xF5BE9E, 0xFADAC4, 0.5f},
                             {0xD68759, 0x962D00, 0.5f},
                             {0xFEECDD, 0xE2A981, 0.75f},
                             {0xFFEFE3, 0xE4AD87, 0.5f},
                             {0xF6DDCB, 0xDCA179, 0.5f},
                             {0xFFEFE3, 0xE7B593, 0.5f}},
                            0x962D00};
const SchemeValues kOlive = {{{0x82C0AF, 0x447A63, 0.5f},
                              {0xA7D9D9, 0xE4F1F2, 0.5f},
                              {0x6F8E78, 0x435B49, 0.5f},
                              {0xDEF7F4, 0x91C6B7, 0.3f},
                              {0xEDFFFF, 0x92C7B8, 0.3f},
                              {0xD1E6E6, 0x78B4A4, 0.3f},
                              {0xD5F0EC, 0x9FCEC2, 0.5f}},
                             0x588060};
const SchemeValues kSilver = {{{0xBFA7A8, 0x916F70, 0.5f},
                               {0xE5D7D7, 0xF7F3F3, 0.5f},
                               {0xBFA7A8, 0x977677, 0.5f},
                               {0xFFF9F9, 0xB79B9C, 0.75f},
                               {0xFFF9F9, 0xB99D9F, 0.75f},
                               {0xE2D7D7, 0x9E7E80, 0.75f},
                               {0xF1E7E9, 0xCDB9BA, 0.5f}},
                              0x947C7C};

bool Contains(const CString& str, const char* part) { return str.Find(part) >= 0; }

}  // namespace

// What Windows reports --------------------------------------------------------------------------

COLORREF CTKColorManagerSystem::GetSysColor(int nIndex) { return ::GetSysColor(nIndex); }

BOOL CTKColorManagerSystem::IsLowResolution() { return CTKColorManager::IsLowResolution(NULL); }

BOOL CTKColorManagerSystem::IsThemeActive() { return CTKWinThemeWrapper().IsThemeActive(); }

BOOL CTKColorManagerSystem::GetCurrentThemeName(CString& strFile, CString& strColor) {
  WCHAR szFile[MAX_PATH] = {}, szColor[MAX_PATH] = {};
  if (FAILED(CTKWinThemeWrapper().GetCurrentThemeName(szFile, MAX_PATH, szColor, MAX_PATH, nullptr,
                                                      0)))
    return FALSE;
  strFile = szFile;
  strColor = szColor;
  return TRUE;
}

BOOL CTKColorManagerSystem::GetThemedBorderColor(COLORREF& clr) {
  CTKWinThemeWrapper theme;
  theme.OpenThemeData(NULL, L"TREEVIEW");
  return theme.IsAppThemedAndOpen() &&
         SUCCEEDED(theme.GetThemeColor(0, 0, kThemeBorderColor, &clr));
}

BOOL PASCAL CTKColorManager::IsLowResolution(HDC hDC) {
  if (hDC == NULL) {
    CTKScopedWindowDC desktop(::GetDesktopWindow());
    return desktop && IsLowResolution(desktop.Get());
  }
  int nBits = ::GetDeviceCaps(hDC, BITSPIXEL) * ::GetDeviceCaps(hDC, PLANES);
  return nBits >= 1 && nBits <= 8;
}

CTKColorManagerSystem* CTKColorManager::System() const {
  static CTKColorManagerSystem windows;
  return m_pSystem != nullptr ? m_pSystem : &windows;
}

void CTKColorManager::SetSystem(CTKColorManagerSystem* pSystem) { m_pSystem = pSystem; }

// The scheme and its gradients ------------------------------------------------------------------

int CTKColorManager::DetectWindowsColorScheme() {
  CTKColorManagerSystem* pSystem = System();
  if (!pSystem->IsThemeActive() || pSystem->IsLowResolution()) return tkSchemeNone;
  CString strFile, strColor;
  if (!pSystem->GetCurrentThemeName(strFile, strColor)) return tkSchemeNone;
  strFile.MakeLower();
  strColor.MakeLower();
  if (Contains(strFile, "luna.msstyles") || Contains(strFile, "winxp.luna.gwstyles")) {
    if (strColor == "normalcolor") return tkSchemeLunaBlue;
    if (strColor == "homestead") return tkSchemeLunaOlive;
    if (strColor == "metallic") return tkSchemeLunaSilver;
  }
  if (m_bRoyaleDetection &&
      (Contains(strFile, "royale.msstyles") || Contains(strFile, "winxp.royale.gwstyles")))
    return tkSchemeRoyale;
  if (m_bAeroDetection && Contains(strFile, "aero.msstyles")) return tkSchemeAero;
  return tkSchemeNone;
}

void CTKColorManager::RefreshGradientColors(BOOL bLowResolution) {
  const int nScheme = m_bSchemeColorsDisabled ? tkSchemeNone : GetCurrentSystemTheme();
  const SchemeValues* pValues = nullptr;
  switch (nScheme) {
    case tkSchemeLunaBlue:
    case tkSchemeRoyale:
    case tkSchemeAero:
      pValues = &kBlue;
      break;
    case tkSchemeLunaOlive:
      pValues = &kOlive;
      break;
    case tkSchemeLunaSilver:
      pValues = &kSilver;
      break;
    default:
      break;
  }
  if (pValues != nullptr) {
    for (int i = 0; i < 7; ++i) {
      const GradientValue& g = pValues->gradients[i];
      m_arrGradients[i].SetStandardValue(g.clrLight, g.clrDark, g.fFactor);
    }
    Set(54, pValues->clrColor54);
  } else {
    const COLORREF face = GetColor(COLOR_BTNFACE);
    const COLORREF window = GetColor(COLOR_WINDOW);
    const COLORREF shadow = GetColor(COLOR_BTNSHADOW);
    m_arrGradients[0].SetStandardValue(shadow, shadow);
    m_arrGradients[1].SetStandardValue(face, MixColors(face, window, 215));
    m_arrGradients[2].SetStandardValue(face, shadow);
    m_arrGradients[3].SetStandardValue(MixColors(face, window, 205), face);
    m_arrGradients[4].SetStandardValue(MixColors(face, window, 145), MixColors(face, window, 93));
    m_arrGradients[5].SetStandardValue(MixColors(face, window, 40), MixColors(face, shadow, 95));
    m_arrGradients[6].SetStandardValue(MixColors(face, window, 165), MixColors(face, window, 42));
  }
  if (bLowResolution) {
    m_arrGradients[1].SetStandardSolid(GetColor(COLOR_BTNFACE));
    m_arrGradients[3].SetStandardSolid(GetColor(COLOR_BTNFACE));
  }
}
