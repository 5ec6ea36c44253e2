// CTKRibbonThemeOffice2007System, and the maker that makes it the ribbon of
// every theme without one of its own.
#include <afxpriv.h>

#include "common/TKDpiHelper.h"
#include "common/TKOSVersionHelper.h"
#include "ribbon/TKRibbonBar.h"
#include "ribbon/TKRibbonMarkupTheme.h"
#include "ribbon/TKRibbonQuickAccessControls.h"
#include "themes/TKMarkupThemePart.h"
#include "themes/TKPaintManagerBase.h"
#include "themes/TKRibbonServices.h"

namespace {

const char kStyleResource[] = "TK_IDR_OFFICE2007SYSTEM_STYLE";

BOOL IsQuickAccessInCaption(CTKRibbonBar* pRibbonBar) {
  return pRibbonBar->IsQuickAccessVisible() && !pRibbonBar->IsQuickAccessBelowRibbon();
}

}  // namespace

CTKRibbonThemeOffice2007System::CTKRibbonThemeOffice2007System(CTKPaintManagerBase* pOwner)
    : CTKRibbonMarkupTheme(pOwner) {
  CTKMarkupStyleArchive archive(kStyleResource);
  if (archive.GetHandle() != nullptr) LoadParts(archive.GetHandle());
  if (pOwner != nullptr && TKOSVersionHelper()->IsWinVistaOrGreater()) {
    pOwner->m_bFontFaceMatched = TRUE;
    pOwner->m_strFontFace = "Segoe UI";
    pOwner->SetFontHeight(TKDpiHelper()->ScaleY(12));
  }
}

void CTKRibbonThemeOffice2007System::RefreshMetrics() {
  CTKRibbonMarkupTheme::RefreshMetrics();
  if (m_pOwner == nullptr) return;
  TK_ICONS_INFO* pIcons = m_pOwner->GetIconsInfo();
  pIcons->bUseFadedIcons = FALSE;
  pIcons->bUseDisabledIcons = TRUE;
  pIcons->bIconsWithShadow = FALSE;
}

int CTKRibbonThemeOffice2007System::GetCaptionHeight(CTKRibbonBar* pRibbonBar) {
  const int nCaption = ::GetSystemMetrics(SM_CYCAPTION);
  return IsQuickAccessInCaption(pRibbonBar) ? nCaption : nCaption - TKDpiHelper()->ScaleY(4);
}

void CTKRibbonThemeOffice2007System::DrawQuickAccessArea(CDC* pDC, CTKRibbonBar* pRibbonBar) {
  if (!IsQuickAccessInCaption(pRibbonBar)) return;
  CTKRibbonQuickAccessControls* pControls = pRibbonBar->GetQuickAccessControls();
  if (pControls == nullptr || pControls->GetVisibleCount() == 0) return;
  const CRect r = pRibbonBar->GetQuickAccessRect();
  CTKDpiHelper* pDpi = TKDpiHelper();
  int b = -::GetSystemMetrics(SM_CYBORDER);
  CTKCommandBarsFrameHook* pHook = pRibbonBar->GetFrameHook();
  if (pHook != nullptr && pRibbonBar->IsDwmFrameEnabled()) b += pRibbonBar->GetDwmTopBorder();
  const CRect rc(r.left - pDpi->ScaleX(15), r.top + b / 2, r.right, r.bottom - pDpi->ScaleY(1));
  const int w = rc.Width();
  const int e = r.bottom - pDpi->ScaleY(1) - b / 2 - r.top;
  const int f = e / 2;
  CString strMarkup;
  strMarkup.Format(
      "<Path Data='M0 0 S %i %i %i %i L %i %i S %i %i %i %i l 0 0 S  %i %i %i %i Z' "
      "Stroke='#22FFFFFF' StrokeThickness='2' Fill='#44FFFFFF' ></Path>",
      f, 0, e / 4 * 3, e, w - f, e, w, e, w, f, w, 0, w - f, 0);
  RenderMarkupText(pDC, strMarkup, rc);
}

namespace {

CTKRibbonPaintManager* AFX_CDECL CreateOffice2007SystemLook(CTKPaintManagerBase* pOwner) {
  return new CTKRibbonThemeOffice2007System(pOwner);
}

int InstallOffice2007SystemLook() {
  TKRegisterRibbonPaintManagerCreator(tkRibbonPaintManagerBase, CreateOffice2007SystemLook);
  return 1;
}

}  // namespace

// Kept by the linker with the other ribbon looks (see CMakeLists.txt).
extern const int g_nTKRibbonMarkupLooksInstalled;
const int g_nTKRibbonMarkupLooksInstalled = InstallOffice2007SystemLook();
