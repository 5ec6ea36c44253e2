// The indexed colours: derived from the system colours, mixed, corrected
// for contrast, and overridable by the application.
#include "common/TKColorManager.h"

#include <algorithm>

#include "common/TKSingletonPointer.h"

TK_IMPLEMENT_SINGLETON(CTKColorManager, TKColorManager)

void AFXAPI RefreshToolkitColors(BOOL bResetOverrides) {
  TKColorManager()->RefreshColors(bResetOverrides);
}

namespace {

// System colour numbers.
enum {
  kWindow = COLOR_WINDOW,                // 5
  kMenuText = COLOR_MENUTEXT,            // 7
  kWindowText = COLOR_WINDOWTEXT,        // 8
  kHighlight = COLOR_HIGHLIGHT,          // 13
  kHighlightText = COLOR_HIGHLIGHTTEXT,  // 14
  kFace = COLOR_BTNFACE,                 // 15
  kShadow = COLOR_BTNSHADOW,             // 16
  kGrayText = COLOR_GRAYTEXT,            // 17
  kButtonText = COLOR_BTNTEXT,           // 18
  kNone = -1                             // the colour 0
};

// The plain value of each toolkit colour 30 to 62, before mixing.
const int kSolid[] = {kFace,   kWindow,        kHighlight,  kHighlight, kShadow,     kGrayText,
                      kWindow, kHighlight,     kShadow,     kShadow,    kShadow,     kWindow,
                      kShadow, kShadow,        kWindowText, kMenuText,  kButtonText, kHighlightText,
                      kShadow, kHighlightText, kHighlight,  kFace,      kShadow,     kFace,
                      kShadow, kFace,          kFace,       kShadow,    kGrayText,   kNone,
                      kShadow, kShadow,        kNone};
static_assert(sizeof kSolid / sizeof kSolid[0] == 33, "one entry per toolkit colour");

struct Replacement {
  int nTarget;
  int nSource;
};

// In a high-contrast scheme these take plain system colours instead.
const Replacement kHighContrast[] = {{31, kHighlight},     {32, kButtonText}, {36, kHighlight},
                                     {37, kButtonText},    {39, kButtonText}, {43, kButtonText},
                                     {45, kHighlightText}, {50, kHighlight}};

struct Mix {
  int nTarget;
  int nA;
  int nB;
  int nWeight;
};

// Computed in this order: later mixes read earlier results.
const Mix kMixes[] = {
    {30, kWindow, kFace, 165},  {31, kHighlight, kWindow, 30}, {33, kHighlight, kWindow, 50},
    {41, kFace, kWindow, 143},  {35, kGrayText, kWindow, 70},  {38, kShadow, kWindow, 75},
    {39, kShadow, kWindow, 70}, {43, 46, kShadow, 20},         {61, 46, kShadow, 15},
    {40, kShadow, kWindow, 90}, {42, kFace, kShadow, 90}};

struct ContrastRule {
  int nTarget;
  int nBase;
  int nSource;
  int nThreshold;
};

const ContrastRule kContrastRules[] = {
    {31, 30, 31, 50},  {32, 30, 13, 100}, {33, 30, 33, 30},  {35, 41, 35, 80},  {37, 33, 37, 100},
    {38, 30, 38, 85},  {39, 30, 39, 50},  {43, 41, 43, 100}, {61, 30, 61, 100}, {40, 30, 40, 80},
    {44, 41, 44, 180}, {45, 31, 45, 180}, {46, 30, 46, 180}, {47, 33, 47, 180}};

int MaxChannel(COLORREF clr) { return std::max({GetRValue(clr), GetGValue(clr), GetBValue(clr)}); }

// Each channel times num / den.
COLORREF ScaleChannels(COLORREF clr, int num, int den) {
  return RGB(GetRValue(clr) * num / den, GetGValue(clr) * num / den, GetBValue(clr) * num / den);
}

const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kWhite = RGB(255, 255, 255);

}  // namespace

CTKColorManager::CTKColorManager() {
  std::fill(m_arrColors, m_arrColors + ColorCount, 0);
  std::fill(m_arrCustomColors, m_arrCustomColors + ColorCount, CLR_NONE);
  RefreshColors(TRUE);
  // The highlight gradients belong to no colour scheme.
  m_arrGradients[7].SetStandardValue(0x8CD5FF, 0x55ADFF, 0.5f);
  m_arrGradients[8].SetStandardValue(0x4B8EFE, 0x8BCFFF, 0.5f);
  m_arrGradients[9].SetStandardValue(0xC8F2FF, 0x97D4FF, 0.5f);
}

CTKColorManager::~CTKColorManager() = default;

COLORREF CTKColorManager::GetColor(int nIndex) const {
  if (nIndex < 0 || nIndex >= ColorCount) return static_cast<COLORREF>(nIndex);
  return m_arrCustomColors[nIndex] != CLR_NONE ? m_arrCustomColors[nIndex] : m_arrColors[nIndex];
}

