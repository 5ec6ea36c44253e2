// CTKCommandBarsOffice2003Theme: construction, the colours of each refresh
// (derived from the indexed colours or taken from a colour scheme's table)
// and the pop-up's expand image.
#include "themes/TKCommandBarsOffice2003Theme.h"

#include "TKControlDrawState.h"
#include "common/TKBitmapFunctions.h"
#include "common/TKColorManager.h"
#include "common/TKDCHelpers.h"
#include "common/TKWinThemeWrapper.h"
#include "themes/TKMessageBarPaintManager.h"
#include "themes/TKStatusBarPaintManagerBase.h"

namespace {

struct Gradient {
  COLORREF clrLight;
  COLORREF clrDark;
  float fFactor;
};

/// The colours one Windows colour scheme gives the bars.
struct SchemeTable {
  Gradient dockBar;
  Gradient toolBar;
  Gradient popupOpen;
  Gradient expandButton;
  Gradient expandedPopupBand;
  Gradient popupExpandImage;
  Gradient disabledIcons;
  COLORREF clrToolBarShadow;
  COLORREF clrFloatingCaption;
  COLORREF clrShadow;
  COLORREF clrTearOffGripper;
  // Indexed colours 12, 30, 31, 32 (also 37 and 50), 33, 36, 38, 39, 40, 41,
  // 43, 47, 51, 52, 53 and 56.
  COLORREF arrIndexed[16];
};

const int kTableIndexes[16] = {12, 30, 31, 32, 33, 36, 38, 39, 40, 41, 43, 47, 51, 52, 53, 56};

const SchemeTable kBlue = {
    {RGB(158, 190, 245), RGB(196, 218, 250), 0.5f},
    {RGB(221, 236, 254), RGB(129, 169, 226), 0.75f},
    {RGB(227, 239, 255), RGB(147, 181, 231), 0.5f},
    {RGB(117, 166, 241), RGB(0, 53, 145), 0.75f},
    {RGB(203, 221, 246), RGB(121, 161, 220), 0.5f},
    {RGB(227, 239, 254), RGB(129, 169, 226), 0.5f},
    {RGB(233, 236, 242), RGB(97, 122, 172), 0.5f},
    RGB(59, 97, 156),
    RGB(42, 102, 201),
    RGB(22, 30, 54),
    RGB(169, 199, 240),
    {RGB(144, 153, 174), RGB(196, 219, 249), RGB(255, 238, 194), RGB(0, 0, 128),
     RGB(254, 128, 62), RGB(255, 192, 111), RGB(39, 65, 118), RGB(106, 140, 203),
     RGB(109, 150, 208), RGB(246, 246, 246), RGB(0, 45, 150), RGB(0, 0, 0), RGB(216, 231, 252),
     RGB(158, 190, 245), RGB(203, 225, 252), RGB(189, 211, 247)},
};

const SchemeTable kOlive = {
    {RGB(217, 217, 167), RGB(242, 241, 228), 0.5f},
    {RGB(244, 247, 222), RGB(183, 198, 145), 0.3f},
    {RGB(236, 240, 213), RGB(194, 206, 159), 0.5f},
    {RGB(176, 194, 140), RGB(96, 119, 107), 0.3f},
    {RGB(230, 230, 209), RGB(164, 180, 120), 0.3f},
    {RGB(236, 240, 213), RGB(184, 198, 147), 0.5f},
    {RGB(243, 244, 240), RGB(131, 144, 113), 0.5f},
    RGB(96, 128, 88),
    RGB(116, 134, 94),
    RGB(31, 34, 25),
    RGB(197, 212, 159),
    {RGB(151, 160, 123), RGB(209, 222, 173), RGB(255, 238, 194), RGB(63, 93, 56),
     RGB(254, 128, 62), RGB(255, 192, 111), RGB(81, 94, 51), RGB(96, 128, 88),
     RGB(159, 174, 122), RGB(244, 244, 238), RGB(117, 141, 94), RGB(0, 0, 0),
     RGB(226, 231, 191), RGB(171, 192, 138), RGB(216, 227, 182), RGB(222, 227, 189)},
};

const SchemeTable kSilver = {
    {RGB(215, 215, 229), RGB(243, 243, 247), 0.5f},
    {RGB(249, 249, 255), RGB(156, 155, 183), 0.75f},
    {RGB(233, 231, 241), RGB(186, 185, 205), 0.5f},
    {RGB(179, 178, 200), RGB(118, 116, 146), 0.75f},
    {RGB(215, 215, 226), RGB(133, 131, 162), 0.5f},
    {RGB(232, 232, 241), RGB(176, 174, 197), 0.5f},
    {RGB(247, 245, 249), RGB(122, 121, 153), 0.5f},
    RGB(124, 124, 148),
    RGB(122, 121, 153),
    RGB(36, 32, 41),
    RGB(192, 192, 211),
    {RGB(155, 154, 179), RGB(219, 218, 228), RGB(255, 238, 194), RGB(75, 75, 111),
     RGB(254, 128, 62), RGB(255, 192, 111), RGB(84, 84, 117), RGB(110, 109, 143),
     RGB(168, 167, 190), RGB(253, 250, 255), RGB(124, 124, 148), RGB(0, 0, 0),
     RGB(223, 223, 234), RGB(177, 176, 195), RGB(214, 211, 231), RGB(214, 215, 231)},
};

void Set(CTKPaintManagerColorGradient& grc, const Gradient& g) {
  grc.SetStandardValue(g.clrLight, g.clrDark, g.fFactor);
}

/// The shade of each pixel of the expand image by row (y) and column (x);
/// 255 is clear.
const BYTE kExpandShades[16][16] = {
    {255, 255, 255, 255, 234, 234, 234, 198, 198, 198, 198, 252, 255, 255, 255, 255},
    {255, 255, 255, 234, 252, 252, 234, 234, 198, 180, 144, 144, 198, 255, 255, 255},
    {255, 255, 234, 252, 252, 252, 234, 234, 198, 180, 144, 126, 108, 180, 255, 255},
    {255, 234, 252, 252, 252, 252, 234, 234, 198, 180, 144, 126, 108, 108, 198, 255},
    {252, 234, 252, 252, 252, 252, 234, 198, 198, 180, 144, 126, 108,  90,  90, 252},
    {234, 234, 234, 234, 234, 234, 234, 198, 180, 180, 144, 126, 108,  90,  72, 180},
    {198, 234, 234, 234, 234, 234, 198, 198, 180, 144, 126, 108,  90,  90,  72, 108},
    {180, 198, 198, 198, 198, 198, 180, 180, 144, 126, 126, 108,  90,  72,  72,  72},
    {180, 180, 180, 180, 180, 180, 144, 144, 126, 126, 108,  90,  90,  72,  54,  54},
    {180, 144, 144, 144, 144, 144, 144, 126, 126, 108, 108,  90,  72,  54,  36,  90},
    {198, 126, 126, 126, 126, 126, 126, 126, 108,  90,  72,  54,  54,  36,  36, 126},
    {252, 126, 108, 108, 108, 108, 108,  72,  72,  54,  54,  36,  36,  18,  18, 234},
    {255, 198,  90,  90,  90,  72,  72,  54,  54,  36,  36,  18,  18,   0, 108, 255},
    {255, 255, 144,  54,  54,  54,  36,  36,  18,  18,  18,   0,   0,  54, 255, 255},
    {255, 255, 255, 126,  36,  36,  18,  18,  18,   0,   0,   0,  72, 255, 255, 255},
    {255, 255, 255, 255, 234,  90,  36,  18,   0,   0,  54, 180, 255, 255, 255, 255},
};

}  // namespace

