// CTKResourceTheme: the owned paint managers of the image themes, the colours
// of the theme text and the workspace.
#include "themes/TKResourceTheme.h"

#include <algorithm>

#include "commandbars/TKCommandBarsDefines.h"
#include "common/TKDCHelpers.h"
#include "common/TKDpiHelper.h"
#include "common/TKDrawHelpers.h"
#include "common/TKResourceImage.h"
#include "common/TKResourceImages.h"
#include "common/TKScrollBarThemes.h"
#include "themes/TKControlGalleryThemes.h"
#include "themes/TKMessageBarPaintManager.h"
#include "themes/TKProgressThemes.h"
#include "themes/TKRibbonServices.h"
#include "themes/TKRibbonOffice2007FrameTheme.h"
#include "themes/TKSliderThemes.h"
#include "themes/TKStatusBarPaintManagerBase.h"

namespace {

const COLORREF kNone = static_cast<COLORREF>(-1);

/// Where one colour of the theme text goes.
struct IndexedKey {
  LPCSTR lpszSection;
  LPCSTR lpszKey;
  int nIndex;
};

const IndexedKey kIndexedKeys[] = {
    {"Toolbar", "MenuPopupBorder", 43},     {"Toolbar", "ToolbarGripper", 38},
    {"Window", "WindowFrame", 54},          {"Toolbar", "FloatingBarBorder", 61},
    {"Workspace", "AppWorkspace", 12},      {"Window", "ButtonFace", 51},
    {"Toolbar", "ToolbarFace", 30},         {"Toolbar", "ToolbarSeparator", 39},
    {"Toolbar", "ControlDisabledIcon", 40}, {"Window", "HighlightSelected", 31},
    {"Window", "HighlightSelectedBorder", 32}, {"Window", "HighlightPressed", 33},
    {"Window", "HighlightPressedBorder", 50},  {"Window", "HighlightChecked", 36},
    {"Window", "HighlightCheckedBorder", 37},  {"Toolbar", "ControlLabel", 56},
    {"Toolbar", "ControlEditBorder", 53},
};

}  // namespace

CTKResourceTheme::CTKResourceTheme()
    : m_pImages(nullptr),
      m_clrMenuBarText(kNone),
      m_clrStatusBarShadow(kNone),
      m_clrWorkspaceTop(kNone),
      m_clrWorkspaceMiddle(kNone),
      m_clrWorkspaceBottom(kNone),
      m_nMessageBarHeight(-1),
      m_szMessageBarButton(0, 0),
      m_clrMessageBarFrame(kNone),
      m_clrMessageBarFace(kNone) {
  m_pShadowManager->SetOptions(3);
  // No Windows colour scheme: the Office 2003 refresh starts from the
  // system-derived colours and the theme text paints over them.
  m_nSystemTheme = 0;
  m_bStatusTextFromVisualStyle = TRUE;
  m_bWideIconTextGap = TRUE;
  SetGalleryPaintManager(new CTKControlGalleryResourceTheme(this));
  SetSliderPaintManager(new CTKSliderResourceTheme(this));
  SetProgressPaintManager(new CTKProgressResourceTheme(this));
  SetScrollBarPaintManager(new CTKScrollBarThemeResource);
  SetStatusBarPaintManager(new CTKStatusBarThemeResource(this));
  SetMessageBarPaintManager(new CTKMessageBarThemeResource(this));
  m_pImages = TKResourceImages();
}

CTKResourceTheme::~CTKResourceTheme() {
  m_pFramePaintManager.reset();
  m_pImages->RemoveAll();
}

void CTKResourceTheme::SetImageHandle(HMODULE hModule, LPCSTR lpszIniName) {
  m_pImages->SetHandle(hModule, lpszIniName);
  RefreshMetrics();
}

BOOL CTKResourceTheme::IsIniLoaded() const { return m_pImages->IsLoaded(); }

CTKResourceImage* CTKResourceTheme::LoadImage(LPCSTR lpszName) {
  return m_pImages->LoadImage(lpszName);
}