void CTKColorManager::SetColor(int nIndex, COLORREF clr) {
  if (nIndex >= 0 && nIndex < ColorCount) m_arrCustomColors[nIndex] = clr;
}

void CTKColorManager::ResetCustomColors() {
  std::fill(m_arrCustomColors, m_arrCustomColors + ColorCount, CLR_NONE);
}

int CTKColorManager::GetCurrentSystemTheme() const {
  return m_nThemeSetting == 6 || m_nThemeSetting == 7 ? m_nDetectedScheme : m_nThemeSetting;
}

void CTKColorManager::RefreshColors(BOOL bResetOverrides) {
  m_nDetectedScheme = DetectWindowsColorScheme();
  const BOOL bLowResolution = System()->IsLowResolution();
  if (bResetOverrides) ResetCustomColors();

  m_arrColors[0] = 0;
  for (int i = 1; i < 30; ++i) m_arrColors[i] = System()->GetSysColor(i);
  for (int i = 30; i < ColorCount; ++i) m_arrColors[i] = 0;
  DeriveBaseColors();
  if (bLowResolution) {
    RefreshGradientColors(TRUE);
    return;
  }

  const COLORREF clrFace = GetColor(kFace);
  const COLORREF clrText = GetColor(kButtonText);
  const BOOL bHighContrast =
      (clrFace == kBlack && clrText == kWhite) || (clrFace == kWhite && clrText == kBlack);
  if (bHighContrast)
    ApplyHighContrastColors();
  else
    ApplyMixedColors();

  if (IsColorDistanceAbove(GetColor(kFace), GetColor(30), TRUE, 35))
    Set(30, LimitColorDistance(GetColor(kFace), GetColor(30), 35));
  ApplyContrastRules();
  if (IsColorDistanceAbove(GetColor(41), GetColor(35), FALSE, 145))
    Set(35, LimitColorDistance(GetColor(41), GetColor(35), 145));

  DeriveShadedColors(bHighContrast);
  RefreshGradientColors(FALSE);

  COLORREF clrBorder;
  if (System()->GetThemedBorderColor(clrBorder)) Set(57, clrBorder);
}

void CTKColorManager::DeriveBaseColors() {
  for (int i = 0; i < 33; ++i) Set(30 + i, kSolid[i] == kNone ? 0 : GetColor(kSolid[i]));
}

void CTKColorManager::ApplyHighContrastColors() {
  for (const Replacement& r : kHighContrast) Set(r.nTarget, GetColor(r.nSource));
}

void CTKColorManager::ApplyMixedColors() {
  for (const Mix& m : kMixes) Set(m.nTarget, MixColors(GetColor(m.nA), GetColor(m.nB), m.nWeight));
}

void CTKColorManager::ApplyContrastRules() {
  for (const ContrastRule& r : kContrastRules) {
    const COLORREF clrBase = GetColor(r.nBase);
    const COLORREF clrSource = GetColor(r.nSource);
    if (!IsColorDistanceAbove(clrBase, clrSource, TRUE, r.nThreshold))
      Set(r.nTarget, EnsureContrast(clrBase, clrSource, r.nThreshold));
  }
}

void CTKColorManager::DeriveShadedColors(BOOL bHighContrast) {
  const COLORREF clrFace = GetColor(kFace);
  if (!bHighContrast) {
    // Each term is truncated on its own.
    const COLORREF a = GetColor(30), w = GetColor(kWindow), h = GetColor(kHighlight);
    auto blend = [](int x, int y, int z) { return x * 50 / 100 + y * 40 / 100 + z * 10 / 100; };
    Set(36, RGB(blend(GetRValue(a), GetRValue(w), GetRValue(h)),
                blend(GetGValue(a), GetGValue(w), GetGValue(h)),
                blend(GetBValue(a), GetBValue(w), GetBValue(h))));
  }

  const int nFaceMax = MaxChannel(clrFace);
  if (nFaceMax == 0) {
    Set(48, RGB(35, 35, 35));
  } else {
    const int k = std::min(35, 255 - nFaceMax);
    Set(48, ScaleChannels(clrFace, nFaceMax + k, nFaceMax));
  }
  const COLORREF clrShadow = GetColor(kShadow);
  const int nShadowMax = MaxChannel(clrShadow);
  if (clrFace == kBlack)
    Set(49, RGB(127, 127, 127));
  else if (nShadowMax == 0)
    Set(49, 0);
  else
    Set(49, ScaleChannels(clrShadow, std::max(nShadowMax - 43, 0), nShadowMax));

  const COLORREF clr31 = m_arrColors[31];
  Set(34, RGB(static_cast<int>(GetRValue(clr31) * 0.75), static_cast<int>(GetGValue(clr31) * 0.75),
              static_cast<int>(GetBValue(clr31) * 0.75)));
  Set(22, RGB(std::min(GetRValue(clrFace) + 15, 255), std::min(GetGValue(clrFace) + 15, 255),
              std::min(GetBValue(clrFace) + 15, 255)));
  Set(53, GetColor(30));
  Set(58, GetColor(40));
  Set(60, m_arrColors[40]);
}