CTKCommandBarsOffice2003Theme::CTKCommandBarsOffice2003Theme()
    : m_bSchemeColors(FALSE),
      m_bPlainSeparators(FALSE),
      m_bPlainGrippers(FALSE),
      m_nSeparatorInset(TKDpiHelper()->ScaleX(4)) {
  SetMessageBarPaintManager(new CTKMessageBarThemeOffice2003(this));
  SetStatusBarPaintManager(new CTKStatusBarThemeOffice2003(this));
  m_iconsInfo.bUseFadedIcons = FALSE;
  m_iconsInfo.bIconsWithShadow = FALSE;
  m_grcChecked.SetStandardValue(RGB(255, 213, 140), RGB(255, 173, 85), 0.5f);
  m_grcPushed.SetStandardValue(RGB(254, 142, 75), RGB(255, 207, 139), 0.5f);
  m_grcHot.SetStandardValue(RGB(255, 242, 200), RGB(255, 212, 151), 0.5f);
  m_bStatusTextFromVisualStyle = TRUE;
}

CTKCommandBarsOffice2003Theme::~CTKCommandBarsOffice2003Theme() { m_popupExpandImage.Reset(); }

BOOL CTKCommandBarsOffice2003Theme::IsGradientToolBar(CTKCommandBar* pBar) {
  return !IsFlatCommandBar(pBar) && (pBar->GetFlags() & 0xF) != 0;
}