CTKRibbonOffice2007FrameTheme* CTKResourceTheme::EnsureFramePaintManager() {
  if (!m_pFramePaintManager) {
    m_pFramePaintManager.reset(new CTKRibbonOffice2007FrameTheme(this));
    m_pFramePaintManager->RefreshMetrics();
  }
  return m_pFramePaintManager.get();
}

CTKFramePaintManager* CTKResourceTheme::GetFramePaintManager() {
  return EnsureFramePaintManager();
}

CTKRibbonPaintManager* CTKResourceTheme::GetRibbonPaintManager() {
  return EnsureRibbonPaintManager(tkRibbonPaintManagerResource);
}

COLORREF CTKResourceTheme::GetRectangleTextColor(BOOL bSelected, BOOL bPressed, BOOL bEnabled,
                                                 BOOL bChecked, BOOL bPopuped, int nBarType,
                                                 int nBarPosition) {
  // Returned as it stands: a black "MenuBarText" is black, not indexed colour 0.
  if (nBarType == tkBarTypeMenuBar && bEnabled && !bSelected && !bPressed && !bChecked &&
      !bPopuped)
    return m_clrMenuBarText;
  return CTKCommandBarsOfficeXPTheme::GetRectangleTextColor(bSelected, bPressed, bEnabled,
                                                            bChecked, bPopuped, nBarType,
                                                            nBarPosition);
}

void CTKResourceTheme::RefreshMetrics() {
  CTKCommandBarsOffice2003Theme::RefreshMetrics();
  if (m_pFramePaintManager) m_pFramePaintManager->RefreshMetrics();
  if (!IsIniLoaded()) return;

  CTKResourceImages* p = m_pImages;
  auto color = [p](LPCSTR lpszSection, LPCSTR lpszKey) {
    return p->GetIniColor(lpszSection, lpszKey, kNone);
  };
  auto gradient = [&](CTKPaintManagerColorGradient& grc, LPCSTR lpszSection, LPCSTR lpszLight,
                      LPCSTR lpszDark, float fFactor) {
    grc.SetStandardValue(color(lpszSection, lpszLight), color(lpszSection, lpszDark), fFactor);
  };

  m_clrStatusBarShadow = color("StatusBar", "StatusBarShadow");
  gradient(m_grcStatusBarTop, "StatusBar", "StatusBarFaceTopLight", "StatusBarFaceTopDark", 0.5f);
  gradient(m_grcStatusBarBottom, "StatusBar", "StatusBarFaceBottomLight",
           "StatusBarFaceBottomDark", 0.5f);
  m_grcDockBar.SetStandardSolid(color("Toolbar", "DockBarFace"));
  gradient(m_grcToolBar, "Toolbar", "ToolbarFaceLight", "ToolbarFaceDark", 0.75f);
  m_clrToolBarShadow.SetStandardValue(color("Toolbar", "ToolbarFaceShadow"));
  gradient(m_grcExpandButton, "Toolbar", "ControlToolbarExpandLight", "ControlToolbarExpandDark",
           0.75f);
  gradient(m_grcPopupOpen, "Toolbar", "ControlHighlightPopupedLight",
           "ControlHighlightPopupedDark", 0.5f);
  m_grcPopupExpandImage.SetStandardFrom(m_grcPopupOpen);
  gradient(m_grcPopupBand, "Toolbar", "MenuPopupGripperLight", "MenuPopupGripperDark", 0.5f);
  gradient(m_grcExpandedPopupBand, "Toolbar", "MenuPopupExpandedGripperLight",
           "MenuPopupExpandedGripperDark", 0.5f);
  m_clrTearOffGripper.SetStandardValue(color("Toolbar", "MenuPopupTearOffGripper"));
  m_clrMenuBarText = color("Toolbar", "MenuBarText");
  m_clrFloatingCaptionBack.SetStandardValue(color("Toolbar", "FloatingBarGripper"));
  m_clrFloatingCaptionText.SetStandardValue(color("Toolbar", "FloatingBarGripperText"));
  for (const IndexedKey& key : kIndexedKeys) {
    const COLORREF clr = color(key.lpszSection, key.lpszKey);
    SetIndexedColors(1, &key.nIndex, &clr);
  }
  m_clrWorkspaceTop = color("Workspace", "WorkspaceClientTop");
  m_clrWorkspaceMiddle = color("Workspace", "WorkspaceClientMiddle");
  m_clrWorkspaceBottom = color("Workspace", "WorkspaceClientBottom");
  gradient(m_grcHot, "Window", "HighlightSelectedLight", "HighlightSelectedDark", 0.5f);
  gradient(m_grcChecked, "Window", "HighlightCheckedLight", "HighlightCheckedDark", 0.5f);
  gradient(m_grcPushed, "Window", "HighlightPressedLight", "HighlightPressedDark", 0.5f);
  gradient(m_grcDisabledIcons, "Toolbar", "ControlDisabledIconLight", "ControlDisabledIconDark",
           0.5f);

  CTKDpiHelper* pDpi = TKDpiHelper();
  m_nMessageBarHeight = pDpi->ScaleY(p->GetIniInt("MessageBar", "MessageBarHeight", -1));
  m_szMessageBarButton =
      pDpi->ScaleSize(p->GetIniSize("MessageBar", "MessageBarDefaultButtonSize", CSize(0, 0)));
  gradient(m_grcMessageBar, "MessageBar", "MessageBarLight", "MessageBarDark", 0.5f);
  m_clrMessageBarFrame = color("MessageBar", "MessageBarFrame");
  m_clrMessageBarText = color("MessageBar", "MessageBarText");
  m_clrMessageBarFace = color("MessageBar", "MessageBar");

  m_pShadowManager->SetShadowColor(0);
  const int arrFixed[] = {41, 44, 45, 46, 47, 35, 58, 60, 52};
  const COLORREF clrGrey = RGB(141, 141, 141);
  const COLORREF arrFixedColors[] = {RGB(246, 246, 246), 0, 0, 0, 0, clrGrey, clrGrey, clrGrey,
                                     m_clrToolBarShadow};
  SetIndexedColors(9, arrFixed, arrFixedColors);
  m_bSchemeColors = TRUE;
  RebuildPopupExpandImage();
}

