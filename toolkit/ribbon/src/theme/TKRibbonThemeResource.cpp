// CTKRibbonThemeResource: construction, the theme text's values, the image
// helpers, and the link that lets the command-bar themes make it.
#include "ribbon/TKRibbonThemeResource.h"

#include "common/TKDpiHelper.h"
#include "common/TKResourceImage.h"
#include "common/TKResourceImages.h"
#include "ribbon/TKRibbonBar.h"
#include "ribbon/TKRibbonGroup.h"
#include "tabs/TKTabPaintManager.h"
#include "tabs/TKTabPaintManagerColorSet.h"
#include "themes/TKRibbonServices.h"

namespace {
const COLORREF kNone = static_cast<COLORREF>(-1);
const COLORREF kMagenta = RGB(255, 0, 255);
}  // namespace

CTKRibbonThemeResource::CTKRibbonThemeResource(CTKPaintManagerBase* pOwner)
    : CTKRibbonPaintManager(pOwner), m_nFileButtonImageCount(3) {}

BOOL CTKRibbonThemeResource::IsLoaded() const { return TKResourceImages()->IsLoaded(); }

CTKResourceImage* CTKRibbonThemeResource::LoadImage(LPCSTR lpszName) const {
  return IsLoaded() ? TKResourceImages()->LoadImage(lpszName) : nullptr;
}

LPCSTR AFX_CDECL CTKRibbonThemeResource::GetContextColorName(int nColor) {
  static const LPCSTR kNames[] = {"BLUE", "YELLOW", "GREEN", "RED", "PURPLE", "CYAN", "ORANGE"};
  return nColor >= 1 && nColor <= 7 ? kNames[nColor - 1] : nullptr;
}

CTKResourceImage* CTKRibbonThemeResource::LoadContextImage(int nColor, LPCSTR lpszSuffix) const {
  LPCSTR lpszColor = GetContextColorName(nColor);
  if (lpszColor == nullptr) return nullptr;
  CString strName;
  strName.Format("CONTEXTTAB%s%s", lpszColor, lpszSuffix);
  return LoadImage(strName);
}

BOOL CTKRibbonThemeResource::DrawSlice(CDC* pDC, CTKResourceImage* pImage, CRect rc, int nSlice,
                                       int nCount, CRect rcMargins) {
  if (pImage == nullptr) return FALSE;
  pImage->DrawImage(pDC, rc, pImage->GetSourceRect(nSlice, nCount), rcMargins);
  return TRUE;
}

BOOL CTKRibbonThemeResource::DrawSliceTransparent(CDC* pDC, CTKResourceImage* pImage, CRect rc,
                                                  int nSlice, int nCount, CRect rcMargins,
                                                  BOOL bOnGlass) {
  if (pImage == nullptr) return FALSE;
  const CRect rcSrc = pImage->GetSourceRect(nSlice, nCount);
  if (bOnGlass)
    pImage->DrawImageTransparentEx(pDC, rc, rcSrc, rcMargins, kMagenta, 1);
  else
    pImage->DrawImageTransparent(pDC, rc, rcSrc, rcMargins, kMagenta);
  return TRUE;
}

void CTKRibbonThemeResource::DrawSliceCentered(CDC* pDC, CTKResourceImage* pImage, CRect rc,
                                               int nSlice, int nCount, BOOL bOnGlass) {
  if (pImage == nullptr) return;
  const CRect rcSrc = pImage->GetSourceRect(nSlice, nCount);
  CTKDpiHelper* pDpi = TKDpiHelper();
  const CSize sz(pDpi->ScaleX(rcSrc.Width()), pDpi->ScaleY(rcSrc.Height()));
  const CPoint pt(rc.left + (rc.Width() - sz.cx) / 2, rc.top + (rc.Height() - sz.cy) / 2);
  DrawSliceTransparent(pDC, pImage, CRect(pt, sz), nSlice, nCount, CRect(0, 0, 0, 0), bOnGlass);
}