void CTKCommandBarsOffice2003Theme::RefreshMetrics() {
  CTKCommandBarsOfficeXPTheme::RefreshMetrics();
  m_pStatusTheme->OpenThemeData(NULL, L"STATUS");

  auto indexed = [this](int nIndex) { return GetIndexedColor(nIndex); };
  auto mix = [&](int nA, int nB, int nWeight) {
    return CTKColorManager::MixColors(indexed(nA), indexed(nB), nWeight);
  };
  m_grcExpandedPopupBand.SetStandardValue(mix(5, 42, 550), indexed(42));
  m_grcToolBar.SetStandardValue(mix(15, 5, 205), indexed(15));
  m_grcDockBar.SetStandardValue(indexed(15), mix(15, 5, 205));
  m_clrTearOffGripper.SetStandardValue(indexed(30));
  m_clrToolBarShadow.SetStandardValue(indexed(30));
  m_clrFloatingCaptionBack.SetStandardValue(indexed(16));
  m_grcPopupOpen.SetStandardValue(indexed(41), mix(5, 15, 550));
  m_grcExpandButton.SetStandardValue(mix(51, 16, 51), indexed(16));
  m_grcPopupExpandImage.SetStandardValue(indexed(41), mix(5, 15, 550));
  m_bSchemeColors = FALSE;
  const int nIndex55 = 55;
  const COLORREF clr55 = TKColorManager()->GetGradient(0).m_clrDark;
  SetIndexedColors(1, &nIndex55, &clr55);

  if (CTKColorManager::IsLowResolution()) {
    const COLORREF clrFace = indexed(15);
    m_grcToolBar.SetStandardSolid(clrFace);
    m_grcDockBar.SetStandardSolid(clrFace);
    m_grcPopupOpen.SetStandardSolid(clrFace);
    m_grcExpandButton.SetStandardSolid(clrFace);
  }

  const SchemeTable* pTable = nullptr;
  switch (GetCurrentSystemTheme()) {
    case tkSchemeLunaBlue:
    case tkSchemeRoyale:
    case tkSchemeAero:
      pTable = &kBlue;
      break;
    case tkSchemeLunaOlive:
      pTable = &kOlive;
      break;
    case tkSchemeLunaSilver:
      pTable = &kSilver;
      break;
    default:
      break;
  }
  if (pTable != nullptr) {
    Set(m_grcDockBar, pTable->dockBar);
    Set(m_grcToolBar, pTable->toolBar);
    Set(m_grcPopupOpen, pTable->popupOpen);
    Set(m_grcExpandButton, pTable->expandButton);
    Set(m_grcExpandedPopupBand, pTable->expandedPopupBand);
    Set(m_grcPopupExpandImage, pTable->popupExpandImage);
    Set(m_grcDisabledIcons, pTable->disabledIcons);
    m_clrToolBarShadow.SetStandardValue(pTable->clrToolBarShadow);
    m_clrFloatingCaptionBack.SetStandardValue(pTable->clrFloatingCaption);
    m_pShadowManager->SetShadowColor(pTable->clrShadow);
    m_clrTearOffGripper.SetStandardValue(pTable->clrTearOffGripper);
    SetIndexedColors(16, kTableIndexes, pTable->arrIndexed);
    const int arrBorders[] = {37, 50};
    const COLORREF arrBorderColors[] = {pTable->arrIndexed[3], pTable->arrIndexed[3]};
    SetIndexedColors(2, arrBorders, arrBorderColors);
    m_bSchemeColors = TRUE;
  }
  if (m_bSchemeColors) {
    const int arrGrey[] = {35, 58, 60};
    const COLORREF arrGreyColors[] = {RGB(141, 141, 141), RGB(141, 141, 141),
                                      RGB(141, 141, 141)};
    SetIndexedColors(3, arrGrey, arrGreyColors);
    const int nIndex61 = 61;
    const COLORREF clr61 = m_clrFloatingCaptionBack;
    SetIndexedColors(1, &nIndex61, &clr61);
  }
  m_grcPopupBand.SetStandardFrom(m_grcToolBar);
  RebuildPopupExpandImage();
}