void CTKResourceTheme::FillWorkspace(CDC* pDC, CRect rc, CRect rcExclude) {
  if (!IsIniLoaded()) return;
  CTKDCSaveState clip(pDC);
  pDC->IntersectClipRect(rc);
  if (!rcExclude.IsRectEmpty()) pDC->ExcludeClipRect(rcExclude);
  CTKResourceImage* pImage = LoadImage("WORKSPACETOPLEFT");
  if (pImage == nullptr) return;
  CTKDpiHelper* pDpi = TKDpiHelper();
  const CSize szImage(pDpi->ScaleX(pImage->GetWidth()), pDpi->ScaleY(pImage->GetHeight()));
  const CRect rcImage(rc.left, rc.top, rc.left + std::max<int>(rc.Width(), szImage.cx),
                      rc.top + szImage.cy);
  // Drawn at its own size with its last column stretched to the right edge.
  pImage->DrawImage(pDC, rcImage, CRect(0, 0, pImage->GetWidth(), pImage->GetHeight()),
                    CRect(pImage->GetWidth() - 1, 0, 0, 0));
  const int yTop = rcImage.bottom;
  if (yTop >= rc.bottom) return;
  const int ySplit = yTop + (rc.bottom - yTop) * 2 / 3;
  TKDrawHelpers()->GradientFill(pDC, CRect(rc.left, yTop, rc.right, ySplit), m_clrWorkspaceTop,
                                m_clrWorkspaceMiddle, FALSE);
  TKDrawHelpers()->GradientFill(pDC, CRect(rc.left, ySplit, rc.right, rc.bottom),
                                m_clrWorkspaceMiddle, m_clrWorkspaceBottom, FALSE);
}