void CTKRibbonThemeResource::RefreshMetrics() {
  CTKRibbonPaintManager::RefreshMetrics();
  if (!IsLoaded()) return;
  CTKResourceImages* p = TKResourceImages();
  CTKDpiHelper* pDpi = TKDpiHelper();
  m_clrRibbonFace = p->GetIniColor("Ribbon", "RibbonFace", kNone);
  m_clrRibbonInactiveFace = p->GetIniColor("Ribbon", "RibbonInactiveFace", m_clrRibbonFace);
  // The strip's colour set refreshed with the tab paint manager just before:
  // the theme's tab texts go over it every time.
  CTKTabPaintManagerColorSet* pColors =
      m_pTabPaintManager != nullptr ? m_pTabPaintManager->GetColorSet() : nullptr;
  const COLORREF clrTabText = p->GetIniColor("Ribbon", "TabNormalText", kNone);
  if (pColors != nullptr) {
    pColors->m_clrText.SetStandardValue(clrTabText);
    pColors->m_clrTextHighlighted.SetStandardValue(
        p->GetIniColor("Ribbon", "TabHighlightText", clrTabText));
    pColors->m_clrTextSelected.SetStandardValue(p->GetIniColor("Ribbon", "TabSelectedText", kNone));
  }
  m_clrGroupCaptionText = p->GetIniColor("Ribbon", "GroupCaptionText", kNone);
  m_clrMinimizedFrameEdgeHighlight = p->GetIniColor("Ribbon", "MinimizedFrameEdgeHighLight", kNone);
  m_clrMinimizedFrameEdgeShadow = p->GetIniColor("Ribbon", "MinimizedFrameEdgeShadow", kNone);
  m_clrRecentFileListEdgeShadow = p->GetIniColor("Ribbon", "RecentFileListEdgeShadow", kNone);
  m_clrRecentFileListEdgeHighlight = p->GetIniColor("Ribbon", "RecentFileListEdgeHighLight", kNone);
  m_nGroupSpacing = pDpi->ScaleX(p->GetIniInt("Ribbon", "GroupSpacing", 2));
  m_bFlatFrame = p->GetIniInt("Window", "FlatFrame", 0);
  m_clrFileButtonText = p->GetIniColor("Ribbon", "FileButtonText", kNone);
  const CRect rcMargin = p->GetIniRect("Ribbon", "FileButtonMargin", CRect(0, 0, 0, 0));
  m_rcFileButtonMargin.SetRect(pDpi->ScaleX(rcMargin.left), pDpi->ScaleY(rcMargin.top),
                               pDpi->ScaleX(rcMargin.right), pDpi->ScaleY(rcMargin.bottom));
  m_nFileButtonImageCount = p->GetIniInt("Ribbon", "FileButtonImageCount", 3);
}

// The link from the command-bar themes ----------------------------------------------------

namespace {

CTKRibbonPaintManager* AFX_CDECL CreateResourceLook(CTKPaintManagerBase* pOwner) {
  return new CTKRibbonThemeResource(pOwner);
}

void AFX_CDECL RefreshLook(CTKRibbonPaintManager* pLook) { pLook->RefreshMetrics(); }

void AFX_CDECL ReleaseLook(CTKRibbonPaintManager* pLook) { pLook->InternalRelease(); }

BOOL AFX_CDECL DrawGroupedFace(CTKRibbonPaintManager* pLook, CDC* pDC, CTKControl* pControl) {
  return pLook->DrawControlGroupBackground(pDC, pControl);
}

BOOL AFX_CDECL IsGroupPopupButton(const CTKControl* pControl) {
  return pControl->IsKindOf(RUNTIME_CLASS(CTKRibbonGroupControlPopup));
}

BOOL AFX_CDECL IsQuickAccessControl(CTKControl* pControl) {
  CTKCommandBar* pBar = pControl->GetParent();
  return pBar != nullptr && pBar->IsRibbonBar() &&
         static_cast<CTKRibbonBar*>(pBar)->IsQuickAccessControl(pControl);
}

BOOL AFX_CDECL IsGroupedControl(const CTKControl* pControl) {
  CTKRibbonGroup* pGroup = pControl->GetRibbonGroup();
  return pGroup != nullptr && pGroup->IsControlsGrouping();
}

CTKControl* AFX_CDECL GetGroupNeighbour(const CTKControl* pControl, int nDirection) {
  CTKRibbonGroup* pGroup = pControl->GetRibbonGroup();
  if (pGroup == nullptr) return nullptr;
  const int nIndex = pGroup->IndexOf(const_cast<CTKControl*>(pControl));
  if (nIndex < 0) return nullptr;
  for (int i = nIndex + nDirection; i >= 0 && i < pGroup->GetCount(); i += nDirection) {
    CTKControl* pOther = pGroup->GetAt(i);
    if (pOther->IsVisible()) return pOther;
  }
  return nullptr;
}

int InstallRibbonLooks() {
  // Every theme without a ribbon look of its own gets the markup-drawn one
  // (src/markup).
  TKRegisterRibbonPaintManagerCreator(tkRibbonPaintManagerResource, CreateResourceLook);
  const TK_RIBBON_SERVICES services = {RefreshLook,          ReleaseLook,      DrawGroupedFace,
                                       IsGroupPopupButton,   IsQuickAccessControl, IsGroupedControl,
                                       GetGroupNeighbour};
  TKSetRibbonServices(&services);
  return 1;
}

}  // namespace

// Kept by the linker for every program that links the ribbon (see CMakeLists.txt).
extern const int g_nTKRibbonLooksInstalled;
const int g_nTKRibbonLooksInstalled = InstallRibbonLooks();