void AFX_CDECL CTKCommandBarsOffice2003Theme::MakePopupExpandPixels(COLORREF clrLight,
                                                                    COLORREF clrDark,
                                                                    COLORREF* pPixels) {
  for (int n = 0; n < 256; ++n) {
    const int x = n % 16;
    const int y = n / 16;
    const int nShade = kExpandShades[y][x];
    COLORREF clr = RGB(0, 255, 0);
    if (nShade != 255) {
      auto channel = [nShade](int nLight, int nDark) {
        return nDark - (nDark - nLight) * nShade / 255;
      };
      clr = RGB(channel(GetRValue(clrLight), GetRValue(clrDark)),
                channel(GetGValue(clrLight), GetGValue(clrDark)),
                channel(GetBValue(clrLight), GetBValue(clrDark)));
    }
    pPixels[y * 16 + x] = clr;
  }
}

void CTKCommandBarsOffice2003Theme::RebuildPopupExpandImage() {
  COLORREF arrPixels[256];
  MakePopupExpandPixels(m_grcPopupExpandImage.m_clrLight, m_grcPopupExpandImage.m_clrDark,
                        arrPixels);
  LPBYTE pBits = nullptr;
  m_popupExpandImage.Reset(Create32BitDIBSection(NULL, 16, 16, &pBits));
  if (pBits == nullptr) return;
  // The section's rows run bottom up, blue-green-red-alpha.
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      const COLORREF clr = arrPixels[y * 16 + x];
      LPBYTE pPixel = pBits + ((15 - y) * 16 + x) * 4;
      pPixel[0] = GetBValue(clr);
      pPixel[1] = GetGValue(clr);
      pPixel[2] = GetRValue(clr);
      pPixel[3] = 255;
    }
  }
}

void CTKCommandBarsOffice2003Theme::DrawPopupExpandImage(CDC* pDC, CPoint pt) {
  if (!m_popupExpandImage) return;
  CTKScopedCreatedDC memDC(::CreateCompatibleDC(pDC->GetSafeHdc()));
  CTKSelectGuard bitmap(memDC.Get(), m_popupExpandImage.Get());
  ::TransparentBlt(pDC->GetSafeHdc(), pt.x, pt.y, TKScaleX(16), TKScaleY(16), memDC.Get(), 0, 0,
                   16, 16, RGB(0, 255, 0));
}
